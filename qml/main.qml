import QtQml 2.15
import QtQuick 2.15
import QtQuick.Window 2.1

// Main window: attached calculators on the left, the selected one's files on the right, the
// tool bar above and the status line below. The session does the work; the window asks the
// questions, one dialog at a time, and hands the answers back.
// Made of plain items: the first frame does not wait for the Qt Quick Controls, whose menus,
// dialogs, tips and spinner are loaded by name when first needed.
Window {
    id: root
    objectName: "root"

    // Path of the temporary backup archive waiting for a save location.
    property alias backupFile: backupFlow.backupFile
    readonly property bool calcConnected: calcPanel.count > 0
    readonly property bool busy: calcSession.isBusy

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
        anchors.fill: parent
        color: button.pressed ? appColors.changeNameDialogSelectionTrans
                              : button.hovered ? appColors.fileListViewSelectionBackTrans
                                               : "transparent"
    }

    component MenuButton: Item {
        id: menuButton
        property url image
        property string tip
        // True while the button's own menu is open: the tip would cover its first item.
        property bool tipHidden: false
        // A disabled button is neither: its area may still hold the pointer it had.
        readonly property bool hovered: enabled && buttonArea.containsMouse
        readonly property bool pressed: enabled && buttonArea.pressed
        signal clicked()
        implicitWidth: menuStyle.size
        implicitHeight: menuStyle.size
        activeFocusOnTab: true
        Keys.onSpacePressed: clicked()
        Accessible.role: Accessible.Button
        Accessible.name: tip
        Accessible.onPressAction: clicked()

        MenuBackground {}
        Image {
            anchors.centerIn: parent
            width: 24
            height: 24
            source: menuButton.image
            smooth: true
            opacity: menuButton.enabled ? 1.0 : 0.35
        }
        MouseArea {
            id: buttonArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: menuButton.clicked()
        }
        // The tip is set up when the pointer first rests here.
        LazyLoader {
            id: tipLoader
            document: "ButtonTip.qml"
            initialProperties: ({ button: menuButton })
        }
        onHoveredChanged: {
            if (hovered)
                tipLoader.object()
        }
    }

    // Status line helpers: the session keeps the text.
    function setStatus(text) {
        calcSession.onStatusChange(text)
    }
    function clearStatus() {
        calcSession.onStatusChange("")
    }

    Rectangle {
        id: toolBar
        objectName: "toolBar"
        anchors.left: parent.left
        anchors.right: parent.right
        height: menuStyle.size
        color: "#e0e0e0"
        enabled: !root.busy

        Row {
            anchors.fill: parent
            spacing: 5

            MenuButton {
                id: menuButton
                objectName: "menuButton"
                image: "qrc:/images/x1/menu.png"
                tip: "Menu"
                tipHidden: optionsMenu.item !== null && optionsMenu.item.visible
                onClicked: optionsMenu.open()

                // Created on the first click: most sessions never open it.
                LazyLoader {
                    id: optionsMenu
                    document: "OptionsMenu.qml"
                }
                Connections {
                    target: optionsMenu.item
                    function onAboutChosen() { aboutDialog.open() }
                    function onChangeNameChosen() {
                        if (!root.calcConnected) {
                            root.setStatus("Calculator is not connected")
                            return
                        }
                        root.clearStatus()
                        changeNameDialog.open()
                    }
                    function onCloseChosen() { root.close() }
                }
            }
            MenuButton {
                objectName: "downloadButton"
                image: "qrc:/images/x1/download.png"
                tip: "Download selected files from calculator to PC"
                onClicked: downloadFlow.request()
            }
            MenuButton {
                objectName: "sendButton"
                image: "qrc:/images/x1/send.png"
                tip: "Send files to calculator from PC"
                onClicked: sendFlow.request()
            }
            MenuButton {
                objectName: "removeButton"
                image: "qrc:/images/x1/remove.png"
                tip: "Delete selected files"
                onClicked: deleteFlow.request()
            }
            MenuButton {
                objectName: "editButton"
                image: "qrc:/images/x2/edit.png"
                tip: "Edit UlvoBasic program file"
                onClicked: editorFlow.editCurrentRow()
            }
            MenuButton {
                objectName: "newFileButton"
                image: "qrc:/images/x2/newFile.png"
                tip: "Create new UlvoBasic program file"
                onClicked: editorFlow.showNew()
            }
            MenuButton {
                objectName: "createBackupButton"
                image: "qrc:/images/x2/create_backup.png"
                tip: "Create UlvoCalc backup"
                onClicked: backupFlow.create()
            }
            MenuButton {
                objectName: "restoreBackupButton"
                image: "qrc:/images/x2/restore_backup.png"
                tip: "Restore UlvoCalc backup"
                onClicked: backupFlow.requestRestore()
            }
        }
    }

    Rectangle {
        id: footer
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: statusLine.implicitHeight
        color: appColors.tableRowFirst

        Text {
            id: statusLine
            objectName: "statusLine"
            anchors.fill: parent
            text: calcSession.statusLineText
            color: "#26282a" // the text colour of the dialogs' labels
            font.pixelSize: 14
            topPadding: 4
            bottomPadding: 4
            leftPadding: 10
            rightPadding: 10
            elide: Text.ElideRight

            OperationProgress {
                objectName: "operationProgress"
                anchors.fill: parent
                session: calcSession
            }
        }
    }

    // Between the tool bar and the status line: the panels, and the flows and dialogs, which are
    // placed by this area as they were by the window's content item before.
    Item {
        id: contentArea
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: toolBar.bottom
        anchors.bottom: footer.top

        CalcPanel {
            id: calcPanel
            objectName: "calcPanel"
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            width: Math.max(255, root.width * 0.3)
            colors: appColors
            busy: root.busy
        }

        FilePanel {
            id: filePanel
            objectName: "filePanel"
            anchors.left: calcPanel.right
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            colors: appColors
            busy: root.busy
            calcConnected: root.calcConnected

            onDownloadRequested: downloadFlow.request()
            onSendRequested: sendFlow.request()
            onDeleteRequested: deleteFlow.request()
            onEditRequested: editorFlow.editCurrentRow()
            onNewRequested: editorFlow.showNew()
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

        Item {
            id: busyIndicator
            objectName: "busyIndicator"
            anchors.centerIn: parent
            width: 60
            height: 60
            // A transfer that reports its progress shows a bar instead.
            readonly property bool running: root.busy && !calcSession.hasProgress
            visible: running
            // The spinner is loaded the first time the window is busy.
            onRunningChanged: {
                if (running)
                    spinner.object()
            }
            LazyLoader {
                id: spinner
                document: "Spinner.qml"
                initialProperties: ({ host: busyIndicator })
            }
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
            initialProperties: ({ objectName: "aboutDialog", parent: contentArea, colors: appColors })
        }

        // The only box that is not modal; closing it clears the error so the next one opens it again.
        LazyLoader {
            id: errorMessageDialog
            document: "MessageBox.qml"
            initialProperties: ({ objectName: "errorMessageDialog", title: "Error", modal: false })
            onLoaded: item.text = Qt.binding(function () { return calcSession.error })
        }
        Connections {
            target: errorMessageDialog.item
            function onClosed() { calcSession.error = "" }
        }
    }
}
