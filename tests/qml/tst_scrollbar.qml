import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The plain scroll bar of the window's lists, over a list of 100 rows of 20 px in a 200 px view:
// the handle follows the list, dragging it and pressing the track scroll, the wheel scrolls, and
// a list that fits takes no pointer input.
Item {
    width: 300
    height: 300

    ListView {
        id: list
        width: 200
        height: 200
        clip: true
        model: 100
        delegate: Rectangle { width: 200; height: 20 }
    }

    VerticalScrollBar {
        id: bar
        x: 200
        width: 18
        height: 200
        flickable: list
        track: Rectangle { color: "#dddddd" }
        handle: Rectangle { color: "#a0a0a0" }
    }

    TestCase {
        name: "VerticalScrollBar"
        when: windowShown

        readonly property real range: 100 * 20 - 200

        function handle() {
            return findChild(bar, "scrollBarHandle")
        }

        function init() {
            list.model = 100
            list.contentY = 0
            compare(bar.scrollable, true)
        }

        function test_handleFollowsList_data() {
            return [
                { tag: "top", contentY: 0, handleY: 0 },
                { tag: "middle", contentY: 900, handleY: (200 - 20) / 2 },
                { tag: "bottom", contentY: 1800, handleY: 200 - 20 }
            ]
        }
        function test_handleFollowsList(data) {
            // 200 of 2000 px shown: a tenth of the bar, 20 px.
            compare(handle().height, 20)
            list.contentY = data.contentY
            compare(handle().y, data.handleY)
        }

        function test_shortHandleKeepsItsMinimum() {
            list.model = 1000
            compare(handle().height, bar.minimumHandleLength)
            list.contentY = list.contentHeight - list.height
            compare(handle().y + handle().height, bar.height)
        }

        function test_dragScrolls() {
            mousePress(handle(), 5, 5)
            mouseMove(handle(), 5, 5 + 90)
            compare(list.contentY, range / 2)
            mouseMove(handle(), 5, 5 + 1000) // far past the end: stops at the last row
            compare(list.contentY, range)
            compare(bar.pressed, true)
            mouseRelease(handle(), 5, 5)
            compare(bar.pressed, false)
        }

        function test_trackPressPages_data() {
            return [
                { tag: "below the handle", startY: 0, pressY: 150, contentY: 200 },
                { tag: "above the handle", startY: 1000, pressY: 10, contentY: 800 },
                { tag: "stops at the end", startY: 1700, pressY: 199, contentY: 1800 }
            ]
        }
        function test_trackPressPages(data) {
            list.contentY = data.startY
            mouseClick(bar, 9, data.pressY)
            compare(list.contentY, data.contentY)
        }

        function test_wheelScrolls() {
            mouseWheel(bar, 9, 100, 0, -120)
            compare(list.contentY, 60)
            mouseWheel(bar, 9, 100, 0, 240)
            compare(list.contentY, 0)
        }

        function test_fittingListTakesNoInput() {
            list.model = 5
            compare(bar.scrollable, false)
            compare(handle().visible, false)
            mouseClick(bar, 9, 150)
            mouseWheel(bar, 9, 100, 0, -120)
            compare(list.contentY, 0)
        }
    }
}
