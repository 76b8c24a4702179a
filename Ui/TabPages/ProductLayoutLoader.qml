import QtQuick
import PelvaneApp 1.0

// The selected model's button layout; the layout reads the device through _deviceController.
Loader {
    readonly property QtObject _deviceController: appController.selectedDeviceController

    source: PelvaneThemesManager.productsWidgets[appController.selectedProductModel] ?? ""
}
