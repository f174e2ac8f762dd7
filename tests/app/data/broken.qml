import QtQuick 2.15
import QtQuick.Window 2.15

// A document that parses but cannot create its root object.
Window {
    visible: true
    NoSuchType {}
}
