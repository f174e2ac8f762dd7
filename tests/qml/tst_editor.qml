import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2
import UlvoTest 1.0

// The program editor window as the user drives it: closing rules, saving, the send dialog and the
// function catalogue. No calculator is attached here (tst_editor_session.qml plugs one).
TestCase {
    id: testCase
    name: "Editor"
    when: windowShown

    readonly property string programError: "Error: file name must contain only numbers and latin letters"

    EditorHost { id: host }
    TextFormatProbe { id: probe }
    property var editor: host.editor

    SignalSpy { id: sendSpy; target: host.editor; signalName: "sendFile" }
    SignalSpy { id: saveSpy; target: host.editor; signalName: "saveFile" }

    // Stands in for a main window whose save or send failed: it marks the text modified again
    // during the hand-over, and the editor must not clear the flag after it.
    Connections {
        id: failingReceiver
        target: host.editor
        enabled: false
        function onSaveFile(filePath, fileData) { host.editor.textModified = true }
        function onSendFile(fileName, fileData) { host.editor.textModified = true }
    }

    function named(objectName) {
        var found = findChild(editor, objectName)
        verify(found, "no element " + objectName)
        return found
    }

    // The editor shown empty, unmodified and without a file name, whatever the last test left.
    function init() {
        for (var name of ["ucbSaveDialog", "ucbSendDialog", "doYouWantSendFile", "quitDialog"])
            named(name).close()
        editor.visible = true
        editor.textModified = false
        editor.close()
        tryCompare(editor, "visible", false)
        editor.textModified = false
        editor.visible = true
        waitForRendering(named("textArea"))
        sendSpy.clear()
        saveSpy.clear()
    }

    function cleanup() {
        failingReceiver.enabled = false
    }

    function typeText(text) {
        var textArea = named("textArea")
        textArea.forceActiveFocus()
        for (var i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    function test_loadedCalculatorTextInTheCodeFont() {
        editor.loadFile("PRG1.ucb", "1\u00A8A:\u007F(A)\n\u00D2\u00C1")
        compare(named("textArea").text, "1\u00A8A:\u007F(A)\n\u00D2\u00C1")
        compare(editor.fileName, "PRG1.ucb")
        compare(editor.fileDir, "")
        compare(editor.textModified, false)
        compare(editor.title, "UlvoBasic Editor: PRG1.ucb")

        // Calculator text is drawn in the code font, the editor's own words in the application's,
        // which draws accented letters as letters.
        compare(named("textArea").font.family, "Ulvo Code")
        compare(named("findField").font.family, "Ulvo Code")
        verify(Qt.application.font.family !== "Ulvo Code")
        editor.setStatus("Löschen")
        compare(named("statusLine").font.family, Qt.application.font.family)
        compare(named("textArea").font.pixelSize, 14)

        typeText("2")
        compare(editor.textModified, true)
        compare(editor.title, "UlvoBasic Editor: PRG1.ucb*")
    }

    function test_newAfterLoadAndClose() {
        editor.loadFile("PRG1.ucb", "Disp 1")
        editor.close()
        tryCompare(editor, "visible", false)
        compare(named("quitDialog").opened, false)

        editor.visible = true
        compare(named("textArea").text, "")
        compare(editor.fileName, "")
        compare(editor.title, "UlvoBasic Editor: *")
        compare(named("statusLine").text, "UlvoBasic editor ready")

        // Nothing to lose: closing does not ask.
        editor.close()
        tryCompare(editor, "visible", false)
        compare(named("quitDialog").opened, false)
    }

    function test_closeAfterTyping_data() {
        return [
            { tag: "Yes", button: Dialog.Yes, stillVisible: false, text: "" },
            { tag: "No", button: Dialog.No, stillVisible: true, text: "x" },
        ]
    }

    function test_closeAfterTyping(data) {
        typeText("x")
        mouseClick(named("quitButton"))
        var quitDialog = named("quitDialog")
        tryCompare(quitDialog, "opened", true)
        compare(editor.visible, true)

        mouseClick(quitDialog.standardButton(data.button))
        tryCompare(quitDialog, "visible", false)
        tryCompare(editor, "visible", data.stillVisible)
        compare(named("textArea").text, data.text)
    }

    // Accepts the save dialog as if the user had chosen fileUrl with the name filter numbered filter.
    function saveAs(fileUrl, filter) {
        mouseClick(named("saveLocalButton"))
        var dialog = named("ucbSaveDialog")
        tryCompare(dialog, "visible", true)
        dialog.selectedNameFilterIndex = filter
        dialog.clearSelection()
        verify(dialog.addSelection(fileUrl))
        dialog.accept()
    }

    function test_save_data() {
        return [
            { tag: "program filter keeps an upper-case extension", filter: 0, name: "PROG.UCB", saved: "PROG.UCB.ucb" },
            { tag: "program filter", filter: 0, name: "prog.ucb", saved: "prog.ucb" },
            { tag: "text filter", filter: 1, name: "notes.txt", saved: "notes.txt" },
            { tag: "text filter on a program name", filter: 1, name: "prog.ucb", saved: "prog.ucb.txt" },
            { tag: "all files", filter: 2, name: "PROG.UCB", saved: "PROG.UCB" },
            { tag: "all files, text", filter: 2, name: "notes.TXT", saved: "notes.TXT" },
        ]
    }

    function test_save(data) {
        editor.loadFile("PRG1.ucb", "Disp (1)")
        saveAs("file:///tmp/editor-save/" + data.name, data.filter)

        compare(saveSpy.count, 1)
        compare(saveSpy.signalArguments[0][0], "/tmp/editor-save/" + data.saved)
        compare(saveSpy.signalArguments[0][1], "Disp (1)")
        compare(editor.fileName, data.saved)
        compare(editor.fileDir, "/tmp/editor-save/")
        compare(editor.textModified, false)
        compare(editor.title, "UlvoBasic Editor: " + data.saved)
    }

    function test_saveWithoutFileName() {
        editor.loadFile("PRG1.ucb", "Disp 1")
        mouseClick(named("saveLocalButton"))
        var dialog = named("ucbSaveDialog")
        tryCompare(dialog, "visible", true)
        dialog.clearSelection()
        dialog.accept()
        compare(saveSpy.count, 0)
        compare(named("statusLine").text, "Empty file name")
        compare(editor.textModified, false)
    }

    function test_saveStartsInTheFolderOfTheLastSave_data() {
        return [
            { tag: "plain folder", folder: "/tmp/editor-save/" },
            // Characters that end or escape a URL path must stay part of the folder name.
            { tag: "folder with URL characters", folder: "/tmp/editor save #2? 100%/\u00E9/" },
        ]
    }

    function test_saveStartsInTheFolderOfTheLastSave(data) {
        mouseClick(named("saveLocalButton"))
        compare(named("ucbSaveDialog").folder, named("ucbSaveDialog").shortcuts.home)
        named("ucbSaveDialog").close()

        saveAs(testTools.urlOf(data.folder + "prog.ucb"), 0)
        compare(editor.fileDir, data.folder)
        named("ucbSaveDialog").folder = "file:///"
        mouseClick(named("saveLocalButton"))
        compare(named("ucbSaveDialog").folder.toString(), testTools.urlOf(data.folder).toString())
    }

    // Opens the send dialog and presses Ok, or Return in the name field.
    function send(byReturn) {
        mouseClick(named("saveCalcButton"))
        var dialog = named("ucbSendDialog")
        tryCompare(dialog, "opened", true)
        if (byReturn)
            keyClick(Qt.Key_Return)
        else
            mouseClick(dialog.standardButton(Dialog.Ok))
        tryCompare(dialog, "visible", false)
    }

    function test_sendProposal_data() {
        return [
            { tag: "new program", fileName: "", proposed: "program", sent: "program.ucb" },
            { tag: "program file", fileName: "PRG1.ucb", proposed: "PRG1", sent: "PRG1.ucb" },
            { tag: "upper-case extension", fileName: "PRG1.UCB", proposed: "PRG1.UCB", status: programError },
            { tag: "other extension", fileName: "prog.txt", proposed: "prog.txt", status: programError },
            { tag: "fourteen characters", fileName: "ABCDEFGHIJKLMN.ucb", proposed: "ABCDEFGHIJKLMN", sent: "ABCDEFGHIJKLMN.ucb" },
        ]
    }

    function test_sendProposal(data) {
        if (data.fileName !== "")
            editor.loadFile(data.fileName, "Disp 1")
        mouseClick(named("saveCalcButton"))
        var field = named("ucbSendDialogFileName")
        tryCompare(named("ucbSendDialog"), "opened", true)
        compare(field.text, data.proposed)
        compare(field.selectedText, data.proposed)
        compare(field.activeFocus, true)

        mouseClick(named("ucbSendDialog").standardButton(Dialog.Ok))
        if (data.sent) {
            compare(sendSpy.count, 1)
            compare(sendSpy.signalArguments[0][0], data.sent)
            compare(editor.fileName, data.sent)
            compare(named("statusLine").text, "Sending file " + data.sent + "...")
        } else {
            compare(sendSpy.count, 0)
            compare(named("statusLine").text, data.status)
            compare(editor.fileName, data.fileName)
        }
    }

    function test_sendAfterSavingAsText() {
        typeText("Disp 1")
        saveAs("file:///tmp/editor-save/notes.txt", 1)
        compare(editor.fileName, "notes.txt")
        send(false)
        compare(named("ucbSendDialogFileName").text, "notes.txt")
        compare(sendSpy.count, 0)
        compare(named("statusLine").text, programError)
    }

    function test_sendByReturnAsByOk_data() {
        return [ { tag: "Ok", byReturn: false }, { tag: "Return", byReturn: true } ]
    }

    function test_sendByReturnAsByOk(data) {
        editor.loadFile("PRG1.ucb", "Disp \u00A8(1)")
        named("textArea").cursorPosition = 0
        typeText("x")
        send(data.byReturn)
        compare(sendSpy.count, 1)
        compare(sendSpy.signalArguments[0][0], "PRG1.ucb")
        compare(sendSpy.signalArguments[0][1], "xDisp \u00A8(1)")
        compare(editor.textModified, false)
        compare(editor.title, "UlvoBasic Editor: PRG1.ucb")
    }

    function test_failedHandOverKeepsTheTextModified_data() {
        return [
            { tag: "save", save: true, fileName: "prog.ucb" },
            { tag: "send", save: false, fileName: "program.ucb" },
        ]
    }

    function test_failedHandOverKeepsTheTextModified(data) {
        typeText("Disp 1")
        failingReceiver.enabled = true
        if (data.save)
            saveAs("file:///tmp/editor-save/prog.ucb", 0)
        else
            send(false)
        compare(saveSpy.count + sendSpy.count, 1)
        compare(editor.textModified, true)
        compare(editor.title, "UlvoBasic Editor: " + data.fileName + "*")

        // The text is kept nowhere else, so closing still asks.
        editor.close()
        tryCompare(named("quitDialog"), "opened", true)
        compare(editor.visible, true)
    }

    function test_sendWithEmptyField() {
        mouseClick(named("saveCalcButton"))
        tryCompare(named("ucbSendDialog"), "opened", true)
        keyClick(Qt.Key_Delete)
        compare(named("ucbSendDialogFileName").text, "")

        // An empty field does not match, so Return is not taken as acceptance.
        keyClick(Qt.Key_Return)
        compare(named("ucbSendDialog").opened, true)
        compare(sendSpy.count, 0)

        mouseClick(named("ucbSendDialog").standardButton(Dialog.Ok))
        compare(sendSpy.count, 0)
        compare(named("statusLine").text, "Empty file name")
    }

    function test_nameFieldRefusesWhatCannotMatch_data() {
        return [
            { tag: "dot", typed: "PRG.ucb", shown: "PRGucb" },
            { tag: "space and symbols", typed: "a b_c-1", shown: "abc1" },
            { tag: "fifteen characters", typed: "ABCDEFGHIJKLMNO", shown: "ABCDEFGHIJKLMN" },
        ]
    }

    function test_nameFieldRefusesWhatCannotMatch(data) {
        mouseClick(named("saveCalcButton"))
        tryCompare(named("ucbSendDialog"), "opened", true)
        for (var i = 0; i < data.typed.length; ++i)
            keyClick(data.typed[i])
        compare(named("ucbSendDialogFileName").text, data.shown)
        named("ucbSendDialog").reject()
        compare(sendSpy.count, 0)
    }

    // The catalogue node at path (names without the CR of their line), ancestors expanded.
    function catalogueNode(path) {
        var tree = named("funcTree")
        var index = tree.rootIndex
        for (var top = 0; top < funcModel.rowCount(index); ++top)
            tree.collapse(funcModel.index(top, 0, index))
        for (var depth = 0; depth < path.length; ++depth) {
            var found = null
            for (var row = 0; row < funcModel.rowCount(index); ++row) {
                var candidate = funcModel.index(row, 0, index)
                if (funcModel.data(candidate, 257).funcName.replace(/\r$/, "") === path[depth]) {
                    found = candidate
                    break
                }
            }
            verify(found, "no catalogue node " + path.slice(0, depth + 1).join(" > "))
            if (depth > 0)
                tree.expand(index)
            index = found
        }
        return index
    }

    // Makes the node at path the tree's current node by a click on its row.
    function clickNode(path) {
        var tree = named("funcTree")
        var node = funcModel.data(catalogueNode(path), 257)
        waitForRendering(tree)
        for (var y = 6; y < tree.height; y += 12) {
            var at = tree.indexAt(100, y)
            if (at.valid && funcModel.data(at, 257) === node) {
                mouseClick(tree, 100, y)
                return y
            }
        }
        fail("row of " + path.join(" > ") + " not shown")
    }

    function activateNode(path, byReturn) {
        var tree = named("funcTree")
        var y = clickNode(path)
        if (byReturn)
            keyClick(Qt.Key_Return)
        else
            mouseDoubleClickSequence(tree, 100, y)
    }

    function test_activateLeaf_data() {
        var xmin = ["Variables", "Variables", "Window", "X/Y", "Xmin"]
        var sine = ["Keypad", "sin("]
        return [
            { tag: "token without description ends the line", path: xmin, text: "", selection: [0, 0], result: "Xmin\n" },
            { tag: "token with description", path: sine, text: "", selection: [0, 0], result: "sin(" },
            { tag: "at the cursor", path: sine, text: "Disp X)", selection: [5, 5], result: "Disp sin(X)" },
            { tag: "replaces the selection", path: sine, text: "Disp cos(X)", selection: [5, 9], result: "Disp sin(X)" },
            { tag: "line break replaces the selection", path: xmin, text: "1\u00A8A:B", selection: [4, 5], result: "1\u00A8A:Xmin\n" },
            { tag: "by Return", path: sine, text: "", selection: [0, 0], byReturn: true, result: "sin(" },
            { tag: "store arrow", path: ["Keypad", "\u00A8"], text: "5", selection: [1, 1], result: "5\u00A8" },
        ]
    }

    function test_activateLeaf(data) {
        var textArea = named("textArea")
        textArea.text = data.text
        textArea.select(data.selection[0], data.selection[1])
        activateNode(data.path, data.byReturn)
        compare(textArea.text, data.result)
        compare(editor.textModified, true)
    }

    function test_activateCategoryInsertsNothing() {
        var textArea = named("textArea")
        textArea.text = "Disp"
        editor.textModified = false
        activateNode(["Program"], false)
        activateNode(["Program"], true)
        compare(textArea.text, "Disp")
        compare(editor.textModified, false)
    }

    function test_currentNodeDescriptionOnTheStatusLine_data() {
        return [
            { tag: "category", path: ["Keypad"], status: "Keypad\r" },
            { tag: "leaf with description", path: ["Keypad", "sin("], status: "Sine: sin(value)\r" },
            { tag: "leaf without description", path: ["Variables", "Variables", "Window", "X/Y", "Xmin"], status: "Xmin\r" },
        ]
    }

    function test_currentNodeDescriptionOnTheStatusLine(data) {
        clickNode(data.path)
        compare(named("statusLine").text, data.status)
        compare(named("statusLine").font.family, "Ulvo Code") // descriptions hold calculator symbols
    }

    function test_textsTheUserSees_data() {
        return [
            { tag: "save dialog", element: "ucbSaveDialog", property: "title", value: "Save program" },
            { tag: "send dialog", element: "ucbSendDialog", property: "title", value: "Send program" },
            { tag: "name field", element: "ucbSendDialogFileName", property: "placeholderText", value: "File name" },
            { tag: "collision dialog", element: "doYouWantSendFile", property: "title", value: "File collision" },
            { tag: "quit dialog", element: "quitDialog", property: "title", value: "Quit?" },
            { tag: "quit question", element: "quitDialog", property: "contentChildren", value: "Do you want to quit without saving?" },
            { tag: "close tip", element: "quitButton", property: "ToolTip", value: "Close UlvoBasic editor" },
            { tag: "save tip", element: "saveLocalButton", property: "ToolTip", value: "Save program on computer" },
            { tag: "send tip", element: "saveCalcButton", property: "ToolTip", value: "Send program to device" },
        ]
    }

    function test_textsTheUserSees(data) {
        var element = named(data.element)
        if (data.property === "ToolTip")
            compare(element.toolTip, data.value)
        else if (data.property === "contentChildren")
            compare(element.contentChildren[0].text, data.value)
        else
            compare(element[data.property], data.value)
    }

    // The texts the tree's rows show: cell text -> bold, and the branch marks.
    function catalogueRowTexts() {
        var tree = named("funcTree")
        waitForRendering(tree)
        var shown = { cells: {}, marks: [] }
        var pending = [tree]
        while (pending.length > 0) {
            var item = pending.pop()
            if (item.text !== undefined && item.font !== undefined && item.visible) {
                if (item.text === "\u25BC" || item.text === "\u25B6")
                    shown.marks.push(item.text)
                else
                    shown.cells[item.text] = item.font.bold
            }
            for (var i = 0; i < item.children.length; ++i)
                pending.push(item.children[i])
        }
        return shown
    }

    // Categories are bold and carry a branch mark that follows their state; leaves are plain.
    function test_catalogueRows() {
        catalogueNode(["Keypad"])
        var collapsed = catalogueRowTexts()
        compare(collapsed.cells["Keypad\r"], true)
        compare(collapsed.cells["StatPlots\r"], true)
        compare(collapsed.marks.length, 13)
        compare(collapsed.marks.indexOf("\u25BC"), -1)

        catalogueNode(["Keypad", "sin("])
        var expanded = catalogueRowTexts()
        compare(expanded.cells["sin("], false)
        verify(expanded.marks.indexOf("\u25BC") >= 0, "no mark of the expanded category")
    }

    function test_bracketsColouredByDepth() {
        var textArea = named("textArea")
        editor.loadFile("PRG1.ucb", "{[(\u00A8)]}\n)")
        var colours = []
        for (var i = 0; i < textArea.length; ++i)
            colours.push(probe.highlightForeground(textArea.textDocument, i))
        // The store arrow between them is a catalogue token, in the token colour.
        compare(colours, ["#015CC5", "#8E44AD", "#27AE60", "#B5360A", "#27AE60", "#8E44AD", "#015CC5", "", "#8B0000"])
    }

    function test_contextMenuCopyCutPaste() {
        var textArea = named("textArea")
        var menu = named("textContextMenu")
        editor.loadFile("PRG1.ucb", "Disp \u00A8A")
        textArea.select(0, 0)
        mouseClick(textArea, 20, 10, Qt.RightButton)
        tryCompare(menu, "opened", true)
        compare(menu.itemAt(0).text, "Copy")
        compare(menu.itemAt(0).enabled, false)
        compare(menu.itemAt(1).text, "Cut")
        compare(menu.itemAt(1).enabled, false)
        menu.close()

        textArea.select(5, 7)
        mouseClick(textArea, 20, 10, Qt.RightButton)
        tryCompare(menu, "opened", true)
        compare(menu.itemAt(1).enabled, true)
        mouseClick(menu.itemAt(1))
        compare(textArea.text, "Disp ")
        compare(editor.textModified, true)

        textArea.cursorPosition = 0
        mouseClick(textArea, 20, 10, Qt.RightButton)
        tryCompare(menu, "opened", true)
        compare(menu.itemAt(2).text, "Paste")
        compare(menu.itemAt(2).enabled, true)
        mouseClick(menu.itemAt(2))
        compare(textArea.text, "\u00A8ADisp ")
    }

    function test_scrollingFollowsTheCursor() {
        var textArea = named("textArea")
        var flick = textArea.parent.parent
        var lines = []
        for (var i = 0; i < 200; ++i)
            lines.push(i === 100 ? "Disp " + "(1+".repeat(200) + ")".repeat(200) : "Disp " + i)
        editor.loadFile("LONG.ucb", lines.join("\n"))
        verify(textArea.width > flick.width)
        verify(textArea.height > flick.height)

        textArea.cursorPosition = textArea.length
        var cursor = textArea.cursorRectangle
        verify(flick.contentY > 0)
        verify(flick.contentY <= cursor.y && cursor.y + cursor.height <= flick.contentY + flick.height)
        compare(flick.contentY, cursor.y + cursor.height - flick.height)

        // The long line's end: scrolled sideways by the least amount.
        var longLineEnd = lines.slice(0, 101).join("\n").length
        textArea.cursorPosition = longLineEnd
        cursor = textArea.cursorRectangle
        compare(flick.contentX, cursor.x + cursor.width - flick.width)
        verify(flick.contentY <= cursor.y && cursor.y + cursor.height <= flick.contentY + flick.height)

        textArea.cursorPosition = 0
        compare(flick.contentX, 0)
        compare(flick.contentY, 0)
    }
}
