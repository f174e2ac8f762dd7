import QtQuick 2.15
import QtQuick.Window 2.15

// The running operation of the selected calculator, over the status line it belongs to: what it
// is doing in words, a determinate bar, and Cancel (also Escape while the window has focus).
Rectangle {
    id: operationView

    // The session whose progress is shown; nothing is shown without one.
    property var session: null
    // Operation kinds shown here; empty: every kind.
    property var kinds: []
    readonly property bool active: session !== null && session.hasProgress
                                   && (kinds.length === 0 || kinds.indexOf(session.operationKind) >= 0)
    readonly property real fraction: active && session.progressBytesTotal > 0
                                     ? session.progressBytesDone / session.progressBytesTotal : 0
    // Why Cancel is unavailable, when it is.
    readonly property string cancelBlockedReason: !active || session.canCancel ? ""
        : session.operationKind === "restore"
          ? qsTr("The calculator's files have been cleared: the restore can no longer be stopped")
          : qsTr("The calculator cannot stop a file while it is being sent")

    visible: active
    color: "#ffffff"

    // Escape while this window has focus. (A window shortcut is not matched from inside the
    // window's footer, so the application's shortcut map is asked and the window checked here.)
    Shortcut {
        sequence: "Esc"
        context: Qt.ApplicationShortcut
        enabled: operationView.active && operationView.session.canCancel && operationView.Window.active
        onActivated: operationView.session.cancelOperation()
    }

    // The bar and its button are made when an operation first reports progress, and kept: most
    // starts of the program never need them, and the window's first frame should not wait for them.
    onActiveChanged: {
        if (active)
            parts.object()
    }

    LazyLoader {
        id: parts
        anchors.leftMargin: 10
        anchors.rightMargin: 6
        document: "ProgressParts.qml"
        initialProperties: ({ view: operationView })
    }
}
