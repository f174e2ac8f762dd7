import QtQuick 2.15
import QtTest 1.2
import "qrc:/qml/Texts.js" as Texts

// Values put into a translated text: every placeholder once, whatever the values hold.
TestCase {
    name: "Texts"

    function test_fill_data() {
        return [
            { tag: "one value", text: "File %1 is empty", values: ["A.UCB"], result: "File A.UCB is empty" },
            { tag: "translated order", text: "%2 von %1", values: [3, 1], result: "1 von 3" },
            { tag: "numbers as plain digits", text: "%1 of %2", values: [1, 1234567], result: "1 of 1234567" },
            { tag: "value holding a placeholder", text: "The file name %1 will be changed to %2",
              values: ["A%2B.UCB", "AB.UCB"], result: "The file name A%2B.UCB will be changed to AB.UCB" },
            { tag: "placeholder without value", text: "%1 and %3", values: ["x"], result: "x and %3" },
            { tag: "value with a dollar pattern", text: "Saved on %1", values: ["/tmp/$&"], result: "Saved on /tmp/$&" },
        ]
    }

    function test_fill(data) {
        compare(Texts.fill.apply(null, [data.text].concat(data.values)), data.result)
    }
}
