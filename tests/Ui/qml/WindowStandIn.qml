import QtQuick

// Stands in for the program's window, which the widgets reach by the id mainWindow: nothing
// moves it, so a drag on a widget's title moves nothing.
Item {
    property bool inDrag: false

    function startSystemMove() {
        return false
    }
}
