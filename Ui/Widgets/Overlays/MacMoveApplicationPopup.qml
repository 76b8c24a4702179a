import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// The advice to run the program from the Applications folder on macOS.
NoticeFrame {
    id: popup

    contentWidth: 350
    contentHeight: texts.height

    Column {
        id: texts
        width: popup.contentWidth
        spacing: 10

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 100
            height: 100
            fillMode: Image.PreserveAspectFit
            source: PelvaneThemesManager.justLogoWithBlue
        }
        Repeater {
            model: [Strings.macMoveApp, Strings.macMoveAppDetails]
            delegate: Text {
                required property string modelData
                width: texts.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: modelData
                font.pixelSize: 14
                font.family: PelvaneThemesManager.defaultNormalFontFamily
                color: PelvaneThemesManager.buttonTextColor
            }
        }
        PelvaneButton {
            objectName: "moveAppOkButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 200
            height: 20
            autoResize: false
            btnText: Strings.confirmationButtonText
            onPressed: popup.visible = false
        }
    }
}
