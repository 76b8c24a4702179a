import QtQuick

// The profile picker: nothing opens it, so it stays an empty hidden item.
Item {
    visible: false
}
