import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// The controls of one part of the controller (buttons, dial or jog wheel) with what each
// does, grouped, and for the dial and the jog wheel the switch of their mode.
Item {
    id: list

    property bool togglePresent: false
    property bool isDial: false
    property QtObject profileController: null
    property bool isToggled: profileController ? (isDial ? profileController.isDialToggled : profileController.isJogWheelToggled) : false
    property string leftOptionText: Strings.dialModeToggleOption1
    property string rightOptionText: Strings.dialModeToggleOption2
    property color leftOptionColor: PelvaneThemesManager.pelvanePurpleColor
    property color rightOptionColor: PelvaneThemesManager.titleRedColor
    property int currentItemHovered: -1
    property var buttonList: []
    property var buttonKeyNames: []

    signal pressed(var keybindItem)

    // The rows, once every entry stands: a rebuild of the profile empties the entries
    // before the list follows, and a row never shows a deleted control.
    readonly property var rowsShown: {
        var rows = []
        for (var i = 0; i < buttonList.length; ++i) {
            if (!buttonList[i])
                return []
            rows.push(buttonList[i])
        }
        return rows
    }

    function toggleMode() {
        if (!profileController)
            return
        if (isDial)
            profileController.toggleDial(appController.selectedAppContext)
        else
            profileController.toggleJogWheel(appController.selectedAppContext)
    }

    Rectangle {
        id: toggleStrip
        visible: list.togglePresent
        width: parent.width
        height: list.togglePresent ? parent.height * 0.16 : 0
        color: "white"

        // The strip's inner shadow along its top edge.
        Rectangle {
            width: parent.width
            height: 9
            gradient: Gradient {
                GradientStop {
                    position: 0
                    color: "#77c0c0c0"
                }
                GradientStop {
                    position: 1
                    color: "transparent"
                }
            }
        }

        ModeText {
            anchors.right: modeToggle.left
            anchors.rightMargin: parent.width * 0.01
            horizontalAlignment: Text.AlignRight
            text: list.leftOptionText
            inForce: !list.isToggled
            forceColor: list.leftOptionColor
        }
        PelvaneToggle {
            id: modeToggle
            objectName: "modeToggle"
            anchors.centerIn: parent
            width: parent.width * 0.08
            height: parent.height * 0.25
            isToggled: list.isToggled
            onPressed: list.toggleMode()
        }
        ModeText {
            anchors.left: modeToggle.right
            anchors.leftMargin: parent.width * 0.01
            text: list.rightOptionText
            inForce: list.isToggled
            forceColor: list.rightOptionColor
        }
    }

    component ModeText: Text {
        property bool inForce: false
        property color forceColor
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width * 0.4
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.Fit
        minimumPixelSize: 6
        font.pixelSize: 12
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        font.bold: inForce
        color: inForce ? forceColor : PelvaneThemesManager.pelvaneG1Color
    }

    ListView {
        id: rows
        objectName: "keybindRows"
        anchors.top: toggleStrip.bottom
        anchors.topMargin: list.height * 0.02
        width: parent.width
        height: list.height * (list.togglePresent ? 0.8 : 0.96)
        clip: true
        spacing: 10
        boundsBehavior: Flickable.StopAtBounds
        model: list.rowsShown
        ScrollBar.vertical: ScrollBar {
            policy: ScrollBar.AlwaysOn
        }

        delegate: Column {
            id: entry
            required property int index
            required property var modelData
            readonly property string group: modelData.buttonGroup
            readonly property bool opensGroup: index === 0 || list.rowsShown[index - 1].buttonGroup !== group
            width: rows.width - 12

            GroupHeader {
                visible: entry.opensGroup && entry.group !== ""
                text: entry.group
            }
            KeybindItem {
                width: parent.width
                height: 30
                _buttonController: entry.modelData
                _keyName: list.buttonKeyNames[entry.index] ?? ""
                _valueName: Strings.mainActionsText[entry.modelData.mainActionType]
                _comment: entry.modelData.comment
                profileController: list.profileController
                onHoveredChanged: list.currentItemHovered = hovered ? entry.index : -9999
                onClicked: list.pressed(entry.modelData)
            }
        }
    }

    // Opens a group of rows: its name between two lines. A name longer than its share
    // shortens the lines, so that it is always read whole.
    component GroupHeader: Item {
        property alias text: groupText.text
        width: parent.width
        height: visible ? 30 : 0

        Row {
            id: headerRow
            readonly property real textWidth: Math.min(width, Math.max(width * 0.16, groupText.implicitWidth + 10))
            readonly property real lineWidth: Math.max(0, Math.min(width * 0.4, (width - textWidth) / 2 - width * 0.02))
            width: parent.width
            height: parent.height / 2
            spacing: (width - textWidth - 2 * lineWidth) / 2
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: headerRow.lineWidth
                height: 1
                color: PelvaneThemesManager.pelvaneG4Color
            }
            Text {
                id: groupText
                objectName: "groupHeading"
                width: headerRow.textWidth
                height: parent.height
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.pixelSize: 12
                font.family: PelvaneThemesManager.defaultNormalFontFamily
                color: PelvaneThemesManager.subtitleColor
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: headerRow.lineWidth
                height: 1
                color: PelvaneThemesManager.pelvaneG4Color
            }
        }
    }
}
