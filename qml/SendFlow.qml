import QtQuick 2.15
import "Texts.js" as Texts

// Sending files to the calculator: the chooser (or a drop, or a paste), then one question or
// notice for each file that needs one, then the transfer.
Item {
    id: sendFlow

    property bool calcConnected: false

    anchors.fill: parent

    function request() {
        if (!calcConnected) {
            calcSession.onStatusChange(qsTr("Calculator is not connected"))
            return
        }
        calcSession.onStatusChange("")
        fileChooser.open()
    }

    function sendUrls(urls) {
        // Empty files of an earlier, abandoned send are not this send's business.
        while (calcSession.isToCalcZeroSizeCollision())
            calcSession.collisionToCalcZeroSizeFileName()
        calcSession.toCalcUrls(urls)
        processCollision()
    }

    // One step of a send: ask about the next pending collision or report the next empty file;
    // with nothing left to settle, start the transfer.
    function processCollision() {
        if (calcSession.isToCalcExistingCollision()) {
            // One question for the whole class when several calculators are selected.
            replaceQuestion.openWithText(calcSession.collisionToCalcQuestion())
        } else if (calcSession.isToCalcNameCollision()) {
            nameChangeNotice.openWithText(Texts.fill(
                    qsTr("The file name %1 exceeds the allowed limit of %2 symbols for a file name"
                         + " and %3 symbols for an extension and will be changed to %4"),
                    calcSession.getNameToCalcCollisionOld(), calcSession.maxBaseNameLen,
                    calcSession.maxExtensionLen, calcSession.getNameToCalcCollisionNew()))
        } else if (calcSession.isToCalcZeroSizeCollision()) {
            emptyFileNotice.openWithText(Texts.fill(
                    qsTr("File %1 is empty and won't be sent to the calculator."),
                    calcSession.collisionToCalcZeroSizeFileName()))
        } else {
            calcSession.sendFiles()
        }
    }

    LazyLoader {
        id: fileChooser
        document: "FileChooser.qml"
        initialProperties: ({
            objectName: "choseFileDialog",
            title: qsTr("Please choose files"),
            selectMultiple: true,
            nameFilters: [qsTr("Ulvo Calc files (*.ucb *.bin *.txt)"), qsTr("All files (*)")]
        })
    }
    Connections {
        target: fileChooser.item
        function onAccepted() { sendFlow.sendUrls(fileChooser.item.fileUrls) }
        function onRejected() { calcSession.onStatusChange(qsTr("Sending files was cancelled")) }
    }

    LazyLoader {
        id: replaceQuestion
        document: "MessageBox.qml"
        initialProperties: ({ objectName: "doYouWantSendFile", title: qsTr("File collision"), question: true })
    }
    Connections {
        target: replaceQuestion.item
        function onAccepted() {
            calcSession.releaseToCalcCollision(true)
            sendFlow.processCollision()
        }
        function onRejected() {
            calcSession.releaseToCalcCollision(false)
            sendFlow.processCollision()
        }
    }

    // Dismissing the notice abandons the send.
    LazyLoader {
        id: nameChangeNotice
        document: "MessageBox.qml"
        initialProperties: ({ objectName: "fileNameWasChangeDialog", title: qsTr("Warning") })
    }
    Connections {
        target: nameChangeNotice.item
        function onAccepted() { sendFlow.processCollision() }
    }

    // A report only: whichever way it closes, the send goes on with the other files.
    LazyLoader {
        id: emptyFileNotice
        document: "MessageBox.qml"
        initialProperties: ({ objectName: "zeroSizeFileWontBeSent", title: qsTr("Send zero-length file") })
    }
    Connections {
        target: emptyFileNotice.item
        function onAccepted() { sendFlow.processCollision() }
        function onRejected() { sendFlow.processCollision() }
    }
}
