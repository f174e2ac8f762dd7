import QtQuick 2.15
import QtQuick.Window 2.15

// Placeholder of the program editor window: only the interface the main window uses.
Window {
    id: editor

    property string status: ""

    signal sendFile(string fileName, string fileData)
    signal saveFile(string filePath, string fileData)

    function loadFile(fileName, fileData) {
        console.log("Editor placeholder: loadFile " + fileName)
    }
    function setStatus(text) {
        status = text
    }

    visible: false
    modality: Qt.ApplicationModal
    width: 900
    height: 600
    title: "UlvoBasic editor"
}
