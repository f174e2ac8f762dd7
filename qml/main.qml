// The main window document, loaded as "qrc:/qml/main". The window itself is MainWindow.qml: Qt
// finds the translations of a document's fixed texts under its file name less four characters
// (".qml"), which this resource name lacks.
MainWindow {}
