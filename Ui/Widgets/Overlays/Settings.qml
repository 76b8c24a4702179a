import QtQuick

// Stands in for the settings dialog until it is built: the window hands it the application controller.
Item {
    property QtObject appController: null
}
