import QtQuick 2.15
import QtQuick.Controls 2.5
import QtTest 1.15

// Not a test: takes the safety copies screenshot in docs/. Run by hand under a virtual display,
// with a data folder of its own so that only the copies made here are listed:
//   XDG_DATA_HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1280x900x24" umockdev-wrapper \
//       build/tests/qml/tst_qml -platform xcb -input tests/qml/screenshots/safety_shots.qml
TestCase {
    name: "SafetyShots"
    when: windowShown

    property var win: null
    // The repository's docs folder.
    readonly property string outDir: Qt.resolvedUrl("../../../docs").toString().replace("file://", "")

    function child(name) {
        var found = findChild(win, name)
        verify(found !== null, "no child " + name)
        return found
    }

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
        wait(300)
        var path = outDir + "/" + name
        var done = false
        var whole = window.contentItem.parent ? window.contentItem.parent : window.contentItem
        whole.grabToImage(function (image) { done = image.saveToFile(path) })
        tryVerify(function () { return done }, 5000, "could not save " + path)
    }

    function deleteFiles(names) {
        var table = child("filePanel").tableView
        for (var row = 0; row < table.rowCount; ++row) {
            if (names.indexOf(fileModel.getName(row)) >= 0)
                calcSession.addSelected(row)
        }
        calcSession.onStatusChange("")
        calcSession.deleteSelectedFiles()
        tryVerify(function () { return calcSession.statusLineText.indexOf("Files successfully deleted") === 0 }, 60000)
        tryCompare(calcSession, "isBusy", false, 60000)
    }

    function test_shots() {
        win = Qt.createComponent("qrc:/qml/main").createObject(null)
        tryCompare(win, "visible", true)
        var files = { "ANIMALS.UCB": "x".repeat(9000), "GRAPHS.UCB": "x".repeat(4000),
                      "PICTURE1.BIN": "x".repeat(60000), "QUADRATIC.UCB": "x".repeat(2500),
                      "TRIG.UCB": "x".repeat(3000) }
        simulator.plug("MATHS 7B", files)
        tryCompare(child("filePanel").tableView, "rowCount", 5, 10000)
        wait(500)
        var dir = testTools.makeTempDir()

        deleteFiles(["TRIG.UCB"])
        mouseClick(child("createBackupButton"))
        tryCompare(createdChild("backupSaveDialog", 60000), "visible", true, 60000)
        choose("backupSaveDialog", [testTools.urlOf(dir + "/saved.ubk")])
        tryCompare(calcSession, "isBusy", false, 60000)
        deleteFiles(["GRAPHS.UCB", "QUADRATIC.UCB"])
        mouseClick(child("restoreBackupButton"))
        choose("chooseBackupDialog", [testTools.urlOf(dir + "/saved.ubk")])
        tryVerify(function () { return calcSession.statusLineText.indexOf("Backup successfully") === 0 }, 60000)
        tryCompare(calcSession, "isBusy", false, 60000)

        mouseClick(child("menuButton"))
        var menu = createdChild("optionsMenu", 5000)
        tryCompare(menu, "opened", true)
        mouseClick(child("safetyCopiesItem"))
        var dialog = createdChild("safetyCopiesDialog", 5000)
        tryCompare(dialog, "opened", true)
        shoot(win, "safety-copies.png")
        dialog.close()
        simulator.unplugAll()
        win.destroy()
    }
}
