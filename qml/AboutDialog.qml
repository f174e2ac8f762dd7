import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Window 2.15

// Program name, version and copyright; selectable text, no buttons.
Dialog {
    id: dialog

    property var colors
    // Sizes follow the main window; the position is relative to its content area (the parent).
    property var window: parent && parent.Window.window ? parent.Window.window : parent
    readonly property alias aboutText: aboutText

    title: qsTr("About")
    width: Math.max(300, Math.floor(Math.min(window.width, window.height) * 2 / 3))
    x: Math.round((parent.width - width) / 2)
    y: Math.round(window.height / 6)
    modal: true
    focus: true

    contentItem: TextEdit {
        id: aboutText
        objectName: "aboutText"
        text: calcSession.getInfo()
        readOnly: true
        wrapMode: TextEdit.Wrap
        font.pixelSize: 12
        color: dialog.colors.textDark
        selectByMouse: true
        persistentSelection: true
        selectedTextColor: dialog.colors.textDark
        selectionColor: dialog.colors.changeNameDialogSelectionTrans
        cursorDelegate: Item {}

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.RightButton
            cursorShape: Qt.IBeamCursor
            onClicked: aboutMenu.popup()
        }

        Menu {
            id: aboutMenu
            objectName: "aboutMenu"
            MenuItem {
                text: qsTr("Copy")
                enabled: aboutText.selectedText !== ""
                onTriggered: aboutText.copy()
            }
            MenuItem {
                text: qsTr("Select all")
                onTriggered: aboutText.selectAll()
            }
        }
    }

    onClosed: aboutText.deselect()
}
