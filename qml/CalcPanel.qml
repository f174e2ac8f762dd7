import QtQuick 2.15
import QtQuick.Controls 2.5

// The attached calculators; the highlight always sits on the model's current row, which the
// arrow keys move as a click does.
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
        Accessible.name: "Calculator list"
        ScrollBar.horizontal.policy: ScrollBar.AlwaysOff
        // The style's bar, declared here to carry a name for screen readers.
        ScrollBar.vertical: ScrollBar {
            objectName: "calcListScrollBar"
            parent: scrollView
            x: scrollView.mirrored ? 0 : scrollView.width - width
            y: scrollView.topPadding
            height: scrollView.availableHeight
            Accessible.name: "Calculator list scroll bar"
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
            Accessible.name: "Calculators"

            // The model holds the selection: the keys move it there, and the list follows.
            function select(row) {
                if (count === 0)
                    return
                row = Math.max(0, Math.min(count - 1, row))
                if (calcModel.currentIndex !== row)
                    calcModel.currentIndex = row
                positionViewAtIndex(row, ListView.Contain)
            }
            Keys.onPressed: function (event) {
                var from = calcModel.currentIndex
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
                width: ListView.view.width
                height: Math.max(50, nameText.height)
                color: "transparent"
                Accessible.role: Accessible.ListItem
                Accessible.name: display
                Accessible.selectable: true
                Accessible.selected: index === calcModel.currentIndex
                Accessible.onPressAction: fileListView.select(index)
                Text {
                    id: nameText
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - 10
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
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        if (calcModel.currentIndex !== index)
                            calcModel.currentIndex = index
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
