import QtQuick

// Stands in for the macOS notice to move the program until it is built: the window shows it.
Item {
}
