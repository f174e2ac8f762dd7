.pragma library

// Colours the brackets of one text block by nesting depth and marks closing brackets without a
// partner. Each block is coloured on its own: brackets never pair across lines, so an edit only
// re-colours the lines it changed.

var pairs = [["(", ")"], ["{", "}"], ["[", "]"]]

function pairOf(character, side) {
    for (var i = 0; i < pairs.length; ++i) {
        if (pairs[i][side] === character)
            return i
    }
    return -1
}

// The brackets of text, left to right, as { position, depth }. An opening bracket's depth is the
// number of brackets still open before it, of any kind. A closing bracket takes the depth of the
// nearest open bracket of its own pair, which is closed wherever it sits in the stack; with none
// open its depth is -1.
// Diagnostic lines go to the caller's logging category, which is silent unless enabled; without
// one nothing is logged.
function trace(category, message) {
    if (category)
        console.log(category, message)
}

function bracketDepths(text, category) {
    var records = []
    var open = []
    for (var position = 0; position < text.length; ++position) {
        var character = text[position]
        var opening = pairOf(character, 0)
        if (opening >= 0) {
            var depth = open.length
            trace(category, "Depth: " + depth)
            open.push({ position: position, depth: depth, pair: opening })
            records.push({ position: position, depth: depth })
            continue
        }
        var closing = pairOf(character, 1)
        if (closing < 0)
            continue
        var partnerDepth = -1
        for (var i = open.length - 1; i >= 0; --i) {
            if (open[i].pair === closing) {
                partnerDepth = open[i].depth
                open.splice(i, 1)
                break
            }
        }
        records.push({ position: position, depth: partnerDepth })
    }
    return records
}

// Handler for a SyntaxHighlighter's highlightBlock: depthFormats are used in turn by depth,
// errorFormat marks closing brackets without a partner; category takes the diagnostic lines.
function colourBlock(highlighter, text, depthFormats, errorFormat, category) {
    trace(category, "Process text: " + text)
    var records = bracketDepths(text, category)
    for (var i = 0; i < records.length; ++i) {
        var format = errorFormat
        if (records[i].depth >= 0) {
            var index = records[i].depth % depthFormats.length
            trace(category, "Format Idx: " + index)
            format = depthFormats[index]
        }
        highlighter.setFormat(records[i].position, 1, format)
    }
}
