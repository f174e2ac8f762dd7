import QtQuick 2.15
import QtQuick.Controls 2.5

// A tool bar button's tip: shown a second after the pointer comes to rest on the button, unless
// the button hides it. Loaded by name when the pointer first reaches the button.
QtObject {
    property Item button

    Component.onCompleted: {
        button.ToolTip.delay = 1000
        button.ToolTip.text = Qt.binding(function () { return button.tip })
        button.ToolTip.visible = Qt.binding(function () { return button.hovered && !button.tipHidden })
    }
}
