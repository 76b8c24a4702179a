import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"
import "qrc:/Ui/Widgets"

// The bar of controllers at the window's left: one tile a device or configuration, the
// selected one highlighted; a tile of a model without a layout cannot be selected.
Rectangle {
    id: bar

    readonly property QtObject appController: mainWindow.appController

    // Brings the selected tile wholly into view.
    function scrollToSelection() {
        if (appController && appController.selectedProductIndex >= 0)
            productList.positionViewAtIndex(appController.selectedProductIndex, ListView.Contain)
    }

    objectName: "blueBarProducts"
    color: PelvaneThemesManager.productsBarBackgroundColor
    radius: mainWindow.radius

    // Squares off the right half of the rounded corners.
    Rectangle {
        anchors.right: parent.right
        width: parent.width / 2
        height: parent.height
        color: parent.color
    }

    WindowMouseControl {}

    Rectangle {
        id: environmentLabel
        anchors.horizontalCenter: parent.horizontalCenter
        y: 10
        z: 1
        visible: bar.appController !== null && bar.appController.cloudEnvironment !== "PROD"
        width: environmentText.implicitWidth + 4
        height: environmentText.implicitHeight + 2
        color: "red"

        Text {
            id: environmentText
            anchors.centerIn: parent
            text: bar.appController ? bar.appController.cloudEnvironment : ""
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: 10
            font.family: PelvaneThemesManager.defaultNormalFontFamily
        }
    }

    ScaledImage {
        id: logo
        objectName: "productsLogo"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 30
        availableWidth: parent.width * 0.85
        // The badge is square: the list below stands in its place from the first frame,
        // not only once the logo is decoded.
        height: width
        source: PelvaneThemesManager.pelvaneLogoWhite
        Accessible.role: Accessible.Graphic
        Accessible.name: Strings.windowTitleName
    }

    ListView {
        id: productList
        objectName: "productList"
        anchors.top: logo.bottom
        anchors.topMargin: 40
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        width: parent.width
        clip: true
        model: bar.appController ? bar.appController.listDeviceControllers : []
        onModelChanged: bar.scrollToSelection()

        delegate: Rectangle {
            id: tile

            required property QtObject modelData
            readonly property QtObject deviceController: modelData
            readonly property bool selectable: PelvaneThemesManager.productsWidgets[deviceController.modelType] !== ""
            readonly property bool selected: bar.appController !== null && bar.appController.selectedDeviceController === deviceController

            width: productList.width
            height: width + 10
            color: selected ? PelvaneThemesManager.productsSelectedBarBackgroundColor : bar.color
            Accessible.role: Accessible.Button
            Accessible.name: (Strings.deviceModelNames[deviceController.modelType] ?? "") + " " + tileLabel.text
            Accessible.selectable: true
            Accessible.selected: selected
            Accessible.onPressAction: if (tile.selectable)
                                          bar.appController.selectedDeviceController = tile.deviceController

            ScaledImage {
                objectName: "tilePicture"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.verticalCenter: parent.verticalCenter
                anchors.verticalCenterOffset: -4
                availableWidth: parent.width * 0.75
                source: PelvaneThemesManager.productsImages[tile.deviceController.modelType] ?? ""
                // The tile itself names the model.
                Accessible.ignored: true
            }

            Text {
                id: tileLabel
                objectName: "tileLabel"
                // Above the veil below.
                z: 1
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 2
                anchors.horizontalCenter: parent.horizontalCenter
                width: parent.width - 4
                horizontalAlignment: Text.AlignHCenter
                // Written, not translated, under every configuration tile.
                text: tile.deviceController.isConfiguration ? "Configuration" : tile.deviceController.serial
                textFormat: Text.PlainText
                fontSizeMode: Text.HorizontalFit
                font.pixelSize: 12
                minimumPixelSize: 10
                elide: Text.ElideRight
                // White reads on the dark bar; the light selection takes the dark text.
                color: tile.selected ? PelvaneThemesManager.subtitleColor : "white"
                font.family: tile.selected ? PelvaneThemesManager.defaultMediumFontFamily : PelvaneThemesManager.defaultNormalFontFamily
                font.bold: tile.selected
            }

            // Dims the tile of a model with no device connected; its label stays above it,
            // to be read.
            Rectangle {
                objectName: "tileVeil"
                anchors.fill: parent
                visible: tile.deviceController.countRealDevicesConnected <= 0
                color: PelvaneThemesManager.pelvaneG4Color
                opacity: 0.5
            }

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                cursorShape: tile.selectable ? Qt.PointingHandCursor : Qt.ArrowCursor
                onClicked: if (tile.selectable)
                               bar.appController.selectedDeviceController = tile.deviceController
            }
        }
    }
}
