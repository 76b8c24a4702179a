import QtQuick
import PelvaneApp 1.0

// A square that shows a tick while isChecked; a click only reports itself, its owner
// decides the value.
Rectangle {
    id: checkBox

    property bool isChecked: false

    signal clicked

    implicitWidth: 16
    implicitHeight: 16
    color: "transparent"
    border.width: 1
    border.color: PelvaneThemesManager.checkBoxBorderColor

    Image {
        anchors.fill: parent
        anchors.margins: 2
        visible: checkBox.isChecked
        source: PelvaneThemesManager.checkMarkIcon
        fillMode: Image.PreserveAspectFit
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: checkBox.clicked()
    }
}
