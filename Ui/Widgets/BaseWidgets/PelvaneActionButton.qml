import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0

// A rounded button that can act as a toggle; toggles of one actionGroup exclude each other.
AbstractButton {
    id: button

    property bool disabled: false
    property bool isToggle: false
    property alias toggleState: button.checked
    property bool forcePressed: false
    property bool disabledUntoggle: false
    property color normalBackgroundColor: "white"
    property color hoverBackgroundColor: PelvaneThemesManager.pelvaneG3Color
    property color pressedBackgroundColor: PelvaneThemesManager.titleRedColor
    property color disabledBackgroundColor: PelvaneThemesManager.pelvaneG4Color
    property color normalTextColor: PelvaneThemesManager.selectedTextColor
    property color hoverTextColor: "white"
    property color pressedTextColor: "white"
    property color disabledTextColor: "white"
    property string normalFontFamily: PelvaneThemesManager.defaultNormalFontFamily
    property string hoverFontFamily: PelvaneThemesManager.defaultNormalFontFamily
    property string pressedFontFamily: PelvaneThemesManager.defaultNormalFontFamily
    property string disabledFontFamily: PelvaneThemesManager.defaultNormalFontFamily
    property bool forceShowBorderOnPress: false
    property ButtonGroup actionGroup: null
    property real radius: 7
    readonly property bool shownPressed: forcePressed || (isToggle && checked) || pressed

    enabled: !disabled
    checkable: isToggle
    ButtonGroup.group: actionGroup
    hoverEnabled: true
    implicitWidth: 100
    implicitHeight: 30

    // A toggled button that may not be untoggled stays on.
    onToggled: {
        if (!checked && disabledUntoggle)
            checked = true
        forceActiveFocus()
    }
    onClicked: forceActiveFocus()

    background: Rectangle {
        radius: button.radius
        color: button.disabled ? button.disabledBackgroundColor : button.shownPressed ? button.pressedBackgroundColor : button.hovered ? button.hoverBackgroundColor : button.normalBackgroundColor
        border.width: button.disabled || (button.shownPressed && !button.forceShowBorderOnPress) ? 0 : 1
        border.color: button.normalTextColor
    }

    contentItem: Text {
        text: button.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.Fit
        font.pointSize: 10
        minimumPointSize: 5
        font.family: button.disabled ? button.disabledFontFamily : button.shownPressed ? button.pressedFontFamily : button.hovered ? button.hoverFontFamily : button.normalFontFamily
        color: button.disabled ? button.disabledTextColor : button.shownPressed ? button.pressedTextColor : button.hovered ? button.hoverTextColor : button.normalTextColor
    }
}
