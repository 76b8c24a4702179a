import QtQuick

// An image that acts as a button: its hover image under the pointer, its clicks reported.
Image {
    id: button

    property url normalSource
    // Without a hover image the button keeps its image under the pointer.
    property url hoverSource: normalSource
    property string accessibleName: ""
    readonly property alias hovered: area.containsMouse

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
