import QtQml 2.15
import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls 1.4 as Controls1
import QtQuick.Controls.Styles 1.4 as Styles1
import QtQuick.Dialogs 1.3 as Dialogs1
import QtQuick.Layouts 1.3
import QtQuick.Window 2.15
import SyntaxHighlighter 1.0
import "BracketColouring.js" as BracketColouring
import "Texts.js" as Texts

// The UlvoBasic program editor: the function catalogue on the left, the program text on the
// right. The text is calculator text, one character per calculator code, drawn in the code font,
// as are the catalogue's names and descriptions; the window's own words use the application font. Saving and sending are signalled to the main window, which hands them
// to the session. Reads the main window's appColors, menuStyle and root geometry by name.
ApplicationWindow {
    id: editorWindow
    objectName: "editor"

    property string fileName: ""
    property string fileDir: ""
    property bool textModified: false

    signal sendFile(string fileName, string fileData)
    signal saveFile(string filePath, string fileData)

    // The code font draws codes 0x7F to 0xE2 as the calculator's symbols: for calculator text only.
    readonly property string codeFontFamily: codeFont.name
    FontLoader {
        id: codeFont
        source: "qrc:/fonts/UlvoCodeSaverFont.ttf"
    }

    readonly property string sendNamePattern: "^[0-9A-Za-z]{1," + calcSession.maxBaseNameLen + "}$"
    // The file to open once the user has agreed to drop unsaved changes.
    property url pendingOpenUrl
    readonly property var programNameFilters: [qsTr("UlvoBasic files (*.ucb)"), qsTr("Plain text (*.txt)"),
                                                qsTr("All files (*)")]

    width: 1200
    height: 800
    minimumWidth: 720
    minimumHeight: 480
    maximumWidth: Screen.width
    maximumHeight: Screen.height
    visible: false
    modality: Qt.ApplicationModal
    //: %1: the file's name, with a "*" after it while it has unsaved changes
    title: Texts.fill(qsTr("UlvoBasic Editor: %1"), fileName + (textModified ? "*" : ""))

    function loadFile(file, fileText) {
        console.log(editorLog, "EditorFromCalc load file: " + file)
        fileName = file
        fileDir = ""
        showProgram(fileText)
        textModified = false
    }

    // Replaces the text by a whole program. Colouring follows in steps, so that the program shows
    // at once however long it is.
    function showProgram(text) {
        syntaxHighlighter.deferHighlighting()
        textArea.remove(0, textArea.length)
        textArea.append(text)
        syntaxHighlighter.resumeHighlighting()
    }

    function setStatus(status) {
        statusLine.showsCalculatorText = false
        statusLine.text = status
    }

    // Opens a program file of the computer (a file URL), asking first when the text holds unsaved
    // changes, as closing does.
    function openFromComputer(fileUrl) {
        if (textArea.length > 0 && textModified) {
            pendingOpenUrl = fileUrl
            openUnsavedDialog.open()
            return
        }
        loadFromComputer(fileUrl)
    }

    // Reads the file as a download from the calculator is read; the text then stands as if saved
    // there. A file that cannot be read leaves the text as it was.
    function loadFromComputer(fileUrl) {
        var dir = calcSession.fileDirFromUrl(fileUrl)
        var name = calcSession.fileNameFromUrl(fileUrl)
        var text = calcSession.openFileOnComputer(dir + name)
        if (text === undefined) {
            setStatus(calcSession.statusLineText)
            return false
        }
        console.log(editorLog, "Editor: opened file from computer: " + dir + name)
        showProgram(text)
        textArea.cursorPosition = 0
        fileName = name
        fileDir = dir
        textModified = false
        setStatus(qsTr("File successfully opened"))
        return true
    }

    function showOpenDialog() {
        console.log(editorLog, "Editor: opening file from computer")
        ucbOpenDialog.folder = fileDir !== "" ? localFolderUrl(fileDir)
                                              : (ucbOpenDialog.shortcuts.home || "file:///")
        ucbOpenDialog.open()
    }

    function openGoToLine() {
        goToLineField.text = String(lineGutter.currentLine)
        goToLineDialog.open()
    }

    function goToLine(lineNumber) {
        var position = syntaxHighlighter.lineStart(lineNumber)
        if (position < 0)
            return
        textArea.select(position, position)
        textArea.forceActiveFocus()
    }

    // Replaces the selection, if any, by token at the cursor. A CR in the token is a line break.
    function insertToken(token) {
        if (textArea.selectionStart !== textArea.selectionEnd)
            textArea.remove(textArea.selectionStart, textArea.selectionEnd)
        textArea.insert(textArea.cursorPosition, token)
    }

    // The name the send dialog proposes for the current fileName.
    function proposedSendName(name) {
        if (name === "")
            return "program"
        if (name.endsWith(".ucb"))
            return name.slice(0, -4)
        return name
    }

    // Encoded, so that a "#", "?" or "%" in a folder name stays part of the path.
    function localFolderUrl(folder) {
        var path = encodeURI(folder).replace(/#/g, "%23").replace(/\?/g, "%3F")
        return "file://" + (folder.startsWith("/") ? "" : "/") + path
    }

    function acceptSaveDialog() {
        var url = ucbSaveDialog.fileUrl
        fileName = calcSession.fileNameFromUrl(url)
        if (fileName === "") {
            setStatus(qsTr("Empty file name"))
            return
        }
        // Case-sensitive on purpose: "PROG.UCB" saved as a program becomes "PROG.UCB.ucb".
        var filterIndex = ucbSaveDialog.selectedNameFilterIndex
        if (filterIndex === 0 && !fileName.endsWith(".ucb"))
            fileName += ".ucb"
        else if (filterIndex === 1 && !fileName.endsWith(".txt"))
            fileName += ".txt"
        fileDir = calcSession.fileDirFromUrl(url)
        console.log(editorLog, "EditorFromCalc save file localy: " + fileDir + fileName)
        // Cleared before the hand-over: the receiver marks the text modified again when the
        // save fails, so closing still asks.
        textModified = false
        saveFile(fileDir + fileName, syntaxHighlighter.calculatorText())
    }

    function acceptSendDialog() {
        var name = ucbSendDialogFileName.text
        if (name === "") {
            setStatus(qsTr("Empty file name"))
            return
        }
        if (!new RegExp(sendNamePattern).test(name)) {
            setStatus(qsTr("Error: file name must contain only numbers and latin letters"))
            return
        }
        console.log(editorLog, "Editor: Sending file to calculator")
        fileName = name + ".ucb"
        setStatus(Texts.fill(qsTr("Sending file %1..."), fileName))
        if (calcSession.isFileExist(fileName)) {
            doYouWantSendFileText.text = Texts.fill(
                    qsTr("File %1 already exists on your calculator.\nDo you want to replace it?"), fileName)
            doYouWantSendFile.open()
            return
        }
        textModified = false
        sendFile(fileName, syntaxHighlighter.calculatorText())
    }

    onVisibleChanged: {
        if (visible) {
            statusLine.text = qsTr("UlvoBasic editor ready")
            showNormal()
            textArea.forceActiveFocus()
        }
    }

    onClosing: function (close) {
        console.log(editorLog, "Editor onClosing event")
        if (textArea.length > 0 && textModified) {
            console.log(editorLog, "Editor closing stop")
            quitDialog.open()
            close.accepted = false
            return
        }
        console.log(editorLog, "Editor closing...")
        textArea.remove(0, textArea.length)
        fileName = ""
        fileDir = ""
    }

    onFileNameChanged: ucbSendDialogFileName.text = proposedSendName(fileName)

    // Diagnostic lines: silent unless enabled, e.g. QT_LOGGING_RULES="ulvo.editor.debug=true".
    LoggingCategory {
        id: editorLog
        name: "ulvo.editor"
        defaultLogLevel: LoggingCategory.Critical
    }

    Component.onCompleted: {
        ucbSendDialogFileName.text = proposedSendName(fileName)
        console.log(editorLog, "Editor completed")
    }
    Component.onDestruction: console.log(editorLog, "Editor destroyed")

    // A tool bar button: transparent, tinted while hovered or pressed, its tool tip after a rest.
    component EditorToolButton: ToolButton {
        property string iconSource
        property string toolTip

        implicitWidth: menuStyle.size
        implicitHeight: menuStyle.size
        Layout.fillHeight: true
        icon.source: iconSource
        icon.color: "transparent"
        icon.width: 24
        icon.height: 24
        background: Rectangle {
            color: parent.pressed ? appColors.changeNameDialogSelectionTrans
                                  : parent.hovered ? appColors.fileListViewSelectionBackTrans
                                                   : "transparent"
        }
        ToolTip.visible: hovered
        ToolTip.delay: 1000
        ToolTip.text: toolTip
    }

    header: ToolBar {
        RowLayout {
            anchors.fill: parent
            spacing: 5

            EditorToolButton {
                id: quitButton
                objectName: "quitButton"
                iconSource: "qrc:/images/x2/del.png"
                toolTip: qsTr("Close UlvoBasic editor")
                onClicked: editorWindow.close()
            }
            EditorToolButton {
                id: openLocalButton
                objectName: "openLocalButton"
                iconSource: "qrc:/images/x1/open.png"
                toolTip: qsTr("Open program from computer")
                onClicked: editorWindow.showOpenDialog()
            }
            EditorToolButton {
                id: saveLocalButton
                objectName: "saveLocalButton"
                iconSource: "qrc:/images/x1/save.png"
                toolTip: qsTr("Save program on computer")
                onClicked: {
                    console.log(editorLog, "Editor: saving file on computer")
                    // Set on each opening: the dialog itself moves its folder while browsing.
                    ucbSaveDialog.folder = fileDir !== "" ? localFolderUrl(fileDir)
                                                          : (ucbSaveDialog.shortcuts.home || "file:///")
                    ucbSaveDialog.open()
                }
            }
            EditorToolButton {
                id: saveCalcButton
                objectName: "saveCalcButton"
                iconSource: "qrc:/images/x1/send.png"
                toolTip: qsTr("Send program to device")
                onClicked: {
                    console.log(editorLog, "Editor: sending file to calculator")
                    ucbSendDialog.open()
                }
            }
            Item {
                Layout.fillWidth: true
            }
        }
    }

    footer: Label {
        id: statusLine
        objectName: "statusLine"
        // A catalogue description is calculator text; the editor's messages are not.
        property bool showsCalculatorText: false
        font.family: showsCalculatorText ? editorWindow.codeFontFamily : Qt.application.font.family
        font.pixelSize: 14
        color: appColors.textDark
        verticalAlignment: Text.AlignVCenter
        topPadding: 4
        bottomPadding: 4
        leftPadding: 10
        rightPadding: 10
        background: Rectangle {
            color: appColors.tableRowFirst
        }

        OperationProgress {
            objectName: "editorProgress"
            anchors.fill: parent
            session: typeof calcSession !== "undefined" ? calcSession : null
            kinds: ["editorOpen", "editorSend"]
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.fillHeight: true
            Layout.preferredWidth: editorWindow.width * 0.4
            color: appColors.listRectangleBack

            Controls1.TreeView {
                id: funcTree
                objectName: "funcTree"
                anchors.fill: parent
                model: funcModel
                backgroundVisible: false
                selectionMode: Controls1.SelectionMode.SingleSelection
                // Both are read by the header to keep its title centred over the rows.
                readonly property bool verticalScrollBarShown:
                    flickableItem.contentHeight > flickableItem.height

                Controls1.TableViewColumn {
                    role: "name"
                    title: qsTr("UlvoBasic Functions")
                    movable: false
                    resizable: false
                    width: funcTree.viewport.width
                }

                style: Styles1.TreeViewStyle {
                    indentation: 20
                    backgroundColor: "transparent"
                    alternateBackgroundColor: "transparent"
                    branchDelegate: Item {
                        width: 20
                        height: 24
                        Text {
                            anchors.centerIn: parent
                            visible: styleData.column === 0 && styleData.hasChildren
                            text: styleData.isExpanded ? "\u25BC" : "\u25B6"
                            color: appColors.textDark
                            font.pixelSize: 12
                        }
                    }
                }

                itemDelegate: Text {
                    text: styleData.value ? styleData.value.funcName : ""
                    verticalAlignment: Text.AlignVCenter
                    elide: styleData.elideMode
                    font.family: editorWindow.codeFontFamily
                    font.pixelSize: 15
                    font.bold: styleData.hasChildren
                    color: appColors.textDark
                }

                rowDelegate: Rectangle {
                    height: 24
                    color: styleData.selected
                           ? Qt.tint(appColors.tableRowSecond,
                                     funcTree.activeFocus ? appColors.changeNameDialogSelectionTrans
                                                          : appColors.changeNameDialogSelectionBWTrans)
                           : appColors.tableRowSecond
                }

                headerDelegate: Rectangle {
                    height: 24
                    gradient: Gradient {
                        GradientStop { position: 0.0; color: appColors.headerTableUp }
                        GradientStop { position: 1.0; color: appColors.headerTableBottom }
                    }
                    border.width: 1
                    border.color: appColors.headerTableBorder
                    Text {
                        anchors.fill: parent
                        rightPadding: funcTree.verticalScrollBarShown ? 0 : 20
                        text: styleData.value
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        font.pixelSize: 16
                        color: appColors.textDark
                    }
                }

                onCurrentIndexChanged: {
                    var node = funcModel.data(currentIndex, 257)
                    if (node) {
                        statusLine.showsCalculatorText = true
                        statusLine.text = node.funcDesc
                    }
                }

                onActivated: function (index) {
                    if (funcModel.rowCount(index) > 0)
                        return
                    var node = funcModel.data(index, 257)
                    if (node)
                        editorWindow.insertToken(node.funcName)
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            color: appColors.tableRowFirst

            LineNumberGutter {
                id: lineGutter
                objectName: "lineGutter"
                anchors.left: parent.left
                anchors.top: textFlick.top
                anchors.bottom: textFlick.bottom
                textArea: textArea
                flickable: textFlick
            }

            Flickable {
                id: textFlick
                anchors.left: lineGutter.right
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.bottom: findBar.visible ? findBar.top : parent.bottom
                // A margin outside the scrolled area, so that scrolling back to the cursor at a
                // line start shows the whole first column.
                anchors.leftMargin: 6
                anchors.topMargin: 4
                clip: true
                contentWidth: Math.max(textArea.contentWidth, width)
                contentHeight: textArea.height
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}
                ScrollBar.horizontal: ScrollBar {}

                // Scrolls the least amount that shows rect.
                function ensureVisible(rect) {
                    if (contentX >= rect.x)
                        contentX = rect.x
                    else if (contentX + width <= rect.x + rect.width)
                        contentX = rect.x + rect.width - width
                    if (contentY >= rect.y)
                        contentY = rect.y
                    else if (contentY + height <= rect.y + rect.height)
                        contentY = rect.y + rect.height - height
                }

                // The current line, lightly marked behind the text.
                Rectangle {
                    objectName: "currentLineMark"
                    y: textArea.cursorRectangle.y
                    width: Math.max(textArea.width, textFlick.width)
                    height: textArea.cursorRectangle.height
                    color: "#EEF3FA"
                }

                TextEdit {
                    id: textArea
                    objectName: "textArea"
                    // The natural size is read as contentWidth and contentHeight: reading implicitWidth
                    // makes the text area lay out the whole document twice on every change. The
                    // width grows in wide steps, as each change of it lays out the whole document
                    // again; the flickable area scrolls over the natural width only.
                    width: Math.max(Math.ceil(contentWidth / widthStep) * widthStep, textFlick.width)
                    readonly property int widthStep: 1024
                    height: Math.max(contentHeight, textFlick.height)
                    textFormat: TextEdit.PlainText
                    wrapMode: TextEdit.NoWrap
                    focus: true
                    selectByMouse: true
                    persistentSelection: true
                    color: appColors.textDark
                    selectedTextColor: appColors.textDark
                    selectionColor: activeFocus || findBar.fieldFocused
                                    ? appColors.changeNameDialogSelectionTrans
                                    : appColors.changeNameDialogSelectionBWTrans
                    font.family: editorWindow.codeFontFamily
                    font.pixelSize: 14

                    onTextChanged: editorWindow.textModified = true
                    onCursorRectangleChanged: textFlick.ensureVisible(cursorRectangle)

                    MouseArea {
                        anchors.fill: parent
                        acceptedButtons: Qt.RightButton
                        cursorShape: Qt.IBeamCursor
                        onClicked: textContextMenu.popup()
                    }
                }
            }

            FindBar {
                id: findBar
                objectName: "findBar"
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                textArea: textArea
                highlighter: syntaxHighlighter
            }

            Menu {
                id: textContextMenu
                objectName: "textContextMenu"
                MenuItem {
                    text: qsTr("Copy")
                    enabled: textArea.selectedText.length > 0
                    onTriggered: textArea.copy()
                }
                MenuItem {
                    text: qsTr("Cut")
                    enabled: textArea.selectedText.length > 0
                    onTriggered: textArea.cut()
                }
                MenuItem {
                    text: qsTr("Paste")
                    enabled: textArea.canPaste
                    onTriggered: textArea.paste()
                }
            }
        }
    }

    SyntaxHighlighter {
        id: syntaxHighlighter
        objectName: "syntaxHighlighter"
        textDocument: textArea.textDocument
        catalogue: typeof funcModel !== "undefined" ? funcModel : null
        tokenFormat: catalogueTokenFormat
        numberFormat: numberTokenFormat
        stringFormat: stringTokenFormat
        onHighlightBlock: BracketColouring.colourBlock(syntaxHighlighter, text,
            [bracketFormat0, bracketFormat1, bracketFormat2], bracketFormatError, editorLog)
    }
    TextCharFormat { id: bracketFormat0; foreground: "#015CC5" }
    TextCharFormat { id: bracketFormat1; foreground: "#8E44AD" }
    TextCharFormat { id: bracketFormat2; foreground: "#27AE60" }
    TextCharFormat { id: bracketFormatError; foreground: "#8B0000" }
    // The language's words; each has at least 4.5:1 contrast on the white text background.
    TextCharFormat { id: catalogueTokenFormat; objectName: "tokenFormat"; foreground: "#B5360A" }
    TextCharFormat { id: numberTokenFormat; objectName: "numberFormat"; foreground: "#0E7C7B" }
    TextCharFormat { id: stringTokenFormat; objectName: "stringFormat"; foreground: "#7D5A00" }

    Shortcut {
        sequence: StandardKey.Open
        onActivated: editorWindow.showOpenDialog()
    }
    Shortcut {
        sequence: StandardKey.Find
        onActivated: findBar.openBar(false)
    }
    Shortcut {
        sequence: "Ctrl+H"
        onActivated: findBar.openBar(true)
    }
    Shortcut {
        sequence: "Ctrl+L"
        onActivated: editorWindow.openGoToLine()
    }
    Shortcut {
        sequence: "F3"
        onActivated: findBar.visible ? findBar.find(true) : findBar.openBar(false)
    }
    Shortcut {
        sequence: "Shift+F3"
        onActivated: findBar.visible ? findBar.find(false) : findBar.openBar(false)
    }
    Shortcut {
        sequence: "Escape"
        // A dialog or menu on top takes its own Escape.
        enabled: findBar.visible && !(quitDialog.visible || openUnsavedDialog.visible
                                      || goToLineDialog.visible || ucbSendDialog.visible
                                      || doYouWantSendFile.visible || textContextMenu.visible)
        onActivated: findBar.close()
    }

    // Program files dropped from a file manager open as if chosen in the open dialog.
    DropArea {
        anchors.fill: parent
        onEntered: function (drag) {
            drag.accepted = drag.hasUrls
        }
        onDropped: function (drop) {
            if (!drop.hasUrls)
                return
            drop.accept(Qt.CopyAction)
            editorWindow.openFromComputer(drop.urls[0])
        }
    }

    Dialogs1.FileDialog {
        id: ucbOpenDialog
        objectName: "ucbOpenDialog"
        title: qsTr("Open program")
        selectExisting: true
        selectMultiple: false
        selectFolder: false
        nameFilters: programNameFilters
        selectedNameFilter: nameFilters[0]
        onAccepted: editorWindow.openFromComputer(fileUrl)
    }

    Dialogs1.FileDialog {
        id: ucbSaveDialog
        objectName: "ucbSaveDialog"
        title: qsTr("Save program")
        selectExisting: false
        selectMultiple: false
        selectFolder: false
        defaultSuffix: "ucb"
        nameFilters: programNameFilters
        selectedNameFilter: nameFilters[0]
        onAccepted: acceptSaveDialog()
    }

    Dialog {
        id: ucbSendDialog
        objectName: "ucbSendDialog"
        title: qsTr("Send program")
        width: 400
        modal: true
        x: (root.width - width) / 2
        y: root.height / 6
        standardButtons: Dialog.Ok | Dialog.Cancel

        onAboutToShow: {
            ucbSendDialogFileName.forceActiveFocus()
            ucbSendDialogFileName.selectAll()
        }
        onAccepted: acceptSendDialog()

        RowLayout {
            anchors.fill: parent

            Label {
                text: qsTr("Set file name: ")
            }
            TextField {
                id: ucbSendDialogFileName
                objectName: "ucbSendDialogFileName"
                placeholderText: qsTr("File name")
                font.pixelSize: 16
                selectByMouse: true
                selectionColor: appColors.changeNameDialogSelectionTrans
                Layout.preferredWidth: 100
                Layout.preferredHeight: 50
                Layout.fillWidth: true
                maximumLength: calcSession.maxFileNameLen
                validator: RegularExpressionValidator {
                    regularExpression: new RegExp(editorWindow.sendNamePattern)
                }
                // Reported only while the text matches the pattern.
                onAccepted: {
                    if (text.length > 0)
                        ucbSendDialog.accept()
                    else
                        ucbSendDialog.close()
                }
            }
            Label {
                text: ".ucb"
            }
        }
    }

    Dialog {
        id: doYouWantSendFile
        objectName: "doYouWantSendFile"
        title: qsTr("File collision")
        width: 300
        modal: true
        x: (root.width - width) / 2
        y: root.height / 6
        standardButtons: Dialog.Yes | Dialog.No

        onAccepted: {
            textModified = false
            sendFile(fileName, syntaxHighlighter.calculatorText())
        }
        onRejected: setStatus(Texts.fill(qsTr("Canceling saving file %1"), fileName))

        Label {
            id: doYouWantSendFileText
            objectName: "doYouWantSendFileText"
            width: parent.width
            wrapMode: Text.Wrap
            font.pixelSize: 12
        }
    }

    Dialog {
        id: openUnsavedDialog
        objectName: "openUnsavedDialog"
        title: qsTr("Open?")
        width: 300
        modal: true
        x: (root.width - width) / 2
        y: root.height / 6
        standardButtons: Dialog.Yes | Dialog.No

        onAccepted: editorWindow.loadFromComputer(pendingOpenUrl)

        Label {
            width: parent.width
            wrapMode: Text.Wrap
            font.pixelSize: 12
            text: qsTr("Do you want to open another program without saving?")
        }
    }

    Dialog {
        id: goToLineDialog
        objectName: "goToLineDialog"
        title: qsTr("Go to line")
        width: 300
        modal: true
        x: (root.width - width) / 2
        y: root.height / 6
        standardButtons: Dialog.Ok | Dialog.Cancel

        onAboutToShow: {
            goToLineField.forceActiveFocus()
            goToLineField.selectAll()
        }
        onAccepted: {
            var line = parseInt(goToLineField.text, 10)
            if (line > 0)
                editorWindow.goToLine(line)
        }
        onRejected: textArea.forceActiveFocus()

        RowLayout {
            anchors.fill: parent
            Label {
                text: Texts.fill(qsTr("Line (1-%1): "), textArea.lineCount)
            }
            TextField {
                id: goToLineField
                objectName: "goToLineField"
                Layout.fillWidth: true
                font.pixelSize: 16
                selectByMouse: true
                validator: IntValidator { bottom: 1 }
                onAccepted: goToLineDialog.accept()
            }
        }
    }

    Dialog {
        id: quitDialog
        objectName: "quitDialog"
        title: qsTr("Quit?")
        width: 300
        modal: true
        x: (root.width - width) / 2
        y: root.height / 6
        standardButtons: Dialog.Yes | Dialog.No

        onAccepted: {
            textModified = false
            editorWindow.close()
        }

        Label {
            width: parent.width
            wrapMode: Text.Wrap
            font.pixelSize: 12
            text: qsTr("Do you want to quit without saving?")
        }
    }
}
