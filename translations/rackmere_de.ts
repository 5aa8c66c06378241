<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>&amp;Disks</source>
        <translation>&amp;Datenträger</translation>
    </message>
    <message>
        <source>&amp;Offer what to do when a disk is mounted</source>
        <translation>Beim Einhängen eines Datenträgers &amp;nachfragen</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Tarnwell website</source>
        <translation>&amp;Tarnwell-Webseite</translation>
    </message>
    <message>
        <source>&amp;Email support</source>
        <translation>&amp;E-Mail-Support</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation>&amp;Datenträger</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>Rackmere shows the chosen language from its next start.</source>
        <translation>Rackmere zeigt die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Add new...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Update...</source>
        <translation>&amp;Aktualisieren...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation>E&amp;igenschaften...</translation>
    </message>
    <message>
        <source>&amp;Compare with...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>&amp;Verify...</source>
        <translation>&amp;Prüfen...</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Search &amp;names</source>
        <translation>&amp;Namen durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find ne&amp;xt</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find &amp;duplicates...</source>
        <translation>&amp;Duplikate finden...</translation>
    </message>
    <message>
        <source>Is this &amp;archived?...</source>
        <translation>Ist das &amp;archiviert?...</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Open containing &amp;folder</source>
        <translation>Enthaltenden Ordner ö&amp;ffnen</translation>
    </message>
</context>
<context>
    <name>TFormRename</name>
    <message>
        <source>Rename disk</source>
        <translation>Datenträger umbenennen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmAddFilter</name>
    <message>
        <source>Add filter</source>
        <translation>Filter hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmAddNew</name>
    <message>
        <source>Add new listing</source>
        <translation>Neue Liste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Drive / folder:</source>
        <translation>&amp;Laufwerk / Ordner:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Disk &amp;name:</source>
        <translation>Datenträger&amp;name:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Kommentar:</translation>
    </message>
    <message>
        <source>List the contents of &amp;archives</source>
        <translation>Inhalt von Archi&amp;ven auflisten</translation>
    </message>
    <message>
        <source>Zip, 7z, rar, tar, cab and ISO files become folders of their own; slower on slow media</source>
        <translation>Zip-, 7z-, rar-, tar-, cab- und ISO-Dateien werden zu eigenen Ordnern; langsamer auf langsamen Medien</translation>
    </message>
    <message>
        <source>&amp;Read descriptions from descript.ion and file_id.diz</source>
        <translation>B&amp;eschreibungen aus descript.ion und file_id.diz lesen</translation>
    </message>
    <message>
        <source>Describe music, photos and videos from their &amp;tags</source>
        <translation>Musik, Fotos und Videos anhand ihrer &amp;Tags beschreiben</translation>
    </message>
    <message>
        <source>&amp;Fingerprints (read every file)</source>
        <translation>&amp;Fingerabdrücke (jede Datei lesen)</translation>
    </message>
    <message>
        <source>Reads every file once to keep a fingerprint of its contents: Verify can then find a bit error, and Find duplicates copies under any name; as slow as reading the whole disk</source>
        <translation>Liest jede Datei einmal und speichert einen Fingerabdruck ihres Inhalts: „Prüfen“ findet dann einen Bitfehler und „Duplikate finden“ Kopien unter jedem Namen; so langsam wie das Lesen des ganzen Datenträgers</translation>
    </message>
    <message>
        <source>&amp;Pictures of photos, videos and music</source>
        <translation>&amp;Bilder von Fotos, Videos und Musik</translation>
    </message>
    <message>
        <source>Keeps a small picture of each photo, video and music file with cover art, to browse with View &gt; Pictures while the disk is not there</source>
        <translation>Speichert ein kleines Bild jedes Fotos, Videos und jeder Musikdatei mit Cover, um sie unter Ansicht &gt; Bilder anzusehen, auch wenn der Datenträger nicht vorhanden ist</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmAdding</name>
    <message>
        <source>Adding...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Now adding:</source>
        <translation>Wird hinzugefügt:</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Compare listings</source>
        <translation>Listen vergleichen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmDuplicates</name>
    <message>
        <source>Find duplicates</source>
        <translation>Duplikate finden</translation>
    </message>
    <message>
        <source>Files with the same name (in any letter case) and the same size:</source>
        <translation>Dateien mit gleichem Namen (Groß-/Kleinschreibung egal) und gleicher Größe:</translation>
    </message>
    <message>
        <source>Across &amp;all listings</source>
        <translation>In a&amp;llen Listen</translation>
    </message>
    <message>
        <source>&amp;Within this listing:</source>
        <translation>Nur in &amp;dieser Liste:</translation>
    </message>
    <message>
        <source>&amp;Smallest size:</source>
        <translation>&amp;Mindestgröße:</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>&amp;By contents (fingerprints), whatever the names</source>
        <translation>Nach &amp;Inhalt (Fingerabdrücke), unabhängig vom Namen</translation>
    </message>
    <message>
        <source>Files whose contents are the same, in the listings read with fingerprints</source>
        <translation>Dateien mit gleichem Inhalt, in den mit Fingerabdrücken gelesenen Listen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmExport</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>What to export</source>
        <translation>Was exportiert wird</translation>
    </message>
    <message>
        <source>The selected &amp;listing</source>
        <translation>Die ausgewählte &amp;Liste</translation>
    </message>
    <message>
        <source>The whole &amp;catalogue</source>
        <translation>Den ganzen &amp;Katalog</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>CSV, for spreadsheets (.csv)</source>
        <translation>CSV, für Tabellenkalkulationen (.csv)</translation>
    </message>
    <message>
        <source>JSON, for scripts (.json)</source>
        <translation>JSON, für Skripte (.json)</translation>
    </message>
    <message>
        <source>HTML page with search, for a browser (.html)</source>
        <translation>HTML-Seite mit Suche, für den Browser (.html)</translation>
    </message>
    <message>
        <source>Include &amp;pictures (HTML page only)</source>
        <translation>&amp;Bilder einbeziehen (nur HTML-Seite)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmListProperties</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>Fingerprint:</source>
        <translation>Fingerabdruck:</translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <translation>Fingerabdruck</translation>
    </message>
    <message>
        <source>&amp;Launch file</source>
        <translation>Datei &amp;starten</translation>
    </message>
    <message>
        <source>Open containing &amp;folder</source>
        <translation>Enthaltenden Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmPrint</name>
    <message>
        <source>Print disk</source>
        <translation>Datenträger drucken</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Print a&amp;ll filenames.</source>
        <translation>Alle Dat&amp;einamen drucken.</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>Kei&amp;ne</translation>
    </message>
    <message>
        <source>&amp;Specify:</source>
        <translation>&amp;Festlegen:</translation>
    </message>
    <message>
        <source>Print filenames c&amp;ontaining:</source>
        <translation>Dateinamen drucken, die en&amp;thalten:</translation>
    </message>
    <message>
        <source>Print filenames containing</source>
        <translation>Dateinamen drucken, die enthalten</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Print all filenames until &amp;tree level:</source>
        <translation>Alle Dateinamen drucken bis &amp;Baumebene:</translation>
    </message>
    <message>
        <source>Print all filenames until tree level</source>
        <translation>Alle Dateinamen drucken bis Baumebene</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Print all file d&amp;escriptions.</source>
        <translation>Alle Dateibeschreibun&amp;gen drucken.</translation>
    </message>
    <message>
        <source>Folder names</source>
        <translation>Ordnernamen</translation>
    </message>
    <message>
        <source>Print a&amp;ll folder names.</source>
        <translation>Alle &amp;Ordnernamen drucken.</translation>
    </message>
    <message>
        <source>Print folders c&amp;ontaining one of these files:</source>
        <translation>Ordner drucken, die eine die&amp;ser Dateien enthalten:</translation>
    </message>
    <message>
        <source>Print folders containing one of these files</source>
        <translation>Ordner drucken, die eine dieser Dateien enthalten</translation>
    </message>
    <message>
        <source>Print all folder names until &amp;tree level:</source>
        <translation>Alle Ordnernamen drucken bis Ba&amp;umebene:</translation>
    </message>
    <message>
        <source>Print all folder names until tree level</source>
        <translation>Alle Ordnernamen drucken bis Baumebene</translation>
    </message>
    <message>
        <source>Print all folder entries with a co&amp;mment.</source>
        <translation>Alle Ordnereinträge mit &amp;Kommentar drucken.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Print &amp;list of contents</source>
        <translation>&amp;Inhaltsverzeichnis drucken</translation>
    </message>
    <message>
        <source>Print C&amp;D cover</source>
        <translation>CD-&amp;Cover drucken</translation>
    </message>
    <message>
        <source>Print &amp;frame</source>
        <translation>&amp;Rahmen drucken</translation>
    </message>
    <message>
        <source>Print CD &amp;back cover</source>
        <translation>CD-R&amp;ückseite drucken</translation>
    </message>
    <message>
        <source>Print f&amp;rame</source>
        <translation>Rah&amp;men drucken</translation>
    </message>
    <message>
        <source>Sa&amp;ve settings as default.</source>
        <translation>Einstellungen als Standard s&amp;peichern.</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Pr&amp;int</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmPrintPreview</name>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Please note that the output may look different on your printer.</source>
        <translation>Der Ausdruck kann auf Ihrem Drucker anders aussehen.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbruch</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation>Vorherige Seite (Bild auf)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation>Nächste Seite (Bild ab)</translation>
    </message>
</context>
<context>
    <name>TfrmProps</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Folders in listing:</source>
        <translation>Ordner in der Liste:</translation>
    </message>
    <message>
        <source>Files in listing:</source>
        <translation>Dateien in der Liste:</translation>
    </message>
    <message>
        <source>Total size:</source>
        <translation>Gesamtgröße:</translation>
    </message>
    <message>
        <source>Last read:</source>
        <translation>Zuletzt gelesen:</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation>&amp;Standort:</translation>
    </message>
    <message>
        <source>Lent &amp;to:</source>
        <translation>&amp;Verliehen an:</translation>
    </message>
    <message>
        <source>When the disk is &amp;mounted:</source>
        <translation>Beim &amp;Einhängen:</translation>
    </message>
    <message>
        <source>Ask what to do</source>
        <translation>Nachfragen</translation>
    </message>
    <message>
        <source>Update at once</source>
        <translation>Sofort aktualisieren</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>Nichts tun</translation>
    </message>
    <message>
        <source>&amp;Root drive:</source>
        <translation>&amp;Laufwerk:</translation>
    </message>
    <message>
        <source>Full path:</source>
        <translation>Vollständiger Pfad:</translation>
    </message>
    <message>
        <source>Kept beside the listing:</source>
        <translation>Neben der Liste gespeichert:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Kommentar:</translation>
    </message>
    <message>
        <source>Read when listed:</source>
        <translation>Beim Einlesen gelesen:</translation>
    </message>
    <message>
        <source>List the contents of &amp;archives</source>
        <translation>Inhalt von A&amp;rchiven auflisten</translation>
    </message>
    <message>
        <source>Read &amp;descriptions from descript.ion and file_id.diz</source>
        <translation>&amp;Beschreibungen aus descript.ion und file_id.diz lesen</translation>
    </message>
    <message>
        <source>Describe music, photos and videos from their ta&amp;gs</source>
        <translation>Musik, Fotos und Videos anhand ihrer &amp;Tags beschreiben</translation>
    </message>
    <message>
        <source>&amp;Fingerprints (read every file)</source>
        <translation>&amp;Fingerabdrücke (jede Datei lesen)</translation>
    </message>
    <message>
        <source>&amp;Pictures of photos, videos and music</source>
        <translation>B&amp;ilder von Fotos, Videos und Musik</translation>
    </message>
    <message>
        <source>A changed choice is applied at the next Update.</source>
        <translation>Eine geänderte Auswahl gilt ab der nächsten Aktualisierung.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmSearch</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Search for entry containing this text: </source>
        <translation>&amp;Suche nach Einträgen mit diesem Text: </translation>
    </message>
    <message>
        <source>Case sensiti&amp;ve search</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <source>F&amp;older names</source>
        <translation>&amp;Ordnernamen</translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation>&amp;Dateiname</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>Besc&amp;hreibung</translation>
    </message>
    <message>
        <source>Only in this ca&amp;tegory:</source>
        <translation>Nur in dieser Kat&amp;egorie:</translation>
    </message>
    <message>
        <source>Only in this category</source>
        <translation>Nur in dieser Kategorie</translation>
    </message>
    <message>
        <source>Use * and ? as &amp;wildcards in names</source>
        <translation>* und ? als &amp;Platzhalter in Namen verwenden</translation>
    </message>
    <message>
        <source>* stands for any characters, ? for one: *.avi finds every name ending in .avi. A text without them is looked for anywhere in a name.</source>
        <translation>* steht für beliebig viele Zeichen, ? für eines: *.avi findet jeden Namen, der auf .avi endet. Ein Text ohne sie wird überall in einem Namen gesucht.</translation>
    </message>
    <message>
        <source>Narrow down</source>
        <translation>Eingrenzen</translation>
    </message>
    <message>
        <source>Si&amp;ze from:</source>
        <translation>G&amp;röße von:</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>&amp;up to:</source>
        <translation>b&amp;is:</translation>
    </message>
    <message>
        <source>Dat&amp;e from:</source>
        <translation>Dat&amp;um von:</translation>
    </message>
    <message>
        <source>u&amp;ntil:</source>
        <translation>&amp;bis:</translation>
    </message>
    <message>
        <source>Only in this &amp;listing:</source>
        <translation>Nur in dieser &amp;Liste:</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Alle fi&amp;nden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>rkm::MountOffers</name>
    <message>
        <source>&amp;Update</source>
        <translation>Akt&amp;ualisieren</translation>
    </message>
    <message>
        <source>V&amp;erify</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Add to catalogue</source>
        <translation>Zum &amp;Katalog hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Nicht jetzt</translation>
    </message>
    <message>
        <source>“%1” is mounted at %2. Its listing is being updated.</source>
        <translation>„%1“ ist unter %2 eingehängt. Seine Liste wird aktualisiert.</translation>
    </message>
    <message>
        <source>Disk mounted</source>
        <translation>Datenträger eingehängt</translation>
    </message>
    <message>
        <source>“%1” is mounted at %2.</source>
        <translation>„%1“ ist unter %2 eingehängt.</translation>
    </message>
    <message>
        <source>A disk that is not in the catalogue is mounted at %1</source>
        <translation>Ein Datenträger, der nicht im Katalog ist, ist unter %1 eingehängt</translation>
    </message>
</context>
</TS>
