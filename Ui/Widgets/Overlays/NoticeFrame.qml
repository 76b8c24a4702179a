import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets"

// The frame of a notice: a veil over the window and a centred panel holding the notice's
// content with a margin of padding on every side. Clicks on the panel stay in it.
Item {
    id: frame

    default property alias content: contentBox.data
    property real contentWidth: 350
    property real contentHeight: 200
    property real padding: 20
    // No outline unless a notice asks for one.
    property real borderWidth: 0
    property color borderColor: "transparent"

    Rectangle {
        anchors.fill: parent
        color: PelvaneThemesManager.buttonsWindowActionsSelectionOverlay
        opacity: 0.75
        WindowMouseControl {
            anchors.fill: parent
            preventStealing: true
            hoverEnabled: true
        }
    }

    Rectangle {
        anchors.centerIn: parent
        width: frame.contentWidth + 2 * frame.padding
        height: frame.contentHeight + 2 * frame.padding
        radius: 20
        color: PelvaneThemesManager.buttonsWindowActionsSelection
        border.width: frame.borderWidth
        border.color: frame.borderColor

        MouseArea {
            anchors.fill: parent
        }

        Item {
            id: contentBox
            x: frame.padding
            y: frame.padding
            width: frame.contentWidth
            height: frame.contentHeight
        }
    }
}
