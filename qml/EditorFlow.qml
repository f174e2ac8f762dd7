import QtQuick 2.15
import QtQuick.Window 2.15
import "Texts.js" as Texts

// The program editor's side of the main window: opens it empty or with a program from the
// calculator, and hands its saves and sends to the session. The editor window is created the
// first time it is needed; its document is loaded only then.
Item {
    id: editorFlow

    property FilePanel filePanel
    property bool calcConnected: false
    property var log

    anchors.fill: parent

    function editCurrentRow() {
        var row = filePanel.currentRow
        console.log(log, "Starting editor for exist file, row = " + row)
        if (row < 0) {
            calcSession.onStatusChange(qsTr("No file selected for editing"))
            return
        }
        filePanel.selectOnly(row)
        calcSession.downloadForEdit(row)
    }

    function showNew() {
        console.log(log, "Starting editor for new file")
        editorLoader.object().visible = true
    }

    LazyLoader {
        id: editorLoader
        objectName: "editorLoader"
        // By name, not as a type: the editor's own imports are not resolved before it is needed.
        source: "Editor.qml"
        // Kept above the main window, as a window declared inside it would be.
        onLoaded: item.transientParent = editorFlow.Window.window
    }

    Connections {
        target: editorLoader.item

        function onSendFile(fileName, fileData) {
            var editor = editorLoader.item
            console.log(editorFlow.log, "onSendFile invoked(fileName: " + fileName + ")")
            if (!editorFlow.calcConnected) {
                calcSession.onStatusChange(qsTr("No calculator is connected"))
                editor.setStatus(qsTr("Calculator is not connected"))
                editor.textModified = true
                return
            }
            // The send runs as an operation; its outcome arrives with fileFromEditSent. A refused
            // request (calculator busy, none selected) says why on the status line.
            if (!calcSession.sendFileFromEdit(fileName, fileData)) {
                editor.setStatus(calcSession.statusLineText)
                editor.textModified = true // the text is kept nowhere else yet
            }
        }
        function onSaveFile(filePath, fileData) {
            var editor = editorLoader.item
            console.log(editorFlow.log, "onSaveFile invoked(fileName: " + filePath + ")")
            if (calcSession.saveFileOnComputer(filePath, fileData)) {
                editor.setStatus(qsTr("File successfully saved"))
            } else {
                editor.setStatus(calcSession.statusLineText)
                editor.textModified = true // the text is kept nowhere else yet
            }
        }
    }

    Connections {
        target: calcSession

        function onOpenEditFromCalc(fileName, fileData) {
            console.log(editorFlow.log, "onOpenEditFromCalc invoked")
            var editor = editorLoader.object()
            editor.loadFile(fileName, fileData)
            editor.visible = true
        }
        function onOpenEditFromComputer(fileUrl) {
            console.log(editorFlow.log, "onOpenEditFromComputer invoked")
            var editor = editorLoader.object()
            editor.visible = true
            editor.openFromComputer(fileUrl)
        }
        function onFileFromEditSent(fileName, sent) {
            var editor = editorLoader.item
            if (!editor)
                return
            if (sent) {
                editor.setStatus(qsTr("File successfully sent to the device"))
            } else {
                editor.setStatus(Texts.fill(qsTr("File was not sent: %1"), calcSession.error))
                editor.textModified = true // the text is kept nowhere else yet
            }
        }
    }
}
