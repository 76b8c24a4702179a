import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0

ApplicationWindow {
    id: mainWindow
    width: 1280
    height: 800
    visible: true
    title: Strings.windowTitleName
}
