import QtQuick 2.15
import QtQuick.Controls 2.5
import QtTest 1.15

// Not a test: takes the main window's screenshots in docs/. Run by hand under a virtual display:
//   xvfb-run -a -s "-screen 0 1280x900x24" umockdev-wrapper \
//       build/tests/qml/tst_qml -platform xcb -input tests/qml/screenshots/main_shots.qml
TestCase {
    name: "MainShots"
    when: windowShown

    property var win: null
    // The repository's docs folder.
    readonly property string outDir: Qt.resolvedUrl("../../../docs").toString().replace("file://", "")

    function child(name) {
        var found = findChild(win, name)
        verify(found !== null, "no child " + name)
        return found
    }

    // Dialogs and menus are created on first use.
    function createdChild(name) {
        tryVerify(function () { return findChild(win, name) !== null }, 10000, "no child " + name)
        return child(name)
    }

    function shoot(name) {
        wait(300) // let tips, menus and dialogs settle into a frame
        var path = outDir + "/" + name
        var done = false
        // The whole window: an application window's content item leaves out its header and footer.
        win.contentItem.parent.grabToImage(function (image) { done = image.saveToFile(path) })
        tryVerify(function () { return done }, 5000, "could not save " + path)
    }

    function key(k, modifiers) {
        testTools.keyClick(win, k, modifiers === undefined ? Qt.NoModifier : modifiers)
    }

    function test_shots() {
        win = Qt.createComponent("qrc:/qml/main").createObject(null)
        tryCompare(win, "visible", true)
        verify(testTools.activate(win))
        // The simulator's sample files, by name and size.
        var sizes = { "CIRCLE.UCB": 66, "DISTANCE.UCB": 52, "GRAPHDB.BIN": 4300, "GUESS.UCB": 100,
                      "LIST1.BIN": 96, "MATRIXA.BIN": 1152, "PICTURE1.BIN": 21000, "POLAR2RECT.UCB": 76,
                      "PRIMES.UCB": 92, "QUADRATIC.UCB": 107, "SURVEYDATA.BIN": 2048, "notes.txt": 101 }
        var files = {}
        for (var name in sizes)
            files[name] = "x".repeat(sizes[name])
        simulator.plug("ULVO-1", files)
        var table = child("filePanel").tableView
        tryCompare(table, "rowCount", Object.keys(sizes).length, 10000)
        verify(testTools.activate(win))
        calcSession.onStatusChange("")
        shoot("main-window.png")

        // The keyboard's way in: Tab to the table, three rows taken with Down and Shift+Down.
        for (var i = 0; i < 20 && !table.activeFocus; ++i)
            key(Qt.Key_Tab)
        verify(table.activeFocus)
        key(Qt.Key_Down)
        key(Qt.Key_Down)
        key(Qt.Key_Down, Qt.ShiftModifier)
        key(Qt.Key_Down, Qt.ShiftModifier)
        shoot("main-window-keyboard.png")

        // A download that meets a file already on the computer.
        var dir = testTools.makeTempDir()
        testTools.writeFile(dir + "/GRAPHDB.BIN", "on the computer")
        mouseClick(child("downloadButton"))
        var chooser = createdChild("choseFolderDialog")
        tryCompare(chooser, "visible", true)
        chooser.clearSelection()
        chooser.addSelection(testTools.urlOf(dir))
        chooser.accept()
        var collision = createdChild("doYouWantDownloadFile")
        tryCompare(collision, "opened", true)
        shoot("collision-dialog.png")
        mouseClick(collision.standardButton(Dialog.No))
        tryCompare(calcSession, "isBusy", false, 60000)

        // The About box, from the options menu.
        calcSession.onStatusChange("")
        mouseClick(child("menuButton"))
        tryCompare(createdChild("optionsMenu"), "opened", true)
        mouseClick(child("aboutItem"))
        tryCompare(createdChild("aboutDialog"), "opened", true)
        shoot("about-box.png")
        key(Qt.Key_Escape)

        simulator.unplugAll()
        win.destroy()
    }
}
