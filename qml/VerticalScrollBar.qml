import QtQuick 2.15

// A vertical scroll bar for a Flickable, of plain items: the window's lists show in its first
// frame, which should not wait for the Qt Quick Controls types. Drag the handle to scroll; a press
// on the track above or below it pages. The track and the handle are the caller's to draw.
Item {
    id: bar

    property Flickable flickable
    // Drawn under the handle, filling the bar.
    property Component track
    // Drawn as the handle, filling its area.
    property Component handle
    // The shortest the handle gets, however long the list.
    property int minimumHandleLength: 20

    readonly property bool scrollable: flickable !== null && flickable.contentHeight > flickable.height
    readonly property alias pressed: handleArea.pressed
    readonly property bool hovered: barArea.containsMouse || handleArea.containsMouse

    readonly property real scrollRange: scrollable ? flickable.contentHeight - flickable.height : 0
    readonly property real handleLength: !scrollable ? height
        : Math.min(height, Math.max(minimumHandleLength, height * flickable.height / flickable.contentHeight))
    readonly property real handlePosition: !scrollable ? 0
        : Math.max(0, Math.min(1, (flickable.contentY - flickable.originY) / scrollRange))

    function scrollTo(fraction) {
        if (!scrollable)
            return
        flickable.contentY = flickable.originY + Math.max(0, Math.min(1, fraction)) * scrollRange
    }
    function page(direction) {
        if (scrollable)
            scrollTo(handlePosition + direction * flickable.height / scrollRange)
    }

    Loader {
        anchors.fill: parent
        sourceComponent: bar.track
    }

    // Presses on the track page towards them, repeating while held, as desktop scroll bars do.
    MouseArea {
        id: barArea
        anchors.fill: parent
        enabled: bar.scrollable // else presses and the wheel belong to what is under the bar
        hoverEnabled: true
        property int direction: 0
        onPressed: function (mouse) {
            direction = mouse.y < handleItem.y ? -1 : 1
            bar.page(direction)
        }
        onReleased: direction = 0
        onCanceled: direction = 0
        // The list is not this bar's parent, so the wheel is passed on here.
        onWheel: function (wheel) {
            if (bar.scrollable)
                bar.scrollTo(bar.handlePosition - wheel.angleDelta.y / 120 * 60 / bar.scrollRange)
        }

        Timer {
            running: barArea.pressed && barArea.direction !== 0
            interval: 300
            repeat: true
            onTriggered: {
                var pointerY = barArea.mouseY
                if ((barArea.direction < 0 && pointerY < handleItem.y)
                        || (barArea.direction > 0 && pointerY > handleItem.y + handleItem.height))
                    bar.page(barArea.direction)
            }
        }
    }

    Item {
        id: handleItem
        objectName: "scrollBarHandle"
        width: bar.width
        height: bar.handleLength
        y: bar.handlePosition * (bar.height - height)
        visible: bar.scrollable

        Loader {
            anchors.fill: parent
            sourceComponent: bar.handle
        }

        MouseArea {
            id: handleArea
            anchors.fill: parent
            hoverEnabled: true
            property real grabY: 0
            property real grabPosition: 0
            onPressed: function (mouse) {
                grabY = mapToItem(bar, mouse.x, mouse.y).y
                grabPosition = bar.handlePosition
            }
            onPositionChanged: function (mouse) {
                if (!pressed)
                    return
                var travel = bar.height - handleItem.height
                if (travel > 0)
                    bar.scrollTo(grabPosition + (mapToItem(bar, mouse.x, mouse.y).y - grabY) / travel)
            }
        }
    }
}
