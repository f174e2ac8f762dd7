import QtQuick 2.15
import QtQuick.Controls 2.5
import QtTest 1.15

// Not a test: takes the class send screenshot in docs/. Run by hand under a virtual display:
//   xvfb-run -a -s "-screen 0 1280x900x24" umockdev-wrapper \
//       build/tests/qml/tst_qml -platform xcb -input tests/qml/screenshots/class_shots.qml
TestCase {
    name: "ClassShots"
    when: windowShown

    property var win: null
    readonly property int calcCount: 12
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

    function shoot(window, name) {
        wait(300) // let the rows settle into a frame
        var path = outDir + "/" + name
        var done = false
        var whole = window.contentItem.parent ? window.contentItem.parent : window.contentItem
        whole.grabToImage(function (image) { done = image.saveToFile(path) })
        tryVerify(function () { return done }, 5000, "could not save " + path)
    }

    function test_shots() {
        win = Qt.createComponent("qrc:/qml/main").createObject(null)
        tryCompare(win, "visible", true)
        for (var i = 1; i <= calcCount; ++i) {
            var name = "CLASS-" + (i < 10 ? "0" : "") + i
            var calc = simulator.plug(name, { "NOTES.TXT": "x" })
            // Slower calculators further down: the rows stand at different points.
            simulator.setMaxChunkSize(calc, 64)
            simulator.setReplyDelay(calc, 2 + i)
            wait(150) // umockdev's device reports overflow when calculators come all at once
        }
        tryCompare(child("calcPanel"), "count", calcCount, 20000)
        tryVerify(function () { return calcModel.getName() === "CLASS-01" }, 20000)
        wait(1500) // the first contacts end
        calcModel.currentIndex = 0
        calcModel.selectAll()
        var dir = testTools.makeTempDir()
        var lesson = testTools.writeFile(dir + "/EXAM1.UCB", "Disp \"EXAM\"\n".repeat(1500))
        mouseClick(child("sendButton"))
        var dialog = createdChild("choseFileDialog", 10000)
        tryCompare(dialog, "visible", true)
        dialog.clearSelection()
        dialog.addSelection(lesson)
        dialog.accept()
        // Some calculators done, the others still sending.
        tryVerify(function () {
            var done = 0
            for (var row = 0; row < calcCount; ++row)
                done += calcModel.data(calcModel.index(row, 0), Qt.UserRole + 1) === 2 ? 1 : 0
            return done >= 3
        }, 60000)
        shoot(win, "class-send.png")
        tryCompare(calcSession, "isBusy", false, 120000)
        wait(300)
        shoot(win, "class-send-done.png")
        for (var c = calcCount - 1; c >= 0; --c) {
            simulator.unplug(c)
            wait(150)
        }
    }
}
