import QtQuick
import PelvaneApp 1.0

// An on/off switch: a click flips isToggled and reports it.
Item {
    id: toggle

    property bool isToggled: false
    property bool showOnOff: false
    property int innerSpace: 5
    property int textOnOffWidth: 23
    property var textOnOff: ["ON", "OFF"]
    // What the toggle switches, for assistive technology (the label beside it).
    property string accessibleName: ""

    signal pressed

    implicitWidth: 40 + (showOnOff ? innerSpace + textOnOffWidth : 0)
    implicitHeight: 20

    Accessible.role: Accessible.CheckBox
    Accessible.name: accessibleName
    Accessible.checkable: true
    Accessible.checked: isToggled
    // Assistive technology flips the toggle as a click does.
    Accessible.onPressAction: toggleArea.clicked(null)
    Accessible.onToggleAction: toggleArea.clicked(null)

    Item {
        id: trackBox
        width: toggle.width - (toggle.showOnOff ? toggle.innerSpace + toggle.textOnOffWidth : 0)
        height: toggle.height

        PelvaneShadow {
            anchors.fill: track
            source: track
            verticalOffset: 5
            radius: 5
            samples: 10
            color: PelvaneThemesManager.btnDropShadowColor
        }

        Rectangle {
            id: track
            anchors.fill: parent
            radius: width / 4
            color: toggle.isToggled ? PelvaneThemesManager.titleRedColor : PelvaneThemesManager.pelvanePurpleColor
            Behavior on color {
                ColorAnimation {
                    duration: 25
                }
            }
        }

        PelvaneShadow {
            anchors.fill: knob
            source: knob
            verticalOffset: 3
            radius: 8
            color: "#80000000"
        }

        Rectangle {
            id: knob
            y: 1
            height: parent.height - 2
            width: height
            radius: track.radius
            color: "white"
            x: toggle.isToggled ? parent.width - width - 1 : 1
            Behavior on x {
                NumberAnimation {
                    duration: 25
                }
            }
        }
    }

    Text {
        visible: toggle.showOnOff
        anchors.left: trackBox.right
        anchors.leftMargin: toggle.innerSpace
        anchors.verticalCenter: trackBox.verticalCenter
        text: toggle.isToggled ? toggle.textOnOff[0] : toggle.textOnOff[1]
        font.pixelSize: 12
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        color: PelvaneThemesManager.buttonTextColor
    }

    MouseArea {
        id: toggleArea
        anchors.fill: trackBox
        cursorShape: Qt.PointingHandCursor
        // The owner is told first: when it changes what isToggled is bound to, the binding
        // flips the switch and stays in place; only a switch that nobody follows flips itself.
        onClicked: {
            var wanted = !toggle.isToggled
            toggle.pressed()
            if (toggle.isToggled !== wanted)
                toggle.isToggled = wanted
        }
    }
}
