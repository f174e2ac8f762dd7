import QtQuick 2.15
import QtTest 1.2

TestCase {
    id: testCase
    name: "EditorSmoke"
    when: windowShown

    QtObject {
        id: calcSession
        readonly property int maxFileNameLen: 18
    }

    EditorHost { id: host }

    function test_smoke() {
        var editor = host.editor
        verify(editor)
        compare(editor.title, "UlvoBasic Editor: ")
        editor.visible = true
        wait(500)
        verify(findChild(editor, "statusLine"))
        compare(findChild(editor, "statusLine").text, "UlvoBasic editor ready")
    }
}
