.pragma library

// The path of a file URL from the file dialog: "file://" goes, the path keeps its leading
// "/", and percent escapes are decoded once ("%2520" is a file named "%20"). Any other
// scheme is no local file: null, and the field keeps what it holds.
function toLocalPath(url) {
    var text = String(url)
    var prefix = "file://"
    if (text.substring(0, prefix.length).toLowerCase() !== prefix)
        return null
    try {
        return decodeURIComponent(text.substring(prefix.length))
    } catch (error) {
        return null
    }
}
