import QtQml 2.15
import QtQuick 2.15

// The selected calculator's files, with the context menu, the drop area and the shortcuts that
// stay active while the session is busy. Requests go out as signals; the window runs the flows.
Rectangle {
    id: panel

    // Diagnostic lines: silent unless enabled, e.g. QT_LOGGING_RULES="ulvo.qml.debug=true".
    LoggingCategory {
        id: panelLog
        name: "ulvo.qml"
        defaultLogLevel: LoggingCategory.Critical
    }

    property var colors
    property bool busy: false
    property bool calcConnected: false
    readonly property alias tableView: tableView
    // The context menu once a right click has created it, else null.
    readonly property QtObject contextMenu: contextMenuLoader.item
    readonly property bool hasSelection: tableView.selection.count > 0
    readonly property int currentRow: tableView.currentRow

    signal downloadRequested()
    signal sendRequested()
    signal deleteRequested()
    signal editRequested(int row)
    signal newRequested()
    signal copyRequested()
    signal pasteRequested()
    signal urlsDropped(var urls)

    // Rows in the order the table's selection enumerates them.
    function selectedRows() {
        var rows = []
        tableView.selection.forEach(function (row) { rows.push(row) })
        return rows
    }
    // Tells the session which files the next download or delete is about.
    function addSelectionToSession() {
        var rows = selectedRows()
        for (var i = 0; i < rows.length; ++i)
            calcSession.addSelected(rows[i])
    }
    function clearSelection() {
        tableView.selection.clear()
    }
    function selectOnly(row) {
        tableView.selection.clear()
        tableView.selection.select(row)
    }

    color: colors.tableRowFirst

    FileTable {
        id: tableView
        objectName: "tableView"
        anchors.fill: parent
        enabled: !panel.busy
        opacity: panel.busy ? 0.5 : 1 // greyed out while an operation runs
        colors: panel.colors
        model: fileModel
        selectionFocused: activeFocus || (panel.contextMenu !== null && panel.contextMenu.opened)

        onDoubleClicked: function (row) {
            console.log(panelLog, "File double click, row = " + row)
            calcSession.downloadForEdit(row)
        }
        onContextMenuRequested: function (x, y) {
            var point = mapToItem(panel, x, y)
            contextMenuLoader.object().popup(point.x, point.y)
        }
    }

    // Created on the first right click: most runs never open it.
    LazyLoader {
        id: contextMenuLoader
        document: "FileContextMenu.qml"
        initialProperties: ({ panel: panel })
    }

    // Right clicks open the menu and leave selection and current row alone; left clicks go on
    // to the table.
    MouseArea {
        objectName: "contextMenuArea"
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: contextMenuLoader.object().popup()
    }

    DropArea {
        objectName: "fileDropArea"
        anchors.fill: parent
        onDropped: function (drop) {
            if (!drop.hasUrls)
                return
            drop.acceptProposedAction()
            panel.urlsDropped(drop.urls)
        }
    }

    Shortcut {
        sequences: [StandardKey.Copy]
        onActivated: panel.copyRequested()
    }
    Shortcut {
        sequences: [StandardKey.Paste]
        onActivated: panel.pasteRequested()
    }
    Shortcut {
        sequences: [StandardKey.Delete]
        onActivated: {
            if (panel.hasSelection)
                panel.deleteRequested()
        }
    }
}
