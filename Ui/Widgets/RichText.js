.pragma library

// User data (names, paths, typed text) shown inside a rich-text title: every character that
// markup would read is escaped, so the text shows as typed.
function escaped(text) {
    return String(text).replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;")
}

// A title naming user data: the escaped name takes the title's "%1", or follows the title
// when a translation leaves the place out.
function withName(title, name) {
    var shown = escaped(name)
    return title.indexOf("%1") >= 0 ? title.replace("%1", shown) : title + " " + shown
}

// A styled text as plain words, for assistive technology: line breaks become blanks, other
// markup is dropped and the common entities read as their characters.
function plain(text) {
    return String(text).replace(/<br\s*\/?>/gi, " ").replace(/<[^>]*>/g, "").replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, "\"").replace(/&nbsp;/g, " ").replace(/&amp;/g, "&")
}
