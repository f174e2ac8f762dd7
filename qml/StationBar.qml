import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.15

// Above the file table while the station runs: the files it sends, how many calculators it has
// served and how many failed, and Stop.
Rectangle {
    id: bar

    property var colors

    visible: calcSession.stationActive
    implicitHeight: visible ? row.implicitHeight + 12 : 0
    color: colors.tableRowFirst
    Accessible.role: Accessible.StatusBar
    Accessible.name: "Station: " + label.text

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
            text: "Sending " + calcSession.stationFiles + " to each calculator plugged in \u2014 "
                  + calcSession.stationDone + " done, " + calcSession.stationFailed + " failed"
        }
        Button {
            objectName: "stationStopButton"
            text: qsTr("Stop")
            Accessible.name: qsTr("Stop sending to each calculator plugged in")
            onClicked: calcSession.stopStation()
        }
    }
}
