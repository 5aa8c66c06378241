<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>rkm::Core</name>
    <message numerus="yes">
        <source>The preview has %n page(s), no page %1</source>
        <translation>
            <numerusform>The preview has %n page, no page %1</numerusform>
            <numerusform>The preview has %n pages, no page %1</numerusform>
        </translation>
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
    <name>rkm::MessageLine</name>
    <message numerus="yes">
        <source>%1: %Ln bytes too long; a listing holds at most %L2 bytes.</source>
        <translation>
            <numerusform>%1: %Ln bytes too long; a listing holds at most %L2 bytes.</numerusform>
            <numerusform>%1: %Ln bytes too long; a listing holds at most %L2 bytes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::SearchBox</name>
    <message numerus="yes">
        <source>%Ln matches</source>
        <translation>
            <numerusform>%Ln match</numerusform>
            <numerusform>%Ln matches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmAdding</name>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln folders</numerusform>
            <numerusform>%Ln folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln files</numerusform>
            <numerusform>%Ln files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmArchived</name>
    <message numerus="yes">
        <source>Reading %Ln files and folders...</source>
        <translation>
            <numerusform>Reading %Ln files and folders...</numerusform>
            <numerusform>Reading %Ln files and folders...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>held in %Ln places</source>
        <translation>
            <numerusform>held in %Ln place</numerusform>
            <numerusform>held in %Ln places</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %Ln files are archived.</source>
        <translation>
            <numerusform>All %Ln files are archived.</numerusform>
            <numerusform>All %Ln files are archived.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files are not archived.</source>
        <translation>
            <numerusform>%1 of %Ln files are not archived.</numerusform>
            <numerusform>%1 of %Ln files are not archived.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDifferences</name>
    <message numerus="yes">
        <source>%Ln folders</source>
        <translation>
            <numerusform>%Ln folders</numerusform>
            <numerusform>%Ln folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln files</numerusform>
            <numerusform>%Ln files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmDuplicateList</name>
    <message numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln copies</numerusform>
            <numerusform>%Ln copies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Duplicates: %Ln groups, %1 wasted</source>
        <translation>
            <numerusform>Duplicates: %Ln group, %1 wasted</numerusform>
            <numerusform>Duplicates: %Ln groups, %1 wasted</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmExport</name>
    <message numerus="yes">
        <source>The whole &amp;catalogue (%Ln listings)</source>
        <translation>
            <numerusform>The whole &amp;catalogue (%Ln listing)</numerusform>
            <numerusform>The whole &amp;catalogue (%Ln listings)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmMain</name>
    <message numerus="yes">
        <source>Retry tries again. Discard closes Rackmere, and the changes made to these listings since it was last saved are lost.</source>
        <translation>
            <numerusform>Retry tries again. Discard closes Rackmere, and the changes made to this listing since it was last saved are lost.</numerusform>
            <numerusform>Retry tries again. Discard closes Rackmere, and the changes made to these listings since it was last saved are lost.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln items listed</source>
        <translation>
            <numerusform>%Ln items listed</numerusform>
            <numerusform>%Ln items listed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::TfrmResults</name>
    <message numerus="yes">
        <source>Find all: %Ln matches</source>
        <translation>
            <numerusform>Find all: %Ln match</numerusform>
            <numerusform>Find all: %Ln matches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rkm::cli::Say</name>
    <message numerus="yes">
        <source>%1, %2, %n copies (%3 wasted)</source>
        <extracomment>A group of copies: the file&apos;s name, its size, how many copies, the space all but one take.</extracomment>
        <translation>
            <numerusform>%1, %2, %n copy (%3 wasted)</numerusform>
            <numerusform>%1, %2, %n copies (%3 wasted)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n groups</source>
        <translation>
            <numerusform>%n group</numerusform>
            <numerusform>%n groups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n folder</numerusform>
            <numerusform>%n folders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>rackmere-cli %1: %n listings are named &apos;%2&apos;; name the one meant by its listing file:</source>
        <translation>
            <numerusform>rackmere-cli %1: %n listings are named &apos;%2&apos;; name the one meant by its listing file:</numerusform>
            <numerusform>rackmere-cli %1: %n listings are named &apos;%2&apos;; name the one meant by its listing file:</numerusform>
        </translation>
    </message>
</context>
</TS>
