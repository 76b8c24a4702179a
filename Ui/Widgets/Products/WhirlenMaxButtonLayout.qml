import QtQuick
import PelvaneApp 1.0

// The Whirlen Max: fifteen buttons, numbered in black but for the two dark side keys.
ProductButtonLayout {
    pictureSource: PelvaneThemesManager.whirlenMaxStraighImg
    referenceHeight: 533.7
    modelFolder: "whirlenmax"
    buttonAnchors: [Qt.point(81, 78), Qt.point(127, 65), Qt.point(174, 63), Qt.point(220, 76), Qt.point(64, 132), Qt.point(106, 108), Qt.point(151, 100), Qt.point(197, 107), Qt.point(239, 132), Qt.point(89, 269), Qt.point(218, 267), Qt.point(80, 300), Qt.point(228, 298), Qt.point(42, 205), Qt.point(262, 203)]
    dialAnchor: Qt.point(154, 197)
    jogAnchor: Qt.point(153, 204)
    indexShift: 0
    zoneScale: 0.8
    numberColor: function (number) {
        return number >= 14 ? "white" : "black"
    }
    // The ring keys 10 to 13 show their numbers a little lower, clear of the ring's edge.
    numberDrop: function (number) {
        return number >= 10 && number <= 13 ? 5 : 0
    }
}
