import QtQuick

// The jog wheel's highlight and, for the hovered entry of its list, an arrow on a circle
// around the wheel: the zone's pointer, or the turn of a transition, amber forwards and
// purple backwards. Centred on its own origin (the wheel's anchor).
Item {
    id: pointer

    property url wheelSource
    property real imageScale: 1
    property real zoneScale: 0.8
    property bool showWheel: false
    // The hovered entry of the jog-wheel list: 0..14 zones, 15..28 forward transitions,
    // 29..42 backward ones; anything else shows no arrow.
    property int entry: -1

    readonly property int zoneCount: 15
    readonly property int transitionCount: 14
    readonly property bool isZone: entry >= 0 && entry < zoneCount
    readonly property bool isForward: entry >= zoneCount && entry < zoneCount + transitionCount
    readonly property bool isBackward: entry >= zoneCount + transitionCount && entry < zoneCount + 2 * transitionCount
    readonly property real rotationAngle: {
        if (isZone)
            return 210 + 22 * entry
        if (isForward)
            return (entry - zoneCount) * 270 / 13 - 15
        if (isBackward)
            return -(entry - zoneCount - transitionCount) * 270 / 13 + 15
        return 0
    }
    readonly property real radius: wheel.height / 2 * 0.86

    // The wheel and the arrow are decoded only while they are shown.
    Image {
        id: wheel
        objectName: "jogWheelHighlight"
        source: visible ? pointer.wheelSource : ""
        width: sourceSize.width * pointer.imageScale
        height: sourceSize.height * pointer.imageScale
        x: -width / 2
        y: -height / 2
        visible: pointer.showWheel
    }

    // Drawn pointing up; turned about its centre, which stands on the circle in the
    // direction it is turned to, so that it always points away from the wheel's centre.
    Image {
        id: arrow
        objectName: "jogWheelArrow"
        source: !visible ? "" : pointer.isZone ? "qrc:/Ui/Assets/Images/products/whirlenZone1.png"
                                              : pointer.isForward ? "qrc:/Ui/Assets/Images/products/whirlenRotateRightYellow.png"
                                                                  : "qrc:/Ui/Assets/Images/products/whirlenRotateLeftPurple.png"
        readonly property real scale: pointer.imageScale * (pointer.isZone ? pointer.zoneScale : 1)
        width: sourceSize.width * scale
        height: sourceSize.height * scale
        x: pointer.radius * Math.sin(pointer.rotationAngle * Math.PI / 180) - width / 2
        y: -pointer.radius * Math.cos(pointer.rotationAngle * Math.PI / 180) - height / 2
        rotation: pointer.rotationAngle
        visible: pointer.showWheel && (pointer.isZone || pointer.isForward || pointer.isBackward)
    }
}
