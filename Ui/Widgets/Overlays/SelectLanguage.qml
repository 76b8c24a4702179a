import QtQuick

// Stands in for the language picker until it is built: the window shows and hides it.
Item {
}
