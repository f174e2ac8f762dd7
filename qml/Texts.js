.pragma library

// Puts values into a translated text's %1, %2, ... in one pass. Chained .arg() calls would also
// replace a "%2" that a file name brought in with the first value.
function fill(text) {
    var values = Array.prototype.slice.call(arguments, 1)
    return text.replace(/%(\d+)/g, function (whole, number) {
        var index = parseInt(number, 10) - 1
        return index >= 0 && index < values.length ? String(values[index]) : whole
    })
}
