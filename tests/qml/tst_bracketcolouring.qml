import QtQuick 2.15
import QtTest 1.2
import SyntaxHighlighter 1.0
import UlvoTest 1.0
import "qrc:/qml/BracketColouring.js" as BracketColouring

// Bracket colours as the editor's text area shows them: read back from the document per position.
TestCase {
    id: testCase
    name: "BracketColouring"
    when: windowShown

    readonly property string c0: "#015CC5"
    readonly property string c1: "#8E44AD"
    readonly property string c2: "#27AE60"
    readonly property string err: "#8B0000"

    TextEdit {
        id: textArea
        textFormat: TextEdit.PlainText
    }

    SyntaxHighlighter {
        id: syntaxHighlighter
        textDocument: textArea.textDocument
        onHighlightBlock: BracketColouring.colourBlock(syntaxHighlighter, text,
            [bracketFormat0, bracketFormat1, bracketFormat2], bracketFormatError)
    }

    TextCharFormat { id: bracketFormat0; foreground: "#015CC5" }
    TextCharFormat { id: bracketFormat1; foreground: "#8E44AD" }
    TextCharFormat { id: bracketFormat2; foreground: "#27AE60" }
    TextCharFormat { id: bracketFormatError; foreground: "#8B0000" }

    TextFormatProbe { id: probe }

    // The highlight colour of every position of the text area ("" where nothing is applied).
    function shownColours() {
        var colours = []
        for (var i = 0; i < textArea.length; ++i)
            colours.push(probe.highlightForeground(textArea.textDocument, i))
        return colours
    }

    function init() {
        textArea.text = ""
    }

    function test_colours_data() {
        return [
            { tag: "depths wrap after three", text: "((((", colours: [c0, c1, c2, c0] },
            { tag: "closer before opener", text: ")(", colours: [err, c0] },
            { tag: "pairs across an open bracket", text: "(a[b)c]", colours: [c0, "", c1, "", c0, "", c1] },
            { tag: "crossed nesting", text: "{[(])}", colours: [c0, c1, c2, c1, c2, c0] },
            { tag: "opener after a closed inner pair", text: "([)(", colours: [c0, c1, c0, c1] },
            { tag: "closer of another kind", text: "(]", colours: [c0, err] },
            { tag: "one closer too many", text: "())", colours: [c0, c0, err] },
            { tag: "unclosed opener keeps its depth", text: "(()", colours: [c0, c1, c1] },
            { tag: "quotes are not special", text: "\"(\"x", colours: ["", c0, "", ""] },
            { tag: "no pairing across lines", text: "(\n)", colours: [c0, "", err] },
            { tag: "each line starts at depth 0", text: "((\n(", colours: [c0, c1, "", c0] },
            { tag: "no brackets", text: "Disp 1", colours: ["", "", "", "", "", ""] },
        ]
    }

    function test_colours(data) {
        textArea.text = data.text
        compare(shownColours(), data.colours)
    }

    function test_editRecoloursTheChangedLine() {
        textArea.text = "()\n(]"
        compare(shownColours(), [c0, c0, "", c0, err])

        textArea.insert(0, ")")
        compare(shownColours(), [err, c0, c0, "", c0, err])

        textArea.remove(0, 1)
        textArea.remove(4, 5)
        textArea.insert(4, ")")
        compare(textArea.text, "()\n()")
        compare(shownColours(), [c0, c0, "", c0, c0])
    }

    function test_typedBracketIsColoured() {
        textArea.forceActiveFocus()
        textArea.cursorPosition = 0
        keyClick("(")
        keyClick("x")
        keyClick(")")
        compare(textArea.text, "(x)")
        compare(shownColours(), [c0, "", c0])
    }

    function test_bracketDepths() {
        compare(BracketColouring.bracketDepths("a{b}"),
                [{ position: 1, depth: 0 }, { position: 3, depth: 0 }])
        compare(BracketColouring.bracketDepths("]"), [{ position: 0, depth: -1 }])
        compare(BracketColouring.bracketDepths(""), [])
    }
}
