import QtQuick 2.15
import "Texts.js" as Texts

// Undo from the safety copies, and files sent from a backup without erasing the calculator.
// Copies taken before a delete and entries chosen from a backup go through the send flow with
// its questions; a copy taken before a restore is restored whole after a question.
Item {
    id: safetyFlow

    // The main window (for calcConnected) and its send flow.
    property var mainWindow
    property var sendFlow

    anchors.fill: parent

    function showCopies() {
        copiesDialog.open()
    }

    function chooseBackup() {
        if (!mainWindow.calcConnected) {
            calcSession.onStatusChange(qsTr("Calculator is not connected"))
            return
        }
        backupChooser.open()
    }

    // Sends a copy to the calculator in `row` of the calculator list (-1: the selected one).
    function sendCopy(copy, row) {
        if (!mainWindow.calcConnected) {
            calcSession.onStatusChange(qsTr("Calculator is not connected"))
            return
        }
        if (row >= 0 && calcModel.currentIndex !== row)
            calcModel.currentIndex = row
        if (copy.restoreCopy) {
            restoreQuestion.copyUrl = copy.url
            restoreQuestion.openWithText(Texts.fill(
                    qsTr("Do you want to restore the safety copy of %1 taken on %2?\n"
                         + "Every file on the calculator %3 is erased first."),
                    copy.calculator, copy.date, calcModel.getName()))
            return
        }
        var urls = calcSession.backupEntryUrls(copy.url, [])
        if (urls.length > 0)
            sendFlow.sendUrls(urls)
    }

    LazyLoader {
        id: copiesDialog
        document: "SafetyCopiesDialog.qml"
        initialProperties: ({ objectName: "safetyCopiesDialog" })
    }
    Connections {
        target: copiesDialog.item
        function onSendChosen(copy, row) { safetyFlow.sendCopy(copy, row) }
    }

    LazyLoader {
        id: restoreQuestion
        property url copyUrl
        document: "MessageBox.qml"
        initialProperties: ({ objectName: "restoreCopyQuestion", title: qsTr("Restoring"), question: true })
    }
    Connections {
        target: restoreQuestion.item
        function onAccepted() { calcSession.restoreBackup(restoreQuestion.copyUrl) }
    }

    LazyLoader {
        id: backupChooser
        document: "FileChooser.qml"
        initialProperties: ({
            objectName: "sendFromBackupChooser",
            title: qsTr("Please choose a backup file"),
            selectMultiple: false,
            nameFilters: [qsTr("Ulvo Calc backup files (*.ubk)")]
        })
    }
    Connections {
        target: backupChooser.item
        function onAccepted() {
            var url = backupChooser.item.fileUrl
            var names = calcSession.backupEntryNames(url)
            if (names.length === 0)
                return // the status line says why
            var dialog = entriesDialog.object()
            dialog.archive = url
            dialog.names = names
            dialog.open()
        }
    }

    LazyLoader {
        id: entriesDialog
        document: "BackupEntriesDialog.qml"
        initialProperties: ({ objectName: "backupEntriesDialog" })
    }
    Connections {
        target: entriesDialog.item
        function onEntriesChosen(archive, names) {
            var urls = calcSession.backupEntryUrls(archive, names)
            if (urls.length > 0)
                safetyFlow.sendFlow.sendUrls(urls)
        }
    }
}
