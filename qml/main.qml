import QtQml 2.15
import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3
import QtQuick.Window 2.1
import QtQuick.Dialogs 1.3 as Choosers

// Main window: attached calculators on the left, the selected one's files on the right, the
// tool bar above and the status line below. The session does the work; the window asks the
// questions, one dialog at a time, and hands the answers back.
ApplicationWindow {
    id: root
    objectName: "root"

    // Path of the temporary backup archive waiting for a save location.
    property string backupFile: ""
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
        background: MenuBackground {}
        contentItem: Item {
            Image {
                anchors.centerIn: parent
                width: 24
                height: 24
                source: menuButton.image
                smooth: true
                mipmap: true
                opacity: menuButton.enabled ? 1.0 : 0.35
            }
        }
        ToolTip.visible: hovered && !tipHidden
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

    function addSelectedRows() {
        var rows = filePanel.selectedRows()
        for (var i = 0; i < rows.length; ++i)
            calcSession.addSelected(rows[i])
    }

    function requestDownload() {
        if (!filePanel.hasSelection) {
            setStatus("No files selected for downloading")
            return
        }
        clearStatus()
        choseFolderDialog.open()
    }
    function requestSend() {
        if (!calcConnected) {
            setStatus("Calculator is not connected")
            return
        }
        clearStatus()
        choseFileDialog.open()
    }
    function requestDelete() {
        if (!filePanel.hasSelection) {
            setStatus("No files selected for deleting")
            return
        }
        clearStatus()
        var text = "Do you want to delete next files:"
        var rows = filePanel.selectedRows()
        for (var i = 0; i < rows.length; ++i)
            text += "\n" + fileModel.getName(rows[i])
        doYouWantDeleteItDialog.text = text + "?"
        doYouWantDeleteItDialog.open()
    }
    function editCurrentRow() {
        var row = filePanel.currentRow
        console.log(windowLog, "Starting editor for exist file, row = " + row)
        if (row < 0) {
            setStatus("No file selected for editing")
            return
        }
        filePanel.selectOnly(row)
        calcSession.downloadForEdit(row)
    }
    function showNewEditor() {
        console.log(windowLog, "Starting editor for new file")
        editor.visible = true
    }
    function sendUrls(urls) {
        // Empty files of an earlier, abandoned send are not this send's business.
        while (calcSession.isToCalcZeroSizeCollision())
            calcSession.collisionToCalcZeroSizeFileName()
        calcSession.toCalcUrls(urls)
        processSendCollision()
    }

    // One step of a send: ask about the next pending collision or report the next empty file;
    // with nothing left to settle, start the transfer.
    function processSendCollision() {
        if (calcSession.isToCalcExistingCollision()) {
            doYouWantSendFile.text = "File " + calcSession.collisionToCalcFileName()
                    + " already exists on your calculator.\nDo you want to replace it?"
            doYouWantSendFile.open()
        } else if (calcSession.isToCalcNameCollision()) {
            fileNameWasChangeDialog.text = "The file name " + calcSession.getNameToCalcCollisionOld()
                    + " exceeds the allowed limit of " + (calcSession.maxFileNameLen - 4)
                    + " symbols for a file name and 3 symbols for an extension and will be changed to "
                    + calcSession.getNameToCalcCollisionNew()
            fileNameWasChangeDialog.open()
        } else if (calcSession.isToCalcZeroSizeCollision()) {
            zeroSizeFileWontBeSent.text = "File " + calcSession.collisionToCalcZeroSizeFileName()
                    + " is empty and won't be sent to the calculator."
            zeroSizeFileWontBeSent.open()
        } else {
            calcSession.sendFiles()
        }
    }

    // One step of a download: ask about the next file that exists in the folder, or start.
    function processDownloadCollision() {
        if (calcSession.isFromCalcCollision()) {
            doYouWantDownloadFile.text = "File " + calcSession.collisionFromCalcFileName()
                    + " already exists on your PC.\nDo you want to replace it?"
            doYouWantDownloadFile.open()
        } else {
            calcSession.downloadFiles()
        }
    }

    header: ToolBar {
        id: toolBar
        objectName: "toolBar"
        enabled: !root.busy

        RowLayout {
            anchors.fill: parent

            MenuButton {
                id: menuButton
                objectName: "menuButton"
                image: "qrc:/images/x1/menu.png"
                tip: "Menu"
                tipHidden: optionsMenu.visible
                onClicked: optionsMenu.open()

                Menu {
                    id: optionsMenu
                    objectName: "optionsMenu"
                    x: menuButton.width - width
                    y: menuButton.height
                    font.pixelSize: 15

                    MenuItem {
                        objectName: "aboutItem"
                        text: "About"
                        onTriggered: aboutDialog.open()
                    }
                    MenuItem {
                        objectName: "changeNameItem"
                        text: "Change device name"
                        onTriggered: {
                            if (!root.calcConnected) {
                                root.setStatus("Calculator is not connected")
                                return
                            }
                            root.clearStatus()
                            changeNameDialog.open()
                        }
                    }
                    MenuItem {
                        objectName: "closeItem"
                        text: "Close program"
                        onTriggered: root.close()
                    }
                }
            }
            MenuButton {
                objectName: "downloadButton"
                image: "qrc:/images/x1/download.png"
                tip: "Download selected files from calculator to PC"
                onClicked: root.requestDownload()
            }
            MenuButton {
                objectName: "sendButton"
                image: "qrc:/images/x1/send.png"
                tip: "Send files to calculator from PC"
                onClicked: root.requestSend()
            }
            MenuButton {
                objectName: "removeButton"
                image: "qrc:/images/x1/remove.png"
                tip: "Delete selected files"
                onClicked: root.requestDelete()
            }
            MenuButton {
                objectName: "editButton"
                image: "qrc:/images/x2/edit.png"
                tip: "Edit UlvoBasic program file"
                onClicked: root.editCurrentRow()
            }
            MenuButton {
                objectName: "newFileButton"
                image: "qrc:/images/x2/newFile.png"
                tip: "Create new UlvoBasic program file"
                onClicked: root.showNewEditor()
            }
            MenuButton {
                objectName: "createBackupButton"
                image: "qrc:/images/x2/create_backup.png"
                tip: "Create UlvoCalc backup"
                onClicked: {
                    if (!root.calcConnected) {
                        root.setStatus("Calculator is not connected")
                        return
                    }
                    console.log(windowLog, "Create backup")
                    calcSession.createBackup()
                }
            }
            MenuButton {
                objectName: "restoreBackupButton"
                image: "qrc:/images/x2/restore_backup.png"
                tip: "Restore UlvoCalc backup"
                onClicked: {
                    if (!root.calcConnected) {
                        root.setStatus("Calculator is not connected")
                        return
                    }
                    console.log(windowLog, "Restore backup")
                    chooseBackupDialog.open()
                }
            }
            Item {
                Layout.fillWidth: true
            }
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

        FilePanel {
            id: filePanel
            objectName: "filePanel"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: 300
            colors: appColors
            busy: root.busy
            calcConnected: root.calcConnected

            onDownloadRequested: root.requestDownload()
            onSendRequested: root.requestSend()
            onDeleteRequested: root.requestDelete()
            onEditRequested: root.editCurrentRow()
            onNewRequested: root.showNewEditor()
            onCopyRequested: {
                if (!root.calcConnected)
                    return
                root.addSelectedRows()
                calcSession.fromCalcUrls()
                clipboard.setUrls(calcSession.downloadFiles())
            }
            onPasteRequested: {
                if (root.calcConnected && clipboard.hasUrls())
                    root.sendUrls(clipboard.getUrls())
            }
            onUrlsDropped: function (urls) {
                root.sendUrls(urls)
            }
        }
    }

    BusyIndicator {
        objectName: "busyIndicator"
        anchors.centerIn: content
        // A transfer that reports its progress shows a bar instead.
        running: root.busy && !calcSession.hasProgress
        visible: running
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
            objectName: "operationProgress"
            anchors.fill: parent
            session: calcSession
        }
    }

    Editor {
        id: editor
        objectName: "editor"

        onSendFile: function (fileName, fileData) {
            console.log(windowLog, "onSendFile invoked(fileName: " + fileName + ")")
            if (!root.calcConnected) {
                calcSession.onStatusChange("No calculator is connected")
                editor.setStatus("Calculator is not connected")
                editor.textModified = true
                return
            }
            // The send runs as an operation; its outcome arrives with fileFromEditSent. A refused
            // request (calculator busy, none selected) says why on the status line.
            if (!calcSession.sendFileFromEdit(fileName, fileData)) {
                editor.setStatus(calcSession.statusLineText)
                editor.textModified = true // the text is kept nowhere else yet
            }
        }
        onSaveFile: function (filePath, fileData) {
            console.log(windowLog, "onSaveFile invoked(fileName: " + filePath + ")")
            if (calcSession.saveFileOnComputer(filePath, fileData)) {
                editor.setStatus("File successfully saved")
            } else {
                editor.setStatus(calcSession.statusLineText)
                editor.textModified = true // the text is kept nowhere else yet
            }
        }
    }

    Connections {
        target: calcSession

        function onIndexChanged(oldIndex, newIndex) {
            filePanel.clearSelection()
        }
        function onOpenEditFromCalc(fileName, fileData) {
            console.log(windowLog, "onOpenEditFromCalc invoked")
            editor.loadFile(fileName, fileData)
            editor.visible = true
        }
        function onBackupLoaded(fileName) {
            console.log(windowLog, "onBackupLoaded invoked")
            root.backupFile = fileName
            backupSaveDialog.open()
        }
        function onFileFromEditSent(fileName, sent) {
            if (sent) {
                editor.setStatus("File successfully sent to the device")
            } else {
                editor.setStatus("File was not sent: " + calcSession.error)
                editor.textModified = true // the text is kept nowhere else yet
            }
        }
    }

    // Send flow

    Choosers.FileDialog {
        id: choseFileDialog
        objectName: "choseFileDialog"
        title: "Please choose files"
        selectMultiple: true
        nameFilters: ["Ulvo Calc files (*.ucb *.bin *.txt)", "All files (*)"]
        folder: shortcuts.home
        onAccepted: root.sendUrls(fileUrls)
        onRejected: root.setStatus("Sending files was cancelled")
    }

    MessageBox {
        id: doYouWantSendFile
        objectName: "doYouWantSendFile"
        title: "File collision"
        standardButtons: Dialog.Yes | Dialog.No
        onAccepted: {
            calcSession.releaseToCalcCollision(true)
            root.processSendCollision()
        }
        onRejected: {
            calcSession.releaseToCalcCollision(false)
            root.processSendCollision()
        }
    }

    // Dismissing the notice abandons the send.
    MessageBox {
        id: fileNameWasChangeDialog
        objectName: "fileNameWasChangeDialog"
        title: "Warning"
        standardButtons: Dialog.Ok
        onAccepted: root.processSendCollision()
    }

    // A report only: whichever way it closes, the send goes on with the other files.
    MessageBox {
        id: zeroSizeFileWontBeSent
        objectName: "zeroSizeFileWontBeSent"
        title: "Send zero-length file"
        standardButtons: Dialog.Ok
        onAccepted: root.processSendCollision()
        onRejected: root.processSendCollision()
    }

    // Download flow

    Choosers.FileDialog {
        id: choseFolderDialog
        objectName: "choseFolderDialog"
        title: "Please choose a folder to save files"
        selectFolder: true
        folder: shortcuts.home
        onAccepted: {
            root.addSelectedRows()
            calcSession.fromCalcUrls(true, fileUrl)
            root.processDownloadCollision()
        }
        onRejected: root.setStatus("Downloading files was cancelled")
    }

    MessageBox {
        id: doYouWantDownloadFile
        objectName: "doYouWantDownloadFile"
        title: "File collision"
        standardButtons: Dialog.Yes | Dialog.No
        onAccepted: {
            calcSession.releaseFromCalcCollision(true)
            root.processDownloadCollision()
        }
        onRejected: {
            calcSession.releaseFromCalcCollision(false)
            root.processDownloadCollision()
        }
    }

    // Maintenance

    MessageBox {
        id: doYouWantDeleteItDialog
        objectName: "doYouWantDeleteItDialog"
        title: "Deleting"
        standardButtons: Dialog.Yes | Dialog.No
        onAccepted: {
            root.addSelectedRows()
            calcSession.deleteSelectedFiles()
            filePanel.clearSelection()
        }
    }

    ChangeNameDialog {
        id: changeNameDialog
        objectName: "changeNameDialog"
        colors: appColors
        onNameChosen: function (name) {
            calcSession.changeCalcName(name)
        }
    }

    Choosers.FileDialog {
        id: backupSaveDialog
        objectName: "backupSaveDialog"
        title: "Save backup file"
        selectExisting: false
        nameFilters: ["UlvoCalc backup files (*.ubk)"]
        defaultSuffix: "ubk"
        folder: shortcuts.home
        onAccepted: {
            var name = calcSession.fileNameFromUrl(fileUrl)
            if (name === "" || name === ".ubk") {
                root.setStatus("Empty file name")
                calcSession.removeFile(root.backupFile)
                return
            }
            if (!name.endsWith(".ubk"))
                name += ".ubk"
            var path = calcSession.fileDirFromUrl(fileUrl) + name
            if (!calcSession.renameBackup(root.backupFile, path)) {
                // Keep the archive where it is: it is the only copy of the backup.
                root.setStatus("Error: Can't save backup on the path: " + path
                               + " (the backup stays in " + root.backupFile + ")")
                return
            }
            root.setStatus("Backup saved on the path: " + path)
            calcSession.removeFile(root.backupFile)
        }
        onRejected: calcSession.removeFile(root.backupFile)
    }

    Choosers.FileDialog {
        id: chooseBackupDialog
        objectName: "chooseBackupDialog"
        title: "Please choose backup file location"
        selectMultiple: false
        nameFilters: ["Ulvo Calc backup files (*.ubk)"]
        folder: shortcuts.home
        onAccepted: calcSession.restoreBackup(fileUrl)
        onRejected: root.setStatus("Sending backup files was cancelled")
    }

    // Information

    AboutDialog {
        id: aboutDialog
        objectName: "aboutDialog"
        colors: appColors
    }

    // The only box that is not modal; closing it clears the error so the next one opens it again.
    MessageBox {
        id: errorMessageDialog
        objectName: "errorMessageDialog"
        title: "Error"
        modal: false
        standardButtons: Dialog.Ok
        text: calcSession.error
        onTextChanged: {
            if (text !== "")
                open()
        }
        onClosed: calcSession.error = ""
    }
}
