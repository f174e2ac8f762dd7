import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15

// The entries of a backup archive to send to the calculator, all ticked at first. Nothing else on
// the calculator changes.
Dialog {
    id: dialog

    property var window: parent && parent.Window.window ? parent.Window.window : parent
    property url archive
    property var names: []
    property var chosen: []

    signal entriesChosen(url archive, var names)

    title: qsTr("Send files from a backup")
    width: Math.min(360, window.width - 40)
    height: Math.min(420, window.height - 80)
    x: Math.round((parent.width - width) / 2)
    y: Math.round(window.height / 12)
    modal: true
    focus: true

    function setAll(ticked) {
        var all = []
        for (var i = 0; i < names.length; ++i)
            all.push(ticked)
        chosen = all
    }

    onNamesChanged: setAll(true)
    onAccepted: {
        var picked = []
        for (var i = 0; i < names.length; ++i) {
            if (chosen[i])
                picked.push(names[i])
        }
        if (picked.length === 0) {
            calcSession.onStatusChange(qsTr("No file was chosen"))
            return
        }
        entriesChosen(archive, picked)
    }

    contentItem: ColumnLayout {
        CheckBox {
            objectName: "allEntriesBox"
            text: qsTr("All files")
            tristate: false
            checked: dialog.chosen.every(function (ticked) { return ticked })
            onClicked: dialog.setAll(checked)
        }
        ListView {
            objectName: "backupEntriesList"
            model: dialog.names
            clip: true
            Layout.fillWidth: true
            Layout.fillHeight: true
            ScrollBar.vertical: ScrollBar {}
            delegate: CheckBox {
                text: modelData
                checked: dialog.chosen[index] === true
                onClicked: {
                    var copy = dialog.chosen.slice()
                    copy[index] = checked
                    dialog.chosen = copy
                }
            }
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            Button {
                objectName: "sendEntriesButton"
                text: qsTr("Send")
                enabled: dialog.chosen.indexOf(true) >= 0
                onClicked: dialog.accept()
            }
            Button {
                text: qsTr("Cancel")
                onClicked: dialog.reject()
            }
        }
    }
}
