pragma Singleton
import QtQml

QtObject {
    readonly property string windowTitle: qsTr("Pelvane Multimedia Controller Device Configuration")
}
