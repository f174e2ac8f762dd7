import QtQuick 2.15
import QtQuick.Controls 2.5
import QtTest 1.15

// The window speaks the system locale's language: started under LANG=de_DE.UTF-8 it shows German
// texts, under C the English ones, word for word.
TestCase {
    id: testCase
    name: "Language"
    when: windowShown

    readonly property int pollTimeout: 6000
    // The texts each start must show, by the language of the translation in use.
    readonly property var expected: ({
        "de": {
            menuTip: "Menü",
            stationStopped: "Station angehalten: an 0 Rechnern gesendet, 0 fehlgeschlagen",
            classRestore: "Die Wiederherstellung löscht alle Dateien auf 2 Rechnern und ersetzt sie durch die Sicherung. Fortfahren?",
            yes: "Ja"
        },
        "": {
            menuTip: "Menu",
            stationStopped: "Station stopped: sent to 0 calculators, 0 failed",
            classRestore: "Restoring erases every file on 2 calculators and replaces them with the backup. Continue?",
            yes: "Yes"
        }
    })
    property var texts: expected[uiLanguage]
    property var win: null

    function initTestCase() {
        verify(simulator.isValid(), "the test must run under umockdev-wrapper")
        // Which start this is: LANG=de_DE.UTF-8 must bring German, C none.
        compare(uiLanguage, Qt.locale().name.indexOf("de") === 0 ? "de" : "")
        verify(texts !== undefined)
    }

    function init() {
        var component = Qt.createComponent("qrc:/qml/main")
        compare(component.status, Component.Ready, component.errorString())
        win = component.createObject(null)
        verify(win !== null)
        tryCompare(win, "visible", true)
        verify(testTools.activate(win))
    }

    function cleanup() {
        simulator.unplugAll()
        tryVerify(function () { return child("calcPanel").count === 0 }, pollTimeout)
        tryCompare(calcSession, "isBusy", false, pollTimeout)
        win.destroy()
        win = null
        wait(0)
    }

    function child(name) {
        var found = findChild(win, name)
        verify(found !== null, "no child " + name)
        return found
    }

    function test_toolTip() {
        var button = child("menuButton")
        mouseMove(button, button.width / 2, button.height / 2)
        tryCompare(button.ToolTip.toolTip, "visible", true, 3000)
        compare(button.ToolTip.text, texts.menuTip)
    }

    function test_statusWithCount() {
        var dir = testTools.makeTempDir()
        verify(calcSession.startStation([testTools.writeFile(dir + "/EXAM.UCB", "Disp 9\n")]))
        var bar = child("stationBar")
        tryCompare(bar, "visible", true)
        waitForRendering(bar) // laid out: the button is where the click goes
        mouseClick(child("stationStopButton"))
        compare(calcSession.stationActive, false)
        compare(child("statusLine").text, texts.stationStopped)
    }

    // Restoring several calculators at once asks first, naming how many it erases.
    function test_restoreQuestion() {
        simulator.plug("ULVO-A", {})
        simulator.plug("ULVO-B", {})
        tryCompare(child("calcPanel"), "count", 2, pollTimeout)
        tryCompare(calcSession, "isBusy", false, pollTimeout)
        verify(testTools.activate(win))
        var list = child("calcPanel").listView
        tryVerify(function () { return list.itemAtIndex(1) !== null })
        mouseClick(list.itemAtIndex(0))
        mouseClick(list.itemAtIndex(1), 10, 10, Qt.LeftButton, Qt.ShiftModifier)
        compare(calcModel.selection, [0, 1])

        var dir = testTools.makeTempDir()
        mouseClick(child("restoreBackupButton"))
        tryVerify(function () { return findChild(win, "chooseBackupDialog") !== null }, pollTimeout)
        var chooser = child("chooseBackupDialog")
        tryCompare(chooser, "visible", true)
        chooser.clearSelection()
        chooser.addSelection(testTools.writeFile(dir + "/class.ubk", ""))
        chooser.accept()
        tryVerify(function () { return findChild(win, "classRestoreQuestion") !== null }, pollTimeout)
        var question = child("classRestoreQuestion")
        tryCompare(question, "visible", true)
        compare(question.text, texts.classRestore)
        // Qt's own translation names the standard buttons.
        compare(question.standardButton(Dialog.Yes).text.replace("&", ""), texts.yes)
        question.reject()
    }
}
