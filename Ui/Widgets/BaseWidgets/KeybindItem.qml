import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import PlatformInfo 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/ActionDescription.js" as ActionDescription

// One row of a keybind list: the control's name, what it does and its comment.
Rectangle {
    id: item
    objectName: "keybindItem"

    property QtObject _buttonController: null
    property string _keyName: ""
    property string _valueName: ""
    property string _comment: ""
    // The selected profile: a "Use Default Profile Settings" row describes its binding.
    property QtObject profileController: null
    readonly property bool hovered: mouseArea.containsMouse

    signal clicked

    function isCustomActionVisible() {
        if (!_buttonController)
            return false
        var main = _buttonController.mainActionType
        return (main >= ButtonController.Action_TypeKeystroke && main <= ButtonController.Action_TypeText)
                || main === ButtonController.Action_UseDefaultSetting
    }

    function getRealActionName() {
        if (!_buttonController)
            return ""
        var button = _buttonController
        if (button.mainActionType === ButtonController.Action_UseDefaultSetting && profileController) {
            var fallback = profileController.getActionDefaultProfileSetting(button.buttonType)
            if (fallback)
                button = fallback
        }
        return ActionDescription.describeBinding(Strings, button, ButtonController,
                                                 PlatformInfo.platformType === PlatformInfo.MacOS)
    }

    radius: 4
    color: PelvaneThemesManager.pelvaneKeybindItemBackground
    // For assistive technology the row reads as its control and what it does; its "Edit"
    // opens the editor.
    Accessible.role: Accessible.ListItem
    Accessible.name: _keyName
    Accessible.description: [valueLabel.text, realActionLabel.visible ? realActionName : "", _comment].filter(function (part) {
        return part !== ""
    }).join(", ")
    Accessible.onPressAction: item.clicked()
    border.width: hovered ? 1 : 0
    border.color: PelvaneThemesManager.titleRedColor

    readonly property color textColor: hovered ? PelvaneThemesManager.subtitleColor : PelvaneThemesManager.pelvaneG1Color
    // A stored edit rebuilds the profile's controllers, and with them the rows.
    readonly property string realActionName: _buttonController ? getRealActionName() : ""

    Row {
        anchors.fill: parent
        anchors.leftMargin: parent.width * 0.03

        ElidedLabel {
            id: keyLabel
            objectName: "keyLabel"
            width: item.width * 0.2
            height: item.height
            text: item._keyName
            font.pixelSize: 12
            // A gap before the action column; a long name keeps its end, where the jog
            // wheel's transitions differ ("... 4 to 3" from "... 3 to 4").
            rightPadding: 8
            elide: Text.ElideMiddle
        }

        Item {
            width: item.width * 0.2
            height: item.height

            ElidedLabel {
                id: valueLabel
            objectName: "valueLabel"
                width: parent.width
                height: item.isCustomActionVisible() ? parent.height / 2 : parent.height
                text: item._buttonController
                      && item._buttonController.mainActionType === ButtonController.Action_SwitchToProfile
                      ? item.realActionName : item._valueName
                font.pixelSize: 12
            }
            ElidedLabel {
                id: realActionLabel
                objectName: "realActionLabel"
                y: parent.height / 2
                width: parent.width
                height: parent.height / 2
                visible: item.isCustomActionVisible()
                text: item.realActionName
                font.pixelSize: 8
                font.italic: true
                // So small a text reads only dark and hinted to the pixels.
                color: PelvaneThemesManager.subtitleColor
                renderType: Text.NativeRendering
            }
        }

        ElidedLabel {
            id: commentLabel
            objectName: "commentLabel"
            width: item.width * 0.3
            height: item.height
            horizontalAlignment: Text.AlignHCenter
            text: item._comment
            font.pixelSize: 11
        }

        Text {
            objectName: "editLabel"
            width: item.width * 0.2
            height: item.height
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignRight
            Accessible.role: Accessible.Button
            Accessible.name: Strings.editText
            Accessible.onPressAction: item.clicked()
            textFormat: Text.PlainText
            text: item.hovered ? Strings.clickToEditText + "\u00a0\u00a0" : Strings.editText
            color: item.hovered ? PelvaneThemesManager.titleRedColor : item.textColor
            font.pixelSize: 10
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            font.bold: item.hovered
        }
    }

    // A text of the row: plain (user data shows as typed), elided, with its whole text as
    // a tool tip while the pointer is on it and it is cut.
    component ElidedLabel: Text {
        verticalAlignment: Text.AlignVCenter
        textFormat: Text.PlainText
        elide: Text.ElideRight
        color: item.textColor
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        font.bold: item.hovered
        ToolTip.visible: truncated && item.hovered
        ToolTip.text: text
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: item.clicked()
    }
}
