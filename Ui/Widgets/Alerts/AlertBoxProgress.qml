import QtQuick
import PelvaneApp 1.0

// The progress of a download or an upload, in percent.
AlertBoxBase {
    id: box

    property real alertProgress: 0

    closeBtnVisible: false
    contentWidth: Math.min(Math.max(titleWidth, row.implicitWidth), width - 2 * radius, 500)
    contentHeight: 240

    Rectangle {
        id: bar
        y: 24
        anchors.horizontalCenter: parent.horizontalCenter
        width: box.contentWidth * 0.9
        height: 24
        radius: 20
        color: PelvaneThemesManager.sliderBackgroundColor

        Rectangle {
            x: 3
            y: 3
            height: parent.height - 6
            width: (parent.width - 6) * Math.max(0, Math.min(box.alertProgress, 100)) / 100
            radius: height / 2
            color: PelvaneThemesManager.productsBarBackgroundColor
        }

        Text {
            id: percent
            objectName: "progressText"
            anchors.centerIn: parent
            text: box.alertProgress.toFixed(1) + "%"
            font.pixelSize: 12
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: PelvaneThemesManager.buttonTextColor
        }
    }

    AlertButtons {
        id: row
        anchors.top: bar.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        buttons: box.buttons
        onPress: function (record) {
            box.pressButton(record)
        }
    }
}
