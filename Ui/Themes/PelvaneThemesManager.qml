pragma Singleton
import QtQuick

QtObject {
    readonly property color backgroundColor: "#1e1f24"
    readonly property color textColor: "#ffffff"
}
