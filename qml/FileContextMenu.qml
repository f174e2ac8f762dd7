import QtQuick 2.15
import QtQuick.Controls 2.5

// The file table's context menu. Loaded by name on the first right click, so that the window's
// first frame does not wait for the menu types; its items ask the panel, which runs nothing itself.
Menu {
    property var panel

    objectName: "tableViewContextMenu"

    MenuItem {
        objectName: "contextDownload"
        text: qsTr("Download")
        enabled: panel.hasSelection
        onTriggered: panel.downloadRequested()
    }
    MenuItem {
        objectName: "contextSend"
        text: qsTr("Send")
        enabled: panel.calcConnected
        onTriggered: panel.sendRequested()
    }
    MenuItem {
        objectName: "contextDelete"
        text: qsTr("Delete")
        enabled: panel.hasSelection
        onTriggered: panel.deleteRequested()
    }
    MenuItem {
        objectName: "contextEdit"
        text: qsTr("Edit")
        enabled: panel.currentRow >= 0
        onTriggered: panel.editRequested(panel.currentRow)
    }
    MenuItem {
        objectName: "contextNew"
        text: qsTr("New")
        onTriggered: panel.newRequested()
    }
}
