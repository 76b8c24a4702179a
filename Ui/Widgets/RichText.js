.pragma library

// User data (names, paths, typed text) shown inside a rich-text title: every character that
// markup would read is escaped, so the text shows as typed.
function escaped(text) {
    return String(text).replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;")
}
