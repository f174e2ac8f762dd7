import QtQuick 2.15
import QtQuick.Controls 2.5

// The spinner of a busy window, loaded by name the first time the window is busy.
BusyIndicator {
    // Whose running this follows.
    property Item host

    objectName: "busySpinner"
    running: host.running
}
