import QtQuick 2.15
import "Texts.js" as Texts

// Downloading the selected files to a folder: the folder chooser, a question for each file that
// already exists there, then the transfer.
Item {
    id: downloadFlow

    property FilePanel filePanel

    anchors.fill: parent

    function request() {
        if (!filePanel.hasSelection) {
            calcSession.onStatusChange(qsTr("No files selected for downloading"))
            return
        }
        calcSession.onStatusChange("")
        folderChooser.open()
    }

    // One step of a download: ask about the next file that exists in the folder, or start.
    function processCollision() {
        if (calcSession.isFromCalcCollision()) {
            replaceQuestion.openWithText(Texts.fill(
                    qsTr("File %1 already exists on your PC.\nDo you want to replace it?"),
                    calcSession.collisionFromCalcFileName()))
        } else {
            calcSession.downloadFiles()
        }
    }

    LazyLoader {
        id: folderChooser
        document: "FileChooser.qml"
        initialProperties: ({
            objectName: "choseFolderDialog",
            title: qsTr("Please choose a folder to save files"),
            selectFolder: true
        })
    }
    Connections {
        target: folderChooser.item
        function onAccepted() {
            downloadFlow.filePanel.addSelectionToSession()
            calcSession.fromCalcUrls(true, folderChooser.item.fileUrl)
            downloadFlow.processCollision()
        }
        function onRejected() { calcSession.onStatusChange(qsTr("Downloading files was cancelled")) }
    }

    LazyLoader {
        id: replaceQuestion
        document: "MessageBox.qml"
        initialProperties: ({ objectName: "doYouWantDownloadFile", title: qsTr("File collision"), question: true })
    }
    Connections {
        target: replaceQuestion.item
        function onAccepted() {
            calcSession.releaseFromCalcCollision(true)
            downloadFlow.processCollision()
        }
        function onRejected() {
            calcSession.releaseFromCalcCollision(false)
            downloadFlow.processCollision()
        }
    }
}
