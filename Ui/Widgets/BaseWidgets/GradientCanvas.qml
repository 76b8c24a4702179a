import QtQuick

// A theme gradient drawn along a line from `start` to `end` across a rounded rectangle,
// painted once into an image whenever its size or gradient changes: the picture of a
// linear-gradient shader effect that costs no shader and no offscreen pass on each frame.
Canvas {
    id: canvas

    property Gradient gradient: null
    property point start: Qt.point(0, 0)
    property point end: Qt.point(width, height)
    property real radius: 0

    onGradientChanged: requestPaint()
    onStartChanged: requestPaint()
    onEndChanged: requestPaint()
    onRadiusChanged: requestPaint()

    onPaint: {
        var context = getContext("2d")
        context.reset()
        if (!gradient || width <= 0 || height <= 0)
            return
        var fill = context.createLinearGradient(start.x, start.y, end.x, end.y)
        for (var i = 0; i < gradient.stops.length; ++i)
            fill.addColorStop(gradient.stops[i].position, gradient.stops[i].color)
        context.fillStyle = fill
        context.beginPath()
        context.roundedRect(0, 0, width, height, radius, radius)
        context.fill()
    }
}
