import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.15
import QtQuick.Window 2.15
import "Texts.js" as Texts

// The safety copies, newest first: calculator, date, kind, files and size. A copy is sent back
// to the calculator it came from or to the selected one; the folder opens in the file manager.
Dialog {
    id: dialog

    property var window: parent && parent.Window.window ? parent.Window.window : parent
    property var copies: []
    readonly property var current: list.currentIndex >= 0 ? copies[list.currentIndex] : null
    // The listed calculator the chosen copy came from; -1 when it is not attached.
    readonly property int originRow: current ? calcSession.calcRowOfCopy(current.calculator) : -1

    // row: the calculator list row to send to; -1 for the selected calculator.
    signal sendChosen(var copy, int row)

    title: qsTr("Safety copies")
    width: Math.min(700, window.width - 40)
    height: Math.min(420, window.height - 80)
    x: Math.round((parent.width - width) / 2)
    y: Math.round(window.height / 12)
    modal: true
    focus: true

    function reload() {
        copies = calcSession.safetyCopies()
        list.currentIndex = copies.length > 0 ? 0 : -1
    }

    onAboutToShow: reload()

    contentItem: ColumnLayout {
        spacing: 6

        Label {
            visible: dialog.copies.length === 0
            text: qsTr("No safety copies yet. A copy is kept before every delete and restore.")
            wrapMode: Text.Wrap
            font.pixelSize: 12
            Layout.fillWidth: true
        }

        ListView {
            id: list
            objectName: "safetyCopiesList"
            visible: dialog.copies.length > 0
            model: dialog.copies
            clip: true
            Layout.fillWidth: true
            Layout.fillHeight: true
            ScrollBar.vertical: ScrollBar {}
            header: Row {
                spacing: 0
                Repeater {
                    //: Column headings of the safety copies
                    model: [[qsTr("Date"), 150], [qsTr("Calculator"), 150], [qsTr("Kind", "delete or restore"), 120],
                            [qsTr("Files"), 60], [qsTr("Size", "a safety copy's size"), 90]]
                    Label {
                        width: modelData[1]
                        text: modelData[0]
                        font.pixelSize: 12
                        font.bold: true
                        padding: 4
                    }
                }
            }
            delegate: ItemDelegate {
                width: ListView.view.width
                highlighted: ListView.isCurrentItem
                padding: 0
                onClicked: list.currentIndex = index
                contentItem: Row {
                    Repeater {
                        model: [[modelData.date, 150], [modelData.calculator, 150], [modelData.kind, 120],
                                [modelData.files < 0 ? "?" : String(modelData.files), 60], [modelData.sizeText, 90]]
                        Label {
                            width: modelData[1]
                            text: modelData[0]
                            elide: Text.ElideRight
                            font.pixelSize: 12
                            padding: 4
                        }
                    }
                }
            }
        }

        Flow {
            spacing: 6
            Layout.fillWidth: true
            Button {
                objectName: "sendToOriginButton"
                text: dialog.current ? Texts.fill(qsTr("Send back to %1"), dialog.current.calculator) : qsTr("Send back")
                enabled: dialog.originRow >= 0
                onClicked: { dialog.close(); dialog.sendChosen(dialog.current, dialog.originRow) }
            }
            Button {
                objectName: "sendToSelectedButton"
                text: qsTr("Send to selected calculator")
                enabled: dialog.current !== null && calcModel.currentIndex >= 0
                onClicked: { dialog.close(); dialog.sendChosen(dialog.current, -1) }
            }
            Button {
                objectName: "openFolderButton"
                text: qsTr("Open folder")
                onClicked: Qt.openUrlExternally(calcSession.safetyFolderUrl())
            }
            Button {
                text: qsTr("Close")
                onClicked: dialog.close()
            }
        }
    }
}
