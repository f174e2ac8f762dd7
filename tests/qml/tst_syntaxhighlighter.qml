import QtQuick 2.15
import QtTest 1.2
import SyntaxHighlighter 1.0
import UlvoTest 1.0

// The values a window document passes to setFormat, as they arrive from script.
TestCase {
    name: "SyntaxHighlighterFromQml"

    property var formatValue

    TextEdit {
        id: textArea
        textFormat: TextEdit.PlainText
    }

    SyntaxHighlighter {
        id: highlighter
        textDocument: textArea.textDocument
        onHighlightBlock: highlighter.setFormat(0, text.length, formatValue)
    }

    TextCharFormat {
        id: serifFormat
        foreground: "#8B0000"
        font.family: "Serif"
    }

    Item { id: notAFormat }

    TextFormatProbe { id: probe }

    function test_setFormat_data() {
        return [
            { tag: "format object", value: serifFormat, foreground: "#8B0000", family: "Serif" },
            { tag: "colour name", value: "#27AE60", foreground: "#27AE60", family: "" },
            { tag: "colour", value: Qt.rgba(1, 0, 0, 1), foreground: "#FF0000", family: "" },
            { tag: "font", value: Qt.font({ family: "Mono" }), foreground: "", family: "Mono" },
            { tag: "not a colour name", value: "bracket", foreground: "", family: "" },
            { tag: "number", value: 5, foreground: "", family: "" },
            { tag: "other object", value: notAFormat, foreground: "", family: "" },
            { tag: "undefined", value: undefined, foreground: "", family: "" },
        ]
    }

    function init() {
        textArea.text = ""
    }

    function test_setFormat(data) {
        formatValue = data.value
        textArea.text = "(x)"
        for (var i = 0; i < textArea.length; ++i) {
            compare(probe.highlightForeground(textArea.textDocument, i), data.foreground)
            compare(probe.highlightFontFamily(textArea.textDocument, i), data.family)
        }
    }

    function test_textDocumentFollowsTheTextArea() {
        compare(highlighter.textDocument, textArea.textDocument)
    }
}
