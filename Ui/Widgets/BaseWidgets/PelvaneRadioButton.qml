import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0

// A round choice; the members of one actionGroup exclude each other.
AbstractButton {
    id: radio

    property alias isChecked: radio.checked
    property ButtonGroup actionGroup: null
    property bool disabled: false
    property color normalColor: PelvaneThemesManager.checkBoxBorderColor
    property color disabledColor: PelvaneThemesManager.pelvaneG4Color

    // Sets the choice, as a click does.
    function toggle() {
        checked = true
    }

    checkable: true
    enabled: !disabled
    ButtonGroup.group: actionGroup
    implicitWidth: 16
    implicitHeight: 16
    // A click sets the choice; clicking it again keeps it set.
    onToggled: checked = true

    background: Rectangle {
        radius: width / 2
        color: "transparent"
        border.width: 1
        border.color: radio.disabled ? radio.disabledColor : radio.normalColor

        Rectangle {
            anchors.centerIn: parent
            width: parent.width - 6
            height: width
            radius: width / 2
            visible: radio.checked
            color: radio.disabled ? radio.disabledColor : radio.normalColor
        }
    }
    contentItem: Item {}
}
