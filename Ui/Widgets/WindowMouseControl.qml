import QtQuick

// Drags the main window by an empty area. The window system moves the window where it can
// (Wayland lets no client place its windows); elsewhere the window follows the pointer so
// that the pressed point stays under it. The main window postpones resizing while inDrag
// is set.
MouseArea {
    id: control

    property point pressPoint: Qt.point(0, 0)
    property bool movedBySystem: false

    anchors.fill: parent
    acceptedButtons: Qt.LeftButton

    onPressed: function (mouse) {
        pressPoint = Qt.point(mouse.x, mouse.y)
        mainWindow.inDrag = true
        control.forceActiveFocus()
        movedBySystem = mainWindow.startSystemMove()
    }
    onPositionChanged: function (mouse) {
        if (!movedBySystem && pressed) {
            mainWindow.x += mouse.x - pressPoint.x
            mainWindow.y += mouse.y - pressPoint.y
        }
    }
    onReleased: mainWindow.inDrag = false
    onCanceled: mainWindow.inDrag = false
}
