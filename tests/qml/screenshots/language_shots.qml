import QtQuick 2.15
import QtQuick.Controls 2.5
import QtTest 1.15

// Not a test: takes the screenshot of the window in German in docs/. Run by hand under a virtual
// display, with the runner that installs the locale's translations:
//   LANG=de_DE.UTF-8 xvfb-run -a -s "-screen 0 1280x900x24" umockdev-wrapper \
//       build/tests/translations/tst_qml_language -platform xcb -input tests/qml/screenshots/language_shots.qml
TestCase {
    name: "LanguageShots"
    when: windowShown

    property var win: null
    // The repository's docs folder.
    readonly property string outDir: Qt.resolvedUrl("../../../docs").toString().replace("file://", "")

    function child(name) {
        var found = findChild(win, name)
        verify(found !== null, "no child " + name)
        return found
    }

    function test_shots() {
        verify(uiLanguage !== "", "start it with LANG set to a translated language")
        win = Qt.createComponent("qrc:/qml/main").createObject(null)
        tryCompare(win, "visible", true)
        verify(testTools.activate(win))
        var files = { "CIRCLE.UCB": 66, "GUESS.UCB": 100, "MATRIXA.BIN": 1152, "PRIMES.UCB": 92,
                      "QUADRATIC.UCB": 107, "SURVEYDATA.BIN": 2048, "notes.txt": 101 }
        for (var name in files)
            files[name] = "x".repeat(files[name])
        simulator.plug("KLASSE-7B", files)
        var table = child("filePanel").tableView
        tryCompare(table, "rowCount", Object.keys(files).length, 10000)
        tryCompare(calcSession, "isBusy", false, 10000)
        verify(testTools.activate(win))

        // A delete, so that the status line has something to say; its safety copy stays behind.
        table.selection.select(5)
        table.selection.select(6)
        mouseClick(child("removeButton"))
        tryVerify(function () { return findChild(win, "doYouWantDeleteItDialog") !== null }, 10000)
        var question = child("doYouWantDeleteItDialog")
        tryCompare(question, "opened", true)
        var path = outDir + "/main-window-" + uiLanguage + ".png"
        shoot(path)
        mouseClick(question.standardButton(Dialog.Yes))
        tryCompare(calcSession, "isBusy", false, 10000)
        shoot(outDir + "/main-window-" + uiLanguage + "-deleted.png")

        // The editor: its own words in the language, the program in the code font.
        mouseClick(child("newFileButton"))
        tryVerify(function () { return findChild(win, "editor") !== null && child("editor").visible }, 10000)
        var editor = child("editor")
        editor.showProgram("\"Radius\"?\u00A8R\n\u00A8A:\u00C1R\u0082\nDisp A\n")
        wait(300)
        var saved = false
        editor.contentItem.parent.grabToImage(function (image) {
            saved = image.saveToFile(outDir + "/editor-" + uiLanguage + ".png")
        })
        tryVerify(function () { return saved }, 5000)
        editor.close()

        simulator.unplugAll()
        win.destroy()
    }

    function shoot(path) {
        wait(300) // let tips, menus and dialogs settle into a frame
        var done = false
        win.contentItem.parent.grabToImage(function (image) { done = image.saveToFile(path) })
        tryVerify(function () { return done }, 5000, "could not save " + path)
    }
}
