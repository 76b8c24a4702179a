import QtQuick
import PelvaneApp 1.0

// The set-up instructions of the selected controller's model.
Item {
    id: page

    property real lateralMargin: 0
    readonly property QtObject deviceController: appController.selectedDeviceController

    Loader {
        objectName: "setUpLoader"
        anchors.fill: parent
        anchors.rightMargin: page.lateralMargin
        source: PelvaneThemesManager.productsSetUp[page.deviceController ? page.deviceController.modelType : 0] ?? ""
    }
}
