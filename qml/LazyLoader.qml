import QtQuick 2.15

// Holds a dialog or window that is created the first time it is needed and kept from then on:
// most runs never open most dialogs, and creating them all would delay the window's first frame.
// Fills its parent, so that a dialog placed by its parent's size is placed as if declared there.
Loader {
    anchors.fill: parent
    active: false

    // A document to load by name rather than as a type, so that its imports are resolved only
    // when it is needed, and the properties it is created with.
    property url document
    property var initialProperties: ({})

    // The object, created if need be.
    function object() {
        if (!item && document.toString() !== "")
            setSource(document, initialProperties)
        active = true
        return item
    }
    function open() {
        object().open()
    }
    function openWithText(text) {
        var box = object()
        box.text = text
        box.open()
    }
}
