import QtQuick

// A theme gradient drawn along a line from `start` to `end` across a rounded rectangle,
// painted into an image whenever its size or gradient changes: the picture of a
// linear-gradient shader effect that costs no shader and no offscreen pass on each frame.
// A gradient has no detail to lose, so the image is painted at half the size and drawn
// scaled up: a quarter of the memory.
Item {
    id: area

    property Gradient gradient: null
    property point start: Qt.point(0, 0)
    property point end: Qt.point(width, height)
    property real radius: 0

    onGradientChanged: canvas.requestPaint()
    onStartChanged: canvas.requestPaint()
    onEndChanged: canvas.requestPaint()
    onRadiusChanged: canvas.requestPaint()

    Canvas {
        id: canvas

        readonly property real reduction: 2
        width: Math.ceil(area.width / reduction)
        height: Math.ceil(area.height / reduction)
        scale: reduction
        transformOrigin: Item.TopLeft
        smooth: true

        onPaint: {
            var context = getContext("2d")
            context.reset()
            if (!area.gradient || width <= 0 || height <= 0)
                return
            context.scale(1 / reduction, 1 / reduction)
            var fill = context.createLinearGradient(area.start.x, area.start.y, area.end.x, area.end.y)
            for (var i = 0; i < area.gradient.stops.length; ++i)
                fill.addColorStop(area.gradient.stops[i].position, area.gradient.stops[i].color)
            context.fillStyle = fill
            context.beginPath()
            context.roundedRect(0, 0, area.width, area.height, area.radius, area.radius)
            context.fill()
        }
    }
}
