import QtQuick 2.15
import QtQuick.Controls 2.5
import "Texts.js" as Texts

// The attached calculators; the highlight always sits on the model's current row, which the
// arrow keys move as a click does. Ctrl and Shift with a click or an arrow select several; each
// row shows its calculator's own progress and then the result of its last operation.
Rectangle {
    id: panel

    property var colors
    property bool busy: false
    readonly property alias count: fileListView.count
    readonly property alias listView: fileListView

    color: colors.listRectangleBack

    ScrollView {
        id: scrollView
        anchors.fill: parent
        Accessible.name: qsTr("Calculator list")
        ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
        // The style's bar, declared here to carry a name for screen readers.
        ScrollBar.vertical: ScrollBar {
            objectName: "calcListScrollBar"
            parent: scrollView
            x: scrollView.mirrored ? 0 : scrollView.width - width
            y: scrollView.topPadding
            height: scrollView.availableHeight
            Accessible.name: qsTr("Calculator list scroll bar")
        }

        ListView {
            id: fileListView
            objectName: "fileListView"
            width: panel.width
            enabled: !panel.busy
            opacity: panel.busy ? 0.5 : 1 // greyed out while an operation runs
            activeFocusOnTab: true
            model: calcModel
            spacing: 5
            currentIndex: calcModel.currentIndex
            highlightFollowsCurrentItem: true
            highlightMoveDuration: 0
            highlightResizeDuration: 0
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Calculators")

            // The model holds the selection: the keys move it there, and the list follows.
            function select(row) {
                if (count === 0)
                    return
                row = Math.max(0, Math.min(count - 1, row))
                calcModel.currentIndex = row // also narrows a selection of several to this row
                positionViewAtIndex(row, ListView.Contain)
            }
            Keys.onPressed: function (event) {
                var from = calcModel.currentIndex
                if (event.modifiers & Qt.ShiftModifier
                        && (event.key === Qt.Key_Up || event.key === Qt.Key_Down)) {
                    var to = Math.max(0, Math.min(count - 1, from + (event.key === Qt.Key_Up ? -1 : 1)))
                    calcModel.extendSelection(to)
                    positionViewAtIndex(to, ListView.Contain)
                    event.accepted = true
                    return
                }
                if (event.modifiers & Qt.ControlModifier) {
                    if (event.key === Qt.Key_A)
                        calcModel.selectAll()
                    else if (event.key === Qt.Key_Space)
                        calcModel.toggleSelected(from)
                    else
                        return
                    event.accepted = true
                    return
                }
                switch (event.key) {
                case Qt.Key_Up: select(from < 0 ? 0 : from - 1); break
                case Qt.Key_Down: select(from + 1); break
                case Qt.Key_Home: select(0); break
                case Qt.Key_End: select(count - 1); break
                default: return
                }
                event.accepted = true
            }

            highlight: Rectangle {
                visible: calcModel.currentIndex >= 0
                color: panel.colors.fileListViewSelectionBackTrans
                Rectangle {
                    width: 10
                    height: parent.height
                    anchors.right: parent.right
                    color: panel.colors.fileListViewSelectionStripe
                }
            }
            delegate: Rectangle {
                id: row
                readonly property bool isSelected: calcModel.selection.indexOf(index) >= 0
                width: ListView.view.width
                height: Math.max(50, nameText.height + (rowProgress.visible ? rowProgress.height : 0))
                // Rows selected besides the current one are tinted as the current one is.
                color: isSelected && index !== calcModel.currentIndex
                       ? panel.colors.fileListViewSelectionBackTrans : "transparent"
                Accessible.role: Accessible.ListItem
                //: A calculator's name, then the result of its last operation.
                Accessible.name: resultText !== "" ? Texts.fill(qsTr("%1, %2"), display, resultText) : display
                Accessible.selectable: true
                Accessible.selected: isSelected
                Accessible.onPressAction: fileListView.select(index)
                Accessible.onToggleAction: calcModel.toggleSelected(index)
                Text {
                    id: nameText
                    anchors.top: parent.top
                    anchors.topMargin: rowProgress.visible ? 0 : (parent.height - height) / 2
                    width: parent.width - 10 - resultMark.width
                    text: display
                    font.pixelSize: 26
                    leftPadding: 10
                    color: panel.colors.textDark
                    // A calculator still being contacted shows its port and a hint: room for both.
                    wrapMode: Text.WordWrap
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    Accessible.ignored: true // the row reads as this text already
                }
                // The running operation's share done, for this calculator alone.
                ProgressBar {
                    id: rowProgress
                    objectName: "calcRowProgress"
                    anchors.top: nameText.bottom
                    x: 10
                    width: parent.width - 30
                    visible: result === 1 && percent >= 0
                    from: 0
                    to: 100
                    value: Math.max(0, percent)
                    Accessible.name: Texts.fill(qsTr("%1 progress", "a calculator's progress bar"), display)
                }
                // The last operation's result: a mark, its text as tool tip.
                Label {
                    id: resultMark
                    objectName: "calcResultMark"
                    anchors.right: parent.right
                    anchors.rightMargin: 14
                    anchors.verticalCenter: parent.verticalCenter
                    visible: result >= 2
                    text: result === 2 ? "\u2714" : result === 3 ? "\u2716" : "\u25cb"
                    color: result === 3 ? "#c0392b" : "#1e8449"
                    font.pixelSize: 22
                    ToolTip.visible: resultHover.containsMouse && resultText !== ""
                    ToolTip.text: resultText
                    ToolTip.delay: 300
                    Accessible.name: resultText
                }
                MouseArea {
                    id: resultHover
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: function (mouse) {
                        if (mouse.modifiers & Qt.ControlModifier)
                            calcModel.toggleSelected(index)
                        else if (mouse.modifiers & Qt.ShiftModifier)
                            calcModel.extendSelection(index)
                        else
                            calcModel.currentIndex = index
                        fileListView.forceActiveFocus()
                    }
                }
            }
        }
    }

    // Where the keyboard is: the list framed while it has the focus.
    Rectangle {
        objectName: "calcListFocusFrame"
        anchors.fill: parent
        visible: fileListView.activeFocus
        color: "transparent"
        border.width: 2
        border.color: panel.colors.focusFrame
    }
}
