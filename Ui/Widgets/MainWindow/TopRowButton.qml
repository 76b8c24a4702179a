import QtQuick
import PelvaneApp 1.0

// An image button of the tab area's top row, with its image under the pointer.
Image {
    id: button

    property url normalSource
    property url hoverSource
    property string accessibleName: ""

    signal clicked

    fillMode: Image.PreserveAspectFit
    source: area.containsMouse ? hoverSource : normalSource
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.onPressAction: button.clicked()

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
