import QtQuick

// Stands in for the macOS accessibility notice until it is built: the window shows it and forwards its request.
Item {
    signal openSecurityPrivacy
}
