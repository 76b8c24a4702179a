import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import "qrc:/Ui/Widgets"

// How to set up a Whirlen controller: where to find help, and the getting-started guide.
Flickable {
    id: setUp

    readonly property QtObject deviceController: appController.selectedDeviceController
    readonly property int modelType: deviceController ? deviceController.modelType : 0

    clip: true
    contentWidth: width
    contentHeight: column.height
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    Column {
        id: column
        width: setUp.width

        Item {
            width: 1
            height: 50
        }
        Text {
            width: parent.width
            text: Strings.setUpTitle
            font.pixelSize: 20
            font.family: PelvaneThemesManager.defaultMediumFontFamily
            font.weight: PelvaneThemesManager.defaultMediumFontWeight
            color: PelvaneThemesManager.titleRedColor
        }
        Item {
            width: 1
            height: 30
        }
        Text {
            width: parent.width
            text: Strings.visitOurSiteLabel
            font.pixelSize: 17
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: "#707070"
        }
        HyperLinkText {
            objectName: "supportLink"
            text: Strings.webSiteLabelSupport
            url: Strings.webSiteUrlSupport
            font.pixelSize: 20
            normalColor: PelvaneThemesManager.pelvaneLinkColor
        }
        Item {
            width: 1
            height: 30
        }
        Text {
            id: instructions
            width: parent.width
            text: Strings.newSetUpInstructions
            wrapMode: Text.WordWrap
            font.pixelSize: 16
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: PelvaneThemesManager.subtitleColor
        }
        Item {
            width: 1
            height: 18
        }
        Item {
            width: parent.width
            height: 200

            Column {
                width: 250
                Text {
                    width: parent.width
                    height: instructions.height * 2
                    text: Strings.newSetUpInstructions
                    wrapMode: Text.WordWrap
                    fontSizeMode: Text.Fit
                    font.pointSize: 10
                    minimumPointSize: 5
                    font.family: PelvaneThemesManager.defaultNormalFontFamily
                    color: PelvaneThemesManager.titleRedColor
                }
                Image {
                    objectName: "userGuideImage"
                    width: parent.width
                    height: 200 - instructions.height * 2
                    fillMode: Image.PreserveAspectFit
                    source: PelvaneThemesManager.userGuideImage[setUp.modelType] ?? ""
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        // One guide serves both models.
                        onClicked: Qt.openUrlExternally(Strings.newSetUpLinkWhirlenMax)
                    }
                }
            }
        }
    }
}
