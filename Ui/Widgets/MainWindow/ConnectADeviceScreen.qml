import QtQuick
import WhirlenUI 1.0
import PelvaneApp 1.0
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/BaseWidgets"

// The first screen: until a controller is connected, the user can create a configuration
// for either model.
Rectangle {
    id: screen

    radius: mainWindow.radius
    color: PelvaneThemesManager.productsBarBackgroundColor

    GradientCanvas {
        anchors.fill: parent
        radius: screen.radius
        start: Qt.point(0, 0)
        end: Qt.point(width, height)
        gradient: PelvaneThemesManager.connectAScreenBackGradient
    }

    WindowMouseControl {
        preventStealing: true
    }

    Item {
        id: logoSpace
        x: message.x
        width: message.width
        height: message.y
        Image {
            anchors.centerIn: parent
            height: parent.height * 0.6
            width: parent.width
            fillMode: Image.PreserveAspectFit
            // Decoded to fit the space it is shown in, not at its full size, and off the main
            // thread, so that the first frame does not wait for it.
            sourceSize: Qt.size(Math.max(1, Math.ceil(width * Screen.devicePixelRatio)),
                                Math.max(1, Math.ceil(height * Screen.devicePixelRatio)))
            asynchronous: true
            source: PelvaneThemesManager.justLogoPWhite
            Accessible.role: Accessible.Graphic
            Accessible.name: Strings.windowTitleName
        }
    }

    Text {
        id: message
        x: 60
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width * 0.25
        text: Strings.connectADeviceTxt
        wrapMode: Text.WordWrap
        font.pixelSize: 18
        font.family: PelvaneThemesManager.defaultMediumFontFamily
        font.weight: PelvaneThemesManager.defaultMediumFontWeight
        color: PelvaneThemesManager.pelvaneG4Color
    }

    PelvaneIconButton {
        id: closeButton
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 35
        width: 20
        height: 20
        normalSource: PelvaneThemesManager.closeIcon
        opacity: closeButton.hovered ? 0.6 : 1
        accessibleName: Strings.closeLabel
        onClicked: mainWindow.close()
    }

    Grid {
        id: tiles
        anchors.left: message.right
        anchors.leftMargin: 100
        anchors.right: parent.right
        anchors.rightMargin: 85
        anchors.verticalCenter: parent.verticalCenter
        rows: 1
        columns: 4
        spacing: 30
        readonly property real tileSize: (width - 3 * spacing) / 4

        CreateConfigurationTile {
            size: tiles.tileSize
            model: DeviceController.MultimediaMax
        }
        CreateConfigurationTile {
            size: tiles.tileSize
            model: DeviceController.MultimediaLite
        }
    }

    HyperLinkText {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: notice.top
        anchors.bottomMargin: 10
        text: Strings.webSiteLabel
        url: Strings.webSiteUrl
        font.pixelSize: 14
        normalColor: "white"
        hoverColor: PelvaneThemesManager.productsSelectedBarBackgroundColor
    }

    Text {
        id: notice
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 5
        text: Strings.copyRightLabel
        font.pixelSize: 10
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        color: "white"
    }
}
