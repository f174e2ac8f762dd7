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
    <name>CUlvoCalcSession</name>
    <message numerus="yes">
        <source>%1 already exists on %2 of %n calculators. Replace it there?</source>
        <extracomment>%1 is a file name; %2 of the %n selected calculators hold a file of that name.</extracomment>
        <translation>
            <numerusform>%1 already exists on %2 of %n calculators. Replace it there?</numerusform>
            <numerusform>%1 already exists on %2 of %n calculators. Replace it there?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Station stopped: sent to %n calculators, %1 failed</source>
        <extracomment>%n calculators were served, %1 of the station&apos;s sends failed.</extracomment>
        <translation>
            <numerusform>Station stopped: sent to %n calculators, %1 failed</numerusform>
            <numerusform>Station stopped: sent to %n calculators, %1 failed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CalcTasks</name>
    <message numerus="yes">
        <source>Downloaded %n file(s)</source>
        <translation>
            <numerusform>Downloaded %n file</numerusform>
            <numerusform>Downloaded %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Downloaded %1 of %n file(s)</source>
        <translation>
            <numerusform>Downloaded %1 of %n file</numerusform>
            <numerusform>Downloaded %1 of %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %n file(s)</source>
        <translation>
            <numerusform>Sent %n file</numerusform>
            <numerusform>Sent %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %1 of %n file(s)</source>
        <translation>
            <numerusform>Sent %1 of %n file</numerusform>
            <numerusform>Sent %1 of %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n file(s)</source>
        <translation>
            <numerusform>Deleted %n file</numerusform>
            <numerusform>Deleted %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %1 of %n file(s)</source>
        <translation>
            <numerusform>Deleted %1 of %n file</numerusform>
            <numerusform>Deleted %1 of %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backup successfully sent to calculator (%n file(s))</source>
        <translation>
            <numerusform>Backup successfully sent to calculator (%n file)</numerusform>
            <numerusform>Backup successfully sent to calculator (%n files)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassOperation</name>
    <message numerus="yes">
        <source>Sending to %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Sending to %n calculators: %1 ended, %2 failed</numerusform>
            <numerusform>Sending to %n calculators: %1 ended, %2 failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collecting from %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Collecting from %n calculators: %1 ended, %2 failed</numerusform>
            <numerusform>Collecting from %n calculators: %1 ended, %2 failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleting on %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Deleting on %n calculators: %1 ended, %2 failed</numerusform>
            <numerusform>Deleting on %n calculators: %1 ended, %2 failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backing up %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Backing up %n calculators: %1 ended, %2 failed</numerusform>
            <numerusform>Backing up %n calculators: %1 ended, %2 failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Restoring %n calculators: %1 ended, %2 failed</numerusform>
            <numerusform>Restoring %n calculators: %1 ended, %2 failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent to %1 of %n calculators</source>
        <translation>
            <numerusform>Sent to %1 of %n calculators</numerusform>
            <numerusform>Sent to %1 of %n calculators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collected from %1 of %n calculators</source>
        <translation>
            <numerusform>Collected from %1 of %n calculators</numerusform>
            <numerusform>Collected from %1 of %n calculators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted on %1 of %n calculators</source>
        <translation>
            <numerusform>Deleted on %1 of %n calculators</numerusform>
            <numerusform>Deleted on %1 of %n calculators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 of %n calculators</source>
        <translation>
            <numerusform>Backed up %1 of %n calculators</numerusform>
            <numerusform>Backed up %1 of %n calculators</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %1 of %n calculators</source>
        <translation>
            <numerusform>Restored %1 of %n calculators</numerusform>
            <numerusform>Restored %1 of %n calculators</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message numerus="yes">
        <source>%1  %2  %3  %n files  %4 bytes  %5</source>
        <extracomment>A safety copy: date, calculator, kind, number of files, size in bytes, path.</extracomment>
        <translation>
            <numerusform>%1  %2  %3  %n files  %4 bytes  %5</numerusform>
            <numerusform>%1  %2  %3  %n files  %4 bytes  %5</numerusform>
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
<context>
    <name>OperationProgress</name>
    <message numerus="yes">
        <source>Download cancelled: %1 of %n files downloaded</source>
        <translation>
            <numerusform>Download cancelled: %1 of %n files downloaded</numerusform>
            <numerusform>Download cancelled: %1 of %n files downloaded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Send cancelled: %1 of %n files sent</source>
        <translation>
            <numerusform>Send cancelled: %1 of %n files sent</numerusform>
            <numerusform>Send cancelled: %1 of %n files sent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backup cancelled: %1 of %n files read, no archive was made</source>
        <translation>
            <numerusform>Backup cancelled: %1 of %n files read, no archive was made</numerusform>
            <numerusform>Backup cancelled: %1 of %n files read, no archive was made</numerusform>
        </translation>
    </message>
</context>
</TS>
