import QtQml 2.15
import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Controls 1.4 as C1

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
    readonly property alias contextMenu: tableViewContextMenu
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

    C1.TableView {
        id: tableView
        objectName: "tableView"
        anchors.fill: parent
        enabled: !panel.busy
        opacity: panel.busy ? 0.5 : 1 // greyed out while an operation runs
        model: fileModel
        selectionMode: C1.SelectionMode.ExtendedSelection
        backgroundVisible: false

        C1.TableViewColumn {
            title: "Name"
            role: "nameRole"
            width: Math.max(120, Math.round(tableView.viewport.width * 0.65))
        }
        C1.TableViewColumn {
            title: "Size"
            role: "sizeRole"
            width: Math.max(80, tableView.viewport.width - Math.max(120, Math.round(tableView.viewport.width * 0.65)))
        }

        headerDelegate: Rectangle {
            height: 24
            border.width: 1
            border.color: panel.colors.headerTableBorder
            gradient: Gradient {
                GradientStop { position: 0.0; color: panel.colors.headerTableUp }
                GradientStop { position: 1.0; color: panel.colors.headerTableBottom }
            }
            Text {
                anchors.fill: parent
                text: styleData.value
                font.pixelSize: 16
                leftPadding: 15
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
        }
        rowDelegate: Rectangle {
            readonly property color rowColor: styleData.alternate ? panel.colors.tableRowSecond
                                                                  : panel.colors.tableRowFirst
            readonly property bool focused: tableView.activeFocus || tableViewContextMenu.opened
            height: 20
            color: styleData.selected
                   ? Qt.tint(rowColor, focused ? panel.colors.changeNameDialogSelectionTrans
                                               : panel.colors.changeNameDialogSelectionBWTrans)
                   : rowColor
        }
        itemDelegate: Text {
            text: styleData.value !== undefined ? styleData.value : ""
            color: panel.colors.textDark
            font.pixelSize: 15
            leftPadding: 10
            verticalAlignment: Text.AlignVCenter
            elide: styleData.elideMode
        }

        onDoubleClicked: function (row) {
            console.log(panelLog, "File double click, row = " + row)
            calcSession.downloadForEdit(row)
        }
    }

    Menu {
        id: tableViewContextMenu
        objectName: "tableViewContextMenu"

        MenuItem {
            objectName: "contextDownload"
            text: "Download"
            enabled: panel.hasSelection
            onTriggered: panel.downloadRequested()
        }
        MenuItem {
            objectName: "contextSend"
            text: "Send"
            enabled: panel.calcConnected
            onTriggered: panel.sendRequested()
        }
        MenuItem {
            objectName: "contextDelete"
            text: "Delete"
            enabled: panel.hasSelection
            onTriggered: panel.deleteRequested()
        }
        MenuItem {
            objectName: "contextEdit"
            text: "Edit"
            enabled: panel.currentRow >= 0
            onTriggered: panel.editRequested(panel.currentRow)
        }
        MenuItem {
            objectName: "contextNew"
            text: "New"
            onTriggered: panel.newRequested()
        }
    }

    // Right clicks open the menu and leave selection and current row alone; left clicks go on
    // to the table.
    MouseArea {
        objectName: "contextMenuArea"
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: tableViewContextMenu.popup()
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
