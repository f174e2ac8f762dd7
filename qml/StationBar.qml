import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.15
import "Texts.js" as Texts

// Above the file table while the station runs: the files it sends, how many calculators it has
// served and how many failed, and Stop.
Rectangle {
    id: bar

    property var colors

    visible: calcSession.stationActive
    implicitHeight: visible ? row.implicitHeight + 12 : 0
    color: colors.tableRowFirst
    Accessible.role: Accessible.StatusBar
    Accessible.name: Texts.fill(qsTr("Station: %1"), label.text)

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.margins: 6
        Label {
            id: label
            objectName: "stationText"
            Layout.fillWidth: true
            elide: Text.ElideRight
            font.pixelSize: 14
            //: %1: the files' names; %2, %3: how many calculators have got them and how many have failed
            text: Texts.fill(qsTr("Sending %1 to each calculator plugged in \u2014 %2 done, %3 failed"),
                             calcSession.stationFiles, calcSession.stationDone, calcSession.stationFailed)
        }
        Button {
            objectName: "stationStopButton"
            text: qsTr("Stop")
            Accessible.name: qsTr("Stop sending to each calculator plugged in")
            onClicked: calcSession.stopStation()
        }
    }
}
