<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <source>&amp;Disks</source>
        <translation>&amp;Disques</translation>
    </message>
    <message>
        <source>&amp;Offer what to do when a disk is mounted</source>
        <translation>&amp;Proposer une action au montage d&apos;un disque</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Tarnwell website</source>
        <translation>Site &amp;web de Tarnwell</translation>
    </message>
    <message>
        <source>&amp;Email support</source>
        <translation>&amp;Assistance par courriel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Disque</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>Rackmere shows the chosen language from its next start.</source>
        <translation>Rackmere affichera la langue choisie à son prochain démarrage.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Add new...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>&amp;Update...</source>
        <translation>&amp;Mettre à jour...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>Pr&amp;opriétés...</translation>
    </message>
    <message>
        <source>&amp;Compare with...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>&amp;Verify...</source>
        <translation>&amp;Vérifier...</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Search &amp;names</source>
        <translation>Rechercher dans les &amp;noms</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Find ne&amp;xt</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find &amp;duplicates...</source>
        <translation>Rechercher les &amp;doublons...</translation>
    </message>
    <message>
        <source>Is this &amp;archived?...</source>
        <translation>Est-ce déjà &amp;archivé&#xa0;?...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>Open containing &amp;folder</source>
        <translation>Ouvrir le &amp;dossier parent</translation>
    </message>
    <message>
        <source>Saved searc&amp;hes</source>
        <translation>Recherches &amp;enregistrées</translation>
    </message>
    <message>
        <source>&amp;Save this search...</source>
        <translation>&amp;Enregistrer cette recherche...</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>&amp;Gérer...</translation>
    </message>
</context>
<context>
    <name>TFormRename</name>
    <message>
        <source>Rename disk</source>
        <translation>Renommer le disque</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmAddFilter</name>
    <message>
        <source>Add filter</source>
        <translation>Ajouter un filtre</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmAddNew</name>
    <message>
        <source>Add new listing</source>
        <translation>Ajouter une liste</translation>
    </message>
    <message>
        <source>&amp;Drive / folder:</source>
        <translation>&amp;Lecteur / dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Disk &amp;name:</source>
        <translation>&amp;Nom du disque&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>List the contents of &amp;archives</source>
        <translation>Lister le contenu des a&amp;rchives</translation>
    </message>
    <message>
        <source>Zip, 7z, rar, tar, cab and ISO files become folders of their own; slower on slow media</source>
        <translation>Les fichiers Zip, 7z, rar, tar, cab et ISO deviennent des dossiers à part entière ; plus lent sur un support lent</translation>
    </message>
    <message>
        <source>&amp;Read descriptions from descript.ion and file_id.diz</source>
        <translation>Lire les &amp;descriptions de descript.ion et file_id.diz</translation>
    </message>
    <message>
        <source>Describe music, photos and videos from their &amp;tags</source>
        <translation>Décrire musique, photos et vidéos par leurs é&amp;tiquettes</translation>
    </message>
    <message>
        <source>&amp;Fingerprints (read every file)</source>
        <translation>&amp;Empreintes (lit chaque fichier)</translation>
    </message>
    <message>
        <source>Reads every file once to keep a fingerprint of its contents: Verify can then find a bit error, and Find duplicates copies under any name; as slow as reading the whole disk</source>
        <translation>Lit chaque fichier une fois pour garder une empreinte de son contenu&#xa0;: Vérifier peut alors trouver une erreur de bit, et Rechercher les doublons les copies sous tout nom ; aussi lent que la lecture du disque entier</translation>
    </message>
    <message>
        <source>&amp;Pictures of photos, videos and music</source>
        <translation>&amp;Images des photos, vidéos et musiques</translation>
    </message>
    <message>
        <source>Keeps a small picture of each photo, video and music file with cover art, to browse with View &gt; Pictures while the disk is not there</source>
        <translation>Garde une petite image de chaque photo, vidéo et fichier musical avec pochette, à parcourir avec Affichage &gt; Images quand le disque est absent</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmAdding</name>
    <message>
        <source>Adding...</source>
        <translation>Ajout en cours...</translation>
    </message>
    <message>
        <source>Now adding:</source>
        <translation>Ajout de&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Compare listings</source>
        <translation>Comparer les listes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmDuplicates</name>
    <message>
        <source>Find duplicates</source>
        <translation>Rechercher les doublons</translation>
    </message>
    <message>
        <source>Files with the same name (in any letter case) and the same size:</source>
        <translation>Fichiers de même nom (sans tenir compte de la casse) et de même taille&#xa0;:</translation>
    </message>
    <message>
        <source>Across &amp;all listings</source>
        <translation>Dans &amp;toutes les listes</translation>
    </message>
    <message>
        <source>&amp;Within this listing:</source>
        <translation>Dans &amp;cette liste&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Smallest size:</source>
        <translation>Taille &amp;minimale&#xa0;:</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>&amp;By contents (fingerprints), whatever the names</source>
        <translation>&amp;Par contenu (empreintes), quels que soient les noms</translation>
    </message>
    <message>
        <source>Files whose contents are the same, in the listings read with fingerprints</source>
        <translation>Fichiers au contenu identique, dans les listes lues avec empreintes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmExport</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>What to export</source>
        <translation>Contenu à exporter</translation>
    </message>
    <message>
        <source>The selected &amp;listing</source>
        <translation>La &amp;liste sélectionnée</translation>
    </message>
    <message>
        <source>The whole &amp;catalogue</source>
        <translation>Tout le &amp;catalogue</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>CSV, for spreadsheets (.csv)</source>
        <translation>CSV, pour tableurs (.csv)</translation>
    </message>
    <message>
        <source>JSON, for scripts (.json)</source>
        <translation>JSON, pour scripts (.json)</translation>
    </message>
    <message>
        <source>HTML page with search, for a browser (.html)</source>
        <translation>Page HTML avec recherche, pour navigateur (.html)</translation>
    </message>
    <message>
        <source>Include &amp;pictures (HTML page only)</source>
        <translation>Inclure les &amp;images (page HTML seulement)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmListProperties</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Nom de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>&amp;Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Fingerprint:</source>
        <translation>Empreinte&#xa0;:</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <translation>Empreinte</translation>
    </message>
    <message>
        <source>&amp;Launch file</source>
        <translation>&amp;Lancer le fichier</translation>
    </message>
    <message>
        <source>Open containing &amp;folder</source>
        <translation>Ouvrir le dossier &amp;parent</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmPrint</name>
    <message>
        <source>Print disk</source>
        <translation>Imprimer le disque</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Noms de fichiers</translation>
    </message>
    <message>
        <source>Print a&amp;ll filenames.</source>
        <translation>Imprimer tous les noms de &amp;fichiers.</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>A&amp;ucun</translation>
    </message>
    <message>
        <source>&amp;Specify:</source>
        <translation>Pré&amp;ciser&#xa0;:</translation>
    </message>
    <message>
        <source>Print filenames c&amp;ontaining:</source>
        <translation>Imprimer les noms de fichiers con&amp;tenant&#xa0;:</translation>
    </message>
    <message>
        <source>Print filenames containing</source>
        <translation>Imprimer les noms de fichiers contenant</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Print all filenames until &amp;tree level:</source>
        <translation>Imprimer tous les noms de fichiers jus&amp;qu&apos;au niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Print all filenames until tree level</source>
        <translation>Imprimer tous les noms de fichiers jusqu&apos;au niveau</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Print all file d&amp;escriptions.</source>
        <translation>Imprimer toutes les &amp;descriptions de fichiers.</translation>
    </message>
    <message>
        <source>Folder names</source>
        <translation>Noms de dossiers</translation>
    </message>
    <message>
        <source>Print a&amp;ll folder names.</source>
        <translation>Imprimer tous les noms de d&amp;ossiers.</translation>
    </message>
    <message>
        <source>Print folders c&amp;ontaining one of these files:</source>
        <translation>Imprimer les dossiers conte&amp;nant l&apos;un de ces fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Print folders containing one of these files</source>
        <translation>Imprimer les dossiers contenant l&apos;un de ces fichiers</translation>
    </message>
    <message>
        <source>Print all folder names until &amp;tree level:</source>
        <translation>Imprimer tous les noms de dossiers jusqu&apos;au niv&amp;eau&#xa0;:</translation>
    </message>
    <message>
        <source>Print all folder names until tree level</source>
        <translation>Imprimer tous les noms de dossiers jusqu&apos;au niveau</translation>
    </message>
    <message>
        <source>Print all folder entries with a co&amp;mment.</source>
        <translation>Imprimer les dossiers ayant un co&amp;mmentaire.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Print &amp;list of contents</source>
        <translation>Imprimer la &amp;liste du contenu</translation>
    </message>
    <message>
        <source>Print C&amp;D cover</source>
        <translation>Imprimer la poc&amp;hette du CD</translation>
    </message>
    <message>
        <source>Print &amp;frame</source>
        <translation>Imprimer une bo&amp;rdure</translation>
    </message>
    <message>
        <source>Print CD &amp;back cover</source>
        <translation>Imprimer le &amp;verso de la pochette</translation>
    </message>
    <message>
        <source>Print f&amp;rame</source>
        <translation>Imprimer une &amp;bordure</translation>
    </message>
    <message>
        <source>Sa&amp;ve settings as default.</source>
        <translation>Enre&amp;gistrer ces réglages par défaut.</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
    <message>
        <source>Pr&amp;int</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmPrintPreview</name>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Please note that the output may look different on your printer.</source>
        <translation>Le rendu peut être différent sur votre imprimante.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation>Page précédente (PgPréc)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation>Page suivante (PgSuiv)</translation>
    </message>
</context>
<context>
    <name>TfrmProps</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Folders in listing:</source>
        <translation>Dossiers de la liste&#xa0;:</translation>
    </message>
    <message>
        <source>Files in listing:</source>
        <translation>Fichiers de la liste&#xa0;:</translation>
    </message>
    <message>
        <source>Total size:</source>
        <translation>Taille totale&#xa0;:</translation>
    </message>
    <message>
        <source>Last read:</source>
        <translation>Dernière lecture&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation>&amp;Emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Lent &amp;to:</source>
        <translation>&amp;Prêté à&#xa0;:</translation>
    </message>
    <message>
        <source>When the disk is &amp;mounted:</source>
        <translation>Quand le disque est &amp;monté&#xa0;:</translation>
    </message>
    <message>
        <source>Ask what to do</source>
        <translation>Demander quoi faire</translation>
    </message>
    <message>
        <source>Update at once</source>
        <translation>Mettre à jour aussitôt</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Ne rien faire</translation>
    </message>
    <message>
        <source>&amp;Root drive:</source>
        <translation>&amp;Lecteur racine&#xa0;:</translation>
    </message>
    <message>
        <source>Full path:</source>
        <translation>Chemin complet&#xa0;:</translation>
    </message>
    <message>
        <source>Kept beside the listing:</source>
        <translation>Conservé avec la liste&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Commentaire&#xa0;:</translation>
    </message>
    <message>
        <source>Read when listed:</source>
        <translation>Lu lors de l&apos;ajout&#xa0;:</translation>
    </message>
    <message>
        <source>List the contents of &amp;archives</source>
        <translation>Lister le contenu des a&amp;rchives</translation>
    </message>
    <message>
        <source>Read &amp;descriptions from descript.ion and file_id.diz</source>
        <translation>Lire les &amp;descriptions de descript.ion et file_id.diz</translation>
    </message>
    <message>
        <source>Describe music, photos and videos from their ta&amp;gs</source>
        <translation>Décrire musique, photos et vidéos par leurs é&amp;tiquettes</translation>
    </message>
    <message>
        <source>&amp;Fingerprints (read every file)</source>
        <translation>Emprei&amp;ntes (lit chaque fichier)</translation>
    </message>
    <message>
        <source>&amp;Pictures of photos, videos and music</source>
        <translation>&amp;Images des photos, vidéos et musiques</translation>
    </message>
    <message>
        <source>A changed choice is applied at the next Update.</source>
        <translation>Un choix modifié s&apos;applique à la prochaine mise à jour.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Search for entry containing this text: </source>
        <translation>&amp;Rechercher les entrées contenant ce texte&#xa0;: </translation>
    </message>
    <message>
        <source>Case sensiti&amp;ve search</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation>Rechercher dans&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;older names</source>
        <translation>Noms de d&amp;ossiers</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>Noms de &amp;fichiers</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>D&amp;escription</translation>
    </message>
    <message>
        <source>Only in this ca&amp;tegory:</source>
        <translation>Seulement dans cette caté&amp;gorie&#xa0;:</translation>
    </message>
    <message>
        <source>Only in this category</source>
        <translation>Seulement dans cette catégorie</translation>
    </message>
    <message>
        <source>Use * and ? as &amp;wildcards in names</source>
        <translation>Utiliser * et ? comme &amp;jokers dans les noms</translation>
    </message>
    <message>
        <source>* stands for any characters, ? for one: *.avi finds every name ending in .avi. A text without them is looked for anywhere in a name.</source>
        <translation>* remplace n&apos;importe quels caractères, ? un seul&#xa0;: *.avi trouve tous les noms finissant par .avi. Un texte sans eux est cherché n&apos;importe où dans un nom.</translation>
    </message>
    <message>
        <source>Narrow down</source>
        <translation>Affiner</translation>
    </message>
    <message>
        <source>Si&amp;ze from:</source>
        <translation>Ta&amp;ille de&#xa0;:</translation>
    </message>
    <message>
        <source>any</source>
        <translation>toute</translation>
    </message>
    <message>
        <source>&amp;up to:</source>
        <translation>j&amp;usqu&apos;à&#xa0;:</translation>
    </message>
    <message>
        <source>Dat&amp;e from:</source>
        <translation>&amp;Date du&#xa0;:</translation>
    </message>
    <message>
        <source>u&amp;ntil:</source>
        <translation>jus&amp;qu&apos;au&#xa0;:</translation>
    </message>
    <message>
        <source>Only in this &amp;listing:</source>
        <translation>Seulement dans cette &amp;liste&#xa0;:</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>&amp;Tout rechercher</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>rkm::Choices</name>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
</context>
<context>
    <name>rkm::Core</name>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Impossible de créer le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create a new file in %1: %2</source>
        <translation>Impossible de créer un nouveau fichier dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write a new file in %1: %2</source>
        <translation>Impossible d&apos;écrire un nouveau fichier dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>plus de %1 Mo</translation>
    </message>
    <message>
        <source>Error loading file: %1 (%2)</source>
        <translation>Erreur de chargement du fichier&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>not a disk listing file</source>
        <translation>pas un fichier de liste de disque</translation>
    </message>
    <message>
        <source>not enough memory for what it holds</source>
        <translation>pas assez de mémoire pour ce qu&apos;il contient</translation>
    </message>
    <message>
        <source>The catalogue folder %1 is not a folder</source>
        <translation>Le dossier du catalogue %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Cannot make the catalogue folder %1: %2</source>
        <translation>Impossible de créer le dossier du catalogue %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read the category file %1: %2</source>
        <translation>Impossible de lire le fichier des catégories %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1; the categories are left empty</source>
        <translation>%1 ; les catégories restent vides</translation>
    </message>
    <message>
        <source>Unable to find unused filename.!</source>
        <translation>Impossible de trouver un nom de fichier inutilisé&#xa0;!</translation>
    </message>
    <message>
        <source>The catalogue in %1 is open read-only: %2</source>
        <translation>Le catalogue de %1 est ouvert en lecture seule&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot put aside the category file %1: %2</source>
        <translation>Impossible de mettre de côté le fichier des catégories %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the disk&apos;s name</source>
        <translation>le nom du disque</translation>
    </message>
    <message>
        <source>the disk&apos;s root path</source>
        <translation>le chemin racine du disque</translation>
    </message>
    <message>
        <source>the disk&apos;s comment</source>
        <translation>le commentaire du disque</translation>
    </message>
    <message>
        <source>the disk&apos;s file name</source>
        <translation>le nom de fichier du disque</translation>
    </message>
    <message>
        <source>the disk&apos;s description</source>
        <translation>la description du disque</translation>
    </message>
    <message>
        <source>the disk&apos;s date</source>
        <translation>la date du disque</translation>
    </message>
    <message>
        <source>the disk&apos;s size</source>
        <translation>la taille du disque</translation>
    </message>
    <message>
        <source>the disk&apos;s category</source>
        <translation>la catégorie du disque</translation>
    </message>
    <message>
        <source>%1 (name)</source>
        <translation>%1 (nom)</translation>
    </message>
    <message>
        <source>%1 (root path)</source>
        <translation>%1 (chemin racine)</translation>
    </message>
    <message>
        <source>%1 (comment)</source>
        <translation>%1 (commentaire)</translation>
    </message>
    <message>
        <source>%1 (file name)</source>
        <translation>%1 (nom de fichier)</translation>
    </message>
    <message>
        <source>%1 (description)</source>
        <translation>%1 (description)</translation>
    </message>
    <message>
        <source>%1 (date)</source>
        <translation>%1 (date)</translation>
    </message>
    <message>
        <source>%1 (size)</source>
        <translation>%1 (taille)</translation>
    </message>
    <message>
        <source>%1 (category)</source>
        <translation>%1 (catégorie)</translation>
    </message>
    <message>
        <source>Invalid disk listing file (%1)</source>
        <translation>Fichier de liste de disque non valide (%1)</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>à l&apos;octet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>the file ends inside a number</source>
        <translation>le fichier se termine au milieu d&apos;un nombre</translation>
    </message>
    <message>
        <source>a text of %1 bytes</source>
        <translation>un texte de %1 octets</translation>
    </message>
    <message>
        <source>a text of %1 bytes, more than any listing holds</source>
        <translation>un texte de %1 octets, plus qu&apos;aucune liste n&apos;en contient</translation>
    </message>
    <message>
        <source>the file ends inside a text</source>
        <translation>le fichier se termine au milieu d&apos;un texte</translation>
    </message>
    <message>
        <source>a folder of %1 files, more than the %2 bytes left can hold</source>
        <translation>un dossier de %1 fichiers, plus que les %2 octets restants ne peuvent en contenir</translation>
    </message>
    <message>
        <source>a file entry&apos;s text runs on for more than %1 bytes</source>
        <translation>un texte d&apos;entrée de fichier se prolonge sur plus de %1 octets</translation>
    </message>
    <message>
        <source>the file ends inside the entries of a folder (%1 files)</source>
        <translation>le fichier se termine au milieu des entrées d&apos;un dossier (%1 fichiers)</translation>
    </message>
    <message>
        <source>a folder of more than 4 GiB of texts</source>
        <translation>un dossier de plus de 4 Gio de textes</translation>
    </message>
    <message>
        <source>a file entry&apos;s text that no listing holds</source>
        <translation>un texte d&apos;entrée de fichier qu&apos;aucune liste ne contient</translation>
    </message>
    <message>
        <source>folders nested deeper than %1</source>
        <translation>des dossiers imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>a folder of %1 folders, more than the %2 bytes left can hold</source>
        <translation>un dossier de %1 dossiers, plus que les %2 octets restants ne peuvent en contenir</translation>
    </message>
    <message>
        <source>a folder without a name</source>
        <translation>un dossier sans nom</translation>
    </message>
    <message>
        <source>a disk without a name</source>
        <translation>un disque sans nom</translation>
    </message>
    <message>
        <source>%1 texts per file entry, where a listing holds %2</source>
        <translation>%1 textes par entrée de fichier, là où une liste en contient %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot put aside the damaged store %1: %2</source>
        <translation>Impossible de mettre de côté la base endommagée %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write the store %1: %2</source>
        <translation>Impossible d&apos;écrire la base %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write the store %1</source>
        <translation>Impossible d&apos;écrire la base %1</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Emplacement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lent to: %1</source>
        <translation>Prêté à&#xa0;: %1</translation>
    </message>
    <message>
        <source>The location is %1 bytes long; at most %2 bytes are kept.</source>
        <translation>L&apos;emplacement fait %1 octets ; au plus %2 octets sont conservés.</translation>
    </message>
    <message>
        <source>The lent to is %1 bytes long; at most %2 bytes are kept.</source>
        <translation>Le texte «&#xa0;Prêté à&#xa0;» fait %1 octets ; au plus %2 octets sont conservés.</translation>
    </message>
    <message>
        <source>The %1 is %2 bytes long; at most %3 bytes are kept.</source>
        <translation>Le texte «&#xa0;%1&#xa0;» fait %2 octets ; au plus %3 octets sont conservés.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… et %1 autres</translation>
    </message>
    <message>
        <source>Listing &apos;%1&apos; (%2):</source>
        <translation>Liste «&#xa0;%1&#xa0;» (%2)&#xa0;:</translation>
    </message>
    <message>
        <source>the lock file keeps being replaced</source>
        <translation>le fichier de verrou ne cesse d&apos;être remplacé</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>[Printing will exceed bounds!]</source>
        <translation>[L&apos;impression dépassera les limites&#xa0;!]</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>the picture kept cannot be read (%1)</source>
        <translation>l&apos;image conservée ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded as PNG</source>
        <translation>l&apos;image n&apos;a pas pu être encodée en PNG</translation>
    </message>
    <message numerus="yes">
        <source>The preview has %n page(s), no page %1</source>
        <translation>
            <numerusform>L&apos;aperçu a %n page, pas de page %1</numerusform>
            <numerusform>L&apos;aperçu a %n pages, pas de page %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The printer could not start the print job</source>
        <translation>L&apos;imprimante n&apos;a pas pu démarrer la tâche d&apos;impression</translation>
    </message>
    <message>
        <source>Could not keep a picture in a temporary file: %1</source>
        <translation>Impossible de conserver une image dans un fichier temporaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not make a temporary file for the pictures: %1</source>
        <translation>Impossible de créer un fichier temporaire pour les images&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not read a picture back from its temporary file: %1</source>
        <translation>Impossible de relire une image depuis son fichier temporaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Le dossier %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>Please make sure that the disk &apos;%1&apos; is inserted in drive %2</source>
        <translation>Vérifiez que le disque «&#xa0;%1&#xa0;» est inséré dans le lecteur %2</translation>
    </message>
    <message>
        <source>Please make sure that the folder %1 of the disk &apos;%2&apos; is there</source>
        <translation>Vérifiez que le dossier %1 du disque «&#xa0;%2&#xa0;» est présent</translation>
    </message>
    <message>
        <source>Please make sure that the disk &apos;%1&apos; is mounted at %2 with the folder %3</source>
        <translation>Vérifiez que le disque «&#xa0;%1&#xa0;» est monté sur %2 avec le dossier %3</translation>
    </message>
    <message>
        <source>Please make sure that the disk &apos;%1&apos; is mounted at %2</source>
        <translation>Vérifiez que le disque «&#xa0;%1&#xa0;» est monté sur %2</translation>
    </message>
    <message>
        <source>Could not find the disk at %1.</source>
        <translation>Impossible de trouver le disque sous %1.</translation>
    </message>
    <message>
        <source>Could not find the disk at %1: %2.</source>
        <translation>Impossible de trouver le disque sous %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the listing&apos;s root path is empty</source>
        <translation>le chemin racine de la liste est vide</translation>
    </message>
    <message>
        <source>the listing&apos;s root path %1 holds a NUL byte; read as a path it would be %2</source>
        <translation>le chemin racine %1 de la liste contient un octet NUL ; lu comme un chemin, il serait %2</translation>
    </message>
    <message>
        <source>the listing&apos;s root path %1 is not a full path</source>
        <translation>le chemin racine %1 de la liste n&apos;est pas un chemin complet</translation>
    </message>
    <message>
        <source>the listing is of a CD or DVD, but its root path %1 is the system&apos;s folder %2</source>
        <translation>la liste est celle d&apos;un CD ou d&apos;un DVD, mais son chemin racine %1 est le dossier système %2</translation>
    </message>
    <message>
        <source>the listing is of a removable disk, but its root path %1 is the system&apos;s folder %2</source>
        <translation>la liste est celle d&apos;un disque amovible, mais son chemin racine %1 est le dossier système %2</translation>
    </message>
    <message>
        <source>Could not find the disk!</source>
        <translation>Impossible de trouver le disque&#xa0;!</translation>
    </message>
    <message>
        <source>&apos;)&apos; without &apos;(&apos;</source>
        <translation>&apos;)&apos; sans &apos;(&apos;</translation>
    </message>
    <message>
        <source>empty phrase</source>
        <translation>expression vide</translation>
    </message>
    <message>
        <source>a word with wildcards cannot also hold an escaped &apos;*&apos; or &apos;?&apos;: use regex:</source>
        <translation>un mot avec des jokers ne peut pas contenir aussi un &apos;*&apos; ou un &apos;?&apos; échappé&#xa0;: utilisez regex:</translation>
    </message>
    <message>
        <source>unfinished phrase</source>
        <translation>expression non terminée</translation>
    </message>
    <message>
        <source>a text with wildcards cannot also hold an escaped &apos;*&apos; or &apos;?&apos;</source>
        <translation>un texte avec des jokers ne peut pas contenir aussi un &apos;*&apos; ou un &apos;?&apos; échappé</translation>
    </message>
    <message>
        <source>&apos;%1:&apos; needs a text (%1:= finds an empty one)</source>
        <translation>&apos;%1:&apos; demande un texte (%1:= trouve un texte vide)</translation>
    </message>
    <message>
        <source>&apos;ext:&apos; needs an extension such as ext:mp3;flac</source>
        <translation>&apos;ext:&apos; demande une extension, comme ext:mp3;flac</translation>
    </message>
    <message>
        <source>&apos;size:&apos; needs a size such as &gt;10MB</source>
        <translation>&apos;size:&apos; demande une taille, comme &gt;10MB</translation>
    </message>
    <message>
        <source>&apos;date:&apos; needs a date such as 2019, &gt;=2019-03 or 2019-01-01..2019-06-30</source>
        <translation>&apos;date:&apos; demande une date, comme 2019, &gt;=2019-03 ou 2019-01-01..2019-06-30</translation>
    </message>
    <message>
        <source>&apos;type:&apos; is file, folder or disk</source>
        <translation>&apos;type:&apos; vaut file, folder ou disk</translation>
    </message>
    <message>
        <source>&apos;regex:&apos; needs a pattern</source>
        <translation>&apos;regex:&apos; demande un motif</translation>
    </message>
    <message>
        <source>bad regex: %1</source>
        <translation>expression régulière incorrecte&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown field &apos;%1:&apos;</source>
        <translation>champ inconnu &apos;%1:&apos;</translation>
    </message>
    <message>
        <source>&apos;OR&apos; needs something before it</source>
        <translation>&apos;OR&apos; doit être précédé de quelque chose</translation>
    </message>
    <message>
        <source>&apos;OR&apos; needs something after it</source>
        <translation>&apos;OR&apos; doit être suivi de quelque chose</translation>
    </message>
    <message>
        <source>&apos;AND&apos; needs something on each side</source>
        <translation>&apos;AND&apos; doit avoir quelque chose de chaque côté</translation>
    </message>
    <message>
        <source>too many parentheses or NOTs inside each other</source>
        <translation>trop de parenthèses ou de NOT imbriqués</translation>
    </message>
    <message>
        <source>&apos;NOT&apos; needs something after it</source>
        <translation>&apos;NOT&apos; doit être suivi de quelque chose</translation>
    </message>
    <message>
        <source>&apos;()&apos; holds nothing</source>
        <translation>&apos;()&apos; ne contient rien</translation>
    </message>
    <message>
        <source>&apos;(&apos; without &apos;)&apos;</source>
        <translation>&apos;(&apos; sans &apos;)&apos;</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>texte inattendu</translation>
    </message>
    <message>
        <source>changed contents: a bit error or a silent overwrite</source>
        <translation>contenu modifié : une erreur de bit ou un écrasement silencieux</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>lecture impossible : %1</translation>
    </message>
</context>
<context>
    <name>rkm::DisksOverview</name>
    <message>
        <source>Disks</source>
        <translation>Disques</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Prêté à</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Dernière mise à jour</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>rkm::ExportCommand</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>HTML pages (*.html *.htm)</source>
        <translation>Pages HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Rackmere catalogue</source>
        <translation>Catalogue Rackmere</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>rkm::FileGridModel</name>
    <message>
        <source>Filename</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
</context>
<context>
    <name>rkm::HelpViewer</name>
    <message>
        <source>Rackmere Help</source>
        <translation>Aide de Rackmere</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>Rackmere Help - %1</source>
        <translation>Aide de Rackmere - %1</translation>
    </message>
</context>
<context>
    <name>rkm::LocaleText</name>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln octet</numerusform>
            <numerusform>%Ln octets</numerusform>
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
        <translation>Utilisation : rackmere [--help] [--version]

Rackmere tient le catalogue de vos disques et lecteurs : il parcourt un CD, une
clé USB, un disque ou n&apos;importe quel dossier et garde chacun de ses dossiers et
fichiers dans une liste. Toutes les listes apparaissent dans une arborescence
avec une grille de fichiers : décrivez et classez les fichiers, cherchez dans
toutes les listes à la fois, mettez une liste à jour, imprimez le contenu d&apos;un
disque ou une pochette de CD, et exportez des listes en CSV, en JSON ou en page
HTML, sans avoir le disque sous la main.

  --help      afficher cette aide
  --version   afficher la version du programme

Le catalogue est gardé dans le dossier $RACKMERE_DIR, sinon dans
~/.local/share/Rackmere/ ; les positions des fenêtres et les réglages
d&apos;impression dans ~/.config/Rackmere/Rackmere.ini. Un seul Rackmere à la fois
travaille sur un dossier de catalogue : le relancer sur le même dossier amène
sa fenêtre au premier plan, et un autre dossier s&apos;ouvre dans sa propre fenêtre.
rackmere-cli travaille sur le même catalogue depuis un terminal.
</translation>
    </message>
</context>
<context>
    <name>rkm::MessageLine</name>
    <message>
        <source>%1: %L2 of %L3 bytes left</source>
        <translation>%1&#xa0;: %L2 octets restants sur %L3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln bytes too long; a listing holds at most %L2 bytes.</source>
        <translation>
            <numerusform>%1&#xa0;: %Ln octet de trop ; une liste conserve au plus %L2 octets.</numerusform>
            <numerusform>%1&#xa0;: %Ln octets de trop ; une liste conserve au plus %L2 octets.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another listing is already named &apos;%1&apos;; the tree will show each with its listing file.</source>
        <translation>Une autre liste s&apos;appelle déjà « %1 » ; l&apos;arborescence affichera chacune avec son fichier de liste.</translation>
    </message>
</context>
<context>
    <name>rkm::MountOffers</name>
    <message>
        <source>&amp;Update</source>
        <translation>Mettre à &amp;jour</translation>
    </message>
    <message>
        <source>V&amp;erify</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>&amp;Add to catalogue</source>
        <translation>Ajouter au &amp;catalogue</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Pas maintenant</translation>
    </message>
    <message>
        <source>“%1” is mounted at %2. Its listing is being updated.</source>
        <translation>« %1 » est monté sur %2. Sa liste est en cours de mise à jour.</translation>
    </message>
    <message>
        <source>Disk mounted</source>
        <translation>Disque monté</translation>
    </message>
    <message>
        <source>“%1” is mounted at %2.</source>
        <translation>« %1 » est monté sur %2.</translation>
    </message>
    <message>
        <source>A disk that is not in the catalogue is mounted at %1.</source>
        <translation>Un disque absent du catalogue est monté sur %1.</translation>
    </message>
    <message>
        <source>A disk that is not in the catalogue is mounted at %1 (%2).</source>
        <translation>Un disque absent du catalogue est monté sur %1 (%2).</translation>
    </message>
</context>
<context>
    <name>rkm::Online</name>
    <message>
        <source>Mounted at %1</source>
        <translation>Monté sur %1</translation>
    </message>
    <message>
        <source>Insert the disk “%1”.</source>
        <translation>Insérez le disque « %1 ».</translation>
    </message>
    <message>
        <source>It is kept at: %1.</source>
        <translation>Emplacement&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It is lent to: %1.</source>
        <translation>Prêté à&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be found, please make sure the right disk is inserted.</source>
        <translation>Le dossier %1 est introuvable ; vérifiez que le bon disque est inséré.</translation>
    </message>
    <message>
        <source>No program is set up to open the folder %1.</source>
        <translation>Aucun programme n&apos;est configuré pour ouvrir le dossier %1.</translation>
    </message>
</context>
<context>
    <name>rkm::PictureView</name>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
</context>
<context>
    <name>rkm::PrintCommands</name>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Listing does not fit to the print area, abort printing?</source>
        <translation>La liste ne tient pas dans la zone d&apos;impression. Abandonner l&apos;impression&#xa0;?</translation>
    </message>
</context>
<context>
    <name>rkm::ResultsPanel</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
</context>
<context>
    <name>rkm::ScanCommands</name>
    <message>
        <source>%1. This is probably not the disk of the listing. Update all the same?</source>
        <translation>%1. Ce n&apos;est probablement pas le disque de cette liste. Mettre à jour malgré tout&#xa0;?</translation>
    </message>
    <message>
        <source>%1. This is probably not the disk of the listing. Verify all the same?</source>
        <translation>%1. Ce n&apos;est probablement pas le disque de cette liste. Vérifier malgré tout&#xa0;?</translation>
    </message>
    <message>
        <source>The serial number of the disk (%1) is not the same as that of the original one, this probably means that you inserted the wrong disk. Abort update?</source>
        <translation>Le numéro de série du disque (%1) diffère de celui du disque d&apos;origine ; vous avez probablement inséré le mauvais disque. Abandonner la mise à jour&#xa0;?</translation>
    </message>
    <message>
        <source>The serial number of the disk (%1) is not the same as that of the original one, this probably means that you inserted the wrong disk. Abort verify?</source>
        <translation>Le numéro de série du disque (%1) diffère de celui du disque d&apos;origine ; vous avez probablement inséré le mauvais disque. Abandonner la vérification&#xa0;?</translation>
    </message>
    <message>
        <source>Compare contents (fingerprints) too?

Every file is read again and its fingerprint compared with the one kept: a file whose contents changed while its size and date stayed the same is found. This takes as long as reading the whole disk.</source>
        <translation>Comparer aussi les contenus (empreintes)&#xa0;?

Chaque fichier est relu et son empreinte comparée à celle conservée&#xa0;: un fichier dont le contenu a changé alors que sa taille et sa date sont restées les mêmes est détecté. Cela prend autant de temps que la lecture du disque entier.</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;</source>
        <translation>Vérifier « %1 »</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;: the disk matches its listing</source>
        <translation>Vérifier « %1 »&#xa0;: le disque correspond à sa liste</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;: %2 added, %3 removed, %4 changed, %5 with changed or unreadable contents</source>
        <translation>Vérifier « %1 »&#xa0;: %2 ajout(s), %3 suppression(s), %4 modification(s), %5 fichier(s) au contenu modifié ou illisible</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;: %2 added, %3 removed, %4 changed</source>
        <translation>Vérifier « %1 »&#xa0;: %2 ajout(s), %3 suppression(s), %4 modification(s)</translation>
    </message>
    <message>
        <source>Removed from the disk</source>
        <translation>Supprimés du disque</translation>
    </message>
    <message>
        <source>Added to the disk</source>
        <translation>Ajoutés au disque</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifiés</translation>
    </message>
    <message>
        <source>There is no other listing to compare this one with.</source>
        <translation>Il n&apos;y a aucune autre liste avec laquelle comparer celle-ci.</translation>
    </message>
    <message>
        <source>Compare &apos;%1&apos; with &apos;%2&apos;</source>
        <translation>Comparer « %1 » avec « %2 »</translation>
    </message>
    <message>
        <source>Compare &apos;%1&apos; with &apos;%2&apos;: the listings are equal</source>
        <translation>Comparer « %1 » avec « %2 »&#xa0;: les listes sont identiques</translation>
    </message>
    <message>
        <source>Compare &apos;%1&apos; with &apos;%2&apos;: %3 only in &apos;%1&apos;, %4 only in &apos;%2&apos;, %5 changed</source>
        <translation>Comparer « %1 » avec « %2 »&#xa0;: %3 seulement dans « %1 », %4 seulement dans « %2 », %5 modification(s)</translation>
    </message>
    <message>
        <source>Only in &apos;%1&apos;</source>
        <translation>Seulement dans « %1 »</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this disk listing?

%1</source>
        <translation>Voulez-vous vraiment supprimer la liste de ce disque&#xa0;?

%1</translation>
    </message>
    <message>
        <source>Error deleting file %1: %2.</source>
        <translation>Erreur lors de la suppression du fichier %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>rkm::SearchBox</name>
    <message>
        <source>Search names</source>
        <translation>Rechercher dans les noms</translation>
    </message>
    <message>
        <source>Search names (Ctrl+K)</source>
        <translation>Rechercher des noms (Ctrl+K)</translation>
    </message>
    <message>
        <source>Words that must all occur in a name; &quot;a phrase&quot;, * and ?, OR, NOT, ( ), and fields such as ext:mp3, size:&gt;10MB, date:2019, type:folder. Enter shows the first match, Esc empties the box, Down shows the queries used last.</source>
        <translation>Mots qui doivent tous figurer dans un nom ; &quot;une expression&quot;, * et ?, OR, NOT, ( ), et des champs comme ext:mp3, size:&gt;10MB, date:2019, type:folder. Entrée affiche la première correspondance, Échap vide le champ, Flèche bas affiche les dernières requêtes.</translation>
    </message>
    <message>
        <source>At character %1: %2</source>
        <translation>Au caractère %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln correspondance</numerusform>
            <numerusform>%Ln correspondances</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching… %L1</source>
        <translation>Recherche… %L1</translation>
    </message>
</context>
<context>
    <name>rkm::SearchCommands</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>No matching entry was found</source>
        <translation>Aucune entrée correspondante trouvée</translation>
    </message>
    <message>
        <source>Save this search</source>
        <translation>Enregistrer cette recherche</translation>
    </message>
    <message>
        <source>The search box holds no query that can run:
%1</source>
        <translation>Le champ de recherche ne contient aucune requête exécutable&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Save the search
%1
under the name:</source>
        <translation>Enregistrer la recherche
%1
sous le nom&#xa0;:</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Rechercher les doublons</translation>
    </message>
    <message>
        <source>The fingerprints could not be read: %1</source>
        <translation>Impossible de lire les empreintes&#xa0;: %1</translation>
    </message>
    <message>
        <source>No listing holds fingerprints of files of that size. Choose &quot;Fingerprints&quot; when adding a disk, or in a listing&apos;s properties before its next Update.</source>
        <translation>Aucune liste ne contient d&apos;empreintes de fichiers de cette taille. Cochez « Empreintes » lors de l&apos;ajout d&apos;un disque, ou dans les propriétés d&apos;une liste avant sa prochaine mise à jour.</translation>
    </message>
    <message>
        <source>Is this archived?</source>
        <translation>Est-ce déjà archivé&#xa0;?</translation>
    </message>
</context>
<context>
    <name>rkm::Service</name>
    <message>
        <source>Rackmere cannot start: it needs a folder only you can use for its single-instance guard, and found none ($XDG_RUNTIME_DIR is not such a folder, and none could be made in your cache folder).</source>
        <translation>Rackmere ne peut pas démarrer&#xa0;: pour empêcher le lancement d&apos;une seconde instance, il lui faut un dossier accessible à vous seul, et il n&apos;en a trouvé aucun ($XDG_RUNTIME_DIR n&apos;est pas un tel dossier, et aucun n&apos;a pu être créé dans votre dossier de cache).</translation>
    </message>
    <message>
        <source>Rackmere cannot start: its single-instance guard %1 cannot be made (%2).</source>
        <translation>Rackmere ne peut pas démarrer&#xa0;: impossible de créer son verrou d&apos;instance unique %1 (%2).</translation>
    </message>
    <message>
        <source>Rackmere already runs on the catalogue in %1 (process %2), but it does not answer. Close that copy, or end it if it hangs, and start Rackmere again.</source>
        <translation>Rackmere est déjà ouvert sur le catalogue de %1 (processus %2), mais il ne répond pas. Fermez cette instance, ou arrêtez-la si elle est bloquée, puis relancez Rackmere.</translation>
    </message>
    <message>
        <source>Support: %1</source>
        <translation>Assistance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Copyright 2026 Tarnwell. Licence: the terms Tarnwell gives with this copy.</source>
        <translation>Copyright 2026 Tarnwell. Licence&#xa0;: les conditions que Tarnwell fournit avec cet exemplaire.</translation>
    </message>
    <message>
        <source>Copyright 2026 Tarnwell. Licence: the terms Tarnwell gives at %1.</source>
        <translation>Copyright 2026 Tarnwell. Licence&#xa0;: les conditions que Tarnwell publie sur %1.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A catalogue of your disks: every folder and file of your CDs, USB sticks, hard disks and network drives, searchable and printable, even when the disk itself is not at hand.</source>
        <translation>Un catalogue de vos disques&#xa0;: chaque dossier et chaque fichier de vos CD, clés USB, disques durs et lecteurs réseau, à parcourir et à imprimer, même quand le disque lui-même n&apos;est pas à portée de main.</translation>
    </message>
    <message>
        <source>Built with Qt %1 (running on Qt %2).</source>
        <translation>Compilé avec Qt %1 (exécuté avec Qt %2).</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Could not open %1 in a web browser.</source>
        <translation>Impossible d&apos;ouvrir %1 dans un navigateur web.</translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation>Impossible de lancer un programme de messagerie. Veuillez écrire à %1.</translation>
    </message>
</context>
<context>
    <name>rkm::TFormRename</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Please type a name for the disk.</source>
        <translation>Veuillez saisir un nom pour le disque.</translation>
    </message>
    <message>
        <source>The name is made only of spaces; please type a name for the disk.</source>
        <translation>Le nom ne contient que des espaces ; veuillez saisir un nom pour le disque.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmAddNew</name>
    <message>
        <source>Choose a mounted disk</source>
        <translation>Choisir un disque monté</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>No disks are mounted</source>
        <translation>Aucun disque n&apos;est monté</translation>
    </message>
    <message>
        <source>Please type a description: it is the listing&apos;s name.</source>
        <translation>Veuillez saisir une description&#xa0;: c&apos;est le nom de la liste.</translation>
    </message>
    <message>
        <source>The description is made only of spaces; please type a name for the listing.</source>
        <translation>La description ne contient que des espaces ; veuillez saisir un nom pour la liste.</translation>
    </message>
    <message>
        <source>Please name the drive or folder to catalogue.</source>
        <translation>Veuillez indiquer le lecteur ou le dossier à cataloguer.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: %2.</source>
        <translation>Impossible d&apos;ouvrir le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder&apos;s path is %L1 bytes long; a listing holds at most %L2 bytes.</source>
        <translation>Le chemin du dossier fait %L1 octets ; une liste conserve au plus %L2 octets.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmAdding</name>
    <message>
        <source>Read %1 of %2</source>
        <translation>%1 lus sur %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln dossier</numerusform>
            <numerusform>%Ln dossiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln fichier</numerusform>
            <numerusform>%Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Temps écoulé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmArchived</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Is this archived?</source>
        <translation>Est-ce déjà archivé&#xa0;?</translation>
    </message>
    <message>
        <source>Archived files</source>
        <translation>Fichiers archivés</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Where it is held</source>
        <translation>Où il se trouve</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln files and folders...</source>
        <translation>
            <numerusform>Lecture de %Ln fichier ou dossier...</numerusform>
            <numerusform>Lecture de %Ln fichiers et dossiers...</numerusform>
        </translation>
    </message>
    <message>
        <source>The files could not be read: %1</source>
        <translation>Impossible de lire les fichiers&#xa0;: %1</translation>
    </message>
    <message>
        <source>The files could not be read.</source>
        <translation>Impossible de lire les fichiers.</translation>
    </message>
    <message>
        <source>not archived: could not be read (%1)</source>
        <translation>non archivé&#xa0;: lecture impossible (%1)</translation>
    </message>
    <message>
        <source>not archived</source>
        <translation>non archivé</translation>
    </message>
    <message numerus="yes">
        <source>held in %Ln places</source>
        <translation>
            <numerusform>présent à %Ln endroit</numerusform>
            <numerusform>présent à %Ln endroits</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was found to read.</source>
        <translation>Aucun fichier à lire n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>The file is archived.</source>
        <translation>Le fichier est archivé.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files are archived.</source>
        <translation>
            <numerusform>%Ln fichier est archivé.</numerusform>
            <numerusform>Les %Ln fichiers sont tous archivés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files are not archived.</source>
        <translation>
            <numerusform>Fichiers non archivés&#xa0;: %1 sur %Ln.</numerusform>
            <numerusform>Fichiers non archivés&#xa0;: %1 sur %Ln.</numerusform>
        </translation>
    </message>
    <message>
        <source>The store beside the listings could not be read: %1</source>
        <translation>Impossible de lire les données conservées à côté des listes&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmCompare</name>
    <message>
        <source>Compare &apos;%1&apos; &amp;with:</source>
        <translation>Comparer « %1 » a&amp;vec&#xa0;:</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDifferences</name>
    <message>
        <source>Changed contents (%1)</source>
        <translation>Contenu modifié (%1)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln dossier</numerusform>
            <numerusform>%Ln dossiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln fichier</numerusform>
            <numerusform>%Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>%1: comparing...</source>
        <translation>%1&#xa0;: comparaison en cours...</translation>
    </message>
    <message>
        <source>%1: the comparison failed</source>
        <translation>%1&#xa0;: la comparaison a échoué</translation>
    </message>
    <message>
        <source>The comparison failed.</source>
        <translation>La comparaison a échoué.</translation>
    </message>
    <message>
        <source>%1: cancelled</source>
        <translation>%1&#xa0;: annulé</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDuplicateList</name>
    <message numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln copie</numerusform>
            <numerusform>%Ln copies</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Wasted</source>
        <translation>Gaspillé</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>The search for duplicates failed.</source>
        <translation>La recherche de doublons a échoué.</translation>
    </message>
    <message>
        <source>Duplicates: searching...</source>
        <translation>Doublons&#xa0;: recherche en cours...</translation>
    </message>
    <message>
        <source>Duplicates: cancelled</source>
        <translation>Doublons&#xa0;: recherche annulée</translation>
    </message>
    <message>
        <source>Duplicates: the search failed</source>
        <translation>Doublons&#xa0;: la recherche a échoué</translation>
    </message>
    <message>
        <source>Duplicates: none found</source>
        <translation>Doublons&#xa0;: aucun trouvé</translation>
    </message>
    <message numerus="yes">
        <source>Duplicates: %Ln groups, %1 wasted</source>
        <translation>
            <numerusform>Doublons&#xa0;: %Ln groupe, %1 gaspillés</numerusform>
            <numerusform>Doublons&#xa0;: %Ln groupes, %1 gaspillés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDuplicates</name>
    <message>
        <source>Files with the same contents, whatever their names:</source>
        <translation>Fichiers au contenu identique, quels que soient leurs noms&#xa0;:</translation>
    </message>
    <message>
        <source>Files with the same name (in any letter case) and the same size:</source>
        <translation>Fichiers de même nom (sans tenir compte de la casse) et de même taille&#xa0;:</translation>
    </message>
    <message>
        <source>The size &quot;%1&quot; is not a number.</source>
        <translation>La taille « %1 » n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmExport</name>
    <message>
        <source>The selected &amp;listing: %1</source>
        <translation>La &amp;liste sélectionnée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The selected &amp;listing</source>
        <translation>La &amp;liste sélectionnée</translation>
    </message>
    <message numerus="yes">
        <source>The whole &amp;catalogue (%Ln listings)</source>
        <translation>
            <numerusform>Tout le &amp;catalogue (%Ln liste)</numerusform>
            <numerusform>Tout le &amp;catalogue (%Ln listes)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmListProperties</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>The file could not be found, please make sure the right disk is inserted.</source>
        <translation>Le fichier est introuvable ; vérifiez que le bon disque est inséré.</translation>
    </message>
    <message>
        <source>The file %1 lies outside the listing&apos;s folder %2, so it is not opened.</source>
        <translation>Le fichier %1 se trouve hors du dossier %2 de la liste ; il n&apos;est donc pas ouvert.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened.</source>
        <translation>%1 n&apos;est pas un fichier qui peut être ouvert.</translation>
    </message>
    <message>
        <source>%1 is a program or a desktop launcher: opening it runs it.

Open it anyway?</source>
        <translation>%1 est un programme ou un lanceur de bureau&#xa0;: l&apos;ouvrir revient à l&apos;exécuter.

L&apos;ouvrir quand même&#xa0;?</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>Aucun programme n&apos;est configuré pour ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmMain</name>
    <message>
        <source>The listing &apos;%1&apos; could not be saved: %2</source>
        <translation>Impossible d&apos;enregistrer la liste « %1 »&#xa0;: %2</translation>
    </message>
    <message>
        <source>Disks and folders</source>
        <translation>Disques et dossiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>the lock file cannot be made (%1)</source>
        <translation>impossible de créer le fichier de verrou (%1)</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source>The catalogue in %1 is in use by %2 (process %3).

Rackmere opens it once that program has finished. Retry waits for it again; Cancel closes Rackmere without changing anything.</source>
        <translation>Le catalogue de %1 est utilisé par %2 (processus %3).

Rackmere l&apos;ouvrira dès que ce programme aura terminé. « Réessayer » l&apos;attend de nouveau ; « Annuler » ferme Rackmere sans rien modifier.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <source>The catalogue in %1 is open read-only: %2. Changes cannot be saved.</source>
        <translation>Le catalogue de %1 est ouvert en lecture seule&#xa0;: %2. Les modifications ne peuvent pas être enregistrées.</translation>
    </message>
    <message numerus="yes">
        <source>Retry tries again. Discard closes Rackmere, and the changes made to these listings since it was last saved are lost.</source>
        <translation>
            <numerusform>« Réessayer » fait une nouvelle tentative. « Ne pas tenir compte » ferme Rackmere, et les modifications apportées à cette liste depuis son dernier enregistrement sont perdues.</numerusform>
            <numerusform>« Réessayer » fait une nouvelle tentative. « Ne pas tenir compte » ferme Rackmere, et les modifications apportées à ces listes depuis leur dernier enregistrement sont perdues.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your changes are kept. Rackmere tries again after your next change and when it closes.</source>
        <translation>Vos modifications sont conservées. Rackmere réessaiera après votre prochaine modification et à sa fermeture.</translation>
    </message>
    <message>
        <source>A listing holds at most %L1 bytes of a text. These longer texts were shortened to fit when their listing was saved:</source>
        <translation>Une liste conserve au plus %L1 octets d&apos;un texte. Ces textes plus longs ont été raccourcis à l&apos;enregistrement de leur liste&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items listed</source>
        <translation>
            <numerusform>%Ln élément listé</numerusform>
            <numerusform>%Ln éléments listés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmPrint</name>
    <message>
        <source>Nothing to print - please make your selections.</source>
        <translation>Rien à imprimer - veuillez faire vos choix.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmProps</name>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 octets)</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>environ %1</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>non enregistrée</translation>
    </message>
    <message>
        <source>Read when listed:</source>
        <translation>Lu lors de l&apos;ajout&#xa0;:</translation>
    </message>
    <message>
        <source>Not recorded when listed; Update reads:</source>
        <translation>Non enregistré lors de l&apos;ajout ; la mise à jour lit&#xa0;:</translation>
    </message>
    <message>
        <source>The root drive for this listing is not valid, please select a new one</source>
        <translation>Le lecteur racine de cette liste n&apos;est pas valide, veuillez en choisir un autre</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmResults</name>
    <message>
        <source>Listing</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Query:</source>
        <translation>Requête&#xa0;:</translation>
    </message>
    <message>
        <source>The query this search runs; type it in the search box to change it</source>
        <translation>La requête exécutée par cette recherche ; saisissez-la dans le champ de recherche pour la modifier</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Find all results</source>
        <translation>Résultats de Tout rechercher</translation>
    </message>
    <message>
        <source>Find all</source>
        <translation>Tout rechercher</translation>
    </message>
    <message>
        <source>Find all: no match</source>
        <translation>Tout rechercher&#xa0;: aucune correspondance</translation>
    </message>
    <message numerus="yes">
        <source>Find all: %Ln matches</source>
        <translation>
            <numerusform>Tout rechercher&#xa0;: %Ln correspondance</numerusform>
            <numerusform>Tout rechercher&#xa0;: %Ln correspondances</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (searching...)</source>
        <translation>%1 (recherche en cours...)</translation>
    </message>
    <message>
        <source>%1 (stopped)</source>
        <translation>%1 (arrêté)</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmSavedSearches</name>
    <message>
        <source>Saved searches</source>
        <translation>Recherches enregistrées</translation>
    </message>
    <message>
        <source>&amp;Saved searches:</source>
        <translation>&amp;Recherches enregistrées&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmSearch</name>
    <message>
        <source>The size &quot;%1&quot; is not a number.</source>
        <translation>La taille « %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The smallest size is larger than the largest.</source>
        <translation>La taille minimale est supérieure à la taille maximale.</translation>
    </message>
    <message>
        <source>The first date is later than the last.</source>
        <translation>La première date est postérieure à la dernière.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmSplash</name>
    <message>
        <source>Disk catalogue  V1.0</source>
        <translation>Catalogue de disques  V1.0</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
</context>
<context>
    <name>rkm::WelcomePanel</name>
    <message>
        <source>Welcome to Rackmere</source>
        <translation>Bienvenue dans Rackmere</translation>
    </message>
    <message>
        <source>Rackmere keeps a listing of every disk you own: CDs and DVDs, USB sticks, external hard disks, memory cards and network folders. Each listing holds the names, sizes and dates of all the disk&apos;s folders and files, so you can browse and search them all without plugging anything in.

Start with the disk or folder at hand: Rackmere reads it once and keeps its listing here.</source>
        <translation>Rackmere garde une liste de chacun de vos disques&#xa0;: CD et DVD, clés USB, disques durs externes, cartes mémoire et dossiers réseau. Chaque liste contient les noms, tailles et dates de tous les dossiers et fichiers du disque, pour que vous puissiez tout parcourir et tout rechercher sans rien brancher.

Commencez par le disque ou le dossier que vous avez sous la main&#xa0;: Rackmere le lit une fois et conserve sa liste ici.</translation>
    </message>
    <message>
        <source>Add a d&amp;isk…</source>
        <translation>Ajouter un d&amp;isque…</translation>
    </message>
</context>
<context>
    <name>rkm::cli::Say</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no size (a number, and b, k, m or g if not bytes)</source>
        <translation>%1 : « %2 » n&apos;est pas une taille (un nombre, et b, k, m ou g hors octets)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no date (YYYY-MM-DD, or this machine&apos;s short format)</source>
        <translation>%1 : « %2 » n&apos;est pas une date (YYYY-MM-DD, ou format court de cette machine)</translation>
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
        <translation>  --archives         lister le contenu des archives (zip, 7z, rar, tar.gz et
                     autres fichiers tar, cab, images ISO) comme des dossiers
                     portant leur nom ; rien n&apos;est décompressé
  --descriptions     lire les descriptions de descript.ion et file_id.diz
  --tags             décrire musique, photos et vidéos par leurs étiquettes
  --fingerprints     lire une fois le contenu de chaque fichier et en garder
                     l&apos;empreinte (XXH3-128, telle que l&apos;affiche xxhsum -H2),
                     pour verify --contents et duplicates --contents
  --pictures         garder une petite image (256 pixels) de chaque photo,
                     vidéo et fichier musical avec pochette
  --no-archives, --no-descriptions, --no-tags, --no-fingerprints, --no-pictures
                     ne pas lire cela

Un fichier dont le contenu ne peut pas être lu (erreur d&apos;E/S sur un disque
défaillant, permission refusée) est signalé sur la sortie d&apos;erreur standard
avec la raison donnée par le système, et listé sans empreinte ; les autres
sont lus malgré tout.
</translation>
    </message>
    <message>
        <source>%1 and %2 contradict each other</source>
        <translation>%1 et %2 se contredisent</translation>
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
Deux listes peuvent porter le même nom de disque (c&apos;est le cas de deux
analyses d&apos;un même dossier). Un nom que portent plusieurs listes est refusé
avec le code de sortie 2, et ces listes sont énumérées par leur fichier sur la
sortie d&apos;erreur standard ; désignez celle voulue par son fichier de liste
(1234.rkm), ou comme l&apos;affiche l&apos;application de bureau
(« Sauvegarde (1234.rkm) »), ce qui est aussi la façon dont les lignes
affichées nomment une telle liste.
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
Un seul programme à la fois écrit dans le catalogue. Tant que l&apos;application de
bureau est ouverte (ou qu&apos;une autre commande écrit), cette commande ne modifie
rien et se termine avec le code de sortie 4 :
« Le catalogue de DIR est utilisé par Rackmere (processus N) ».
Quand le catalogue ne peut pas être écrit du tout (son dossier est en lecture
seule, le disque est plein, permission refusée), elle ne modifie rien et se
termine avec le code de sortie 5 :
« Impossible d&apos;écrire le catalogue de DIR : REASON ».

  --wait SECONDS  attendre d&apos;abord au plus SECONDS secondes que le catalogue
                  soit libre
</translation>
    </message>
    <message>
        <source>rackmere-cli %1: no listing named &apos;%2&apos;</source>
        <translation>rackmere-cli %1: aucune liste nommée « %2 »</translation>
    </message>
    <message numerus="yes">
        <source>rackmere-cli %1: %n listings are named &apos;%2&apos;; name the one meant by its listing file:</source>
        <translation>
            <numerusform>rackmere-cli %1: %n liste s&apos;appelle « %2 » ; désignez celle voulue par son fichier de liste :</numerusform>
            <numerusform>rackmere-cli %1: %n listes s&apos;appellent « %2 » ; désignez celle voulue par son fichier de liste :</numerusform>
        </translation>
    </message>
    <message>
        <source>rackmere-cli %1: the name is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: le nom fait %2 octets ; une liste conserve au plus %3 octets d&apos;un texte. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the new name is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: le nouveau nom fait %2 octets ; une liste conserve au plus %3 octets d&apos;un texte. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the comment is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: le commentaire fait %2 octets ; une liste conserve au plus %3 octets d&apos;un texte. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the root path is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: le chemin racine fait %2 octets ; une liste conserve au plus %3 octets d&apos;un texte. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the description is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: la description fait %2 octets ; une liste conserve au plus %3 octets d&apos;un texte. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the category is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: la catégorie fait %2 octets ; une liste conserve au plus %3 octets d&apos;un texte. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the %2 is %3 bytes long; a listing holds at most %4 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: le champ %2 fait %3 octets ; une liste conserve au plus %4 octets d&apos;un texte. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: texts longer than %2 bytes were shortened to fit:</source>
        <translation>rackmere-cli %1: les textes de plus de %2 octets ont été raccourcis :</translation>
    </message>
    <message>
        <source>list every listing of the catalogue</source>
        <translation>lister toutes les listes du catalogue</translation>
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
        <translation>Utilisation : rackmere-cli list [--json]

Charge le catalogue comme le fait l&apos;application de bureau au démarrage et
affiche une ligne par liste, dans l&apos;ordre de l&apos;arborescence de l&apos;application
de bureau (par nom de disque, les nombres selon leur valeur : « Disque 2 »
avant « Disque 10 », sans tenir compte de la casse), les champs étant séparés
par des tabulations : fichier de liste, numéro de série du volume (8 chiffres
hexadécimaux), nom du disque, chemin racine, type de lecteur, nombre de
dossiers, nombre de fichiers.

  --json   afficher un tableau JSON d&apos;objets ayant les clés file, serial,
           name, rootPath, driveType, comment, folders, files, location,
           lentTo (où le disque est rangé et à qui il est prêté, &quot;&quot; si ce
           n&apos;est pas indiqué ; voir set) et onMount (ask, update ou ignore)

Code de sortie 1 quand un fichier de liste n&apos;a pas pu être chargé (chacun est
signalé sur la sortie d&apos;erreur standard) ; les listes chargées sont affichées
malgré tout.
</translation>
    </message>
    <message>
        <source>print the folders and files of one listing</source>
        <translation>afficher les dossiers et les fichiers d&apos;une liste</translation>
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
        <translation>Utilisation : rackmere-cli show LISTING [--json]

LISTING est le nom seul d&apos;un fichier de liste (1234.rkm) ou un nom de disque.
Affiche les dossiers et les fichiers du disque, ceux de chaque dossier dans
l&apos;ordre où ils ont été enregistrés, précédés d&apos;une ligne pour l&apos;endroit où le
disque est rangé, d&apos;une autre pour la personne à qui il est prêté et d&apos;une
autre pour ce qui est fait quand il est monté, si c&apos;est renseigné (voir set).

  --json   afficher un seul objet : file, serial, name, rootPath, driveType,
           comment, location, lentTo, onMount (tels que list --json les
           affiche), files (tableaux des cinq textes : nom, description,
           date, taille, catégorie), folders (objets avec name, comment,
           files, folders)
</translation>
    </message>
    <message>
        <source>catalogue a folder or drive as a new listing</source>
        <translation>cataloguer un dossier ou un lecteur comme nouvelle liste</translation>
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
        <translation>Utilisation : rackmere-cli add PATH --name NAME [--comment TEXT] [--threads N]
                               [--archives] [--no-descriptions] [--tags]
                               [--fingerprints] [--pictures]

Parcourt le dossier PATH et l&apos;enregistre comme une nouvelle liste nommée NAME,
exactement comme le fait la commande Ajouter de l&apos;application de bureau, puis
affiche le nom du nouveau fichier de liste. Un saut de ligne dans TEXT devient
un espace. Un NAME vide, un PATH qui n&apos;est pas un dossier accessible, ou un
NAME, un TEXT ou un chemin de dossier plus long que les 510 octets qu&apos;une
liste conserve d&apos;un texte, est refusé avec le code de sortie 2 et rien n&apos;est
écrit.

Le parcours maintient sur le volume autant de requêtes en attente que celui-ci
en traite au mieux : 64 sur un système de fichiers réseau ou FUSE, 32 sur un
disque SSD, 2 sur un disque dur, 1 sur un lecteur optique. --threads N (de 1
à 256) parcourt plutôt avec N fils d&apos;exécution ; la liste obtenue est la même
dans les deux cas.

Ce qui est lu en plus des noms, des dates et des tailles (comme les cases à
cocher d&apos;Ajouter ; par défaut, les descriptions seulement). Les choix sont
mémorisés pour la liste et réutilisés par update.

</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>name one listing</source>
        <translation>désignez une liste</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Emplacement : %1</translation>
    </message>
    <message>
        <source>Lent to: %1</source>
        <translation>Prêté à : %1</translation>
    </message>
    <message>
        <source>When the disk is mounted: %1</source>
        <translation>Quand le disque est monté : %1</translation>
    </message>
    <message>
        <source>name one folder to catalogue</source>
        <translation>indiquez un dossier à cataloguer</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to 256</source>
        <translation>--threads attend un nombre de 1 à 256</translation>
    </message>
    <message>
        <source>rackmere-cli add: the listing needs a name (--name NAME)</source>
        <translation>rackmere-cli add: la liste doit avoir un nom (--name NAME)</translation>
    </message>
    <message>
        <source>rackmere-cli add: &apos;%1&apos; is not a folder that can be entered</source>
        <translation>rackmere-cli add: « %1 » n&apos;est pas un dossier accessible</translation>
    </message>
    <message>
        <source>rackmere-cli add: %1: could not be read: %2</source>
        <translation>rackmere-cli add: %1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>tell whether local files are archived in a listing, by their contents</source>
        <translation>dire si des fichiers locaux sont archivés, d&apos;après leur contenu</translation>
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
        <translation>Utilisation : rackmere-cli have PATH... [--json]

Lit chaque fichier local nommé (pour un dossier : chaque fichier ordinaire
qu&apos;il contient, récursivement, sans suivre les liens), calcule son empreinte
et affiche où le catalogue contient le même contenu, quel que soit le nom
qu&apos;il y porte :

  PATH: held in LISTING: path/in/listing   une ligne par copie détenue
  PATH: not archived

Seules les listes lues avec empreintes (add ou update avec --fingerprints)
peuvent contenir un fichier. Un fichier illisible est signalé sur la sortie
d&apos;erreur standard avec la raison donnée par le système et compte comme non
archivé.

  --json   afficher un tableau d&apos;objets ayant les clés path et held (un
           tableau d&apos;objets ayant les clés listing, file et path), et error
           pour un fichier qui n&apos;a pas pu être lu

Code de sortie 0 quand chaque fichier est détenu quelque part, 1 sinon, 2 pour
une ligne de commande incorrecte.
</translation>
    </message>
    <message>
        <source>write the picture kept of a file in a listing</source>
        <translation>écrire l&apos;image conservée d&apos;un fichier d&apos;une liste</translation>
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
        <translation>Utilisation : rackmere-cli picture LISTING PATH -o FILE

LISTING est le nom seul d&apos;un fichier de liste (1234.rkm) ou un nom de disque ;
PATH est le chemin du fichier sous la racine de la liste (dossiers et nom
joints par &apos;/&apos;), ou la ligne que find affiche pour lui (le nom du disque en
premier). Écrit la petite image conservée du fichier quand la liste a été lue
avec --pictures.

  -o, --output FILE   le fichier à écrire : PNG, ou JPEG quand son nom se
                      termine par .jpg ou .jpeg ; - écrit du PNG sur la sortie
                      standard

Code de sortie 1 quand la liste ne contient aucune image de ce fichier, 2 pour
une ligne de commande incorrecte ou une liste introuvable.
</translation>
    </message>
    <message>
        <source>name the files or folders to look for</source>
        <translation>indiquez les fichiers ou les dossiers à rechercher</translation>
    </message>
    <message>
        <source>rackmere-cli have: the store beside the listings could not be read: %1</source>
        <translation>rackmere-cli have: impossible de lire les données à côté des listes : %1</translation>
    </message>
    <message>
        <source>rackmere-cli have: no file was found to read</source>
        <translation>rackmere-cli have: aucun fichier à lire n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>%1: not archived</source>
        <translation>%1: not archived</translation>
    </message>
    <message>
        <source>%1: held in %2: %3</source>
        <translation>%1: held in %2: %3</translation>
    </message>
    <message>
        <source>rackmere-cli have: %1: %2</source>
        <translation>rackmere-cli have: %1: %2</translation>
    </message>
    <message>
        <source>name one listing and one file&apos;s path</source>
        <translation>désignez une liste et le chemin d&apos;un fichier</translation>
    </message>
    <message>
        <source>name the file to write with -o FILE (- for standard output)</source>
        <translation>indiquez le fichier à écrire avec -o FILE (- pour la sortie standard)</translation>
    </message>
    <message>
        <source>rackmere-cli picture: the store beside the listings could not be read: %1</source>
        <translation>rackmere-cli picture: impossible de lire les données à côté des listes : %1</translation>
    </message>
    <message>
        <source>rackmere-cli picture: %1 holds no picture of &apos;%2&apos;</source>
        <translation>rackmere-cli picture: %1 ne contient aucune image de « %2 »</translation>
    </message>
    <message>
        <source>rackmere-cli picture: %1</source>
        <translation>rackmere-cli picture: %1</translation>
    </message>
    <message>
        <source>write listings as CSV, JSON or an HTML page</source>
        <translation>écrire des listes en CSV, en JSON ou en page HTML</translation>
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
        <translation>Utilisation : rackmere-cli export [LISTING...] [--format csv|json|html]
                                  [--pictures] -o FILE

Écrit les listes nommées, ou tout le catalogue quand aucune n&apos;est nommée, avec
chaque dossier et chaque fichier. LISTING est le nom seul d&apos;un fichier de
liste (1234.rkm) ou un nom de disque. Un enregistrement par dossier (dossier
racine de la liste compris) et par fichier : liste, chemin, nom, type (file ou
folder), taille en octets (seulement quand le texte de taille la donne
exactement, &quot;N bytes&quot;), texte de taille, date, description, catégorie,
commentaire. Les textes sont écrits en UTF-8 ; ceux des listes faites sous
Windows sont convertis depuis Windows-1252.

  --format csv    valeurs séparées par des virgules (RFC 4180), en UTF-8 avec
                  indicateur d&apos;ordre des octets (BOM), une ligne d&apos;en-tête,
                  une ligne par enregistrement
  --format json   un seul objet : les listes, chacune avec ses enregistrements
  --format html   une page autonome, sans autre fichier ni réseau : les listes
                  en arborescence repliable, un tableau des fichiers par
                  dossier, un champ de recherche qui filtre pendant la frappe
  --pictures      la page HTML montre l&apos;image conservée de chaque fichier qui
                  en a une (listes lues avec --pictures), dans la page même
  -o, --output FILE
                  le fichier à écrire, - pour la sortie standard

Sans --format, le format est donné par l&apos;extension de FILE (.csv, .json,
.html). Le fichier est écrit en entier ou pas du tout ; un export qui échoue
conserve l&apos;ancien fichier de ce nom. Code de sortie 1 quand une liste est
introuvable (rien n&apos;est écrit) ou qu&apos;un fichier de liste n&apos;a pas pu être
chargé (le reste est écrit), 2 pour une ligne de commande incorrecte.
</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (csv, json or html)</source>
        <translation>format inconnu « %1 » (csv, json ou html)</translation>
    </message>
    <message>
        <source>name the format with --format csv|json|html</source>
        <translation>indiquez le format avec --format csv|json|html</translation>
    </message>
    <message>
        <source>--pictures goes with --format html</source>
        <translation>--pictures ne s&apos;emploie qu&apos;avec --format html</translation>
    </message>
    <message>
        <source>rackmere-cli export: the pictures could not be read: %1</source>
        <translation>rackmere-cli export: impossible de lire les images : %1</translation>
    </message>
    <message>
        <source>rescan a listing&apos;s disk, keeping its annotations</source>
        <translation>relire le disque d&apos;une liste en gardant ses annotations</translation>
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
        <translation>Utilisation : rackmere-cli update LISTING [--force] [--reread] [--archives]
                                  [--descriptions] [--tags] [--fingerprints]
                                  [--pictures] [--no-archives]
                                  [--no-descriptions] [--no-tags]
                                  [--no-fingerprints] [--no-pictures]

LISTING est le nom seul d&apos;un fichier de liste (1234.rkm) ou un nom de disque.
Parcourt de nouveau le chemin racine de la liste, reporte les descriptions,
catégories et commentaires d&apos;après les noms, écrit la nouvelle liste sous un
nouveau nom de fichier puis supprime l&apos;ancien fichier, exactement comme le
fait la commande Mettre à jour de l&apos;application de bureau. Affiche le nom du
nouveau fichier de liste.

  --force  mettre à jour même quand le volume présent a un autre numéro de
           série, que le chemin racine contient un octet NUL ou n&apos;est pas un
           chemin complet, ou que le chemin racine d&apos;un disque amovible est
           désormais un dossier du système (/, /usr, /home...)

Une liste faite sous Windows (chemin racine E:\...) désigne un lecteur, pas un
dossier d&apos;ici : indiquez d&apos;abord son lecteur dans les Propriétés de
l&apos;application de bureau.

Code de sortie 2 quand le chemin racine n&apos;est pas accessible (le message
indique le lecteur ou le point de montage où le disque est attendu), 3 quand
le numéro de série du volume diffère de celui de la liste ou que le chemin
racine est endommagé ou est un dossier système (rien n&apos;est modifié), 1 quand
la liste est introuvable ou que la nouvelle liste ne peut pas être écrite
(l&apos;ancien fichier est conservé).

Le disque est lu comme il l&apos;a été lors de la création ou de la dernière mise
à jour de la liste (selon les choix mémorisés pour la liste ; pour une liste
qui n&apos;en a aucun, les descriptions seulement). Chaque choix nommé ci-dessous
active ou désactive la lecture correspondante, pour cette mise à jour et les
suivantes ; les autres restent tels que mémorisés.

Un fichier dont la taille et la date sont inchangées garde son empreinte et
son image sans être relu ;
  --reread  relit malgré tout le contenu de chaque fichier

</translation>
    </message>
    <message>
        <source>give a listing another disk name</source>
        <translation>donner un autre nom de disque à une liste</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli rename LISTING NEWNAME

Renames the disk of a listing and rewrites its listing file under the same
file name. An empty NEWNAME, or one longer than the 510 bytes a listing
holds of a text, is refused with exit status 2 and nothing is changed; the
same name as before changes nothing either.
</source>
        <translation>Utilisation : rackmere-cli rename LISTING NEWNAME

Renomme le disque d&apos;une liste et réécrit son fichier de liste sous le même nom
de fichier. Un NEWNAME vide, ou plus long que les 510 octets qu&apos;une liste
conserve d&apos;un texte, est refusé avec le code de sortie 2 et rien n&apos;est
modifié ; le même nom qu&apos;avant ne modifie rien non plus.
</translation>
    </message>
    <message>
        <source>delete a listing and its file</source>
        <translation>supprimer une liste et son fichier</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli delete LISTING

Deletes the listing file of a disk from the catalogue. Exit status 1 when the
listing is not found or its file cannot be deleted.
</source>
        <translation>Utilisation : rackmere-cli delete LISTING

Supprime du catalogue le fichier de liste d&apos;un disque. Code de sortie 1 quand
la liste est introuvable ou que son fichier ne peut pas être supprimé.
</translation>
    </message>
    <message>
        <source>%1; this is probably not the disk of the listing. Nothing was changed (--force updates all the same).</source>
        <translation>%1 ; ce n&apos;est probablement pas le disque de la liste. Rien n&apos;a été modifié (--force met à jour malgré tout).</translation>
    </message>
    <message>
        <source>could not find the disk: please make sure that the disk &apos;%1&apos; is in drive %2 (the listing&apos;s root path %3 cannot be entered)</source>
        <translation>disque introuvable : vérifiez que le disque « %1 » est dans le lecteur %2 (le chemin racine de la liste, %3, n&apos;est pas accessible)</translation>
    </message>
    <message>
        <source>the serial number of the disk (%1) is %2, not %3 as that of the original one; this probably means that it is the wrong disk. Nothing was changed (--force updates all the same).</source>
        <translation>le numéro de série du disque (%1) est %2, et non %3 comme celui du disque d&apos;origine ; ce n&apos;est probablement pas le bon disque. Rien n&apos;a été modifié (--force met à jour malgré tout).</translation>
    </message>
    <message>
        <source>%1: could not be read: %2</source>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>name one listing and its new name</source>
        <translation>désignez une liste et son nouveau nom</translation>
    </message>
    <message>
        <source>the new name must not be empty</source>
        <translation>le nouveau nom ne doit pas être vide</translation>
    </message>
    <message>
        <source>new name</source>
        <translation>nouveau nom</translation>
    </message>
    <message>
        <source>error deleting file %1</source>
        <translation>erreur lors de la suppression du fichier %1</translation>
    </message>
    <message>
        <source>list the listings whose disks are mounted now</source>
        <translation>lister les listes dont le disque est monté en ce moment</translation>
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
        <translation>Utilisation : rackmere-cli online [--json]

Affiche chaque liste dont le disque est actuellement monté, une par ligne : le
nom sous lequel la liste est affichée, une tabulation et l&apos;endroit où son
disque est monté. Un disque est reconnu par l&apos;UUID de son système de fichiers
(conservé avec la liste lors de son ajout ou de sa dernière mise à jour) ou,
pour une liste faite sous Windows, par son numéro de série ; jamais par son
nom de volume. Les montages sont demandés à udisks2 s&apos;il fonctionne, sinon
lus dans la table des montages.

  --json   afficher un tableau d&apos;objets ayant les clés name, file, mountPoint,
           uuid et label
</translation>
    </message>
    <message>
        <source>follow disks as they are mounted and unmounted</source>
        <translation>suivre le montage et le démontage des disques</translation>
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
        <translation>Utilisation : rackmere-cli watch [--update-known] [--json]

Suit le montage et le démontage des volumes jusqu&apos;à son arrêt (Ctrl+C, ou le
signal TERM), et affiche une ligne pour chacun :

  mounted MOUNTPOINT (LABEL): LISTING, LISTING
  mounted MOUNTPOINT (LABEL): not catalogued
  unmounted MOUNTPOINT

  --update-known   mettre à jour aussitôt la liste d&apos;un disque monté qui doit
                   être mise à jour au montage de son disque (on-mount:
                   update, réglé dans les propriétés de la liste de
                   l&apos;application de bureau), comme le fait
                   &apos;rackmere-cli update&apos;, et afficher &apos;updated LISTING&apos;
                   (ou &apos;not updated LISTING&apos;, avec la raison sur la sortie
                   d&apos;erreur standard). Chaque mise à jour prend le verrou
                   d&apos;écriture du catalogue pendant qu&apos;elle s&apos;exécute, en
                   attendant au plus une minute qu&apos;il soit libre.
  --json           afficher à la place un objet JSON par ligne, avec les clés
                   event (mounted, unmounted, updated, not-updated),
                   mountPoint, uuid et label, et listings (objets ayant les
                   clés name et file) pour mounted, name et file pour une
                   mise à jour

Rien n&apos;est lu tant que rien ne change : les montages sont signalés par
udisks2, ou par le noyau en l&apos;absence d&apos;udisks2. Une liste ajoutée entre-temps
est reconnue au montage suivant.
</translation>
    </message>
    <message>
        <source>online takes no listing</source>
        <translation>online n&apos;accepte aucune liste</translation>
    </message>
    <message>
        <source>mounted %1: not catalogued</source>
        <translation>mounted %1: not catalogued</translation>
    </message>
    <message>
        <source>mounted %1: %2</source>
        <translation>mounted %1: %2</translation>
    </message>
    <message>
        <source>unmounted %1</source>
        <translation>unmounted %1</translation>
    </message>
    <message>
        <source>%1 was not updated: the catalogue in %2 is in use by Rackmere (process %3)</source>
        <translation>%1 n&apos;a pas été mise à jour : Rackmere utilise le catalogue de %2 (processus %3)</translation>
    </message>
    <message>
        <source>%1 was not updated: the catalogue in %2 is in use by Rackmere</source>
        <translation>%1 n&apos;a pas été mise à jour : Rackmere utilise le catalogue de %2</translation>
    </message>
    <message>
        <source>%1 was not updated: the catalogue in %2 cannot be written: %3</source>
        <translation>%1 n&apos;a pas été mise à jour : impossible d&apos;écrire le catalogue de %2 : %3</translation>
    </message>
    <message>
        <source>updated %1</source>
        <translation>updated %1</translation>
    </message>
    <message>
        <source>not updated %1</source>
        <translation>not updated %1</translation>
    </message>
    <message>
        <source>%1 was not updated: its listing %2 is gone</source>
        <translation>%1 n&apos;a pas été mise à jour : sa liste %2 n&apos;existe plus</translation>
    </message>
    <message>
        <source>watch takes no listing</source>
        <translation>watch n&apos;accepte aucune liste</translation>
    </message>
    <message>
        <source>cannot wait for the signals that end it: %1</source>
        <translation>impossible d&apos;attendre les signaux qui y mettent fin : %1</translation>
    </message>
    <message>
        <source>print a listing to a PDF file or its preview to a PNG image</source>
        <translation>imprimer une liste en PDF, ou son aperçu en image PNG</translation>
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
        <translation>Utilisation : rackmere-cli print LISTING
                                 (--pdf FILE | --preview-png FILE [--page N])
                                 [--layout list|cover|back]
                                 [--frame | --no-frame]

Met en page la liste comme le fait la commande Imprimer de l&apos;application de
bureau, avec les réglages d&apos;impression enregistrés et les fichiers de filtre
FILES.FLT et FOLDERS.FLT du dossier du catalogue (niveaux d&apos;arborescence à 0).
LISTING est le nom seul d&apos;un fichier de liste ou un nom de disque.

  --pdf FILE          imprimer dans un fichier PDF (A4) à 600 points par
                      pouce ; une liste du contenu occupe autant de pages
                      qu&apos;il le faut, chacune avec le nom du disque en haut et
                      « Page n sur m » en bas ; les lignes qui ne tiennent pas
                      sur une pochette continuent en dessous
  --preview-png FILE  écrire l&apos;image d&apos;aperçu (540 x 470 pixels) en PNG
  --page N            la page de l&apos;aperçu à écrire (à partir de 1 ; 1 par
                      défaut) ; une liste du contenu plus longue que l&apos;image
                      en compte plusieurs
  --layout L          list (liste du contenu), cover (pochette de CD,
                      12 x 12 cm) ou back (verso de pochette de CD avec
                      tranches) ; par défaut : celle enregistrée
  --frame, --no-frame tracer ou non la bordure de la pochette choisie ; par
                      défaut : selon le réglage enregistré
</translation>
    </message>
    <message>
        <source>give one of --pdf FILE and --preview-png FILE</source>
        <translation>donnez soit --pdf FILE, soit --preview-png FILE</translation>
    </message>
    <message>
        <source>the output file needs a name</source>
        <translation>le fichier de sortie doit avoir un nom</translation>
    </message>
    <message>
        <source>give --frame or --no-frame, not both</source>
        <translation>donnez --frame ou --no-frame, pas les deux</translation>
    </message>
    <message>
        <source>--page goes with --preview-png</source>
        <translation>--page ne s&apos;emploie qu&apos;avec --preview-png</translation>
    </message>
    <message>
        <source>--page is a page number from 1, not &apos;%1&apos;</source>
        <translation>--page attend un numéro de page à partir de 1, pas « %1 »</translation>
    </message>
    <message>
        <source>--layout is list, cover or back, not &apos;%1&apos;</source>
        <translation>--layout attend list, cover ou back, pas « %1 »</translation>
    </message>
    <message>
        <source>rackmere-cli print: Nothing to print - please make your selections. (The stored defaults choose &quot;Specify:&quot; with none of its boxes checked.)</source>
        <translation>rackmere-cli print: Rien à imprimer - veuillez faire vos choix. (Les réglages enregistrés choisissent « Préciser : » sans aucune case cochée.)</translation>
    </message>
    <message>
        <source>list files that have copies, across all listings or within one</source>
        <translation>lister les fichiers en double, dans tout le catalogue ou une liste</translation>
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
        <translation>Utilisation : rackmere-cli duplicates [--contents] [--min-size SIZE]
                                       [--listing LISTING] [--json]

Regroupe les entrées de fichier qui ont le même nom (sans tenir compte de la
casse, sur le texte décodé : un nom venant d&apos;une liste Windows rejoint son
jumeau en UTF-8) et le même texte de taille, et affiche chaque groupe : une
ligne avec le nom, la taille, le nombre de copies et l&apos;espace occupé par
toutes les copies sauf une, puis une ligne par copie (nom du disque, dossiers
et nom de fichier joints par &apos;/&apos;). Les groupes qui gaspillent le plus de
place viennent en premier ; les copies sont dans l&apos;ordre du catalogue. Les
entrées dont le texte de taille est illisible sont ignorées.

  --contents          regrouper plutôt par contenu : les fichiers dont les
                      empreintes sont identiques, quels que soient leurs noms
                      et leurs dates, parmi les listes lues avec
                      --fingerprints ; un groupe porte le nom de sa première
                      copie
  --min-size SIZE     ignorer les fichiers plus petits que SIZE (1m par
                      défaut) : un nombre avec une unité facultative b, k, m,
                      g (1 KB = 1024 octets) ; 0 garde tous les fichiers
  --listing LISTING   seulement les copies dans cette liste (le nom seul d&apos;un
                      fichier comme 1234.rkm, ou un nom de disque)
  --json              afficher un tableau de groupes ayant les clés name, size
                      (le texte de taille), bytes, copies, wasted et entries
                      (objets ayant les clés listing, disk, folders, file et
                      index)

Code de sortie 0 s&apos;il y a des copies, 1 s&apos;il n&apos;y en a aucune (« Aucun doublon
trouvé » sur la sortie d&apos;erreur standard), quand la liste est introuvable,
quand un fichier de liste n&apos;a pas pu être chargé, ou avec --contents quand les
données conservées à côté des listes n&apos;ont pas pu être lues ; 2 pour une
taille illisible.
</translation>
    </message>
    <message>
        <source>compare two listings: what only one holds and what changed</source>
        <translation>comparer deux listes : ce qui est propre à l&apos;une, ce qui a changé</translation>
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
        <translation>Utilisation : rackmere-cli diff A B [--json]

A et B sont des listes (le nom seul d&apos;un fichier comme 1234.rkm, ou un nom de
disque). Les compare par chemin depuis la racine et affiche une ligne par
différence, dossier par dossier (ses fichiers, puis ses dossiers). La casse
compte dans les noms ; un nom venant d&apos;une liste faite sous Windows est le
même que son écriture en UTF-8. Les chemins sont affichés en UTF-8. Les
lignes :

  - PATH                      seulement dans A
  + PATH                      seulement dans B
  ~ PATH: size X -&gt; Y, date X -&gt; Y   dans les deux, taille ou date différente

Un dossier présent dans une seule des listes tient en une ligne, son chemin se
terminant par &apos;/&apos;, avec le nombre de dossiers et de fichiers qu&apos;il contient.
Les tailles se comparent selon ce que représentent les textes de taille, les
dates au jour près, les dates de chaque liste étant lues dans l&apos;ordre qui lui
est propre. Descriptions, catégories et commentaires ne comptent pas. Une
dernière ligne donne les totaux.

  --json   afficher un objet ayant les clés a et b (liste et disque), onlyInA,
           onlyInB et changed (tableaux d&apos;objets ayant les clés path et
           folder, files et folders pour un dossier, size et date sous la
           forme [A, B] quand elles ont changé) et counts

Code de sortie 0 quand les listes sont identiques, 1 quand elles diffèrent, 2
quand une liste est introuvable.
</translation>
    </message>
    <message>
        <source>scan a listing&apos;s disk again and tell what changed, changing nothing</source>
        <translation>comparer de nouveau un disque à sa liste, sans rien modifier</translation>
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
        <translation>Utilisation : rackmere-cli verify LISTING [--contents] [--force] [--json]

LISTING est le nom seul d&apos;un fichier de liste (1234.rkm) ou un nom de disque.
Parcourt de nouveau le chemin racine de la liste, avec les mêmes vérifications
que update (le chemin est accessible, le numéro de série du volume est celui
de la liste), et compare ce qui s&apos;y trouve avec la liste, comme le fait diff
avec la liste pour A et le disque pour B :

  + PATH   ajouté : sur le disque, pas dans la liste
  - PATH   supprimé : dans la liste, plus sur le disque
  ~ PATH: size X -&gt; Y, date X -&gt; Y   modifié

et une dernière ligne avec les totaux. Rien n&apos;est modifié ni écrit : c&apos;est
ainsi qu&apos;on vérifie qu&apos;une ancienne sauvegarde est toujours intacte.

  --contents  relire chaque fichier et comparer son empreinte avec celle
           conservée (la liste a été ajoutée ou mise à jour avec
           --fingerprints) ; en plus des lignes ci-dessus, signale chaque
           fichier dont la taille et la date sont identiques mais pas le
           contenu, et chaque fichier qui n&apos;a pas pu être lu, avec la raison
           donnée par le système :
             ~ PATH: contenu modifié : une erreur de bit ou un écrasement silencieux
             ! PATH: lecture impossible : REASON
           Un fichier illisible n&apos;empêche pas la lecture des autres.
  --force  vérifier même quand le volume présent a un autre numéro de série,
           ou que le chemin racine est endommagé ou que celui d&apos;un disque
           amovible est désormais un dossier système (comme update)
  --json   afficher un objet ayant les clés listing, disk, root, added,
           removed, changed (comme les tableaux de diff) et counts ; avec
           --contents, aussi contents (objets avec path et, pour un fichier
           illisible, error)

Code de sortie 0 quand le disque correspond à sa liste, 1 quand il diffère
(avec --contents, aussi quand des contenus diffèrent ou qu&apos;un fichier n&apos;a pas
pu être lu), 2 quand la liste est introuvable, que son chemin racine n&apos;est pas
accessible ou que --contents est donné pour une liste sans empreintes, 3 quand
le numéro de série du volume diffère de celui de la liste ou que le chemin
racine est endommagé ou est un dossier système.
</translation>
    </message>
    <message>
        <source>takes no positional arguments</source>
        <translation>n&apos;accepte aucun argument positionnel</translation>
    </message>
    <message>
        <source>the store beside the listings could not be read: %1</source>
        <translation>impossible de lire les données à côté des listes : %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n copies (%3 wasted)</source>
        <extracomment>A group of copies: the file&apos;s name, its size, how many copies, the space all but one take.</extracomment>
        <translation>
            <numerusform>%1, %2, %n copie (%3 gaspillés)</numerusform>
            <numerusform>%1, %2, %n copies (%3 gaspillés)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3 wasted</source>
        <extracomment>The groups of copies, the files in them, the space wasted: &quot;3 groups&quot;, &quot;7 files&quot;, a size.</extracomment>
        <translation>%1, %2, %3 gaspillés</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n groupe</numerusform>
            <numerusform>%n groupes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicates were found</source>
        <translation>Aucun doublon trouvé</translation>
    </message>
    <message>
        <source>size %1 -&gt; %2</source>
        <translation>size %1 -&gt; %2</translation>
    </message>
    <message>
        <source>date %1 -&gt; %2</source>
        <translation>date %1 -&gt; %2</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <extracomment>What a folder holds: &quot;2 folders&quot;, &quot;5 files&quot;.</extracomment>
        <translation>(%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n dossier</numerusform>
            <numerusform>%n dossiers</numerusform>
        </translation>
    </message>
    <message>
        <source>name two listings</source>
        <translation>désignez deux listes</translation>
    </message>
    <message>
        <source>%1 only in A (%2), %3 only in B (%4), %5 changed</source>
        <translation>%1 seulement dans A (%2), %3 seulement dans B (%4), %5 modification(s)</translation>
    </message>
    <message>
        <source>%1; this is probably not the disk of the listing (--force verifies all the same).</source>
        <translation>%1 ; ce n&apos;est probablement pas le disque de la liste (--force vérifie malgré tout).</translation>
    </message>
    <message>
        <source>could not find the disk: &apos;%1&apos; cannot be entered</source>
        <translation>disque introuvable : « %1 » n&apos;est pas accessible</translation>
    </message>
    <message>
        <source>the serial number of the disk (%1) is %2, not %3 as that of the original one; this probably means that it is the wrong disk (--force verifies all the same).</source>
        <translation>le numéro de série du disque (%1) est %2, et non %3 comme celui du disque d&apos;origine ; ce n&apos;est probablement pas le bon disque (--force vérifie malgré tout).</translation>
    </message>
    <message>
        <source>%1 has no fingerprints: add or update it with --fingerprints</source>
        <translation>%1 n&apos;a pas d&apos;empreintes : ajoutez-la ou mettez-la à jour avec --fingerprints</translation>
    </message>
    <message>
        <source>The disk matches its listing</source>
        <translation>Le disque correspond à sa liste</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 with changed contents, %5 unreadable</source>
        <translation>%1 ajout(s), %2 suppression(s), %3 modification(s), %4 contenu(s) modifié(s), %5 illisible(s)</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed</source>
        <translation>%1 ajout(s), %2 suppression(s), %3 modification(s)</translation>
    </message>
    <message>
        <source>search every listing with a query</source>
        <translation>chercher dans toutes les listes avec une requête</translation>
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
        <translation>Utilisation : rackmere-cli find QUERY [--case-sensitive] [--no-folder-names]
                                [--no-filenames] [--category NAME]
                                [--min-size SIZE] [--max-size SIZE]
                                [--after DATE] [--before DATE]
                                [--listing LISTING] [--limit N] [--count]
                                [--json | -0]

Cherche dans toutes les listes les disques, dossiers et entrées de fichier
auxquels QUERY correspond, et affiche chaque correspondance dans l&apos;ordre où
la commande Tout rechercher de l&apos;application de bureau les présente, une par
ligne : un disque ou un dossier sous la forme du nom du disque et des noms de
dossiers joints par &apos;/&apos; et terminés par &apos;/&apos;, une entrée de fichier sous la
forme de ce chemin suivi du nom du fichier. La réponse vient de l&apos;index de
recherche (un cache sous $XDG_CACHE_HOME/rackmere/) quand il est à jour par
rapport aux fichiers de liste, sinon des listes elles-mêmes, qui mettent alors
l&apos;index à jour ; dans les deux cas, la sortie est la même.

QUERY suit le langage du champ de recherche de l&apos;application de bureau :
chaque mot doit figurer dans le nom (la casse ne compte pas), &quot;une expression&quot;
avec des espaces, &apos;*&apos; et &apos;?&apos; font d&apos;un mot un motif portant sur le nom entier
(*.avi), OR (ou |), NOT (ou un - initial), les parenthèses, et les champs
ext:mp3;flac, size:&gt;10MB, size:1MB..5MB, date:2019, date:&gt;=2019-03, cat:,
desc:, comment:, disk:, path:, type:file, type:folder, regex:. Une requête
illisible termine la commande avec le code de sortie 2, en indiquant la
position (en caractères à partir de 1) et la raison. Une QUERY vide (&quot;&quot;)
représente toutes les entrées de fichier, de sorte que seules les options
font le choix. Une QUERY qui commence par &apos;-&apos; est lue comme une requête (-tmp
désigne les noms sans tmp) ; mettez -- avant une requête qui commence par
&apos;--&apos; ou qui vaut -0.

Les options se combinent à QUERY par AND :
  --case-sensitive    la casse compte dans les mots et les champs texte
  --no-folder-names   seulement les entrées de fichier (type:file)
  --no-filenames      seulement les disques et les dossiers (type:folder)
  --category NAME     seulement les entrées de fichier ayant exactement cette
                      catégorie (cat:=NAME ; un NAME vide : les entrées sans
                      catégorie)
  --min-size SIZE     seulement les fichiers d&apos;au moins SIZE, --max-size d&apos;au
                      plus SIZE : un nombre avec une unité facultative b, k,
                      m, g (KB, MB, GB ; 1 KB = 1024 octets), comme 700m ou
                      1.5g. Les tailles sont lues dans les textes de taille :
                      &quot;1 Kb&quot; désigne toute taille de 1025 à 2047 octets et
                      est retenu si cet intervalle chevauche celui demandé
  --after DATE        seulement les fichiers datés d&apos;après DATE, --before
                      d&apos;avant DATE (le jour lui-même exclu) ; DATE est au
                      format YYYY-MM-DD ou une date au format court de cette
                      machine. Les dates d&apos;une liste sont lues dans l&apos;ordre
                      que montrent ses propres textes (un jour supérieur à 12
                      distingue le jour du mois), sinon dans l&apos;ordre de cette
                      machine
  --listing LISTING   seulement dans cette liste (le nom seul d&apos;un fichier
                      comme 1234.rkm, ou un nom de disque)
  --glob, --no-descriptions
                      conservées pour les scripts, sans effet : les mots ne
                      sont cherchés que dans les noms (desc: cherche dans les
                      descriptions), et &apos;*&apos; ou &apos;?&apos; font toujours d&apos;un mot un
                      motif

Ce qui est affiché :
  --limit N           seulement les N premières correspondances
  --count             seulement le nombre de correspondances
  --json              un tableau d&apos;objets ayant les clés listing, disk,
                      folders (noms sous le disque), file et index (null
                      pour un disque ou un dossier)
  -0                  chaque ligne terminée par un octet NUL au lieu d&apos;un saut
                      de ligne, pour xargs -0

Code de sortie 0 s&apos;il y a des correspondances, 1 s&apos;il n&apos;y en a aucune
(« Aucune entrée correspondante trouvée » sur la sortie d&apos;erreur standard) ou
quand un fichier de liste n&apos;a pas pu être chargé (chacun est signalé sur la
sortie d&apos;erreur standard ; les correspondances des autres sont affichées
malgré tout), 2 pour une requête, une taille ou une date illisible.
</translation>
    </message>
    <message>
        <source>set the description and category of a file entry</source>
        <translation>régler la description et la catégorie d&apos;une entrée de fichier</translation>
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
        <translation>Utilisation : rackmere-cli describe LISTING PATH [--description TEXT]
                                    [--category TEXT]

LISTING est le nom seul d&apos;un fichier de liste (1234.rkm) ou un nom de disque.
PATH est formé des noms de dossiers sous le disque et du nom du fichier,
joints par &apos;/&apos; (readme.txt, Docs/Old/readme.txt). Règle ce qui est donné, un
saut de ligne devenant un espace, et enregistre la liste. Comme dans les
propriétés d&apos;une entrée de fichier de l&apos;application de bureau, la catégorie
de l&apos;entrée est ajoutée à DATA.CAT sauf si elle y figure déjà, quelle qu&apos;en
soit la casse. Les noms correspondent tels qu&apos;ils se lisent, y compris dans
une liste faite sous Windows ; un texte qui se lit comme celui enregistré est
laissé tel qu&apos;il est enregistré.

Code de sortie 2 quand un TEXT dépasse les 510 octets qu&apos;une liste conserve
d&apos;un texte (rien n&apos;est modifié), 1 quand la liste ou l&apos;entrée est absente ou
qu&apos;un fichier ne peut pas être écrit.
</translation>
    </message>
    <message>
        <source>name a listing and a file entry&apos;s path</source>
        <translation>désignez une liste et le chemin d&apos;une entrée de fichier</translation>
    </message>
    <message>
        <source>description</source>
        <translation>description</translation>
    </message>
    <message>
        <source>category</source>
        <translation>catégorie</translation>
    </message>
    <message>
        <source>no folder &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>aucun dossier « %1 » dans « %2 »</translation>
    </message>
    <message>
        <source>no file entry &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>aucune entrée de fichier « %1 » dans « %2 »</translation>
    </message>
    <message>
        <source>say where a listing&apos;s disk is kept and to whom it is lent</source>
        <translation>indiquer où est rangé le disque d&apos;une liste et à qui il est prêté</translation>
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
        <translation>Utilisation : rackmere-cli set LISTING [--location TEXT] [--lent-to TEXT]
                               [--on-mount ask|update|ignore]

LISTING est le nom seul d&apos;un fichier de liste (1234.rkm) ou un nom de disque.
Conserve ce qui est donné à côté de la liste, comme le font les propriétés de
la liste dans l&apos;application de bureau ; ce qui n&apos;est pas donné reste inchangé.

  --location TEXT   où le disque est rangé (&quot;Étagère B3, boîte 2&quot;) ;
                    &quot;&quot; l&apos;efface
  --lent-to TEXT    à qui il est prêté, avec une date si vous le souhaitez
                    (&quot;Anne, 3 mai&quot;) ; &quot;&quot; l&apos;efface
  --on-mount WORD   ce que fait l&apos;application de bureau quand le disque est
                    monté : ask (par défaut), update (met à jour la liste
                    aussitôt) ou ignore

Un saut de ligne dans TEXT devient un espace, et les espaces aux deux
extrémités sont retirés. `list --json` et `show` affichent ce qui est conservé.

Code de sortie 2 quand rien n&apos;est donné, qu&apos;un TEXT dépasse 1 000 octets ou
que WORD n&apos;est aucune des trois valeurs (rien n&apos;est modifié), 1 quand la liste
est absente ou ne peut pas être écrite.
</translation>
    </message>
    <message>
        <source>say what to set: --location, --lent-to or --on-mount</source>
        <translation>indiquez ce qu&apos;il faut régler : --location, --lent-to ou --on-mount</translation>
    </message>
    <message>
        <source>rackmere-cli set: %1 Nothing was changed.</source>
        <translation>rackmere-cli set: %1 Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>--on-mount takes ask, update or ignore, not &apos;%1&apos;</source>
        <translation>--on-mount attend ask, update ou ignore, pas « %1 »</translation>
    </message>
    <message>
        <source>rackmere-cli set: %1</source>
        <translation>rackmere-cli set: %1</translation>
    </message>
    <message>
        <source>give one query (&quot;&quot; for every file entry)</source>
        <translation>donnez une requête (&quot;&quot; pour toutes les entrées de fichier)</translation>
    </message>
    <message>
        <source>--json and -0 are two ways of printing; give one</source>
        <translation>--json et -0 sont deux façons d&apos;afficher ; donnez-en une seule</translation>
    </message>
    <message>
        <source>--limit takes a number of matches from 1 on, not &apos;%1&apos;</source>
        <translation>--limit attend un nombre de correspondances à partir de 1, pas « %1 »</translation>
    </message>
    <message>
        <source>the options make no query (%1): %2</source>
        <translation>les options ne forment aucune requête (%1) : %2</translation>
    </message>
    <message>
        <source>rackmere-cli find: bad query at position %1: %2</source>
        <translation>rackmere-cli find: requête incorrecte à la position %1 : %2</translation>
    </message>
    <message>
        <source>No matching entry was found</source>
        <translation>Aucune entrée correspondante trouvée</translation>
    </message>
    <message>
        <source>rackmere-cli find: %1</source>
        <translation>rackmere-cli find: %1</translation>
    </message>
    <message>
        <source>rackmere-cli: cannot start %1: it is not installed</source>
        <translation>rackmere-cli: impossible de lancer %1 : il n&apos;est pas installé</translation>
    </message>
    <message>
        <source>rackmere-cli: cannot start %1: %2</source>
        <translation>rackmere-cli: impossible de lancer %1 : %2</translation>
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
        <translation>Utilisation : rackmere-cli [--dir DIR] COMMAND [ARGS...]

Le catalogue de disques de Rackmere depuis un terminal. Le catalogue est le
dossier DIR, sinon $RACKMERE_DIR, sinon ~/.local/share/Rackmere/. Un dossier
désigné par --dir ou $RACKMERE_DIR qui est absent ou n&apos;est pas un dossier
termine une commande de lecture avec le code de sortie 2 ; une commande
d&apos;écriture crée le dossier absent. La table des montages, /sys et /dev sont
lus sous $RACKMERE_SYSROOT quand cette variable est définie (/ par défaut).

Une liste est désignée par son fichier de liste (1234.rkm) ou par son nom de
disque. Un nom de disque que portent plusieurs listes termine une commande
avec le code de sortie 2, et ces listes sont énumérées par fichier sur la
sortie d&apos;erreur standard.

  --help      afficher cette aide
  --version   afficher la version du programme

Commandes :
</translation>
    </message>
    <message>
        <source>
&apos;rackmere-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
&apos;rackmere-cli COMMAND --help&apos; décrit une commande.
</translation>
    </message>
    <message>
        <source>rackmere-cli: --dir needs a folder</source>
        <translation>rackmere-cli: --dir attend un dossier</translation>
    </message>
    <message>
        <source>rackmere-cli: unknown command &apos;%1&apos;</source>
        <translation>rackmere-cli: commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--wait attend un nombre de secondes, pas « %1 »</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the catalogue folder %2 is not a folder</source>
        <translation>rackmere-cli %1: le dossier du catalogue %2 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>rackmere-cli %1: there is no catalogue folder %2</source>
        <translation>rackmere-cli %1: le dossier du catalogue %2 n&apos;existe pas</translation>
    </message>
    <message>
        <source>rackmere-cli %1: The catalogue in %2 is in use by Rackmere (process %3)</source>
        <translation>rackmere-cli %1: Le catalogue de %2 est utilisé par Rackmere (processus %3)</translation>
    </message>
    <message>
        <source>rackmere-cli %1: The catalogue in %2 is in use by Rackmere</source>
        <translation>rackmere-cli %1: Le catalogue de %2 est utilisé par Rackmere</translation>
    </message>
    <message>
        <source>rackmere-cli %1: The catalogue in %2 cannot be written: %3</source>
        <translation>rackmere-cli %1: Impossible d&apos;écrire le catalogue de %2 : %3</translation>
    </message>
</context>
</TS>
