<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
