import QtQuick

// An image decoded at the size it is drawn at on its screen rather than at the full size it
// is stored at, so that a large picture drawn small costs only the pixels it shows, in memory
// and as a texture; a change of size decodes it again. Raster images are never decoded above
// their stored size. It is decoded off the main thread, so that a window's first frame does
// not wait for its pictures.
//
// It is drawn at whole pixels of the window, at the size it was decoded at: a fractional size
// or place would resample the decoded pixels once more, and soften them. Its width is the
// whole pixels of availableWidth, its height follows the image's proportions (0 until it is
// decoded, unless given), and it is moved by less than a pixel onto the window's pixels.
Image {
    id: image

    // The room the user gives it; it takes the whole pixels of it.
    property real availableWidth: 0
    readonly property real pixelRatio: Screen.devicePixelRatio

    // Where it stands in the window. Read from every item it stands in, so that it follows a
    // move of any of them (a list scrolled, a page laid out); the window places its items
    // without transforms, so their places add up.
    readonly property point windowPosition: {
        var x = 0
        var y = 0
        for (var item = image; item; item = item.parent) {
            x += item.x
            y += item.y
        }
        return Qt.point(x, y)
    }

    function toPixelGrid(value) {
        return Math.round(value * pixelRatio) / pixelRatio - value
    }

    // Whole pixels of the window are whole pixels of the screen at any whole pixel ratio.
    width: Math.floor(availableWidth)
    height: implicitWidth > 0 ? implicitHeight * width / implicitWidth : 0
    // In the window's pixels, which Qt multiplies by the screen's pixel ratio to decode.
    // Before its width is known it asks for one pixel: a width of 0 would decode it, and
    // keep it cached for a while, at its full size.
    sourceSize.width: Math.max(1, width)
    fillMode: Image.PreserveAspectFit
    asynchronous: true
    transform: Translate {
        x: image.toPixelGrid(image.windowPosition.x)
        y: image.toPixelGrid(image.windowPosition.y)
    }
}
