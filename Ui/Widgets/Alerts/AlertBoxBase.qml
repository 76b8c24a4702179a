import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"
import "qrc:/Ui/Widgets/RichText.js" as RichText

// What every alert box shares: the veil over the window (by which the window can still be
// dragged), the centred panel sized to its content, the title and the close cross. The
// box's own parts go below the title.
FocusScope {
    id: box

    property string msgTitleText: ""
    property var buttons: []
    property bool closeBtnVisible: true
    property real radius: 20
    property real contentWidth: 0
    property real contentHeight: 0
    readonly property real titleWidth: title.implicitWidth
    readonly property alias titleItem: title
    readonly property real crossHeight: closeBtnVisible ? cross.height + 10 : 0
    default property alias content: body.data

    // A "close" button closes the alert; any other runs its callback with the box's value.
    function pressButton(record, argument) {
        if (record.predefinedAction === "close")
            Alerts.close()
        else if (typeof record.callbackFunc === "function")
            record.callbackFunc(argument)
    }

    anchors.fill: parent
    // For assistive technology an alert named by its title; its texts and buttons are its
    // children.
    Accessible.role: Accessible.AlertMessage
    Accessible.name: RichText.plain(msgTitleText)

    Rectangle {
        anchors.fill: parent
        radius: box.radius
        color: PelvaneThemesManager.buttonsWindowActionsSelectionOverlay
        opacity: 0.75

        WindowMouseControl {
            preventStealing: true
            // The veil takes the pointer: nothing under it looks hovered.
            hoverEnabled: true
        }
    }

    Rectangle {
        id: panel
        anchors.centerIn: parent
        width: box.contentWidth + 2 * box.radius
        height: box.contentHeight + 2 * box.radius
        radius: box.radius
        color: PelvaneThemesManager.buttonsWindowActionsSelection

        PelvaneIconButton {
            id: cross
            visible: box.closeBtnVisible
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 10
            width: 20
            height: 20
            normalSource: PelvaneThemesManager.closeIcon
            hoverSource: PelvaneThemesManager.closeIconBlack
            accessibleName: Strings.closeLabel
            onClicked: Alerts.close()
        }

        Text {
            id: title
            anchors.horizontalCenter: parent.horizontalCenter
            y: box.radius + box.crossHeight
            width: Math.min(implicitWidth, box.contentWidth)
            text: box.msgTitleText
            textFormat: Text.StyledText
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 14
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: PelvaneThemesManager.buttonTextColor
            Accessible.role: Accessible.StaticText
            Accessible.name: RichText.plain(text)
        }

        Item {
            id: body
            x: box.radius
            anchors.top: title.bottom
            width: box.contentWidth
            height: panel.height - y - box.radius
        }
    }
}
