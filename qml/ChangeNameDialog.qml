import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Window 2.15

// Asks for the calculator's new name; opens with the current name selected.
Dialog {
    id: dialog

    property var colors
    // Sizes follow the main window; the position is relative to its content area (the parent).
    property var window: parent && parent.Window.window ? parent.Window.window : parent
    readonly property alias newNameField: newNameField

    signal nameChosen(string name)

    title: qsTr("Enter a new device name:")
    width: 300
    x: Math.round((parent.width - width) / 2)
    y: Math.round(window.height / 6)
    modal: true
    focus: true
    standardButtons: Dialog.Ok | Dialog.Cancel

    contentItem: TextField {
        id: newNameField
        objectName: "newNameField"
        placeholderText: qsTr("Enter a new device name")
        focus: true
        maximumLength: calcSession.maxCalcNameLen
        font.pixelSize: 16
        selectByMouse: true
        selectionColor: dialog.colors.changeNameDialogSelectionTrans
        onAccepted: {
            if (text !== "")
                dialog.accept()
            dialog.close()
        }
    }

    onAboutToShow: {
        newNameField.text = calcModel.getName()
        newNameField.forceActiveFocus()
        newNameField.selectAll()
    }
    onOpened: newNameField.forceActiveFocus()
    onAccepted: {
        if (newNameField.text !== "")
            nameChosen(newNameField.text)
    }
}
