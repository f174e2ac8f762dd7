import QtQuick 2.15
import QtQuick.Controls 2.5
import QtTest 1.15

// The main window's progress bar, its text and Cancel, against the real session and simulated
// calculators slowed per frame.
TestCase {
    id: testCase
    name: "Progress"
    when: windowShown

    property var win: null
    readonly property int pollTimeout: 6000
    readonly property int transferTimeout: 30000
    readonly property int chunk: 64
    // 150 frames of at least 5 ms each: long enough to be seen and stopped.
    readonly property string bigContent: "x".repeat(150 * chunk)

    function init() {
        var component = Qt.createComponent("qrc:/qml/main")
        compare(component.status, Component.Ready, component.errorString())
        win = component.createObject(null)
        verify(win !== null)
        tryCompare(win, "visible", true)
        verify(testTools.activate(win))
        calcSession.onStatusChange("")
    }

    function cleanup() {
        simulator.unplugAll()
        tryVerify(function () { return child("calcPanel").count === 0 }, pollTimeout)
        tryCompare(calcSession, "isBusy", false, transferTimeout)
        calcSession.error = ""
        win.destroy()
        win = null
        wait(0)
    }

    function child(name) {
        var found = findChild(win, name)
        verify(found !== null, "no child " + name)
        return found
    }

    // The main window's progress parts (the editor has its own).
    function part(name) {
        var found = findChild(child("operationProgress"), name)
        verify(found !== null, "no part " + name)
        return found
    }

    // The bar's value; 0 until the first report creates the bar.
    function barValue() {
        var bar = findChild(child("operationProgress"), "progressBar")
        return bar !== null ? bar.value : 0
    }

    SignalSpy {
        id: contactSpy
        target: calcSession
        signalName: "calcContacted"
    }

    function plugSlowCalculator(name, files) {
        var contactsBefore = contactSpy.count
        var index = simulator.plug(name, files)
        verify(index >= 0)
        tryVerify(function () { return contactSpy.count > contactsBefore }, pollTimeout)
        tryCompare(child("filePanel").tableView, "rowCount", Object.keys(files).length, pollTimeout)
        verify(testTools.activate(win))
        simulator.setMaxChunkSize(index, chunk)
        simulator.setReplyDelay(index, 5)
        return index
    }

    // A dialog or window created on first use, once the window has created it.
    function createdChild(name, timeout) {
        tryVerify(function () { return findChild(win, name) !== null }, timeout, "no child " + name)
        return child(name)
    }

    function choose(dialogName, urls) {
        var dialog = createdChild(dialogName, pollTimeout)
        tryCompare(dialog, "visible", true)
        dialog.clearSelection()
        for (var i = 0; i < urls.length; ++i)
            dialog.addSelection(urls[i])
        dialog.accept()
    }

    function startDownload(dir) {
        var table = child("filePanel").tableView
        table.selection.clear()
        table.selection.select(0)
        mouseClick(child("downloadButton"))
        choose("choseFolderDialog", [testTools.urlOf(dir)])
    }

    function startSend(dir) {
        var url = testTools.writeFile(dir + "/new.bin", bigContent)
        mouseClick(child("sendButton"))
        choose("choseFileDialog", [url])
    }

    function test_barAndTextDuringTransfer_data() {
        return [
            { tag: "download", text: "Downloading BIG.BIN — ", end: "Files successfully download on path: " },
            { tag: "send", text: "Sending NEW.bin — ", end: "Files successful sent to calculator" },
        ]
    }

    function test_barAndTextDuringTransfer(data) {
        plugSlowCalculator("ULVO-P", { "BIG.BIN": bigContent })
        var dir = testTools.makeTempDir()
        var progress = child("operationProgress")
        compare(progress.visible, false)

        if (data.tag === "download")
            startDownload(dir)
        else
            startSend(dir)

        tryCompare(progress, "visible", true, transferTimeout)
        tryVerify(function () { return barValue() > 0 }, transferTimeout)
        verify(part("progressText").text.indexOf(data.text) === 0, part("progressText").text)
        verify(part("progressText").text.indexOf(" %") > 0)
        compare(child("busyIndicator").running, false)
        verify(child("calcPanel").listView.opacity < 1)
        verify(child("filePanel").tableView.opacity < 1)
        verify(part("cancelButton").enabled)

        tryCompare(progress, "visible", false, transferTimeout)
        verify(child("statusLine").text.indexOf(data.end) === 0, child("statusLine").text)
        compare(child("calcPanel").listView.opacity, 1)
    }

    function test_cancelDownloadLeavesNoPartialFile_data() {
        return [ { tag: "Cancel button", via: "button" }, { tag: "Escape", via: "escape" } ]
    }

    function test_cancelDownloadLeavesNoPartialFile(data) {
        var calc = plugSlowCalculator("ULVO-Q", { "BIG.BIN": bigContent })
        var dir = testTools.makeTempDir()
        startDownload(dir)
        tryVerify(function () { return barValue() > 0 }, transferTimeout)

        if (data.via === "button")
            mouseClick(part("cancelButton"))
        else if (testTools.activate(win)) { // back from the folder chooser's window
            testTools.keyClick(win, Qt.Key_Escape)
        }

        tryCompare(child("statusLine"), "text", "Download cancelled: 0 of 1 files downloaded", transferTimeout)
        compare(calcSession.isBusy, false)
        compare(child("operationProgress").visible, false)
        compare(testTools.entries(dir), [])

        // The calculator answers the next download in full.
        simulator.setReplyDelay(calc, 0)
        startDownload(dir)
        tryVerify(function () { return child("statusLine").text.indexOf("Files successfully download") === 0 },
                  transferTimeout, child("statusLine").text)
        compare(testTools.readFile(dir + "/BIG.BIN"), bigContent)
    }

    function test_restoreCancelDisabledAfterClearing() {
        var calc = plugSlowCalculator("ULVO-R", { "BIG.BIN": bigContent })
        var dir = testTools.makeTempDir()
        simulator.setReplyDelay(calc, 0)
        mouseClick(child("createBackupButton"))
        tryCompare(createdChild("backupSaveDialog", transferTimeout), "visible", true, transferTimeout)
        choose("backupSaveDialog", [testTools.urlOf(dir + "/saved.ubk")])
        tryCompare(calcSession, "isBusy", false, transferTimeout)
        simulator.setReplyDelay(calc, 5)

        mouseClick(child("restoreBackupButton"))
        choose("chooseBackupDialog", [testTools.urlOf(dir + "/saved.ubk")])
        tryVerify(function () { return part("progressText").text.indexOf("Restoring BIG.BIN") === 0 },
                  transferTimeout, part("progressText").text)
        compare(part("cancelButton").enabled, false)
        verify(child("operationProgress").cancelBlockedReason.indexOf("cleared") > 0)
        testTools.keyClick(win, Qt.Key_Escape) // does nothing now
        // The end text names the safety copy taken before the calculator was erased.
        tryVerify(function () {
            return child("statusLine").text.indexOf(
                        "Backup successfully sent to calculator; safety copy saved on the path: ") === 0
        }, transferTimeout, child("statusLine").text)
        compare(simulator.fileText(calc, "BIG.BIN"), bigContent)
    }

    // The editor's status line carries its own send; the file in flight cannot be stopped.
    function test_editorStatusLineShowsSend() {
        var calc = plugSlowCalculator("ULVO-S", { "A.UCB": "1\n" })
        // Created as on first use: the test drives it without opening it.
        child("editorLoader").active = true
        var editor = child("editor")
        var editorProgress = findChild(editor, "editorProgress")
        verify(editorProgress !== null)
        editor.sendFile("BIG.UCB", bigContent)
        tryCompare(editorProgress, "visible", true, transferTimeout)
        tryVerify(function () { return findChild(editorProgress, "progressText").text.indexOf("Sending BIG.UCB — ") === 0 },
                  transferTimeout)
        compare(findChild(editorProgress, "cancelButton").enabled, false)
        tryCompare(editorProgress, "visible", false, transferTimeout)
        tryCompare(calcSession, "isBusy", false, transferTimeout)
        compare(simulator.fileText(calc, "BIG.UCB"), bigContent + "\n")
    }
}
