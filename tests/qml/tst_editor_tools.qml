import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import UlvoTest 1.0

// The editor's tools beyond editing: opening programs from the computer, line numbers, find and
// replace, go to line and the language's colours.
TestCase {
    id: testCase
    name: "EditorTools"
    when: windowShown

    readonly property string tokenColour: "#B5360A"
    readonly property string numberColour: "#0E7C7B"
    readonly property string stringColour: "#7D5A00"

    EditorHost { id: host }
    TextFormatProbe { id: probe }
    property var editor: host.editor
    property string folder

    SignalSpy { id: saveSpy; target: host.editor; signalName: "saveFile" }

    function named(objectName) {
        var found = findChild(editor, objectName)
        verify(found, "no element " + objectName)
        return found
    }

    function initTestCase() {
        folder = testTools.makeTempDir()
    }

    // The editor shown empty and unmodified, the find bar closed.
    function init() {
        for (var name of ["ucbOpenDialog", "openUnsavedDialog", "goToLineDialog", "quitDialog"])
            named(name).close()
        named("findBar").close()
        editor.visible = true
        editor.textModified = false
        editor.close()
        tryCompare(editor, "visible", false)
        editor.textModified = false
        editor.visible = true
        waitForRendering(named("textArea"))
        saveSpy.clear()
    }

    function key(k, modifiers) {
        testTools.keyClick(editor, k, modifiers === undefined ? Qt.NoModifier : modifiers)
    }

    // Every byte except NUL, and the calculator symbols the editor must not translate.
    function allCodes() {
        var text = ""
        for (var code = 1; code < 256; ++code)
            text += String.fromCharCode(code)
        return text + "\n1\u00A8A:\u007F(A)\u00A0\n"
    }

    function test_openSaveReopenKeepsEveryCode() {
        // The text area takes a CR as a line break (as for downloads): leave it out.
        var codes = allCodes().replace("\r", "")
        var url = testTools.writeFile(folder + "/ROUND.ucb", codes)
        verify(editor.loadFromComputer(url))
        compare(editor.fileName, "ROUND.ucb")
        compare(editor.fileDir, folder + "/")
        compare(editor.textModified, false)
        compare(editor.title, "UlvoBasic Editor: ROUND.ucb")
        compare(named("syntaxHighlighter").calculatorText(), codes)

        // Saved through the save dialog and opened again: the same bytes, 0x7F, 0xA0 and 0xA8
        // among them.
        var dialog = named("ucbSaveDialog")
        mouseClick(named("saveLocalButton"))
        tryCompare(dialog, "visible", true)
        dialog.selectedNameFilterIndex = 0
        dialog.clearSelection()
        verify(dialog.addSelection(testTools.urlOf(folder + "/ROUND2.ucb")))
        dialog.accept()
        compare(saveSpy.count, 1)
        verify(calcSession.saveFileOnComputer(saveSpy.signalArguments[0][0], saveSpy.signalArguments[0][1]))
        compare(testTools.readFile(folder + "/ROUND2.ucb"), codes)
        verify(editor.loadFromComputer(testTools.urlOf(folder + "/ROUND2.ucb")))
        compare(named("syntaxHighlighter").calculatorText(), codes)
        compare(editor.fileName, "ROUND2.ucb")
    }

    function test_openCutsAtNul() {
        // writeFile writes Latin-1; the NUL ends the program as in a download.
        var url = testTools.writeFile(folder + "/NUL.ucb", "Disp 1\u0000Disp 2")
        verify(editor.loadFromComputer(url))
        compare(named("textArea").text, "Disp 1")
    }

    function test_openRefused_data() {
        var big = "Disp 1\n".repeat(Math.ceil(1048577 / 7))
        return [
            { tag: "over 1 MiB", name: "BIG.ucb", content: big, status: "Error: File is larger than 1 MiB: " },
            { tag: "missing", name: "MISSING.ucb", content: undefined, status: "Error: Can't open file: " },
            { tag: "a folder", name: "", content: undefined, status: "Error: Can't open file: " },
        ]
    }

    function test_openRefused(data) {
        editor.loadFile("PRG1.ucb", "Disp 1")
        var path = folder + "/" + data.name
        if (data.content !== undefined)
            testTools.writeFile(path, data.content)
        compare(editor.loadFromComputer(testTools.urlOf(path)), false)
        compare(named("statusLine").text, data.status + path)
        // The text in the editor stays as it was.
        compare(named("textArea").text, "Disp 1")
        compare(editor.fileName, "PRG1.ucb")
    }

    function test_openWithUnsavedChanges_data() {
        return [
            { tag: "Yes", button: Dialog.Yes, text: "Disp 2", fileName: "OTHER.ucb", modified: false },
            { tag: "No", button: Dialog.No, text: "Disp 1x", fileName: "PRG1.ucb", modified: true },
        ]
    }

    function test_openWithUnsavedChanges(data) {
        var url = testTools.writeFile(folder + "/OTHER.ucb", "Disp 2")
        editor.loadFile("PRG1.ucb", "Disp 1")
        named("textArea").cursorPosition = 6
        key(Qt.Key_X)
        compare(editor.textModified, true)

        editor.openFromComputer(url)
        var dialog = named("openUnsavedDialog")
        tryCompare(dialog, "opened", true)
        compare(named("textArea").text, "Disp 1x")
        mouseClick(dialog.standardButton(data.button))
        tryCompare(dialog, "visible", false)
        compare(named("textArea").text, data.text)
        compare(editor.fileName, data.fileName)
        compare(editor.textModified, data.modified)
    }

    function test_openWithoutChangesDoesNotAsk() {
        var url = testTools.writeFile(folder + "/OTHER.ucb", "Disp 2")
        editor.loadFile("PRG1.ucb", "Disp 1")
        editor.openFromComputer(url)
        compare(named("openUnsavedDialog").opened, false)
        compare(named("textArea").text, "Disp 2")
    }

    function test_openByButtonAndShortcut_data() {
        return [ { tag: "button", byKey: false }, { tag: "Ctrl+O", byKey: true } ]
    }

    function test_openByButtonAndShortcut(data) {
        var url = testTools.writeFile(folder + "/PICKED.ucb", "Disp 3")
        var dialog = named("ucbOpenDialog")
        if (data.byKey)
            key(Qt.Key_O, Qt.ControlModifier)
        else
            mouseClick(named("openLocalButton"))
        tryCompare(dialog, "visible", true)
        compare(dialog.title, "Open program")
        compare(dialog.nameFilters, ["UlvoBasic files (*.ucb)", "Plain text (*.txt)", "All files (*)"])
        compare(named("openLocalButton").toolTip, "Open program from computer")
        dialog.clearSelection()
        verify(dialog.addSelection(url))
        dialog.accept()
        compare(named("textArea").text, "Disp 3")
        compare(editor.fileName, "PICKED.ucb")
        compare(editor.fileDir, folder + "/")
    }

    function test_lineNumbersFollowEdits() {
        var gutter = named("lineGutter")
        var textArea = named("textArea")
        editor.loadFile("PRG1.ucb", "A\nB\nC")
        compare(gutter.lineCount, 3)
        compare(gutter.shownNumbers(), ["1", "2", "3"])

        textArea.cursorPosition = 1
        key(Qt.Key_Return)
        key(Qt.Key_Return)
        compare(gutter.lineCount, 5)
        compare(gutter.shownNumbers(), ["1", "2", "3", "4", "5"])
        compare(gutter.currentLine, 3)

        textArea.select(0, 5)
        key(Qt.Key_Delete)
        compare(textArea.text, "\nC")
        compare(gutter.lineCount, 2)
        compare(gutter.shownNumbers(), ["1", "2"])
        compare(gutter.currentLine, 1)
        textArea.cursorPosition = textArea.length
        compare(gutter.currentLine, 2)
    }

    function test_lineNumbersScrollWithTheText() {
        var gutter = named("lineGutter")
        var textArea = named("textArea")
        var lines = []
        for (var i = 1; i <= 300; ++i)
            lines.push("Disp " + i)
        editor.loadFile("LONG.ucb", lines.join("\n"))
        textArea.cursorPosition = textArea.length
        compare(gutter.currentLine, 300)
        var shown = gutter.shownNumbers()
        verify(shown.length < 300, "only the lines in view have numbers")
        compare(shown[shown.length - 1], "300")
        // The number beside the cursor's line sits at the cursor's height.
        var flick = textArea.parent.parent
        var numberY = (gutter.currentLine - 1) * gutter.lineHeight - flick.contentY
        fuzzyCompare(numberY, textArea.cursorRectangle.y - flick.contentY, 0.5)
    }

    // Opens the find bar (with the replace field when replace is set) and types the needle.
    function openFind(needle, replace) {
        key(replace ? Qt.Key_H : Qt.Key_F, Qt.ControlModifier)
        var bar = named("findBar")
        tryCompare(bar, "visible", true)
        compare(named("replaceField").visible, !!replace)
        waitForRendering(bar) // the buttons in their places before they are clicked
        named("findField").text = ""
        testTools.keyClicks(editor, needle)
        return bar
    }

    function test_find_data() {
        var program = "Disp A\ndisp a\nDISP \u00C1\u00E1\n"
        return [
            { tag: "case ignored", text: program, needle: "disp", matchCase: false, count: 3, first: 0 },
            { tag: "case kept", text: program, needle: "disp", matchCase: true, count: 1, first: 7 },
            { tag: "no match", text: program, needle: "Input", matchCase: false, count: 0, label: "No matches" },
            // Calculator codes are symbols: subscript 1 (0xC1) is not a capital of 0xE1.
            { tag: "symbol", text: program, needle: "\u00C1", matchCase: false, count: 1, first: 19 },
            { tag: "non-breaking symbol 0xA0", text: "A\u00A0B C", needle: "\u00A0", matchCase: false, count: 1, first: 1 },
        ]
    }

    function test_find(data) {
        editor.loadFile("PRG1.ucb", data.text)
        named("textArea").cursorPosition = 0
        if (data.matchCase)
            named("findCaseToggle").checked = true
        var bar = openFind("")
        named("findField").text = data.needle
        bar.findFromSelection()
        compare(bar.matches.length, data.count)
        if (data.count > 0) {
            compare(named("textArea").selectionStart, data.first)
            compare(named("findMatchLabel").text, "1 of " + data.count)
        } else {
            compare(named("findMatchLabel").text, data.label)
        }
        named("findCaseToggle").checked = false
    }

    function test_findNextAndPreviousWrapAround() {
        var textArea = named("textArea")
        editor.loadFile("PRG1.ucb", "X+1\nX+2\nX+3")
        textArea.cursorPosition = 0
        openFind("x")
        compare(textArea.selectionStart, 0)
        compare(named("findMatchLabel").text, "1 of 3")

        key(Qt.Key_Return)                          // Enter in the field
        compare(textArea.selectionStart, 4)
        key(Qt.Key_F3)
        compare(textArea.selectionStart, 8)
        compare(named("findMatchLabel").text, "3 of 3")
        key(Qt.Key_F3)                              // wraps to the first
        compare(textArea.selectionStart, 0)
        key(Qt.Key_F3, Qt.ShiftModifier)            // and back to the last
        compare(textArea.selectionStart, 8)
        key(Qt.Key_Return, Qt.ShiftModifier)
        compare(textArea.selectionStart, 4)
        compare(named("findMatchLabel").text, "2 of 3")

        key(Qt.Key_Escape)
        compare(named("findBar").visible, false)
        compare(textArea.activeFocus, true)
    }

    function test_replace_data() {
        return [
            { tag: "replace current, then next", all: false, text: "A\u00A8B:a\u00A8C", needle: "a\u00A8",
              replacement: "5\u00A8", result: "5\u00A8B:a\u00A8C", label: "1 of 1" },
            { tag: "replace all ignoring case", all: true, text: "A\u00A8B:a\u00A8C", needle: "a\u00A8",
              replacement: "5\u00A8", result: "5\u00A8B:5\u00A8C", label: "2 replaced" },
            { tag: "replace all keeps symbols", all: true, text: "\u00C1\u00E1\u00C1", needle: "\u00E1",
              replacement: "x", result: "\u00C1x\u00C1", label: "1 replaced" },
            { tag: "replace all across lines", all: true, text: "Disp 1\nDisp 2", needle: "Disp ",
              replacement: "Output(1,1,", result: "Output(1,1,1\nOutput(1,1,2", label: "2 replaced" },
            { tag: "replace all without match", all: true, text: "Disp 1", needle: "Input",
              replacement: "x", result: "Disp 1", label: "0 replaced" },
        ]
    }

    function test_replace(data) {
        var textArea = named("textArea")
        editor.loadFile("PRG1.ucb", data.text)
        textArea.cursorPosition = 0
        openFind("", true)
        named("findField").text = data.needle
        named("findBar").findFromSelection()
        named("replaceField").text = data.replacement
        mouseClick(named(data.all ? "replaceAllButton" : "replaceButton"))
        compare(named("syntaxHighlighter").calculatorText(), data.result)
        compare(named("findMatchLabel").text, data.label)
        compare(editor.textModified, data.result !== data.text)

        // One undo step brings the whole text back.
        if (data.result !== data.text) {
            textArea.undo()
            compare(named("syntaxHighlighter").calculatorText(), data.text)
        }
    }

    function test_goToLine_data() {
        return [
            { tag: "a line", typed: "3", position: 4 },
            { tag: "past the end", typed: "99", position: 6 },
        ]
    }

    function test_goToLine(data) {
        var textArea = named("textArea")
        editor.loadFile("PRG1.ucb", "A\nB\nC\nD")
        textArea.cursorPosition = 0
        key(Qt.Key_L, Qt.ControlModifier)
        var dialog = named("goToLineDialog")
        tryCompare(dialog, "opened", true)
        compare(named("goToLineField").text, "1")
        testTools.keyClicks(editor, data.typed)
        key(Qt.Key_Return)
        tryCompare(dialog, "visible", false)
        compare(textArea.cursorPosition, data.position)
        compare(textArea.activeFocus, true)
    }

    function shownColours(textArea) {
        var colours = []
        for (var i = 0; i < textArea.length; ++i)
            colours.push(probe.highlightForeground(textArea.textDocument, i))
        return colours
    }

    function test_languageColours() {
        var textArea = named("textArea")
        var t = tokenColour, n = numberColour, s = stringColour
        var b0 = "#015CC5", b1 = "#8E44AD", b2 = "#27AE60"
        editor.loadFile("PRG1.ucb", "Disp(\"(a\",sin(2))\n1\u00A8X")
        compare(shownColours(textArea), [
            t, t, t, t, b0,            // Disp(: the bracket keeps its depth colour
            s, b1, s, s,               // "(a": brackets win inside quotes too
            "",                        // ,
            t, t, t, b2, n, b2, b1,    // sin(2))
            "",                        // line end
            n, t, ""                   // 1, store arrow, X
        ])
    }

    // A long program shows at once; its colours follow in steps, the same as typing gives them.
    function test_longProgramColouredInSteps() {
        var textArea = named("textArea")
        var line = "Disp(sin(1))"
        var lines = []
        for (var i = 0; i < 1500; ++i)
            lines.push(line)
        editor.loadFile("LONG.ucb", lines.join("\n"))
        var lastLine = textArea.length - line.length
        var expected = [tokenColour, tokenColour, tokenColour, tokenColour, "#015CC5",
                        tokenColour, tokenColour, tokenColour, "#8E44AD", numberColour, "#8E44AD", "#015CC5"]
        compare(shownColours(textArea).slice(0, line.length), expected)
        tryVerify(function () { return probe.highlightForeground(textArea.textDocument, lastLine) !== "" }, 5000)
        compare(shownColours(textArea).slice(lastLine), expected)

        // An edit on the last line colours it again as before.
        textArea.cursorPosition = textArea.length
        key(Qt.Key_Backspace)
        key(Qt.Key_ParenRight)
        compare(shownColours(textArea).slice(lastLine), expected)
    }

    // Relative luminance and contrast as the accessibility guidelines define them.
    function luminance(colour) {
        var channel = function (at) {
            var v = parseInt(colour.substr(at, 2), 16) / 255
            return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4)
        }
        return 0.2126 * channel(1) + 0.7152 * channel(3) + 0.0722 * channel(5)
    }

    function test_languageColoursContrastOnWhite_data() {
        return [
            { tag: "token", text: "sin(" },
            { tag: "number", text: "42" },
            { tag: "text", text: "\"ab\"" },
        ]
    }

    function test_languageColoursContrastOnWhite(data) {
        var textArea = named("textArea")
        editor.loadFile("PRG1.ucb", data.text)
        var colour = probe.highlightForeground(textArea.textDocument, 0)
        verify(colour !== "", "no colour on " + data.text)
        var contrast = (1.05) / (luminance(colour) + 0.05)
        verify(contrast >= 4.5, colour + " has contrast " + contrast.toFixed(2) + " on white")
        // The background the text is drawn on.
        compare(String(textArea.parent.parent.parent.color), "#ffffff")
    }
}
