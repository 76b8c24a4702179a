import QtQuick

// Stands in for the account popup until it is built: the window shows and hides it.
Item {
}
