import QtQuick

// Stands in for the About & Support page until it is built: the window gives it its margin.
Item {
    property real lateralMargin: 0
}
