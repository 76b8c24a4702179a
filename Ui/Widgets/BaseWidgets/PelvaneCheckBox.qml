import QtQuick
import PelvaneApp 1.0

// A square that shows a tick while isChecked; a click only reports itself, its owner
// decides the value.
Rectangle {
    id: checkBox

    property bool isChecked: false
    property string accessibleName: ""

    signal clicked

    implicitWidth: 16
    implicitHeight: 16
    color: "transparent"
    border.width: 1
    border.color: PelvaneThemesManager.checkBoxBorderColor
    Accessible.role: Accessible.CheckBox
    Accessible.name: accessibleName
    Accessible.checkable: true
    Accessible.checked: isChecked
    Accessible.onPressAction: checkBox.clicked()
    Accessible.onToggleAction: checkBox.clicked()

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
