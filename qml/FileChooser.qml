import QtQuick.Dialogs 1.3

// A file chooser opening in the home folder. The flows load it by name when a chooser is first
// needed: the dialogs module costs the window's start-up a third of its time.
FileDialog {
    folder: shortcuts.home
}
