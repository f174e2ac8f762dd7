import QtQuick 2.15
import "qrc:/qml"

// Stands in for the main window around the editor: the names the editor reads from its host
// (root geometry, appColors, menuStyle) with the main window's values.
Item {
    id: root
    width: 1200
    height: 800

    property alias editor: editorWindow

    Item {
        id: appColors
        property color textDark: "#000000"
        property color listRectangleBack: "#f0f0f0"
        property color fileListViewSelectionStripe: "#01B3E3"
        property color fileListViewSelectionBackTrans: "#4001B3E3"
        property color changeNameDialogSelectionTrans: "#6001B3E3"
        property color changeNameDialogSelectionBWTrans: "#60a4a4a4"
        property color headerTableUp: "#fbfbfb"
        property color headerTableBottom: "#dfdfdf"
        property color headerTableBorder: "#9f9f9f"
        property color tableRowFirst: "#ffffff"
        property color tableRowSecond: listRectangleBack
    }

    Item {
        id: menuStyle
        property int size: 40
    }

    Editor {
        id: editorWindow
    }
}
