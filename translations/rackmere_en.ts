<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>rkm::cli::Say</name>
    <message numerus="yes">
        <source>rackmere-cli %1: %n listings are named &apos;%2&apos;; name the one meant by its listing file:</source>
        <translation>
            <numerusform>rackmere-cli %1: %n listings are named &apos;%2&apos;; name the one meant by its listing file:</numerusform>
            <numerusform>rackmere-cli %1: %n listings are named &apos;%2&apos;; name the one meant by its listing file:</numerusform>
        </translation>
    </message>
</context>
</TS>
