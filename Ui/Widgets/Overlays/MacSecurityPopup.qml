import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// How to let the program control the computer on macOS, step by step.
NoticeFrame {
    id: popup

    signal openSecurityPrivacy

    contentWidth: 550
    contentHeight: Math.min(500, steps.height)

    Flickable {
        objectName: "macSecuritySteps"
        anchors.fill: parent
        clip: true
        contentHeight: steps.height
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: steps
            width: popup.contentWidth
            spacing: 10

            Repeater {
                model: [Strings.macSecurityText, Strings.macSecurityTutorial1, Strings.macSecurityTutorial2, Strings.macSecurityTutorial3, Strings.macSecurityTutorial4, Strings.macSecurityTutorial5]
                delegate: Text {
                    required property string modelData
                    width: steps.width - 30
                    wrapMode: Text.WordWrap
                    text: modelData
                    font.pixelSize: 14
                    font.family: PelvaneThemesManager.defaultNormalFontFamily
                    color: PelvaneThemesManager.buttonTextColor
                }
            }
            Image {
                width: steps.width
                fillMode: Image.PreserveAspectFit
                source: PelvaneThemesManager.macAllowApplication
            }
            PelvaneButton {
                objectName: "openSecurityButton"
                width: 200
                height: 20
                autoResize: false
                btnText: Strings.macOpenSecurityAndPrivacy
                onPressed: popup.openSecurityPrivacy()
            }
        }
    }

    PelvaneIconButton {
        objectName: "macSecurityCloseIcon"
        anchors.right: parent.right
        width: 15
        height: 15
        normalSource: PelvaneThemesManager.closeIcon
        accessibleName: Strings.closeLabel
        onClicked: popup.visible = false
    }
}
