import QtQuick 2.15
import QtQuick.Controls 2.5
import QtTest 1.15

// Not a test: takes the progress screenshots in docs/. Run by hand under a virtual display:
//   xvfb-run -a -s "-screen 0 1280x900x24" umockdev-wrapper \
//       build/tests/qml/tst_qml -platform xcb -input tests/qml/screenshots/progress_shots.qml
TestCase {
    name: "ProgressShots"
    when: windowShown

    property var win: null
    readonly property int chunk: 64
    // The repository's docs folder.
    readonly property string outDir: Qt.resolvedUrl("../../../docs").toString().replace("file://", "")

    function child(name) {
        var found = findChild(win, name)
        verify(found !== null, "no child " + name)
        return found
    }

    // Dialogs and the editor are created on first use.
    function createdChild(name, timeout) {
        tryVerify(function () { return findChild(win, name) !== null }, timeout, "no child " + name)
        return child(name)
    }

    function choose(dialogName, urls) {
        var dialog = createdChild(dialogName, 10000)
        tryCompare(dialog, "visible", true)
        dialog.clearSelection()
        for (var i = 0; i < urls.length; ++i)
            dialog.addSelection(urls[i])
        dialog.accept()
    }

    function shoot(window, name) {
        wait(300) // let the bar and its text settle into a frame
        var path = outDir + "/" + name
        var done = false
        // The whole window: an application window's content item leaves out its header and footer.
        var whole = window.contentItem.parent ? window.contentItem.parent : window.contentItem
        whole.grabToImage(function (image) { done = image.saveToFile(path) })
        tryVerify(function () { return done }, 5000, "could not save " + path)
    }

    function waitFor(prefix, minPercent) {
        tryVerify(function () {
            return calcSession.progressText.indexOf(prefix) === 0
                    && calcSession.progressBytesDone * 100 >= minPercent * calcSession.progressBytesTotal
                    && calcSession.progressSecondsLeft >= 0
        }, 60000, calcSession.progressText)
    }

    function test_shots() {
        win = Qt.createComponent("qrc:/qml/main").createObject(null)
        tryCompare(win, "visible", true)
        var files = {}
        var names = ["ANIMALS.UCB", "GRAPHS.UCB", "PICTURE1.BIN", "PICTURE2.BIN", "QUADRATIC.UCB",
                     "SCORES.BIN", "TRIG.UCB"]
        for (var i = 0; i < names.length; ++i)
            files[names[i]] = "x".repeat(names[i].indexOf(".BIN") > 0 ? 60000 : 9000)
        var calc = simulator.plug("ULVO-1", files)
        tryCompare(child("filePanel").tableView, "rowCount", names.length, 10000)
        wait(500)
        simulator.setMaxChunkSize(calc, chunk)
        simulator.setReplyDelay(calc, 4)
        var dir = testTools.makeTempDir()

        // Download of all seven files, stopped after the picture.
        var table = child("filePanel").tableView
        table.selection.selectAll()
        mouseClick(child("downloadButton"))
        choose("choseFolderDialog", [testTools.urlOf(dir)])
        waitFor("Downloading PICTURE1.BIN", 20)
        shoot(win, "progress-download.png")
        calcSession.cancelOperation()
        tryCompare(calcSession, "isBusy", false, 60000)
        table.selection.clear()

        // Send of three files.
        var urls = []
        for (var k = 1; k <= 3; ++k)
            urls.push(testTools.writeFile(dir + "/chapter" + k + ".txt", "y".repeat(30000)))
        mouseClick(child("sendButton"))
        choose("choseFileDialog", urls)
        waitFor("Sending CHAPTER2.txt", 45)
        shoot(win, "progress-send.png")
        calcSession.cancelOperation()
        tryCompare(calcSession, "isBusy", false, 60000)

        // Backup, stopped; then one made fast for the restore.
        mouseClick(child("createBackupButton"))
        waitFor("Backing up PICTURE1.BIN", 20)
        shoot(win, "progress-backup.png")
        calcSession.cancelOperation()
        tryCompare(calcSession, "isBusy", false, 60000)
        simulator.setReplyDelay(calc, 0)
        mouseClick(child("createBackupButton"))
        tryCompare(createdChild("backupSaveDialog", 60000), "visible", true, 60000)
        choose("backupSaveDialog", [testTools.urlOf(dir + "/saved.ubk")])
        tryCompare(calcSession, "isBusy", false, 60000)

        // Restore: past the clearing, Cancel is disabled.
        simulator.setReplyDelay(calc, 4)
        mouseClick(child("restoreBackupButton"))
        choose("chooseBackupDialog", [testTools.urlOf(dir + "/saved.ubk")])
        waitFor("Restoring PICTURE2.BIN", 40)
        shoot(win, "progress-restore.png")
        tryCompare(calcSession, "isBusy", false, 120000)

        // The editor sending its program.
        child("editorLoader").active = true
        var editor = child("editor")
        editor.visible = true
        var lines = []
        for (var n = 0; n < 1500; ++n)
            lines.push("Disp \"LINE " + n + "\"")
        editor.loadFile("BIGPROG.UCB", lines.join("\n"))
        editor.sendFile("BIGPROG.UCB", lines.join("\n"))
        tryVerify(function () {
            return calcSession.operationKind === "editorSend" && calcSession.progressBytesDone * 100 >= 30 * calcSession.progressBytesTotal
        }, 60000)
        shoot(editor, "progress-editor-send.png")
        tryCompare(calcSession, "isBusy", false, 60000)
        editor.textModified = false
        editor.close()
        simulator.unplugAll()
        win.destroy()
    }
}
