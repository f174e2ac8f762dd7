import QtQuick 2.15

// The attached calculators; the highlight always sits on the model's current row.
Rectangle {
    id: panel

    property var colors
    property bool busy: false
    readonly property alias count: fileListView.count
    readonly property alias listView: fileListView

    color: colors.listRectangleBack

    ListView {
        id: fileListView
        objectName: "fileListView"
        anchors.fill: parent
        clip: true
        enabled: !panel.busy
        opacity: panel.busy ? 0.5 : 1 // greyed out while an operation runs
        model: calcModel
        spacing: 5
        currentIndex: calcModel.currentIndex
        highlightFollowsCurrentItem: true
        highlightMoveDuration: 0
        highlightResizeDuration: 0
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

    // Thin and shown only while the list moves or the pointer is on it, so that it never covers
    // a name for long.
    VerticalScrollBar {
        id: scrollBar
        objectName: "calcListScrollBar"
        flickable: fileListView
        anchors.right: parent.right
        width: 10
        height: parent.height
        handle: Rectangle {
            id: handle
            x: 2
            width: 6
            radius: 3
            color: scrollBar.pressed ? "#353637" : "#bdbdbd"
            opacity: 0
            states: State {
                name: "active"
                when: scrollBar.pressed || scrollBar.hovered || fileListView.moving
                PropertyChanges { target: handle; opacity: 0.75 }
            }
            transitions: Transition {
                from: "active"
                SequentialAnimation {
                    PauseAnimation { duration: 450 }
                    NumberAnimation { target: handle; property: "opacity"; duration: 200; to: 0 }
                }
            }
        }
    }
}
