<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Miniaturas</translation>
    </message>
    <message>
        <source>&amp;Disks</source>
        <translation>&amp;Discos</translation>
    </message>
    <message>
        <source>&amp;Offer what to do when a disk is mounted</source>
        <translation>&amp;Ofrecer qué hacer al montar un disco</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;Tarnwell website</source>
        <translation>&amp;Sitio web de Tarnwell</translation>
    </message>
    <message>
        <source>&amp;Email support</source>
        <translation>Soporte por &amp;correo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disco</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>Rackmere shows the chosen language from its next start.</source>
        <translation>Rackmere mostrará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Add new...</source>
        <translation>&amp;Añadir nuevo...</translation>
    </message>
    <message>
        <source>&amp;Update...</source>
        <translation>Ac&amp;tualizar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renombrar...</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>&amp;Propiedades...</translation>
    </message>
    <message>
        <source>&amp;Compare with...</source>
        <translation>&amp;Comparar con...</translation>
    </message>
    <message>
        <source>&amp;Verify...</source>
        <translation>&amp;Verificar...</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>Search &amp;names</source>
        <translation>Buscar &amp;nombres</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Find ne&amp;xt</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Find &amp;duplicates...</source>
        <translation>Buscar &amp;duplicados...</translation>
    </message>
    <message>
        <source>Is this &amp;archived?...</source>
        <translation>¿Está &amp;archivado?...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>Open containing &amp;folder</source>
        <translation>Abrir &amp;carpeta contenedora</translation>
    </message>
    <message>
        <source>Saved searc&amp;hes</source>
        <translation>Búsquedas &amp;guardadas</translation>
    </message>
    <message>
        <source>&amp;Save this search...</source>
        <translation>&amp;Guardar esta búsqueda...</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>&amp;Administrar...</translation>
    </message>
</context>
<context>
    <name>TFormRename</name>
    <message>
        <source>Rename disk</source>
        <translation>Renombrar disco</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmAddFilter</name>
    <message>
        <source>Add filter</source>
        <translation>Añadir filtro</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmAddNew</name>
    <message>
        <source>Add new listing</source>
        <translation>Añadir listado nuevo</translation>
    </message>
    <message>
        <source>&amp;Drive / folder:</source>
        <translation>&amp;Unidad / carpeta:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Disk &amp;name:</source>
        <translation>&amp;Nombre del disco:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>C&amp;omentario:</translation>
    </message>
    <message>
        <source>List the contents of &amp;archives</source>
        <translation>&amp;Listar el contenido de archivos comprimidos</translation>
    </message>
    <message>
        <source>Zip, 7z, rar, tar, cab and ISO files become folders of their own; slower on slow media</source>
        <translation>Los archivos zip, 7z, rar, tar, cab e ISO se convierten en carpetas propias; más lento en soportes lentos</translation>
    </message>
    <message>
        <source>&amp;Read descriptions from descript.ion and file_id.diz</source>
        <translation>Leer &amp;descripciones de descript.ion y file_id.diz</translation>
    </message>
    <message>
        <source>Describe music, photos and videos from their &amp;tags</source>
        <translation>Describir música, fotos y vídeos por sus &amp;etiquetas</translation>
    </message>
    <message>
        <source>&amp;Fingerprints (read every file)</source>
        <translation>&amp;Huellas digitales (leer cada archivo)</translation>
    </message>
    <message>
        <source>Reads every file once to keep a fingerprint of its contents: Verify can then find a bit error, and Find duplicates copies under any name; as slow as reading the whole disk</source>
        <translation>Lee cada archivo una vez para guardar una huella digital de su contenido: así Verificar puede encontrar un error de bits y Buscar duplicados, copias con cualquier nombre; tan lento como leer todo el disco</translation>
    </message>
    <message>
        <source>&amp;Pictures of photos, videos and music</source>
        <translation>&amp;Miniaturas de fotos, vídeos y música</translation>
    </message>
    <message>
        <source>Keeps a small picture of each photo, video and music file with cover art, to browse with View &gt; Pictures while the disk is not there</source>
        <translation>Guarda una miniatura de cada foto, vídeo y archivo de música con carátula, para verlas con Ver &gt; Miniaturas aunque el disco no esté</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmAdding</name>
    <message>
        <source>Adding...</source>
        <translation>Añadiendo...</translation>
    </message>
    <message>
        <source>Now adding:</source>
        <translation>Añadiendo:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Compare listings</source>
        <translation>Comparar listados</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmDuplicates</name>
    <message>
        <source>Find duplicates</source>
        <translation>Buscar duplicados</translation>
    </message>
    <message>
        <source>Files with the same name (in any letter case) and the same size:</source>
        <translation>Archivos con el mismo nombre (sin distinguir mayúsculas) y el mismo tamaño:</translation>
    </message>
    <message>
        <source>Across &amp;all listings</source>
        <translation>En &amp;todos los listados</translation>
    </message>
    <message>
        <source>&amp;Within this listing:</source>
        <translation>&amp;Dentro de este listado:</translation>
    </message>
    <message>
        <source>&amp;Smallest size:</source>
        <translation>Tamaño &amp;mínimo:</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>&amp;By contents (fingerprints), whatever the names</source>
        <translation>&amp;Por contenido (huellas digitales), con cualquier nombre</translation>
    </message>
    <message>
        <source>Files whose contents are the same, in the listings read with fingerprints</source>
        <translation>Archivos con el mismo contenido, en los listados leídos con huellas digitales</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmExport</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>What to export</source>
        <translation>Qué exportar</translation>
    </message>
    <message>
        <source>The selected &amp;listing</source>
        <translation>El &amp;listado seleccionado</translation>
    </message>
    <message>
        <source>The whole &amp;catalogue</source>
        <translation>&amp;Todo el catálogo</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>CSV, for spreadsheets (.csv)</source>
        <translation>CSV, para hojas de cálculo (.csv)</translation>
    </message>
    <message>
        <source>JSON, for scripts (.json)</source>
        <translation>JSON, para scripts (.json)</translation>
    </message>
    <message>
        <source>HTML page with search, for a browser (.html)</source>
        <translation>Página HTML con búsqueda, para un navegador (.html)</translation>
    </message>
    <message>
        <source>Include &amp;pictures (HTML page only)</source>
        <translation>Incluir &amp;miniaturas (solo página HTML)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmListProperties</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>Ca&amp;tegoría:</translation>
    </message>
    <message>
        <source>Fingerprint:</source>
        <translation>Huella digital:</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <translation>Huella digital</translation>
    </message>
    <message>
        <source>&amp;Launch file</source>
        <translation>Abrir a&amp;rchivo</translation>
    </message>
    <message>
        <source>Open containing &amp;folder</source>
        <translation>Abrir &amp;carpeta contenedora</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Cance&amp;lar</translation>
    </message>
</context>
<context>
    <name>TfrmPrint</name>
    <message>
        <source>Print disk</source>
        <translation>Imprimir disco</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Nombres de archivo</translation>
    </message>
    <message>
        <source>Print a&amp;ll filenames.</source>
        <translation>Imprimir todos los &amp;nombres de archivo.</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Nin&amp;guno</translation>
    </message>
    <message>
        <source>&amp;Specify:</source>
        <translation>Especi&amp;ficar:</translation>
    </message>
    <message>
        <source>Print filenames c&amp;ontaining:</source>
        <translation>Imprimir nombres de archivo que c&amp;ontengan:</translation>
    </message>
    <message>
        <source>Print filenames containing</source>
        <translation>Imprimir nombres de archivo que contengan</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Print all filenames until &amp;tree level:</source>
        <translation>Imprimir todos los nombres &amp;hasta el nivel de árbol:</translation>
    </message>
    <message>
        <source>Print all filenames until tree level</source>
        <translation>Imprimir todos los nombres hasta el nivel de árbol</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Print all file d&amp;escriptions.</source>
        <translation>Imprimir todas las d&amp;escripciones de archivo.</translation>
    </message>
    <message>
        <source>Folder names</source>
        <translation>Nombres de carpeta</translation>
    </message>
    <message>
        <source>Print a&amp;ll folder names.</source>
        <translation>Imprimir todos los nom&amp;bres de carpeta.</translation>
    </message>
    <message>
        <source>Print folders c&amp;ontaining one of these files:</source>
        <translation>Imprimir carpetas que contengan &amp;uno de estos archivos:</translation>
    </message>
    <message>
        <source>Print folders containing one of these files</source>
        <translation>Imprimir carpetas que contengan uno de estos archivos</translation>
    </message>
    <message>
        <source>Print all folder names until &amp;tree level:</source>
        <translation>Imprimir todos los nombres de carpeta ha&amp;sta el nivel de árbol:</translation>
    </message>
    <message>
        <source>Print all folder names until tree level</source>
        <translation>Imprimir todos los nombres de carpeta hasta el nivel de árbol</translation>
    </message>
    <message>
        <source>Print all folder entries with a co&amp;mment.</source>
        <translation>Imprimir todas las entradas de car&amp;peta con un comentario.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Print &amp;list of contents</source>
        <translation>Imprimir &amp;lista de contenido</translation>
    </message>
    <message>
        <source>Print C&amp;D cover</source>
        <translation>Imprimir carátula de C&amp;D</translation>
    </message>
    <message>
        <source>Print &amp;frame</source>
        <translation>Imprimir &amp;marco</translation>
    </message>
    <message>
        <source>Print CD &amp;back cover</source>
        <translation>Imprimir carátula &amp;trasera de CD</translation>
    </message>
    <message>
        <source>Print f&amp;rame</source>
        <translation>Imprimir ma&amp;rco</translation>
    </message>
    <message>
        <source>Sa&amp;ve settings as default.</source>
        <translation>Guardar a&amp;justes como predeterminados.</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Pr&amp;int</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmPrintPreview</name>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Please note that the output may look different on your printer.</source>
        <translation>Tenga en cuenta que el resultado puede verse distinto en su impresora.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation>Página anterior (Re Pág)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation>Página siguiente (Av Pág)</translation>
    </message>
</context>
<context>
    <name>TfrmProps</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Folders in listing:</source>
        <translation>Carpetas en el listado:</translation>
    </message>
    <message>
        <source>Files in listing:</source>
        <translation>Archivos en el listado:</translation>
    </message>
    <message>
        <source>Total size:</source>
        <translation>Tamaño total:</translation>
    </message>
    <message>
        <source>Last read:</source>
        <translation>Última lectura:</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation>&amp;Ubicación:</translation>
    </message>
    <message>
        <source>Lent &amp;to:</source>
        <translation>&amp;Prestado a:</translation>
    </message>
    <message>
        <source>When the disk is &amp;mounted:</source>
        <translation>Al mon&amp;tar el disco:</translation>
    </message>
    <message>
        <source>Ask what to do</source>
        <translation>Preguntar qué hacer</translation>
    </message>
    <message>
        <source>Update at once</source>
        <translation>Actualizar enseguida</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>No hacer nada</translation>
    </message>
    <message>
        <source>&amp;Root drive:</source>
        <translation>Unidad &amp;raíz:</translation>
    </message>
    <message>
        <source>Full path:</source>
        <translation>Ruta completa:</translation>
    </message>
    <message>
        <source>Kept beside the listing:</source>
        <translation>Guardado junto al listado:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>C&amp;omentario:</translation>
    </message>
    <message>
        <source>Read when listed:</source>
        <translation>Leído al listar:</translation>
    </message>
    <message>
        <source>List the contents of &amp;archives</source>
        <translation>&amp;Listar el contenido de archivos comprimidos</translation>
    </message>
    <message>
        <source>Read &amp;descriptions from descript.ion and file_id.diz</source>
        <translation>Leer &amp;descripciones de descript.ion y file_id.diz</translation>
    </message>
    <message>
        <source>Describe music, photos and videos from their ta&amp;gs</source>
        <translation>Describir música, fotos y vídeos por sus &amp;etiquetas</translation>
    </message>
    <message>
        <source>&amp;Fingerprints (read every file)</source>
        <translation>&amp;Huellas digitales (leer cada archivo)</translation>
    </message>
    <message>
        <source>&amp;Pictures of photos, videos and music</source>
        <translation>&amp;Miniaturas de fotos, vídeos y música</translation>
    </message>
    <message>
        <source>A changed choice is applied at the next Update.</source>
        <translation>Los cambios se aplican en la próxima actualización.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Search for entry containing this text: </source>
        <translation>&amp;Buscar entradas que contengan este texto: </translation>
    </message>
    <message>
        <source>Case sensiti&amp;ve search</source>
        <translation>Distinguir &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>F&amp;older names</source>
        <translation>Nombres de car&amp;peta</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Nombre de archivo</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>Only in this ca&amp;tegory:</source>
        <translation>Solo en esta cate&amp;goría:</translation>
    </message>
    <message>
        <source>Only in this category</source>
        <translation>Solo en esta categoría</translation>
    </message>
    <message>
        <source>Use * and ? as &amp;wildcards in names</source>
        <translation>Usar * y ? como comod&amp;ines en los nombres</translation>
    </message>
    <message>
        <source>* stands for any characters, ? for one: *.avi finds every name ending in .avi. A text without them is looked for anywhere in a name.</source>
        <translation>* equivale a cualquier secuencia de caracteres, ? a uno solo: *.avi encuentra todo nombre que termine en .avi. Un texto sin ellos se busca en cualquier parte del nombre.</translation>
    </message>
    <message>
        <source>Narrow down</source>
        <translation>Acotar</translation>
    </message>
    <message>
        <source>Si&amp;ze from:</source>
        <translation>&amp;Tamaño desde:</translation>
    </message>
    <message>
        <source>any</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>&amp;up to:</source>
        <translation>&amp;hasta:</translation>
    </message>
    <message>
        <source>Dat&amp;e from:</source>
        <translation>&amp;Fecha desde:</translation>
    </message>
    <message>
        <source>u&amp;ntil:</source>
        <translation>ha&amp;sta:</translation>
    </message>
    <message>
        <source>Only in this &amp;listing:</source>
        <translation>Solo en este &amp;listado:</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Buscar t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>rkm::Choices</name>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
</context>
<context>
    <name>rkm::Core</name>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot create a new file in %1: %2</source>
        <translation>No se puede crear un archivo nuevo en %1: %2</translation>
    </message>
    <message>
        <source>Cannot write a new file in %1: %2</source>
        <translation>No se puede escribir un archivo nuevo en %1: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo regular</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>Error loading file: %1 (%2)</source>
        <translation>Error al cargar el archivo: %1 (%2)</translation>
    </message>
    <message>
        <source>not a disk listing file</source>
        <translation>no es un archivo de listado de disco</translation>
    </message>
    <message>
        <source>not enough memory for what it holds</source>
        <translation>no hay memoria suficiente para su contenido</translation>
    </message>
    <message>
        <source>The catalogue folder %1 is not a folder</source>
        <translation>La carpeta del catálogo %1 no es una carpeta</translation>
    </message>
    <message>
        <source>Cannot make the catalogue folder %1: %2</source>
        <translation>No se puede crear la carpeta del catálogo %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the category file %1: %2</source>
        <translation>No se puede leer el archivo de categorías %1: %2</translation>
    </message>
    <message>
        <source>%1; the categories are left empty</source>
        <translation>%1; las categorías quedan vacías</translation>
    </message>
    <message>
        <source>Unable to find unused filename.!</source>
        <translation>¡No se encontró ningún nombre de archivo libre!</translation>
    </message>
    <message>
        <source>The catalogue in %1 is open read-only: %2</source>
        <translation>El catálogo de %1 está abierto en modo de solo lectura: %2</translation>
    </message>
    <message>
        <source>Cannot put aside the category file %1: %2</source>
        <translation>No se puede apartar el archivo de categorías %1: %2</translation>
    </message>
    <message>
        <source>the disk&apos;s name</source>
        <translation>el nombre del disco</translation>
    </message>
    <message>
        <source>the disk&apos;s root path</source>
        <translation>la ruta raíz del disco</translation>
    </message>
    <message>
        <source>the disk&apos;s comment</source>
        <translation>el comentario del disco</translation>
    </message>
    <message>
        <source>the disk&apos;s file name</source>
        <translation>el nombre de archivo del disco</translation>
    </message>
    <message>
        <source>the disk&apos;s description</source>
        <translation>la descripción del disco</translation>
    </message>
    <message>
        <source>the disk&apos;s date</source>
        <translation>la fecha del disco</translation>
    </message>
    <message>
        <source>the disk&apos;s size</source>
        <translation>el tamaño del disco</translation>
    </message>
    <message>
        <source>the disk&apos;s category</source>
        <translation>la categoría del disco</translation>
    </message>
    <message>
        <source>%1 (name)</source>
        <translation>%1 (nombre)</translation>
    </message>
    <message>
        <source>%1 (root path)</source>
        <translation>%1 (ruta raíz)</translation>
    </message>
    <message>
        <source>%1 (comment)</source>
        <translation>%1 (comentario)</translation>
    </message>
    <message>
        <source>%1 (file name)</source>
        <translation>%1 (nombre de archivo)</translation>
    </message>
    <message>
        <source>%1 (description)</source>
        <translation>%1 (descripción)</translation>
    </message>
    <message>
        <source>%1 (date)</source>
        <translation>%1 (fecha)</translation>
    </message>
    <message>
        <source>%1 (size)</source>
        <translation>%1 (tamaño)</translation>
    </message>
    <message>
        <source>%1 (category)</source>
        <translation>%1 (categoría)</translation>
    </message>
    <message>
        <source>Invalid disk listing file (%1)</source>
        <translation>Archivo de listado de disco no válido (%1)</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>en el byte %1: %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>the file ends inside a number</source>
        <translation>el archivo termina en medio de un número</translation>
    </message>
    <message>
        <source>a text of %1 bytes</source>
        <translation>un texto de %1 bytes</translation>
    </message>
    <message>
        <source>a text of %1 bytes, more than any listing holds</source>
        <translation>un texto de %1 bytes, más de lo que admite cualquier listado</translation>
    </message>
    <message>
        <source>the file ends inside a text</source>
        <translation>el archivo termina en medio de un texto</translation>
    </message>
    <message>
        <source>a folder of %1 files, more than the %2 bytes left can hold</source>
        <translation>una carpeta de %1 archivos, más de los que caben en los %2 bytes restantes</translation>
    </message>
    <message>
        <source>a file entry&apos;s text runs on for more than %1 bytes</source>
        <translation>un texto de una entrada de archivo ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>the file ends inside the entries of a folder (%1 files)</source>
        <translation>el archivo termina en medio de las entradas de una carpeta (%1 archivos)</translation>
    </message>
    <message>
        <source>a folder of more than 4 GiB of texts</source>
        <translation>una carpeta con más de 4 GiB de textos</translation>
    </message>
    <message>
        <source>a file entry&apos;s text that no listing holds</source>
        <translation>un texto de una entrada de archivo que ningún listado admite</translation>
    </message>
    <message>
        <source>folders nested deeper than %1</source>
        <translation>carpetas anidadas a más de %1 niveles</translation>
    </message>
    <message>
        <source>a folder of %1 folders, more than the %2 bytes left can hold</source>
        <translation>una carpeta de %1 carpetas, más de las que caben en los %2 bytes restantes</translation>
    </message>
    <message>
        <source>a folder without a name</source>
        <translation>una carpeta sin nombre</translation>
    </message>
    <message>
        <source>a disk without a name</source>
        <translation>un disco sin nombre</translation>
    </message>
    <message>
        <source>%1 texts per file entry, where a listing holds %2</source>
        <translation>%1 textos por entrada de archivo, cuando un listado admite %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo regular</translation>
    </message>
    <message>
        <source>Cannot put aside the damaged store %1: %2</source>
        <translation>No se puede apartar el almacén dañado %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the store %1: %2</source>
        <translation>No se puede escribir el almacén %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the store %1</source>
        <translation>No se puede escribir el almacén %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Ubicación: %1</translation>
    </message>
    <message>
        <source>Lent to: %1</source>
        <translation>Prestado a: %1</translation>
    </message>
    <message>
        <source>The location is %1 bytes long; at most %2 bytes are kept.</source>
        <translation>La ubicación ocupa %1 bytes; se guardan como mucho %2 bytes.</translation>
    </message>
    <message>
        <source>The lent to is %1 bytes long; at most %2 bytes are kept.</source>
        <translation>El texto de «Prestado a» ocupa %1 bytes; se guardan como mucho %2 bytes.</translation>
    </message>
    <message>
        <source>The %1 is %2 bytes long; at most %3 bytes are kept.</source>
        <translation>El texto «%1» ocupa %2 bytes; se guardan como mucho %3 bytes.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>Listing &apos;%1&apos; (%2):</source>
        <translation>Listado &apos;%1&apos; (%2):</translation>
    </message>
    <message>
        <source>the lock file keeps being replaced</source>
        <translation>el archivo de bloqueo se reemplaza una y otra vez</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>No se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>[Printing will exceed bounds!]</source>
        <translation>[¡La impresión excede los límites!]</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>the picture kept cannot be read (%1)</source>
        <translation>no se puede leer la miniatura guardada (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded as PNG</source>
        <translation>no se pudo codificar la miniatura como PNG</translation>
    </message>
    <message numerus="yes">
        <source>The preview has %n page(s), no page %1</source>
        <translation>
            <numerusform>La vista previa tiene %n página, no hay página %1</numerusform>
            <numerusform>La vista previa tiene %n páginas, no hay página %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The printer could not start the print job</source>
        <translation>La impresora no pudo iniciar el trabajo de impresión</translation>
    </message>
    <message>
        <source>Could not keep a picture in a temporary file: %1</source>
        <translation>No se pudo guardar una miniatura en un archivo temporal: %1</translation>
    </message>
    <message>
        <source>Could not make a temporary file for the pictures: %1</source>
        <translation>No se pudo crear un archivo temporal para las miniaturas: %1</translation>
    </message>
    <message>
        <source>Could not read a picture back from its temporary file: %1</source>
        <translation>No se pudo volver a leer una miniatura de su archivo temporal: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>No se puede abrir la carpeta %1.</translation>
    </message>
    <message>
        <source>Please make sure that the disk &apos;%1&apos; is inserted in drive %2</source>
        <translation>Asegúrese de que el disco &apos;%1&apos; está insertado en la unidad %2</translation>
    </message>
    <message>
        <source>Please make sure that the folder %1 of the disk &apos;%2&apos; is there</source>
        <translation>Asegúrese de que la carpeta %1 del disco &apos;%2&apos; está disponible</translation>
    </message>
    <message>
        <source>Please make sure that the disk &apos;%1&apos; is mounted at %2 with the folder %3</source>
        <translation>Asegúrese de que el disco &apos;%1&apos; está montado en %2 con la carpeta %3</translation>
    </message>
    <message>
        <source>Please make sure that the disk &apos;%1&apos; is mounted at %2</source>
        <translation>Asegúrese de que el disco &apos;%1&apos; está montado en %2</translation>
    </message>
    <message>
        <source>Could not find the disk at %1.</source>
        <translation>No se encontró el disco en %1.</translation>
    </message>
    <message>
        <source>Could not find the disk at %1: %2.</source>
        <translation>No se encontró el disco en %1: %2.</translation>
    </message>
    <message>
        <source>the listing&apos;s root path is empty</source>
        <translation>la ruta raíz del listado está vacía</translation>
    </message>
    <message>
        <source>the listing&apos;s root path %1 holds a NUL byte; read as a path it would be %2</source>
        <translation>la ruta raíz del listado %1 contiene un byte NUL; leída como ruta sería %2</translation>
    </message>
    <message>
        <source>the listing&apos;s root path %1 is not a full path</source>
        <translation>la ruta raíz del listado %1 no es una ruta completa</translation>
    </message>
    <message>
        <source>the listing is of a CD or DVD, but its root path %1 is the system&apos;s folder %2</source>
        <translation>el listado es de un CD o DVD, pero su ruta raíz %1 es la carpeta del sistema %2</translation>
    </message>
    <message>
        <source>the listing is of a removable disk, but its root path %1 is the system&apos;s folder %2</source>
        <translation>el listado es de un disco extraíble, pero su ruta raíz %1 es la carpeta del sistema %2</translation>
    </message>
    <message>
        <source>Could not find the disk!</source>
        <translation>¡No se encontró el disco!</translation>
    </message>
    <message>
        <source>&apos;)&apos; without &apos;(&apos;</source>
        <translation>&apos;)&apos; sin &apos;(&apos;</translation>
    </message>
    <message>
        <source>empty phrase</source>
        <translation>frase vacía</translation>
    </message>
    <message>
        <source>a word with wildcards cannot also hold an escaped &apos;*&apos; or &apos;?&apos;: use regex:</source>
        <translation>una palabra con comodines no puede contener también un &apos;*&apos; o &apos;?&apos; escapado: use regex:</translation>
    </message>
    <message>
        <source>unfinished phrase</source>
        <translation>frase sin terminar</translation>
    </message>
    <message>
        <source>a text with wildcards cannot also hold an escaped &apos;*&apos; or &apos;?&apos;</source>
        <translation>un texto con comodines no puede contener también un &apos;*&apos; o &apos;?&apos; escapado</translation>
    </message>
    <message>
        <source>&apos;%1:&apos; needs a text (%1:= finds an empty one)</source>
        <translation>&apos;%1:&apos; necesita un texto (%1:= busca uno vacío)</translation>
    </message>
    <message>
        <source>&apos;ext:&apos; needs an extension such as ext:mp3;flac</source>
        <translation>&apos;ext:&apos; necesita una extensión, como ext:mp3;flac</translation>
    </message>
    <message>
        <source>&apos;size:&apos; needs a size such as &gt;10MB</source>
        <translation>&apos;size:&apos; necesita un tamaño, como &gt;10MB</translation>
    </message>
    <message>
        <source>&apos;date:&apos; needs a date such as 2019, &gt;=2019-03 or 2019-01-01..2019-06-30</source>
        <translation>&apos;date:&apos; necesita una fecha, como 2019, &gt;=2019-03 o 2019-01-01..2019-06-30</translation>
    </message>
    <message>
        <source>&apos;type:&apos; is file, folder or disk</source>
        <translation>&apos;type:&apos; admite file, folder o disk</translation>
    </message>
    <message>
        <source>&apos;regex:&apos; needs a pattern</source>
        <translation>&apos;regex:&apos; necesita un patrón</translation>
    </message>
    <message>
        <source>bad regex: %1</source>
        <translation>expresión regular incorrecta: %1</translation>
    </message>
    <message>
        <source>unknown field &apos;%1:&apos;</source>
        <translation>campo desconocido &apos;%1:&apos;</translation>
    </message>
    <message>
        <source>&apos;OR&apos; needs something before it</source>
        <translation>&apos;OR&apos; necesita algo delante</translation>
    </message>
    <message>
        <source>&apos;OR&apos; needs something after it</source>
        <translation>&apos;OR&apos; necesita algo detrás</translation>
    </message>
    <message>
        <source>&apos;AND&apos; needs something on each side</source>
        <translation>&apos;AND&apos; necesita algo a cada lado</translation>
    </message>
    <message>
        <source>too many parentheses or NOTs inside each other</source>
        <translation>demasiados paréntesis o NOT anidados</translation>
    </message>
    <message>
        <source>&apos;NOT&apos; needs something after it</source>
        <translation>&apos;NOT&apos; necesita algo detrás</translation>
    </message>
    <message>
        <source>&apos;()&apos; holds nothing</source>
        <translation>&apos;()&apos; no contiene nada</translation>
    </message>
    <message>
        <source>&apos;(&apos; without &apos;)&apos;</source>
        <translation>&apos;(&apos; sin &apos;)&apos;</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>texto inesperado</translation>
    </message>
    <message>
        <source>changed contents: a bit error or a silent overwrite</source>
        <translation>contenido cambiado: un error de bit o una sobrescritura silenciosa</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>no se pudo leer: %1</translation>
    </message>
</context>
<context>
    <name>rkm::DisksOverview</name>
    <message>
        <source>Disks</source>
        <translation>Discos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Prestado a</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Última actualización</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Montado</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>rkm::ExportCommand</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>HTML pages (*.html *.htm)</source>
        <translation>Páginas HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Rackmere catalogue</source>
        <translation>Catálogo de Rackmere</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>rkm::FileGridModel</name>
    <message>
        <source>Filename</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
</context>
<context>
    <name>rkm::HelpViewer</name>
    <message>
        <source>Rackmere Help</source>
        <translation>Ayuda de Rackmere</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Rackmere Help - %1</source>
        <translation>Ayuda de Rackmere - %1</translation>
    </message>
</context>
<context>
    <name>rkm::LocaleText</name>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln byte</numerusform>
            <numerusform>%Ln bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::Main</name>
    <message>
        <source>Usage: rackmere [--help] [--version]

Rackmere keeps a catalogue of your discs and drives: it walks a CD, a USB stick,
a disk or any folder and keeps every folder and file of it as one listing. All
listings show in one tree with a file grid: annotate files with a description
and a category, search every listing at once, bring a listing up to date,
print a disk&apos;s contents or a CD cover, and export listings as CSV, JSON or an
HTML page, without the disk at hand.

  --help      print this help
  --version   print the program&apos;s version

The catalogue is kept in the folder $RACKMERE_DIR, else
~/.local/share/Rackmere/; window places and print defaults in
~/.config/Rackmere/Rackmere.ini. One Rackmere runs at a time on a catalogue
folder: starting it again on the same folder brings the running window to the
front, and another folder opens in a window of its own. rackmere-cli works on
the same catalogue from a terminal.
</source>
        <translation>Uso: rackmere [--help] [--version]

Rackmere lleva un catálogo de sus discos y unidades: recorre un CD, una memoria
USB, un disco o cualquier carpeta y guarda cada carpeta y cada archivo como un
listado. Todos los listados se muestran en un árbol con una tabla de archivos:
describa y clasifique archivos, busque en todos los listados a la vez, ponga al
día un listado, imprima el contenido de un disco o una carátula de CD, y
exporte listados como CSV, JSON o una página HTML, sin tener el disco a mano.

  --help      mostrar esta ayuda
  --version   mostrar la versión del programa

El catálogo se guarda en la carpeta $RACKMERE_DIR; si no, en
~/.local/share/Rackmere/; las posiciones de las ventanas y los valores de
impresión, en ~/.config/Rackmere/Rackmere.ini. Sobre una carpeta de catálogo
funciona un solo Rackmere a la vez: abrirlo de nuevo sobre la misma carpeta trae
su ventana al frente, y otra carpeta se abre en una ventana propia.
rackmere-cli trabaja sobre el mismo catálogo desde una terminal.
</translation>
    </message>
</context>
<context>
    <name>rkm::MessageLine</name>
    <message>
        <source>%1: %L2 of %L3 bytes left</source>
        <translation>%1: quedan %L2 de %L3 bytes</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln bytes too long; a listing holds at most %L2 bytes.</source>
        <translation>
            <numerusform>%1: sobra %Ln byte; un listado admite como máximo %L2 bytes.</numerusform>
            <numerusform>%1: sobran %Ln bytes; un listado admite como máximo %L2 bytes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another listing is already named &apos;%1&apos;; the tree will show each with its listing file.</source>
        <translation>Ya hay otro listado llamado «%1»; el árbol mostrará cada uno con su archivo de listado.</translation>
    </message>
</context>
<context>
    <name>rkm::MountOffers</name>
    <message>
        <source>&amp;Update</source>
        <translation>A&amp;ctualizar</translation>
    </message>
    <message>
        <source>V&amp;erify</source>
        <translation>Ve&amp;rificar</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Abrir carpeta</translation>
    </message>
    <message>
        <source>&amp;Add to catalogue</source>
        <translation>Añadir al catá&amp;logo</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>A&amp;hora no</translation>
    </message>
    <message>
        <source>“%1” is mounted at %2. Its listing is being updated.</source>
        <translation>«%1» está montado en %2. Su listado se está actualizando.</translation>
    </message>
    <message>
        <source>Disk mounted</source>
        <translation>Disco montado</translation>
    </message>
    <message>
        <source>“%1” is mounted at %2.</source>
        <translation>«%1» está montado en %2.</translation>
    </message>
    <message>
        <source>A disk that is not in the catalogue is mounted at %1.</source>
        <translation>Se ha montado en %1 un disco que no está en el catálogo.</translation>
    </message>
    <message>
        <source>A disk that is not in the catalogue is mounted at %1 (%2).</source>
        <translation>Se ha montado en %1 (%2) un disco que no está en el catálogo.</translation>
    </message>
</context>
<context>
    <name>rkm::Online</name>
    <message>
        <source>Mounted at %1</source>
        <translation>Montado en %1</translation>
    </message>
    <message>
        <source>Insert the disk “%1”.</source>
        <translation>Inserte el disco «%1».</translation>
    </message>
    <message>
        <source>It is kept at: %1.</source>
        <translation>Se guarda en: %1.</translation>
    </message>
    <message>
        <source>It is lent to: %1.</source>
        <translation>Está prestado a: %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be found, please make sure the right disk is inserted.</source>
        <translation>No se encontró la carpeta %1; compruebe que está insertado el disco correcto.</translation>
    </message>
    <message>
        <source>No program is set up to open the folder %1.</source>
        <translation>No hay ningún programa configurado para abrir la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>rkm::PictureView</name>
    <message>
        <source>Pictures</source>
        <translation>Miniaturas</translation>
    </message>
</context>
<context>
    <name>rkm::PrintCommands</name>
    <message>
        <source>Abort</source>
        <translation>Interrumpir</translation>
    </message>
    <message>
        <source>Listing does not fit to the print area, abort printing?</source>
        <translation>El listado no cabe en el área de impresión. ¿Interrumpir la impresión?</translation>
    </message>
</context>
<context>
    <name>rkm::ResultsPanel</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>rkm::ScanCommands</name>
    <message>
        <source>%1. This is probably not the disk of the listing. Update all the same?</source>
        <translation>%1. Probablemente no es el disco del listado. ¿Actualizar de todos modos?</translation>
    </message>
    <message>
        <source>%1. This is probably not the disk of the listing. Verify all the same?</source>
        <translation>%1. Probablemente no es el disco del listado. ¿Verificar de todos modos?</translation>
    </message>
    <message>
        <source>The serial number of the disk (%1) is not the same as that of the original one, this probably means that you inserted the wrong disk. Abort update?</source>
        <translation>El número de serie del disco (%1) no coincide con el del original; probablemente ha insertado un disco equivocado. ¿Interrumpir la actualización?</translation>
    </message>
    <message>
        <source>The serial number of the disk (%1) is not the same as that of the original one, this probably means that you inserted the wrong disk. Abort verify?</source>
        <translation>El número de serie del disco (%1) no coincide con el del original; probablemente ha insertado un disco equivocado. ¿Interrumpir la verificación?</translation>
    </message>
    <message>
        <source>Compare contents (fingerprints) too?

Every file is read again and its fingerprint compared with the one kept: a file whose contents changed while its size and date stayed the same is found. This takes as long as reading the whole disk.</source>
        <translation>¿Comparar también el contenido (huellas digitales)?

Se vuelve a leer cada archivo y se compara su huella digital con la guardada: así se encuentra un archivo cuyo contenido cambió aunque su tamaño y su fecha sigan iguales. Tarda tanto como leer todo el disco.</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;</source>
        <translation>Verificar «%1»</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;: the disk matches its listing</source>
        <translation>Verificar «%1»: el disco coincide con su listado</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;: %2 added, %3 removed, %4 changed, %5 with changed or unreadable contents</source>
        <translation>Verificar «%1»: %2 añadidos, %3 eliminados, %4 cambiados, %5 con contenido cambiado o ilegible</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;: %2 added, %3 removed, %4 changed</source>
        <translation>Verificar «%1»: %2 añadidos, %3 eliminados, %4 cambiados</translation>
    </message>
    <message>
        <source>Removed from the disk</source>
        <translation>Eliminados del disco</translation>
    </message>
    <message>
        <source>Added to the disk</source>
        <translation>Añadidos al disco</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Cambiados</translation>
    </message>
    <message>
        <source>There is no other listing to compare this one with.</source>
        <translation>No hay ningún otro listado con el que comparar este.</translation>
    </message>
    <message>
        <source>Compare &apos;%1&apos; with &apos;%2&apos;</source>
        <translation>Comparar «%1» con «%2»</translation>
    </message>
    <message>
        <source>Compare &apos;%1&apos; with &apos;%2&apos;: the listings are equal</source>
        <translation>Comparar «%1» con «%2»: los listados son iguales</translation>
    </message>
    <message>
        <source>Compare &apos;%1&apos; with &apos;%2&apos;: %3 only in &apos;%1&apos;, %4 only in &apos;%2&apos;, %5 changed</source>
        <translation>Comparar «%1» con «%2»: %3 solo en «%1», %4 solo en «%2», %5 cambiados</translation>
    </message>
    <message>
        <source>Only in &apos;%1&apos;</source>
        <translation>Solo en «%1»</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this disk listing?

%1</source>
        <translation>¿Seguro que desea eliminar este listado de disco?

%1</translation>
    </message>
    <message>
        <source>Error deleting file %1: %2.</source>
        <translation>Error al eliminar el archivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>rkm::SearchBox</name>
    <message>
        <source>Search names</source>
        <translation>Buscar nombres</translation>
    </message>
    <message>
        <source>Search names (Ctrl+K)</source>
        <translation>Buscar nombres (Ctrl+K)</translation>
    </message>
    <message>
        <source>Words that must all occur in a name; &quot;a phrase&quot;, * and ?, OR, NOT, ( ), and fields such as ext:mp3, size:&gt;10MB, date:2019, type:folder. Enter shows the first match, Esc empties the box, Down shows the queries used last.</source>
        <translation>Palabras que deben aparecer todas en un nombre; &quot;una frase&quot;, * y ?, OR, NOT, ( ) y campos como ext:mp3, size:&gt;10MB, date:2019, type:folder. Intro muestra la primera coincidencia, Esc vacía el cuadro y Flecha abajo muestra las últimas consultas.</translation>
    </message>
    <message>
        <source>At character %1: %2</source>
        <translation>En el carácter %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln coincidencia</numerusform>
            <numerusform>%Ln coincidencias</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching… %L1</source>
        <translation>Buscando… %L1</translation>
    </message>
</context>
<context>
    <name>rkm::SearchCommands</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>No matching entry was found</source>
        <translation>No se encontró ninguna entrada coincidente</translation>
    </message>
    <message>
        <source>Save this search</source>
        <translation>Guardar esta búsqueda</translation>
    </message>
    <message>
        <source>The search box holds no query that can run:
%1</source>
        <translation>El cuadro de búsqueda no contiene ninguna consulta que se pueda ejecutar:
%1</translation>
    </message>
    <message>
        <source>Save the search
%1
under the name:</source>
        <translation>Guardar la búsqueda
%1
con el nombre:</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Buscar duplicados</translation>
    </message>
    <message>
        <source>The fingerprints could not be read: %1</source>
        <translation>No se pudieron leer las huellas digitales: %1</translation>
    </message>
    <message>
        <source>No listing holds fingerprints of files of that size. Choose &quot;Fingerprints&quot; when adding a disk, or in a listing&apos;s properties before its next Update.</source>
        <translation>Ningún listado contiene huellas digitales de archivos de ese tamaño. Elija &quot;Huellas digitales&quot; al añadir un disco, o en las propiedades de un listado antes de su próxima actualización.</translation>
    </message>
    <message>
        <source>Is this archived?</source>
        <translation>¿Está archivado?</translation>
    </message>
</context>
<context>
    <name>rkm::Service</name>
    <message>
        <source>Rackmere cannot start: it needs a folder only you can use for its single-instance guard, and found none ($XDG_RUNTIME_DIR is not such a folder, and none could be made in your cache folder).</source>
        <translation>Rackmere no puede iniciarse: necesita una carpeta que solo usted pueda usar para su protección de instancia única, y no encontró ninguna ($XDG_RUNTIME_DIR no es una carpeta así, y no se pudo crear ninguna en su carpeta de caché).</translation>
    </message>
    <message>
        <source>Rackmere cannot start: its single-instance guard %1 cannot be made (%2).</source>
        <translation>Rackmere no puede iniciarse: no se puede crear su protección de instancia única %1 (%2).</translation>
    </message>
    <message>
        <source>Rackmere already runs on the catalogue in %1 (process %2), but it does not answer. Close that copy, or end it if it hangs, and start Rackmere again.</source>
        <translation>Rackmere ya se está ejecutando con el catálogo de %1 (proceso %2), pero no responde. Cierre esa copia, o finalícela si está bloqueada, y vuelva a iniciar Rackmere.</translation>
    </message>
    <message>
        <source>Support: %1</source>
        <translation>Soporte: %1</translation>
    </message>
    <message>
        <source>Copyright 2026 Tarnwell. Licence: the terms Tarnwell gives with this copy.</source>
        <translation>Copyright 2026 Tarnwell. Licencia: los términos que Tarnwell entrega con esta copia.</translation>
    </message>
    <message>
        <source>Copyright 2026 Tarnwell. Licence: the terms Tarnwell gives at %1.</source>
        <translation>Copyright 2026 Tarnwell. Licencia: los términos que Tarnwell publica en %1.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A catalogue of your disks: every folder and file of your CDs, USB sticks, hard disks and network drives, searchable and printable, even when the disk itself is not at hand.</source>
        <translation>Un catálogo de sus discos: cada carpeta y cada archivo de sus CD, memorias USB, discos duros y unidades de red, con búsqueda e impresión, aunque el disco no esté a mano.</translation>
    </message>
    <message>
        <source>Built with Qt %1 (running on Qt %2).</source>
        <translation>Compilado con Qt %1 (en ejecución con Qt %2).</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Could not open %1 in a web browser.</source>
        <translation>No se pudo abrir %1 en un navegador web.</translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation>No se pudo iniciar un programa de correo. Escriba a %1.</translation>
    </message>
</context>
<context>
    <name>rkm::TFormRename</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Please type a name for the disk.</source>
        <translation>Escriba un nombre para el disco.</translation>
    </message>
    <message>
        <source>The name is made only of spaces; please type a name for the disk.</source>
        <translation>El nombre solo contiene espacios; escriba un nombre para el disco.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmAddNew</name>
    <message>
        <source>Choose a mounted disk</source>
        <translation>Elegir un disco montado</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>No disks are mounted</source>
        <translation>No hay ningún disco montado</translation>
    </message>
    <message>
        <source>Please type a description: it is the listing&apos;s name.</source>
        <translation>Escriba una descripción: es el nombre del listado.</translation>
    </message>
    <message>
        <source>The description is made only of spaces; please type a name for the listing.</source>
        <translation>La descripción solo contiene espacios; escriba un nombre para el listado.</translation>
    </message>
    <message>
        <source>Please name the drive or folder to catalogue.</source>
        <translation>Indique la unidad o carpeta que se va a catalogar.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: %2.</source>
        <translation>No se puede abrir la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>The folder&apos;s path is %L1 bytes long; a listing holds at most %L2 bytes.</source>
        <translation>La ruta de la carpeta tiene %L1 bytes; un listado admite como máximo %L2 bytes.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmAdding</name>
    <message>
        <source>Read %1 of %2</source>
        <translation>Leído %1 de %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln carpeta</numerusform>
            <numerusform>%Ln carpetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln archivo</numerusform>
            <numerusform>%Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Tiempo transcurrido: %1</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmArchived</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Is this archived?</source>
        <translation>¿Está archivado?</translation>
    </message>
    <message>
        <source>Archived files</source>
        <translation>Archivos archivados</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Where it is held</source>
        <translation>Dónde se guarda</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln files and folders...</source>
        <translation>
            <numerusform>Leyendo %Ln archivo o carpeta...</numerusform>
            <numerusform>Leyendo %Ln archivos y carpetas...</numerusform>
        </translation>
    </message>
    <message>
        <source>The files could not be read: %1</source>
        <translation>No se pudieron leer los archivos: %1</translation>
    </message>
    <message>
        <source>The files could not be read.</source>
        <translation>No se pudieron leer los archivos.</translation>
    </message>
    <message>
        <source>not archived: could not be read (%1)</source>
        <translation>no archivado: no se pudo leer (%1)</translation>
    </message>
    <message>
        <source>not archived</source>
        <translation>no archivado</translation>
    </message>
    <message numerus="yes">
        <source>held in %Ln places</source>
        <translation>
            <numerusform>guardado en %Ln sitio</numerusform>
            <numerusform>guardado en %Ln sitios</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was found to read.</source>
        <translation>No se encontró ningún archivo que leer.</translation>
    </message>
    <message>
        <source>The file is archived.</source>
        <translation>El archivo está archivado.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files are archived.</source>
        <translation>
            <numerusform>El único archivo está archivado.</numerusform>
            <numerusform>Los %Ln archivos están archivados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files are not archived.</source>
        <translation>
            <numerusform>%1 de %Ln archivo no está archivado.</numerusform>
            <numerusform>%1 de %Ln archivos no están archivados.</numerusform>
        </translation>
    </message>
    <message>
        <source>The store beside the listings could not be read: %1</source>
        <translation>No se pudo leer el almacén que hay junto a los listados: %1</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmCompare</name>
    <message>
        <source>Compare &apos;%1&apos; &amp;with:</source>
        <translation>Comparar «%1» co&amp;n:</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDifferences</name>
    <message>
        <source>Changed contents (%1)</source>
        <translation>Contenido cambiado (%1)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln carpeta</numerusform>
            <numerusform>%Ln carpetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln archivo</numerusform>
            <numerusform>%Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>%1: comparing...</source>
        <translation>%1: comparando...</translation>
    </message>
    <message>
        <source>%1: the comparison failed</source>
        <translation>%1: la comparación falló</translation>
    </message>
    <message>
        <source>The comparison failed.</source>
        <translation>La comparación falló.</translation>
    </message>
    <message>
        <source>%1: cancelled</source>
        <translation>%1: cancelado</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDuplicateList</name>
    <message numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln copia</numerusform>
            <numerusform>%Ln copias</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Listado</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Wasted</source>
        <translation>Desperdiciado</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>The search for duplicates failed.</source>
        <translation>La búsqueda de duplicados falló.</translation>
    </message>
    <message>
        <source>Duplicates: searching...</source>
        <translation>Duplicados: buscando...</translation>
    </message>
    <message>
        <source>Duplicates: cancelled</source>
        <translation>Duplicados: cancelado</translation>
    </message>
    <message>
        <source>Duplicates: the search failed</source>
        <translation>Duplicados: la búsqueda falló</translation>
    </message>
    <message>
        <source>Duplicates: none found</source>
        <translation>Duplicados: no se encontró ninguno</translation>
    </message>
    <message numerus="yes">
        <source>Duplicates: %Ln groups, %1 wasted</source>
        <translation>
            <numerusform>Duplicados: %Ln grupo, %1 desperdiciados</numerusform>
            <numerusform>Duplicados: %Ln grupos, %1 desperdiciados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDuplicates</name>
    <message>
        <source>Files with the same contents, whatever their names:</source>
        <translation>Archivos con el mismo contenido, sean cuales sean sus nombres:</translation>
    </message>
    <message>
        <source>Files with the same name (in any letter case) and the same size:</source>
        <translation>Archivos con el mismo nombre (sin distinguir mayúsculas) y el mismo tamaño:</translation>
    </message>
    <message>
        <source>The size &quot;%1&quot; is not a number.</source>
        <translation>El tamaño &quot;%1&quot; no es un número.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmExport</name>
    <message>
        <source>The selected &amp;listing: %1</source>
        <translation>El &amp;listado seleccionado: %1</translation>
    </message>
    <message>
        <source>The selected &amp;listing</source>
        <translation>El &amp;listado seleccionado</translation>
    </message>
    <message numerus="yes">
        <source>The whole &amp;catalogue (%Ln listings)</source>
        <translation>
            <numerusform>&amp;Todo el catálogo (%Ln listado)</numerusform>
            <numerusform>&amp;Todo el catálogo (%Ln listados)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmListProperties</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>The file could not be found, please make sure the right disk is inserted.</source>
        <translation>No se encontró el archivo; compruebe que está insertado el disco correcto.</translation>
    </message>
    <message>
        <source>The file %1 lies outside the listing&apos;s folder %2, so it is not opened.</source>
        <translation>El archivo %1 está fuera de la carpeta del listado %2, así que no se abre.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened.</source>
        <translation>%1 no es un archivo que se pueda abrir.</translation>
    </message>
    <message>
        <source>%1 is a program or a desktop launcher: opening it runs it.

Open it anyway?</source>
        <translation>%1 es un programa o un lanzador de escritorio: abrirlo lo ejecuta.

¿Abrirlo de todos modos?</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>No hay ningún programa configurado para abrir %1.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmMain</name>
    <message>
        <source>The listing &apos;%1&apos; could not be saved: %2</source>
        <translation>No se pudo guardar el listado «%1»: %2</translation>
    </message>
    <message>
        <source>Disks and folders</source>
        <translation>Discos y carpetas</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>the lock file cannot be made (%1)</source>
        <translation>no se puede crear el archivo de bloqueo (%1)</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source>The catalogue in %1 is in use by %2 (process %3).

Rackmere opens it once that program has finished. Retry waits for it again; Cancel closes Rackmere without changing anything.</source>
        <translation>El catálogo de %1 está en uso por %2 (proceso %3).

Rackmere lo abrirá cuando ese programa haya terminado. Reintentar vuelve a esperarlo; Cancelar cierra Rackmere sin cambiar nada.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>otro programa</translation>
    </message>
    <message>
        <source>The catalogue in %1 is open read-only: %2. Changes cannot be saved.</source>
        <translation>El catálogo de %1 está abierto en solo lectura: %2. No se pueden guardar los cambios.</translation>
    </message>
    <message numerus="yes">
        <source>Retry tries again. Discard closes Rackmere, and the changes made to these listings since it was last saved are lost.</source>
        <translation>
            <numerusform>Reintentar lo intenta de nuevo. Descartar cierra Rackmere, y se pierden los cambios hechos en este listado desde la última vez que se guardó.</numerusform>
            <numerusform>Reintentar lo intenta de nuevo. Descartar cierra Rackmere, y se pierden los cambios hechos en estos listados desde la última vez que se guardaron.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your changes are kept. Rackmere tries again after your next change and when it closes.</source>
        <translation>Sus cambios se conservan. Rackmere lo intentará de nuevo tras su próximo cambio y al cerrarse.</translation>
    </message>
    <message>
        <source>A listing holds at most %L1 bytes of a text. These longer texts were shortened to fit when their listing was saved:</source>
        <translation>Un listado admite como máximo %L1 bytes por texto. Estos textos más largos se acortaron para que cupieran al guardar su listado:</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items listed</source>
        <translation>
            <numerusform>%Ln elemento listado</numerusform>
            <numerusform>%Ln elementos listados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmPrint</name>
    <message>
        <source>Nothing to print - please make your selections.</source>
        <translation>No hay nada que imprimir - haga su selección.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmProps</name>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>aprox. %1</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>no registrado</translation>
    </message>
    <message>
        <source>Read when listed:</source>
        <translation>Leído al listar:</translation>
    </message>
    <message>
        <source>Not recorded when listed; Update reads:</source>
        <translation>No registrado al listar; Actualizar lee:</translation>
    </message>
    <message>
        <source>The root drive for this listing is not valid, please select a new one</source>
        <translation>La unidad raíz de este listado no es válida; seleccione una nueva</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmResults</name>
    <message>
        <source>Listing</source>
        <translation>Listado</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Query:</source>
        <translation>Consulta:</translation>
    </message>
    <message>
        <source>The query this search runs; type it in the search box to change it</source>
        <translation>La consulta que ejecuta esta búsqueda; escríbala en el cuadro de búsqueda para cambiarla</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>Find all results</source>
        <translation>Resultados de Buscar todo</translation>
    </message>
    <message>
        <source>Find all</source>
        <translation>Buscar todo</translation>
    </message>
    <message>
        <source>Find all: no match</source>
        <translation>Buscar todo: ninguna coincidencia</translation>
    </message>
    <message numerus="yes">
        <source>Find all: %Ln matches</source>
        <translation>
            <numerusform>Buscar todo: %Ln coincidencia</numerusform>
            <numerusform>Buscar todo: %Ln coincidencias</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (searching...)</source>
        <translation>%1 (buscando...)</translation>
    </message>
    <message>
        <source>%1 (stopped)</source>
        <translation>%1 (detenido)</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmSavedSearches</name>
    <message>
        <source>Saved searches</source>
        <translation>Búsquedas guardadas</translation>
    </message>
    <message>
        <source>&amp;Saved searches:</source>
        <translation>&amp;Búsquedas guardadas:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmSearch</name>
    <message>
        <source>The size &quot;%1&quot; is not a number.</source>
        <translation>El tamaño &quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>The smallest size is larger than the largest.</source>
        <translation>El tamaño mínimo es mayor que el máximo.</translation>
    </message>
    <message>
        <source>The first date is later than the last.</source>
        <translation>La primera fecha es posterior a la última.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmSplash</name>
    <message>
        <source>Disk catalogue  V1.0</source>
        <translation>Catálogo de discos  V1.0</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
</context>
<context>
    <name>rkm::WelcomePanel</name>
    <message>
        <source>Welcome to Rackmere</source>
        <translation>Bienvenido a Rackmere</translation>
    </message>
    <message>
        <source>Rackmere keeps a listing of every disk you own: CDs and DVDs, USB sticks, external hard disks, memory cards and network folders. Each listing holds the names, sizes and dates of all the disk&apos;s folders and files, so you can browse and search them all without plugging anything in.

Start with the disk or folder at hand: Rackmere reads it once and keeps its listing here.</source>
        <translation>Rackmere guarda un listado de cada disco que tenga: CD y DVD, memorias USB, discos duros externos, tarjetas de memoria y carpetas de red. Cada listado contiene los nombres, tamaños y fechas de todas las carpetas y archivos del disco, así que puede examinarlos y buscar en todos ellos sin conectar nada.

Empiece por el disco o la carpeta que tenga a mano: Rackmere lo lee una vez y guarda aquí su listado.</translation>
    </message>
    <message>
        <source>Add a d&amp;isk…</source>
        <translation>Añadir un d&amp;isco…</translation>
    </message>
</context>
<context>
    <name>rkm::cli::Say</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no size (a number, and b, k, m or g if not bytes)</source>
        <translation>%1: &apos;%2&apos; no es un tamaño (un número, y b, k, m o g si no son bytes)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no date (YYYY-MM-DD, or this machine&apos;s short format)</source>
        <translation>%1: &apos;%2&apos; no es una fecha (YYYY-MM-DD, o el formato corto de este equipo)</translation>
    </message>
    <message>
        <source>  --archives         list the contents of archives (zip, 7z, rar, tar.gz and
                     other tar files, cab, ISO images) as folders named like
                     them; nothing is unpacked
  --descriptions     read descriptions from descript.ion and file_id.diz
  --tags             describe music, photos and videos from their tags
  --fingerprints     read every file&apos;s contents once and keep its fingerprint
                     (XXH3-128, as xxhsum -H2 prints it), for verify --contents
                     and duplicates --contents
  --pictures         keep a small picture (256 pixels) of each photo, video and
                     music file with cover art
  --no-archives, --no-descriptions, --no-tags, --no-fingerprints, --no-pictures
                     do not read that

A file whose contents cannot be read (an I/O error on a failing disc, no
permission) is named on standard error with the system&apos;s reason and listed
without a fingerprint; the others are read all the same.
</source>
        <translation>  --archives         listar el contenido de los archivos comprimidos (zip, 7z,
                     rar, tar.gz y otros archivos tar, cab, imágenes ISO) como
                     carpetas con su mismo nombre; no se descomprime nada
  --descriptions     leer las descripciones de descript.ion y file_id.diz
  --tags             describir música, fotos y vídeos a partir de sus etiquetas
  --fingerprints     leer una vez el contenido de cada archivo y guardar su
                     huella digital (XXH3-128, tal como la muestra xxhsum -H2),
                     para verify --contents y duplicates --contents
  --pictures         guardar una miniatura (256 píxeles) de cada foto, vídeo y
                     archivo de música con carátula
  --no-archives, --no-descriptions, --no-tags, --no-fingerprints, --no-pictures
                     no leer lo correspondiente

Un archivo cuyo contenido no se puede leer (un error de E/S en un disco
defectuoso, falta de permisos) se indica en la salida de error estándar con el
motivo que da el sistema y se lista sin huella digital; los demás se leen
igualmente.
</translation>
    </message>
    <message>
        <source>%1 and %2 contradict each other</source>
        <translation>%1 y %2 se contradicen</translation>
    </message>
    <message>
        <source>rackmere-cli %1: %2</source>
        <translation>rackmere-cli %1: %2</translation>
    </message>
    <message>
        <source>
Two listings may have one disk name (two scans of one folder do). A name that
several listings have is refused with exit status 2, the listings listed on
standard error by their files; name the one meant by its listing file
(1234.rkm), or as the desktop program shows it (&quot;Backup (1234.rkm)&quot;), which
is also how the lines printed name such a listing.
</source>
        <translation>
Dos listados pueden tener el mismo nombre de disco (dos exploraciones de una
misma carpeta lo tienen). Un nombre que tienen varios listados se rechaza con
código de salida 2, y los listados se enumeran por sus archivos en la salida de
error estándar; indique el que quiere por su archivo de listado (1234.rkm) o
tal como lo muestra el programa de escritorio (&quot;Backup (1234.rkm)&quot;), que es
también como se nombra ese listado en las líneas que se muestran.
</translation>
    </message>
    <message>
        <source>
One program at a time writes the catalogue. While the desktop program runs
(or another command writes), this command changes nothing and ends with exit
status 4: &quot;The catalogue in DIR is in use by Rackmere (process N)&quot;.
When the catalogue cannot be written at all (its folder is read-only, the
disk is full, no permission), it changes nothing and ends with exit status 5:
&quot;The catalogue in DIR cannot be written: REASON&quot;.

  --wait SECONDS  wait up to SECONDS for the catalogue to be free first
</source>
        <translation>
Solo un programa a la vez escribe en el catálogo. Mientras se ejecuta el
programa de escritorio (u otro comando escribe), este comando no cambia nada y
termina con código de salida 4:
&quot;El catálogo de DIR está en uso por Rackmere (proceso N)&quot;.
Cuando el catálogo no se puede escribir en absoluto (su carpeta es de solo
lectura, el disco está lleno, falta de permisos), no cambia nada y termina con
código de salida 5: &quot;No se puede escribir el catálogo de DIR: REASON&quot;.

  --wait SECONDS  esperar primero hasta SECONDS segundos a que el catálogo
                  quede libre
</translation>
    </message>
    <message>
        <source>rackmere-cli %1: no listing named &apos;%2&apos;</source>
        <translation>rackmere-cli %1: no hay ningún listado llamado &apos;%2&apos;</translation>
    </message>
    <message numerus="yes">
        <source>rackmere-cli %1: %n listings are named &apos;%2&apos;; name the one meant by its listing file:</source>
        <translation>
            <numerusform>rackmere-cli %1: %n listado se llama &apos;%2&apos;; indique el que quiere por su archivo de listado:</numerusform>
            <numerusform>rackmere-cli %1: %n listados se llaman &apos;%2&apos;; indique el que quiere por su archivo de listado:</numerusform>
        </translation>
    </message>
    <message>
        <source>rackmere-cli %1: the name is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: el nombre tiene %2 bytes; un listado admite como máximo %3 bytes por texto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the new name is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: el nombre nuevo tiene %2 bytes; un listado admite como máximo %3 bytes por texto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the comment is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: el comentario tiene %2 bytes; un listado admite como máximo %3 bytes por texto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the root path is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: la ruta raíz tiene %2 bytes; un listado admite como máximo %3 bytes por texto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the description is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: la descripción tiene %2 bytes; un listado admite como máximo %3 bytes por texto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the category is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: la categoría tiene %2 bytes; un listado admite como máximo %3 bytes por texto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the %2 is %3 bytes long; a listing holds at most %4 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: el campo %2 tiene %3 bytes; un listado admite como máximo %4 bytes por texto. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: texts longer than %2 bytes were shortened to fit:</source>
        <translation>rackmere-cli %1: los textos de más de %2 bytes se acortaron para que cupieran:</translation>
    </message>
    <message>
        <source>list every listing of the catalogue</source>
        <translation>listar todos los listados del catálogo</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli list [--json]

Loads the catalogue as the desktop program does at start and prints one line
per listing, in the order of the desktop program&apos;s tree (by disk name, numbers
by their value: &quot;Disk 2&quot; before &quot;Disk 10&quot;, letter case ignored), the fields
separated by tabs: listing file, volume serial number (8 hex digits), disk
name, root path, drive type, number of folders, number of files.

  --json   print a JSON array of objects with the keys file, serial, name,
           rootPath, driveType, comment, folders, files, location, lentTo
           (where the disk is kept and to whom it is lent, &quot;&quot; when not
           said; see set) and onMount (ask, update or ignore)

Exit status 1 when a listing file could not be loaded (each is named on
standard error); the listings that did load are printed all the same.
</source>
        <translation>Uso: rackmere-cli list [--json]

Carga el catálogo como lo hace el programa de escritorio al iniciarse y muestra
una línea por listado, en el orden del árbol del programa de escritorio (por
nombre de disco, los números por su valor: &quot;Disco 2&quot; antes que &quot;Disco 10&quot;, sin
distinguir mayúsculas y minúsculas), con los campos separados por tabuladores:
archivo de listado, número de serie del volumen (8 dígitos hexadecimales),
nombre del disco, ruta raíz, tipo de unidad, número de carpetas, número de
archivos.

  --json   mostrar un array JSON de objetos con las claves file, serial, name,
           rootPath, driveType, comment, folders, files, location, lentTo
           (dónde se guarda el disco y a quién está prestado, &quot;&quot; si no se ha
           indicado; véase set) y onMount (ask, update o ignore)

Código de salida 1 si no se pudo cargar un archivo de listado (cada uno se
indica en la salida de error estándar); los listados que sí se cargaron se
muestran igualmente.
</translation>
    </message>
    <message>
        <source>print the folders and files of one listing</source>
        <translation>mostrar las carpetas y archivos de un listado</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli show LISTING [--json]

LISTING is a listing file&apos;s bare name (1234.rkm) or a disk name. Prints the
disk&apos;s folders and files, each folder&apos;s in the order they were stored, after
a line each for where the disk is kept, to whom it is lent and what is done
when it is mounted, when set (see set).

  --json   print one object: file, serial, name, rootPath, driveType, comment,
           location, lentTo, onMount (as list --json prints them),
           files (arrays of the five texts: name, description, date, size,
           category), folders (objects with name, comment, files, folders)
</source>
        <translation>Uso: rackmere-cli show LISTING [--json]

LISTING es el nombre sin ruta de un archivo de listado (1234.rkm) o un nombre
de disco. Muestra las carpetas y los archivos del disco, los de cada carpeta en
el orden en que se guardaron, precedidos, si se han indicado, de una línea con
dónde se guarda el disco, otra con a quién está prestado y otra con qué se hace
al montarlo (véase set).

  --json   mostrar un objeto: file, serial, name, rootPath, driveType, comment,
           location, lentTo, onMount (tal como los muestra list --json), files
           (arrays de los cinco textos: nombre, descripción, fecha, tamaño,
           categoría), folders (objetos con name, comment, files, folders)
</translation>
    </message>
    <message>
        <source>catalogue a folder or drive as a new listing</source>
        <translation>catalogar una carpeta o unidad como un listado nuevo</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli add PATH --name NAME [--comment TEXT] [--threads N]
                        [--archives] [--no-descriptions] [--tags]
                        [--fingerprints] [--pictures]

Walks the folder PATH and saves it as a new listing named NAME, exactly as
the desktop program&apos;s Add new does, then prints the new listing file&apos;s name.
A line break in TEXT becomes a space. An empty NAME, a PATH that is not a
folder that can be entered, or a NAME, TEXT or folder path longer than the
510 bytes a listing holds of a text, is refused with exit status 2 and
nothing is written.

The walk keeps as many requests waiting on the volume as it serves best: 64
on a network or FUSE file system, 32 on a solid-state disk, 2 on a hard
disk, 1 on an optical drive. --threads N (1 to 256) walks with N threads
instead; the listing is the same either way.

What is read beyond names, dates and sizes (as Add new&apos;s check boxes; by
default descriptions only). The choices are remembered for the listing and
used again by update.

</source>
        <translation>Uso: rackmere-cli add PATH --name NAME [--comment TEXT] [--threads N]
                      [--archives] [--no-descriptions] [--tags]
                      [--fingerprints] [--pictures]

Recorre la carpeta PATH y la guarda como un listado nuevo llamado NAME,
exactamente como lo hace &quot;Añadir nuevo&quot; en el programa de escritorio, y luego
muestra el nombre del nuevo archivo de listado. Un salto de línea en TEXT se
convierte en un espacio. Un NAME vacío, un PATH que no sea una carpeta
accesible, o un NAME, TEXT o ruta de carpeta de más de los 510 bytes que un
listado admite por texto, se rechaza con código de salida 2 y no se escribe
nada.

El recorrido mantiene pendientes en el volumen tantas peticiones como este
atiende mejor: 64 en un sistema de archivos de red o FUSE, 32 en un disco de
estado sólido, 2 en un disco duro, 1 en una unidad óptica. --threads N (de 1 a
256) recorre en su lugar con N hilos; el listado es el mismo de ambas formas.

Qué se lee además de nombres, fechas y tamaños (como las casillas de
&quot;Añadir nuevo&quot;; de forma predeterminada, solo las descripciones). Las opciones
elegidas se recuerdan para el listado y update las vuelve a usar.

</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>name one listing</source>
        <translation>indique un listado</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Ubicación: %1</translation>
    </message>
    <message>
        <source>Lent to: %1</source>
        <translation>Prestado a: %1</translation>
    </message>
    <message>
        <source>When the disk is mounted: %1</source>
        <translation>Al montar el disco: %1</translation>
    </message>
    <message>
        <source>name one folder to catalogue</source>
        <translation>indique una carpeta que catalogar</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to 256</source>
        <translation>--threads admite un número de 1 a 256</translation>
    </message>
    <message>
        <source>rackmere-cli add: the listing needs a name (--name NAME)</source>
        <translation>rackmere-cli add: el listado necesita un nombre (--name NAME)</translation>
    </message>
    <message>
        <source>rackmere-cli add: &apos;%1&apos; is not a folder that can be entered</source>
        <translation>rackmere-cli add: &apos;%1&apos; no es una carpeta en la que se pueda entrar</translation>
    </message>
    <message>
        <source>rackmere-cli add: %1: could not be read: %2</source>
        <translation>rackmere-cli add: %1: no se pudo leer: %2</translation>
    </message>
    <message>
        <source>tell whether local files are archived in a listing, by their contents</source>
        <translation>decir por su contenido si unos archivos locales están archivados</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli have PATH... [--json]

Reads each local file named (a folder: every regular file below it,
recursively, without following links), works out its fingerprint and
prints where the catalogue holds the same contents, whatever the name there:

  PATH: held in LISTING: path/in/listing   one line per copy held
  PATH: not archived

Only listings read with fingerprints (add or update with --fingerprints)
can hold a file. A file that cannot be read is told on standard error with
the system&apos;s reason and counts as not archived.

  --json   print an array of objects with the keys path and held (an array
           of objects with the keys listing, file and path), and error for
           a file that could not be read

Exit status 0 when every file is held somewhere, 1 otherwise, 2 for a wrong
command line.
</source>
        <translation>Uso: rackmere-cli have PATH... [--json]

Lee cada archivo local indicado (si es una carpeta, todos los archivos
regulares que hay debajo, recursivamente, sin seguir enlaces), calcula su
huella digital y muestra dónde guarda el catálogo el mismo contenido, sea cual
sea allí el nombre:

  PATH: guardado en LISTING: ruta/en/el/listado   una línea por cada copia
  PATH: no archivado

Solo los listados leídos con huellas digitales (add o update con
--fingerprints) pueden contener un archivo. Un archivo que no se puede leer se
indica en la salida de error estándar con el motivo que da el sistema y cuenta
como no archivado.

  --json   mostrar un array de objetos con las claves path y held (un array de
           objetos con las claves listing, file y path), y error para un
           archivo que no se pudo leer

Código de salida 0 si todos los archivos están guardados en algún sitio, 1 en
caso contrario, 2 si la línea de comandos es incorrecta.
</translation>
    </message>
    <message>
        <source>write the picture kept of a file in a listing</source>
        <translation>escribir la miniatura guardada de un archivo de un listado</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli picture LISTING PATH -o FILE

LISTING is a listing file&apos;s bare name (1234.rkm) or a disk name; PATH is the
file&apos;s path below the listing&apos;s root (folders and name joined by &apos;/&apos;), or
the line find prints for it (the disk&apos;s name first). Writes the small
picture kept of the file when the listing was read with --pictures.

  -o, --output FILE   the file to write: PNG, or JPEG when its name ends in
                      .jpg or .jpeg; - writes PNG to standard output

Exit status 1 when the listing holds no picture of that file, 2 for a wrong
command line or a listing that is not found.
</source>
        <translation>Uso: rackmere-cli picture LISTING PATH -o FILE

LISTING es el nombre sin ruta de un archivo de listado (1234.rkm) o un nombre
de disco; PATH es la ruta del archivo bajo la raíz del listado (carpetas y
nombre unidos por &apos;/&apos;) o la línea que find muestra para él (con el nombre del
disco delante). Escribe la miniatura que se guardó del archivo si el listado se
leyó con --pictures.

  -o, --output FILE   el archivo que se escribe: PNG, o JPEG si su nombre
                      termina en .jpg o .jpeg; - escribe PNG en la salida
                      estándar

Código de salida 1 si el listado no contiene ninguna miniatura de ese archivo,
2 si la línea de comandos es incorrecta o no se encuentra el listado.
</translation>
    </message>
    <message>
        <source>name the files or folders to look for</source>
        <translation>indique los archivos o carpetas que buscar</translation>
    </message>
    <message>
        <source>rackmere-cli have: the store beside the listings could not be read: %1</source>
        <translation>rackmere-cli have: no se pudo leer el almacén que hay junto a los listados: %1</translation>
    </message>
    <message>
        <source>rackmere-cli have: no file was found to read</source>
        <translation>rackmere-cli have: no se encontró ningún archivo que leer</translation>
    </message>
    <message>
        <source>%1: not archived</source>
        <translation>%1: no archivado</translation>
    </message>
    <message>
        <source>%1: held in %2: %3</source>
        <translation>%1: guardado en %2: %3</translation>
    </message>
    <message>
        <source>rackmere-cli have: %1: %2</source>
        <translation>rackmere-cli have: %1: %2</translation>
    </message>
    <message>
        <source>name one listing and one file&apos;s path</source>
        <translation>indique un listado y la ruta de un archivo</translation>
    </message>
    <message>
        <source>name the file to write with -o FILE (- for standard output)</source>
        <translation>indique el archivo que escribir con -o FILE (- para la salida estándar)</translation>
    </message>
    <message>
        <source>rackmere-cli picture: the store beside the listings could not be read: %1</source>
        <translation>rackmere-cli picture: no se pudo leer el almacén que hay junto a los listados: %1</translation>
    </message>
    <message>
        <source>rackmere-cli picture: %1 holds no picture of &apos;%2&apos;</source>
        <translation>rackmere-cli picture: %1 no contiene ninguna miniatura de &apos;%2&apos;</translation>
    </message>
    <message>
        <source>rackmere-cli picture: %1</source>
        <translation>rackmere-cli picture: %1</translation>
    </message>
    <message>
        <source>write listings as CSV, JSON or an HTML page</source>
        <translation>escribir listados como CSV, JSON o una página HTML</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli export [LISTING...] [--format csv|json|html] [--pictures]
                         -o FILE

Writes the listings named, or the whole catalogue when none is named, with
every folder and every file. LISTING is a listing file&apos;s bare name (1234.rkm)
or a disk name. One record per folder (the listing&apos;s root folder included)
and per file: listing, path, name, kind (file or folder), size in bytes
(only where the size text gives it exactly, &quot;N bytes&quot;), size text, date,
description, category, comment. Texts are written as UTF-8; texts of
listings made on Windows are converted from Windows-1252.

  --format csv    comma-separated values (RFC 4180), UTF-8 with a byte-order
                  mark, a header line, one row per record
  --format json   one object: the listings, each with its records
  --format html   one page that needs no other file and no network: the
                  listings as a collapsible tree, a table of files per folder,
                  a search box that filters as you type
  --pictures      the HTML page shows the picture kept of each file that has
                  one (listings read with --pictures), inside the page itself
  -o, --output FILE
                  the file to write, - for standard output

Without --format, the format is FILE&apos;s extension (.csv, .json, .html). The
file is written whole or not at all; a failed export keeps an older file of
that name. Exit status 1 when a listing is not found (nothing is written)
or a listing file could not be loaded (the rest is written), 2 for a wrong
command line.
</source>
        <translation>Uso: rackmere-cli export [LISTING...] [--format csv|json|html] [--pictures]
                       -o FILE

Escribe los listados indicados, o todo el catálogo si no se indica ninguno, con
todas sus carpetas y todos sus archivos. LISTING es el nombre sin ruta de un
archivo de listado (1234.rkm) o un nombre de disco. Un registro por carpeta
(incluida la carpeta raíz del listado) y por archivo: listado, ruta, nombre,
tipo (file o folder), tamaño en bytes (solo cuando el texto del tamaño lo da
con exactitud, &quot;N bytes&quot;), texto del tamaño, fecha, descripción, categoría,
comentario. Los textos se escriben en UTF-8; los de listados hechos en Windows
se convierten desde Windows-1252.

  --format csv    valores separados por comas (RFC 4180), UTF-8 con marca de
                  orden de bytes, una línea de cabecera y una fila por registro
  --format json   un objeto: los listados, cada uno con sus registros
  --format html   una página que no necesita ningún otro archivo ni la red: los
                  listados como un árbol desplegable, una tabla de archivos por
                  carpeta y un cuadro de búsqueda que filtra mientras se
                  escribe
  --pictures      la página HTML muestra la miniatura guardada de cada archivo
                  que la tenga (listados leídos con --pictures), dentro de la
                  propia página
  -o, --output FILE
                  el archivo que se escribe, - para la salida estándar

Sin --format, el formato es el de la extensión de FILE (.csv, .json, .html). El
archivo se escribe entero o no se escribe; una exportación fallida conserva un
archivo anterior con ese nombre. Código de salida 1 si no se encuentra un
listado (no se escribe nada) o no se pudo cargar un archivo de listado (se
escribe el resto), 2 si la línea de comandos es incorrecta.
</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (csv, json or html)</source>
        <translation>formato desconocido &apos;%1&apos; (csv, json o html)</translation>
    </message>
    <message>
        <source>name the format with --format csv|json|html</source>
        <translation>indique el formato con --format csv|json|html</translation>
    </message>
    <message>
        <source>--pictures goes with --format html</source>
        <translation>--pictures va con --format html</translation>
    </message>
    <message>
        <source>rackmere-cli export: the pictures could not be read: %1</source>
        <translation>rackmere-cli export: no se pudieron leer las miniaturas: %1</translation>
    </message>
    <message>
        <source>rescan a listing&apos;s disk, keeping its annotations</source>
        <translation>releer el disco de un listado, conservando sus anotaciones</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli update LISTING [--force] [--reread] [--archives]
                           [--descriptions] [--tags] [--fingerprints]
                           [--pictures] [--no-archives] [--no-descriptions]
                           [--no-tags] [--no-fingerprints] [--no-pictures]

LISTING is a listing file&apos;s bare name (1234.rkm) or a disk name. Walks the
listing&apos;s root path again, carries the descriptions, categories and comments
over by name, writes the new listing under a new file name and then deletes
the old file, exactly as the desktop program&apos;s Update does. Prints the new
listing file&apos;s name.

  --force  update even when the volume there has another serial number, the
           root path holds a NUL byte or is no full path, or a removable
           disk&apos;s root path is now a folder of the system (/, /usr, /home...)

A listing made on Windows (root path E:\...) names a drive, not a folder here:
set its drive in the desktop program&apos;s Properties first.

Exit status 2 when the root path cannot be entered (the message names the
drive or mount point the disk is needed in), 3 when the volume&apos;s serial
number differs from the listing&apos;s or the root path is damaged or a system
folder (nothing is changed), 1 when the listing is
not found or the new listing cannot be written (the old file is kept).

The disk is read as it was when the listing was made or last updated (the
choices remembered for the listing; for a listing without any, descriptions
only). Each choice named below turns that one on or off, for this update and
the ones after it; the others stay as remembered.

A file whose size and date are those it had keeps its fingerprint and picture
without being read again;
  --reread  reads every file&apos;s contents again all the same

</source>
        <translation>Uso: rackmere-cli update LISTING [--force] [--reread] [--archives]
                         [--descriptions] [--tags] [--fingerprints]
                         [--pictures] [--no-archives] [--no-descriptions]
                         [--no-tags] [--no-fingerprints] [--no-pictures]

LISTING es el nombre sin ruta de un archivo de listado (1234.rkm) o un nombre
de disco. Vuelve a recorrer la ruta raíz del listado, traslada por nombre las
descripciones, categorías y comentarios, escribe el nuevo listado con un nombre
de archivo nuevo y después elimina el archivo antiguo, exactamente como lo hace
&quot;Actualizar&quot; en el programa de escritorio. Muestra el nombre del nuevo archivo
de listado.

  --force  actualizar aunque el volumen que hay allí tenga otro número de
           serie, la ruta raíz contenga un byte NUL o no sea una ruta completa,
           o la ruta raíz de un disco extraíble sea ahora una carpeta del
           sistema (/, /usr, /home...)

Un listado hecho en Windows (ruta raíz E:\...) indica una unidad, no una
carpeta de este equipo: asigne antes su unidad en &quot;Propiedades&quot; del programa de
escritorio.

Código de salida 2 si no se puede entrar en la ruta raíz (el mensaje indica la
unidad o el punto de montaje en que debe estar el disco), 3 si el número de
serie del volumen difiere del del listado o la ruta raíz está dañada o es una
carpeta del sistema (no se cambia nada), 1 si no se encuentra el listado o no
se puede escribir el nuevo listado (se conserva el archivo antiguo).

El disco se lee como se leyó al crear el listado o al actualizarlo por última
vez (las opciones recordadas para el listado; para un listado sin ninguna, solo
las descripciones). Cada opción indicada a continuación activa o desactiva esa
lectura, para esta actualización y las siguientes; las demás se mantienen como
se recordaron.

Un archivo que conserva el tamaño y la fecha que tenía mantiene su huella
digital y su miniatura sin volver a leerse;
  --reread  vuelve a leer igualmente el contenido de todos los archivos

</translation>
    </message>
    <message>
        <source>give a listing another disk name</source>
        <translation>dar a un listado otro nombre de disco</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli rename LISTING NEWNAME

Renames the disk of a listing and rewrites its listing file under the same
file name. An empty NEWNAME, or one longer than the 510 bytes a listing
holds of a text, is refused with exit status 2 and nothing is changed; the
same name as before changes nothing either.
</source>
        <translation>Uso: rackmere-cli rename LISTING NEWNAME

Cambia el nombre del disco de un listado y vuelve a escribir su archivo de
listado con el mismo nombre de archivo. Un NEWNAME vacío, o de más de los 510
bytes que un listado admite por texto, se rechaza con código de salida 2 y no
se cambia nada; el mismo nombre que antes tampoco cambia nada.
</translation>
    </message>
    <message>
        <source>delete a listing and its file</source>
        <translation>eliminar un listado y su archivo</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli delete LISTING

Deletes the listing file of a disk from the catalogue. Exit status 1 when the
listing is not found or its file cannot be deleted.
</source>
        <translation>Uso: rackmere-cli delete LISTING

Elimina del catálogo el archivo de listado de un disco. Código de salida 1 si
no se encuentra el listado o no se puede eliminar su archivo.
</translation>
    </message>
    <message>
        <source>%1; this is probably not the disk of the listing. Nothing was changed (--force updates all the same).</source>
        <translation>%1; probablemente no es el disco del listado. No se ha cambiado nada (--force actualiza de todos modos).</translation>
    </message>
    <message>
        <source>could not find the disk: please make sure that the disk &apos;%1&apos; is in drive %2 (the listing&apos;s root path %3 cannot be entered)</source>
        <translation>no se encontró el disco: compruebe que el disco &apos;%1&apos; está en la unidad %2 (no se puede entrar en la ruta raíz del listado, %3)</translation>
    </message>
    <message>
        <source>the serial number of the disk (%1) is %2, not %3 as that of the original one; this probably means that it is the wrong disk. Nothing was changed (--force updates all the same).</source>
        <translation>el número de serie del disco (%1) es %2, no %3 como el del original; probablemente es un disco equivocado. No se ha cambiado nada (--force actualiza de todos modos).</translation>
    </message>
    <message>
        <source>%1: could not be read: %2</source>
        <translation>%1: no se pudo leer: %2</translation>
    </message>
    <message>
        <source>name one listing and its new name</source>
        <translation>indique un listado y su nombre nuevo</translation>
    </message>
    <message>
        <source>the new name must not be empty</source>
        <translation>el nombre nuevo no puede estar vacío</translation>
    </message>
    <message>
        <source>new name</source>
        <translation>nombre nuevo</translation>
    </message>
    <message>
        <source>error deleting file %1</source>
        <translation>error al eliminar el archivo %1</translation>
    </message>
    <message>
        <source>list the listings whose disks are mounted now</source>
        <translation>listar los listados cuyos discos están montados ahora</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli online [--json]

Prints every listing whose disk is mounted now, one a line: the name the
listing is shown by, a tab and where its disk is mounted. A disk is known
again by its file system&apos;s UUID (kept with the listing when it was added or
last updated), or, for a listing made on Windows, by its serial number; a
label never tells it. The mounts are asked of udisks2 where it runs, else
read from the mount table.

  --json   print an array of objects with the keys name, file, mountPoint,
           uuid and label
</source>
        <translation>Uso: rackmere-cli online [--json]

Muestra cada listado cuyo disco está montado ahora, uno por línea: el nombre
con el que se muestra el listado, un tabulador y dónde está montado su disco.
Un disco se reconoce por el UUID de su sistema de archivos (guardado con el
listado cuando se añadió o se actualizó por última vez) o, en un listado hecho
en Windows, por su número de serie; la etiqueta nunca sirve para reconocerlo.
Los montajes se consultan a udisks2 si está en ejecución; si no, se leen de la
tabla de montajes.

  --json   mostrar un array de objetos con las claves name, file, mountPoint,
           uuid y label
</translation>
    </message>
    <message>
        <source>follow disks as they are mounted and unmounted</source>
        <translation>seguir los discos a medida que se montan y se desmontan</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli watch [--update-known] [--json]

Follows the volumes as they are mounted and unmounted until it is ended
(Ctrl+C, or the signal TERM), and prints a line for each:

  mounted MOUNTPOINT (LABEL): LISTING, LISTING
  mounted MOUNTPOINT (LABEL): not catalogued
  unmounted MOUNTPOINT

  --update-known   update at once a listing of a mounted disk that is set to
                   be updated when its disk is mounted (on-mount: update,
                   set in the desktop program&apos;s listing properties), as
                   &apos;rackmere-cli update&apos; does, and print &apos;updated LISTING&apos;
                   (or &apos;not updated LISTING&apos;, the reason on standard error).
                   Each update takes the catalogue&apos;s writer lock while it
                   runs, waiting up to a minute for it.
  --json           print one JSON object a line instead, with the keys event
                   (mounted, unmounted, updated, not-updated), mountPoint,
                   uuid and label, and listings (objects with the keys name
                   and file) for mounted, name and file for an update

Nothing is read while nothing changes: the mounts are told by udisks2, or by
the kernel when it runs without udisks2. A listing added meanwhile is known
at the next mount.
</source>
        <translation>Uso: rackmere-cli watch [--update-known] [--json]

Sigue los volúmenes a medida que se montan y se desmontan hasta que se le ponga
fin (Ctrl+C, o la señal TERM), y muestra una línea por cada uno:

  montado MOUNTPOINT (LABEL): LISTING, LISTING
  montado MOUNTPOINT (LABEL): no catalogado
  desmontado MOUNTPOINT

  --update-known   actualizar en el acto un listado de un disco montado que
                   esté configurado para actualizarse al montar su disco
                   (on-mount: update, fijado en las propiedades del listado del
                   programa de escritorio), como hace &apos;rackmere-cli update&apos;, y
                   mostrar &apos;actualizado LISTING&apos; (o &apos;no actualizado
                   LISTING&apos;, con el motivo en la salida de error estándar).
                   Cada actualización toma el bloqueo de escritura del catálogo
                   mientras se ejecuta, y espera hasta un minuto a obtenerlo.
  --json           mostrar en su lugar un objeto JSON por línea, con las claves
                   event (mounted, unmounted, updated, not-updated),
                   mountPoint, uuid y label, y listings (objetos con las claves
                   name y file) para mounted, name y file para una
                   actualización

No se lee nada mientras nada cambia: los montajes los notifica udisks2, o el
núcleo cuando se ejecuta sin udisks2. Un listado añadido entretanto se reconoce
en el siguiente montaje.
</translation>
    </message>
    <message>
        <source>online takes no listing</source>
        <translation>online no admite ningún listado</translation>
    </message>
    <message>
        <source>mounted %1: not catalogued</source>
        <translation>montado %1: no catalogado</translation>
    </message>
    <message>
        <source>mounted %1: %2</source>
        <translation>montado %1: %2</translation>
    </message>
    <message>
        <source>unmounted %1</source>
        <translation>desmontado %1</translation>
    </message>
    <message>
        <source>%1 was not updated: the catalogue in %2 is in use by Rackmere (process %3)</source>
        <translation>%1 no se actualizó: el catálogo de %2 está en uso por Rackmere (proceso %3)</translation>
    </message>
    <message>
        <source>%1 was not updated: the catalogue in %2 is in use by Rackmere</source>
        <translation>%1 no se actualizó: el catálogo de %2 está en uso por Rackmere</translation>
    </message>
    <message>
        <source>%1 was not updated: the catalogue in %2 cannot be written: %3</source>
        <translation>%1 no se actualizó: el catálogo de %2 no se puede escribir: %3</translation>
    </message>
    <message>
        <source>updated %1</source>
        <translation>actualizado %1</translation>
    </message>
    <message>
        <source>not updated %1</source>
        <translation>no actualizado %1</translation>
    </message>
    <message>
        <source>%1 was not updated: its listing %2 is gone</source>
        <translation>%1 no se actualizó: su listado %2 ya no existe</translation>
    </message>
    <message>
        <source>watch takes no listing</source>
        <translation>watch no admite ningún listado</translation>
    </message>
    <message>
        <source>cannot wait for the signals that end it: %1</source>
        <translation>no se pueden esperar las señales que lo terminan: %1</translation>
    </message>
    <message>
        <source>print a listing to a PDF file or its preview to a PNG image</source>
        <translation>imprimir un listado en PDF o su vista previa en una imagen PNG</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli print LISTING (--pdf FILE | --preview-png FILE [--page N])
                          [--layout list|cover|back] [--frame | --no-frame]

Lays out the listing&apos;s page as the desktop program&apos;s Print command does, with
the stored print defaults and the filter files FILES.FLT and FOLDERS.FLT of
the catalogue folder (the level boxes at 0). LISTING is a listing file&apos;s bare
name or a disk name.

  --pdf FILE          print to a PDF file (A4) at 600 dots per inch; a list of
                      contents takes as many pages as it needs, each with the
                      disk&apos;s name at the top and &quot;Page n of m&quot; at the foot;
                      lines that do not fit a cover run on below it
  --preview-png FILE  write the preview image (540 x 470 pixels) as PNG
  --page N            the page of the preview to write (from 1; default 1); a
                      list of contents longer than the image has several
  --layout L          list (list of contents), cover (CD cover, 12 x 12 cm) or
                      back (CD back cover with spines); default: the stored one
  --frame, --no-frame draw the chosen cover&apos;s frame or not; default: stored
</source>
        <translation>Uso: rackmere-cli print LISTING (--pdf FILE | --preview-png FILE [--page N])
                        [--layout list|cover|back] [--frame | --no-frame]

Compone la página del listado como lo hace &quot;Imprimir&quot; en el programa de
escritorio, con los valores de impresión predeterminados guardados y los
archivos de filtro FILES.FLT y FOLDERS.FLT de la carpeta del catálogo (con las
casillas de nivel a 0). LISTING es el nombre sin ruta de un archivo de listado
o un nombre de disco.

  --pdf FILE          imprimir en un archivo PDF (A4) a 600 puntos por pulgada;
                      una lista de contenido ocupa tantas páginas como
                      necesite, cada una con el nombre del disco arriba y
                      &quot;Página n de m&quot; al pie; las líneas que no caben en una
                      carátula continúan debajo de ella
  --preview-png FILE  escribir la imagen de vista previa (540 x 470 píxeles)
                      como PNG
  --page N            la página de la vista previa que se escribe (desde 1;
                      predeterminada: 1); una lista de contenido más larga que
                      la imagen tiene varias
  --layout L          list (lista de contenido), cover (carátula de CD,
                      12 x 12 cm) o back (carátula trasera de CD con lomos);
                      predeterminado: el guardado
  --frame, --no-frame dibujar o no el marco de la carátula elegida;
                      predeterminado: el guardado
</translation>
    </message>
    <message>
        <source>give one of --pdf FILE and --preview-png FILE</source>
        <translation>indique uno de --pdf FILE y --preview-png FILE</translation>
    </message>
    <message>
        <source>the output file needs a name</source>
        <translation>el archivo de salida necesita un nombre</translation>
    </message>
    <message>
        <source>give --frame or --no-frame, not both</source>
        <translation>indique --frame o --no-frame, no ambos</translation>
    </message>
    <message>
        <source>--page goes with --preview-png</source>
        <translation>--page va con --preview-png</translation>
    </message>
    <message>
        <source>--page is a page number from 1, not &apos;%1&apos;</source>
        <translation>--page es un número de página desde 1, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--layout is list, cover or back, not &apos;%1&apos;</source>
        <translation>--layout es list, cover o back, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>rackmere-cli print: Nothing to print - please make your selections. (The stored defaults choose &quot;Specify:&quot; with none of its boxes checked.)</source>
        <translation>rackmere-cli print: No hay nada que imprimir - haga su selección. (Los valores predeterminados guardados eligen &quot;Especificar:&quot; sin ninguna de sus casillas marcadas.)</translation>
    </message>
    <message>
        <source>list files that have copies, across all listings or within one</source>
        <translation>listar archivos con copias, en todos los listados o dentro de uno</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli duplicates [--contents] [--min-size SIZE]
                                [--listing LISTING] [--json]

Groups the file entries that have the same name (letter case ignored, the
decoded text, so a name from a Windows listing meets its UTF-8 twin) and the
same size text, and prints each group: a line with the name, the size, the
number of copies and the space all but one of them take, then one line per
copy (disk name, folders and file name joined by &apos;/&apos;). The groups that waste
the most space come first; copies are in catalogue order. Entries whose size
text cannot be read are left out.

  --contents          group by contents instead: the files whose fingerprints
                      are the same, whatever their names and dates, among the
                      listings read with --fingerprints; a group is named
                      by its first copy
  --min-size SIZE     leave out files smaller than SIZE (default 1m): a number
                      with an optional unit b, k, m, g (1 KB = 1024 bytes);
                      0 keeps every file
  --listing LISTING   copies within this listing only (a file&apos;s bare name such
                      as 1234.rkm, or a disk name)
  --json              print an array of groups with the keys name, size (the
                      size text), bytes, copies, wasted and entries (objects
                      with the keys listing, disk, folders, file and index)

Exit status 0 with copies, 1 with none (&quot;No duplicates were found&quot; on
standard error), when the listing is not found, when a listing file could
not be loaded, or with --contents when the store beside the listings could
not be read; 2 for a size that cannot be read.
</source>
        <translation>Uso: rackmere-cli duplicates [--contents] [--min-size SIZE]
                              [--listing LISTING] [--json]

Agrupa las entradas de archivo que tienen el mismo nombre (sin distinguir
mayúsculas y minúsculas, en el texto ya descodificado, de modo que un nombre de
un listado de Windows coincide con su gemelo en UTF-8) y el mismo texto de
tamaño, y muestra cada grupo: una línea con el nombre, el tamaño, el número de
copias y el espacio que ocupan todas menos una, y luego una línea por copia
(nombre del disco, carpetas y nombre del archivo unidos por &apos;/&apos;). Primero van
los grupos que más espacio desperdician; las copias van en el orden del
catálogo. Se omiten las entradas cuyo texto de tamaño no se puede leer.

  --contents          agrupar en cambio por contenido: los archivos cuyas
                      huellas digitales coinciden, sean cuales sean sus nombres
                      y fechas, entre los listados leídos con --fingerprints;
                      un grupo lleva el nombre de su primera copia
  --min-size SIZE     omitir los archivos de menos de SIZE (predeterminado:
                      1m): un número con una unidad opcional b, k, m, g
                      (1 KB = 1024 bytes); 0 conserva todos los archivos
  --listing LISTING   solo copias dentro de este listado (el nombre sin ruta de
                      un archivo, como 1234.rkm, o un nombre de disco)
  --json              mostrar un array de grupos con las claves name, size (el
                      texto del tamaño), bytes, copies, wasted y entries
                      (objetos con las claves listing, disk, folders, file e
                      index)

Código de salida 0 si hay copias; 1 si no hay ninguna (&quot;No se encontraron
duplicados&quot; en la salida de error estándar), si no se encuentra el listado, si
no se pudo cargar un archivo de listado o, con --contents, si no se pudo leer
el almacén que hay junto a los listados; 2 si un tamaño no se puede leer.
</translation>
    </message>
    <message>
        <source>compare two listings: what only one holds and what changed</source>
        <translation>comparar dos listados: lo que solo tiene uno y lo que cambió</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli diff A B [--json]

A and B are listings (a file&apos;s bare name such as 1234.rkm, or a disk name).
Compares them by path from the root and prints a line per difference,
folder by folder (its files, then its folders). Letter case counts in names;
a name from a listing made on Windows is the same as its UTF-8 spelling.
Paths are printed as UTF-8. The lines:

  - PATH                      only in A
  + PATH                      only in B
  ~ PATH: size X -&gt; Y, date X -&gt; Y   in both, with another size or date

A folder that only one holds is one line, its path ending in &apos;/&apos;, with the
number of folders and files in it. Sizes compare by what the size texts
stand for, dates by the day, each listing&apos;s dates read in its own order.
Descriptions, categories and comments do not count. A last line gives the
counts.

  --json   print an object with the keys a and b (listing and disk), onlyInA,
           onlyInB and changed (arrays of objects with the keys path and
           folder, files and folders for a folder, size and date as [A, B]
           where they changed) and counts

Exit status 0 when the listings are equal, 1 when they differ, 2 when a
listing is not found.
</source>
        <translation>Uso: rackmere-cli diff A B [--json]

A y B son listados (el nombre sin ruta de un archivo, como 1234.rkm, o un
nombre de disco). Los compara por ruta desde la raíz y muestra una línea por
diferencia, carpeta a carpeta (primero sus archivos y después sus carpetas).
Las mayúsculas y minúsculas cuentan en los nombres; un nombre de un listado
hecho en Windows es igual a su grafía en UTF-8. Las rutas se muestran en UTF-8.
Las líneas:

  - PATH                      solo en A
  + PATH                      solo en B
  ~ PATH: tamaño X -&gt; Y, fecha X -&gt; Y   en ambos, con otro tamaño o fecha

Una carpeta que solo tiene uno de los dos ocupa una línea, con su ruta
terminada en &apos;/&apos; y el número de carpetas y archivos que contiene. Los tamaños
se comparan por lo que indican sus textos de tamaño, las fechas por el día, y
las fechas de cada listado se leen en su propio orden. Las descripciones,
categorías y comentarios no cuentan. Una última línea da los totales.

  --json   mostrar un objeto con las claves a y b (listado y disco), onlyInA,
           onlyInB y changed (arrays de objetos con las claves path y folder,
           files y folders para una carpeta, size y date como [A, B] donde
           cambiaron) y counts

Código de salida 0 si los listados son iguales, 1 si difieren, 2 si no se
encuentra un listado.
</translation>
    </message>
    <message>
        <source>scan a listing&apos;s disk again and tell what changed, changing nothing</source>
        <translation>releer el disco de un listado y decir qué cambió, sin cambiar nada</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli verify LISTING [--contents] [--force] [--json]

LISTING is a listing file&apos;s bare name (1234.rkm) or a disk name. Walks the
listing&apos;s root path again, with the checks of update (the path can be
entered, the volume&apos;s serial number is the listing&apos;s), and compares what is
there with the listing, as diff does with the listing as A and the disk as B:

  + PATH   added: on the disk, not in the listing
  - PATH   removed: in the listing, no longer on the disk
  ~ PATH: size X -&gt; Y, date X -&gt; Y   changed

and a last line with the counts. Nothing is changed and nothing written:
this is how to check that an old backup is still whole.

  --contents  read every file again and compare its fingerprint with the
           one kept (the listing was added or updated with --fingerprints);
           besides the lines above, tells each file whose size and date are
           the same but not its contents, and each file that could not be
           read, with the system&apos;s reason:
             ~ PATH: changed contents: a bit error or a silent overwrite
             ! PATH: could not be read: REASON
           An unreadable file does not stop the others being read.
  --force  verify even when the volume there has another serial number, or
           the root path is damaged or a removable disk&apos;s is now a system
           folder (as update)
  --json   print an object with the keys listing, disk, root, added, removed,
           changed (as diff&apos;s arrays) and counts; with --contents also
           contents (objects with path and, for an unreadable file, error)

Exit status 0 when the disk matches its listing, 1 when it differs (with
--contents also when contents differ or a file could not be read), 2 when
the listing is not found, its root path cannot be entered, or --contents is
given for a listing without fingerprints, 3 when the volume&apos;s serial number
differs from the listing&apos;s or the root path is damaged or a system folder.
</source>
        <translation>Uso: rackmere-cli verify LISTING [--contents] [--force] [--json]

LISTING es el nombre sin ruta de un archivo de listado (1234.rkm) o un nombre
de disco. Vuelve a recorrer la ruta raíz del listado, con las comprobaciones de
update (se puede entrar en la ruta, el número de serie del volumen es el del
listado), y compara lo que hay allí con el listado, como hace diff con el
listado como A y el disco como B:

  + PATH   añadido: en el disco, no en el listado
  - PATH   eliminado: en el listado, ya no en el disco
  ~ PATH: tamaño X -&gt; Y, fecha X -&gt; Y   cambiado

y una última línea con los totales. No se cambia ni se escribe nada: así se
comprueba que una copia de seguridad antigua sigue entera.

  --contents  volver a leer cada archivo y comparar su huella digital con la
           guardada (el listado se añadió o actualizó con --fingerprints);
           además de las líneas anteriores, indica cada archivo cuyo tamaño y
           fecha son los mismos pero no su contenido, y cada archivo que no se
           pudo leer, con el motivo que da el sistema:
             ~ PATH: contenido cambiado: un error de bit o una sobrescritura silenciosa
             ! PATH: no se pudo leer: REASON
           Un archivo ilegible no impide que se lean los demás.
  --force  verificar aunque el volumen que hay allí tenga otro número de serie,
           o la ruta raíz esté dañada o la de un disco extraíble sea ahora una
           carpeta del sistema (como update)
  --json   mostrar un objeto con las claves listing, disk, root, added,
           removed, changed (como los arrays de diff) y counts; con --contents,
           también contents (objetos con path y, para un archivo ilegible,
           error)

Código de salida 0 si el disco coincide con su listado, 1 si difiere (con
--contents, también si difiere algún contenido o no se pudo leer un archivo), 2
si no se encuentra el listado, no se puede entrar en su ruta raíz o se da
--contents para un listado sin huellas digitales, 3 si el número de serie del
volumen difiere del del listado o la ruta raíz está dañada o es una carpeta del
sistema.
</translation>
    </message>
    <message>
        <source>takes no positional arguments</source>
        <translation>no admite argumentos posicionales</translation>
    </message>
    <message>
        <source>the store beside the listings could not be read: %1</source>
        <translation>no se pudo leer el almacén que hay junto a los listados: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n copies (%3 wasted)</source>
        <extracomment>A group of copies: the file&apos;s name, its size, how many copies, the space all but one take.</extracomment>
        <translation>
            <numerusform>%1, %2, %n copia (%3 desperdiciados)</numerusform>
            <numerusform>%1, %2, %n copias (%3 desperdiciados)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3 wasted</source>
        <extracomment>The groups of copies, the files in them, the space wasted: &quot;3 groups&quot;, &quot;7 files&quot;, a size.</extracomment>
        <translation>%1, %2, %3 desperdiciados</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n grupo</numerusform>
            <numerusform>%n grupos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicates were found</source>
        <translation>No se encontraron duplicados</translation>
    </message>
    <message>
        <source>size %1 -&gt; %2</source>
        <translation>tamaño %1 -&gt; %2</translation>
    </message>
    <message>
        <source>date %1 -&gt; %2</source>
        <translation>fecha %1 -&gt; %2</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <extracomment>What a folder holds: &quot;2 folders&quot;, &quot;5 files&quot;.</extracomment>
        <translation>(%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n carpeta</numerusform>
            <numerusform>%n carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>name two listings</source>
        <translation>indique dos listados</translation>
    </message>
    <message>
        <source>%1 only in A (%2), %3 only in B (%4), %5 changed</source>
        <translation>%1 solo en A (%2), %3 solo en B (%4), %5 cambiados</translation>
    </message>
    <message>
        <source>%1; this is probably not the disk of the listing (--force verifies all the same).</source>
        <translation>%1; probablemente no es el disco del listado (--force verifica de todos modos).</translation>
    </message>
    <message>
        <source>could not find the disk: &apos;%1&apos; cannot be entered</source>
        <translation>no se encontró el disco: no se puede entrar en &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the serial number of the disk (%1) is %2, not %3 as that of the original one; this probably means that it is the wrong disk (--force verifies all the same).</source>
        <translation>el número de serie del disco (%1) es %2, no %3 como el del original; probablemente es un disco equivocado (--force verifica de todos modos).</translation>
    </message>
    <message>
        <source>%1 has no fingerprints: add or update it with --fingerprints</source>
        <translation>%1 no tiene huellas digitales: añádalo o actualícelo con --fingerprints</translation>
    </message>
    <message>
        <source>The disk matches its listing</source>
        <translation>El disco coincide con su listado</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 with changed contents, %5 unreadable</source>
        <translation>%1 añadidos, %2 eliminados, %3 cambiados, %4 con contenido cambiado, %5 ilegibles</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed</source>
        <translation>%1 añadidos, %2 eliminados, %3 cambiados</translation>
    </message>
    <message>
        <source>search every listing with a query</source>
        <translation>buscar en todos los listados con una consulta</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli find QUERY [--case-sensitive] [--no-folder-names]
                         [--no-filenames] [--category NAME] [--min-size SIZE]
                         [--max-size SIZE] [--after DATE] [--before DATE]
                         [--listing LISTING] [--limit N] [--count] [--json | -0]

Searches all listings for disks, folders and file entries that QUERY
matches, and prints every match in the order the desktop program&apos;s Find all
lists them, one a line: a disk or folder as the disk name and folder names
joined by &apos;/&apos; and ending in &apos;/&apos;, a file entry as that path followed by the
file name. The answer comes from the search index (a cache under
$XDG_CACHE_HOME/rackmere/) when it is up to date with the listing files,
else from the listings themselves, which then bring the index up to date;
either way the output is the same.

QUERY is the language of the desktop program&apos;s search box: every word must
occur in the name (letter case does not count), &quot;a phrase&quot; with spaces,
&apos;*&apos; and &apos;?&apos; make a word a pattern over the whole name (*.avi), OR (or |),
NOT (or a leading -), parentheses, and fields: ext:mp3;flac, size:&gt;10MB,
size:1MB..5MB, date:2019, date:&gt;=2019-03, cat:, desc:, comment:, disk:,
path:, type:file, type:folder, regex:. A query that cannot be read ends the
command with exit status 2, naming the position (in characters from 1) and
the reason. An empty QUERY (&quot;&quot;) stands for every file entry, so the options
alone choose. A QUERY that starts with &apos;-&apos; is read as a query (-tmp: names
without tmp); put -- before one that starts with &apos;--&apos; or is -0.

The options are joined to QUERY by AND:
  --case-sensitive    letter case counts in words and text fields
  --no-folder-names   only file entries (type:file)
  --no-filenames      only disks and folders (type:folder)
  --category NAME     only file entries of exactly this category (cat:=NAME;
                      an empty NAME: entries without one)
  --min-size SIZE     only files of at least SIZE, --max-size of at most SIZE:
                      a number with an optional unit b, k, m, g (KB, MB, GB;
                      1 KB = 1024 bytes), as in 700m or 1.5g. Sizes are read
                      from the size texts: &quot;1 Kb&quot; is any size from 1025 to
                      2047 bytes and is kept when that span meets the range
  --after DATE        only files dated after DATE, --before before DATE (the
                      day itself not included); DATE is YYYY-MM-DD or a date
                      in this machine&apos;s short format. A listing&apos;s dates are
                      read in the order its own texts show (a day above 12
                      tells day from month), else in this machine&apos;s order
  --listing LISTING   only in this listing (a file&apos;s bare name such as
                      1234.rkm, or a disk name)
  --glob, --no-descriptions
                      kept for scripts and change nothing: words are tested
                      on names only (desc: looks in descriptions), and &apos;*&apos;
                      or &apos;?&apos; always make a word a pattern

What is printed:
  --limit N           only the first N matches
  --count             only the number of matches
  --json              an array of objects with the keys listing, disk,
                      folders (names below the disk), file and index (null
                      for a disk or folder)
  -0                  each line ended by a NUL byte instead of a line end,
                      for xargs -0

Exit status 0 with matches, 1 with none (&quot;No matching entry was found&quot; on
standard error) or when a listing file could not be loaded (each is named
on standard error; the matches in the others are printed all the same), 2
for a query, size or date that cannot be read.
</source>
        <translation>Uso: rackmere-cli find QUERY [--case-sensitive] [--no-folder-names]
                       [--no-filenames] [--category NAME] [--min-size SIZE]
                       [--max-size SIZE] [--after DATE] [--before DATE]
                       [--listing LISTING] [--limit N] [--count] [--json | -0]

Busca en todos los listados los discos, carpetas y entradas de archivo que
coinciden con QUERY, y muestra cada coincidencia en el orden en que las lista
&quot;Buscar todo&quot; en el programa de escritorio, una por línea: un disco o una
carpeta como el nombre del disco y los nombres de carpeta unidos por &apos;/&apos; y
terminados en &apos;/&apos;, y una entrada de archivo como esa ruta seguida del nombre
del archivo. La respuesta sale del índice de búsqueda (una caché en
$XDG_CACHE_HOME/rackmere/) cuando está al día con los archivos de listado; si
no, de los propios listados, que entonces ponen el índice al día; en ambos
casos la salida es la misma.

QUERY usa el lenguaje del cuadro de búsqueda del programa de escritorio: cada
palabra debe aparecer en el nombre (sin distinguir mayúsculas y minúsculas),
&quot;una frase&quot; con espacios, &apos;*&apos; y &apos;?&apos; convierten una palabra en un patrón sobre
el nombre completo (*.avi), OR (o |), NOT (o un - inicial), paréntesis, y
campos: ext:mp3;flac, size:&gt;10MB, size:1MB..5MB, date:2019, date:&gt;=2019-03,
cat:, desc:, comment:, disk:, path:, type:file, type:folder, regex:. Una
consulta que no se puede leer termina el comando con código de salida 2,
indicando la posición (en caracteres, desde 1) y el motivo. Una QUERY vacía
(&quot;&quot;) equivale a todas las entradas de archivo, así que la selección la hacen
solo las opciones. Una QUERY que empieza por &apos;-&apos; se lee como consulta (-tmp:
nombres sin tmp); ponga -- delante de una que empiece por &apos;--&apos; o que sea -0.

Las opciones se combinan con QUERY mediante AND:
  --case-sensitive    distinguir mayúsculas y minúsculas en las palabras y en
                      los campos de texto
  --no-folder-names   solo entradas de archivo (type:file)
  --no-filenames      solo discos y carpetas (type:folder)
  --category NAME     solo entradas de archivo exactamente de esta categoría
                      (cat:=NAME; un NAME vacío: entradas sin categoría)
  --min-size SIZE     solo archivos de al menos SIZE, --max-size de como mucho
                      SIZE: un número con una unidad opcional b, k, m, g (KB,
                      MB, GB; 1 KB = 1024 bytes), como en 700m o 1.5g. Los
                      tamaños se leen de los textos de tamaño: &quot;1 Kb&quot; es
                      cualquier tamaño de 1025 a 2047 bytes y se conserva si
                      ese intervalo se solapa con el rango
  --after DATE        solo archivos con fecha posterior a DATE, --before
                      anterior a DATE (sin incluir ese mismo día); DATE es
                      YYYY-MM-DD o una fecha en el formato corto de este
                      equipo. Las fechas de un listado se leen en el orden que
                      muestran sus propios textos (un día mayor que 12
                      distingue el día del mes); si no, en el orden de este
                      equipo
  --listing LISTING   solo en este listado (el nombre sin ruta de un archivo,
                      como 1234.rkm, o un nombre de disco)
  --glob, --no-descriptions
                      se mantienen para scripts y no cambian nada: las palabras
                      se buscan solo en los nombres (desc: busca en las
                      descripciones), y &apos;*&apos; o &apos;?&apos; siempre convierten una
                      palabra en un patrón

Qué se muestra:
  --limit N           solo las N primeras coincidencias
  --count             solo el número de coincidencias
  --json              un array de objetos con las claves listing, disk, folders
                      (nombres bajo el disco), file e index (null para un disco
                      o una carpeta)
  -0                  cada línea terminada con un byte NUL en lugar de un salto
                      de línea, para xargs -0

Código de salida 0 si hay coincidencias; 1 si no hay ninguna
(&quot;No se encontró ninguna entrada coincidente&quot; en la salida de error estándar) o
si no se pudo cargar un archivo de listado (cada uno se indica en la salida de
error estándar; las coincidencias de los demás se muestran igualmente); 2 si
una consulta, un tamaño o una fecha no se pueden leer.
</translation>
    </message>
    <message>
        <source>set the description and category of a file entry</source>
        <translation>fijar la descripción y la categoría de una entrada de archivo</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli describe LISTING PATH [--description TEXT] [--category TEXT]

LISTING is a listing file&apos;s bare name (1234.rkm) or a disk name. PATH is the
folder names below the disk and the file name, joined by &apos;/&apos; (readme.txt,
Docs/Old/readme.txt). Sets what is given, a line break becoming a space, and
saves the listing. As in the desktop program&apos;s file entry properties, the
entry&apos;s category is added to DATA.CAT unless it is there in some letter case.
Names match as they read, also in a listing made on Windows; a text that
reads as the stored one is left as it is stored.

Exit status 2 when a TEXT is longer than the 510 bytes a listing holds of a
text (nothing is changed), 1 when the listing or the entry is not there or a
file cannot be written.
</source>
        <translation>Uso: rackmere-cli describe LISTING PATH [--description TEXT] [--category TEXT]

LISTING es el nombre sin ruta de un archivo de listado (1234.rkm) o un nombre
de disco. PATH son los nombres de carpeta bajo el disco y el nombre del
archivo, unidos por &apos;/&apos; (readme.txt, Docs/Old/readme.txt). Asigna lo que se
indique, convirtiendo un salto de línea en un espacio, y guarda el listado.
Como en las propiedades de una entrada de archivo del programa de escritorio,
la categoría de la entrada se añade a DATA.CAT salvo que ya esté allí con
alguna combinación de mayúsculas y minúsculas. Los nombres coinciden tal como
se leen, también en un listado hecho en Windows; un texto que se lee igual que
el guardado se deja tal como está guardado.

Código de salida 2 si un TEXT supera los 510 bytes que un listado admite por
texto (no se cambia nada), 1 si el listado o la entrada no existen o no se
puede escribir un archivo.
</translation>
    </message>
    <message>
        <source>name a listing and a file entry&apos;s path</source>
        <translation>indique un listado y la ruta de una entrada de archivo</translation>
    </message>
    <message>
        <source>description</source>
        <translation>descripción</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categoría</translation>
    </message>
    <message>
        <source>no folder &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>no hay ninguna carpeta &apos;%1&apos; en &apos;%2&apos;</translation>
    </message>
    <message>
        <source>no file entry &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>no hay ninguna entrada de archivo &apos;%1&apos; en &apos;%2&apos;</translation>
    </message>
    <message>
        <source>say where a listing&apos;s disk is kept and to whom it is lent</source>
        <translation>indicar dónde se guarda el disco de un listado y a quién se prestó</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli set LISTING [--location TEXT] [--lent-to TEXT]
                        [--on-mount ask|update|ignore]

LISTING is a listing file&apos;s bare name (1234.rkm) or a disk name. Keeps what is
given beside the listing, as the desktop program&apos;s listing properties do; what
is not given stays as it was.

  --location TEXT   where the disk is kept (&quot;Shelf B3, box 2&quot;); &quot;&quot; clears it
  --lent-to TEXT    to whom it is lent, with a date if you like (&quot;Ann, 3 May&quot;);
                    &quot;&quot; clears it
  --on-mount WORD   what the desktop program does when the disk is mounted:
                    ask (the default), update (updates the listing at once) or
                    ignore

A line break in TEXT becomes a space, and spaces at either end go. `list --json`
and `show` print what is kept.

Exit status 2 when nothing is given, a TEXT is longer than 1,000 bytes or WORD
is none of the three (nothing is changed), 1 when the listing is not there or
cannot be written.
</source>
        <translation>Uso: rackmere-cli set LISTING [--location TEXT] [--lent-to TEXT]
                      [--on-mount ask|update|ignore]

LISTING es el nombre sin ruta de un archivo de listado (1234.rkm) o un nombre
de disco. Guarda lo indicado junto al listado, como lo hacen las propiedades
del listado del programa de escritorio; lo que no se indica se queda como
estaba.

  --location TEXT   dónde se guarda el disco (&quot;Estante B3, caja 2&quot;); &quot;&quot; lo
                    borra
  --lent-to TEXT    a quién está prestado, con una fecha si se desea
                    (&quot;Ana, 3 de mayo&quot;); &quot;&quot; lo borra
  --on-mount WORD   qué hace el programa de escritorio al montar el disco: ask
                    (lo predeterminado), update (actualiza el listado en el
                    acto) o ignore

Un salto de línea en TEXT se convierte en un espacio, y se quitan los espacios
de ambos extremos. `list --json` y `show` muestran lo guardado.

Código de salida 2 si no se indica nada, si un TEXT supera los 1000 bytes o si
WORD no es ninguna de las tres (no se cambia nada), 1 si el listado no existe o
no se puede escribir.
</translation>
    </message>
    <message>
        <source>say what to set: --location, --lent-to or --on-mount</source>
        <translation>indique qué fijar: --location, --lent-to o --on-mount</translation>
    </message>
    <message>
        <source>rackmere-cli set: %1 Nothing was changed.</source>
        <translation>rackmere-cli set: %1 No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>--on-mount takes ask, update or ignore, not &apos;%1&apos;</source>
        <translation>--on-mount admite ask, update o ignore, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>rackmere-cli set: %1</source>
        <translation>rackmere-cli set: %1</translation>
    </message>
    <message>
        <source>give one query (&quot;&quot; for every file entry)</source>
        <translation>indique una consulta (&quot;&quot; para todas las entradas de archivo)</translation>
    </message>
    <message>
        <source>--json and -0 are two ways of printing; give one</source>
        <translation>--json y -0 son dos formas de mostrar; indique una</translation>
    </message>
    <message>
        <source>--limit takes a number of matches from 1 on, not &apos;%1&apos;</source>
        <translation>--limit admite un número de coincidencias desde 1, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the options make no query (%1): %2</source>
        <translation>las opciones no forman ninguna consulta (%1): %2</translation>
    </message>
    <message>
        <source>rackmere-cli find: bad query at position %1: %2</source>
        <translation>rackmere-cli find: consulta incorrecta en la posición %1: %2</translation>
    </message>
    <message>
        <source>No matching entry was found</source>
        <translation>No se encontró ninguna entrada coincidente</translation>
    </message>
    <message>
        <source>rackmere-cli find: %1</source>
        <translation>rackmere-cli find: %1</translation>
    </message>
    <message>
        <source>rackmere-cli: cannot start %1: it is not installed</source>
        <translation>rackmere-cli: no se puede iniciar %1: no está instalado</translation>
    </message>
    <message>
        <source>rackmere-cli: cannot start %1: %2</source>
        <translation>rackmere-cli: no se puede iniciar %1: %2</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli [--dir DIR] COMMAND [ARGS...]

Rackmere&apos;s disk catalogue from a terminal. The catalogue is the folder DIR,
else $RACKMERE_DIR, else ~/.local/share/Rackmere/. A folder named by --dir or
$RACKMERE_DIR that is missing or not a folder ends a command that reads with
exit status 2; a command that writes makes a missing one. The mount table,
/sys and /dev are read below $RACKMERE_SYSROOT when it is set (default /).

A listing is named by its listing file (1234.rkm) or by its disk name. A disk
name that several listings have ends a command with exit status 2 and lists
them by file on standard error.

  --help      print this help
  --version   print the program&apos;s version

Commands:
</source>
        <translation>Uso: rackmere-cli [--dir DIR] COMMAND [ARGS...]

El catálogo de discos de Rackmere desde la terminal. El catálogo es la carpeta
DIR; si no, $RACKMERE_DIR; si no, ~/.local/share/Rackmere/. Si una carpeta
indicada con --dir o $RACKMERE_DIR no existe o no es una carpeta, un comando
que lee termina con código de salida 2; un comando que escribe la crea si
falta. La tabla de montajes, /sys y /dev se leen bajo $RACKMERE_SYSROOT si está
definida (predeterminado: /).

Un listado se indica por su archivo de listado (1234.rkm) o por el nombre de su
disco. Un nombre de disco que tienen varios listados hace que el comando
termine con código de salida 2 y los enumere por archivo en la salida de error
estándar.

  --help      mostrar esta ayuda
  --version   mostrar la versión del programa

Comandos:
</translation>
    </message>
    <message>
        <source>
&apos;rackmere-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
&apos;rackmere-cli COMMAND --help&apos; describe un comando.
</translation>
    </message>
    <message>
        <source>rackmere-cli: --dir needs a folder</source>
        <translation>rackmere-cli: --dir necesita una carpeta</translation>
    </message>
    <message>
        <source>rackmere-cli: unknown command &apos;%1&apos;</source>
        <translation>rackmere-cli: comando desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--wait admite un número de segundos, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the catalogue folder %2 is not a folder</source>
        <translation>rackmere-cli %1: la carpeta del catálogo %2 no es una carpeta</translation>
    </message>
    <message>
        <source>rackmere-cli %1: there is no catalogue folder %2</source>
        <translation>rackmere-cli %1: no existe la carpeta del catálogo %2</translation>
    </message>
    <message>
        <source>rackmere-cli %1: The catalogue in %2 is in use by Rackmere (process %3)</source>
        <translation>rackmere-cli %1: El catálogo de %2 está en uso por Rackmere (proceso %3)</translation>
    </message>
    <message>
        <source>rackmere-cli %1: The catalogue in %2 is in use by Rackmere</source>
        <translation>rackmere-cli %1: El catálogo de %2 está en uso por Rackmere</translation>
    </message>
    <message>
        <source>rackmere-cli %1: The catalogue in %2 cannot be written: %3</source>
        <translation>rackmere-cli %1: El catálogo de %2 no se puede escribir: %3</translation>
    </message>
</context>
</TS>
