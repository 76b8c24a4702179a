import QtQuick
import QtTest
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/Overlays"

// The settings overlay over the real application controller: each toggle flips its
// setting, the interval list writes its choice.
WindowStandIn {
    id: mainWindow
    width: 1200
    height: 700

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

        // Any warning, Qt's own included, fails the test function.
        function init() {
            failOnWarning(/.?/)
        }

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
            // After the clicks the switch still follows its setting.
            appController[data.tag] = !before
            compare(toggle.isToggled, !before)
            appController[data.tag] = before
            compare(toggle.isToggled, before)
        }

        readonly property int settingsFrame: 4
        readonly property int preferencesFrame: 3

        // Each control of the overlay written to the settings file, and told to the agent in
        // one settings frame only where the agent uses it (the update check).
        function test_controlsWriteTheFileAndTellTheAgent_data() {
            return [{
                    "tag": "downloadPermission",
                    "frames": 0
                }, {
                    "tag": "installPermission",
                    "frames": 0
                }, {
                    "tag": "configSyncPermission",
                    "frames": 0
                }, {
                    "tag": "checkUpdatesPermission",
                    "frames": 1
                }, {
                    "tag": "checkUpdatesInterval",
                    "frames": 1
                }]
        }

        function test_controlsWriteTheFileAndTellTheAgent(data) {
            var settingsBefore = recordingAgent.count(settingsFrame)
            var markers = recordingAgent.count(preferencesFrame)
            if (data.tag === "checkUpdatesInterval") {
                var combo = findChild(settings, "updateIntervalCombo")
                var index = (appController.checkUpdatesInterval + 1) % appController.checkUpdatesIntervals.length
                combo.activated(index)
                compare(appController.checkUpdatesInterval, index)
                compare(recordingAgent.savedSettings().checkUpdatesInterval, [43200, 86400, 172800, 259200][index])
            } else {
                var before = appController[data.tag]
                mouseClick(findChild(settings, "settingToggle_" + data.tag))
                compare(recordingAgent.savedSettings()[data.tag], !before)
            }
            recordingAgent.sendMarker()
            tryVerify(function () {
                return recordingAgent.count(preferencesFrame) === markers + 1
            })
            compare(recordingAgent.count(settingsFrame), settingsBefore + data.frames)
        }

        // The settings as the run found them, put back for the documents tested later.
        property var startSettings: ({})

        function initTestCase() {
            ["downloadPermission", "installPermission", "configSyncPermission", "checkUpdatesPermission", "checkUpdatesInterval"].forEach(function (name) {
                startSettings[name] = appController[name]
            })
            verify(recordingAgent.listen(), "the program connects to the recording agent")
            // The link's announcement ends with a preferences update.
            tryVerify(function () {
                return recordingAgent.count(preferencesFrame) === 1
            }, 20000)
        }

        function cleanupTestCase() {
            for (var name in startSettings)
                appController[name] = startSettings[name]
            recordingAgent.close()
        }

        function test_closeIconHides() {
            settings.visible = true
            mouseClick(findChild(settings, "settingsCloseIcon"))
            verify(!settings.visible)
            settings.visible = true
        }
    }
}
