import QtQuick
import PelvaneApp 1.0

// The Whirlen Lite: five buttons; its dial and jog-wheel entries follow them directly in
// hoveredIndex (5, 6, then 7 on).
ProductButtonLayout {
    pictureSource: PelvaneThemesManager.whirlenLiteImg
    referenceHeight: 299.4
    modelFolder: "whirlenlite"
    buttonAnchors: [Qt.point(37, 140), Qt.point(76, 58), Qt.point(154, 30), Qt.point(232, 59), Qt.point(269, 142)]
    dialAnchor: Qt.point(155, 145)
    jogAnchor: Qt.point(155, 148)
    indexShift: 10
    zoneScale: 0.6
}
