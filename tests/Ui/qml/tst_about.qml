import QtQuick
import QtTest
import QuickFlux 1.1
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/TabPages"

// The About page's dialogues, driven by the signals of its own update and sync
// controllers, through the window's alert container.
Item {
    id: mainWindow
    width: 1200
    height: 700

    property bool inDrag: false

    ApplicationController {
        id: appController
    }

    AboutPage {
        id: about
        anchors.fill: parent
    }

    AlertsContainer {
        id: alerts
        anchors.fill: parent
        alertsController: appController.alertsController
    }

    TestCase {
        id: testCase
        name: "About"
        when: windowShown

        readonly property string shownTitle: alerts.currentAlertInShow ? alerts.currentAlertInShow.alertTitle : ""

        function cleanup() {
            while (alerts.currentAlertInShow)
                AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        }

        function pressButton(item, text) {
            var found = findButton(item, text)
            verify(found, text)
            mouseClick(found)
        }

        function findButton(item, text) {
            if (item.btnText === text && item.visible)
                return item
            for (var i = 0; i < item.children.length; ++i) {
                var found = findButton(item.children[i], text)
                if (found)
                    return found
            }
            return null
        }

        function findProgressBox(item) {
            if (item.alertProgress !== undefined && item.visible)
                return item
            for (var i = 0; i < item.children.length; ++i) {
                var found = findProgressBox(item.children[i])
                if (found)
                    return found
            }
            return null
        }

        function test_versionSaysLinux() {
            verify(findChild(about, "versionText").text.indexOf(" Linux ") === 0)
        }

        // Ten ticks of a check leave one checking message, gone with the result.
        function test_oneCheckingAlertPerCheck() {
            for (var tick = 0; tick < 10; ++tick)
                about.updateController.updateProcessStateUpdated(tick === 0 ? 1 : 2, 0)
            compare(shownTitle, Strings.checkingForUpdatesLabel)
            compare(alerts.alertBoxQueue.length, 0)
            about.updateController.updateProcessStateUpdated(9, 0)
            tryCompare(testCase, "shownTitle", Strings.softwareUpToDate)
            pressButton(alerts, Strings.confirmationButtonText)
            tryCompare(testCase, "shownTitle", "")
            compare(alerts.alertBoxQueue.length, 0)
        }

        function test_updateStates_data() {
            return [{
                    "tag": "3 download question",
                    "state": 3,
                    "title": Strings.newSoftwareUpdateFoundWantToDownloadLabel
                }, {
                    "tag": "6 install question",
                    "state": 6,
                    "title": Strings.wantToInstallLabel
                }, {
                    "tag": "9 up to date",
                    "state": 9,
                    "title": Strings.softwareUpToDate
                }, {
                    "tag": "10 check failed",
                    "state": 10,
                    "title": Strings.updateCheckFailedLabel
                }, {
                    "tag": "11 download failed",
                    "state": 11,
                    "title": Strings.updateCheckFailedLabel
                }, {
                    "tag": "13 nothing",
                    "state": 13,
                    "title": ""
                }]
        }

        function test_updateStates(data) {
            about.updateController.updateProcessStateUpdated(data.state, 0)
            tryCompare(testCase, "shownTitle", data.title)
        }

        function test_downloadProgress() {
            about.updateController.updateProcessStateUpdated(5, 425)
            tryCompare(testCase, "shownTitle", Strings.downloadingSoftwareUpdate)
            var box = findProgressBox(alerts)
            verify(box)
            compare(box.alertProgress, 42.5)
            about.updateController.updateProcessStateUpdated(5, 800)
            tryCompare(findProgressBox(alerts), "alertProgress", 80)
            compare(alerts.alertBoxQueue.length, 0)
        }

        // Five reports of an upload, one alert whose bar moves.
        function test_syncProgressOneAlert() {
            for (var report = 1; report <= 5; ++report) {
                about.configSyncController.syncProcessStateUpdate(9, report * 150)
                compare(shownTitle, Strings.uploadingConfigCloud)
                tryCompare(findProgressBox(alerts), "alertProgress", report * 15)
            }
            compare(alerts.alertBoxQueue.length, 0)
            about.configSyncController.syncProcessStateUpdate(13, 0)
            tryCompare(testCase, "shownTitle", Strings.settingsSyncedLabel)
            pressButton(alerts, Strings.confirmationButtonText)
            tryCompare(testCase, "shownTitle", "")
            compare(alerts.alertBoxQueue.length, 0)
        }

        // A download followed by an upload shows the upload's alert alone.
        function test_syncProgressAlertFollowsTheTransfer() {
            about.configSyncController.syncProcessStateUpdate(5, 300)
            tryCompare(testCase, "shownTitle", Strings.downloadingConfigCloud)
            about.configSyncController.syncProcessStateUpdate(9, 100)
            tryCompare(testCase, "shownTitle", Strings.uploadingConfigCloud)
            tryCompare(findProgressBox(alerts), "alertProgress", 10)
            compare(alerts.alertBoxQueue.length, 0)
            // The end of the sync closes it.
            about.configSyncController.syncProcessStateUpdate(13, 0)
            tryCompare(testCase, "shownTitle", Strings.settingsSyncedLabel)
        }

        // Cancelling a transfer's progress alert leaves the message that it was cancelled.
        function test_cancelProgress_data() {
            return [{
                    "tag": "software download",
                    "signal": "updateProcessStateUpdated",
                    "state": 5,
                    "title": Strings.downloadingSoftwareUpdate,
                    "cancelled": Strings.softwareUpdateCanceledLabel
                }, {
                    "tag": "configuration download",
                    "signal": "syncProcessStateUpdate",
                    "state": 5,
                    "title": Strings.downloadingConfigCloud,
                    "cancelled": Strings.configDownloadCanceledLabel
                }, {
                    "tag": "configuration upload",
                    "signal": "syncProcessStateUpdate",
                    "state": 9,
                    "title": Strings.uploadingConfigCloud,
                    "cancelled": Strings.configUploadCanceledLabel
                }]
        }

        function test_cancelProgress(data) {
            var controller = data.signal === "syncProcessStateUpdate" ? about.configSyncController : about.updateController
            controller[data.signal](data.state, 300)
            tryCompare(testCase, "shownTitle", data.title)
            pressButton(alerts, Strings.cancelBtnLabel)
            tryCompare(testCase, "shownTitle", data.cancelled)
            compare(alerts.alertBoxQueue.length, 0)
        }

        function test_syncStates_data() {
            return [{
                    "state": 6,
                    "title": Strings.cloudDownloadInvalidConfigQuestion
                }, {
                    "state": 7,
                    "title": Strings.cloudUploadConfigQuestion
                }, {
                    "state": 10,
                    "title": Strings.cloudUploadInvalidConfigQuestion
                }, {
                    "state": 11,
                    "title": Strings.cloudSyncResetToDefaultQuestion
                }, {
                    "state": 14,
                    "title": Strings.configSyncFailedLabel
                }, {
                    "state": 15,
                    "title": Strings.configDownloadFailedLabel
                }, {
                    "state": 16,
                    "title": Strings.configUploadFailedLabel
                }, {
                    "state": 19,
                    "title": Strings.configResetCompletedLabel
                }, {
                    "state": 18,
                    "title": ""
                }]
        }

        function test_syncStates(data) {
            about.configSyncController.syncProcessStateUpdate(data.state, 0)
            tryCompare(testCase, "shownTitle", data.title)
        }

        function test_resetToFactory() {
            windowFixture.useFactoryPreferences()
            appController.addMacro("Kept until the reset")
            tryVerify(function () {
                return appController.listMacroNames.length === 1
            })
            mouseClick(findChild(about, "resetFactoryButton"))
            tryCompare(testCase, "shownTitle", Strings.resetToDefaultQ)
            pressButton(alerts, Strings.yesLabel)
            tryCompare(testCase, "shownTitle", Strings.resetConfirmationText)
            tryCompare(appController.listMacroNames, "length", 0)
            compare(JSON.parse(windowFixture.savedPreferences()).Macros.length, 0)
        }
    }
}
