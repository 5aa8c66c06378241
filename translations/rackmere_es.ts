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
        <translation>«%1» está montado en %2. Su lista se está actualizando.</translation>
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
        <source>A disk that is not in the catalogue is mounted at %1</source>
        <translation>Hay montado en %1 un disco que no está en el catálogo</translation>
    </message>
</context>
</TS>
