import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets"

// The maker's splash: hidden by a double click or after 2.5 s.
Rectangle {
    id: splash

    radius: mainWindow.radius
    color: PelvaneThemesManager.productsBarBackgroundColor

    Image {
        id: logo
        anchors.centerIn: parent
        width: parent.width * 0.3
        fillMode: Image.PreserveAspectFit
        source: PelvaneThemesManager.justLogoWithBlue
        Accessible.role: Accessible.Graphic
        Accessible.name: Strings.windowTitleName
    }

    Text {
        anchors.horizontalCenter: logo.horizontalCenter
        anchors.verticalCenter: logo.verticalCenter
        anchors.verticalCenterOffset: logo.height * 0.22
        // The product's name, not translated.
        text: "<b>Multimedia Controller</b>"
        textFormat: Text.StyledText
        font.pixelSize: Math.max(logo.height * 0.05, 1)
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        color: PelvaneThemesManager.productsBarBackgroundColor
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

    Timer {
        interval: 2500
        running: true
        onTriggered: splash.visible = false
    }

    MouseArea {
        anchors.fill: parent
        onDoubleClicked: splash.visible = false
    }
}
