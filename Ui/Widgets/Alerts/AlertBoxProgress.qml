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
            id: fill
            objectName: "progressFill"
            x: 3
            y: 3
            height: parent.height - 6
            width: (parent.width - 6) * Math.max(0, Math.min(box.alertProgress, 100)) / 100
            radius: height / 2
            color: PelvaneThemesManager.productsBarBackgroundColor
        }

        // The value reads dark on the track and light on the fill: the light copy shows
        // only over the fill.
        Percent {
            id: percent
            objectName: "progressText"
            color: PelvaneThemesManager.subtitleColor
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Item {
            x: fill.x
            y: fill.y
            width: fill.width
            height: fill.height
            clip: true
            Percent {
                objectName: "progressTextOnFill"
                x: percent.x - parent.x
                y: percent.y - parent.y
                color: "white"
                Accessible.ignored: true
            }
        }
    }

    component Percent: Text {
        x: (bar.width - width) / 2
        y: (bar.height - height) / 2
        text: box.alertProgress.toFixed(1) + "%"
        font.pixelSize: 12
        font.family: PelvaneThemesManager.defaultNormalFontFamily
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
