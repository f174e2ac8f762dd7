import QtQuick 2.15

// Line numbers beside a text area that scrolls in a flickable area, in the text's own font. Only
// the numbers in view exist as items, so a program of thousands of lines costs no more than one
// screenful. Lines are not wrapped and all have the text's line height.
Rectangle {
    id: gutter

    property Item textArea
    property Flickable flickable
    property color numberColor: "#5F6670"
    property color currentNumberColor: "#000000"

    readonly property int lineCount: textArea ? textArea.lineCount : 0
    readonly property real lineHeight: lineCount > 0 && textArea.contentHeight > 0
                                       ? textArea.contentHeight / lineCount
                                       : (textArea ? textArea.cursorRectangle.height : 1)
    // Counted from 1, as the numbers shown.
    readonly property int currentLine: textArea && lineHeight > 0
                                       ? Math.min(lineCount, Math.floor(textArea.cursorRectangle.y / lineHeight + 0.5) + 1)
                                       : 1
    readonly property int firstShown: flickable && lineHeight > 0
                                      ? Math.max(0, Math.floor(flickable.contentY / lineHeight)) : 0
    readonly property int shownCount: lineHeight > 0
                                      ? Math.max(0, Math.min(lineCount - firstShown, Math.ceil(height / lineHeight) + 1))
                                      : 0

    // The numbers' texts from the top of the view down, for tests and tools.
    function shownNumbers() {
        var numbers = []
        for (var i = 0; i < shownCount; ++i)
            numbers.push(String(firstShown + i + 1))
        return numbers
    }

    implicitWidth: digitWidth.advanceWidth * Math.max(2, String(lineCount).length) + 16
    color: "#F3F4F6"
    clip: true

    TextMetrics {
        id: digitWidth
        font: textArea ? textArea.font : Qt.application.font
        text: "0"
    }

    Repeater {
        model: gutter.shownCount
        delegate: Text {
            readonly property int line: gutter.firstShown + index + 1
            x: 0
            width: gutter.width - 8
            y: (line - 1) * gutter.lineHeight - (gutter.flickable ? gutter.flickable.contentY : 0)
            height: gutter.lineHeight
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            text: line
            font.family: gutter.textArea.font.family
            font.pixelSize: gutter.textArea.font.pixelSize
            font.bold: line === gutter.currentLine
            color: line === gutter.currentLine ? gutter.currentNumberColor : gutter.numberColor
        }
    }

    Rectangle {
        anchors.right: parent.right
        width: 1
        height: parent.height
        color: "#D6D9DE"
    }
}
