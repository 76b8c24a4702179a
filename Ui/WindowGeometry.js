.pragma library

// The main window's size and place on a screen, as a pure function so that it can be
// checked over any screen. The design size is 1200 x 700 on a base screen; scale
// enlarges the side taken from the screen and again the side derived from it.
//   screen: width, height, virtualX, virtualY; place: x, y of the window
//   base: width, height of the base screen; mac: the macOS clipping (85 % of the height)
function windowGeometry(screen, place, scale, base, mac) {
    var width, height
    if (screen.width < screen.height) {
        width = scale * screen.width * 1200 / base.width
        height = scale * width * 700 / 1200
    } else {
        height = scale * screen.height * 700 / base.height
        width = scale * height * 1200 / 700
    }
    width = Math.min(Math.max(width, 1200), screen.width)
    height = Math.min(Math.max(height, 700), mac ? 0.85 * screen.height : screen.height)
    return {
        "x": keptOn(place.x, width, screen.virtualX, screen.width),
        "y": keptOn(place.y, height, screen.virtualY, screen.height),
        "width": width,
        "height": height
    }
}

// A window side past the screen's far edge is centred; one before its origin moves to it.
function keptOn(position, size, origin, screenSize) {
    if (position + size > origin + screenSize)
        return origin + (screenSize - size) / 2
    if (position < origin)
        return origin
    return position
}
