import QtQuick 2.15

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
        var text = calcs > 1 ? "Do you want to delete next files on " + calcs + " calculators:"
                             : "Do you want to delete next files:"
        var rows = filePanel.selectedRows()
        for (var i = 0; i < rows.length; ++i)
            text += "\n" + fileModel.getName(rows[i])
        question.openWithText(text + "?")
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
