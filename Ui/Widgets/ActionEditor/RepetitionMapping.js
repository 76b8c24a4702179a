.pragma library

// The repetition combo lists the repeat presets with empty separator rows among them; the
// preset index (ButtonController.RepetitionUI) counts only the named rows.

function presetOfRow(labels, row) {
    var named = labels.filter(function (label) {
        return label !== ""
    })
    var index = labels[row] ? named.indexOf(labels[row]) : -1
    return Math.max(index, 0)
}

function rowOfPreset(labels, preset) {
    var named = labels.filter(function (label) {
        return label !== ""
    })
    if (preset < 0 || preset >= named.length)
        return 0
    return Math.max(labels.indexOf(named[preset]), 0)
}
