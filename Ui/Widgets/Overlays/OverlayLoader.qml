import QtQuick

// An overlay that is built when it is first shown rather than before the window's first
// frame, and kept afterwards. Showing the loader (visible = true) builds and shows its
// overlay; an overlay that hides itself hides the loader too. The overlay's own functions
// and properties are reached through `item`, or through built() before it is first shown.
Loader {
    id: loader

    // The overlay, built hidden if it was not yet: what it is to show is set before it shows.
    function built() {
        if (!active) {
            // Built hidden and then shown: its first showing is a change the overlay sees,
            // as every later one is (a picker takes the keyboard focus then).
            setSource(source, {
                          "visible": false
                      })
            active = true
        }
        return item
    }

    anchors.fill: parent
    active: false
    visible: false

    onVisibleChanged: {
        if (visible)
            built()
        if (item)
            item.visible = visible
    }

    Connections {
        target: loader.item
        function onVisibleChanged() {
            if (!loader.item.visible)
                loader.visible = false
        }
    }
}
