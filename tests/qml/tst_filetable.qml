import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The file table on its own, over a list model of a few files: selection by mouse and keyboard,
// the selection while the model changes, and the geometry the window tests click by.
Item {
    id: host
    width: 500
    height: 300

    // The main window's own palette: the table is checked in the colours it is shown in.
    readonly property var mainWindow: Qt.createComponent("qrc:/qml/main").createObject(null, { visible: false })
    readonly property QtObject colors: mainWindow.colors
    Component.onDestruction: mainWindow.destroy()

    ListModel { id: files }
    ListModel { id: otherFiles; ListElement { nameRole: "OTHER.UCB"; sizeRole: 1 } }

    FileTable {
        id: table
        width: 400
        height: 200 // a header and eight and three quarter rows
        colors: host.colors
        model: files
    }

    // Takes the focus away from the table, as another control of the window would.
    Item { id: elsewhere; y: 250; width: 10; height: 10; activeFocusOnTab: true }

    TestCase {
        id: testCase
        name: "FileTable"
        when: windowShown

        // The window's shortcuts must still fire while the table has the focus.
        property int deleteShortcuts: 0
        property int copyShortcuts: 0
        Shortcut { sequences: [StandardKey.Delete]; onActivated: ++testCase.deleteShortcuts }
        Shortcut { sequences: [StandardKey.Copy]; onActivated: ++testCase.copyShortcuts }

        SignalSpy { id: doubleClickSpy; target: table; signalName: "doubleClicked" }
        SignalSpy { id: changeSpy; target: table.selection; signalName: "selectionChanged" }

        readonly property int headerHeight: 24
        readonly property int rowHeight: 20

        function fill(count) {
            files.clear()
            for (var i = 0; i < count; ++i)
                files.append({ nameRole: "FILE" + i + ".UCB", sizeRole: 100 + i })
            tryCompare(table, "rowCount", count)
            table.positionViewAtRow(0, ListView.Beginning)
        }

        function init() {
            table.model = files
            fill(12)
            table.selection.clear()
            table.currentRow = -1
            table.selectionFocused = Qt.binding(function () { return table.activeFocus })
            elsewhere.forceActiveFocus()
            doubleClickSpy.clear()
            changeSpy.clear()
            deleteShortcuts = 0
            copyShortcuts = 0
        }

        function selectedRows() {
            var rows = []
            table.selection.forEach(function (row) { rows.push(row) })
            return rows
        }

        function yOfRow(row) {
            return headerHeight + row * rowHeight + rowHeight / 2
        }

        function modifiersOf(step) {
            return (step.ctrl ? Qt.ControlModifier : Qt.NoModifier) | (step.shift ? Qt.ShiftModifier : Qt.NoModifier)
        }

        // A row fully in view.
        function rowVisible(row) {
            for (var y = headerHeight; y + rowHeight <= table.height - 1; ++y) {
                if (table.rowAt(60, y) === row && table.rowAt(60, y + rowHeight - 1) === row)
                    return true
            }
            return false
        }

        // Steps: { row, ctrl, shift } clicks a row; double: true double-clicks it; below: true clicks
        // under the last row; header: true clicks the header; drag: [from, to] drags over rows.
        function test_mouse_data() {
            return [
                { tag: "click selects only that row", steps: [{ row: 2 }, { row: 5 }], selected: [5], current: 5 },
                { tag: "ctrl+click toggles", steps: [{ row: 2 }, { row: 5, ctrl: true }, { row: 2, ctrl: true }],
                  selected: [5], current: 2 },
                { tag: "shift+click selects from the anchor", steps: [{ row: 2 }, { row: 5, shift: true }],
                  selected: [2, 3, 4, 5], current: 5 },
                { tag: "shift+click upwards", steps: [{ row: 5 }, { row: 2, shift: true }],
                  selected: [2, 3, 4, 5], current: 2 },
                { tag: "shift+click adds to the selection", steps: [{ row: 1 }, { row: 3, ctrl: true }, { row: 6, shift: true }],
                  selected: [1, 3, 4, 5, 6], current: 6 },
                { tag: "shift+click after ctrl+click that deselected",
                  steps: [{ row: 2 }, { row: 5, shift: true }, { row: 4, ctrl: true }, { row: 1, shift: true }],
                  selected: [1, 2, 3, 4, 5], current: 1 },
                { tag: "shift+click without a current row starts at the top", steps: [{ row: 3, shift: true }],
                  selected: [0, 1, 2, 3], current: 3 },
                { tag: "click below the last row changes nothing", steps: [{ row: 2 }, { row: 3, ctrl: true }, { below: true }],
                  selected: [2, 3], current: 3 },
                { tag: "click on the header changes nothing", steps: [{ row: 4 }, { header: true }], selected: [4], current: 4 },
                { tag: "double click selects as a click and reports the row", steps: [{ row: 1 }, { row: 3, ctrl: true }, { row: 5, double: true }],
                  selected: [5], current: 5, doubleClicked: 5 },
                { tag: "ctrl+double click leaves the selection as it was", steps: [{ row: 1 }, { row: 3, ctrl: true }, { row: 6, ctrl: true, double: true }],
                  selected: [1, 3], current: 6, doubleClicked: 6 },
                { tag: "drag selects the rows passed", steps: [{ row: 1 }, { drag: [2, 5] }], selected: [2, 3, 4, 5], current: 5 },
                { tag: "drag from a ctrl+deselected row deselects", steps: [{ row: 1 }, { row: 5, shift: true }, { drag: [3, 4], ctrl: true }],
                  selected: [1, 2, 5], current: 4 },
            ]
        }

        function test_mouse(data) {
            fill(8) // room below the rows
            table.currentRow = -1
            for (var i = 0; i < data.steps.length; ++i) {
                var step = data.steps[i]
                if (step.below)
                    mouseClick(table, 60, headerHeight + files.count * rowHeight + 5)
                else if (step.header)
                    mouseClick(table, 60, headerHeight / 2)
                else if (step.double)
                    mouseDoubleClickSequence(table, 60, yOfRow(step.row), Qt.LeftButton, modifiersOf(step))
                else if (step.drag) {
                    mousePress(table, 60, yOfRow(step.drag[0]), Qt.LeftButton, modifiersOf(step))
                    for (var row = step.drag[0]; row !== step.drag[1]; row += step.drag[1] > row ? 1 : -1)
                        mouseMove(table, 60, yOfRow(row) + (step.drag[1] > row ? rowHeight : -rowHeight), -1, Qt.LeftButton)
                    mouseRelease(table, 60, yOfRow(step.drag[1]), Qt.LeftButton, modifiersOf(step))
                } else
                    mouseClick(table, 60, yOfRow(step.row), Qt.LeftButton, modifiersOf(step))
            }
            compare(selectedRows(), data.selected)
            compare(table.selection.count, data.selected.length)
            compare(table.currentRow, data.current)
            verify(table.activeFocus, "a click gives the table the focus")
            compare(doubleClickSpy.count, data.doubleClicked === undefined ? 0 : 1)
            if (data.doubleClicked !== undefined)
                compare(doubleClickSpy.signalArguments[0][0], data.doubleClicked)
        }

        // Each case starts with row 3 of twenty clicked, eight rows in view. Steps: { key, ctrl, shift } clicks a key; hold and
        // release press and release Shift around the steps between them.
        function test_keyboard_data() {
            var last = 19
            function rows(first, last) {
                var result = []
                for (var row = first; row <= last; ++row)
                    result.push(row)
                return result
            }
            return [
                { tag: "down", steps: [{ key: Qt.Key_Down }], selected: [4], current: 4 },
                { tag: "up", steps: [{ key: Qt.Key_Up }], selected: [2], current: 2 },
                { tag: "shift+down", steps: [{ key: Qt.Key_Down, shift: true }], selected: [3, 4], current: 4 },
                { tag: "shift held over three moves",
                  steps: [{ hold: true }, { key: Qt.Key_Down, shift: true }, { key: Qt.Key_Down, shift: true },
                          { key: Qt.Key_Up, shift: true }, { key: Qt.Key_Up, shift: true }, { key: Qt.Key_Up, shift: true }, { release: true }],
                  selected: [2, 3], current: 2 },
                { tag: "shift+down replaces a ctrl+click selection",
                  steps: [{ row: 8, ctrl: true }, { key: Qt.Key_Down, shift: true }], selected: [8, 9], current: 9 },
                { tag: "ctrl+down moves the current row only", steps: [{ key: Qt.Key_Down, ctrl: true }, { key: Qt.Key_Down, ctrl: true }],
                  selected: [3], current: 5 },
                { tag: "shift extends from where ctrl moved", steps: [{ key: Qt.Key_Down, ctrl: true }, { key: Qt.Key_Down, shift: true }],
                  selected: [4, 5], current: 5 },
                { tag: "home", steps: [{ key: Qt.Key_Home }], selected: [0], current: 0 },
                { tag: "end", steps: [{ key: Qt.Key_End }], selected: [last], current: last },
                { tag: "shift+end", steps: [{ key: Qt.Key_End, shift: true }], selected: rows(3, last), current: last },
                { tag: "shift+home", steps: [{ key: Qt.Key_Home, shift: true }], selected: [0, 1, 2, 3], current: 0 },
                { tag: "page down moves by the rows in view", steps: [{ key: Qt.Key_PageDown }], selected: [3 + 8], current: 3 + 8 },
                { tag: "page down stops at the last row", steps: [{ key: Qt.Key_PageDown }, { key: Qt.Key_PageDown }], selected: [last], current: last },
                { tag: "shift+page down", steps: [{ key: Qt.Key_PageDown, shift: true }], selected: rows(3, 11), current: 11 },
                { tag: "page up moves by the rows in view", steps: [{ key: Qt.Key_End }, { key: Qt.Key_PageUp }], selected: [last - 8], current: last - 8 },
                { tag: "page up stops at the first row", steps: [{ key: Qt.Key_PageUp }], selected: [0], current: 0 },
                { tag: "up at the first row stays", steps: [{ key: Qt.Key_Home }, { key: Qt.Key_Up }], selected: [0], current: 0 },
                { tag: "down at the last row stays", steps: [{ key: Qt.Key_End }, { key: Qt.Key_Down }], selected: [last], current: last },
                { tag: "ctrl+a selects all", steps: [{ key: Qt.Key_A, ctrl: true }],
                  selected: rows(0, last), current: 3 },
            ]
        }

        function test_keyboard(data) {
            fill(20)
            mouseClick(table, 60, yOfRow(3))
            for (var i = 0; i < data.steps.length; ++i) {
                var step = data.steps[i]
                if (step.hold)
                    keyPress(Qt.Key_Shift)
                else if (step.release)
                    keyRelease(Qt.Key_Shift)
                else if (step.row !== undefined)
                    mouseClick(table, 60, yOfRow(step.row), Qt.LeftButton, modifiersOf(step))
                else
                    keyClick(step.key, modifiersOf(step))
            }
            compare(selectedRows(), data.selected)
            compare(table.currentRow, data.current)
            verify(rowVisible(table.currentRow), "the current row is in view")
        }

        function test_keyboardWithoutCurrentRow_data() {
            return [
                { tag: "down", key: Qt.Key_Down, current: 0 },
                { tag: "up", key: Qt.Key_Up, current: 0 },
                { tag: "end", key: Qt.Key_End, current: 11 },
            ]
        }

        function test_keyboardWithoutCurrentRow(data) {
            table.forceActiveFocus()
            keyClick(data.key)
            compare(table.currentRow, data.current)
            compare(selectedRows(), [data.current])
        }

        function test_keyboardOnEmptyTable() {
            fill(0)
            table.forceActiveFocus()
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_A, Qt.ControlModifier)
            compare(table.currentRow, -1)
            compare(table.selection.count, 0)
        }

        function test_currentRowKeptInView() {
            fill(40)
            mouseClick(table, 60, yOfRow(0))
            for (var i = 0; i < 15; ++i) {
                keyClick(Qt.Key_Down)
                verify(rowVisible(table.currentRow), "row " + table.currentRow + " out of view")
            }
            keyClick(Qt.Key_End)
            verify(rowVisible(39))
            keyClick(Qt.Key_Home)
            verify(rowVisible(0))
            verify(!rowVisible(39))
        }

        function test_wheelScrolls() {
            fill(40)
            compare(table.rowAt(60, headerHeight), 0)
            mouseWheel(table, 60, yOfRow(3), 0, -120)
            tryVerify(function () { return table.rowAt(60, headerHeight) > 0 })
            compare(table.selection.count, 0)
        }

        // A drag past the bottom scrolls on and selects the rows it passes.
        function test_dragPastTheBottom() {
            fill(40)
            mousePress(table, 60, yOfRow(6))
            mouseMove(table, 60, table.height + 20, -1, Qt.LeftButton)
            tryVerify(function () { return table.currentRow >= 12 }, 5000)
            mouseRelease(table, 60, table.height + 20)
            var last = table.currentRow
            verify(rowVisible(last), "row " + last + " out of view")
            var rows = selectedRows()
            compare(rows[0], 6)
            compare(rows[rows.length - 1], last)
            compare(rows.length, last - 6 + 1)
        }

        // Another calculator's files replace the list: they show from the top.
        function test_refilledListShowsFromTheTop() {
            fill(40)
            mouseClick(table, 60, yOfRow(0))
            keyClick(Qt.Key_End)
            verify(!rowVisible(0))
            files.clear()
            for (var i = 0; i < 40; ++i)
                files.append({ nameRole: "OTHER" + i + ".UCB", sizeRole: i })
            tryCompare(table, "rowCount", 40)
            tryVerify(function () { return rowVisible(0) }, 1000, "the refilled list starts scrolled down")
        }

        function test_windowShortcutsWhileFocused() {
            mouseClick(table, 60, yOfRow(2))
            verify(table.activeFocus)
            keyClick(Qt.Key_Delete)
            keyClick(Qt.Key_C, Qt.ControlModifier)
            compare(deleteShortcuts, 1)
            compare(copyShortcuts, 1)
            compare(selectedRows(), [2])
        }

        // The selection starts as rows 1, 3 and 4 of twelve; then the model changes.
        function test_selectionFollowsRows_data() {
            return [
                { tag: "row before removed", change: function () { files.remove(0) }, selected: [0, 2, 3], current: 2 },
                { tag: "selected row removed", change: function () { files.remove(3) }, selected: [1, 3], current: 3 },
                { tag: "rows across the selection removed", change: function () { files.remove(2, 3) }, selected: [1], current: 2 },
                { tag: "last rows removed", change: function () { files.remove(4, 8) }, selected: [1, 3], current: 3 },
                { tag: "all rows removed", change: function () { files.clear() }, selected: [], current: -1 },
                { tag: "row inserted at the top", change: function () { files.insert(0, { nameRole: "NEW", sizeRole: 1 }) },
                  selected: [2, 4, 5], current: 4 },
                { tag: "row inserted inside", change: function () { files.insert(4, { nameRole: "NEW", sizeRole: 1 }) },
                  selected: [1, 3, 5], current: 3 },
                { tag: "row appended", change: function () { files.append({ nameRole: "NEW", sizeRole: 1 }) },
                  selected: [1, 3, 4], current: 3 },
                { tag: "row moved down across", change: function () { files.move(0, 5, 1) }, selected: [0, 2, 3], current: 2 },
                { tag: "rows moved up across", change: function () { files.move(3, 0, 2) }, selected: [0, 1, 3], current: 0 },
                // A list model never resets itself: the signal alone stands in for a reset of the same
                // rows (the view may warn about items it was still making for them).
                { tag: "model reset", change: function () { files.modelReset() }, selected: [] },
                { tag: "layout changed", change: function () { files.layoutChanged() }, selected: [] },
                { tag: "model replaced", change: function () { table.model = otherFiles }, selected: [] },
            ]
        }

        function test_selectionFollowsRows(data) {
            mouseClick(table, 60, yOfRow(1))
            mouseClick(table, 60, yOfRow(4), Qt.LeftButton, Qt.ControlModifier)
            mouseClick(table, 60, yOfRow(3), Qt.LeftButton, Qt.ControlModifier)
            compare(selectedRows(), [1, 3, 4])
            changeSpy.clear()
            data.change()
            compare(selectedRows(), data.selected)
            compare(table.selection.count, data.selected.length)
            if (data.current !== undefined)
                tryCompare(table, "currentRow", data.current)
            compare(changeSpy.count, data.selected.join() === "1,3,4" ? 0 : 1)
            for (var row = 0; row < 12; ++row)
                compare(table.selection.contains(row), data.selected.indexOf(row) >= 0, "row " + row)
        }

        function test_selectionCalls() {
            var selection = table.selection
            selection.select(5)
            selection.select(2, 1)
            selection.select(4)
            compare(selectedRows(), [1, 2, 4, 5])
            compare(changeSpy.count, 3)
            selection.select(1, 2) // already selected: no change reported
            compare(changeSpy.count, 3)

            ignoreWarning(/row out of range/)
            selection.select(3, 12)
            ignoreWarning(/row out of range/)
            selection.select(-1)
            ignoreWarning(/row out of range/)
            selection.deselect(12)
            compare(selectedRows(), [1, 2, 4, 5])
            compare(changeSpy.count, 3)

            selection.deselect(5, 2)
            compare(selectedRows(), [1])
            selection.selectAll()
            compare(selection.count, 12)
            selection.deselect(3, 4)
            compare(selectedRows(), [0, 1, 2, 5, 6, 7, 8, 9, 10, 11])
            verify(selection.contains(2))
            verify(!selection.contains(3))
            verify(!selection.contains(12))
            selection.clear()
            compare(selection.count, 0)
            compare(selectedRows(), [])
        }

        // A callback that changes the selection: the walk goes on with the rows after the last one.
        function test_forEachWhileChanging() {
            table.selection.select(1, 3)
            table.selection.select(6)
            table.selection.select(9)
            var visited = []
            table.selection.forEach(function (row) {
                visited.push(row)
                if (row === 2) {
                    table.selection.deselect(3)
                    table.selection.deselect(9)
                    table.selection.select(7)
                    table.selection.select(0)
                }
            })
            compare(visited, [1, 2, 6, 7])
        }

        function test_geometry_data() {
            return [
                { tag: "rows fit", rows: 5 },
                { tag: "rows overflow", rows: 30 },
            ]
        }

        function test_geometry(data) {
            fill(data.rows)
            compare(table.rowAt(60, headerHeight - 1), -1)
            compare(table.rowAt(60, headerHeight), 0)
            compare(table.rowAt(60, headerHeight + 2 * rowHeight + 10), 2) // where the window tests click
            compare(table.rowAt(60, headerHeight + 5 * rowHeight), data.rows > 5 ? 5 : -1)
            // The columns fill the inside of the frame, beside the scroll bar when there is one.
            var scrollBar = data.rows * rowHeight > table.height - headerHeight - 1
            compare(table.viewportWidth < table.width - 2, scrollBar)
            compare(table.nameWidth + table.sizeWidth, table.viewportWidth)
            verify(table.nameWidth >= 120 && table.sizeWidth >= 80)
        }

        function test_selectedTint_data() {
            return [
                { tag: "focused", focused: true, tint: host.colors.changeNameDialogSelectionTrans },
                { tag: "not focused", focused: false, tint: host.colors.changeNameDialogSelectionBWTrans },
                { tag: "not focused, menu open", focused: false, menuOpen: true, tint: host.colors.changeNameDialogSelectionTrans },
            ]
        }

        function test_selectedTint(data) {
            mouseClick(table, 60, yOfRow(1))
            table.selection.select(2)
            if (!data.focused)
                elsewhere.forceActiveFocus()
            if (data.menuOpen)
                table.selectionFocused = true
            function colorOf(row) { return String(findChild(table, "fileRow" + row).color) }
            compare(colorOf(0), String(host.colors.tableRowFirst))
            compare(colorOf(3), String(host.colors.tableRowSecond))
            compare(colorOf(1), String(Qt.tint(host.colors.tableRowSecond, data.tint)))
            compare(colorOf(2), String(Qt.tint(host.colors.tableRowFirst, data.tint)))
        }
    }
}
