import QtQuick

// Stands in for the application configuration dialog until it is built: the window resets, shows and hides it.
Item {
    function resetToDefault() {}
}
