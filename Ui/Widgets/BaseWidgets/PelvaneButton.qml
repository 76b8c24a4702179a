import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/RichText.js" as RichText

// A pill with a label that grows with its text; it reports a press at once, not on release.
Item {
    id: button

    property string btnText: ""
    property int btnTextSize: PelvaneThemesManager.defaultFontSize
    property bool haveShadow: true
    property color btnTextColor: PelvaneThemesManager.buttonTextColor
    property color btnTextColorHover: btnTextColor
    property color btnTextColorPressed: btnTextColor
    property color btnTextColorDisabled: "white"
    property string buttonHoverFont: PelvaneThemesManager.defaultMediumFontFamily
    property string buttonNormalFont: PelvaneThemesManager.defaultNormalFontFamily
    property color mainBackgroundColor: "transparent"
    property color hoverColor: mainBackgroundColor
    property color pressedColor: mainBackgroundColor
    property color disabledBackgroundColor: PelvaneThemesManager.pelvaneG4Color
    property color borderBackgroundColor: PelvaneThemesManager.pelvaneG3Color
    property color borderHoverBackgroundColor: PelvaneThemesManager.pelvaneG3Color
    property int minWidth: 0
    property bool autoResize: true
    property bool disabled: false
    readonly property bool hovered: area.containsMouse && !disabled
    readonly property bool down: area.pressed && !disabled

    signal pressed
    signal entered
    signal exited

    implicitWidth: Math.max(label.implicitWidth + 20, minWidth)
    implicitHeight: 20
    width: autoResize ? implicitWidth : undefined
    height: 20

    // For assistive technology a button named by its label, without the label's markup.
    Accessible.role: Accessible.Button
    Accessible.name: RichText.plain(btnText)
    Accessible.onPressAction: if (!disabled)
                                  button.pressed()

    PelvaneShadow {
        anchors.fill: pill
        source: pill
        visible: button.haveShadow && !button.down && !button.hovered && !button.disabled
        verticalOffset: 4
        radius: 5
        samples: 5
        color: PelvaneThemesManager.btnDropShadowColor
        bordered: true
    }

    Rectangle {
        id: pill
        anchors.fill: parent
        radius: height / 2
        color: button.disabled ? button.disabledBackgroundColor : button.down ? button.pressedColor : button.hovered ? button.hoverColor : button.mainBackgroundColor
        border.width: 1
        border.color: button.hovered ? button.borderHoverBackgroundColor : button.borderBackgroundColor
    }

    Text {
        id: label
        anchors.centerIn: parent
        width: Math.min(implicitWidth, parent.width - 10)
        text: button.btnText
        textFormat: Text.StyledText
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 5
        font.pixelSize: button.btnTextSize
        font.family: button.hovered ? button.buttonHoverFont : button.buttonNormalFont
        font.bold: button.hovered
        color: button.disabled ? button.btnTextColorDisabled : button.down ? button.btnTextColorPressed : button.hovered ? button.btnTextColorHover : button.btnTextColor
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: button.disabled ? Qt.ArrowCursor : Qt.PointingHandCursor
        onPressed: if (!button.disabled)
                       button.pressed()
        onEntered: if (!button.disabled)
                       button.entered()
        onExited: if (!button.disabled)
                      button.exited()
    }
}
