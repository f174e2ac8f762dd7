import QtQml 2.15
import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3
import QtQuick.Window 2.1

// Main window: attached calculators on the left, the selected one's files on the right, the
// tool bar above and the status line below. The session does the work; the window asks the
// questions, one dialog at a time, and hands the answers back.
// Menus, dialogs, choosers and the editor are loaded by name when first needed: the first frame
// does not wait for them.
ApplicationWindow {
    id: root
    objectName: "root"

    // Path of the temporary backup archive waiting for a save location.
    property alias backupFile: backupFlow.backupFile
    readonly property bool calcConnected: calcPanel.count > 0
    readonly property bool busy: calcSession.isBusy
    // Rename, Edit and New work on one calculator: off while several are selected.
    readonly property bool severalSelected: calcModel.selectedCount > 1
    // The palette, also for tests that show one part of the window alone.
    readonly property QtObject colors: appColors

    visible: true
    width: 1200
    height: 800
    minimumWidth: 720
    minimumHeight: 480
    maximumWidth: Screen.width
    maximumHeight: Screen.height
    title: calcSession.getProgramName()

    Item {
        id: appColors
        readonly property color textDark: "#000000"
        readonly property color listRectangleBack: "#f0f0f0"
        readonly property color fileListViewSelectionStripe: "#01B3E3"
        readonly property color fileListViewSelectionBackTrans: "#4001B3E3"
        readonly property color changeNameDialogSelectionTrans: "#6001B3E3"
        readonly property color changeNameDialogSelectionBWTrans: "#60a4a4a4"
        readonly property color headerTableUp: "#fbfbfb"
        readonly property color headerTableBottom: "#dfdfdf"
        readonly property color headerTableBorder: "#9f9f9f"
        readonly property color tableRowFirst: "#ffffff"
        readonly property color tableRowSecond: listRectangleBack
        // Frames the control that has the keyboard focus: the default style's focus colour.
        readonly property color focusFrame: "#0066ff"
    }

    // Diagnostic lines: silent unless enabled, e.g. QT_LOGGING_RULES="ulvo.qml.debug=true".
    LoggingCategory {
        id: windowLog
        name: "ulvo.qml"
        defaultLogLevel: LoggingCategory.Critical
    }

    Item {
        id: menuStyle
        property int size: 40
    }

    component MenuBackground: Rectangle {
        readonly property var button: parent
        // A button disabled under the pointer may still count as hovered until the pointer moves.
        readonly property bool live: button.enabled
        anchors.fill: parent
        color: live && button.pressed ? appColors.changeNameDialogSelectionTrans
                                      : live && button.hovered ? appColors.fileListViewSelectionBackTrans
                                                               : "transparent"
        // The focus, framed as the default style frames it. Only the keyboard gives a tool button
        // the focus (Tab, or a menu it opened closing), so the frame shows also where the style's
        // visual focus forgets it, after a menu.
        border.width: button.activeFocus ? 2 : 0
        border.color: appColors.focusFrame
    }

    component MenuButton: ToolButton {
        id: menuButton
        property url image
        property string tip
        // True while the button's own menu is open: the tip would cover its first item.
        property bool tipHidden: false
        implicitWidth: menuStyle.size
        implicitHeight: menuStyle.size
        Layout.fillHeight: true
        hoverEnabled: true
        // Reached by Tab; a click leaves the focus where it was, such as on the file table.
        focusPolicy: Qt.TabFocus
        // Space presses the button; Enter does too, as on desktop tool bars.
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        Accessible.name: tip
        background: MenuBackground {}
        contentItem: Item {
            Image {
                anchors.centerIn: parent
                width: 24
                height: 24
                source: menuButton.image
                smooth: true
                opacity: menuButton.enabled ? 1.0 : 0.35
            }
        }
        ToolTip.visible: enabled && hovered && !tipHidden
        ToolTip.delay: 1000
        ToolTip.text: tip
    }

    // Status line helpers: the session keeps the text.
    function setStatus(text) {
        calcSession.onStatusChange(text)
    }
    function clearStatus() {
        calcSession.onStatusChange("")
    }

    header: ToolBar {
        id: toolBar
        objectName: "toolBar"
        enabled: !root.busy
        Accessible.name: qsTr("Tools")

        RowLayout {
            anchors.fill: parent

            MenuButton {
                id: menuButton
                objectName: "menuButton"
                image: "qrc:/images/x1/menu.png"
                tip: qsTr("Menu")
                tipHidden: optionsMenu.item !== null && optionsMenu.item.visible
                onClicked: optionsMenu.open()

                // Created on the first click: most sessions never open it.
                LazyLoader {
                    id: optionsMenu
                    document: "OptionsMenu.qml"
                }
                LazyLoader {
                    id: stationChooser
                    document: "FileChooser.qml"
                    initialProperties: ({
                        objectName: "stationFilesDialog",
                        title: qsTr("Files to send to each calculator plugged in"),
                        selectMultiple: true,
                        nameFilters: [qsTr("Ulvo Calc files (*.ucb *.bin *.txt)"), qsTr("All files (*)")]
                    })
                }
                Connections {
                    target: stationChooser.item
                    function onAccepted() { calcSession.startStation(stationChooser.item.fileUrls) }
                }
                Connections {
                    target: optionsMenu.item
                    function onAboutChosen() { aboutDialog.open() }
                    function onChangeNameChosen() {
                        if (root.severalSelected)
                            return
                        if (!root.calcConnected) {
                            root.setStatus(qsTr("Calculator is not connected"))
                            return
                        }
                        root.clearStatus()
                        changeNameDialog.open()
                    }
                    function onStationChosen() { stationChooser.open() }
                    function onCloseChosen() { root.close() }
                }
            }
            MenuButton {
                objectName: "downloadButton"
                image: "qrc:/images/x1/download.png"
                tip: root.severalSelected ? qsTr("Collect selected files from the selected calculators")
                                          : qsTr("Download selected files from calculator to PC")
                onClicked: downloadFlow.request()
            }
            MenuButton {
                objectName: "sendButton"
                image: "qrc:/images/x1/send.png"
                tip: qsTr("Send files to calculator from PC")
                onClicked: sendFlow.request()
            }
            MenuButton {
                objectName: "removeButton"
                image: "qrc:/images/x1/remove.png"
                tip: qsTr("Delete selected files")
                onClicked: deleteFlow.request()
            }
            MenuButton {
                objectName: "editButton"
                image: "qrc:/images/x2/edit.png"
                tip: qsTr("Edit UlvoBasic program file")
                enabled: !root.severalSelected
                onClicked: editorFlow.editCurrentRow()
            }
            MenuButton {
                objectName: "newFileButton"
                image: "qrc:/images/x2/newFile.png"
                tip: qsTr("Create new UlvoBasic program file")
                enabled: !root.severalSelected
                onClicked: editorFlow.showNew()
            }
            MenuButton {
                objectName: "createBackupButton"
                image: "qrc:/images/x2/create_backup.png"
                tip: qsTr("Create UlvoCalc backup")
                onClicked: backupFlow.create()
            }
            MenuButton {
                objectName: "restoreBackupButton"
                image: "qrc:/images/x2/restore_backup.png"
                tip: qsTr("Restore UlvoCalc backup")
                onClicked: backupFlow.requestRestore()
            }
            Item {
                Layout.fillWidth: true
            }
        }
    }

    footer: Label {
        id: statusLine
        objectName: "statusLine"
        text: calcSession.statusLineText
        font.pixelSize: 14
        topPadding: 4
        bottomPadding: 4
        leftPadding: 10
        rightPadding: 10
        elide: Text.ElideRight
        background: Rectangle {
            color: appColors.tableRowFirst
        }

        OperationProgress {
            id: operationProgress
            objectName: "operationProgress"
            anchors.fill: parent
            session: calcSession
        }

        // While several calculators work and the shown one has ended, Cancel (and Escape) stop
        // the others; the bar above does it while the shown one still runs.
        Button {
            objectName: "classCancelButton"
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            visible: calcSession.classRunning && !operationProgress.active
            text: qsTr("Cancel")
            Accessible.name: qsTr("Cancel on every calculator")
            onClicked: calcSession.cancelOperation()
        }
        Shortcut {
            sequence: "Esc"
            context: Qt.ApplicationShortcut
            enabled: calcSession.classRunning && !operationProgress.active && root.active
            onActivated: calcSession.cancelOperation()
        }
    }

    RowLayout {
        id: content
        anchors.fill: parent
        spacing: 0

        CalcPanel {
            id: calcPanel
            objectName: "calcPanel"
            Layout.fillHeight: true
            Layout.preferredWidth: root.width * 0.3
            Layout.minimumWidth: 255
            colors: appColors
            busy: root.busy
        }

        // The station's bar sits above the file table while the station runs.
        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: 300
            spacing: 0

            StationBar {
                objectName: "stationBar"
                Layout.fillWidth: true
                colors: appColors
            }

            FilePanel {
                id: filePanel
                objectName: "filePanel"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumWidth: 300
                colors: appColors
                busy: root.busy
                calcConnected: root.calcConnected

                onDownloadRequested: downloadFlow.request()
                onSendRequested: sendFlow.request()
                onDeleteRequested: deleteFlow.request()
                onEditRequested: if (!root.severalSelected) editorFlow.editCurrentRow()
                onNewRequested: if (!root.severalSelected) editorFlow.showNew()
                onCopyRequested: {
                    if (!root.calcConnected)
                        return
                    filePanel.addSelectionToSession()
                    calcSession.fromCalcUrls()
                    clipboard.setUrls(calcSession.downloadFiles())
                }
                onPasteRequested: {
                    if (root.calcConnected && clipboard.hasUrls())
                        sendFlow.sendUrls(clipboard.getUrls())
                }
                onUrlsDropped: function (urls) {
                    sendFlow.sendUrls(urls)
                }
            }
        }
    }

    BusyIndicator {
        id: busyIndicator
        objectName: "busyIndicator"
        anchors.centerIn: content
        // A transfer that reports its progress shows a bar instead.
        // A class operation shows its progress in the rows and the status line.
        running: root.busy && !calcSession.hasProgress && !calcSession.classRunning
        visible: running
        Accessible.name: qsTr("Busy")
    }

    // The flows and dialogs below create their dialogs and windows on first use.

    SendFlow {
        id: sendFlow
        calcConnected: root.calcConnected
    }

    DownloadFlow {
        id: downloadFlow
        filePanel: filePanel
    }

    DeleteFlow {
        id: deleteFlow
        filePanel: filePanel
    }

    BackupFlow {
        id: backupFlow
        calcConnected: root.calcConnected
        log: windowLog
    }

    EditorFlow {
        id: editorFlow
        filePanel: filePanel
        calcConnected: root.calcConnected
        log: windowLog
    }

    // Safety copies and files sent from a backup, reached from the options menu.
    LazyLoader {
        id: safetyFlow
        document: "SafetyFlow.qml"
        initialProperties: ({ mainWindow: root, sendFlow: sendFlow })
    }
    Connections {
        target: optionsMenu.item
        function onSafetyCopiesChosen() { safetyFlow.object().showCopies() }
        function onSendFromBackupChosen() { safetyFlow.object().chooseBackup() }
    }

    Connections {
        target: calcSession

        function onIndexChanged(oldIndex, newIndex) {
            filePanel.clearSelection()
        }
        function onErrorChange() {
            if (calcSession.error !== "")
                errorMessageDialog.open()
        }
    }

    LazyLoader {
        id: changeNameDialog
        document: "ChangeNameDialog.qml"
        initialProperties: ({ objectName: "changeNameDialog", colors: appColors })
    }
    Connections {
        target: changeNameDialog.item
        function onNameChosen(name) { calcSession.changeCalcName(name) }
    }

    LazyLoader {
        id: aboutDialog
        document: "AboutDialog.qml"
        // The parent is set from the start: its width follows the window's, which a dialog being
        // created in a loader does not know yet.
        initialProperties: ({ objectName: "aboutDialog", parent: root.contentItem, colors: appColors })
    }

    // The only box that is not modal; closing it clears the error so the next one opens it again.
    LazyLoader {
        id: errorMessageDialog
        document: "MessageBox.qml"
        initialProperties: ({ objectName: "errorMessageDialog", title: qsTr("Error"), modal: false })
        onLoaded: item.text = Qt.binding(function () { return calcSession.error })
    }
    Connections {
        target: errorMessageDialog.item
        function onClosed() { calcSession.error = "" }
    }
}
