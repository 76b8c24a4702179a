import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets"

// The frame of a notice: a veil over the window and a centred panel holding the notice's
// content with 20 px margins.
Item {
    id: frame

    default property alias content: contentBox.data
    property real contentWidth: 350
    property real contentHeight: 200

    Rectangle {
        anchors.fill: parent
        color: PelvaneThemesManager.buttonsWindowActionsSelectionOverlay
        opacity: 0.75
        WindowMouseControl {
            anchors.fill: parent
            preventStealing: true
        }
    }

    Rectangle {
        anchors.centerIn: parent
        width: frame.contentWidth + 40
        height: frame.contentHeight + 40
        radius: 20
        color: PelvaneThemesManager.buttonsWindowActionsSelection

        MouseArea {
            anchors.fill: parent
        }

        Item {
            id: contentBox
            x: 20
            y: 20
            width: frame.contentWidth
            height: frame.contentHeight
        }
    }
}
