import QtQuick 2.15
import QtQuick.Controls 2.5
import QtTest 1.15

// The main window against the real session, driven by simulated calculators.
TestCase {
    id: testCase
    name: "MainWindow"
    when: windowShown

    property var win: null
    readonly property int pollTimeout: 6000
    readonly property int transferTimeout: 20000

    function initTestCase() {
        verify(simulator.isValid(), "the test must run under umockdev-wrapper")
    }

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
        calcSession.stopStation() // a station left running would serve the next test's calculators
        simulator.unplugAll()
        tryCompare(calcModel, "currentIndex", calcModel.currentIndex) // settle bindings
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

    // A dialog or window created on first use, once the window has created it.
    function createdChild(name, timeout) {
        tryVerify(function () { return findChild(win, name) !== null }, timeout, "no child " + name)
        return child(name)
    }

    // Dialogs and the editor are created on first use: one never opened is not shown.
    function shown(name) {
        var found = findChild(win, name)
        return found !== null && found.visible
    }

    // The editor window, created as on first use, for tests that drive it without opening it.
    function editorWindow() {
        child("editorLoader").active = true
        return child("editor")
    }

    // Chooses an item of the options menu as a user does; the menu is created on its first opening.
    function chooseMenuItem(name) {
        mouseClick(child("menuButton"))
        var menu = createdChild("optionsMenu")
        tryCompare(menu, "opened", true)
        mouseClick(child(name))
        tryCompare(menu, "visible", false)
    }

    function table() {
        return child("filePanel").tableView
    }

    // The context menu is created by the first right click on the file panel: opens it there
    // and returns it, so that its items can be found.
    function openContextMenu() {
        mouseClick(child("filePanel"), 60, 10, Qt.RightButton)
        var menu = child("tableViewContextMenu")
        tryCompare(menu, "opened", true)
        return menu
    }

    function statusText() {
        return child("statusLine").text
    }

    // Plugs one calculator and waits until the window lists it with its files.
    // Counts ended first contacts: a calculator is usable once its own has ended.
    SignalSpy {
        id: contactSpy
        target: calcSession
        signalName: "calcContacted"
    }

    function plugCalculator(name, files) {
        var contactsBefore = contactSpy.count
        var index = simulator.plug(name, files)
        verify(index >= 0)
        tryCompare(child("calcPanel"), "count", index + 1, pollTimeout)
        tryVerify(function () { return contactSpy.count > contactsBefore }, pollTimeout)
        tryCompare(table(), "rowCount", Object.keys(files).length, pollTimeout)
        verify(testTools.activate(win)) // the session raised the test's own window
        return index
    }

    function click(name) {
        var item = child(name)
        mouseClick(item)
    }

    function clickButton(dialog, button) {
        var item = dialog.standardButton(button)
        verify(item !== null)
        mouseClick(item)
    }

    function selectRows(rows) {
        var t = table()
        t.selection.clear()
        for (var i = 0; i < rows.length; ++i)
            t.selection.select(rows[i])
    }

    function rowOf(fileName) {
        for (var row = 0; row < table().rowCount; ++row) {
            if (fileModel.getName(row) === fileName)
                return row
        }
        return -1
    }

    // Drives a file chooser through its QML implementation: the chosen URLs, then accept.
    function choose(dialogName, urls) {
        var dialog = child(dialogName)
        tryCompare(dialog, "visible", true)
        dialog.clearSelection()
        for (var i = 0; i < urls.length; ++i)
            dialog.addSelection(urls[i])
        dialog.accept()
    }

    function test_noCalculator_data() {
        return [
            { tag: "send", button: "sendButton", status: "Calculator is not connected" },
            { tag: "download", button: "downloadButton", status: "No files selected for downloading" },
            { tag: "delete", button: "removeButton", status: "No files selected for deleting" },
            { tag: "edit", button: "editButton", status: "No file selected for editing" },
            { tag: "create backup", button: "createBackupButton", status: "Calculator is not connected" },
            { tag: "restore backup", button: "restoreBackupButton", status: "Calculator is not connected" },
        ]
    }

    function test_noCalculator(data) {
        compare(child("calcPanel").count, 0)
        calcSession.onStatusChange("something else")
        click(data.button)
        compare(statusText(), data.status)
        compare(shown("choseFileDialog"), false)
        compare(shown("chooseBackupDialog"), false)
    }

    function test_noCalculatorMenuAndContextMenu() {
        chooseMenuItem("changeNameItem")
        compare(statusText(), "Calculator is not connected")
        compare(shown("changeNameDialog"), false)
        openContextMenu()
        compare(child("contextSend").enabled, false)
        compare(child("contextNew").enabled, true)
        compare(child("contextDownload").enabled, false)
        compare(child("contextDelete").enabled, false)
        compare(child("contextEdit").enabled, false)
    }

    function test_oneCalculatorListedWithFiles() {
        plugCalculator("ULVO-A", { "PROG1.UCB": "Disp 1\n", "DATA.BIN": "12345" })
        var list = child("calcPanel").listView
        compare(list.count, 1)
        compare(list.currentIndex, 0)
        verify(list.highlightItem !== null)
        verify(list.highlightItem.visible)
        compare(list.highlightItem.y, list.currentItem.y)
        compare(fileModel.getName(rowOf("PROG1.UCB")), "PROG1.UCB")
        verify(rowOf("DATA.BIN") >= 0)
        openContextMenu()
        compare(child("contextSend").enabled, true)
        compare(win.title, "Ulvo Connect " + testTools.buildVersion)
    }

    // The highlight sits on the model's selection, however the selection moved.
    function verifyHighlightOn(row) {
        var list = child("calcPanel").listView
        tryCompare(list, "currentIndex", row)
        verify(list.highlightItem !== null && list.highlightItem.visible)
        tryCompare(list.highlightItem, "y", list.currentItem.y)
    }

    function test_secondCalculatorClickedAndUnplugged() {
        plugCalculator("ULVO-P", { "ONE.UCB": "1\n", "TWO.UCB": "2\n" })
        var second = simulator.plug("ULVO-Q", { "THREE.UCB": "3\n" })
        tryCompare(child("calcPanel"), "count", 2, pollTimeout)
        verify(testTools.activate(win))
        verifyHighlightOn(0)
        selectRows([0, 1])

        var list = child("calcPanel").listView
        mouseClick(list.itemAtIndex(1))
        compare(calcModel.currentIndex, 1)
        compare(table().selection.count, 0)
        tryCompare(table(), "rowCount", 1, pollTimeout)
        compare(fileModel.getName(0), "THREE.UCB")
        verifyHighlightOn(1)

        simulator.unplug(second)
        tryCompare(child("calcPanel"), "count", 1, pollTimeout)
        compare(calcModel.currentIndex, 0)
        verifyHighlightOn(0)
        tryCompare(table(), "rowCount", 2, pollTimeout)

        simulator.unplugAll()
        tryCompare(child("calcPanel"), "count", 0, pollTimeout)
        verify(list.highlightItem === null || !list.highlightItem.visible
               || list.highlightItem.height === 0, "a highlight without a calculator")
        // The model is emptied in the same call; the view applies it at its next polish.
        compare(fileModel.rowCount(), 0)
        tryCompare(table(), "rowCount", 0)
    }

    // Ctrl+click and Shift+click select several calculators, Ctrl+A all of them, a plain click one
    // again; the file table shows the calculator clicked last, and the one-calculator tools are
    // off while several are selected.
    function test_severalCalculatorsSelected() {
        plugCalculator("ULVO-A", { "A.UCB": "1\n" })
        simulator.plug("ULVO-B", { "B.UCB": "2\n", "BB.UCB": "3\n" })
        simulator.plug("ULVO-C", {})
        tryCompare(child("calcPanel"), "count", 3, pollTimeout)
        verify(testTools.activate(win))
        var list = child("calcPanel").listView
        tryVerify(function () { return list.itemAtIndex(2) !== null })

        mouseClick(list.itemAtIndex(1), 10, 10, Qt.LeftButton, Qt.ControlModifier)
        compare(calcModel.selection, [0, 1])
        compare(calcModel.currentIndex, 1)
        tryCompare(table(), "rowCount", 2, pollTimeout)
        compare(child("editButton").enabled, false)
        compare(child("newFileButton").enabled, false)
        compare(child("sendButton").enabled, true)

        mouseClick(list.itemAtIndex(0))
        compare(calcModel.selection, [0])
        compare(child("editButton").enabled, true)
        mouseClick(list.itemAtIndex(2), 10, 10, Qt.LeftButton, Qt.ShiftModifier)
        compare(calcModel.selection, [0, 1, 2])
        compare(calcModel.currentIndex, 2)

        mouseClick(list.itemAtIndex(1))
        verify(list.activeFocus)
        keyClick(Qt.Key_A, Qt.ControlModifier)
        compare(calcModel.selection, [0, 1, 2])
        keyClick(Qt.Key_Down)
        compare(calcModel.selection, [2])
        keyClick(Qt.Key_Up, Qt.ShiftModifier)
        compare(calcModel.selection, [1, 2])
        keyClick(Qt.Key_Space, Qt.ControlModifier)
        compare(calcModel.selection, [2])
        compare(calcModel.currentIndex, 2)
    }

    // Cancel stops every calculator of a class send: Escape while the shown one still sends (its
    // own progress bar takes it), Escape or the button once the shown one has ended.
    function test_classCancel_data() {
        return [
            { tag: "Escape while the shown one sends", shownDelay: 30, byKey: true },
            { tag: "Escape after the shown one ended", shownDelay: 0, byKey: true },
            { tag: "button after the shown one ended", shownDelay: 0, byKey: false },
        ]
    }

    function test_classCancel(data) {
        var shown = plugCalculator("CLASS-A", {})
        var contactsBefore = contactSpy.count
        var others = [simulator.plug("CLASS-B", {}), simulator.plug("CLASS-C", {})]
        tryCompare(child("calcPanel"), "count", 3, pollTimeout)
        tryVerify(function () { return contactSpy.count >= contactsBefore + 2 }, pollTimeout)
        verify(testTools.activate(win))
        simulator.setReplyDelay(shown, data.shownDelay)
        for (var i = 0; i < others.length; ++i)
            simulator.setReplyDelay(others[i], 30)
        var list = child("calcPanel").listView
        tryVerify(function () { return list.itemAtIndex(2) !== null })
        // All three, the first shown: the last one, then a shift-click back to the first.
        mouseClick(list.itemAtIndex(2))
        mouseClick(list.itemAtIndex(0), 10, 10, Qt.LeftButton, Qt.ShiftModifier)
        compare(calcModel.selection, [0, 1, 2])
        compare(calcModel.currentIndex, 0)

        // Three files of 32 frames each: seconds at 30 ms a frame.
        var dir = testTools.makeTempDir()
        var body = "x".repeat(16000)
        click("sendButton")
        choose("choseFileDialog", [testTools.writeFile(dir + "/C1.BIN", body),
                                   testTools.writeFile(dir + "/C2.BIN", body),
                                   testTools.writeFile(dir + "/C3.BIN", body)])
        tryCompare(calcSession, "classRunning", true, pollTimeout)
        if (data.shownDelay > 0) {
            tryCompare(child("operationProgress"), "active", true, pollTimeout)
        } else {
            tryVerify(function () { return simulator.fileNames(shown).indexOf("C3.BIN") >= 0 }, transferTimeout)
            tryCompare(child("operationProgress"), "active", false, transferTimeout)
            tryCompare(child("classCancelButton"), "visible", true)
        }
        if (data.byKey)
            testTools.keyClick(win, Qt.Key_Escape)
        else
            click("classCancelButton")
        tryCompare(calcSession, "classRunning", false, transferTimeout)
        for (i = 0; i < others.length; ++i)
            compare(simulator.fileNames(others[i]).indexOf("C3.BIN"), -1, "CLASS-" + "BC"[i] + " got every file")
        var summary = data.shownDelay > 0 ? "Sent to 0 of 3 calculators; 3 failed: CLASS-A (Send cancelled: "
                                          : "Sent to 1 of 3 calculators; 2 failed: CLASS-B (Send cancelled: "
        verify(statusText().indexOf(summary) === 0, statusText())
    }

    // The station's bar shows its files and counts while it runs, and its Stop ends it.
    function test_stationBar() {
        plugCalculator("ULVO-BEFORE", { "A.UCB": "1\n" })
        var dir = testTools.makeTempDir()
        var bar = child("stationBar")
        compare(bar.visible, false)
        verify(calcSession.startStation([testTools.writeFile(dir + "/EXAM.UCB", "Disp 9\n")]))
        tryCompare(bar, "visible", true)
        var next = simulator.plug("ULVO-NEW", {})
        tryCompare(calcSession, "stationDone", 1, transferTimeout)
        tryVerify(function () { return simulator.fileNames(next).indexOf("EXAM.UCB") >= 0 })
        compare(child("stationText").text,
                "Sending EXAM.UCB to each calculator plugged in \u2014 1 done, 0 failed")
        compare(simulator.fileNames(0).indexOf("EXAM.UCB"), -1)
        tryCompare(calcSession, "isBusy", false, transferTimeout)
        mouseClick(child("stationStopButton"))
        compare(calcSession.stationActive, false)
        tryCompare(bar, "visible", false)
    }

    // Copy offers the files at once; once the download has ended only those that arrived stay.
    function test_copyKeepsOnlyArrivedFiles_data() {
        return [
            { tag: "second fails", names: ["CLIPA.UCB", "CLIPB.UCB"], failNth: 2, arrived: ["CLIPA.UCB"] },
            { tag: "the only one fails", names: ["CLIPA.UCB"], failNth: 1, arrived: [] },
        ]
    }

    function test_copyKeepsOnlyArrivedFiles(data) {
        var calc = plugCalculator("ULVO-K", { "CLIPA.UCB": "A\n", "CLIPB.UCB": "B\n" })
        verify(simulator.failOn(calc, "GET_FILE", "flash is locked", data.failNth))
        selectRows(data.names.map(rowOf))
        testTools.keyClick(win, Qt.Key_C, Qt.ControlModifier)
        compare(clipboard.getUrls().length, data.names.length)
        tryVerify(function () { return statusText().indexOf("Error: ") === 0 }, transferTimeout, statusText())
        tryCompare(calcSession, "isBusy", false, transferTimeout)

        var urls = clipboard.getUrls()
        compare(urls.length, data.arrived.length)
        for (var i = 0; i < urls.length; ++i)
            verify(String(urls[i]).endsWith("/" + data.arrived[i]), String(urls[i]))
        compare(clipboard.hasUrls(), data.arrived.length > 0)
    }

    function test_copyAndPasteShortcuts() {
        var calc = plugCalculator("ULVO-K", { "CLIPCOPY.UCB": "FROM CALC\n", "DATA.BIN": "12" })
        var dir = testTools.makeTempDir()

        // Copy: the clipboard holds the URLs at once; nothing is asked.
        selectRows([rowOf("CLIPCOPY.UCB")])
        testTools.keyClick(win, Qt.Key_C, Qt.ControlModifier)
        var urls = clipboard.getUrls()
        compare(urls.length, 1)
        verify(String(urls[0]).endsWith("/CLIPCOPY.UCB"), String(urls[0]))
        compare(shown("doYouWantDownloadFile"), false)
        tryVerify(function () { return statusText().indexOf("Files successfully download on path: ") === 0 },
                  transferTimeout, statusText())
        compare(testTools.readFile(urls[0].toString().replace("file://", "")), "FROM CALC\n")
        tryCompare(calcSession, "isBusy", false, transferTimeout) // the operation has ended

        // Copy with nothing selected still replaces the clipboard, with no URLs.
        clipboard.setUrls([testTools.writeFile(dir + "/OTHER.UCB", "x\n")])
        selectRows([])
        calcSession.onStatusChange("")
        testTools.keyClick(win, Qt.Key_C, Qt.ControlModifier)
        compare(clipboard.getUrls().length, 0)
        tryVerify(function () { return statusText().indexOf("Files successfully download on path: ") === 0 },
                  transferTimeout, statusText())
        tryCompare(calcSession, "isBusy", false, transferTimeout)

        // Paste sends the files on the clipboard.
        clipboard.setUrls([testTools.writeFile(dir + "/PASTED.UCB", "Disp 3\n")])
        testTools.keyClick(win, Qt.Key_V, Qt.ControlModifier)
        tryCompare(child("statusLine"), "text", "Files successful sent to calculator", transferTimeout)
        compare(simulator.fileText(calc, "PASTED.UCB"), "Disp 3\n")
    }

    function test_pasteWithoutCalculatorDoesNothing() {
        var dir = testTools.makeTempDir()
        clipboard.setUrls([testTools.writeFile(dir + "/averyverylongprogramname.ucb", "X\n")])
        calcSession.onStatusChange("kept")
        testTools.keyClick(win, Qt.Key_V, Qt.ControlModifier)
        compare(shown("fileNameWasChangeDialog"), false)
        compare(statusText(), "kept")
    }

    function test_sendChain() {
        var calc = plugCalculator("ULVO-S", { "PROG1.UCB": "OLD\n" })
        var dir = testTools.makeTempDir()
        var urls = [testTools.writeFile(dir + "/PROG1.UCB", "NEW\n"),
                    testTools.writeFile(dir + "/averyverylongprogramname.ucb", "Disp 2\n"),
                    testTools.writeFile(dir + "/EMPTY.TXT", "")]
        click("sendButton")
        compare(statusText(), "")
        choose("choseFileDialog", urls)

        var collision = child("doYouWantSendFile")
        tryCompare(collision, "opened", true)
        compare(collision.title, "File collision")
        compare(collision.text, "File PROG1.UCB already exists on your calculator.\nDo you want to replace it?")
        testTools.keyClick(win, Qt.Key_Escape) // like No
        tryCompare(collision, "visible", false)

        var warning = child("fileNameWasChangeDialog")
        tryCompare(warning, "opened", true)
        compare(warning.title, "Warning")
        compare(warning.text, "The file name averyverylongprogramname.ucb exceeds the allowed limit of 14 symbols"
                + " for a file name and 3 symbols for an extension and will be changed to AVERYVERYLONGP.ucb")
        clickButton(warning, Dialog.Ok)

        var empty = child("zeroSizeFileWontBeSent")
        tryCompare(empty, "opened", true)
        compare(empty.title, "Send zero-length file")
        verify(empty.text.indexOf("EMPTY.TXT") >= 0, empty.text)
        clickButton(empty, Dialog.Ok)

        tryCompare(child("statusLine"), "text", "Files successful sent to calculator", transferTimeout)
        tryVerify(function () { return rowOf("AVERYVERYLONGP.ucb") >= 0 }, pollTimeout)
        compare(simulator.fileText(calc, "PROG1.UCB"), "OLD\n")
        compare(simulator.fileText(calc, "AVERYVERYLONGP.ucb"), "Disp 2\n")
        compare(simulator.fileNames(calc).indexOf("EMPTY.TXT"), -1)
    }

    function test_sendCollisionYesReplaces() {
        var calc = plugCalculator("ULVO-Y", { "PROG1.UCB": "OLD\n" })
        var dir = testTools.makeTempDir()
        child("filePanel").urlsDropped([testTools.writeFile(dir + "/PROG1.UCB", "NEW\n")])
        var collision = child("doYouWantSendFile")
        tryCompare(collision, "opened", true)
        clickButton(collision, Dialog.Yes)
        tryCompare(child("statusLine"), "text", "Files successful sent to calculator", transferTimeout)
        compare(simulator.fileText(calc, "PROG1.UCB"), "NEW\n")
    }

    function test_dismissedWarningAbandonsSend() {
        var calc = plugCalculator("ULVO-W", { "KEEP.UCB": "1\n" })
        var dir = testTools.makeTempDir()
        child("filePanel").urlsDropped([testTools.writeFile(dir + "/averyverylongprogramname.ucb", "X\n")])
        var warning = child("fileNameWasChangeDialog")
        tryCompare(warning, "opened", true)
        testTools.keyClick(win, Qt.Key_Escape)
        tryCompare(warning, "visible", false)
        compare(calcSession.isBusy, false)
        compare(statusText(), "")

        // A later send goes through alone: the abandoned file never reaches the calculator.
        child("filePanel").urlsDropped([testTools.writeFile(dir + "/NEXT.UCB", "Y\n")])
        tryCompare(child("statusLine"), "text", "Files successful sent to calculator", transferTimeout)
        compare(simulator.fileText(calc, "NEXT.UCB"), "Y\n")
        compare(simulator.fileNames(calc).indexOf("AVERYVERYLONGP.ucb"), -1)
    }

    function test_sendChooserCancelled() {
        plugCalculator("ULVO-C", { "A.UCB": "1\n" })
        click("sendButton")
        var dialog = child("choseFileDialog")
        tryCompare(dialog, "visible", true)
        dialog.reject()
        compare(statusText(), "Sending files was cancelled")
    }

    function test_downloadChainWithCollision() {
        plugCalculator("ULVO-D", { "PROG1.UCB": "FROM CALC 1\n", "PROG2.UCB": "FROM CALC 2\n" })
        var dir = testTools.makeTempDir()
        testTools.writeFile(dir + "/PROG1.UCB", "ON PC\n")
        selectRows([rowOf("PROG1.UCB"), rowOf("PROG2.UCB")])
        click("downloadButton")
        choose("choseFolderDialog", [testTools.urlOf(dir)])

        var collision = child("doYouWantDownloadFile")
        tryCompare(collision, "opened", true)
        compare(collision.title, "File collision")
        compare(collision.text, "File PROG1.UCB already exists on your PC.\nDo you want to replace it?")
        clickButton(collision, Dialog.No)

        tryVerify(function () { return statusText().indexOf("Files successfully download on path: ") === 0 },
                  transferTimeout, statusText())
        compare(testTools.readFile(dir + "/PROG1.UCB"), "ON PC\n")
        compare(testTools.readFile(dir + "/PROG2.UCB"), "FROM CALC 2\n")
        compare(table().selection.count, 2) // a download keeps the selection
    }

    function test_downloadFolderChooserCancelled() {
        plugCalculator("ULVO-E", { "A.UCB": "1\n" })
        selectRows([0])
        click("downloadButton")
        var dialog = child("choseFolderDialog")
        tryCompare(dialog, "visible", true)
        dialog.reject()
        compare(statusText(), "Downloading files was cancelled")
    }

    function test_deleteThreeSelectedFiles() {
        var calc = plugCalculator("ULVO-X", { "A.UCB": "1\n", "B.UCB": "2\n", "C.UCB": "3\n", "D.UCB": "4\n" })
        selectRows([rowOf("A.UCB"), rowOf("B.UCB"), rowOf("D.UCB")])
        calcSession.onStatusChange("old status")
        testTools.keyClick(win, Qt.Key_Delete)
        var question = child("doYouWantDeleteItDialog")
        tryCompare(question, "opened", true)
        compare(statusText(), "")
        compare(question.title, "Deleting")
        compare(question.text, "Do you want to delete next files:\nA.UCB\nB.UCB\nD.UCB?")
        simulator.setReplyDelay(calc, 100)
        clickButton(question, Dialog.Yes)
        compare(table().selection.count, 0)
        // A delete reports no progress: the busy indicator turns instead.
        var busy = child("busyIndicator")
        tryCompare(busy, "visible", true, transferTimeout)
        var spinner = busy
        tryCompare(spinner, "running", true)
        tryCompare(table(), "rowCount", 1, transferTimeout)
        compare(simulator.fileNames(calc), ["C.UCB"])
        // The list may be refreshed a moment before the session reports that it is no longer busy.
        tryCompare(busy, "visible", false)
        compare(spinner.running, false)
    }

    function test_rightClickKeepsSelectionAndCurrentRow() {
        plugCalculator("ULVO-M", { "A.UCB": "1\n", "B.UCB": "2\n", "C.UCB": "3\n" })
        var t = table()
        selectRows([0])
        t.currentRow = 0
        verify(findChild(win, "tableViewContextMenu") === null, "the menu is created on first use")
        mouseClick(child("filePanel"), 60, 24 + 2 * 20 + 10, Qt.RightButton) // on the third row
        var menu = child("tableViewContextMenu")
        tryCompare(menu, "opened", true)
        compare(t.selection.count, 1)
        verify(t.selection.contains(0))
        compare(t.currentRow, 0)

        child("contextDelete").triggered()
        menu.close()
        var question = child("doYouWantDeleteItDialog")
        tryCompare(question, "opened", true)
        compare(question.text, "Do you want to delete next files:\n" + fileModel.getName(0) + "?")
        clickButton(question, Dialog.No)
        compare(t.selection.count, 1)
    }

    function test_editOpensCurrentRowAlone_data() {
        return [
            { tag: "tool button", via: "button" },
            { tag: "context menu", via: "menu" },
        ]
    }

    function test_editOpensCurrentRowAlone(data) {
        plugCalculator("ULVO-H", { "PRG1.UCB": "Disp 1", "PRG2.UCB": "Disp 2", "DATA.BIN": "12" })
        var t = table()
        selectRows([rowOf("PRG1.UCB"), rowOf("DATA.BIN")])
        t.currentRow = rowOf("PRG2.UCB")
        if (data.via === "button")
            click("editButton")
        else {
            openContextMenu()
            child("contextEdit").triggered()
        }
        var editor = createdChild("editor", transferTimeout)
        tryCompare(editor, "visible", true)
        compare(editor.fileName, "PRG2.UCB")
        compare(t.selection.count, 1)
        verify(t.selection.contains(rowOf("PRG2.UCB")))
        editor.textModified = false
        editor.close()
        tryCompare(editor, "visible", false)
    }

    function test_restoreStartsOnChoice() {
        var calc = plugCalculator("ULVO-I", { "A.UCB": "1\n" })
        var dir = testTools.makeTempDir()
        click("createBackupButton")
        tryCompare(createdChild("backupSaveDialog", transferTimeout), "visible", true, transferTimeout)
        choose("backupSaveDialog", [testTools.urlOf(dir + "/saved.ubk")])
        tryCompare(calcSession, "isBusy", false, transferTimeout)
        verify(testTools.exists(dir + "/saved.ubk"))

        click("restoreBackupButton")
        choose("chooseBackupDialog", [testTools.urlOf(dir + "/saved.ubk")])
        // The end text names the safety copy taken before the calculator was erased.
        tryVerify(function () {
            return child("statusLine").text.indexOf(
                        "Backup successfully sent to calculator; safety copy saved on the path: ") === 0
        }, transferTimeout, child("statusLine").text)
        compare(simulator.fileText(calc, "A.UCB"), "1\n")
    }

    // The copy kept before a delete is listed newest first and sent back to the calculator it came
    // from through the ordinary send: only the deleted files return.
    function test_safetyCopiesUndoDelete() {
        var calc = plugCalculator("ULVO-U", { "A.UCB": "1\n", "B.UCB": "2\n", "C.UCB": "3\n" })
        selectRows([rowOf("A.UCB"), rowOf("C.UCB")])
        testTools.keyClick(win, Qt.Key_Delete)
        var question = child("doYouWantDeleteItDialog")
        tryCompare(question, "opened", true)
        clickButton(question, Dialog.Yes)
        tryVerify(function () {
            return statusText().indexOf("Files successfully deleted; safety copy saved on the path: ") === 0
        }, transferTimeout, statusText())
        compare(simulator.fileNames(calc), ["B.UCB"])

        chooseMenuItem("safetyCopiesItem")
        var dialog = createdChild("safetyCopiesDialog")
        tryCompare(dialog, "opened", true)
        var newest = dialog.current
        compare(newest.calculator, "ULVO_U")
        compare(newest.kind, "before delete")
        compare(newest.files, 2)
        verify(statusText().indexOf(newest.path) > 0)
        verify(child("sendToOriginButton").enabled)
        click("sendToOriginButton")
        tryCompare(dialog, "visible", false)
        tryCompare(child("statusLine"), "text", "Files successful sent to calculator", transferTimeout)
        compare(simulator.fileText(calc, "A.UCB"), "1\n")
        compare(simulator.fileText(calc, "C.UCB"), "3\n")
        compare(simulator.receivedCount(calc, "SEND_FILE"), 2)
    }

    // A copy taken before a restore goes back whole, and only after the restore question.
    function test_safetyCopyOfRestoreAsksFirst() {
        var calc = plugCalculator("ULVO-Q", { "OLD.UCB": "1\n" })
        var dir = testTools.makeTempDir()
        click("createBackupButton")
        tryCompare(createdChild("backupSaveDialog", transferTimeout), "visible", true, transferTimeout)
        choose("backupSaveDialog", [testTools.urlOf(dir + "/saved.ubk")])
        tryCompare(calcSession, "isBusy", false, transferTimeout)
        child("filePanel").urlsDropped([testTools.writeFile(dir + "/NEW.UCB", "2\n")])
        tryCompare(child("statusLine"), "text", "Files successful sent to calculator", transferTimeout)
        click("restoreBackupButton")
        choose("chooseBackupDialog", [testTools.urlOf(dir + "/saved.ubk")])
        tryVerify(function () { return statusText().indexOf("Backup successfully sent to calculator;") === 0 },
                  transferTimeout, statusText())
        compare(simulator.fileNames(calc), ["OLD.UCB"])

        chooseMenuItem("safetyCopiesItem")
        var dialog = createdChild("safetyCopiesDialog")
        tryCompare(dialog, "opened", true)
        compare(dialog.current.kind, "before restore")
        click("sendToOriginButton")
        var question = createdChild("restoreCopyQuestion")
        tryCompare(question, "opened", true)
        verify(question.text.indexOf("Every file on the calculator ULVO-Q is erased first.") > 0, question.text)
        clickButton(question, Dialog.No)
        tryCompare(question, "visible", false)
        compare(calcSession.isBusy, false)
        compare(simulator.fileNames(calc), ["OLD.UCB"])

        chooseMenuItem("safetyCopiesItem")
        tryCompare(dialog, "opened", true)
        click("sendToOriginButton")
        tryCompare(question, "opened", true)
        clickButton(question, Dialog.Yes)
        tryVerify(function () { return statusText().indexOf("Backup successfully sent to calculator;") === 0
                                       && simulator.fileNames(calc).length === 2 }, transferTimeout, statusText())
        compare(simulator.fileText(calc, "NEW.UCB"), "2\n")
    }

    // Chosen entries of a backup go to the calculator with the send flow's questions; nothing is
    // erased.
    function test_sendFromBackupAsksAboutCollision() {
        var calc = plugCalculator("ULVO-F", { "P.UCB": "1\n", "Q.UCB": "2\n" })
        var dir = testTools.makeTempDir()
        click("createBackupButton")
        tryCompare(createdChild("backupSaveDialog", transferTimeout), "visible", true, transferTimeout)
        choose("backupSaveDialog", [testTools.urlOf(dir + "/term.ubk")])
        tryCompare(calcSession, "isBusy", false, transferTimeout)
        calcSession.addSelected(rowOf("Q.UCB"))
        calcSession.deleteSelectedFiles()
        tryCompare(table(), "rowCount", 1, transferTimeout)
        tryCompare(calcSession, "isBusy", false, transferTimeout)

        chooseMenuItem("sendFromBackupItem")
        choose("sendFromBackupChooser", [testTools.urlOf(dir + "/term.ubk")])
        var entries = createdChild("backupEntriesDialog")
        tryCompare(entries, "opened", true)
        compare(entries.names, ["P.UCB", "Q.UCB"])
        click("sendEntriesButton")
        var collision = createdChild("doYouWantSendFile")
        tryCompare(collision, "opened", true)
        compare(collision.text, "File P.UCB already exists on your calculator.\nDo you want to replace it?")
        clickButton(collision, Dialog.No)
        tryCompare(child("statusLine"), "text", "Files successful sent to calculator", transferTimeout)
        compare(simulator.fileText(calc, "Q.UCB"), "2\n")
        compare(simulator.receivedCount(calc, "SEND_FILE"), 1)
        compare(simulator.receivedCount(calc, "CLEAR_FILESYSTEM"), 0)
    }

    // The pointer stays on the tool button that started an operation: disabled, the button must
    // not look hovered or pressed, nor show its tip.
    function test_clickedToolButtonLooksDisabledWhileBusy() {
        var calc = plugCalculator("ULVO-H", { "A.UCB": "1\n" })
        simulator.setMaxChunkSize(calc, 64)
        simulator.setReplyDelay(calc, 5)
        var dir = testTools.makeTempDir()
        var url = testTools.writeFile(dir + "/BIG.BIN", "x".repeat(60000))
        var button = child("sendButton")
        mouseMove(button, button.width / 2, button.height / 2)
        tryCompare(button, "hovered", true)
        mouseClick(button)
        choose("choseFileDialog", [url])
        tryCompare(calcSession, "isBusy", true, transferTimeout)
        compare(button.background.color, Qt.rgba(0, 0, 0, 0))
        verify(button.ToolTip.toolTip === null || !button.ToolTip.visible)
        tryCompare(calcSession, "isBusy", false, 60000)
    }

    function test_deleteKeyWithoutSelectionDoesNothing() {
        plugCalculator("ULVO-Z", { "A.UCB": "1\n" })
        calcSession.onStatusChange("kept")
        testTools.keyClick(win, Qt.Key_Delete)
        compare(shown("doYouWantDeleteItDialog"), false)
        compare(statusText(), "kept")
    }

    function test_deviceNameDialog() {
        var calc = plugCalculator("ULVO-N", { "A.UCB": "1\n" })
        chooseMenuItem("changeNameItem")
        var dialog = child("changeNameDialog")
        tryCompare(dialog, "opened", true)
        var field = dialog.newNameField
        compare(field.text, "ULVO-N")
        compare(field.selectedText, "ULVO-N")
        verify(field.activeFocus)
        compare(field.maximumLength, 16)

        testTools.keyClicks(win, "ABCDEFGHIJKLMNOPQ") // 17 characters replace the selection
        compare(field.text, "ABCDEFGHIJKLMNOP")

        field.selectAll()
        testTools.keyClick(win, Qt.Key_Backspace)
        compare(field.text, "")
        testTools.keyClick(win, Qt.Key_Return) // empty: closes without renaming
        tryCompare(dialog, "visible", false)

        chooseMenuItem("changeNameItem")
        tryCompare(dialog, "opened", true)
        testTools.keyClicks(win, "RENAMED")
        testTools.keyClick(win, Qt.Key_Return)
        tryCompare(dialog, "visible", false)
        tryCompare(calcModel, "currentIndex", 0)
        tryVerify(function () { return calcModel.getName() === "RENAMED" }, transferTimeout)
        compare(simulator.name(calc), "RENAMED")
        compare(simulator.receivedCount(calc, "CHANGE_NAME"), 1)
    }

    function test_backupSavedWithExtensionAppended() {
        plugCalculator("ULVO-B", { "A.UCB": "1\n", "B.BIN": "22" })
        var dir = testTools.makeTempDir()
        click("createBackupButton")
        var dialog = createdChild("backupSaveDialog", transferTimeout)
        tryCompare(dialog, "visible", true, transferTimeout)
        var temporary = win.backupFile
        verify(testTools.exists(temporary), temporary)
        choose("backupSaveDialog", [testTools.urlOf(dir + "/mybackup")])
        compare(statusText(), "Backup saved on the path: " + dir + "/mybackup.ubk")
        verify(testTools.exists(dir + "/mybackup.ubk"))
        verify(!testTools.exists(temporary))
    }

    // A backup that cannot be moved where the user chose is kept, and the status says where.
    function test_backupSaveFailureKeepsArchive() {
        plugCalculator("ULVO-K", { "A.UCB": "1\n" })
        var dir = testTools.makeTempDir()
        click("createBackupButton")
        var dialog = createdChild("backupSaveDialog", transferTimeout)
        tryCompare(dialog, "visible", true, transferTimeout)
        var temporary = win.backupFile
        choose("backupSaveDialog", [testTools.urlOf(dir + "/missing/mybackup")])
        compare(statusText(), "Error: Can't save backup on the path: " + dir + "/missing/mybackup.ubk"
                + " (the backup stays in " + temporary + ")")
        verify(testTools.exists(temporary), temporary)
        calcSession.removeFile(temporary)
    }

    function test_backupWithoutFileNameRefused() {
        plugCalculator("ULVO-F", { "A.UCB": "1\n" })
        var dir = testTools.makeTempDir()
        click("createBackupButton")
        var dialog = createdChild("backupSaveDialog", transferTimeout)
        tryCompare(dialog, "visible", true, transferTimeout)
        var temporary = win.backupFile
        choose("backupSaveDialog", [testTools.urlOf(dir + "/")])
        compare(statusText(), "Empty file name")
        compare(testTools.entries(dir), [])
        verify(!testTools.exists(temporary))
    }

    function test_backupSaveCancelledRemovesArchive() {
        plugCalculator("ULVO-G", { "A.UCB": "1\n" })
        click("createBackupButton")
        var dialog = createdChild("backupSaveDialog", transferTimeout)
        tryCompare(dialog, "visible", true, transferTimeout)
        var temporary = win.backupFile
        dialog.reject()
        verify(!testTools.exists(temporary))
    }

    function test_restoreCancelled() {
        plugCalculator("ULVO-R", { "A.UCB": "1\n" })
        click("restoreBackupButton")
        var dialog = child("chooseBackupDialog")
        tryCompare(dialog, "visible", true)
        dialog.reject()
        compare(statusText(), "Sending backup files was cancelled")
    }

    function test_errorBox() {
        calcSession.onErrorChange("first failure")
        var box = child("errorMessageDialog")
        tryCompare(box, "opened", true)
        compare(box.title, "Error")
        compare(box.text, "first failure")
        calcSession.onErrorChange("second failure")
        compare(box.visible, true)
        compare(box.text, "second failure")
        clickButton(box, Dialog.Ok)
        tryCompare(box, "visible", false)
        compare(calcSession.error, "")
        calcSession.onErrorChange("third failure")
        tryCompare(box, "opened", true)
        compare(box.text, "third failure")
        box.close()
        compare(calcSession.error, "")
    }

    function test_operationErrorOpensErrorBox() {
        var calc = plugCalculator("ULVO-O", { "A.UCB": "1\n" })
        verify(simulator.failOn(calc, "DELETE_FILE", "flash is locked"))
        selectRows([0])
        click("removeButton")
        var question = child("doYouWantDeleteItDialog")
        tryCompare(question, "opened", true)
        clickButton(question, Dialog.Yes)
        var box = createdChild("errorMessageDialog", transferTimeout)
        tryCompare(box, "opened", true, transferTimeout)
        verify(box.text.indexOf("flash is locked") >= 0, box.text)
        tryVerify(function () { return statusText().indexOf("Error: ") === 0 }, transferTimeout)
    }

    // The editor shows what the main window reports in its status line.
    function editorStatus(editor) {
        return findChild(editor, "statusLine").text
    }

    function test_editorSendStatusFollowsOutcome() {
        var calc = plugCalculator("ULVO-T", { "A.UCB": "1\n" })
        var editor = editorWindow()
        editor.sendFile("PRG1.ucb", "Disp 1")
        tryCompare(findChild(editor, "statusLine"), "text", "File successfully sent to the device",
                   transferTimeout)
        compare(simulator.fileText(calc, "PRG1.ucb"), "Disp 1\n")

        verify(simulator.failOn(calc, "SEND_FILE", "memory full"))
        editor.textModified = false
        editor.sendFile("PRG2.ucb", "Disp 2")
        tryVerify(function () { return editorStatus(editor).indexOf("File was not sent: ") === 0 },
                  transferTimeout, editorStatus(editor))
        verify(calcSession.error.indexOf("memory full") >= 0, calcSession.error)
        verify(editor.textModified, "unsent text must still count as modified")
        editor.textModified = false
    }

    // The context menu's "New" stays usable while the calculator works on a transfer; a send
    // from the editor is then refused, and must not be reported as sent.
    function test_editorSendRefusedWhileCalculatorBusy() {
        var calc = plugCalculator("ULVO-U", { "BIG.BIN": "x".repeat(60000) })
        simulator.setMaxChunkSize(calc, 64)
        simulator.setReplyDelay(calc, 5)
        selectRows([0])
        testTools.keyClick(win, Qt.Key_C, Qt.ControlModifier) // download into the temporary folder
        tryCompare(calcSession, "isBusy", true, transferTimeout)

        var editor = editorWindow()
        editor.textModified = false
        editor.sendFile("PRG1.ucb", "Disp 1")
        verify(editorStatus(editor) !== "File successfully sent to the device", editorStatus(editor))
        compare(editorStatus(editor), statusText())
        verify(editor.textModified, "unsent text must still count as modified")
        editor.textModified = false

        tryCompare(calcSession, "isBusy", false, 60000)
        compare(simulator.fileNames(calc).indexOf("PRG1.ucb"), -1)
    }

    function test_editorSendWithoutCalculator() {
        var editor = editorWindow()
        editor.textModified = false
        editor.sendFile("PRG1.ucb", "Disp 1")
        compare(editorStatus(editor), "Calculator is not connected")
        compare(statusText(), "No calculator is connected")
        verify(editor.textModified, "unsent text must still count as modified")
    }

    // Closing after a save or send that failed must still ask: the text is kept nowhere else.
    function test_editorSaveOutcomeKeepsModifiedFlag() {
        var editor = editorWindow()
        var dir = testTools.makeTempDir()
        editor.textModified = false
        editor.saveFile(dir + "/PRG1.ucb", "Disp 1")
        compare(editorStatus(editor), "File successfully saved")
        verify(!editor.textModified)
        compare(testTools.readFile(dir + "/PRG1.ucb"), "Disp 1\n")

        editor.saveFile(dir + "/no-such-folder/PRG1.ucb", "Disp 2")
        compare(editorStatus(editor), "Error: Can't save file: " + dir + "/no-such-folder/PRG1.ucb")
        verify(editor.textModified)
        editor.textModified = false
    }

    function test_busyDisablesToolBarListsAndTableOnly() {
        var calc = plugCalculator("ULVO-L", { "BIG.BIN": "x".repeat(60000), "A.UCB": "1\n" })
        simulator.setMaxChunkSize(calc, 64)
        simulator.setReplyDelay(calc, 5)
        selectRows([rowOf("BIG.BIN")])
        testTools.keyClick(win, Qt.Key_C, Qt.ControlModifier) // download into the temporary folder
        tryCompare(calcSession, "isBusy", true, transferTimeout)

        compare(child("toolBar").enabled, false)
        compare(child("menuButton").enabled, false)
        compare(child("calcPanel").listView.enabled, false)
        compare(table().enabled, false)
        // A download reports its progress: a bar instead of the spinner, the lists greyed out.
        tryCompare(child("operationProgress"), "visible", true, transferTimeout)
        compare(child("busyIndicator").visible, false)
        verify(child("calcPanel").listView.opacity < 1)
        verify(table().opacity < 1)
        compare(child("contextMenuArea").enabled, true)
        compare(child("fileDropArea").enabled, true)

        // The context menu and the shortcuts still act.
        mouseClick(child("filePanel"), 50, 50, Qt.RightButton)
        tryCompare(child("tableViewContextMenu"), "opened", true)
        child("tableViewContextMenu").close()
        testTools.keyClick(win, Qt.Key_Delete)
        var question = child("doYouWantDeleteItDialog")
        tryCompare(question, "opened", true)
        clickButton(question, Dialog.No)

        tryCompare(calcSession, "isBusy", false, 60000)
        compare(child("toolBar").enabled, true)
        compare(table().enabled, true)
        compare(child("busyIndicator").visible, false)
    }

    // With the pointer resting on the menu button its tip shows, until the menu opens: the tip
    // would cover the menu's first item.
    function test_menuTipHidesWhenMenuOpens() {
        var button = child("menuButton")
        mouseMove(button, button.width / 2, button.height / 2)
        tryCompare(button, "hovered", true)
        tryCompare(button.ToolTip.toolTip, "visible", true, 3000)
        compare(button.ToolTip.text, "Menu")
        mouseClick(button)
        tryCompare(createdChild("optionsMenu"), "opened", true)
        tryCompare(button.ToolTip.toolTip, "visible", false)
        child("optionsMenu").close()
        tryCompare(child("optionsMenu"), "visible", false)
    }

    function test_aboutBox() {
        chooseMenuItem("aboutItem")
        var about = child("aboutDialog")
        tryCompare(about, "opened", true)
        compare(about.title, "About")
        compare(about.width, Math.max(300, Math.floor(Math.min(win.width, win.height) * 2 / 3)))
        compare(about.aboutText.text, calcSession.getInfo())
        about.aboutText.selectAll()
        testTools.keyClick(win, Qt.Key_Escape)
        tryCompare(about, "visible", false)
        compare(about.aboutText.selectedText, "")
    }

    // --- The keyboard alone ---

    // Where the focus is must show: each item that can take it frames itself.
    function focusShown(item) {
        switch (item.objectName) {
        case "fileListView": return child("calcListFocusFrame").visible
        case "tableView": return child("fileTableFocusFrame").visible
        }
        // The tool buttons.
        return item.activeFocus === true && item.background.border.width > 0
    }

    // The control that holds the focus: a list passes it on to its current row.
    function focusStop(item) {
        while (item && ["fileListView", "tableView"].indexOf(item.objectName) < 0
               && !/Button$/.test(item.objectName))
            item = item.parent
        return item
    }

    // Presses Tab (Shift+Tab backwards) until the named item has the focus, checking at each
    // stop that the focus shows; returns the names of the items passed on the way.
    function tabTo(name, backwards) {
        var target = child(name)
        var passed = []
        for (var i = 0; i < 30 && !target.activeFocus; ++i) {
            testTools.keyClick(win, Qt.Key_Tab, backwards ? Qt.ShiftModifier : Qt.NoModifier)
            var item = focusStop(win.activeFocusItem)
            verify(item !== null, "Tab left the focus nowhere after " + passed)
            verify(focusShown(item), "the focus does not show on '" + item.objectName + "' " + item)
            passed.push(item.objectName)
        }
        verify(target.activeFocus, "Tab never reached " + name + "; passed " + passed)
        return passed
    }

    function test_keysOnly() {
        plugCalculator("ULVO-KEYS", { "A.UCB": "1\n", "B.UCB": "22\n", "C.UCB": "333\n" })
        var passed = tabTo("tableView")
        verify(passed.indexOf("menuButton") >= 0 && passed.indexOf("fileListView") >= 0, passed)

        // Two files, selected by the arrows, copied by Ctrl+C.
        testTools.keyClick(win, Qt.Key_Down)
        testTools.keyClick(win, Qt.Key_Down, Qt.ShiftModifier)
        compare(child("filePanel").selectedRows(), [0, 1])
        testTools.keyClick(win, Qt.Key_C, Qt.ControlModifier)
        var urls = clipboard.getUrls().map(String)
        compare(urls.length, 2)
        verify(urls[0].endsWith("/" + fileModel.getName(0)), urls)
        verify(urls[1].endsWith("/" + fileModel.getName(1)), urls)
        tryVerify(function () { return statusText().indexOf("Files successfully download on path: ") === 0 },
                  transferTimeout, statusText())
        tryCompare(calcSession, "isBusy", false, transferTimeout)
        // The table was disabled while busy; the focus comes back to it.
        tryCompare(table(), "activeFocus", true)

        // The context menu opens under the current row, and Escape gives the focus back.
        var rowBottom = findChild(table(), "fileRow1").mapToItem(null, 0, 20).y
        var openers = [[Qt.Key_F10, Qt.ShiftModifier], [Qt.Key_Menu, Qt.NoModifier]]
        for (var i = 0; i < openers.length; ++i) {
            testTools.keyClick(win, openers[i][0], openers[i][1])
            var menu = createdChild("tableViewContextMenu")
            tryCompare(menu, "opened", true)
            var menuTop = menu.parent.mapToItem(null, menu.x, menu.y).y
            verify(Math.abs(menuTop - rowBottom) <= 1, "menu at " + menuTop + ", row ends at " + rowBottom)
            testTools.keyClick(win, Qt.Key_Escape)
            tryCompare(menu, "visible", false)
            tryCompare(table(), "activeFocus", true)
        }
        compare(child("filePanel").selectedRows(), [0, 1])

        // Back to the download button, pressed by Space: it asks for a folder.
        tabTo("downloadButton")
        testTools.keyClick(win, Qt.Key_Space)
        var chooser = createdChild("choseFolderDialog")
        tryCompare(chooser, "visible", true)
        chooser.reject()
    }

    function test_keysMoveThroughCalculatorsAndBack() {
        plugCalculator("ULVO-K1", { "ONE.UCB": "1\n" })
        simulator.plug("ULVO-K2", { "TWO.UCB": "2\n", "THREE.UCB": "3\n" })
        tryCompare(child("calcPanel"), "count", 2, pollTimeout)
        verify(testTools.activate(win))
        tabTo("tableView")
        tabTo("fileListView", true)
        testTools.keyClick(win, Qt.Key_Down)
        compare(calcModel.currentIndex, 1)
        tryCompare(table(), "rowCount", 2, pollTimeout)
        testTools.keyClick(win, Qt.Key_Down) // stays on the last
        compare(calcModel.currentIndex, 1)
        testTools.keyClick(win, Qt.Key_Up)
        compare(calcModel.currentIndex, 0)
        tryCompare(table(), "rowCount", 1, pollTimeout)
    }

    // The options menu is opened by Space or Enter on its button, walked by the arrows, and
    // closed by Escape, as are the dialogs its items open.
    function test_optionsMenuByKeys_data() {
        return [ { tag: "space", key: Qt.Key_Space }, { tag: "enter", key: Qt.Key_Return } ]
    }

    function test_optionsMenuByKeys(data) {
        tabTo("menuButton")
        testTools.keyClick(win, data.key)
        var menu = createdChild("optionsMenu")
        tryCompare(menu, "opened", true)
        testTools.keyClick(win, Qt.Key_Escape)
        tryCompare(menu, "visible", false)
        // The focus goes back to the button, as it does from any desktop menu.
        tryCompare(child("menuButton"), "activeFocus", true)
        verify(focusShown(child("menuButton")))

        testTools.keyClick(win, data.key)
        tryCompare(menu, "opened", true)
        testTools.keyClick(win, Qt.Key_Down)
        testTools.keyClick(win, data.key)
        var about = createdChild("aboutDialog")
        tryCompare(about, "opened", true)
        testTools.keyClick(win, Qt.Key_Escape)
        tryCompare(about, "visible", false)
    }
}
