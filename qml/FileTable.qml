import QtQuick 2.15
import QtQuick.Controls 2.5
import "Texts.js" as Texts

// The calculator's files as a table of names and sizes, with extended selection by mouse and
// keyboard. Built on a ListView whose selection follows the files, not the row numbers, when the
// list changes.
FocusScope {
    id: table

    property var colors
    property alias model: listView.model
    // Selected rows are tinted strongly while the user works with the table; the panel adds its
    // open context menu to that.
    property bool selectionFocused: activeFocus

    readonly property int rowCount: listView.count
    property alias currentRow: listView.currentIndex
    readonly property alias selection: rowSelection

    readonly property int headerHeight: 24
    readonly property int rowHeight: 20
    readonly property int viewportWidth: width - 2 - (scrollBar.visible ? scrollBar.width : 0)
    readonly property int nameWidth: Math.max(120, Math.round(viewportWidth * 0.65))
    readonly property int sizeWidth: Math.max(80, viewportWidth - nameWidth)

    signal doubleClicked(int row)
    // The Menu key or Shift+F10: a context menu is wanted at this point of the table, under the
    // current row.
    signal contextMenuRequested(real x, real y)

    function positionViewAtRow(row, mode) {
        listView.positionViewAtIndex(row, mode)
    }

    function showFromTop() {
        listView.forceLayout()
        listView.positionViewAtBeginning()
    }

    // The row under a point of the table, -1 for none.
    function rowAt(x, y) {
        if (y < headerHeight)
            return -1
        return listView.indexAt(0, y - listView.y + listView.contentY)
    }

    activeFocusOnTab: true
    Accessible.role: Accessible.Table
    Accessible.name: qsTr("Files")
    onModelChanged: rowSelection.clear()

    RowSelection {
        id: rowSelection
        rowCount: listView.count
    }

    Connections {
        target: listView.model
        ignoreUnknownSignals: true
        function onRowsInserted(parent, first, last) { rowSelection.rowsInserted(first, last) }
        function onRowsRemoved(parent, first, last) {
            rowSelection.rowsRemoved(first, last)
            // An emptied list starts again at the top: the next calculator's files show from
            // their first, once the view has laid them out.
            if (listView.model.rowCount() === 0)
                Qt.callLater(table.showFromTop)
        }
        function onRowsMoved(parent, start, end, destination, row) { rowSelection.rowsMoved(start, end, row) }
        function onModelReset() { rowSelection.clear() }
        function onLayoutChanged() { rowSelection.clear() }
    }

    // --- Selection by mouse and keyboard ---

    onCurrentRowChanged: {
        if (!gestures.extending)
            gestures.anchorRow = currentRow
    }

    QtObject {
        id: gestures

        // Shift+click adds the rows from the anchor, Shift with the arrow keys selects them
        // alone. The anchor follows the current row, except while Shift and the keys extend the
        // selection.
        property int anchorRow: -1
        property bool extending: false
        // A press on a row and a drag from it: the rows between show the pressed row's state
        // until the release applies it.
        property int dragFromRow: -1
        property int dragToRow: -1

        function shownSelected(row) {
            if (dragToRow >= 0 && row >= Math.min(dragFromRow, dragToRow) && row <= Math.max(dragFromRow, dragToRow))
                return rowSelection.contains(dragFromRow)
            return rowSelection.contains(row)
        }

        function validAnchor(fallback) {
            return anchorRow >= 0 && anchorRow < table.rowCount ? anchorRow : fallback
        }

        function pressRow(row, modifiers) {
            var from = validAnchor(0)
            table.currentRow = row
            if (modifiers & Qt.ShiftModifier)
                rowSelection.select(from, row)
            else if (modifiers & Qt.ControlModifier)
                rowSelection.contains(row) ? rowSelection.deselect(row) : rowSelection.select(row)
            else
                rowSelection.selectOnly(row)
            dragFromRow = row
        }

        function dragTo(row) {
            if (dragFromRow < 0 || row < 0 || row === table.currentRow)
                return
            table.currentRow = row
            dragToRow = row
        }

        function endDrag(apply) {
            if (apply && dragToRow >= 0) {
                if (rowSelection.contains(dragFromRow))
                    rowSelection.select(dragFromRow, dragToRow)
                else
                    rowSelection.deselect(dragFromRow, dragToRow)
            }
            dragFromRow = -1
            dragToRow = -1
        }

        // Moves the current row to target: alone selected, with Shift the rows from the anchor,
        // with Ctrl the selection stays.
        function moveTo(target, modifiers) {
            target = Math.max(0, Math.min(table.rowCount - 1, target))
            if (modifiers & Qt.ShiftModifier) {
                var from = validAnchor(Math.max(0, table.currentRow))
                extending = true
                table.currentRow = target
                extending = false
                anchorRow = from
                rowSelection.selectOnly(from, target)
            } else {
                table.currentRow = target
                if (!(modifiers & Qt.ControlModifier))
                    rowSelection.selectOnly(target)
            }
            listView.positionViewAtIndex(target, ListView.Contain)
        }
    }

    // Under the current row, or under the header without one; clamped to the visible rows.
    function contextMenuPoint() {
        var row = currentRow >= 0 ? listView.itemAtIndex(currentRow) : null
        var y = row ? row.mapToItem(listView, 0, row.height).y : 0
        return Qt.point(20, listView.y + Math.max(0, Math.min(listView.height, y)))
    }

    Keys.onPressed: function (event) {
        if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && event.modifiers & Qt.ShiftModifier)) {
            var point = contextMenuPoint()
            contextMenuRequested(point.x, point.y)
            event.accepted = true
            return
        }
        if (event.key === Qt.Key_A && event.modifiers & Qt.ControlModifier) {
            rowSelection.selectAll()
            event.accepted = true
            return
        }
        if (rowCount === 0)
            return
        var page = Math.max(1, Math.floor(listView.height / rowHeight))
        var from = currentRow
        var target
        switch (event.key) {
        case Qt.Key_Up: target = from < 0 ? 0 : from - 1; break
        case Qt.Key_Down: target = from < 0 ? 0 : from + 1; break
        case Qt.Key_PageUp: target = from < 0 ? 0 : from - page; break
        case Qt.Key_PageDown: target = from < 0 ? 0 : from + page; break
        case Qt.Key_Home: target = 0; break
        case Qt.Key_End: target = rowCount - 1; break
        default: return
        }
        gestures.moveTo(target, event.modifiers)
        event.accepted = true
    }

    // --- Look ---

    component FileCell: Text {
        height: table.rowHeight
        color: table.colors.textDark
        font.pixelSize: 15
        leftPadding: 10
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        Accessible.ignored: true // the row reads as its cells already
    }

    // The frame; the header covers its top line.
    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.width: 1
        border.color: "#999999"
    }

    // One cell of the header; two are declared rather than repeated over a model that holds their
    // widths, which would make them anew each time the table's width changes.
    component HeaderCell: Rectangle {
        property alias title: label.text
        height: table.headerHeight
        border.width: 1
        border.color: table.colors.headerTableBorder
        gradient: Gradient {
            GradientStop { position: 0.0; color: table.colors.headerTableUp }
            GradientStop { position: 1.0; color: table.colors.headerTableBottom }
        }
        Text {
            id: label
            anchors.fill: parent
            font.pixelSize: 16
            leftPadding: 15
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }

    Row {
        id: header
        x: 1
        HeaderCell {
            title: qsTr("Name", "a file's name on the calculator")
            width: table.nameWidth
        }
        HeaderCell {
            title: qsTr("Size", "a file's size in bytes")
            width: table.sizeWidth
        }
    }

    ListView {
        id: listView
        x: 1
        y: table.headerHeight
        width: table.viewportWidth
        height: table.height - table.headerHeight - 1
        clip: true
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        // Pointer presses go to the selection's mouse area; the wheel still scrolls.
        interactive: true

        // Shown whenever the rows do not fit.
        ScrollBar.vertical: ScrollBar {
            id: scrollBar
            objectName: "fileTableScrollBar"
            parent: table
            x: table.width - 1 - width
            y: 1
            height: table.height - 2
            policy: listView.contentHeight > listView.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            padding: 0
            Accessible.name: qsTr("File list scroll bar")
            // A grey track and a bordered handle, as the desktop table this one replaces drew them.
            background: Rectangle {
                implicitWidth: 18
                color: "#dddddd"
                border.color: "#aaaaaa"
            }
            contentItem: Rectangle {
                implicitWidth: 18
                border.color: "#a0a0a0"
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0.0; color: scrollBar.pressed ? "#dcdcdc" : "#f2f2f2" }
                    GradientStop { position: 1.0; color: scrollBar.pressed ? "#d0d0d0" : "#e7e7e7" }
                }
            }
        }

        delegate: Rectangle {
            objectName: "fileRow" + index
            readonly property color rowColor: index % 2 === 1 ? table.colors.tableRowSecond
                                                              : table.colors.tableRowFirst
            width: ListView.view.width
            height: table.rowHeight
            Accessible.role: Accessible.Row
            //: A row of the file table: the file's name, then its size
            Accessible.name: Texts.fill(qsTr("%1, %n bytes", "", model.sizeRole !== undefined ? model.sizeRole : 0),
                                        nameCell.text)
            Accessible.selectable: true
            Accessible.selected: gestures.shownSelected(index)
            color: gestures.shownSelected(index)
                   ? Qt.tint(rowColor, table.selectionFocused ? table.colors.changeNameDialogSelectionTrans
                                                              : table.colors.changeNameDialogSelectionBWTrans)
                   : rowColor

            FileCell {
                id: nameCell
                width: table.nameWidth
                text: model.nameRole !== undefined ? model.nameRole : ""
            }
            FileCell {
                id: sizeCell
                x: table.nameWidth
                width: table.sizeWidth
                text: model.sizeRole !== undefined ? String(model.sizeRole) : ""
            }
            // The row the keys move from, outlined while the table has the focus.
            Rectangle {
                anchors.fill: parent
                visible: table.activeFocus && index === table.currentRow
                color: "transparent"
                border.width: 1
                border.color: table.colors.focusFrame
            }
        }
    }

    // Left button only: right clicks belong to the panel's context menu.
    MouseArea {
        id: mouseArea
        anchors.fill: parent
        anchors.rightMargin: scrollBar.visible ? scrollBar.width + 1 : 0
        acceptedButtons: Qt.LeftButton
        preventStealing: true

        // While a drag from a row goes past the top or bottom, the rows scroll towards it.
        property int autoScrollStep: 0

        onPressed: function (mouse) {
            table.forceActiveFocus()
            var row = table.rowAt(mouse.x, mouse.y)
            if (row >= 0)
                gestures.pressRow(row, mouse.modifiers)
        }
        onPositionChanged: function (mouse) {
            if (gestures.dragFromRow < 0)
                return
            var listY = mouse.y - listView.y
            autoScrollStep = listY < 0 ? -1 : listY > listView.height ? 1 : 0
            if (autoScrollStep === 0)
                gestures.dragTo(listView.indexAt(0, listY + listView.contentY))
        }
        onReleased: {
            autoScrollStep = 0
            gestures.endDrag(true)
        }
        onCanceled: {
            autoScrollStep = 0
            gestures.endDrag(false)
        }
        onDoubleClicked: function (mouse) {
            var row = table.rowAt(mouse.x, mouse.y)
            if (row >= 0)
                table.doubleClicked(row)
        }

        Timer {
            running: mouseArea.autoScrollStep !== 0 && scrollBar.visible
            repeat: true
            interval: 50
            onTriggered: {
                var row = Math.max(0, Math.min(table.rowCount - 1, table.currentRow + mouseArea.autoScrollStep))
                gestures.dragTo(row)
                listView.positionViewAtIndex(row, ListView.Contain)
            }
        }
    }

    // Where the keyboard is: the table framed while it has the focus.
    Rectangle {
        objectName: "fileTableFocusFrame"
        anchors.fill: parent
        visible: table.activeFocus
        color: "transparent"
        border.width: 2
        border.color: table.colors.focusFrame
    }
}
