import QtQml 2.15

// The selected rows of a list view, as a sorted array of row numbers. Selected rows follow their
// entries when the model inserts, removes or moves rows, and a reset forgets them all, so the
// selection never names a row that no longer exists or now shows another entry.
QtObject {
    id: selection

    // Rows that may be selected are 0 .. rowCount - 1.
    property int rowCount: 0
    readonly property int count: rows.length
    // Replaced, never changed in place, so that bindings on contains() follow every change.
    property var rows: []

    signal selectionChanged()

    // Calls callback(row) for each selected row in ascending order. A callback that changes the
    // selection does not disturb the walk: it goes on with the selected rows after the last one.
    function forEach(callback) {
        if (typeof callback !== "function") {
            console.warn("RowSelection.forEach: argument is not a function")
            return
        }
        var last = -1
        for (;;) {
            var i = firstIndexAbove(last)
            if (i >= rows.length)
                return
            last = rows[i]
            callback(last)
        }
    }

    function contains(row) {
        var i = firstIndexAbove(row - 1)
        return i < rows.length && rows[i] === row
    }

    function clear() {
        replace([])
    }

    function selectAll() {
        if (rowCount > 0)
            replace(range(0, rowCount - 1))
    }

    // select(row) or select(first, last): adds the rows, in either order of the ends.
    function select(first, last) {
        var wanted = checkedRange(first, last)
        if (wanted)
            replace(merged(rows, wanted))
    }

    function deselect(first, last) {
        var unwanted = checkedRange(first, last)
        if (unwanted)
            replace(rows.filter(function (row) { return row < unwanted[0] || row > unwanted[unwanted.length - 1] }))
    }

    // The given row or rows become the whole selection.
    function selectOnly(first, last) {
        var wanted = checkedRange(first, last)
        if (wanted)
            replace(wanted)
    }

    // --- Following the model: the arguments are those of QAbstractItemModel's signals. ---

    function rowsInserted(first, last) {
        var n = last - first + 1
        replace(rows.map(function (row) { return row >= first ? row + n : row }))
    }

    function rowsRemoved(first, last) {
        var n = last - first + 1
        replace(rows.filter(function (row) { return row < first || row > last })
                    .map(function (row) { return row > last ? row - n : row }))
    }

    // Rows start .. end move so that they stand before the row that was destination.
    function rowsMoved(start, end, destination) {
        var n = end - start + 1
        replace(rows.map(function (row) {
            if (row >= start && row <= end)
                return destination > end ? row - start + destination - n : row - start + destination
            if (destination > end && row > end && row < destination)
                return row - n
            if (destination < start && row >= destination && row < start)
                return row + n
            return row
        }).sort(function (a, b) { return a - b }))
    }

    // --- private ---

    // Index in rows of the first selected row greater than row (binary search).
    function firstIndexAbove(row) {
        var low = 0
        var high = rows.length
        while (low < high) {
            var middle = (low + high) >> 1
            if (rows[middle] <= row)
                low = middle + 1
            else
                high = middle
        }
        return low
    }

    function range(first, last) {
        var result = []
        for (var row = first; row <= last; ++row)
            result.push(row)
        return result
    }

    // The rows from first to last (last defaults to first), or null with a warning when either
    // end is not a row of the list.
    function checkedRange(first, last) {
        if (last === undefined)
            last = first
        if (!Number.isInteger(first) || !Number.isInteger(last)
                || first < 0 || last < 0 || first >= rowCount || last >= rowCount) {
            console.warn("RowSelection: row out of range:", first, last, "of", rowCount)
            return null
        }
        return first <= last ? range(first, last) : range(last, first)
    }

    function merged(a, b) {
        var result = []
        var i = 0
        var j = 0
        while (i < a.length || j < b.length) {
            var next = j >= b.length || (i < a.length && a[i] < b[j]) ? a[i++] : b[j++]
            if (result.length === 0 || result[result.length - 1] !== next)
                result.push(next)
        }
        return result
    }

    function replace(newRows) {
        if (newRows.length === rows.length && newRows.every(function (row, i) { return row === rows[i] }))
            return
        rows = newRows
        selectionChanged()
    }
}
