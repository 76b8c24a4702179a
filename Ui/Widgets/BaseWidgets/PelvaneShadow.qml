import QtQuick
import "qrc:/Ui/Widgets/BaseWidgets/ShadowBlur.js" as ShadowBlur

// The soft shadow of a rectangle, a pill, a circle or a line of text, laid over its source's
// place and declared before it: what the source draws, blurred over `radius` pixels and
// tinted in the shadow's colour, as a blurred drop shadow draws it. A filled source has a full
// shadow below it; a see-through one shows only the shadow of what it draws, a pill's border
// for a pill without a fill, and no grey through its middle. The picture comes from the
// program ("image://shadow", drawn once per shape on the processor and shared): no shader
// effect to compile and no offscreen pass per frame. A rectangle's picture holds its corners
// and a pixel of each side, stretched over the rest.
Item {
    id: shadow

    property Item source: null
    property real horizontalOffset: 0
    property real verticalOffset: 0
    property real radius: 10
    // Taps of the blur: fewer than 2 * radius + 1 spread it wider over the same radius.
    property int samples: 2 * radius + 1
    property color color: "black"
    // Whether the source draws a border that casts a shadow of its own. Only a rectangle that
    // sets its border may say so: reading a rectangle's border gives it a black one.
    property bool bordered: false

    readonly property int reach: Math.ceil(radius)
    readonly property string deviation: ShadowBlur.deviation(radius, samples).toFixed(3)
    readonly property bool ofText: source !== null && source.text !== undefined
    readonly property real corner: source && !ofText && source.radius !== undefined ? Math.max(0, Math.min(source.radius, width / 2, height / 2)) : 0
    // A side longer than this looks the same all along its middle.
    readonly property int patternSide: 2 * Math.ceil(corner) + 2 * reach + 1
    readonly property bool stretchesAcross: !ofText && Math.ceil(width) > patternSide
    readonly property bool stretchesDown: !ofText && Math.ceil(height) > patternSide
    readonly property real shapeWidth: stretchesAcross ? patternSide : width
    readonly property real shapeHeight: stretchesDown ? patternSide : height
    // The colour as AARRGGBB: a "#" would end the picture's name.
    readonly property string colourName: color.toString().substring(1)

    function rectangleName() {
        var border = bordered ? source.border.width : 0
        return ["rect", shapeWidth.toFixed(2), shapeHeight.toFixed(2), corner.toFixed(2), border, source.color.a.toFixed(3), border > 0 ? source.border.color.a.toFixed(3) : 0, reach, deviation, colourName].join("/")
    }

    function textName() {
        return ["text", width.toFixed(2), height.toFixed(2), source.font.pixelSize, source.font.bold, reach, deviation, colourName, source.font.family, encodeURIComponent(source.text)].join("/")
    }

    BorderImage {
        x: Math.round(shadow.horizontalOffset) - shadow.reach
        y: Math.round(shadow.verticalOffset) - shadow.reach
        width: (shadow.stretchesAcross ? shadow.width : Math.ceil(shadow.width)) + 2 * shadow.reach
        height: (shadow.stretchesDown ? shadow.height : Math.ceil(shadow.height)) + 2 * shadow.reach
        border.left: shadow.stretchesAcross ? Math.ceil(shadow.corner) + 2 * shadow.reach : 0
        border.right: border.left
        border.top: shadow.stretchesDown ? Math.ceil(shadow.corner) + 2 * shadow.reach : 0
        border.bottom: border.top
        // Drawn only while shown: a shadow that is never seen costs no picture.
        source: shadow.visible && shadow.source && shadow.width > 0 && shadow.height > 0 ? "image://shadow/" + (shadow.ofText ? shadow.textName() : shadow.rectangleName()) : ""
    }
}
