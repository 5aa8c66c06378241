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
</TS>
