import QtQuick
import QtTest
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/Overlays"

// The settings overlay over the real application controller: each toggle flips its
// setting, the interval list writes its choice.
Item {
    id: mainWindow
    width: 1200
    height: 700

    property bool inDrag: false

    function startSystemMove() {
        return false
    }

    function hideSettingsWindow() {
        settings.visible = false
    }

    ApplicationController {
        id: appController
    }

    Settings {
        id: settings
        anchors.fill: parent
        appController: appController
        containerWidth: 360
    }

    TestCase {
        name: "Settings"
        when: windowShown

        function test_toggles_data() {
            return [{
                    "tag": "downloadPermission"
                }, {
                    "tag": "installPermission"
                }, {
                    "tag": "configSyncPermission"
                }, {
                    "tag": "checkUpdatesPermission"
                }]
        }

        function test_toggles(data) {
            var before = appController[data.tag]
            var toggle = findChild(settings, "settingToggle_" + data.tag)
            verify(toggle)
            compare(toggle.isToggled, before)
            mouseClick(toggle)
            compare(appController[data.tag], !before)
            tryCompare(toggle, "isToggled", !before)
            mouseClick(toggle)
            compare(appController[data.tag], before)
        }

        function test_closeIconHides() {
            settings.visible = true
            mouseClick(findChild(settings, "settingsCloseIcon"))
            verify(!settings.visible)
            settings.visible = true
        }
    }
}
