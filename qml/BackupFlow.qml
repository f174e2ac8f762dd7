import QtQuick 2.15
import "Texts.js" as Texts

// Backups: the calculator's archive is made in a temporary file, then saved where the user
// chooses; a restore sends an archive the user chooses.
Item {
    id: backupFlow

    // Path of the temporary backup archive waiting for a save location.
    property string backupFile: ""
    property bool calcConnected: false
    property var log

    anchors.fill: parent

    function create() {
        if (!calcConnected) {
            calcSession.onStatusChange(qsTr("Calculator is not connected"))
            return
        }
        console.log(backupFlow.log, "Create backup")
        // Several calculators: one archive each, into a folder the user chooses.
        if (calcSession.isClassSelected())
            classFolderChooser.open()
        else
            calcSession.createBackup()
    }

    function requestRestore() {
        if (!calcConnected) {
            calcSession.onStatusChange(qsTr("Calculator is not connected"))
            return
        }
        console.log(backupFlow.log, "Restore backup")
        restoreChooser.open()
    }

    Connections {
        target: calcSession

        function onBackupLoaded(fileName) {
            console.log(backupFlow.log, "onBackupLoaded invoked")
            backupFlow.backupFile = fileName
            saveChooser.open()
        }
    }

    LazyLoader {
        id: saveChooser
        document: "FileChooser.qml"
        initialProperties: ({
            objectName: "backupSaveDialog",
            title: qsTr("Save backup file"),
            selectExisting: false,
            nameFilters: [qsTr("UlvoCalc backup files (*.ubk)")],
            defaultSuffix: "ubk"
        })
    }
    Connections {
        target: saveChooser.item
        function onAccepted() {
            var fileUrl = saveChooser.item.fileUrl
            var temporary = backupFlow.backupFile
            var name = calcSession.fileNameFromUrl(fileUrl)
            if (name === "" || name === ".ubk") {
                calcSession.onStatusChange(qsTr("Empty file name"))
                calcSession.removeFile(temporary)
                return
            }
            if (!name.endsWith(".ubk"))
                name += ".ubk"
            var path = calcSession.fileDirFromUrl(fileUrl) + name
            if (!calcSession.renameBackup(temporary, path)) {
                // Keep the archive where it is: it is the only copy of the backup.
                calcSession.onStatusChange(Texts.fill(
                        qsTr("Error: Can't save backup on the path: %1 (the backup stays in %2)"),
                        path, temporary), true)
                return
            }
            calcSession.onStatusChange(Texts.fill(qsTr("Backup saved on the path: %1"), path))
            calcSession.removeFile(temporary)
        }
        function onRejected() { calcSession.removeFile(backupFlow.backupFile) }
    }

    LazyLoader {
        id: restoreChooser
        document: "FileChooser.qml"
        initialProperties: ({
            objectName: "chooseBackupDialog",
            title: qsTr("Please choose backup file location"),
            selectMultiple: false,
            nameFilters: [qsTr("Ulvo Calc backup files (*.ubk)")]
        })
    }
    Connections {
        target: restoreChooser.item
        function onAccepted() {
            var calcs = calcSession.selectedCalcCount()
            if (calcs > 1)
                classRestoreQuestion.openWithText(qsTr("Restoring erases every file on %n calculators"
                                                        + " and replaces them with the backup. Continue?",
                                                        "", calcs))
            else
                calcSession.restoreBackup(restoreChooser.item.fileUrl)
        }
        function onRejected() { calcSession.onStatusChange(qsTr("Sending backup files was cancelled")) }
    }

    LazyLoader {
        id: classRestoreQuestion
        document: "MessageBox.qml"
        initialProperties: ({ objectName: "classRestoreQuestion", title: qsTr("Restore"), question: true })
    }
    Connections {
        target: classRestoreQuestion.item
        function onAccepted() { calcSession.restoreBackup(restoreChooser.item.fileUrl) }
    }

    LazyLoader {
        id: classFolderChooser
        document: "FileChooser.qml"
        initialProperties: ({
            objectName: "classBackupFolderDialog",
            title: qsTr("Please choose a folder for the backups"),
            selectFolder: true
        })
    }
    Connections {
        target: classFolderChooser.item
        function onAccepted() { calcSession.createClassBackup(classFolderChooser.item.fileUrl) }
        function onRejected() { calcSession.onStatusChange(qsTr("Backup was cancelled")) }
    }
}
