import QtQuick

// Stands in for the theme switcher until it is built: the window places, shows and hides it.
Item {
}
