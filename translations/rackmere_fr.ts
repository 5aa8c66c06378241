<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Offer what to do when a disk is mounted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tarnwell website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Email support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rackmere shows the chosen language from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add new...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;operties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare with...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search &amp;names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find ne&amp;xt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;duplicates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is this &amp;archived?...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open containing &amp;folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormRename</name>
    <message>
        <source>Rename disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAddFilter</name>
    <message>
        <source>Add filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAddNew</name>
    <message>
        <source>Add new listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drive / folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the contents of &amp;archives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip, 7z, rar, tar, cab and ISO files become folders of their own; slower on slow media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read descriptions from descript.ion and file_id.diz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Describe music, photos and videos from their &amp;tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fingerprints (read every file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads every file once to keep a fingerprint of its contents: Verify can then find a bit error, and Find duplicates copies under any name; as slow as reading the whole disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pictures of photos, videos and music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps a small picture of each photo, video and music file with cover art, to browse with View &gt; Pictures while the disk is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAdding</name>
    <message>
        <source>Adding...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now adding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Compare listings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmDuplicates</name>
    <message>
        <source>Find duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files with the same name (in any letter case) and the same size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across &amp;all listings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Within this listing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Smallest size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;By contents (fingerprints), whatever the names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files whose contents are the same, in the listings read with fingerprints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmExport</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected &amp;listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole &amp;catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV, for spreadsheets (.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON, for scripts (.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML page with search, for a browser (.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include &amp;pictures (HTML page only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmListProperties</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fingerprint:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fingerprint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Launch file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open containing &amp;folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmPrint</name>
    <message>
        <source>Print disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print a&amp;ll filenames.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Specify:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print filenames c&amp;ontaining:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print filenames containing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print all filenames until &amp;tree level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print all filenames until tree level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print all file d&amp;escriptions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print a&amp;ll folder names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print folders c&amp;ontaining one of these files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print folders containing one of these files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print all folder names until &amp;tree level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print all folder names until tree level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print all folder entries with a co&amp;mment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;list of contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print C&amp;D cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print CD &amp;back cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print f&amp;rame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve settings as default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;int</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmPrintPreview</name>
    <message>
        <source>Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please note that the output may look different on your printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmProps</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders in listing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files in listing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lent &amp;to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the disk is &amp;mounted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask what to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Root drive:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept beside the listing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read when listed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the contents of &amp;archives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read &amp;descriptions from descript.ion and file_id.diz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Describe music, photos and videos from their ta&amp;gs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fingerprints (read every file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pictures of photos, videos and music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A changed choice is applied at the next Update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canc&amp;el</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSearch</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search for entry containing this text: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Case sensiti&amp;ve search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;older names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only in this ca&amp;tegory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only in this category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use * and ? as &amp;wildcards in names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* stands for any characters, ? for one: *.avi finds every name ending in .avi. A text without them is looked for anywhere in a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrow down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;up to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dat&amp;e from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>u&amp;ntil:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only in this &amp;listing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
