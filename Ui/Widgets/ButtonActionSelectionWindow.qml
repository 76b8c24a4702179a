import QtQuick

// Stands in for the button action editor until it is built: the window hands it a button and refreshes it.
Item {
    property QtObject buttonController: null

    function reinitWindow() {}

    function reactivate() {}
}
