import QtQuick
import PelvaneApp 1.0
import PlatformInfo 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// The four modifier toggles, left to right Shift, Win (Cmd), Ctrl, Alt (Option). States
// are read and written by the modifier's value (ButtonController.ModifierType).
Row {
    id: toggles

    readonly property var order: [ButtonController.ModifierType_Shift, ButtonController.ModifierType_Special, ButtonController.ModifierType_Control, ButtonController.ModifierType_Alt]
    readonly property var labels: PlatformInfo.platformType === PlatformInfo.MacOS ? Strings.keyModifiersLabelsMacOS : Strings.keyModifiersLabels

    // Sets every toggle from isOn(modifier).
    function setFrom(isOn) {
        for (var i = 0; i < order.length; ++i)
            repeater.itemAt(i).toggleState = isOn(order[i])
    }

    function isOn(modifier) {
        return repeater.itemAt(order.indexOf(modifier)).toggleState
    }

    function anyOn() {
        return order.some(isOn)
    }

    function flip(modifier) {
        var toggle = repeater.itemAt(order.indexOf(modifier))
        toggle.toggleState = !toggle.toggleState
    }

    // Writes every state into the edit copy of target (a button or a macro step).
    function writeTo(target) {
        order.forEach(function (modifier) {
            target.setEditModifierStatus(modifier, isOn(modifier))
        })
    }

    spacing: 10

    Repeater {
        id: repeater
        model: toggles.order
        delegate: PelvaneActionButton {
            required property int modelData
            objectName: "modifier" + modelData
            width: (toggles.width - 3 * toggles.spacing) / 7 * 1.75
            height: 24
            isToggle: true
            text: toggles.labels[modelData]
            pressedBackgroundColor: PelvaneThemesManager.titleRedColor
            pressedTextColor: "white"
            hoverBackgroundColor: PelvaneThemesManager.mainBackgroundColor
            hoverTextColor: PelvaneThemesManager.selectedTextColor
        }
    }
}
