import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Window 2.15

// The look every message dialog of the main window shares: 300 wide, centred over the window a
// sixth of its height below the top of the content area, a wrapped body; Escape or a press
// outside rejects it like No.
Dialog {
    id: box

    property alias text: body.text
    // Yes and No instead of OK.
    property bool question: false
    // Sizes follow the main window; the position is relative to its content area (the parent).
    property var window: parent && parent.Window.window ? parent.Window.window : parent

    width: 300
    x: Math.round((parent.width - width) / 2)
    y: Math.round(window.height / 6)
    modal: true
    focus: true
    standardButtons: question ? Dialog.Yes | Dialog.No : Dialog.Ok

    contentItem: Label {
        id: body
        objectName: "body"
        wrapMode: Text.Wrap
        font.pixelSize: 12
    }
}
