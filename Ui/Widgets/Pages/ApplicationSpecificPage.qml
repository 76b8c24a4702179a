import QtQuick

// Stands in for the Application specific page until it is built: the window gives it its margin.
Item {
    property real lateralMargin: 0
}
