import QtQuick

// Stands in for the macro step editor until it is built: the window hands it a step and its group.
Item {
    property QtObject macroActionController: null
    property QtObject macroGroupController: null

    function reinitWindow() {}
}
