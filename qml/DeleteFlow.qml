import QtQuick 2.15
import "Texts.js" as Texts

// Deleting the selected files from the calculator, after asking.
Item {
    id: deleteFlow

    property FilePanel filePanel

    anchors.fill: parent

    function request() {
        if (!filePanel.hasSelection) {
            calcSession.onStatusChange(qsTr("No files selected for deleting"))
            return
        }
        calcSession.onStatusChange("")
        var calcs = calcSession.selectedCalcCount()
        var names = []
        var rows = filePanel.selectedRows()
        for (var i = 0; i < rows.length; ++i)
            names.push(fileModel.getName(rows[i]))
        //: %1: the files' names, one a line
        var text = calcs > 1 ? qsTr("Do you want to delete next files on %n calculators:\n%1?", "", calcs)
                             //: %1: the files' names, one a line
                             : qsTr("Do you want to delete next files:\n%1?")
        question.openWithText(Texts.fill(text, names.join("\n")))
    }

    LazyLoader {
        id: question
        document: "MessageBox.qml"
        initialProperties: ({ objectName: "doYouWantDeleteItDialog", title: qsTr("Deleting"), question: true })
    }
    Connections {
        target: question.item
        function onAccepted() {
            deleteFlow.filePanel.addSelectionToSession()
            calcSession.deleteSelectedFiles()
            deleteFlow.filePanel.clearSelection()
        }
    }
}
