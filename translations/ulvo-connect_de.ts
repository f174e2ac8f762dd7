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
</TS>
