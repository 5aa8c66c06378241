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
    <message>
        <source>Saved searc&amp;hes</source>
        <translation>Gespeic&amp;herte Suchen</translation>
    </message>
    <message>
        <source>&amp;Save this search...</source>
        <translation>Diese Suche &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>&amp;Verwalten...</translation>
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
    <name>rkm::Choices</name>
    <message>
        <source>bytes</source>
        <translation>Byte</translation>
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
        <translation>Datei %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot create a new file in %1: %2</source>
        <translation>In %1 kann keine neue Datei erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write a new file in %1: %2</source>
        <translation>In %1 kann keine neue Datei geschrieben werden: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <source>Error loading file: %1 (%2)</source>
        <translation>Fehler beim Laden der Datei: %1 (%2)</translation>
    </message>
    <message>
        <source>not a disk listing file</source>
        <translation>keine Listendatei</translation>
    </message>
    <message>
        <source>not enough memory for what it holds</source>
        <translation>nicht genug Arbeitsspeicher für ihren Inhalt</translation>
    </message>
    <message>
        <source>The catalogue folder %1 is not a folder</source>
        <translation>Der Katalogordner %1 ist kein Ordner</translation>
    </message>
    <message>
        <source>Cannot make the catalogue folder %1: %2</source>
        <translation>Der Katalogordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the category file %1: %2</source>
        <translation>Die Kategoriedatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1; the categories are left empty</source>
        <translation>%1; die Kategorien bleiben leer</translation>
    </message>
    <message>
        <source>Unable to find unused filename.!</source>
        <translation>Kein unbenutzter Dateiname gefunden!</translation>
    </message>
    <message>
        <source>The catalogue in %1 is open read-only: %2</source>
        <translation>Der Katalog in %1 ist schreibgeschützt geöffnet: %2</translation>
    </message>
    <message>
        <source>Cannot put aside the category file %1: %2</source>
        <translation>Die Kategoriedatei %1 kann nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>the disk&apos;s name</source>
        <translation>der Name des Datenträgers</translation>
    </message>
    <message>
        <source>the disk&apos;s root path</source>
        <translation>der Stammpfad des Datenträgers</translation>
    </message>
    <message>
        <source>the disk&apos;s comment</source>
        <translation>der Kommentar des Datenträgers</translation>
    </message>
    <message>
        <source>the disk&apos;s file name</source>
        <translation>der Dateiname des Datenträgers</translation>
    </message>
    <message>
        <source>the disk&apos;s description</source>
        <translation>die Beschreibung des Datenträgers</translation>
    </message>
    <message>
        <source>the disk&apos;s date</source>
        <translation>das Datum des Datenträgers</translation>
    </message>
    <message>
        <source>the disk&apos;s size</source>
        <translation>die Größe des Datenträgers</translation>
    </message>
    <message>
        <source>the disk&apos;s category</source>
        <translation>die Kategorie des Datenträgers</translation>
    </message>
    <message>
        <source>%1 (name)</source>
        <translation>%1 (Name)</translation>
    </message>
    <message>
        <source>%1 (root path)</source>
        <translation>%1 (Stammpfad)</translation>
    </message>
    <message>
        <source>%1 (comment)</source>
        <translation>%1 (Kommentar)</translation>
    </message>
    <message>
        <source>%1 (file name)</source>
        <translation>%1 (Dateiname)</translation>
    </message>
    <message>
        <source>%1 (description)</source>
        <translation>%1 (Beschreibung)</translation>
    </message>
    <message>
        <source>%1 (date)</source>
        <translation>%1 (Datum)</translation>
    </message>
    <message>
        <source>%1 (size)</source>
        <translation>%1 (Größe)</translation>
    </message>
    <message>
        <source>%1 (category)</source>
        <translation>%1 (Kategorie)</translation>
    </message>
    <message>
        <source>Invalid disk listing file (%1)</source>
        <translation>Ungültige Listendatei (%1)</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>bei Byte %1: %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the file ends inside a number</source>
        <translation>die Datei endet mitten in einer Zahl</translation>
    </message>
    <message>
        <source>a text of %1 bytes</source>
        <translation>ein Text von %1 Byte</translation>
    </message>
    <message>
        <source>a text of %1 bytes, more than any listing holds</source>
        <translation>ein Text von %1 Byte, mehr als eine Liste aufnehmen kann</translation>
    </message>
    <message>
        <source>the file ends inside a text</source>
        <translation>die Datei endet mitten in einem Text</translation>
    </message>
    <message>
        <source>a folder of %1 files, more than the %2 bytes left can hold</source>
        <translation>ein Ordner mit %1 Dateien, mehr als die restlichen %2 Byte fassen können</translation>
    </message>
    <message>
        <source>a file entry&apos;s text runs on for more than %1 bytes</source>
        <translation>ein Text eines Dateieintrags ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>the file ends inside the entries of a folder (%1 files)</source>
        <translation>die Datei endet mitten in den Einträgen eines Ordners (%1 Dateien)</translation>
    </message>
    <message>
        <source>a folder of more than 4 GiB of texts</source>
        <translation>ein Ordner mit mehr als 4 GiB an Texten</translation>
    </message>
    <message>
        <source>a file entry&apos;s text that no listing holds</source>
        <translation>ein Text eines Dateieintrags, den keine Liste aufnehmen kann</translation>
    </message>
    <message>
        <source>folders nested deeper than %1</source>
        <translation>Ordner mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>a folder of %1 folders, more than the %2 bytes left can hold</source>
        <translation>ein Ordner mit %1 Ordnern, mehr als die restlichen %2 Byte fassen können</translation>
    </message>
    <message>
        <source>a folder without a name</source>
        <translation>ein Ordner ohne Namen</translation>
    </message>
    <message>
        <source>a disk without a name</source>
        <translation>ein Datenträger ohne Namen</translation>
    </message>
    <message>
        <source>%1 texts per file entry, where a listing holds %2</source>
        <translation>%1 Texte je Dateieintrag, eine Liste hat %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot put aside the damaged store %1: %2</source>
        <translation>Der beschädigte Speicher %1 kann nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the store %1: %2</source>
        <translation>Der Speicher %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the store %1</source>
        <translation>Der Speicher %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Standort: %1</translation>
    </message>
    <message>
        <source>Lent to: %1</source>
        <translation>Verliehen an: %1</translation>
    </message>
    <message>
        <source>The location is %1 bytes long; at most %2 bytes are kept.</source>
        <translation>Der Standort ist %1 Byte lang; höchstens %2 Byte werden gespeichert.</translation>
    </message>
    <message>
        <source>The lent to is %1 bytes long; at most %2 bytes are kept.</source>
        <translation>Die Angabe „Verliehen an“ ist %1 Byte lang; höchstens %2 Byte werden gespeichert.</translation>
    </message>
    <message>
        <source>The %1 is %2 bytes long; at most %3 bytes are kept.</source>
        <translation>Der Text „%1“ ist %2 Byte lang; höchstens %3 Byte werden gespeichert.</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Listing &apos;%1&apos; (%2):</source>
        <translation>Liste „%1“ (%2):</translation>
    </message>
    <message>
        <source>the lock file keeps being replaced</source>
        <translation>die Sperrdatei wird immer wieder ersetzt</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1</source>
        <translation>Auf die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>[Printing will exceed bounds!]</source>
        <translation>[Ausdruck überschreitet den Druckbereich!]</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Datei %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>the picture kept cannot be read (%1)</source>
        <translation>das gespeicherte Bild kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the picture could not be encoded as PNG</source>
        <translation>das Bild konnte nicht als PNG kodiert werden</translation>
    </message>
    <message numerus="yes">
        <source>The preview has %n page(s), no page %1</source>
        <translation>
            <numerusform>Die Vorschau hat %n Seite, keine Seite %1</numerusform>
            <numerusform>Die Vorschau hat %n Seiten, keine Seite %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The printer could not start the print job</source>
        <translation>Der Drucker konnte den Druckauftrag nicht starten</translation>
    </message>
    <message>
        <source>Could not keep a picture in a temporary file: %1</source>
        <translation>Ein Bild konnte nicht in einer temporären Datei abgelegt werden: %1</translation>
    </message>
    <message>
        <source>Could not make a temporary file for the pictures: %1</source>
        <translation>Für die Bilder konnte keine temporäre Datei angelegt werden: %1</translation>
    </message>
    <message>
        <source>Could not read a picture back from its temporary file: %1</source>
        <translation>Ein Bild konnte nicht aus seiner temporären Datei zurückgelesen werden: %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Please make sure that the disk &apos;%1&apos; is inserted in drive %2</source>
        <translation>Bitte stellen Sie sicher, dass der Datenträger „%1“ in Laufwerk %2 eingelegt ist</translation>
    </message>
    <message>
        <source>Please make sure that the folder %1 of the disk &apos;%2&apos; is there</source>
        <translation>Bitte stellen Sie sicher, dass der Ordner %1 des Datenträgers „%2“ vorhanden ist</translation>
    </message>
    <message>
        <source>Please make sure that the disk &apos;%1&apos; is mounted at %2 with the folder %3</source>
        <translation>Bitte stellen Sie sicher, dass der Datenträger „%1“ mit dem Ordner %3 unter %2 eingehängt ist</translation>
    </message>
    <message>
        <source>Please make sure that the disk &apos;%1&apos; is mounted at %2</source>
        <translation>Bitte stellen Sie sicher, dass der Datenträger „%1“ unter %2 eingehängt ist</translation>
    </message>
    <message>
        <source>Could not find the disk at %1.</source>
        <translation>Der Datenträger unter %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Could not find the disk at %1: %2.</source>
        <translation>Der Datenträger unter %1 wurde nicht gefunden: %2.</translation>
    </message>
    <message>
        <source>the listing&apos;s root path is empty</source>
        <translation>der Stammpfad der Liste ist leer</translation>
    </message>
    <message>
        <source>the listing&apos;s root path %1 holds a NUL byte; read as a path it would be %2</source>
        <translation>der Stammpfad %1 der Liste enthält ein NUL-Byte; als Pfad gelesen wäre er %2</translation>
    </message>
    <message>
        <source>the listing&apos;s root path %1 is not a full path</source>
        <translation>der Stammpfad %1 der Liste ist kein vollständiger Pfad</translation>
    </message>
    <message>
        <source>the listing is of a CD or DVD, but its root path %1 is the system&apos;s folder %2</source>
        <translation>die Liste gehört zu einer CD oder DVD, aber ihr Stammpfad %1 ist der Systemordner %2</translation>
    </message>
    <message>
        <source>the listing is of a removable disk, but its root path %1 is the system&apos;s folder %2</source>
        <translation>die Liste gehört zu einem Wechseldatenträger, aber ihr Stammpfad %1 ist der Systemordner %2</translation>
    </message>
    <message>
        <source>Could not find the disk!</source>
        <translation>Der Datenträger wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>&apos;)&apos; without &apos;(&apos;</source>
        <translation>&apos;)&apos; ohne &apos;(&apos;</translation>
    </message>
    <message>
        <source>empty phrase</source>
        <translation>leere Wortgruppe</translation>
    </message>
    <message>
        <source>a word with wildcards cannot also hold an escaped &apos;*&apos; or &apos;?&apos;: use regex:</source>
        <translation>ein Wort mit Platzhaltern kann nicht zugleich ein maskiertes &apos;*&apos; oder &apos;?&apos; enthalten: verwenden Sie regex:</translation>
    </message>
    <message>
        <source>unfinished phrase</source>
        <translation>nicht abgeschlossene Wortgruppe</translation>
    </message>
    <message>
        <source>a text with wildcards cannot also hold an escaped &apos;*&apos; or &apos;?&apos;</source>
        <translation>ein Text mit Platzhaltern kann nicht zugleich ein maskiertes &apos;*&apos; oder &apos;?&apos; enthalten</translation>
    </message>
    <message>
        <source>&apos;%1:&apos; needs a text (%1:= finds an empty one)</source>
        <translation>&apos;%1:&apos; braucht einen Text (%1:= findet einen leeren)</translation>
    </message>
    <message>
        <source>&apos;ext:&apos; needs an extension such as ext:mp3;flac</source>
        <translation>&apos;ext:&apos; braucht eine Endung wie ext:mp3;flac</translation>
    </message>
    <message>
        <source>&apos;size:&apos; needs a size such as &gt;10MB</source>
        <translation>&apos;size:&apos; braucht eine Größe wie &gt;10MB</translation>
    </message>
    <message>
        <source>&apos;date:&apos; needs a date such as 2019, &gt;=2019-03 or 2019-01-01..2019-06-30</source>
        <translation>&apos;date:&apos; braucht ein Datum wie 2019, &gt;=2019-03 oder 2019-01-01..2019-06-30</translation>
    </message>
    <message>
        <source>&apos;type:&apos; is file, folder or disk</source>
        <translation>&apos;type:&apos; ist file, folder oder disk</translation>
    </message>
    <message>
        <source>&apos;regex:&apos; needs a pattern</source>
        <translation>&apos;regex:&apos; braucht ein Muster</translation>
    </message>
    <message>
        <source>bad regex: %1</source>
        <translation>ungültiger regulärer Ausdruck: %1</translation>
    </message>
    <message>
        <source>unknown field &apos;%1:&apos;</source>
        <translation>unbekanntes Feld &apos;%1:&apos;</translation>
    </message>
    <message>
        <source>&apos;OR&apos; needs something before it</source>
        <translation>vor &apos;OR&apos; muss etwas stehen</translation>
    </message>
    <message>
        <source>&apos;OR&apos; needs something after it</source>
        <translation>nach &apos;OR&apos; muss etwas stehen</translation>
    </message>
    <message>
        <source>&apos;AND&apos; needs something on each side</source>
        <translation>&apos;AND&apos; braucht auf beiden Seiten etwas</translation>
    </message>
    <message>
        <source>too many parentheses or NOTs inside each other</source>
        <translation>zu viele ineinander verschachtelte Klammern oder NOTs</translation>
    </message>
    <message>
        <source>&apos;NOT&apos; needs something after it</source>
        <translation>nach &apos;NOT&apos; muss etwas stehen</translation>
    </message>
    <message>
        <source>&apos;()&apos; holds nothing</source>
        <translation>&apos;()&apos; enthält nichts</translation>
    </message>
    <message>
        <source>&apos;(&apos; without &apos;)&apos;</source>
        <translation>&apos;(&apos; ohne &apos;)&apos;</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>unerwarteter Text</translation>
    </message>
    <message>
        <source>changed contents: a bit error or a silent overwrite</source>
        <translation>Inhalt geändert: ein Bitfehler oder ein unbemerktes Überschreiben</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>rkm::DisksOverview</name>
    <message>
        <source>Disks</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>Verliehen an</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Zuletzt aktualisiert</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Eingehängt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>rkm::ExportCommand</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>HTML pages (*.html *.htm)</source>
        <translation>HTML-Seiten (*.html *.htm)</translation>
    </message>
    <message>
        <source>Rackmere catalogue</source>
        <translation>Rackmere-Katalog</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>rkm::FileGridModel</name>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>rkm::HelpViewer</name>
    <message>
        <source>Rackmere Help</source>
        <translation>Rackmere-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Rackmere Help - %1</source>
        <translation>Rackmere-Hilfe - %1</translation>
    </message>
</context>
<context>
    <name>rkm::LocaleText</name>
    <message numerus="yes">
        <source>%Ln bytes</source>
        <translation>
            <numerusform>%Ln Byte</numerusform>
            <numerusform>%Ln Byte</numerusform>
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
        <translation>Aufruf: rackmere [--help] [--version]

Rackmere führt einen Katalog Ihrer CDs, DVDs und Laufwerke: Es durchläuft eine
CD, einen USB-Stick, eine Festplatte oder einen beliebigen Ordner und speichert
jeden Ordner und jede Datei darin als eine Liste. Alle Listen erscheinen in
einem Baum mit einer Dateitabelle: Beschreiben und kategorisieren Sie Dateien,
durchsuchen Sie alle Listen auf einmal, bringen Sie eine Liste auf den neuesten
Stand, drucken Sie den Inhalt eines Datenträgers oder eine CD-Hülle, und
exportieren Sie Listen als CSV, JSON oder HTML-Seite, ohne den Datenträger zur
Hand zu haben.

  --help      diese Hilfe anzeigen
  --version   die Version des Programms anzeigen

Der Katalog liegt im Ordner $RACKMERE_DIR, sonst in ~/.local/share/Rackmere/;
Fensterpositionen und Druckvorgaben in ~/.config/Rackmere/Rackmere.ini. Auf
einem Katalogordner läuft jeweils ein Rackmere: Ein erneuter Start auf
demselben Ordner holt das laufende Fenster nach vorn, ein anderer Ordner öffnet
ein eigenes Fenster. rackmere-cli arbeitet im Terminal auf demselben Katalog.
</translation>
    </message>
</context>
<context>
    <name>rkm::MessageLine</name>
    <message>
        <source>%1: %L2 of %L3 bytes left</source>
        <translation>%1: %L2 von %L3 Byte übrig</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln bytes too long; a listing holds at most %L2 bytes.</source>
        <translation>
            <numerusform>%1: %Ln Byte zu lang; eine Liste fasst höchstens %L2 Byte.</numerusform>
            <numerusform>%1: %Ln Byte zu lang; eine Liste fasst höchstens %L2 Byte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another listing is already named &apos;%1&apos;; the tree will show each with its listing file.</source>
        <translation>Eine andere Liste heißt bereits „%1“; der Baum zeigt jede mit ihrer Listendatei.</translation>
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
        <source>A disk that is not in the catalogue is mounted at %1.</source>
        <translation>Ein Datenträger, der nicht im Katalog ist, ist unter %1 eingehängt.</translation>
    </message>
    <message>
        <source>A disk that is not in the catalogue is mounted at %1 (%2).</source>
        <translation>Ein Datenträger, der nicht im Katalog ist, ist unter %1 eingehängt (%2).</translation>
    </message>
</context>
<context>
    <name>rkm::Online</name>
    <message>
        <source>Mounted at %1</source>
        <translation>Eingehängt unter %1</translation>
    </message>
    <message>
        <source>Insert the disk “%1”.</source>
        <translation>Legen Sie den Datenträger „%1“ ein.</translation>
    </message>
    <message>
        <source>It is kept at: %1.</source>
        <translation>Standort: %1.</translation>
    </message>
    <message>
        <source>It is lent to: %1.</source>
        <translation>Verliehen an: %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be found, please make sure the right disk is inserted.</source>
        <translation>Der Ordner %1 wurde nicht gefunden. Bitte prüfen Sie, ob der richtige Datenträger eingelegt ist.</translation>
    </message>
    <message>
        <source>No program is set up to open the folder %1.</source>
        <translation>Es ist kein Programm zum Öffnen des Ordners %1 eingerichtet.</translation>
    </message>
</context>
<context>
    <name>rkm::PictureView</name>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
</context>
<context>
    <name>rkm::PrintCommands</name>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Listing does not fit to the print area, abort printing?</source>
        <translation>Die Liste passt nicht in den Druckbereich. Drucken abbrechen?</translation>
    </message>
</context>
<context>
    <name>rkm::ResultsPanel</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>rkm::ScanCommands</name>
    <message>
        <source>%1. This is probably not the disk of the listing. Update all the same?</source>
        <translation>%1. Das ist wahrscheinlich nicht der Datenträger der Liste. Trotzdem aktualisieren?</translation>
    </message>
    <message>
        <source>%1. This is probably not the disk of the listing. Verify all the same?</source>
        <translation>%1. Das ist wahrscheinlich nicht der Datenträger der Liste. Trotzdem prüfen?</translation>
    </message>
    <message>
        <source>The serial number of the disk (%1) is not the same as that of the original one, this probably means that you inserted the wrong disk. Abort update?</source>
        <translation>Die Seriennummer des Datenträgers (%1) stimmt nicht mit der des ursprünglichen überein; wahrscheinlich haben Sie den falschen Datenträger eingelegt. Aktualisierung abbrechen?</translation>
    </message>
    <message>
        <source>The serial number of the disk (%1) is not the same as that of the original one, this probably means that you inserted the wrong disk. Abort verify?</source>
        <translation>Die Seriennummer des Datenträgers (%1) stimmt nicht mit der des ursprünglichen überein; wahrscheinlich haben Sie den falschen Datenträger eingelegt. Prüfung abbrechen?</translation>
    </message>
    <message>
        <source>Compare contents (fingerprints) too?

Every file is read again and its fingerprint compared with the one kept: a file whose contents changed while its size and date stayed the same is found. This takes as long as reading the whole disk.</source>
        <translation>Auch die Inhalte (Fingerabdrücke) vergleichen?

Jede Datei wird erneut gelesen und ihr Fingerabdruck mit dem gespeicherten verglichen: So wird eine Datei gefunden, deren Inhalt sich geändert hat, während Größe und Datum gleich geblieben sind. Das dauert so lange wie das Lesen des ganzen Datenträgers.</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;</source>
        <translation>„%1“ prüfen</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;: the disk matches its listing</source>
        <translation>„%1“ prüfen: Der Datenträger entspricht seiner Liste</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;: %2 added, %3 removed, %4 changed, %5 with changed or unreadable contents</source>
        <translation>„%1“ prüfen: %2 hinzugekommen, %3 entfernt, %4 geändert, %5 mit geändertem oder unlesbarem Inhalt</translation>
    </message>
    <message>
        <source>Verify &apos;%1&apos;: %2 added, %3 removed, %4 changed</source>
        <translation>„%1“ prüfen: %2 hinzugekommen, %3 entfernt, %4 geändert</translation>
    </message>
    <message>
        <source>Removed from the disk</source>
        <translation>Vom Datenträger entfernt</translation>
    </message>
    <message>
        <source>Added to the disk</source>
        <translation>Auf dem Datenträger hinzugekommen</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>There is no other listing to compare this one with.</source>
        <translation>Es gibt keine andere Liste, mit der sich diese vergleichen ließe.</translation>
    </message>
    <message>
        <source>Compare &apos;%1&apos; with &apos;%2&apos;</source>
        <translation>„%1“ mit „%2“ vergleichen</translation>
    </message>
    <message>
        <source>Compare &apos;%1&apos; with &apos;%2&apos;: the listings are equal</source>
        <translation>„%1“ mit „%2“ vergleichen: Die Listen sind gleich</translation>
    </message>
    <message>
        <source>Compare &apos;%1&apos; with &apos;%2&apos;: %3 only in &apos;%1&apos;, %4 only in &apos;%2&apos;, %5 changed</source>
        <translation>„%1“ mit „%2“ vergleichen: %3 nur in „%1“, %4 nur in „%2“, %5 geändert</translation>
    </message>
    <message>
        <source>Only in &apos;%1&apos;</source>
        <translation>Nur in „%1“</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this disk listing?

%1</source>
        <translation>Möchten Sie diese Datenträgerliste wirklich löschen?

%1</translation>
    </message>
    <message>
        <source>Error deleting file %1: %2.</source>
        <translation>Fehler beim Löschen der Datei %1: %2.</translation>
    </message>
</context>
<context>
    <name>rkm::SearchBox</name>
    <message>
        <source>Search names</source>
        <translation>Namen durchsuchen</translation>
    </message>
    <message>
        <source>Search names (Ctrl+K)</source>
        <translation>Namen durchsuchen (Strg+K)</translation>
    </message>
    <message>
        <source>Words that must all occur in a name; &quot;a phrase&quot;, * and ?, OR, NOT, ( ), and fields such as ext:mp3, size:&gt;10MB, date:2019, type:folder. Enter shows the first match, Esc empties the box, Down shows the queries used last.</source>
        <translation>Wörter, die alle in einem Namen vorkommen müssen; &quot;eine Wortgruppe&quot;, * und ?, OR, NOT, ( ) und Felder wie ext:mp3, size:&gt;10MB, date:2019, type:folder. Eingabe zeigt den ersten Treffer, Esc leert das Feld, Pfeil nach unten zeigt die zuletzt verwendeten Abfragen.</translation>
    </message>
    <message>
        <source>At character %1: %2</source>
        <translation>Bei Zeichen %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln Treffer</numerusform>
            <numerusform>%Ln Treffer</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching… %L1</source>
        <translation>Suche läuft… %L1</translation>
    </message>
</context>
<context>
    <name>rkm::SearchCommands</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>No matching entry was found</source>
        <translation>Es wurde kein passender Eintrag gefunden</translation>
    </message>
    <message>
        <source>Save this search</source>
        <translation>Diese Suche speichern</translation>
    </message>
    <message>
        <source>The search box holds no query that can run:
%1</source>
        <translation>Das Suchfeld enthält keine ausführbare Abfrage:
%1</translation>
    </message>
    <message>
        <source>Save the search
%1
under the name:</source>
        <translation>Die Suche
%1
speichern unter dem Namen:</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Duplikate finden</translation>
    </message>
    <message>
        <source>The fingerprints could not be read: %1</source>
        <translation>Die Fingerabdrücke konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No listing holds fingerprints of files of that size. Choose &quot;Fingerprints&quot; when adding a disk, or in a listing&apos;s properties before its next Update.</source>
        <translation>Keine Liste enthält Fingerabdrücke von Dateien dieser Größe. Wählen Sie „Fingerabdrücke“ beim Hinzufügen eines Datenträgers oder in den Eigenschaften einer Liste vor ihrer nächsten Aktualisierung.</translation>
    </message>
    <message>
        <source>Is this archived?</source>
        <translation>Ist das archiviert?</translation>
    </message>
</context>
<context>
    <name>rkm::Service</name>
    <message>
        <source>Rackmere cannot start: it needs a folder only you can use for its single-instance guard, and found none ($XDG_RUNTIME_DIR is not such a folder, and none could be made in your cache folder).</source>
        <translation>Rackmere kann nicht starten: Es braucht für seine Sperre gegen einen zweiten Start einen Ordner, den nur Sie benutzen können, und hat keinen gefunden ($XDG_RUNTIME_DIR ist kein solcher Ordner, und in Ihrem Cache-Ordner konnte keiner angelegt werden).</translation>
    </message>
    <message>
        <source>Rackmere cannot start: its single-instance guard %1 cannot be made (%2).</source>
        <translation>Rackmere kann nicht starten: Seine Sperre %1 gegen einen zweiten Start kann nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>Rackmere already runs on the catalogue in %1 (process %2), but it does not answer. Close that copy, or end it if it hangs, and start Rackmere again.</source>
        <translation>Rackmere läuft bereits mit dem Katalog in %1 (Prozess %2), antwortet aber nicht. Schließen Sie das andere Rackmere oder beenden Sie es, falls es hängt, und starten Sie Rackmere erneut.</translation>
    </message>
    <message>
        <source>Support: %1</source>
        <translation>Support: %1</translation>
    </message>
    <message>
        <source>Copyright 2026 Tarnwell. Licence: the terms Tarnwell gives with this copy.</source>
        <translation>Copyright 2026 Tarnwell. Lizenz: die Bedingungen, die Tarnwell dieser Kopie beilegt.</translation>
    </message>
    <message>
        <source>Copyright 2026 Tarnwell. Licence: the terms Tarnwell gives at %1.</source>
        <translation>Copyright 2026 Tarnwell. Lizenz: die Bedingungen, die Tarnwell unter %1 nennt.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A catalogue of your disks: every folder and file of your CDs, USB sticks, hard disks and network drives, searchable and printable, even when the disk itself is not at hand.</source>
        <translation>Ein Katalog Ihrer Datenträger: jeder Ordner und jede Datei Ihrer CDs, USB-Sticks, Festplatten und Netzlaufwerke, durchsuchbar und druckbar, auch wenn der Datenträger selbst nicht zur Hand ist.</translation>
    </message>
    <message>
        <source>Built with Qt %1 (running on Qt %2).</source>
        <translation>Erstellt mit Qt %1 (läuft unter Qt %2).</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Could not open %1 in a web browser.</source>
        <translation>%1 konnte nicht in einem Webbrowser geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not start a mail program. Please write to %1.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden. Bitte schreiben Sie an %1.</translation>
    </message>
</context>
<context>
    <name>rkm::TFormRename</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Please type a name for the disk.</source>
        <translation>Bitte geben Sie einen Namen für den Datenträger ein.</translation>
    </message>
    <message>
        <source>The name is made only of spaces; please type a name for the disk.</source>
        <translation>Der Name besteht nur aus Leerzeichen; bitte geben Sie einen Namen für den Datenträger ein.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmAddNew</name>
    <message>
        <source>Choose a mounted disk</source>
        <translation>Eingehängten Datenträger wählen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>No disks are mounted</source>
        <translation>Keine Datenträger eingehängt</translation>
    </message>
    <message>
        <source>Please type a description: it is the listing&apos;s name.</source>
        <translation>Bitte geben Sie eine Beschreibung ein: Sie ist der Name der Liste.</translation>
    </message>
    <message>
        <source>The description is made only of spaces; please type a name for the listing.</source>
        <translation>Die Beschreibung besteht nur aus Leerzeichen; bitte geben Sie einen Namen für die Liste ein.</translation>
    </message>
    <message>
        <source>Please name the drive or folder to catalogue.</source>
        <translation>Bitte geben Sie das Laufwerk oder den Ordner zum Katalogisieren an.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: %2.</source>
        <translation>Der Ordner %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The folder&apos;s path is %L1 bytes long; a listing holds at most %L2 bytes.</source>
        <translation>Der Pfad des Ordners ist %L1 Byte lang; eine Liste fasst höchstens %L2 Byte.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmAdding</name>
    <message>
        <source>Read %1 of %2</source>
        <translation>%1 von %2 gelesen</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln Ordner</numerusform>
            <numerusform>%Ln Ordner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Elapsed time: %1</source>
        <translation>Verstrichene Zeit: %1</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmArchived</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Is this archived?</source>
        <translation>Ist das archiviert?</translation>
    </message>
    <message>
        <source>Archived files</source>
        <translation>Archivierte Dateien</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Where it is held</source>
        <translation>Enthalten in</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message numerus="yes">
        <source>Reading %Ln files and folders...</source>
        <translation>
            <numerusform>%Ln Datei oder Ordner wird gelesen...</numerusform>
            <numerusform>%Ln Dateien und Ordner werden gelesen...</numerusform>
        </translation>
    </message>
    <message>
        <source>The files could not be read: %1</source>
        <translation>Die Dateien konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The files could not be read.</source>
        <translation>Die Dateien konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>not archived: could not be read (%1)</source>
        <translation>nicht archiviert: nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>not archived</source>
        <translation>nicht archiviert</translation>
    </message>
    <message numerus="yes">
        <source>held in %Ln places</source>
        <translation>
            <numerusform>an %Ln Stelle enthalten</numerusform>
            <numerusform>an %Ln Stellen enthalten</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was found to read.</source>
        <translation>Es wurde keine Datei zum Lesen gefunden.</translation>
    </message>
    <message>
        <source>The file is archived.</source>
        <translation>Die Datei ist archiviert.</translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files are archived.</source>
        <translation>
            <numerusform>%Ln Datei ist archiviert.</numerusform>
            <numerusform>Alle %Ln Dateien sind archiviert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files are not archived.</source>
        <translation>
            <numerusform>Nicht archiviert: %1 von %Ln Datei.</numerusform>
            <numerusform>Nicht archiviert: %1 von %Ln Dateien.</numerusform>
        </translation>
    </message>
    <message>
        <source>The store beside the listings could not be read: %1</source>
        <translation>Der Speicher neben den Listen konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmCompare</name>
    <message>
        <source>Compare &apos;%1&apos; &amp;with:</source>
        <translation>„%1“ &amp;vergleichen mit:</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDifferences</name>
    <message>
        <source>Changed contents (%1)</source>
        <translation>Geänderte Inhalte (%1)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln Ordner</numerusform>
            <numerusform>%Ln Ordner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln Datei</numerusform>
            <numerusform>%Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>%1: comparing...</source>
        <translation>%1: wird verglichen...</translation>
    </message>
    <message>
        <source>%1: the comparison failed</source>
        <translation>%1: Der Vergleich ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The comparison failed.</source>
        <translation>Der Vergleich ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1: cancelled</source>
        <translation>%1: abgebrochen</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDuplicateList</name>
    <message numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln Kopie</numerusform>
            <numerusform>%Ln Kopien</numerusform>
        </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Wasted</source>
        <translation>Verschwendet</translation>
    </message>
    <message>
        <source>Duplicates</source>
        <translation>Duplikate</translation>
    </message>
    <message>
        <source>The search for duplicates failed.</source>
        <translation>Die Suche nach Duplikaten ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Duplicates: searching...</source>
        <translation>Duplikate: Suche läuft...</translation>
    </message>
    <message>
        <source>Duplicates: cancelled</source>
        <translation>Duplikate: abgebrochen</translation>
    </message>
    <message>
        <source>Duplicates: the search failed</source>
        <translation>Duplikate: Die Suche ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Duplicates: none found</source>
        <translation>Duplikate: keine gefunden</translation>
    </message>
    <message numerus="yes">
        <source>Duplicates: %Ln groups, %1 wasted</source>
        <translation>
            <numerusform>Duplikate: %Ln Gruppe, %1 verschwendet</numerusform>
            <numerusform>Duplikate: %Ln Gruppen, %1 verschwendet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDuplicates</name>
    <message>
        <source>Files with the same contents, whatever their names:</source>
        <translation>Dateien mit gleichem Inhalt, unabhängig vom Namen:</translation>
    </message>
    <message>
        <source>Files with the same name (in any letter case) and the same size:</source>
        <translation>Dateien mit gleichem Namen (Groß-/Kleinschreibung egal) und gleicher Größe:</translation>
    </message>
    <message>
        <source>The size &quot;%1&quot; is not a number.</source>
        <translation>Die Größe „%1“ ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmExport</name>
    <message>
        <source>The selected &amp;listing: %1</source>
        <translation>Die ausgewählte &amp;Liste: %1</translation>
    </message>
    <message>
        <source>The selected &amp;listing</source>
        <translation>Die ausgewählte &amp;Liste</translation>
    </message>
    <message numerus="yes">
        <source>The whole &amp;catalogue (%Ln listings)</source>
        <translation>
            <numerusform>Den ganzen &amp;Katalog (%Ln Liste)</numerusform>
            <numerusform>Den ganzen &amp;Katalog (%Ln Listen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmListProperties</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>The file could not be found, please make sure the right disk is inserted.</source>
        <translation>Die Datei wurde nicht gefunden. Bitte prüfen Sie, ob der richtige Datenträger eingelegt ist.</translation>
    </message>
    <message>
        <source>The file %1 lies outside the listing&apos;s folder %2, so it is not opened.</source>
        <translation>Die Datei %1 liegt außerhalb des Ordners %2 der Liste und wird daher nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 is not a file that can be opened.</source>
        <translation>%1 ist keine Datei, die geöffnet werden kann.</translation>
    </message>
    <message>
        <source>%1 is a program or a desktop launcher: opening it runs it.

Open it anyway?</source>
        <translation>%1 ist ein Programm oder ein Desktop-Starter: Beim Öffnen wird es ausgeführt.

Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>No program is set up to open %1.</source>
        <translation>Es ist kein Programm zum Öffnen von %1 eingerichtet.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmMain</name>
    <message>
        <source>The listing &apos;%1&apos; could not be saved: %2</source>
        <translation>Die Liste „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Disks and folders</source>
        <translation>Datenträger und Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>the lock file cannot be made (%1)</source>
        <translation>die Sperrdatei kann nicht angelegt werden (%1)</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>The catalogue in %1 is in use by %2 (process %3).

Rackmere opens it once that program has finished. Retry waits for it again; Cancel closes Rackmere without changing anything.</source>
        <translation>Der Katalog in %1 wird von %2 benutzt (Prozess %3).

Rackmere öffnet ihn, sobald dieses Programm beendet ist. „Wiederholen“ wartet erneut darauf; „Abbrechen“ schließt Rackmere, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>einem anderen Programm</translation>
    </message>
    <message>
        <source>The catalogue in %1 is open read-only: %2. Changes cannot be saved.</source>
        <translation>Der Katalog in %1 ist schreibgeschützt geöffnet: %2. Änderungen können nicht gespeichert werden.</translation>
    </message>
    <message numerus="yes">
        <source>Retry tries again. Discard closes Rackmere, and the changes made to these listings since it was last saved are lost.</source>
        <translation>
            <numerusform>„Wiederholen“ versucht es erneut. „Verwerfen“ schließt Rackmere, und die Änderungen an dieser Liste seit dem letzten Speichern gehen verloren.</numerusform>
            <numerusform>„Wiederholen“ versucht es erneut. „Verwerfen“ schließt Rackmere, und die Änderungen an diesen Listen seit dem letzten Speichern gehen verloren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your changes are kept. Rackmere tries again after your next change and when it closes.</source>
        <translation>Ihre Änderungen bleiben erhalten. Rackmere versucht es nach Ihrer nächsten Änderung und beim Beenden erneut.</translation>
    </message>
    <message>
        <source>A listing holds at most %L1 bytes of a text. These longer texts were shortened to fit when their listing was saved:</source>
        <translation>Eine Liste nimmt von einem Text höchstens %L1 Byte auf. Diese längeren Texte wurden beim Speichern ihrer Liste passend gekürzt:</translation>
    </message>
    <message numerus="yes">
        <source>%Ln items listed</source>
        <translation>
            <numerusform>%Ln Eintrag aufgelistet</numerusform>
            <numerusform>%Ln Einträge aufgelistet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmPrint</name>
    <message>
        <source>Nothing to print - please make your selections.</source>
        <translation>Nichts zu drucken - bitte treffen Sie Ihre Auswahl.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmProps</name>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Properties for %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 Byte)</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>nicht erfasst</translation>
    </message>
    <message>
        <source>Read when listed:</source>
        <translation>Beim Einlesen gelesen:</translation>
    </message>
    <message>
        <source>Not recorded when listed; Update reads:</source>
        <translation>Beim Einlesen nicht erfasst; „Aktualisieren“ liest:</translation>
    </message>
    <message>
        <source>The root drive for this listing is not valid, please select a new one</source>
        <translation>Das Laufwerk dieser Liste ist ungültig, bitte wählen Sie ein neues</translation>
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
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Query:</source>
        <translation>Abfrage:</translation>
    </message>
    <message>
        <source>The query this search runs; type it in the search box to change it</source>
        <translation>Die Abfrage dieser Suche; zum Ändern im Suchfeld eingeben</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>Find all results</source>
        <translation>Ergebnisse von „Alle finden“</translation>
    </message>
    <message>
        <source>Find all</source>
        <translation>Alle finden</translation>
    </message>
    <message>
        <source>Find all: no match</source>
        <translation>Alle finden: kein Treffer</translation>
    </message>
    <message numerus="yes">
        <source>Find all: %Ln matches</source>
        <translation>
            <numerusform>Alle finden: %Ln Treffer</numerusform>
            <numerusform>Alle finden: %Ln Treffer</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (searching...)</source>
        <translation>%1 (Suche läuft...)</translation>
    </message>
    <message>
        <source>%1 (stopped)</source>
        <translation>%1 (angehalten)</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmSavedSearches</name>
    <message>
        <source>Saved searches</source>
        <translation>Gespeicherte Suchen</translation>
    </message>
    <message>
        <source>&amp;Saved searches:</source>
        <translation>&amp;Gespeicherte Suchen:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmSearch</name>
    <message>
        <source>The size &quot;%1&quot; is not a number.</source>
        <translation>Die Größe „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The smallest size is larger than the largest.</source>
        <translation>Die kleinste Größe ist größer als die größte.</translation>
    </message>
    <message>
        <source>The first date is later than the last.</source>
        <translation>Das erste Datum liegt nach dem letzten.</translation>
    </message>
</context>
<context>
    <name>rkm::TfrmSplash</name>
    <message>
        <source>Disk catalogue  V1.0</source>
        <translation>Datenträgerkatalog  V1.0</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>rkm::WelcomePanel</name>
    <message>
        <source>Welcome to Rackmere</source>
        <translation>Willkommen bei Rackmere</translation>
    </message>
    <message>
        <source>Rackmere keeps a listing of every disk you own: CDs and DVDs, USB sticks, external hard disks, memory cards and network folders. Each listing holds the names, sizes and dates of all the disk&apos;s folders and files, so you can browse and search them all without plugging anything in.

Start with the disk or folder at hand: Rackmere reads it once and keeps its listing here.</source>
        <translation>Rackmere führt eine Liste jedes Datenträgers, den Sie besitzen: CDs und DVDs, USB-Sticks, externe Festplatten, Speicherkarten und Netzwerkordner. Jede Liste enthält die Namen, Größen und Datumsangaben aller Ordner und Dateien des Datenträgers, sodass Sie alle durchsehen und durchsuchen können, ohne etwas anzuschließen.

Beginnen Sie mit dem Datenträger oder Ordner, den Sie zur Hand haben: Rackmere liest ihn einmal und bewahrt seine Liste hier auf.</translation>
    </message>
    <message>
        <source>Add a d&amp;isk…</source>
        <translation>Datenträger h&amp;inzufügen…</translation>
    </message>
</context>
<context>
    <name>rkm::cli::Say</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no size (a number, and b, k, m or g if not bytes)</source>
        <translation>%1: „%2“ ist keine Größe (eine Zahl, und b, k, m oder g, wenn nicht Byte)</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is no date (YYYY-MM-DD, or this machine&apos;s short format)</source>
        <translation>%1: „%2“ ist kein Datum (YYYY-MM-DD oder das kurze Format dieses Rechners)</translation>
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
        <translation>  --archives         den Inhalt von Archiven (zip, 7z, rar, tar.gz und andere
                     tar-Dateien, cab, ISO-Abbilder) als gleichnamige Ordner
                     auflisten; entpackt wird nichts
  --descriptions     Beschreibungen aus descript.ion und file_id.diz lesen
  --tags             Musik, Fotos und Videos anhand ihrer Tags beschreiben
  --fingerprints     den Inhalt jeder Datei einmal lesen und ihren
                     Fingerabdruck speichern (XXH3-128, wie xxhsum -H2 ihn
                     ausgibt), für verify --contents und duplicates --contents
  --pictures         ein kleines Bild (256 Pixel) jedes Fotos, jedes Videos
                     und jeder Musikdatei mit Cover speichern
  --no-archives, --no-descriptions, --no-tags, --no-fingerprints, --no-pictures
                     das Jeweilige nicht lesen

Eine Datei, deren Inhalt nicht gelesen werden kann (ein E/A-Fehler auf einem
defekten Datenträger, fehlende Berechtigung), wird mit dem vom System
gemeldeten Grund auf der Standardfehlerausgabe genannt und ohne Fingerabdruck
aufgeführt; die übrigen werden trotzdem gelesen.
</translation>
    </message>
    <message>
        <source>%1 and %2 contradict each other</source>
        <translation>%1 und %2 widersprechen sich</translation>
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
Zwei Listen können denselben Datenträgernamen haben (etwa zwei Einlesungen
desselben Ordners). Ein Name, den mehrere Listen haben, wird mit Exit-Status 2
abgelehnt, und die Listen werden auf der Standardfehlerausgabe mit ihren
Dateien aufgeführt; nennen Sie die gemeinte Liste dann über ihre Listendatei
(1234.rkm) oder so, wie das Desktop-Programm sie anzeigt
(„Backup (1234.rkm)“); so benennen auch die ausgegebenen Zeilen eine solche
Liste.
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
Es schreibt immer nur ein Programm zugleich in den Katalog. Solange das
Desktop-Programm läuft (oder ein anderer Befehl schreibt), ändert dieser
Befehl nichts und endet mit Exit-Status 4:
„Der Katalog in DIR wird von Rackmere benutzt (Prozess N)“.
Wenn der Katalog überhaupt nicht geschrieben werden kann (sein Ordner ist
schreibgeschützt, der Datenträger ist voll, fehlende Berechtigung), ändert er
nichts und endet mit Exit-Status 5:
„Der Katalog in DIR kann nicht geschrieben werden: REASON“.

  --wait SECONDS  zuvor bis zu SECONDS Sekunden warten, bis der Katalog frei
                  ist
</translation>
    </message>
    <message>
        <source>rackmere-cli %1: no listing named &apos;%2&apos;</source>
        <translation>rackmere-cli %1: keine Liste namens „%2“</translation>
    </message>
    <message numerus="yes">
        <source>rackmere-cli %1: %n listings are named &apos;%2&apos;; name the one meant by its listing file:</source>
        <translation>
            <numerusform>rackmere-cli %1: %n Liste heißt „%2“; nennen Sie die gemeinte über ihre Listendatei:</numerusform>
            <numerusform>rackmere-cli %1: %n Listen heißen „%2“; nennen Sie die gemeinte über ihre Listendatei:</numerusform>
        </translation>
    </message>
    <message>
        <source>rackmere-cli %1: the name is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: Der Name ist %2 Byte lang; eine Liste nimmt von einem Text höchstens %3 Byte auf. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the new name is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: Der neue Name ist %2 Byte lang; eine Liste nimmt von einem Text höchstens %3 Byte auf. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the comment is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: Der Kommentar ist %2 Byte lang; eine Liste nimmt von einem Text höchstens %3 Byte auf. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the root path is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: Der Stammpfad ist %2 Byte lang; eine Liste nimmt von einem Text höchstens %3 Byte auf. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the description is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: Die Beschreibung ist %2 Byte lang; eine Liste nimmt von einem Text höchstens %3 Byte auf. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the category is %2 bytes long; a listing holds at most %3 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: Die Kategorie ist %2 Byte lang; eine Liste nimmt von einem Text höchstens %3 Byte auf. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the %2 is %3 bytes long; a listing holds at most %4 bytes of a text. Nothing was changed.</source>
        <translation>rackmere-cli %1: Das Feld %2 ist %3 Byte lang; eine Liste nimmt von einem Text höchstens %4 Byte auf. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>rackmere-cli %1: texts longer than %2 bytes were shortened to fit:</source>
        <translation>rackmere-cli %1: Texte, die länger als %2 Byte waren, wurden passend gekürzt:</translation>
    </message>
    <message>
        <source>list every listing of the catalogue</source>
        <translation>jede Liste des Katalogs auflisten</translation>
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
        <translation>Aufruf: rackmere-cli list [--json]

Lädt den Katalog wie das Desktop-Programm beim Start und gibt eine Zeile je
Liste aus, in der Reihenfolge des Baums im Desktop-Programm (nach
Datenträgername, Zahlen nach ihrem Wert: „Disk 2“ vor „Disk 10“, ohne
Beachtung der Groß-/Kleinschreibung), die Felder durch Tabulatoren getrennt:
Listendatei, Seriennummer des Volumes (8 Hexadezimalziffern),
Datenträgername, Stammpfad, Laufwerkstyp, Anzahl der Ordner, Anzahl der
Dateien.

  --json   ein JSON-Array von Objekten ausgeben, mit den Schlüsseln file,
           serial, name, rootPath, driveType, comment, folders, files,
           location, lentTo (wo der Datenträger aufbewahrt wird und an wen er
           verliehen ist, &quot;&quot; wenn nicht angegeben; siehe set) und onMount
           (ask, update oder ignore)

Exit-Status 1, wenn eine Listendatei nicht geladen werden konnte (jede wird
auf der Standardfehlerausgabe genannt); die geladenen Listen werden trotzdem
ausgegeben.
</translation>
    </message>
    <message>
        <source>print the folders and files of one listing</source>
        <translation>die Ordner und Dateien einer Liste ausgeben</translation>
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
        <translation>Aufruf: rackmere-cli show LISTING [--json]

LISTING ist der Name einer Listendatei ohne Pfad (1234.rkm) oder ein
Datenträgername. Gibt die Ordner und Dateien des Datenträgers aus, die jedes
Ordners in der gespeicherten Reihenfolge, nach je einer Zeile dazu, wo der
Datenträger aufbewahrt wird, an wen er verliehen ist und was beim Einhängen
geschieht, sofern festgelegt (siehe set).

  --json   ein Objekt ausgeben: file, serial, name, rootPath, driveType,
           comment, location, lentTo, onMount (wie list --json sie ausgibt),
           files (Arrays der fünf Texte: Name, Beschreibung, Datum, Größe,
           Kategorie), folders (Objekte mit name, comment, files, folders)
</translation>
    </message>
    <message>
        <source>catalogue a folder or drive as a new listing</source>
        <translation>einen Ordner oder ein Laufwerk als neue Liste katalogisieren</translation>
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
        <translation>Aufruf: rackmere-cli add PATH --name NAME [--comment TEXT] [--threads N]
                         [--archives] [--no-descriptions] [--tags]
                         [--fingerprints] [--pictures]

Durchläuft den Ordner PATH und speichert ihn als neue Liste namens NAME, genau
wie „Hinzufügen“ im Desktop-Programm, und gibt dann den Namen der neuen
Listendatei aus. Ein Zeilenumbruch in TEXT wird zu einem Leerzeichen. Ein
leerer NAME, ein PATH, der kein betretbarer Ordner ist, oder ein NAME, TEXT
oder Ordnerpfad, der länger ist als die 510 Byte, die eine Liste von einem
Text aufnimmt, wird mit Exit-Status 2 abgelehnt, und es wird nichts
geschrieben.

Der Durchlauf hält so viele Anfragen an das Volume gleichzeitig offen, wie es
am besten bedient: 64 auf einem Netzwerk- oder FUSE-Dateisystem, 32 auf einer
SSD, 2 auf einer Festplatte, 1 auf einem optischen Laufwerk. --threads N (1
bis 256) durchläuft den Ordner stattdessen mit N Threads; die Liste ist in
beiden Fällen dieselbe.

Was über Namen, Datum und Größe hinaus gelesen wird (wie die Ankreuzfelder
von „Hinzufügen“; standardmäßig nur Beschreibungen). Die Auswahl wird für die
Liste gespeichert und von update wieder verwendet.

</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>name one listing</source>
        <translation>Geben Sie eine Liste an</translation>
    </message>
    <message>
        <source>Location: %1</source>
        <translation>Standort: %1</translation>
    </message>
    <message>
        <source>Lent to: %1</source>
        <translation>Verliehen an: %1</translation>
    </message>
    <message>
        <source>When the disk is mounted: %1</source>
        <translation>Beim Einhängen: %1</translation>
    </message>
    <message>
        <source>name one folder to catalogue</source>
        <translation>Geben Sie einen Ordner zum Katalogisieren an</translation>
    </message>
    <message>
        <source>--threads takes a number from 1 to 256</source>
        <translation>--threads erwartet eine Zahl von 1 bis 256</translation>
    </message>
    <message>
        <source>rackmere-cli add: the listing needs a name (--name NAME)</source>
        <translation>rackmere-cli add: Die Liste braucht einen Namen (--name NAME)</translation>
    </message>
    <message>
        <source>rackmere-cli add: &apos;%1&apos; is not a folder that can be entered</source>
        <translation>rackmere-cli add: „%1“ ist kein Ordner, der betreten werden kann</translation>
    </message>
    <message>
        <source>rackmere-cli add: %1: could not be read: %2</source>
        <translation>rackmere-cli add: %1: konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>tell whether local files are archived in a listing, by their contents</source>
        <translation>prüfen, ob lokale Dateien archiviert sind (nach ihrem Inhalt)</translation>
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
        <translation>Aufruf: rackmere-cli have PATH... [--json]

Liest jede genannte lokale Datei (bei einem Ordner jede reguläre Datei darin,
rekursiv, ohne Verknüpfungen zu folgen), berechnet ihren Fingerabdruck und
gibt aus, wo der Katalog denselben Inhalt enthält, gleich unter welchem Namen:

  PATH: enthalten in LISTING: path/in/listing   eine Zeile je vorhandener Kopie
  PATH: nicht archiviert

Nur Listen, die mit Fingerabdrücken gelesen wurden (add oder update mit
--fingerprints), können eine Datei enthalten. Eine Datei, die nicht gelesen
werden kann, wird mit dem vom System gemeldeten Grund auf der
Standardfehlerausgabe genannt und zählt als nicht archiviert.

  --json   ein Array von Objekten ausgeben, mit den Schlüsseln path und held
           (ein Array von Objekten mit den Schlüsseln listing, file und
           path) sowie error bei einer Datei, die nicht gelesen werden konnte

Exit-Status 0, wenn jede Datei irgendwo enthalten ist, sonst 1, 2 bei einer
fehlerhaften Befehlszeile.
</translation>
    </message>
    <message>
        <source>write the picture kept of a file in a listing</source>
        <translation>das gespeicherte Bild einer Datei in einer Liste schreiben</translation>
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
        <translation>Aufruf: rackmere-cli picture LISTING PATH -o FILE

LISTING ist der Name einer Listendatei ohne Pfad (1234.rkm) oder ein
Datenträgername; PATH ist der Pfad der Datei unterhalb des Stammordners der
Liste (Ordner und Name durch &apos;/&apos; verbunden) oder die Zeile, die find für sie
ausgibt (mit dem Datenträgernamen vorne). Schreibt das kleine Bild, das von
der Datei gespeichert wurde, als die Liste mit --pictures gelesen wurde.

  -o, --output FILE   die zu schreibende Datei: PNG, oder JPEG, wenn ihr Name
                      auf .jpg oder .jpeg endet; - schreibt PNG auf die
                      Standardausgabe

Exit-Status 1, wenn die Liste kein Bild dieser Datei enthält, 2 bei einer
fehlerhaften Befehlszeile oder einer Liste, die nicht gefunden wird.
</translation>
    </message>
    <message>
        <source>name the files or folders to look for</source>
        <translation>Geben Sie die zu suchenden Dateien oder Ordner an</translation>
    </message>
    <message>
        <source>rackmere-cli have: the store beside the listings could not be read: %1</source>
        <translation>rackmere-cli have: Der Speicher neben den Listen konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>rackmere-cli have: no file was found to read</source>
        <translation>rackmere-cli have: Es wurde keine Datei zum Lesen gefunden</translation>
    </message>
    <message>
        <source>%1: not archived</source>
        <translation>%1: nicht archiviert</translation>
    </message>
    <message>
        <source>%1: held in %2: %3</source>
        <translation>%1: enthalten in %2: %3</translation>
    </message>
    <message>
        <source>rackmere-cli have: %1: %2</source>
        <translation>rackmere-cli have: %1: %2</translation>
    </message>
    <message>
        <source>name one listing and one file&apos;s path</source>
        <translation>Geben Sie eine Liste und den Pfad einer Datei an</translation>
    </message>
    <message>
        <source>name the file to write with -o FILE (- for standard output)</source>
        <translation>Geben Sie die zu schreibende Datei mit -o FILE an (- für die Standardausgabe)</translation>
    </message>
    <message>
        <source>rackmere-cli picture: the store beside the listings could not be read: %1</source>
        <translation>rackmere-cli picture: Der Speicher neben den Listen konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>rackmere-cli picture: %1 holds no picture of &apos;%2&apos;</source>
        <translation>rackmere-cli picture: %1 enthält kein Bild von „%2“</translation>
    </message>
    <message>
        <source>rackmere-cli picture: %1</source>
        <translation>rackmere-cli picture: %1</translation>
    </message>
    <message>
        <source>write listings as CSV, JSON or an HTML page</source>
        <translation>Listen als CSV, JSON oder HTML-Seite schreiben</translation>
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
        <translation>Aufruf: rackmere-cli export [LISTING...] [--format csv|json|html] [--pictures]
                          -o FILE

Schreibt die genannten Listen oder, wenn keine genannt ist, den ganzen Katalog
mit jedem Ordner und jeder Datei. LISTING ist der Name einer Listendatei ohne
Pfad (1234.rkm) oder ein Datenträgername. Ein Datensatz je Ordner (der
Stammordner der Liste eingeschlossen) und je Datei: Liste, Pfad, Name, Art
(file oder folder), Größe in Byte (nur wo der Größentext sie genau angibt,
„N bytes“), Größentext, Datum, Beschreibung, Kategorie, Kommentar. Texte
werden als UTF-8 geschrieben; Texte von unter Windows erstellten Listen werden
aus Windows-1252 umgewandelt.

  --format csv    kommagetrennte Werte (RFC 4180), UTF-8 mit Byte-Order-Mark,
                  eine Kopfzeile, eine Zeile je Datensatz
  --format json   ein Objekt: die Listen, jede mit ihren Datensätzen
  --format html   eine Seite, die keine weitere Datei und kein Netzwerk
                  braucht: die Listen als aufklappbarer Baum, eine Tabelle der
                  Dateien je Ordner, ein Suchfeld, das schon beim Tippen
                  filtert
  --pictures      die HTML-Seite zeigt das gespeicherte Bild jeder Datei, die
                  eines hat (mit --pictures gelesene Listen), in der Seite
                  selbst
  -o, --output FILE
                  die zu schreibende Datei, - für die Standardausgabe

Ohne --format bestimmt die Endung von FILE das Format (.csv, .json, .html).
Die Datei wird ganz oder gar nicht geschrieben; schlägt der Export fehl, bleibt
eine ältere Datei dieses Namens erhalten. Exit-Status 1, wenn eine Liste nicht
gefunden wird (nichts wird geschrieben) oder eine Listendatei nicht geladen
werden konnte (der Rest wird geschrieben), 2 bei einer fehlerhaften
Befehlszeile.
</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (csv, json or html)</source>
        <translation>unbekanntes Format „%1“ (csv, json oder html)</translation>
    </message>
    <message>
        <source>name the format with --format csv|json|html</source>
        <translation>Geben Sie das Format mit --format csv|json|html an</translation>
    </message>
    <message>
        <source>--pictures goes with --format html</source>
        <translation>--pictures gibt es nur mit --format html</translation>
    </message>
    <message>
        <source>rackmere-cli export: the pictures could not be read: %1</source>
        <translation>rackmere-cli export: Die Bilder konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>rescan a listing&apos;s disk, keeping its annotations</source>
        <translation>den Datenträger einer Liste neu einlesen, mit ihren Anmerkungen</translation>
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
        <translation>Aufruf: rackmere-cli update LISTING [--force] [--reread] [--archives]
                            [--descriptions] [--tags] [--fingerprints]
                            [--pictures] [--no-archives] [--no-descriptions]
                            [--no-tags] [--no-fingerprints] [--no-pictures]

LISTING ist der Name einer Listendatei ohne Pfad (1234.rkm) oder ein
Datenträgername. Durchläuft den Stammpfad der Liste erneut, übernimmt die
Beschreibungen, Kategorien und Kommentare anhand der Namen, schreibt die neue
Liste unter einem neuen Dateinamen und löscht dann die alte Datei, genau wie
„Aktualisieren“ im Desktop-Programm. Gibt den Namen der neuen Listendatei aus.

  --force  auch dann aktualisieren, wenn das Volume dort eine andere
           Seriennummer hat, der Stammpfad ein NUL-Byte enthält oder kein
           vollständiger Pfad ist oder der Stammpfad eines
           Wechseldatenträgers jetzt ein Systemordner ist (/, /usr, /home...)

Eine unter Windows erstellte Liste (Stammpfad E:\...) nennt ein Laufwerk, hier
aber keinen Ordner: Legen Sie zuerst ihr Laufwerk in den Eigenschaften im
Desktop-Programm fest.

Exit-Status 2, wenn der Stammpfad nicht betreten werden kann (die Meldung
nennt das Laufwerk oder den Einhängepunkt, in dem der Datenträger gebraucht
wird), 3, wenn die Seriennummer des Volumes von der der Liste abweicht oder
der Stammpfad beschädigt oder ein Systemordner ist (nichts wird geändert),
1, wenn die Liste nicht gefunden wird oder die neue Liste nicht geschrieben
werden kann (die alte Datei bleibt erhalten).

Der Datenträger wird so gelesen wie beim Erstellen oder letzten Aktualisieren
der Liste (die für die Liste gespeicherte Auswahl; bei einer Liste ohne eine
solche nur Beschreibungen). Jede unten genannte Auswahl schaltet genau diese
ein oder aus, für diese Aktualisierung und die folgenden; die übrigen bleiben
wie gespeichert.

Eine Datei, deren Größe und Datum unverändert sind, behält ihren Fingerabdruck
und ihr Bild, ohne erneut gelesen zu werden;
  --reread  liest trotzdem den Inhalt jeder Datei erneut

</translation>
    </message>
    <message>
        <source>give a listing another disk name</source>
        <translation>einer Liste einen anderen Datenträgernamen geben</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli rename LISTING NEWNAME

Renames the disk of a listing and rewrites its listing file under the same
file name. An empty NEWNAME, or one longer than the 510 bytes a listing
holds of a text, is refused with exit status 2 and nothing is changed; the
same name as before changes nothing either.
</source>
        <translation>Aufruf: rackmere-cli rename LISTING NEWNAME

Benennt den Datenträger einer Liste um und schreibt ihre Listendatei unter
demselben Dateinamen neu. Ein leerer NEWNAME oder einer, der länger ist als
die 510 Byte, die eine Liste von einem Text aufnimmt, wird mit Exit-Status 2
abgelehnt, und es wird nichts geändert; derselbe Name wie zuvor ändert
ebenfalls nichts.
</translation>
    </message>
    <message>
        <source>delete a listing and its file</source>
        <translation>eine Liste und ihre Datei löschen</translation>
    </message>
    <message>
        <source>Usage: rackmere-cli delete LISTING

Deletes the listing file of a disk from the catalogue. Exit status 1 when the
listing is not found or its file cannot be deleted.
</source>
        <translation>Aufruf: rackmere-cli delete LISTING

Löscht die Listendatei eines Datenträgers aus dem Katalog. Exit-Status 1, wenn
die Liste nicht gefunden wird oder ihre Datei nicht gelöscht werden kann.
</translation>
    </message>
    <message>
        <source>%1; this is probably not the disk of the listing. Nothing was changed (--force updates all the same).</source>
        <translation>%1; das ist wahrscheinlich nicht der Datenträger der Liste. Nichts wurde geändert (--force aktualisiert trotzdem).</translation>
    </message>
    <message>
        <source>could not find the disk: please make sure that the disk &apos;%1&apos; is in drive %2 (the listing&apos;s root path %3 cannot be entered)</source>
        <translation>Datenträger nicht gefunden: Bitte stellen Sie sicher, dass der Datenträger „%1“ in Laufwerk %2 liegt (der Stammpfad %3 der Liste kann nicht betreten werden)</translation>
    </message>
    <message>
        <source>the serial number of the disk (%1) is %2, not %3 as that of the original one; this probably means that it is the wrong disk. Nothing was changed (--force updates all the same).</source>
        <translation>Die Seriennummer des Datenträgers (%1) ist %2, nicht %3 wie die des ursprünglichen; wahrscheinlich ist es der falsche Datenträger. Nichts wurde geändert (--force aktualisiert trotzdem).</translation>
    </message>
    <message>
        <source>%1: could not be read: %2</source>
        <translation>%1: konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>name one listing and its new name</source>
        <translation>Geben Sie eine Liste und ihren neuen Namen an</translation>
    </message>
    <message>
        <source>the new name must not be empty</source>
        <translation>Der neue Name darf nicht leer sein</translation>
    </message>
    <message>
        <source>new name</source>
        <translation>neuer Name</translation>
    </message>
    <message>
        <source>error deleting file %1</source>
        <translation>Fehler beim Löschen der Datei %1</translation>
    </message>
    <message>
        <source>list the listings whose disks are mounted now</source>
        <translation>die Listen aufführen, deren Datenträger jetzt eingehängt sind</translation>
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
        <translation>Aufruf: rackmere-cli online [--json]

Gibt jede Liste aus, deren Datenträger gerade eingehängt ist, eine je Zeile:
den Namen, unter dem die Liste angezeigt wird, einen Tabulator und wo ihr
Datenträger eingehängt ist. Ein Datenträger wird an der UUID seines
Dateisystems wiedererkannt (beim Hinzufügen oder letzten Aktualisieren mit der
Liste gespeichert) oder, bei einer unter Windows erstellten Liste, an seiner
Seriennummer; an seiner Bezeichnung nie. Die Einhängungen werden bei udisks2
erfragt, wo es läuft, sonst aus der Einhängetabelle gelesen.

  --json   ein Array von Objekten ausgeben, mit den Schlüsseln name, file,
           mountPoint, uuid und label
</translation>
    </message>
    <message>
        <source>follow disks as they are mounted and unmounted</source>
        <translation>das Ein- und Aushängen von Datenträgern verfolgen</translation>
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
        <translation>Aufruf: rackmere-cli watch [--update-known] [--json]

Verfolgt das Ein- und Aushängen von Volumes, bis der Befehl beendet wird
(Strg+C oder das Signal TERM), und gibt für jedes eine Zeile aus:

  mounted MOUNTPOINT (LABEL): LISTING, LISTING
  mounted MOUNTPOINT (LABEL): not catalogued
  unmounted MOUNTPOINT

  --update-known   eine Liste eines eingehängten Datenträgers, die beim
                   Einhängen ihres Datenträgers aktualisiert werden soll
                   (on-mount: update, festgelegt in den Listeneigenschaften
                   im Desktop-Programm), sofort aktualisieren, wie es
                   &apos;rackmere-cli update&apos; tut, und &apos;updated LISTING&apos; ausgeben
                   (oder &apos;not updated LISTING&apos; und den Grund auf der
                   Standardfehlerausgabe). Jede Aktualisierung hält während
                   ihrer Laufzeit die Schreibsperre des Katalogs und wartet
                   bis zu einer Minute auf sie.
  --json           stattdessen ein JSON-Objekt je Zeile ausgeben, mit den
                   Schlüsseln event (mounted, unmounted, updated,
                   not-updated), mountPoint, uuid und label sowie listings
                   (Objekte mit den Schlüsseln name und file) bei mounted,
                   name und file bei einer Aktualisierung

Solange sich nichts ändert, wird nichts gelesen: Die Einhängungen meldet
udisks2 oder, wenn das System ohne udisks2 läuft, der Kernel. Eine
zwischenzeitlich hinzugefügte Liste wird beim nächsten Einhängen erkannt.
</translation>
    </message>
    <message>
        <source>online takes no listing</source>
        <translation>online erwartet keine Liste</translation>
    </message>
    <message>
        <source>mounted %1: not catalogued</source>
        <translation>eingehängt %1: nicht im Katalog</translation>
    </message>
    <message>
        <source>mounted %1: %2</source>
        <translation>eingehängt %1: %2</translation>
    </message>
    <message>
        <source>unmounted %1</source>
        <translation>ausgehängt %1</translation>
    </message>
    <message>
        <source>%1 was not updated: the catalogue in %2 is in use by Rackmere (process %3)</source>
        <translation>%1 wurde nicht aktualisiert: Der Katalog in %2 wird von Rackmere benutzt (Prozess %3)</translation>
    </message>
    <message>
        <source>%1 was not updated: the catalogue in %2 is in use by Rackmere</source>
        <translation>%1 wurde nicht aktualisiert: Der Katalog in %2 wird von Rackmere benutzt</translation>
    </message>
    <message>
        <source>%1 was not updated: the catalogue in %2 cannot be written: %3</source>
        <translation>%1 wurde nicht aktualisiert: Der Katalog in %2 kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>updated %1</source>
        <translation>aktualisiert %1</translation>
    </message>
    <message>
        <source>not updated %1</source>
        <translation>nicht aktualisiert %1</translation>
    </message>
    <message>
        <source>%1 was not updated: its listing %2 is gone</source>
        <translation>%1 wurde nicht aktualisiert: Die Liste %2 ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>watch takes no listing</source>
        <translation>watch erwartet keine Liste</translation>
    </message>
    <message>
        <source>cannot wait for the signals that end it: %1</source>
        <translation>kann nicht auf die Signale warten, die den Befehl beenden: %1</translation>
    </message>
    <message>
        <source>print a listing to a PDF file or its preview to a PNG image</source>
        <translation>eine Liste als PDF-Datei oder ihre Vorschau als PNG-Bild drucken</translation>
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
        <translation>Aufruf: rackmere-cli print LISTING (--pdf FILE | --preview-png FILE [--page N])
                           [--layout list|cover|back] [--frame | --no-frame]

Gestaltet die Seite der Liste wie der Befehl „Drucken“ im Desktop-Programm,
mit den gespeicherten Druckvorgaben und den Filterdateien FILES.FLT und
FOLDERS.FLT des Katalogordners (die Ebenenfelder auf 0). LISTING ist der Name
einer Listendatei ohne Pfad oder ein Datenträgername.

  --pdf FILE          in eine PDF-Datei (A4) mit 600 dpi drucken; ein
                      Inhaltsverzeichnis nimmt so viele Seiten ein wie nötig,
                      jede mit dem Datenträgernamen oben und „Seite n von m“
                      unten; Zeilen, die nicht auf ein Cover passen, laufen
                      darunter weiter
  --preview-png FILE  das Vorschaubild (540 x 470 Pixel) als PNG schreiben
  --page N            die zu schreibende Seite der Vorschau (ab 1; Standard:
                      1); ein Inhaltsverzeichnis, das länger als das Bild ist,
                      hat mehrere
  --layout L          list (Inhaltsverzeichnis), cover (CD-Cover, 12 x 12 cm)
                      oder back (CD-Rückseite mit Seitenstreifen); Standard:
                      das gespeicherte
  --frame, --no-frame den Rahmen des gewählten Covers zeichnen oder nicht;
                      Standard: wie gespeichert
</translation>
    </message>
    <message>
        <source>give one of --pdf FILE and --preview-png FILE</source>
        <translation>Geben Sie --pdf FILE oder --preview-png FILE an</translation>
    </message>
    <message>
        <source>the output file needs a name</source>
        <translation>Die Ausgabedatei braucht einen Namen</translation>
    </message>
    <message>
        <source>give --frame or --no-frame, not both</source>
        <translation>Geben Sie --frame oder --no-frame an, nicht beide</translation>
    </message>
    <message>
        <source>--page goes with --preview-png</source>
        <translation>--page gibt es nur mit --preview-png</translation>
    </message>
    <message>
        <source>--page is a page number from 1, not &apos;%1&apos;</source>
        <translation>--page ist eine Seitenzahl ab 1, nicht „%1“</translation>
    </message>
    <message>
        <source>--layout is list, cover or back, not &apos;%1&apos;</source>
        <translation>--layout ist list, cover oder back, nicht „%1“</translation>
    </message>
    <message>
        <source>rackmere-cli print: Nothing to print - please make your selections. (The stored defaults choose &quot;Specify:&quot; with none of its boxes checked.)</source>
        <translation>rackmere-cli print: Nichts zu drucken - bitte treffen Sie Ihre Auswahl. (Die gespeicherten Vorgaben wählen „Festlegen:“, ohne eines seiner Felder anzukreuzen.)</translation>
    </message>
    <message>
        <source>list files that have copies, across all listings or within one</source>
        <translation>Dateien mit Kopien auflisten, in allen Listen oder in einer</translation>
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
        <translation>Aufruf: rackmere-cli duplicates [--contents] [--min-size SIZE]
                                 [--listing LISTING] [--json]

Gruppiert die Dateieinträge mit gleichem Namen (ohne Beachtung der
Groß-/Kleinschreibung, nach dem dekodierten Text, sodass ein Name aus einer
Windows-Liste seinen UTF-8-Zwilling findet) und gleichem Größentext und gibt
jede Gruppe aus: eine Zeile mit dem Namen, der Größe, der Anzahl der Kopien
und dem Platz, den alle bis auf eine davon belegen, dann eine Zeile je Kopie
(Datenträgername, Ordner und Dateiname durch &apos;/&apos; verbunden). Die Gruppen, die
den meisten Platz verschwenden, kommen zuerst; die Kopien stehen in der
Reihenfolge des Katalogs. Einträge, deren Größentext nicht gelesen werden
kann, werden ausgelassen.

  --contents          stattdessen nach Inhalt gruppieren: die Dateien, deren
                      Fingerabdrücke gleich sind, unabhängig von Namen und
                      Datum, unter den mit --fingerprints gelesenen Listen;
                      eine Gruppe wird nach ihrer ersten Kopie benannt
  --min-size SIZE     Dateien kleiner als SIZE auslassen (Standard 1m): eine
                      Zahl mit optionaler Einheit b, k, m, g
                      (1 KB = 1024 Byte); 0 behält jede Datei
  --listing LISTING   nur Kopien innerhalb dieser Liste (der Name einer Datei
                      ohne Pfad wie 1234.rkm oder ein Datenträgername)
  --json              ein Array von Gruppen ausgeben, mit den Schlüsseln name,
                      size (der Größentext), bytes, copies, wasted und entries
                      (Objekte mit den Schlüsseln listing, disk, folders, file
                      und index)

Exit-Status 0 bei Kopien, 1 bei keinen („Es wurden keine Duplikate gefunden“
auf der Standardfehlerausgabe), wenn die Liste nicht gefunden wird, wenn eine
Listendatei nicht geladen werden konnte oder, mit --contents, wenn der
Speicher neben den Listen nicht gelesen werden konnte; 2 bei einer Größe, die
nicht gelesen werden kann.
</translation>
    </message>
    <message>
        <source>compare two listings: what only one holds and what changed</source>
        <translation>zwei Listen vergleichen: was nur eine enthält, was sich änderte</translation>
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
        <translation>Aufruf: rackmere-cli diff A B [--json]

A und B sind Listen (der Name einer Datei ohne Pfad wie 1234.rkm oder ein
Datenträgername). Vergleicht sie anhand des Pfads ab dem Stammordner und gibt
eine Zeile je Unterschied aus, Ordner für Ordner (erst seine Dateien, dann
seine Ordner). Groß-/Kleinschreibung zählt in Namen; ein Name aus einer unter
Windows erstellten Liste gleicht seiner Schreibung in UTF-8. Pfade werden als
UTF-8 ausgegeben. Die Zeilen:

  - PATH                      nur in A
  + PATH                      nur in B
  ~ PATH: Größe X -&gt; Y, Datum X -&gt; Y   in beiden, mit anderer Größe oder
                                       anderem Datum

Ein Ordner, den nur eine Liste enthält, ist eine Zeile, deren Pfad auf &apos;/&apos;
endet, mit der Anzahl der Ordner und Dateien darin. Größen werden danach
verglichen, wofür die Größentexte stehen, Datumsangaben nach dem Tag, wobei
die Datumsangaben jeder Liste in ihrer eigenen Reihenfolge gelesen werden.
Beschreibungen, Kategorien und Kommentare zählen nicht. Eine letzte Zeile
nennt die Anzahlen.

  --json   ein Objekt ausgeben, mit den Schlüsseln a und b (Liste und
           Datenträger), onlyInA, onlyInB und changed (Arrays von Objekten
           mit den Schlüsseln path und folder, bei einem Ordner files und
           folders, size und date als [A, B], wo sie sich geändert haben) und
           counts

Exit-Status 0, wenn die Listen gleich sind, 1, wenn sie sich unterscheiden,
2, wenn eine Liste nicht gefunden wird.
</translation>
    </message>
    <message>
        <source>scan a listing&apos;s disk again and tell what changed, changing nothing</source>
        <translation>den Datenträger einer Liste erneut lesen, Änderungen nur melden</translation>
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
        <translation>Aufruf: rackmere-cli verify LISTING [--contents] [--force] [--json]

LISTING ist der Name einer Listendatei ohne Pfad (1234.rkm) oder ein
Datenträgername. Durchläuft den Stammpfad der Liste erneut, mit den Prüfungen
von update (der Pfad kann betreten werden, die Seriennummer des Volumes ist
die der Liste), und vergleicht, was dort ist, mit der Liste, wie diff es mit
der Liste als A und dem Datenträger als B tut:

  + PATH   hinzugekommen: auf dem Datenträger, nicht in der Liste
  - PATH   entfernt: in der Liste, nicht mehr auf dem Datenträger
  ~ PATH: Größe X -&gt; Y, Datum X -&gt; Y   geändert

sowie eine letzte Zeile mit den Anzahlen. Nichts wird geändert und nichts
geschrieben: So prüft man, ob eine alte Sicherung noch vollständig ist.

  --contents  jede Datei erneut lesen und ihren Fingerabdruck mit dem
           gespeicherten vergleichen (die Liste wurde mit --fingerprints
           hinzugefügt oder aktualisiert); meldet außer den Zeilen oben jede
           Datei, deren Größe und Datum gleich sind, ihr Inhalt aber nicht,
           und jede Datei, die nicht gelesen werden konnte, mit dem vom
           System gemeldeten Grund:
             ~ PATH: Inhalt geändert: ein Bitfehler oder ein unbemerktes Überschreiben
             ! PATH: konnte nicht gelesen werden: REASON
           Eine unlesbare Datei hält das Lesen der übrigen nicht auf.
  --force  auch dann prüfen, wenn das Volume dort eine andere Seriennummer
           hat oder der Stammpfad beschädigt ist oder der eines
           Wechseldatenträgers jetzt ein Systemordner ist (wie bei update)
  --json   ein Objekt ausgeben, mit den Schlüsseln listing, disk, root, added,
           removed, changed (wie die Arrays von diff) und counts; mit
           --contents auch contents (Objekte mit path und, bei einer
           unlesbaren Datei, error)

Exit-Status 0, wenn der Datenträger seiner Liste entspricht, 1, wenn er
abweicht (mit --contents auch, wenn Inhalte abweichen oder eine Datei nicht
gelesen werden konnte), 2, wenn die Liste nicht gefunden wird, ihr Stammpfad
nicht betreten werden kann oder --contents für eine Liste ohne
Fingerabdrücke angegeben ist, 3, wenn die Seriennummer des Volumes von der
der Liste abweicht oder der Stammpfad beschädigt oder ein Systemordner ist.
</translation>
    </message>
    <message>
        <source>takes no positional arguments</source>
        <translation>erwartet keine Positionsargumente</translation>
    </message>
    <message>
        <source>the store beside the listings could not be read: %1</source>
        <translation>Der Speicher neben den Listen konnte nicht gelesen werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, %n copies (%3 wasted)</source>
        <extracomment>A group of copies: the file&apos;s name, its size, how many copies, the space all but one take.</extracomment>
        <translation>
            <numerusform>%1, %2, %n Kopie (%3 verschwendet)</numerusform>
            <numerusform>%1, %2, %n Kopien (%3 verschwendet)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, %3 wasted</source>
        <extracomment>The groups of copies, the files in them, the space wasted: &quot;3 groups&quot;, &quot;7 files&quot;, a size.</extracomment>
        <translation>%1, %2, %3 verschwendet</translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n Gruppe</numerusform>
            <numerusform>%n Gruppen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicates were found</source>
        <translation>Es wurden keine Duplikate gefunden</translation>
    </message>
    <message>
        <source>size %1 -&gt; %2</source>
        <translation>Größe %1 -&gt; %2</translation>
    </message>
    <message>
        <source>date %1 -&gt; %2</source>
        <translation>Datum %1 -&gt; %2</translation>
    </message>
    <message>
        <source>(%1, %2)</source>
        <extracomment>What a folder holds: &quot;2 folders&quot;, &quot;5 files&quot;.</extracomment>
        <translation>(%1, %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n Ordner</numerusform>
            <numerusform>%n Ordner</numerusform>
        </translation>
    </message>
    <message>
        <source>name two listings</source>
        <translation>Geben Sie zwei Listen an</translation>
    </message>
    <message>
        <source>%1 only in A (%2), %3 only in B (%4), %5 changed</source>
        <translation>%1 nur in A (%2), %3 nur in B (%4), %5 geändert</translation>
    </message>
    <message>
        <source>%1; this is probably not the disk of the listing (--force verifies all the same).</source>
        <translation>%1; das ist wahrscheinlich nicht der Datenträger der Liste (--force prüft trotzdem).</translation>
    </message>
    <message>
        <source>could not find the disk: &apos;%1&apos; cannot be entered</source>
        <translation>Datenträger nicht gefunden: „%1“ kann nicht betreten werden</translation>
    </message>
    <message>
        <source>the serial number of the disk (%1) is %2, not %3 as that of the original one; this probably means that it is the wrong disk (--force verifies all the same).</source>
        <translation>Die Seriennummer des Datenträgers (%1) ist %2, nicht %3 wie die des ursprünglichen; wahrscheinlich ist es der falsche Datenträger (--force prüft trotzdem).</translation>
    </message>
    <message>
        <source>%1 has no fingerprints: add or update it with --fingerprints</source>
        <translation>%1 hat keine Fingerabdrücke: Fügen Sie die Liste mit --fingerprints hinzu oder aktualisieren Sie sie damit</translation>
    </message>
    <message>
        <source>The disk matches its listing</source>
        <translation>Der Datenträger entspricht seiner Liste</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 with changed contents, %5 unreadable</source>
        <translation>%1 hinzugekommen, %2 entfernt, %3 geändert, %4 mit geändertem Inhalt, %5 unlesbar</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed</source>
        <translation>%1 hinzugekommen, %2 entfernt, %3 geändert</translation>
    </message>
    <message>
        <source>search every listing with a query</source>
        <translation>alle Listen mit einer Abfrage durchsuchen</translation>
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
        <translation>Aufruf: rackmere-cli find QUERY [--case-sensitive] [--no-folder-names]
                          [--no-filenames] [--category NAME] [--min-size SIZE]
                          [--max-size SIZE] [--after DATE] [--before DATE]
                          [--listing LISTING] [--limit N] [--count]
                          [--json | -0]

Durchsucht alle Listen nach Datenträgern, Ordnern und Dateieinträgen, auf die
QUERY passt, und gibt jeden Treffer in der Reihenfolge aus, in der „Alle
finden“ im Desktop-Programm sie auflistet, einen je Zeile: einen Datenträger
oder Ordner als Datenträgername und Ordnernamen, durch &apos;/&apos; verbunden und auf
&apos;/&apos; endend, einen Dateieintrag als diesen Pfad, gefolgt vom Dateinamen. Die
Antwort kommt aus dem Suchindex (einem Cache unter $XDG_CACHE_HOME/rackmere/),
wenn er auf dem Stand der Listendateien ist, sonst aus den Listen selbst, die
den Index dann auf den aktuellen Stand bringen; die Ausgabe ist in beiden
Fällen dieselbe.

QUERY ist die Sprache des Suchfelds im Desktop-Programm: Jedes Wort muss im
Namen vorkommen (Groß-/Kleinschreibung zählt nicht), &quot;eine Wortgruppe&quot; mit
Leerzeichen, &apos;*&apos; und &apos;?&apos; machen ein Wort zu einem Muster über den ganzen Namen
(*.avi), OR (oder |), NOT (oder ein vorangestelltes -), Klammern und Felder:
ext:mp3;flac, size:&gt;10MB, size:1MB..5MB, date:2019, date:&gt;=2019-03, cat:,
desc:, comment:, disk:, path:, type:file, type:folder, regex:. Eine Abfrage,
die nicht gelesen werden kann, beendet den Befehl mit Exit-Status 2 und nennt
die Stelle (in Zeichen ab 1) und den Grund. Eine leere QUERY (&quot;&quot;) steht für
jeden Dateieintrag, sodass allein die Optionen auswählen. Eine QUERY, die mit
&apos;-&apos; beginnt, wird als Abfrage gelesen (-tmp: Namen ohne tmp); einer, die mit
&apos;--&apos; beginnt oder -0 lautet, stellen Sie -- voran.

Die Optionen werden mit QUERY durch AND verknüpft:
  --case-sensitive    Groß-/Kleinschreibung zählt in Wörtern und Textfeldern
  --no-folder-names   nur Dateieinträge (type:file)
  --no-filenames      nur Datenträger und Ordner (type:folder)
  --category NAME     nur Dateieinträge genau dieser Kategorie (cat:=NAME;
                      ein leerer NAME: Einträge ohne Kategorie)
  --min-size SIZE     nur Dateien von mindestens SIZE, --max-size von
                      höchstens SIZE: eine Zahl mit optionaler Einheit b, k,
                      m, g (KB, MB, GB; 1 KB = 1024 Byte), etwa 700m oder
                      1.5g. Größen werden aus den Größentexten gelesen: „1 Kb“
                      ist jede Größe von 1025 bis 2047 Byte und wird behalten,
                      wenn sich diese Spanne mit dem Bereich überschneidet
  --after DATE        nur Dateien mit einem Datum nach DATE, --before vor DATE
                      (der Tag selbst nicht eingeschlossen); DATE ist
                      YYYY-MM-DD oder ein Datum im kurzen Format dieses
                      Rechners. Die Datumsangaben einer Liste werden in der
                      Reihenfolge gelesen, die ihre eigenen Texte zeigen (ein
                      Tag über 12 unterscheidet Tag und Monat), sonst in der
                      Reihenfolge dieses Rechners
  --listing LISTING   nur in dieser Liste (der Name einer Datei ohne Pfad wie
                      1234.rkm oder ein Datenträgername)
  --glob, --no-descriptions
                      für Skripte beibehalten, ohne Wirkung: Wörter werden nur
                      an Namen geprüft (desc: sucht in Beschreibungen), und
                      &apos;*&apos; oder &apos;?&apos; machen ein Wort immer zu einem Muster

Was ausgegeben wird:
  --limit N           nur die ersten N Treffer
  --count             nur die Anzahl der Treffer
  --json              ein Array von Objekten mit den Schlüsseln listing, disk,
                      folders (Namen unterhalb des Datenträgers), file und
                      index (null bei einem Datenträger oder Ordner)
  -0                  jede Zeile mit einem NUL-Byte statt eines Zeilenendes
                      abschließen, für xargs -0

Exit-Status 0 bei Treffern, 1 bei keinen („Es wurde kein passender Eintrag
gefunden“ auf der Standardfehlerausgabe) oder wenn eine Listendatei nicht
geladen werden konnte (jede wird auf der Standardfehlerausgabe genannt; die
Treffer in den übrigen werden trotzdem ausgegeben), 2 bei einer Abfrage,
einer Größe oder einem Datum, die nicht gelesen werden können.
</translation>
    </message>
    <message>
        <source>set the description and category of a file entry</source>
        <translation>Beschreibung und Kategorie eines Dateieintrags setzen</translation>
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
        <translation>Aufruf: rackmere-cli describe LISTING PATH [--description TEXT]
                              [--category TEXT]

LISTING ist der Name einer Listendatei ohne Pfad (1234.rkm) oder ein
Datenträgername. PATH sind die Ordnernamen unterhalb des Datenträgers und der
Dateiname, durch &apos;/&apos; verbunden (readme.txt, Docs/Old/readme.txt). Setzt, was
angegeben ist, wobei ein Zeilenumbruch zu einem Leerzeichen wird, und
speichert die Liste. Wie in den Eigenschaften eines Dateieintrags im
Desktop-Programm wird die Kategorie des Eintrags zu DATA.CAT hinzugefügt,
sofern sie dort nicht schon in irgendeiner Groß-/Kleinschreibung steht.
Namen passen so, wie sie sich lesen, auch in einer unter Windows erstellten
Liste; ein Text, der sich wie der gespeicherte liest, bleibt so gespeichert,
wie er ist.

Exit-Status 2, wenn ein TEXT länger ist als die 510 Byte, die eine Liste von
einem Text aufnimmt (nichts wird geändert), 1, wenn die Liste oder der Eintrag
nicht vorhanden ist oder eine Datei nicht geschrieben werden kann.
</translation>
    </message>
    <message>
        <source>name a listing and a file entry&apos;s path</source>
        <translation>Geben Sie eine Liste und den Pfad eines Dateieintrags an</translation>
    </message>
    <message>
        <source>description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>no folder &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>kein Ordner „%1“ in „%2“</translation>
    </message>
    <message>
        <source>no file entry &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>kein Dateieintrag „%1“ in „%2“</translation>
    </message>
    <message>
        <source>say where a listing&apos;s disk is kept and to whom it is lent</source>
        <translation>Standort und Verleih des Datenträgers einer Liste festhalten</translation>
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
        <translation>Aufruf: rackmere-cli set LISTING [--location TEXT] [--lent-to TEXT]
                         [--on-mount ask|update|ignore]

LISTING ist der Name einer Listendatei ohne Pfad (1234.rkm) oder ein
Datenträgername. Speichert das Angegebene neben der Liste, wie es die
Listeneigenschaften im Desktop-Programm tun; was nicht angegeben ist, bleibt,
wie es war.

  --location TEXT   wo der Datenträger aufbewahrt wird („Regal B3, Kiste 2“);
                    &quot;&quot; löscht die Angabe
  --lent-to TEXT    an wen er verliehen ist, gern mit Datum („Anna, 3. Mai“);
                    &quot;&quot; löscht die Angabe
  --on-mount WORD   was das Desktop-Programm tut, wenn der Datenträger
                    eingehängt wird: ask (Standard), update (aktualisiert die
                    Liste sofort) oder ignore

Ein Zeilenumbruch in TEXT wird zu einem Leerzeichen, Leerzeichen an beiden
Enden entfallen. `list --json` und `show` geben aus, was gespeichert ist.

Exit-Status 2, wenn nichts angegeben ist, ein TEXT länger als 1.000 Byte ist
oder WORD keines der drei ist (nichts wird geändert), 1, wenn die Liste nicht
vorhanden ist oder nicht geschrieben werden kann.
</translation>
    </message>
    <message>
        <source>say what to set: --location, --lent-to or --on-mount</source>
        <translation>Geben Sie an, was gesetzt werden soll: --location, --lent-to oder --on-mount</translation>
    </message>
    <message>
        <source>rackmere-cli set: %1 Nothing was changed.</source>
        <translation>rackmere-cli set: %1 Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>--on-mount takes ask, update or ignore, not &apos;%1&apos;</source>
        <translation>--on-mount erwartet ask, update oder ignore, nicht „%1“</translation>
    </message>
    <message>
        <source>rackmere-cli set: %1</source>
        <translation>rackmere-cli set: %1</translation>
    </message>
    <message>
        <source>give one query (&quot;&quot; for every file entry)</source>
        <translation>Geben Sie eine Abfrage an (&quot;&quot; für jeden Dateieintrag)</translation>
    </message>
    <message>
        <source>--json and -0 are two ways of printing; give one</source>
        <translation>--json und -0 sind zwei Arten der Ausgabe; geben Sie eine an</translation>
    </message>
    <message>
        <source>--limit takes a number of matches from 1 on, not &apos;%1&apos;</source>
        <translation>--limit erwartet eine Anzahl Treffer ab 1, nicht „%1“</translation>
    </message>
    <message>
        <source>the options make no query (%1): %2</source>
        <translation>Die Optionen ergeben keine Abfrage (%1): %2</translation>
    </message>
    <message>
        <source>rackmere-cli find: bad query at position %1: %2</source>
        <translation>rackmere-cli find: fehlerhafte Abfrage an Position %1: %2</translation>
    </message>
    <message>
        <source>No matching entry was found</source>
        <translation>Es wurde kein passender Eintrag gefunden</translation>
    </message>
    <message>
        <source>rackmere-cli find: %1</source>
        <translation>rackmere-cli find: %1</translation>
    </message>
    <message>
        <source>rackmere-cli: cannot start %1: it is not installed</source>
        <translation>rackmere-cli: %1 kann nicht gestartet werden: Es ist nicht installiert</translation>
    </message>
    <message>
        <source>rackmere-cli: cannot start %1: %2</source>
        <translation>rackmere-cli: %1 kann nicht gestartet werden: %2</translation>
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
        <translation>Aufruf: rackmere-cli [--dir DIR] COMMAND [ARGS...]

Der Datenträgerkatalog von Rackmere im Terminal. Der Katalog ist der Ordner
DIR, sonst $RACKMERE_DIR, sonst ~/.local/share/Rackmere/. Ein mit --dir oder
$RACKMERE_DIR genannter Ordner, der fehlt oder kein Ordner ist, beendet einen
lesenden Befehl mit Exit-Status 2; ein schreibender Befehl legt einen
fehlenden an. Die Einhängetabelle, /sys und /dev werden unterhalb von
$RACKMERE_SYSROOT gelesen, wenn die Variable gesetzt ist (Standard: /).

Eine Liste wird über ihre Listendatei (1234.rkm) oder ihren Datenträgernamen
benannt. Ein Datenträgername, den mehrere Listen haben, beendet einen Befehl
mit Exit-Status 2, und die Listen werden auf der Standardfehlerausgabe mit
ihren Dateien aufgeführt.

  --help      diese Hilfe anzeigen
  --version   die Version des Programms anzeigen

Befehle:
</translation>
    </message>
    <message>
        <source>
&apos;rackmere-cli COMMAND --help&apos; describes a command.
</source>
        <translation>
&apos;rackmere-cli COMMAND --help&apos; beschreibt einen Befehl.
</translation>
    </message>
    <message>
        <source>rackmere-cli: --dir needs a folder</source>
        <translation>rackmere-cli: --dir braucht einen Ordner</translation>
    </message>
    <message>
        <source>rackmere-cli: unknown command &apos;%1&apos;</source>
        <translation>rackmere-cli: unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>--wait takes a number of seconds, not &apos;%1&apos;</source>
        <translation>--wait erwartet eine Anzahl Sekunden, nicht „%1“</translation>
    </message>
    <message>
        <source>rackmere-cli %1: the catalogue folder %2 is not a folder</source>
        <translation>rackmere-cli %1: Der Katalogordner %2 ist kein Ordner</translation>
    </message>
    <message>
        <source>rackmere-cli %1: there is no catalogue folder %2</source>
        <translation>rackmere-cli %1: Es gibt keinen Katalogordner %2</translation>
    </message>
    <message>
        <source>rackmere-cli %1: The catalogue in %2 is in use by Rackmere (process %3)</source>
        <translation>rackmere-cli %1: Der Katalog in %2 wird von Rackmere benutzt (Prozess %3)</translation>
    </message>
    <message>
        <source>rackmere-cli %1: The catalogue in %2 is in use by Rackmere</source>
        <translation>rackmere-cli %1: Der Katalog in %2 wird von Rackmere benutzt</translation>
    </message>
    <message>
        <source>rackmere-cli %1: The catalogue in %2 cannot be written: %3</source>
        <translation>rackmere-cli %1: Der Katalog in %2 kann nicht geschrieben werden: %3</translation>
    </message>
</context>
</TS>
