import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.2

// The editor with the session and a simulated calculator: a program opened from the calculator
// goes back byte for byte, and the name check before sending ignores case.
TestCase {
    id: testCase
    name: "EditorWithCalculator"
    when: windowShown

    // "1", store arrow, "A:", square root, the 0xA0 symbol, "(A))"; no final line feed.
    readonly property string programHex: "31A8413A7FA028412929"
    property int calc: -1

    EditorHost { id: host }
    property var editor: host.editor

    // The main window's side of the hand-over.
    Connections {
        target: calcSession
        function onOpenEditFromCalc(fileName, fileData) {
            host.editor.loadFile(fileName, fileData)
            host.editor.visible = true
        }
    }
    Connections {
        target: host.editor
        function onSendFile(fileName, fileData) {
            calcSession.sendFileFromEdit(fileName, fileData)
        }
    }
    Connections {
        target: calcSession
        function onFileFromEditSent(fileName, sent) {
            if (!sent) {
                host.editor.setStatus("File was not sent: " + calcSession.error)
                host.editor.textModified = true
                return
            }
            host.editor.setStatus("File successfully sent to the device")
        }
    }

    function named(objectName) {
        var found = findChild(editor, objectName)
        verify(found, "no element " + objectName)
        return found
    }

    function rowOf(fileName) {
        for (var row = 0; row < fileModel.rowCount(); ++row) {
            if (fileModel.getName(row) === fileName)
                return row
        }
        return -1
    }

    function initTestCase() {
        calc = simulator.plugHex("ULVO", { "PRG1.ucb": programHex, "NOTES.TXT": "414243" })
        verify(calc >= 0, "no simulated calculator (run under umockdev-wrapper)")
        tryVerify(function () { return rowOf("PRG1.ucb") >= 0 }, 5000)
    }

    function cleanupTestCase() {
        simulator.unplugAll()
        tryVerify(function () { return calcModel.rowCount() === 0 }, 5000)
    }

    function init() {
        editor.textModified = false
        if (editor.visible)
            editor.close()
        tryCompare(editor, "visible", false)
        tryCompare(calcSession, "isBusy", false, 10000)
        calcSession.downloadForEdit(rowOf("PRG1.ucb"))
        tryCompare(editor, "visible", true, 10000)
        waitForRendering(named("textArea"))
    }

    function openSendDialog() {
        mouseClick(named("saveCalcButton"))
        tryCompare(named("ucbSendDialog"), "opened", true)
    }

    function test_programGoesBackByteForByte() {
        var textArea = named("textArea")
        compare(editor.fileName, "PRG1.ucb")
        // The text area's own text shows 0xA0 as a blank; the highlighter hands on the real codes.
        compare(named("syntaxHighlighter").calculatorText(), "1\u00A8A:\u007F\u00A0(A))")
        compare(editor.textModified, false)

        openSendDialog()
        compare(named("ucbSendDialogFileName").text, "PRG1")
        mouseClick(named("ucbSendDialog").standardButton(Dialog.Ok))

        var collision = named("doYouWantSendFile")
        tryCompare(collision, "opened", true)
        compare(named("doYouWantSendFileText").text,
                "File PRG1.ucb already exists on your calculator.\nDo you want to replace it?")
        mouseClick(collision.standardButton(Dialog.Yes))

        tryCompare(named("statusLine"), "text", "File successfully sent to the device", 10000)
        compare(simulator.fileHex(calc, "PRG1.ucb"), programHex + "0A")
        compare(editor.textModified, false)
    }

    function test_nameCheckIgnoresCase() {
        var storedBefore = simulator.receivedCount(calc, "SEND_FILE")
        var programBefore = simulator.fileHex(calc, "PRG1.ucb")
        openSendDialog()
        var field = named("ucbSendDialogFileName")
        field.text = "prg1"
        mouseClick(named("ucbSendDialog").standardButton(Dialog.Ok))

        var collision = named("doYouWantSendFile")
        tryCompare(collision, "opened", true)
        compare(named("doYouWantSendFileText").text,
                "File prg1.ucb already exists on your calculator.\nDo you want to replace it?")
        mouseClick(collision.standardButton(Dialog.No))
        compare(named("statusLine").text, "Canceling saving file prg1.ucb")
        compare(simulator.receivedCount(calc, "SEND_FILE"), storedBefore)
        compare(simulator.fileHex(calc, "PRG1.ucb"), programBefore)
    }

    // Replacing a file whose send then fails: the text still counts as modified.
    function test_failedReplaceKeepsTheTextModified() {
        var programBefore = simulator.fileHex(calc, "PRG1.ucb")
        named("textArea").cursorPosition = 0
        named("textArea").forceActiveFocus()
        keyClick("2")
        verify(simulator.failOn(calc, "SEND_FILE", "memory full"))
        openSendDialog()
        mouseClick(named("ucbSendDialog").standardButton(Dialog.Ok))
        var collision = named("doYouWantSendFile")
        tryCompare(collision, "opened", true)
        mouseClick(collision.standardButton(Dialog.Yes))

        tryVerify(function () { return calcSession.error.indexOf("memory full") >= 0 }, 10000,
                  calcSession.error)
        calcSession.error = ""
        compare(editor.textModified, true)
        compare(editor.title, "UlvoBasic Editor: PRG1.ucb*")
        compare(simulator.fileHex(calc, "PRG1.ucb"), programBefore)
        editor.textModified = false
    }

    function test_newNameSendsWithoutAsking() {
        openSendDialog()
        named("ucbSendDialogFileName").text = "PRG2"
        keyClick(Qt.Key_Return)
        compare(named("doYouWantSendFile").opened, false)
        tryCompare(named("statusLine"), "text", "File successfully sent to the device", 10000)
        compare(simulator.fileHex(calc, "PRG2.ucb"), programHex + "0A")
        verify(rowOf("PRG2.ucb") >= 0)
    }
}
