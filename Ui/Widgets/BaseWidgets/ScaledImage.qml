import QtQuick

// An image decoded at the width it is shown at on its screen rather than at the full size
// it is stored at, so that a large picture drawn small costs only the pixels it shows, in
// memory and as a texture; a change of size decodes it again. Its height follows the
// image's proportions. Raster images are never decoded above their stored size. It is decoded
// off the main thread, so that a window's first frame does not wait for its pictures.
Image {
    height: implicitWidth > 0 ? width * implicitHeight / implicitWidth : 0
    // Before its width is known it asks for one pixel: a width of 0 would decode it, and
    // keep it cached for a while, at its full size.
    sourceSize.width: Math.max(1, Math.ceil(width * Screen.devicePixelRatio))
    fillMode: Image.PreserveAspectFit
    asynchronous: true
}
