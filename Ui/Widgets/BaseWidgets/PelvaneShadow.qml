import QtQuick

// The soft shadow of a rectangle, a pill or a circle, laid over its source's place and
// declared before it: a few widening rounded rectangles of the shadow's colour, each at a
// fraction of its strength, so that the shadow is full under the source and fades out over
// `radius` pixels beyond its edges. The picture of a blurred drop shadow without a shader
// effect: nothing to compile before the first frame and no offscreen pass per frame.
Item {
    id: shadow

    property Item source: null
    property real horizontalOffset: 0
    property real verticalOffset: 0
    property real radius: 10
    property color color: "black"
    readonly property real cornerRadius: source && source.radius !== undefined ? source.radius : 0
    readonly property int layers: 4

    Repeater {
        model: shadow.layers
        Rectangle {
            required property int index
            // From half the fade inside the edge to half of it outside.
            readonly property real spread: shadow.radius * ((index + 0.5) / shadow.layers - 0.5)
            x: shadow.horizontalOffset - spread
            y: shadow.verticalOffset - spread
            width: Math.max(0, shadow.width + 2 * spread)
            height: Math.max(0, shadow.height + 2 * spread)
            radius: Math.max(0, shadow.cornerRadius + spread)
            color: shadow.color
            opacity: 1 / shadow.layers
            antialiasing: true
        }
    }
}
