<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BackupFlow</name>
    <message numerus="yes">
        <source>Restoring erases every file on %n calculators and replaces them with the backup. Continue?</source>
        <translation>
            <numerusform>Restoring erases every file on %n calculator and replaces them with the backup. Continue?</numerusform>
            <numerusform>Restoring erases every file on %n calculators and replaces them with the backup. Continue?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeleteFlow</name>
    <message numerus="yes">
        <source>Do you want to delete next files on %n calculators:
%1?</source>
        <extracomment>%1: the files&apos; names, one a line</extracomment>
        <translation>
            <numerusform>Do you want to delete next files on %n calculator:
%1?</numerusform>
            <numerusform>Do you want to delete next files on %n calculators:
%1?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message numerus="yes">
        <source>%1, %n bytes</source>
        <extracomment>A row of the file table: the file&apos;s name, then its size</extracomment>
        <translation>
            <numerusform>%1, %n bytes</numerusform>
            <numerusform>%1, %n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n matches</numerusform>
            <numerusform>%n matches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <comment>how many matches were replaced</comment>
        <translation>
            <numerusform>%n replaced</numerusform>
            <numerusform>%n replaced</numerusform>
        </translation>
    </message>
</context>
</TS>
