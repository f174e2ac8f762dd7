import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.3
import "Texts.js" as Texts

// Find and replace under the program text. Matching runs on the calculator text as the
// highlighter reads it (every code as it is, U+00A0 included); ignoring case folds only the
// ASCII letters. The current match is the text area's selection.
Rectangle {
    id: findBar

    property Item textArea
    property QtObject highlighter
    property bool replacing: false
    property var matches: []
    // Index into matches of the selected match, or -1.
    property int current: -1
    property string replacedText: ""

    readonly property alias findText: findField.text
    // While the user types here, the match selected in the text is shown as focused.
    readonly property bool fieldFocused: findField.activeFocus || replaceField.activeFocus
    readonly property alias caseSensitive: caseToggle.checked
    readonly property string matchText: replacedText !== "" ? replacedText
                                      : findField.text === "" ? ""
                                      : matches.length === 0 ? qsTr("No matches")
                                      : current < 0 ? qsTr("%n matches", "", matches.length)
                                      //: The match selected, of how many
                                      : Texts.fill(qsTr("%1 of %2"), current + 1, matches.length)

    signal closed()

    // Shows the bar with the replace field or without, the find field focused and selected.
    function openBar(withReplace) {
        replacing = withReplace
        visible = true
        var selected = textArea.selectedText
        if (selected !== "" && selected.indexOf("\u2029") < 0)
            findField.text = selected
        findField.forceActiveFocus()
        findField.selectAll()
        refresh()
    }

    function close() {
        visible = false
        textArea.forceActiveFocus()
        closed()
    }

    function refresh() {
        replacedText = ""
        matches = visible ? highlighter.findAll(findField.text, caseToggle.checked) : []
        current = matches.indexOf(textArea.selectionStart)
        if (current >= 0 && textArea.selectionEnd - textArea.selectionStart !== findField.text.length)
            current = -1
    }

    function selectMatch(index) {
        // The text area reports the change of selection as a change of text, which refreshes
        // the matches from the old selection: the index is set last.
        textArea.select(matches[index], matches[index] + findField.text.length)
        current = index
    }

    // The next match after the selection, or the previous one before it, wrapping around.
    function find(forward) {
        refresh()
        if (matches.length === 0)
            return
        var i
        if (forward) {
            var after = textArea.selectionEnd
            for (i = 0; i < matches.length && matches[i] < after; ++i) {}
            selectMatch(i < matches.length ? i : 0)
        } else {
            var before = textArea.selectionStart
            for (i = matches.length - 1; i >= 0 && matches[i] >= before; --i) {}
            selectMatch(i >= 0 ? i : matches.length - 1)
        }
    }

    // While typing, the first match from the selection's start on, so it stays on its match.
    function findFromSelection() {
        refresh()
        if (matches.length === 0)
            return
        var from = textArea.selectionStart
        var i
        for (i = 0; i < matches.length && matches[i] < from; ++i) {}
        selectMatch(i < matches.length ? i : 0)
    }

    function replace() {
        refresh()
        if (current >= 0) {
            var start = matches[current]
            highlighter.replaceAt(start, findField.text.length, replaceField.text)
            textArea.select(start + replaceField.text.length, start + replaceField.text.length)
        }
        find(true)
    }

    function replaceAll() {
        var count = highlighter.replaceAll(findField.text, caseToggle.checked, replaceField.text)
        refresh()
        replacedText = qsTr("%n replaced", "how many matches were replaced", count)
    }

    visible: false
    implicitHeight: rows.implicitHeight + 8
    color: "#F3F4F6"

    Rectangle {
        width: parent.width
        height: 1
        color: "#D6D9DE"
    }

    Connections {
        target: findBar.visible ? findBar.textArea : null
        function onTextChanged() { findBar.refresh() }
    }

    component BarButton: Button {
        flat: true
        font.pixelSize: 13
        focusPolicy: Qt.NoFocus
    }

    GridLayout {
        id: rows
        anchors.fill: parent
        anchors.margins: 4
        anchors.leftMargin: 8
        columns: 5
        columnSpacing: 6
        rowSpacing: 2

        TextField {
            id: findField
            objectName: "findField"
            Layout.fillWidth: true
            Layout.preferredWidth: 240
            placeholderText: qsTr("Find")
            font.family: findBar.textArea.font.family // what is sought is calculator text
            font.pixelSize: 14
            selectByMouse: true
            onTextEdited: findBar.findFromSelection()
            Keys.onReturnPressed: function (event) {
                findBar.find(!(event.modifiers & Qt.ShiftModifier))
            }
            Keys.onEnterPressed: function (event) {
                findBar.find(!(event.modifiers & Qt.ShiftModifier))
            }
        }
        Label {
            id: matchLabel
            objectName: "findMatchLabel"
            Layout.minimumWidth: 90
            text: findBar.matchText
            font.pixelSize: 13
            color: "#000000"
        }
        BarButton {
            objectName: "findPreviousButton"
            text: qsTr("Previous")
            onClicked: findBar.find(false)
        }
        BarButton {
            objectName: "findNextButton"
            text: qsTr("Next")
            onClicked: findBar.find(true)
        }
        RowLayout {
            CheckBox {
                id: caseToggle
                objectName: "findCaseToggle"
                text: qsTr("Match case")
                font.pixelSize: 13
                focusPolicy: Qt.NoFocus
                onToggled: findBar.findFromSelection()
            }
            Item { Layout.fillWidth: true }
            BarButton {
                objectName: "findCloseButton"
                text: qsTr("Close")
                onClicked: findBar.close()
            }
        }

        TextField {
            id: replaceField
            objectName: "replaceField"
            visible: findBar.replacing
            Layout.fillWidth: true
            placeholderText: qsTr("Replace with")
            font.family: findBar.textArea.font.family
            font.pixelSize: 14
            selectByMouse: true
            Keys.onReturnPressed: findBar.replace()
            Keys.onEnterPressed: findBar.replace()
        }
        Item { visible: findBar.replacing; Layout.preferredHeight: 1 }
        BarButton {
            objectName: "replaceButton"
            visible: findBar.replacing
            text: qsTr("Replace")
            onClicked: findBar.replace()
        }
        BarButton {
            objectName: "replaceAllButton"
            visible: findBar.replacing
            text: qsTr("Replace all")
            onClicked: findBar.replaceAll()
        }
        Item { visible: findBar.replacing; Layout.preferredHeight: 1 }
    }
}
