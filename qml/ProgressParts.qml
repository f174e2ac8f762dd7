import QtQuick 2.15
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3

// What an operation shows while it reports progress: its text, a determinate bar and Cancel.
// Loaded by name when an operation first reports progress, so that the window's first frame does
// not wait for these types.
RowLayout {
    id: parts

    // The operation view this belongs to.
    property var view

    spacing: 10

    Label {
        objectName: "progressText"
        Layout.fillWidth: true
        text: parts.view.active ? parts.view.session.progressText : ""
        font.pixelSize: 14
        elide: Text.ElideRight
    }
    ProgressBar {
        objectName: "progressBar"
        Layout.preferredWidth: 220
        from: 0
        to: 1
        value: parts.view.fraction
        Accessible.name: qsTr("Operation progress")
    }
    Button {
        id: cancelButton
        objectName: "cancelButton"
        text: qsTr("Cancel")
        padding: 4
        Layout.preferredHeight: parts.view.height - 4
        enabled: parts.view.active && parts.view.session.canCancel
        onClicked: parts.view.session.cancelOperation()

        // A disabled button gets no hover of its own: this area tells why it is disabled.
        MouseArea {
            id: blockedHover
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.NoButton
            visible: parts.view.cancelBlockedReason !== ""
        }
        ToolTip.visible: blockedHover.containsMouse
        ToolTip.text: parts.view.cancelBlockedReason
    }
}
