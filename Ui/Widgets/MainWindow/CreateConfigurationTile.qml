import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// A model's tile on the connect screen: a click creates a configuration for that model.
Rectangle {
    id: tile

    property real size: 100
    property int model: 0

    width: size
    height: size
    radius: 10
    color: area.containsMouse ? PelvaneThemesManager.connectADeviceRectBackgroudSelected : PelvaneThemesManager.connectADeviceRectBackgroud

    // The model's picture is square, as the tile is.
    ScaledImage {
        objectName: "createTilePicture"
        anchors.centerIn: parent
        availableWidth: tile.size - 20
        source: PelvaneThemesManager.productsImages[tile.model]
        Accessible.role: Accessible.Button
        Accessible.name: Strings.createAConfTxt + " " + Strings.deviceModelNames[tile.model]
        Accessible.onPressAction: mainWindow.createConfigurationAction(tile.model)
    }

    Rectangle {
        visible: area.containsMouse
        anchors.bottom: parent.bottom
        width: parent.width
        height: parent.height / 2
        radius: 10
        color: PelvaneThemesManager.subtitleColorConnectAScreen
        opacity: 0.7
    }

    Text {
        visible: area.containsMouse
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 15
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 10
        height: parent.height / 2 - 20
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignBottom
        text: Strings.createAConfTxt
        // The tile's button already says it.
        Accessible.ignored: true
        wrapMode: Text.WordWrap
        fontSizeMode: Text.Fit
        minimumPixelSize: 8
        font.pixelSize: 18
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        color: PelvaneThemesManager.pelvaneG4Color
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: mainWindow.createConfigurationAction(tile.model)
    }
}
