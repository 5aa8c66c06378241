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
        <source>A disk that is not in the catalogue is mounted at %1</source>
        <translation>Un disque absent du catalogue est monté sur %1</translation>
    </message>
</context>
</TS>
