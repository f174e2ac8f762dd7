import QtQuick 2.15
import QtQuick.Controls 2.5

// The tool bar's menu, under the right edge of its button (the parent). Loaded by name on the
// first click, so that the window's first frame does not wait for the menu types.
Menu {
    signal aboutChosen()
    signal changeNameChosen()
    signal stationChosen()
    signal closeChosen()
    signal safetyCopiesChosen()
    signal sendFromBackupChosen()

    objectName: "optionsMenu"
    x: parent.width - width
    y: parent.height
    font.pixelSize: 15

    MenuItem {
        objectName: "aboutItem"
        text: qsTr("About")
        onTriggered: aboutChosen()
    }
    MenuItem {
        objectName: "changeNameItem"
        text: qsTr("Change device name")
        enabled: calcModel.selectedCount < 2 // renames one calculator
        onTriggered: changeNameChosen()
    }
    MenuItem {
        objectName: "safetyCopiesItem"
        text: qsTr("Safety copies\u2026")
        onTriggered: safetyCopiesChosen()
    }
    MenuItem {
        objectName: "sendFromBackupItem"
        text: qsTr("Send files from a backup\u2026")
        onTriggered: sendFromBackupChosen()
        // The long items widen the menu to show themselves whole instead of elided.
        Component.onCompleted: menu.width = Math.max(menu.width, implicitWidth)
    }
    MenuItem {
        objectName: "stationItem"
        text: qsTr("Send to each calculator plugged in\u2026")
        enabled: !calcSession.stationActive
        onTriggered: stationChosen()
        Component.onCompleted: menu.width = Math.max(menu.width, implicitWidth)
    }
    MenuItem {
        objectName: "closeItem"
        text: qsTr("Close program")
        onTriggered: closeChosen()
    }
}
