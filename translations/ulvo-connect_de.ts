<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>BackupArchiveCheck</name>
    <message>
        <source>entry %1 has no name</source>
        <translation>Eintrag %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>entry %1 has a name that is not UTF-8</source>
        <translation>Eintrag %1 hat einen Namen, der nicht UTF-8 ist</translation>
    </message>
    <message>
        <source>entry %1 has a name longer than %2 bytes</source>
        <translation>Eintrag %1 hat einen Namen, der länger als %2 Byte ist</translation>
    </message>
    <message>
        <source>entry %1 has a name that is not a calculator file name: %2</source>
        <translation>Eintrag %1 hat einen Namen, der kein Dateiname des Rechners ist: %2</translation>
    </message>
    <message>
        <source>entry %1 has a control character in its name: %2</source>
        <translation>Eintrag %1 hat ein Steuerzeichen im Namen: %2</translation>
    </message>
    <message>
        <source>no file in the archive</source>
        <translation>keine Datei im Archiv</translation>
    </message>
    <message>
        <source>more than %1 files</source>
        <translation>mehr als %1 Dateien</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an entry&apos;s name, then why it cannot be read</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>BackupEntries</name>
    <message>
        <source>Invalid backup file: %1 (%2)</source>
        <extracomment>%1 is the archive&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>Ungültige Sicherungsdatei: %1 (%2)</translation>
    </message>
    <message>
        <source>Not in the backup %1: %2</source>
        <translation>Nicht in der Sicherung %1: %2</translation>
    </message>
    <message>
        <source>entry %1 is no plain file name</source>
        <translation>Eintrag %1 ist kein einfacher Dateiname</translation>
    </message>
    <message>
        <source>Can&apos;t write file: %1</source>
        <translation>Datei kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>BackupEntriesDialog</name>
    <message>
        <source>Send files from a backup</source>
        <translation>Dateien aus einer Sicherung senden</translation>
    </message>
    <message>
        <source>No file was chosen</source>
        <translation>Es wurde keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Calculator is not connected</source>
        <translation>Der Rechner ist nicht verbunden</translation>
    </message>
    <message>
        <source>Save backup file</source>
        <translation>Sicherungsdatei speichern</translation>
    </message>
    <message>
        <source>UlvoCalc backup files (*.ubk)</source>
        <translation>UlvoCalc-Sicherungsdateien (*.ubk)</translation>
    </message>
    <message>
        <source>Empty file name</source>
        <translation>Leerer Dateiname</translation>
    </message>
    <message>
        <source>Error: Can&apos;t save backup on the path: %1 (the backup stays in %2)</source>
        <translation>Fehler: Die Sicherung kann nicht unter dem Pfad %1 gespeichert werden (die Sicherung bleibt in %2)</translation>
    </message>
    <message>
        <source>Backup saved on the path: %1</source>
        <translation>Sicherung unter dem Pfad gespeichert: %1</translation>
    </message>
    <message>
        <source>Please choose backup file location</source>
        <translation>Bitte wählen Sie den Speicherort der Sicherungsdatei</translation>
    </message>
    <message>
        <source>Ulvo Calc backup files (*.ubk)</source>
        <translation>Ulvo-Calc-Sicherungsdateien (*.ubk)</translation>
    </message>
    <message numerus="yes">
        <source>Restoring erases every file on %n calculators and replaces them with the backup. Continue?</source>
        <translation>
            <numerusform>Die Wiederherstellung löscht alle Dateien auf %n Rechner und ersetzt sie durch die Sicherung. Fortfahren?</numerusform>
            <numerusform>Die Wiederherstellung löscht alle Dateien auf %n Rechnern und ersetzt sie durch die Sicherung. Fortfahren?</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending backup files was cancelled</source>
        <translation>Das Senden der Sicherungsdateien wurde abgebrochen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Please choose a folder for the backups</source>
        <translation>Bitte wählen Sie einen Ordner für die Sicherungen</translation>
    </message>
    <message>
        <source>Backup was cancelled</source>
        <translation>Die Sicherung wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>BackupListCollector</name>
    <message>
        <source>Can&apos;t back up file, its name can&apos;t be read: %1</source>
        <translation>Datei kann nicht gesichert werden, ihr Name ist nicht lesbar: %1</translation>
    </message>
</context>
<context>
    <name>CUlvoCalc</name>
    <message>
        <source>Can&apos;t create backup file in the temporary folder %1</source>
        <translation>Sicherungsdatei im temporären Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Invalid backup file: %1 (%2)</source>
        <translation>Ungültige Sicherungsdatei: %1 (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read backup file: %1</source>
        <translation>Sicherungsdatei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Can&apos;t read file: %1</source>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>Datei ist zu groß: %1</translation>
    </message>
    <message>
        <source>Can&apos;t write file: %1</source>
        <translation>Datei kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>CUlvoCalcSession</name>
    <message>
        <source>%1 (connecting...)</source>
        <extracomment>A calculator&apos;s row while the first contact with it runs; %1 is its port name.</extracomment>
        <translation>%1 (Verbindung wird hergestellt...)</translation>
    </message>
    <message>
        <source>File not shown, its name can&apos;t be read: %1</source>
        <translation>Datei nicht angezeigt, ihr Name ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Files successfully download on path: %1/</source>
        <translation>Dateien erfolgreich heruntergeladen in: %1/</translation>
    </message>
    <message>
        <source>Files successfully deleted</source>
        <extracomment>Said of a file that the calculator did not delete, after its name and a colon.</extracomment>
        <translation>Dateien erfolgreich gelöscht</translation>
    </message>
    <message>
        <source>not deleted</source>
        <translation>nicht gelöscht</translation>
    </message>
    <message>
        <source>Backup successfully sent to calculator</source>
        <translation>Sicherung erfolgreich an den Rechner gesendet</translation>
    </message>
    <message>
        <source>Calculator name successfully changed</source>
        <translation>Name des Rechners erfolgreich geändert</translation>
    </message>
    <message>
        <source>%1

Copyright (C) Ulvo Instruments. All rights reserved.

The content of this program, its documents, images and code font included, is provided for use with Ulvo graphing calculators only.

No part of this content may be copied, changed or passed on without the written permission of Ulvo Instruments.</source>
        <extracomment>The About box; %1 is the program&apos;s name and version.</extracomment>
        <translation>%1

Copyright (C) Ulvo Instruments. Alle Rechte vorbehalten.

Der Inhalt dieses Programms, einschließlich seiner Dokumente, Bilder und Code-Schrift, ist ausschließlich zur Verwendung mit Ulvo-Grafikrechnern bestimmt.

Kein Teil dieses Inhalts darf ohne die schriftliche Genehmigung von Ulvo Instruments kopiert, verändert oder weitergegeben werden.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>The status line after a failure; %1 says what went wrong.</extracomment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Calculator is busy: wait until the current operation ends</source>
        <translation>Der Rechner ist beschäftigt: Warten Sie, bis der aktuelle Vorgang beendet ist</translation>
    </message>
    <message>
        <source>Files successful sent to calculator</source>
        <translation>Dateien erfolgreich an den Rechner gesendet</translation>
    </message>
    <message>
        <source>not sent</source>
        <extracomment>Said of a file that did not reach the calculator, after its name and a colon.</extracomment>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>None of the selected calculators has these files</source>
        <translation>Keiner der ausgewählten Rechner hat diese Dateien</translation>
    </message>
    <message>
        <source>File %1 already exists on your calculator.
Do you want to replace it?</source>
        <translation>Die Datei %1 ist auf Ihrem Rechner bereits vorhanden.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%1 already exists on %2 of %n calculators. Replace it there?</source>
        <extracomment>%1 is a file name; %2 of the %n selected calculators hold a file of that name.</extracomment>
        <translation>
            <numerusform>%1 ist bereits auf %2 von %n Rechner vorhanden. Dort ersetzen?</numerusform>
            <numerusform>%1 ist bereits auf %2 von %n Rechnern vorhanden. Dort ersetzen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t create folder: %1</source>
        <translation>Ordner kann nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Error: No such folder: %1</source>
        <translation>Fehler: Ordner nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>Backup not saved: %1</source>
        <translation>Sicherung nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Sicherung gespeichert: %1</translation>
    </message>
    <message>
        <source>File information error</source>
        <translation>Fehler in den Dateiinformationen</translation>
    </message>
    <message>
        <source>File type error. Please select UlvoBasic program file</source>
        <translation>Falscher Dateityp. Bitte wählen Sie eine UlvoBasic-Programmdatei</translation>
    </message>
    <message>
        <source>Calculator for sending the file is not selected</source>
        <translation>Es ist kein Rechner zum Senden der Datei ausgewählt</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; successfully sent</source>
        <translation>Datei &apos;%1&apos; erfolgreich gesendet</translation>
    </message>
    <message>
        <source>Error: Can&apos;t save file: %1</source>
        <translation>Fehler: Datei kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Error: Can&apos;t open file: %1</source>
        <translation>Fehler: Datei kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Error: File is larger than 1 MiB: %1</source>
        <translation>Fehler: Datei ist größer als 1 MiB: %1</translation>
    </message>
    <message>
        <source>%1; safety copy saved on the path: %2</source>
        <extracomment>A delete&apos;s or restore&apos;s success text (%1), then where the safety copy was kept (%2).</extracomment>
        <translation>%1; Sicherheitskopie gespeichert unter: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder</source>
        <translation>Temporärer Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>No file to send: the station was not started</source>
        <translation>Keine Datei zu senden: Die Station wurde nicht gestartet</translation>
    </message>
    <message>
        <source>Waiting for calculators to be plugged in</source>
        <translation>Warten auf das Anschließen von Rechnern</translation>
    </message>
    <message numerus="yes">
        <source>Station stopped: sent to %n calculators, %1 failed</source>
        <extracomment>%n calculators were served, %1 of the station&apos;s sends failed.</extracomment>
        <translation>
            <numerusform>Station angehalten: an %n Rechner gesendet, %1 fehlgeschlagen</numerusform>
            <numerusform>Station angehalten: an %n Rechnern gesendet, %1 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <extracomment>%1 is the calculator&apos;s name.</extracomment>
        <translation>An %1 gesendet</translation>
    </message>
    <message>
        <source>Error: %1: %2</source>
        <extracomment>%1 is the calculator&apos;s name, %2 what went wrong.</extracomment>
        <translation>Fehler: %1: %2</translation>
    </message>
</context>
<context>
    <name>CUlvoWorker</name>
    <message>
        <source>No safety copy could be made, so nothing was deleted: %1</source>
        <extracomment>%1 says why the safety copy failed.</extracomment>
        <translation>Es konnte keine Sicherheitskopie erstellt werden, daher wurde nichts gelöscht: %1</translation>
    </message>
    <message>
        <source>Calculator name was not changed</source>
        <translation>Der Name des Rechners wurde nicht geändert</translation>
    </message>
    <message>
        <source>No safety copy could be made, so the restore did not start: %1</source>
        <extracomment>%1 says why the safety copy failed.</extracomment>
        <translation>Es konnte keine Sicherheitskopie erstellt werden, daher wurde die Wiederherstellung nicht gestartet: %1</translation>
    </message>
</context>
<context>
    <name>CalcPanel</name>
    <message>
        <source>Calculator list</source>
        <translation>Rechnerliste</translation>
    </message>
    <message>
        <source>Calculator list scroll bar</source>
        <translation>Bildlaufleiste der Rechnerliste</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A calculator&apos;s name, then the result of its last operation.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <comment>a calculator&apos;s progress bar</comment>
        <translation>Fortschritt von %1</translation>
    </message>
</context>
<context>
    <name>CalcSelector</name>
    <message>
        <source>No calculator is attached</source>
        <translation>Kein Rechner ist angeschlossen</translation>
    </message>
    <message>
        <source>%1 calculators are attached; choose one with --calc:%2</source>
        <translation>%1 Rechner sind angeschlossen; wählen Sie einen mit --calc:%2</translation>
    </message>
    <message>
        <source>No attached calculator is called or connected at %1; attached:%2</source>
        <translation>Kein angeschlossener Rechner heißt %1 oder ist dort angeschlossen; angeschlossen:%2</translation>
    </message>
    <message>
        <source>%1 calculators are called %2; choose one by its port:%3</source>
        <translation>%1 Rechner heißen %2; wählen Sie einen über seinen Anschluss:%3</translation>
    </message>
</context>
<context>
    <name>CalcTasks</name>
    <message>
        <source>%1: File doesn’t exist.</source>
        <translation>%1: Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Safety copy saved on the path: %1</source>
        <translation>Sicherheitskopie gespeichert unter: %1</translation>
    </message>
    <message>
        <source>File %1 already exists in %2 (use --force to replace it)</source>
        <translation>Datei %1 existiert bereits in %2 (mit --force ersetzen)</translation>
    </message>
    <message>
        <source>%1: not downloaded</source>
        <translation>%1: nicht heruntergeladen</translation>
    </message>
    <message numerus="yes">
        <source>Downloaded %n file(s)</source>
        <translation>
            <numerusform>%n Datei heruntergeladen</numerusform>
            <numerusform>%n Dateien heruntergeladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Downloaded %1 of %n file(s)</source>
        <translation>
            <numerusform>%1 von %n Datei heruntergeladen</numerusform>
            <numerusform>%1 von %n Dateien heruntergeladen</numerusform>
        </translation>
    </message>
    <message>
        <source>File %1 already exists on the calculator (use --force to replace it)</source>
        <translation>Datei %1 existiert bereits auf dem Rechner (mit --force ersetzen)</translation>
    </message>
    <message>
        <source>%1: another file of this command is sent as %2 (use --force to send this one instead)</source>
        <translation>%1: Eine andere Datei dieses Befehls wird als %2 gesendet (mit --force stattdessen diese senden)</translation>
    </message>
    <message>
        <source>%1: not sent</source>
        <translation>%1: nicht gesendet</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n file(s)</source>
        <translation>
            <numerusform>%n Datei gesendet</numerusform>
            <numerusform>%n Dateien gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %1 of %n file(s)</source>
        <translation>
            <numerusform>%1 von %n Datei gesendet</numerusform>
            <numerusform>%1 von %n Dateien gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>No safety copy could be made, so nothing was deleted: %1</source>
        <translation>Es konnte keine Sicherheitskopie angelegt werden, daher wurde nichts gelöscht: %1</translation>
    </message>
    <message>
        <source>%1: not deleted</source>
        <translation>%1: nicht gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n file(s)</source>
        <translation>
            <numerusform>%n Datei gelöscht</numerusform>
            <numerusform>%n Dateien gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %1 of %n file(s)</source>
        <translation>
            <numerusform>%1 von %n Datei gelöscht</numerusform>
            <numerusform>%1 von %n Dateien gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculator kept its name %1</source>
        <translation>Der Rechner hat seinen Namen %1 behalten</translation>
    </message>
    <message>
        <source>Renamed %1 to %2</source>
        <translation>%1 in %2 umbenannt</translation>
    </message>
    <message>
        <source>backup</source>
        <extracomment>Stands where a file&apos;s name would, while a whole calculator is read into an archive.</extracomment>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Can&apos;t write backup file</source>
        <translation>Sicherungsdatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Nothing to back up: the calculator has no files</source>
        <translation>Nichts zu sichern: Der Rechner hat keine Dateien</translation>
    </message>
    <message>
        <source>Can&apos;t save backup on the path: %1</source>
        <translation>Sicherung kann nicht gespeichert werden unter: %1</translation>
    </message>
    <message>
        <source>Backup saved on the path: %1</source>
        <translation>Sicherung gespeichert unter: %1</translation>
    </message>
    <message>
        <source>safety copy</source>
        <extracomment>Stands where a file&apos;s name would, while the calculator&apos;s files are copied before a restore.</extracomment>
        <translation>Sicherheitskopie</translation>
    </message>
    <message>
        <source>No safety copy could be made, so the restore did not start: %1</source>
        <translation>Es konnte keine Sicherheitskopie angelegt werden, daher wurde die Wiederherstellung nicht begonnen: %1</translation>
    </message>
    <message>
        <source>restore</source>
        <extracomment>Stands where a file&apos;s name would, while an archive is written to the calculator.</extracomment>
        <translation>Wiederherstellung</translation>
    </message>
    <message numerus="yes">
        <source>Backup successfully sent to calculator (%n file(s))</source>
        <translation>
            <numerusform>Sicherung erfolgreich an den Rechner gesendet (%n Datei)</numerusform>
            <numerusform>Sicherung erfolgreich an den Rechner gesendet (%n Dateien)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeNameDialog</name>
    <message>
        <source>Enter a new device name:</source>
        <translation>Geben Sie einen neuen Gerätenamen ein:</translation>
    </message>
    <message>
        <source>Enter a new device name</source>
        <translation>Neuen Gerätenamen eingeben</translation>
    </message>
</context>
<context>
    <name>ClassOperation</name>
    <message numerus="yes">
        <source>Sending to %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Senden an %n Rechner: %1 beendet, %2 fehlgeschlagen</numerusform>
            <numerusform>Senden an %n Rechnern: %1 beendet, %2 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collecting from %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Einsammeln von %n Rechner: %1 beendet, %2 fehlgeschlagen</numerusform>
            <numerusform>Einsammeln von %n Rechnern: %1 beendet, %2 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleting on %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Löschen auf %n Rechner: %1 beendet, %2 fehlgeschlagen</numerusform>
            <numerusform>Löschen auf %n Rechnern: %1 beendet, %2 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backing up %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Sichern von %n Rechner: %1 beendet, %2 fehlgeschlagen</numerusform>
            <numerusform>Sichern von %n Rechnern: %1 beendet, %2 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Wiederherstellen von %n Rechner: %1 beendet, %2 fehlgeschlagen</numerusform>
            <numerusform>Wiederherstellen von %n Rechnern: %1 beendet, %2 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>not done</source>
        <translation>nicht erledigt</translation>
    </message>
    <message numerus="yes">
        <source>Sent to %1 of %n calculators</source>
        <translation>
            <numerusform>An %1 von %n Rechner gesendet</numerusform>
            <numerusform>An %1 von %n Rechnern gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collected from %1 of %n calculators</source>
        <translation>
            <numerusform>Von %1 von %n Rechner eingesammelt</numerusform>
            <numerusform>Von %1 von %n Rechnern eingesammelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted on %1 of %n calculators</source>
        <translation>
            <numerusform>Auf %1 von %n Rechner gelöscht</numerusform>
            <numerusform>Auf %1 von %n Rechnern gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 of %n calculators</source>
        <translation>
            <numerusform>%1 von %n Rechner gesichert</numerusform>
            <numerusform>%1 von %n Rechnern gesichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %1 of %n calculators</source>
        <translation>
            <numerusform>%1 von %n Rechner wiederhergestellt</numerusform>
            <numerusform>%1 von %n Rechnern wiederhergestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 failed: %3</source>
        <extracomment>A class summary (%1), how many calculators failed (%2) and which, with why (%3).</extracomment>
        <translation>%1; %2 fehlgeschlagen: %3</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>%1: %2</source>
        <comment>what a line concerns (a program, port or calculator), then the text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Weitere Informationen mit &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Can&apos;t read file: %1</source>
        <translation>Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1: no calculator file name can be made from this name</source>
        <translation>%1: Aus diesem Namen lässt sich kein Dateiname für den Rechner bilden</translation>
    </message>
    <message>
        <source>%1: the file is empty; empty files are not sent</source>
        <translation>%1: Die Datei ist leer; leere Dateien werden nicht gesendet</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Ordner existiert nicht: %1</translation>
    </message>
    <message>
        <source>Can&apos;t write into the folder: %1</source>
        <translation>In den Ordner kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>Column headings of the table of attached calculators, upper case as a terminal table&apos;s.</extracomment>
        <translation>ANSCHLUSS</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation>HARDWARE</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>FIRMWARE</translation>
    </message>
    <message>
        <source>PROTOCOL</source>
        <translation>PROTOKOLL</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>DATEIEN</translation>
    </message>
    <message>
        <source>(no answer)</source>
        <translation>(keine Antwort)</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>A calculator&apos;s result line: &quot;ok&quot; or &quot;FAILED&quot;, then what was done.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a result, then what was done</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>No calculator is attached</source>
        <translation>Kein Rechner ist angeschlossen</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder</source>
        <translation>Temporärer Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>No safety copies in %1</source>
        <translation>Keine Sicherheitskopien in %1</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2  %3  %n files  %4 bytes  %5</source>
        <extracomment>A safety copy: date, calculator, kind, number of files, size in bytes, path.</extracomment>
        <translation>
            <numerusform>%1  %2  %3  %n Datei  %4 Byte  %5</numerusform>
            <numerusform>%1  %2  %3  %n Dateien  %4 Byte  %5</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid backup file: %1 (%2)</source>
        <translation>Ungültige Sicherungsdatei: %1 (%2)</translation>
    </message>
    <message>
        <source>File %1 already exists (use --force to replace it)</source>
        <translation>Datei %1 existiert bereits (mit --force ersetzen)</translation>
    </message>
    <message>
        <source>Can&apos;t create folder: %1</source>
        <translation>Ordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Waiting for calculators to be plugged in (Ctrl-C to stop)</source>
        <translation>Warten auf Rechner, die angeschlossen werden (Ctrl-C zum Beenden)</translation>
    </message>
</context>
<context>
    <name>CliOptionsText</name>
    <message>
        <source>Exchanges files with Ulvo graphing calculators attached by USB.

Commands:
  list                       The attached calculators: port, name, hardware,
                             firmware and protocol versions, number of files.
  ls                         The files of a calculator with their sizes.
  get NAME...                Download files into the current folder (or -o DIR).
                             Existing files are kept unless --force. With --all,
                             each calculator&apos;s files go into a folder of its own
                             named after it.
  put FILE...                Send files under their calculator names (each name
                             that has to change is printed). Files already on the
                             calculator are kept unless --force.
  put --from-backup ARCHIVE NAME...
                             Send the named entries of a backup archive, leaving
                             every other file on the calculator as it is.
  rm NAME...                 Delete files on the calculator, after keeping a
                             safety copy of them (see safety).
  rename NEWNAME             Give the calculator a new name (at most %1 characters).
  backup [FILE]              Save every file of the calculator into one archive;
                             by default NAME-YYYY-MM-DD.ubk in the current folder
                             (or -o DIR). The archive appears only when complete.
  restore FILE --yes         Erase the calculator and write the archive&apos;s files
                             to it. The archive is checked before anything is erased;
                             a safety copy of the calculator&apos;s files is kept first.
  safety                     The safety copies kept before rm and restore erased
                             files, newest first (--no-safety-copy keeps none).
  watch put FILE...          Send the files to each calculator plugged in from now
                             on, once per plug-in, one line each; those attached
                             already are left alone. Ends on Ctrl-C or after
                             --count N calculators; the exit status is 0 only when
                             every calculator served got every file.

Choosing a calculator: without --calc the only attached calculator is used; with
two or more, --calc SEL names one by its port (ttyACM0 or /dev/ttyACM0) or by its
name. get, put, rm, backup and restore take --all: every attached calculator at
the same time, one result line each.

Exit status: 0 success, 1 a failure reported by a calculator or the link (with
--all: by any calculator), 2 a usage error, 130 interrupted (Ctrl-C).</source>
        <extracomment>The tool&apos;s description in --help. Keep the command names, options and upper-case words (NAME, FILE, DIR) as they are, the columns aligned and every line within 80 characters.</extracomment>
        <translation>Tauscht Dateien mit Ulvo-Grafikrechnern aus, die per USB angeschlossen sind.

Befehle:
  list                       Die angeschlossenen Rechner: Anschluss, Name,
                             Hardware-, Firmware- und Protokollversion, Anzahl
                             der Dateien.
  ls                         Die Dateien eines Rechners mit ihrer Größe.
  get NAME...                Dateien in den aktuellen Ordner (oder -o DIR)
                             herunterladen. Vorhandene Dateien bleiben erhalten,
                             außer mit --force. Mit --all kommen die Dateien
                             jedes Rechners in einen eigenen Ordner, der nach
                             ihm benannt ist.
  put FILE...                Dateien unter ihren Rechnernamen senden (jeder
                             Name, der sich ändern muss, wird ausgegeben).
                             Dateien, die schon auf dem Rechner sind, bleiben
                             erhalten, außer mit --force.
  put --from-backup ARCHIVE NAME...
                             Die genannten Einträge einer Sicherung senden; alle
                             anderen Dateien auf dem Rechner bleiben, wie sie
                             sind.
  rm NAME...                 Dateien auf dem Rechner löschen, nachdem eine
                             Sicherheitskopie davon angelegt wurde (siehe
                             safety).
  rename NEWNAME             Dem Rechner einen neuen Namen geben (höchstens %1
                             Zeichen).
  backup [FILE]              Alle Dateien des Rechners in einem Archiv sichern;
                             standardmäßig NAME-YYYY-MM-DD.ubk im aktuellen
                             Ordner (oder -o DIR). Das Archiv erscheint erst,
                             wenn es vollständig ist.
  restore FILE --yes         Den Rechner leeren und die Dateien des Archivs
                             darauf schreiben. Das Archiv wird geprüft, bevor
                             etwas gelöscht wird; zuvor wird eine
                             Sicherheitskopie der Dateien des Rechners angelegt.
  safety                     Die Sicherheitskopien, die angelegt wurden, bevor
                             rm und restore Dateien löschten, neueste zuerst
                             (--no-safety-copy legt keine an).
  watch put FILE...          Die Dateien an jeden Rechner senden, der ab jetzt
                             angeschlossen wird, einmal je Anschließen, je eine
                             Zeile; bereits angeschlossene bleiben unberührt.
                             Endet mit Ctrl-C oder nach --count N Rechnern; der
                             Exit-Status ist nur dann 0, wenn jeder bediente
                             Rechner jede Datei erhalten hat.

Rechner wählen: Ohne --calc wird der einzige angeschlossene Rechner verwendet;
bei zwei oder mehr nennt --calc SEL einen über seinen Anschluss (ttyACM0 oder
/dev/ttyACM0) oder seinen Namen. get, put, rm, backup und restore nehmen --all:
alle angeschlossenen Rechner gleichzeitig, je eine Ergebniszeile.

Exit-Status: 0 Erfolg, 1 ein von einem Rechner oder der Verbindung gemeldeter
Fehler (mit --all: von irgendeinem Rechner), 2 ein Aufruffehler, 130
unterbrochen (Ctrl-C).</translation>
    </message>
    <message>
        <source>%1: option %2 does not apply</source>
        <translation>%1: Option %2 ist hier nicht anwendbar</translation>
    </message>
    <message>
        <source>%1: missing argument</source>
        <translation>%1: Argument fehlt</translation>
    </message>
    <message>
        <source>%1: too many arguments</source>
        <translation>%1: zu viele Argumente</translation>
    </message>
    <message>
        <source>%1: --calc and --all exclude each other</source>
        <translation>%1: --calc und --all schließen einander aus</translation>
    </message>
    <message>
        <source>backup: give either FILE or --all/--output, not both</source>
        <translation>backup: entweder FILE oder --all/--output angeben, nicht beides</translation>
    </message>
    <message>
        <source>restore erases every file on the calculator first: add --yes to go ahead</source>
        <translation>restore löscht zuerst alle Dateien auf dem Rechner: --yes hinzufügen, um fortzufahren</translation>
    </message>
    <message>
        <source>watch: only put can be watched</source>
        <translation>watch: Nur put kann mit watch verwendet werden</translation>
    </message>
    <message>
        <source>rename: the new name is empty</source>
        <translation>rename: Der neue Name ist leer</translation>
    </message>
    <message>
        <source>rename: the new name is longer than %1 characters</source>
        <translation>rename: Der neue Name ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>%1: an argument is empty</source>
        <translation>%1: Ein Argument ist leer</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>The calculator to use: a port name or a calculator name.</source>
        <translation>Der zu verwendende Rechner: ein Anschlussname oder ein Rechnername.</translation>
    </message>
    <message>
        <source>get, put, rm, backup, restore: every attached calculator at once.</source>
        <translation>get, put, rm, backup, restore: alle angeschlossenen Rechner gleichzeitig.</translation>
    </message>
    <message>
        <source>get, put, backup: replace files that already exist.</source>
        <translation>get, put, backup: bereits vorhandene Dateien ersetzen.</translation>
    </message>
    <message>
        <source>restore: agree that the calculator is erased first.</source>
        <translation>restore: zustimmen, dass der Rechner zuerst geleert wird.</translation>
    </message>
    <message>
        <source>get, backup: the folder to write into (default: the current folder).</source>
        <translation>get, backup: der Ordner, in den geschrieben wird (Standard: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>list, ls, safety: print JSON instead of a table.</source>
        <translation>list, ls, safety: JSON statt einer Tabelle ausgeben.</translation>
    </message>
    <message>
        <source>No progress and no notices; errors and results only.</source>
        <translation>Kein Fortschritt und keine Hinweise; nur Fehler und Ergebnisse.</translation>
    </message>
    <message>
        <source>rm, restore: keep no safety copy of what is erased.</source>
        <translation>rm, restore: keine Sicherheitskopie des Gelöschten anlegen.</translation>
    </message>
    <message>
        <source>put: send the named entries of this backup archive.</source>
        <translation>put: die genannten Einträge dieser Sicherung senden.</translation>
    </message>
    <message>
        <source>watch: end after N calculators.</source>
        <translation>watch: nach N Rechnern beenden.</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Einer der obigen Befehle.</translation>
    </message>
    <message>
        <source>The command&apos;s arguments.</source>
        <translation>Die Argumente des Befehls.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>--from-backup needs an archive</source>
        <translation>--from-backup braucht ein Archiv</translation>
    </message>
    <message>
        <source>--calc needs a port or calculator name</source>
        <translation>--calc braucht einen Anschluss oder Rechnernamen</translation>
    </message>
    <message>
        <source>--count needs a number above 0</source>
        <translation>--count braucht eine Zahl größer als 0</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output braucht einen Ordner</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>unbekannter Befehl: %1</translation>
    </message>
</context>
<context>
    <name>DeleteFlow</name>
    <message>
        <source>No files selected for deleting</source>
        <translation>Keine Dateien zum Löschen ausgewählt</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete next files on %n calculators:
%1?</source>
        <extracomment>%1: the files&apos; names, one a line</extracomment>
        <translation>
            <numerusform>Möchten Sie die folgenden Dateien auf %n Rechner löschen:
%1?</numerusform>
            <numerusform>Möchten Sie die folgenden Dateien auf %n Rechnern löschen:
%1?</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to delete next files:
%1?</source>
        <extracomment>%1: the files&apos; names, one a line</extracomment>
        <translation>Möchten Sie die folgenden Dateien löschen:
%1?</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>DownloadFlow</name>
    <message>
        <source>No files selected for downloading</source>
        <translation>Keine Dateien zum Herunterladen ausgewählt</translation>
    </message>
    <message>
        <source>File %1 already exists on your PC.
Do you want to replace it?</source>
        <translation>Die Datei %1 ist auf Ihrem Computer bereits vorhanden.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Please choose a folder to save files</source>
        <translation>Bitte wählen Sie einen Ordner zum Speichern der Dateien</translation>
    </message>
    <message>
        <source>Downloading files was cancelled</source>
        <translation>Das Herunterladen der Dateien wurde abgebrochen</translation>
    </message>
    <message>
        <source>File collision</source>
        <translation>Dateikonflikt</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>UlvoBasic files (*.ucb)</source>
        <translation>UlvoBasic-Dateien (*.ucb)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Nur-Text (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>UlvoBasic Editor: %1</source>
        <extracomment>%1: the file&apos;s name, with a &quot;*&quot; after it while it has unsaved changes</extracomment>
        <translation>UlvoBasic-Editor: %1</translation>
    </message>
    <message>
        <source>File successfully opened</source>
        <translation>Datei erfolgreich geöffnet</translation>
    </message>
    <message>
        <source>Empty file name</source>
        <translation>Leerer Dateiname</translation>
    </message>
    <message>
        <source>Error: file name must contain only numbers and latin letters</source>
        <translation>Fehler: Der Dateiname darf nur Ziffern und lateinische Buchstaben enthalten</translation>
    </message>
    <message>
        <source>Sending file %1...</source>
        <translation>Datei %1 wird gesendet...</translation>
    </message>
    <message>
        <source>File %1 already exists on your calculator.
Do you want to replace it?</source>
        <translation>Die Datei %1 ist auf Ihrem Rechner bereits vorhanden.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>UlvoBasic editor ready</source>
        <translation>UlvoBasic-Editor bereit</translation>
    </message>
    <message>
        <source>Close UlvoBasic editor</source>
        <translation>UlvoBasic-Editor schließen</translation>
    </message>
    <message>
        <source>Open program from computer</source>
        <translation>Programm vom Computer öffnen</translation>
    </message>
    <message>
        <source>Save program on computer</source>
        <translation>Programm auf dem Computer speichern</translation>
    </message>
    <message>
        <source>Send program to device</source>
        <translation>Programm an das Gerät senden</translation>
    </message>
    <message>
        <source>UlvoBasic Functions</source>
        <translation>UlvoBasic-Funktionen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Open program</source>
        <translation>Programm öffnen</translation>
    </message>
    <message>
        <source>Save program</source>
        <translation>Programm speichern</translation>
    </message>
    <message>
        <source>Send program</source>
        <translation>Programm senden</translation>
    </message>
    <message>
        <source>Set file name: </source>
        <translation>Dateiname festlegen: </translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File collision</source>
        <translation>Dateikonflikt</translation>
    </message>
    <message>
        <source>Canceling saving file %1</source>
        <translation>Speichern der Datei %1 wird abgebrochen</translation>
    </message>
    <message>
        <source>Open?</source>
        <translation>Öffnen?</translation>
    </message>
    <message>
        <source>Do you want to open another program without saving?</source>
        <translation>Möchten Sie ein anderes Programm öffnen, ohne zu speichern?</translation>
    </message>
    <message>
        <source>Go to line</source>
        <translation>Gehe zu Zeile</translation>
    </message>
    <message>
        <source>Line (1-%1): </source>
        <translation>Zeile (1-%1): </translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>Do you want to quit without saving?</source>
        <translation>Möchten Sie beenden, ohne zu speichern?</translation>
    </message>
</context>
<context>
    <name>EditorFlow</name>
    <message>
        <source>No file selected for editing</source>
        <translation>Keine Datei zum Bearbeiten ausgewählt</translation>
    </message>
    <message>
        <source>No calculator is connected</source>
        <translation>Es ist kein Rechner verbunden</translation>
    </message>
    <message>
        <source>Calculator is not connected</source>
        <translation>Der Rechner ist nicht verbunden</translation>
    </message>
    <message>
        <source>File successfully saved</source>
        <translation>Datei erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>File successfully sent to the device</source>
        <translation>Datei erfolgreich an das Gerät gesendet</translation>
    </message>
    <message>
        <source>File was not sent: %1</source>
        <translation>Die Datei wurde nicht gesendet: %1</translation>
    </message>
</context>
<context>
    <name>FileContextMenu</name>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
</context>
<context>
    <name>FileOutcome</name>
    <message>
        <source>%1: %2</source>
        <comment>a file&apos;s name, then what was not done with it</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>a file&apos;s name on the calculator</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>a file&apos;s size in bytes</comment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>File list scroll bar</source>
        <translation>Bildlaufleiste der Dateiliste</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n bytes</source>
        <extracomment>A row of the file table: the file&apos;s name, then its size</extracomment>
        <translation>
            <numerusform>%1, %n Byte</numerusform>
            <numerusform>%1, %n Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n Treffer</numerusform>
            <numerusform>%n Treffer</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The match selected, of how many</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <comment>how many matches were replaced</comment>
        <translation>
            <numerusform>%n ersetzt</numerusform>
            <numerusform>%n ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriges</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächstes</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Alle ersetzen</translation>
    </message>
</context>
<context>
    <name>LinkTexts</name>
    <message>
        <source>%1 (error code: %2)</source>
        <comment>the calculator&apos;s error text, then its number</comment>
        <translation>%1 (Fehlercode: %2)</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>File doesn’t exist.</source>
        <translation>Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Connection error (error code: 423).</source>
        <translation>Verbindungsfehler (Fehlercode: 423).</translation>
    </message>
    <message>
        <source>Memory error.</source>
        <translation>Speicherfehler.</translation>
    </message>
    <message>
        <source>Write error.</source>
        <translation>Schreibfehler.</translation>
    </message>
    <message>
        <source>Wrong data size.</source>
        <translation>Falsche Datengröße.</translation>
    </message>
    <message>
        <source>Wrong frame number.</source>
        <translation>Falsche Rahmennummer.</translation>
    </message>
    <message>
        <source>Connection error (error code: 421)</source>
        <translation>Verbindungsfehler (Fehlercode: 421)</translation>
    </message>
    <message>
        <source>Connection error (error code: 422)</source>
        <translation>Verbindungsfehler (Fehlercode: 422)</translation>
    </message>
    <message>
        <source>Error write device</source>
        <translation>Fehler beim Schreiben an das Gerät</translation>
    </message>
    <message>
        <source>Error read device</source>
        <translation>Fehler beim Lesen vom Gerät</translation>
    </message>
    <message>
        <source>Error parse message</source>
        <translation>Fehler beim Auswerten der Nachricht</translation>
    </message>
    <message>
        <source>Unreadable answer from the calculator.</source>
        <translation>Unlesbare Antwort vom Rechner.</translation>
    </message>
    <message>
        <source>Error incorrect response</source>
        <translation>Fehler: falsche Antwort</translation>
    </message>
    <message>
        <source>Can&apos;t write backup file</source>
        <translation>Sicherungsdatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Can&apos;t clear filesystem</source>
        <translation>Dateisystem kann nicht geleert werden</translation>
    </message>
    <message>
        <source>Can&apos;t reboot device</source>
        <translation>Gerät kann nicht neu gestartet werden</translation>
    </message>
    <message>
        <source>Can&apos;t connect to device</source>
        <translation>Verbindung zum Gerät nicht möglich</translation>
    </message>
    <message>
        <source>Invalid file name: %1</source>
        <translation>Ungültiger Dateiname: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Files to send to each calculator plugged in</source>
        <translation>Dateien, die an jeden angeschlossenen Rechner gesendet werden</translation>
    </message>
    <message>
        <source>Ulvo Calc files (*.ucb *.bin *.txt)</source>
        <translation>Ulvo-Calc-Dateien (*.ucb *.bin *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Calculator is not connected</source>
        <translation>Der Rechner ist nicht verbunden</translation>
    </message>
    <message>
        <source>Collect selected files from the selected calculators</source>
        <translation>Ausgewählte Dateien von den ausgewählten Rechnern einsammeln</translation>
    </message>
    <message>
        <source>Download selected files from calculator to PC</source>
        <translation>Ausgewählte Dateien vom Rechner auf den Computer herunterladen</translation>
    </message>
    <message>
        <source>Send files to calculator from PC</source>
        <translation>Dateien vom Computer an den Rechner senden</translation>
    </message>
    <message>
        <source>Delete selected files</source>
        <translation>Ausgewählte Dateien löschen</translation>
    </message>
    <message>
        <source>Edit UlvoBasic program file</source>
        <translation>UlvoBasic-Programmdatei bearbeiten</translation>
    </message>
    <message>
        <source>Create new UlvoBasic program file</source>
        <translation>Neue UlvoBasic-Programmdatei erstellen</translation>
    </message>
    <message>
        <source>Create UlvoCalc backup</source>
        <translation>UlvoCalc-Sicherung erstellen</translation>
    </message>
    <message>
        <source>Restore UlvoCalc backup</source>
        <translation>UlvoCalc-Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel on every calculator</source>
        <translation>Auf jedem Rechner abbrechen</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>OperationProgress</name>
    <message>
        <source>The calculator&apos;s files have been cleared: the restore can no longer be stopped</source>
        <translation>Die Dateien des Rechners wurden gelöscht: Die Wiederherstellung kann nicht mehr angehalten werden</translation>
    </message>
    <message>
        <source>The calculator cannot stop a file while it is being sent</source>
        <translation>Der Rechner kann eine Datei nicht anhalten, während sie gesendet wird</translation>
    </message>
    <message>
        <source>Checking the backup archive</source>
        <translation>Sicherungsarchiv wird geprüft</translation>
    </message>
    <message>
        <source>Clearing the calculator</source>
        <translation>Rechner wird geleert</translation>
    </message>
    <message>
        <source>Restarting the calculator</source>
        <translation>Rechner wird neu gestartet</translation>
    </message>
    <message>
        <source>Waiting for the calculator</source>
        <translation>Warten auf den Rechner</translation>
    </message>
    <message>
        <source>Making a safety copy</source>
        <extracomment>Progress: followed by the file&apos;s name, its place in the batch and the percentage.</extracomment>
        <translation>Sicherheitskopie wird erstellt</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>Progress of a download, followed by the file&apos;s name and the percentage.</extracomment>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Sending</source>
        <extracomment>Progress of a send, followed by the file&apos;s name and the percentage.</extracomment>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Backing up</source>
        <extracomment>Progress of a backup, followed by the file&apos;s name and the percentage.</extracomment>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Restoring</source>
        <extracomment>Progress of a restore, followed by the file&apos;s name and the percentage.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Opening</source>
        <extracomment>Progress of opening a program from the calculator, followed by its name and the percentage.</extracomment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <extracomment>Progress: file %1 of the %2 files of the batch.</extracomment>
        <translation> (%1 von %2)</translation>
    </message>
    <message>
        <source> — %1 %</source>
        <extracomment>Progress: the percentage done.</extracomment>
        <translation> — %1 %</translation>
    </message>
    <message>
        <source>, about %1 min left</source>
        <extracomment>Progress: the time left in minutes.</extracomment>
        <translation>, noch etwa %1 min</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <extracomment>Progress: the time left in seconds.</extracomment>
        <translation>, noch etwa %1 s</translation>
    </message>
    <message numerus="yes">
        <source>Download cancelled: %1 of %n files downloaded</source>
        <translation>
            <numerusform>Herunterladen abgebrochen: %1 von %n Datei heruntergeladen</numerusform>
            <numerusform>Herunterladen abgebrochen: %1 von %n Dateien heruntergeladen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Send cancelled: %1 of %n files sent</source>
        <translation>
            <numerusform>Senden abgebrochen: %1 von %n Datei gesendet</numerusform>
            <numerusform>Senden abgebrochen: %1 von %n Dateien gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backup cancelled: %1 of %n files read, no archive was made</source>
        <translation>
            <numerusform>Sicherung abgebrochen: %1 von %n Datei gelesen, es wurde kein Archiv erstellt</numerusform>
            <numerusform>Sicherung abgebrochen: %1 von %n Dateien gelesen, es wurde kein Archiv erstellt</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore cancelled: the calculator was not changed</source>
        <translation>Wiederherstellung abgebrochen: Der Rechner wurde nicht verändert</translation>
    </message>
    <message>
        <source>Opening cancelled: the program was not opened</source>
        <translation>Öffnen abgebrochen: Das Programm wurde nicht geöffnet</translation>
    </message>
    <message>
        <source>Operation cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Change device name</source>
        <translation>Gerätenamen ändern</translation>
    </message>
    <message>
        <source>Safety copies…</source>
        <translation>Sicherheitskopien…</translation>
    </message>
    <message>
        <source>Send files from a backup…</source>
        <translation>Dateien aus einer Sicherung senden…</translation>
    </message>
    <message>
        <source>Send to each calculator plugged in…</source>
        <translation>An jeden angeschlossenen Rechner senden…</translation>
    </message>
    <message>
        <source>Close program</source>
        <translation>Programm schließen</translation>
    </message>
</context>
<context>
    <name>PortAccess</name>
    <message>
        <source>Cannot open the calculator&apos;s port %1: permission denied. Install the Ulvo Connect package (or its udev rule), or add your user to the dialout group and log in again.</source>
        <extracomment>%1 is the port&apos;s device path. &quot;dialout&quot; is the name of a system group.</extracomment>
        <translation>Der Anschluss %1 des Rechners kann nicht geöffnet werden: Zugriff verweigert. Installieren Sie das Paket Ulvo Connect (oder seine udev-Regel) oder fügen Sie Ihren Benutzer der Gruppe dialout hinzu und melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>Cannot open the calculator&apos;s port %1: it is in use by another program. Close the other program.</source>
        <extracomment>%1 is the port&apos;s device path.</extracomment>
        <translation>Der Anschluss %1 des Rechners kann nicht geöffnet werden: Er wird von einem anderen Programm verwendet. Schließen Sie das andere Programm.</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>  %1 of %2 (%3%)</source>
        <comment>bytes done of bytes in all, then percent done</comment>
        <translation>  %1 von %2 (%3 %)</translation>
    </message>
</context>
<context>
    <name>ProgressParts</name>
    <message>
        <source>Operation progress</source>
        <translation>Fortschritt des Vorgangs</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SafetyCopies</name>
    <message>
        <source>before delete</source>
        <extracomment>The kind of a safety copy: taken before files were deleted.</extracomment>
        <translation>vor dem Löschen</translation>
    </message>
    <message>
        <source>before restore</source>
        <extracomment>The kind of a safety copy: taken before a backup was restored.</extracomment>
        <translation>vor der Wiederherstellung</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The kind of a safety copy that does not say what it was taken before.</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Can&apos;t create the folder %1</source>
        <translation>Der Ordner %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in %1</source>
        <translation>In %1 kann keine Datei erstellt werden</translation>
    </message>
    <message>
        <source>Can&apos;t write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SafetyCopiesDialog</name>
    <message>
        <source>Safety copies</source>
        <translation>Sicherheitskopien</translation>
    </message>
    <message>
        <source>No safety copies yet. A copy is kept before every delete and restore.</source>
        <translation>Noch keine Sicherheitskopien. Vor jedem Löschen und Wiederherstellen wird eine Kopie aufbewahrt.</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column headings of the safety copies</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>delete or restore</comment>
        <translation>Art</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>a safety copy&apos;s size</comment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Send back to %1</source>
        <translation>An %1 zurücksenden</translation>
    </message>
    <message>
        <source>Send back</source>
        <translation>Zurücksenden</translation>
    </message>
    <message>
        <source>Send to selected calculator</source>
        <translation>An den ausgewählten Rechner senden</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>SafetyCopyMaker</name>
    <message>
        <source>Can&apos;t write backup file</source>
        <translation>Sicherungsdatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the copy does not pass the restore check (%1)</source>
        <extracomment>Why a safety copy failed; %1 is what the check found wrong.</extracomment>
        <translation>die Kopie besteht die Prüfung vor einer Wiederherstellung nicht (%1)</translation>
    </message>
    <message>
        <source>Can&apos;t write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Can&apos;t read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>SafetyFlow</name>
    <message>
        <source>Calculator is not connected</source>
        <translation>Der Rechner ist nicht verbunden</translation>
    </message>
    <message>
        <source>Do you want to restore the safety copy of %1 taken on %2?
Every file on the calculator %3 is erased first.</source>
        <translation>Möchten Sie die am %2 angelegte Sicherheitskopie von %1 wiederherstellen?
Jede Datei auf dem Rechner %3 wird zuvor gelöscht.</translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>Please choose a backup file</source>
        <translation>Bitte wählen Sie eine Sicherungsdatei</translation>
    </message>
    <message>
        <source>Ulvo Calc backup files (*.ubk)</source>
        <translation>Ulvo-Calc-Sicherungsdateien (*.ubk)</translation>
    </message>
</context>
<context>
    <name>SendFlow</name>
    <message>
        <source>Calculator is not connected</source>
        <translation>Der Rechner ist nicht verbunden</translation>
    </message>
    <message>
        <source>The file name %1 exceeds the allowed limit of %2 symbols for a file name and %3 symbols for an extension and will be changed to %4</source>
        <translation>Der Dateiname %1 überschreitet die zulässige Grenze von %2 Zeichen für einen Dateinamen und %3 Zeichen für eine Erweiterung und wird in %4 geändert</translation>
    </message>
    <message>
        <source>File %1 is empty and won&apos;t be sent to the calculator.</source>
        <translation>Die Datei %1 ist leer und wird nicht an den Rechner gesendet.</translation>
    </message>
    <message>
        <source>Please choose files</source>
        <translation>Bitte wählen Sie Dateien</translation>
    </message>
    <message>
        <source>Ulvo Calc files (*.ucb *.bin *.txt)</source>
        <translation>Ulvo-Calc-Dateien (*.ucb *.bin *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Sending files was cancelled</source>
        <translation>Das Senden der Dateien wurde abgebrochen</translation>
    </message>
    <message>
        <source>File collision</source>
        <translation>Dateikonflikt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Send zero-length file</source>
        <translation>Leere Datei senden</translation>
    </message>
</context>
<context>
    <name>StationBar</name>
    <message>
        <source>Station: %1</source>
        <translation>Station: %1</translation>
    </message>
    <message>
        <source>Sending %1 to each calculator plugged in — %2 done, %3 failed</source>
        <extracomment>%1: the files&apos; names; %2, %3: how many calculators have got them and how many have failed</extracomment>
        <translation>%1 wird an jeden angeschlossenen Rechner gesendet — %2 erledigt, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop sending to each calculator plugged in</source>
        <translation>Senden an jeden angeschlossenen Rechner anhalten</translation>
    </message>
</context>
<context>
    <name>TaskContext</name>
    <message>
        <source>%1: %2</source>
        <comment>a file&apos;s name, then what went wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>Archive is not open</source>
        <translation>Archiv ist nicht geöffnet</translation>
    </message>
    <message>
        <source>Invalid entry name</source>
        <translation>Ungültiger Eintragsname</translation>
    </message>
    <message>
        <source>Archive is not open for writing</source>
        <translation>Archiv ist nicht zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>Can&apos;t read entry %1</source>
        <translation>Eintrag %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Entry %1 is too large</source>
        <translation>Eintrag %1 ist zu groß</translation>
    </message>
    <message>
        <source>Entry %1 is damaged</source>
        <translation>Eintrag %1 ist beschädigt</translation>
    </message>
</context>
</TS>
