import QtQuick

// Where a dragged row may land: a line across its middle shows while a row is over it.
DropArea {
    id: area

    property int dropIndex: 0
    property color lineDropColor: "#000000"

    Rectangle {
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width
        height: 2
        color: area.lineDropColor
        opacity: area.containsDrag ? 0.8 : 0
    }
}
