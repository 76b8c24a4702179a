import QtQuick
import QtTest
import QuickFlux 1.1
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/About"
import "qrc:/Ui/TabPages"
import "qrc:/Ui/Widgets/Overlays"
import "Find.js" as Find

// The About page's dialogues through the window's alert container, with the page's own update
// and sync controllers on the program's real managers and a fake cloud on 127.0.0.1: every
// question answered by pressing its button, and the answer seen by the services. The states
// that the fake cannot bring about come as reports of the controllers' own signals.
WindowStandIn {
    id: mainWindow
    width: 1200
    height: 700

    readonly property CloudDialogues cloudDialogues: CloudDialogues {}
    readonly property QtObject configSyncController: about.configSyncController

    function closeLoginWindow() {
        account.visible = false
    }

    ApplicationController {
        id: appController
    }

    LocalizationController {
        id: localization
    }

    Rectangle {
        anchors.fill: parent
        color: PelvaneThemesManager.mainBackgroundColor
    }

    AboutPage {
        id: about
        anchors.fill: parent
    }

    PelvaneAccountPopup {
        id: account
        anchors.fill: parent
        visible: false
        authController: appController.authController
        configSyncController: about.configSyncController
    }

    SignalSpy {
        id: updateReports
        target: about.updateController
        signalName: "updateProcessStateUpdated"
    }

    SignalSpy {
        id: syncReports
        target: about.configSyncController
        signalName: "syncProcessStateUpdate"
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

        // The permissions these tests change, given back to the test files that follow.
        readonly property var permissions: ["downloadPermission", "installPermission", "configSyncPermission", "checkUpdatesPermission"]
        property var savedPermissions: ({})

        function initTestCase() {
            permissions.forEach(function (name) {
                savedPermissions[name] = appController[name]
            })
        }

        function cleanupTestCase() {
            permissions.forEach(function (name) {
                appController[name] = savedPermissions[name]
            })
        }

        // Any warning, Qt's own included, fails the test function.
        function init() {
            failOnWarning(/.?/)
        }

        readonly property string shownTitle: alerts.currentAlertInShow ? alerts.currentAlertInShow.alertTitle : ""

        function cleanup() {
            about.updateDialogues.checkingTimer.interval = 1000
            about.updateDialogues.stopChecking()
            account.visible = false
            if (appController.authController.authenticated) {
                cloud.signIn(false)
                tryCompare(appController.authController, "authenticated", false)
            }
            while (alerts.currentAlertInShow)
                AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
            compare(alerts.alertBoxQueue.length, 0)
        }

        // Waits for a report of the procedure in the spy's list, from the index on.
        function waitForReport(spy, state, from) {
            tryVerify(function () {
                for (var i = from || 0; i < spy.count; ++i) {
                    if (spy.signalArguments[i][0] === state)
                        return true
                }
                return false
            }, 10000, "state " + state)
        }

        function pressCheck() {
            mouseClick(findChild(about, "checkUpdatesButton"))
        }

        // Signs in, which starts one sync, and waits for the question the cloud's copy asks.
        function signInUntil(title) {
            appController.configSyncPermission = true
            cloud.signIn(true)
            tryCompare(testCase, "shownTitle", title, 10000)
        }

        function pressButton(item, text) {
            var found = Find.button(item, text)
            verify(found, text)
            mouseClick(found)
        }

        function findProgressBox(item) {
            return Find.first(item, function (each) {
                return each.alertProgress !== undefined && each.visible
            })
        }

        function test_versionSaysLinux() {
            verify(findChild(about, "versionText").text.indexOf(" Linux ") === 0)
        }

        // The version the build wrote into the program's stamp. One that is not filled in, or
        // not read, shows 0.0.0: a build set to that could not tell.
        function test_versionIsTheBuilds() {
            verify(buildSetting.version !== "0.0.0", "the build sets no version")
            compare(findChild(about, "versionText").text,
                    " Linux " + Strings.driverDescription.arg(buildSetting.version))
        }

        // Ten ticks of a check leave one checking message, gone with the result.
        function test_oneCheckingAlertPerCheck() {
            for (var tick = 0; tick < 10; ++tick)
                about.updateController.updateProcessStateUpdated(tick === 0 ? 1 : 2, 0)
            compare(shownTitle, "Checking for updates.  ")
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

        // The report that opens the alert shows 0.0 %, the next ones move the bar.
        function test_downloadProgress() {
            about.updateController.updateProcessStateUpdated(5, 425)
            tryCompare(testCase, "shownTitle", Strings.downloadingSoftwareUpdate)
            var box = findProgressBox(alerts)
            verify(box)
            compare(box.alertProgress, 0)
            compare(findChild(box, "progressText").text, "0.0%")
            about.updateController.updateProcessStateUpdated(5, 425)
            tryCompare(findProgressBox(alerts), "alertProgress", 42.5)
            compare(findChild(findProgressBox(alerts), "progressText").text, "42.5%")
            about.updateController.updateProcessStateUpdated(5, 800)
            tryCompare(findProgressBox(alerts), "alertProgress", 80)
            compare(alerts.alertBoxQueue.length, 0)
        }

        // Five reports of an upload, one alert whose bar moves.
        function test_syncProgressOneAlert() {
            for (var report = 1; report <= 5; ++report) {
                about.configSyncController.syncProcessStateUpdate(9, report * 150)
                compare(shownTitle, Strings.uploadingConfigCloud)
                tryCompare(findProgressBox(alerts), "alertProgress", report === 1 ? 0 : report * 15)
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
            compare(findProgressBox(alerts).alertProgress, 0)
            about.configSyncController.syncProcessStateUpdate(9, 100)
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

        // What the box in show says, as the dots move in it.
        function boxTitle() {
            return alerts.boxLoader.item ? alerts.boxLoader.item.msgTitleText : ""
        }

        // The dots cycle once a second, for ten ticks at most; the message then goes.
        function test_checkingTimerTicksTenTimes() {
            about.updateDialogues.checkingTimer.interval = 150
            about.updateController.updateProcessStateUpdated(1, 0)
            compare(boxTitle(), "Checking for updates.  ")
            var titles = [boxTitle()]
            tryVerify(function () {
                var title = boxTitle()
                if (title !== "" && titles[titles.length - 1] !== title)
                    titles.push(title)
                return title === ""
            }, 5000)
            compare(titles.slice(0, 5), ["Checking for updates.  ", "Checking for updates.. ", "Checking for updates...", "Checking for updates   ", "Checking for updates.  "])
            compare(titles.length, 10)
            compare(about.updateDialogues.checkingTicks, 10)
            verify(!about.updateDialogues.checkingTimer.running)
            compare(alerts.alertBoxQueue.length, 0)
        }

        // The ten ticks may end before a slow check does; pressing again starts them anew.
        function test_secondPressRestartsTheTimer() {
            cloud.offerUpdate(false, 2000)
            var checks = cloud.count("check")
            updateReports.clear()
            about.updateDialogues.checkingTimer.interval = 50
            pressCheck()
            verify(shownTitle.indexOf("Checking for updates") === 0)
            tryCompare(testCase, "shownTitle", "")
            compare(about.updateDialogues.checkingTicks, 10)
            pressCheck()
            verify(shownTitle.indexOf("Checking for updates") === 0)
            verify(about.updateDialogues.checkingTicks < 10)
            verify(about.updateDialogues.checkingTimer.running)
            // Both checks reach the service and end up to date.
            tryVerify(function () {
                return updateReports.signalArguments.filter(function (report) {
                    return report[0] === 9
                }).length === 2
            }, 10000)
            compare(cloud.count("check"), checks + 2)
            tryCompare(testCase, "shownTitle", Strings.softwareUpToDate)
            compare(alerts.alertBoxQueue.length, 0)
            pressButton(alerts, Strings.confirmationButtonText)
            tryCompare(testCase, "shownTitle", "")
        }

        // The forced check of the button, answered "up to date" by the service.
        function test_forcedCheckReachesTheService() {
            cloud.offerUpdate(false)
            var checks = cloud.count("check")
            pressCheck()
            tryCompare(testCase, "shownTitle", Strings.softwareUpToDate, 10000)
            compare(cloud.count("check"), checks + 1)
            pressButton(alerts, Strings.confirmationButtonText)
            tryCompare(testCase, "shownTitle", "")
        }

        function test_downloadAndInstallAnswers_data() {
            return [{
                    "tag": "download, install",
                    "download": Strings.yesLabel,
                    "install": Strings.yesLabel,
                    "started": 1
                }, {
                    "tag": "download, do not install",
                    "download": Strings.yesLabel,
                    "install": Strings.noLabel,
                    "started": 0
                }, {
                    "tag": "do not download",
                    "download": Strings.noLabel,
                    "install": "",
                    "started": 0
                }]
        }

        function startedInstallers() {
            var text = cloud.startedInstallers()
            return text === "" ? 0 : text.split("\n").length - 1
        }

        function test_downloadAndInstallAnswers(data) {
            appController.downloadPermission = false
            appController.installPermission = false
            cloud.offerUpdate(true)
            var installers = startedInstallers()
            updateReports.clear()
            pressCheck()
            tryCompare(testCase, "shownTitle", Strings.newSoftwareUpdateFoundWantToDownloadLabel, 10000)
            pressButton(alerts, data.download)
            if (data.install === "") {
                // Declined: the procedure ends without a download or another question.
                waitForReport(updateReports, 12)
                compare(shownTitle, "")
                compare(startedInstallers(), installers)
                return
            }
            tryCompare(testCase, "shownTitle", Strings.wantToInstallLabel, 10000)
            pressButton(alerts, data.install)
            waitForReport(updateReports, data.started ? 14 : 12)
            tryCompare(testCase, "shownTitle", "")
            tryVerify(function () {
                return startedInstallers() === installers + data.started
            })
            if (data.started)
                verify(cloud.startedInstallers().indexOf("/") === 0)
        }

        // The cloud's copy differs: its date and version are in the question, and each answer
        // takes its own road (the copy comes down, or the local file goes up, or nothing).
        function test_cloudOrLocal_data() {
            return [{
                    "tag": "cloud",
                    "answer": Strings.cloudOrLocalConfigYesMsgQuestion,
                    "upload": "",
                    "downloads": 1,
                    "uploads": 0
                }, {
                    "tag": "local, upload",
                    "answer": Strings.cloudOrLocalConfigNoMsgQuestion,
                    "upload": Strings.yesLabel,
                    "downloads": 0,
                    "uploads": 1
                }, {
                    "tag": "local, keep it here",
                    "answer": Strings.cloudOrLocalConfigNoMsgQuestion,
                    "upload": Strings.noLabel,
                    "downloads": 0,
                    "uploads": 0
                }]
        }

        function test_cloudOrLocal(data) {
            windowFixture.useFactoryPreferences()
            var minor = JSON.parse(windowFixture.savedPreferences()).MinorVersion
            cloud.offerCloudCopy("2024-05-01T12:34:56.789Z", 107, true)
            var downloads = cloud.count("download")
            var uploads = cloud.count("upload")
            syncReports.clear()
            var question = Strings.cloudOrLocalConfigQuestion.arg("2024-05-01 12:34:56").arg("107")
            signInUntil(question)
            verify(shownTitle.indexOf("2024-05-01 12:34:56") >= 0 && shownTitle.indexOf("107") >= 0)
            pressButton(alerts, data.answer)
            if (data.upload !== "") {
                tryCompare(testCase, "shownTitle", Strings.cloudUploadConfigQuestion, 10000)
                pressButton(alerts, data.upload)
            }
            if (data.downloads + data.uploads > 0) {
                tryCompare(testCase, "shownTitle", Strings.settingsSyncedLabel, 10000)
                pressButton(alerts, Strings.confirmationButtonText)
            } else {
                waitForReport(syncReports, 17)
            }
            tryCompare(testCase, "shownTitle", "")
            compare(cloud.count("download"), downloads + data.downloads)
            compare(cloud.count("upload"), uploads + data.uploads)
            tryCompare(JSON.parse(windowFixture.savedPreferences()), "MinorVersion", minor + data.downloads)
            windowFixture.useFactoryPreferences()
        }

        // A cloud copy that holds no configuration: the local file replaces it, if asked to.
        function test_invalidCloudCopy_data() {
            return [{
                    "tag": "replace it",
                    "answer": Strings.yesLabel,
                    "uploads": 1
                }, {
                    "tag": "leave it",
                    "answer": Strings.noLabel,
                    "uploads": 0
                }]
        }

        function test_invalidCloudCopy(data) {
            windowFixture.useFactoryPreferences()
            cloud.offerCloudCopy("2024-05-01T12:34:56.789Z", 3, false)
            var uploads = cloud.count("upload")
            syncReports.clear()
            signInUntil(Strings.cloudOrLocalConfigQuestion.arg("2024-05-01 12:34:56").arg("3"))
            pressButton(alerts, Strings.cloudOrLocalConfigYesMsgQuestion)
            tryCompare(testCase, "shownTitle", Strings.cloudDownloadInvalidConfigQuestion, 10000)
            pressButton(alerts, data.answer)
            if (data.uploads) {
                tryCompare(testCase, "shownTitle", Strings.settingsSyncedLabel, 10000)
                pressButton(alerts, Strings.confirmationButtonText)
            } else {
                waitForReport(syncReports, 17)
            }
            tryCompare(testCase, "shownTitle", "")
            compare(cloud.count("upload"), uploads + data.uploads)
        }

        // The account popup's sync asks the same question; its sign-out reaches the identity
        // service and leaves the window signed out.
        function test_accountSyncAndSignOut() {
            cloud.offerLocalCopy()
            appController.configSyncPermission = true
            syncReports.clear()
            cloud.signIn(true)
            waitForReport(syncReports, 18)
            account.visible = true
            cloud.offerCloudCopy("2024-05-02T08:00:00.000Z", 9, true)
            mouseClick(findChild(account, "syncButton"))
            tryCompare(testCase, "shownTitle", Strings.cloudOrLocalConfigQuestion.arg("2024-05-02 08:00:00").arg("9"), 10000)
            pressButton(alerts, Strings.cloudOrLocalConfigNoMsgQuestion)
            tryCompare(testCase, "shownTitle", Strings.cloudUploadConfigQuestion, 10000)
            pressButton(alerts, Strings.noLabel)
            tryCompare(testCase, "shownTitle", "")
            var logouts = cloud.count("logout")
            mouseClick(findChild(account, "logoutButton"))
            tryCompare(appController.authController, "authenticated", false)
            tryVerify(function () {
                return cloud.count("logout") === logouts + 1
            }, 10000)
            verify(findChild(account, "signInView").visible)
        }

        // The start-up check while another alert is shown: that alert stays until answered,
        // and no checking message is left once the check is over.
        function test_automaticCheckBehindAnotherAlert() {
            cloud.offerUpdate(false)
            appController.checkUpdatesPermission = true
            updateReports.clear()
            var answered = false
            AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                       "alertBoxDetails": {
                                           "alertType": UiActionsTypes.alertBoxTypeNormal,
                                           "alertTitle": "Another question",
                                           "alertButtons": [{
                                                   "txt": "Answer",
                                                   "callbackFunc": function () {
                                                       answered = true
                                                       AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
                                                   }
                                               }]
                                       }
                                   })
            appController.uiIsCompleted()
            waitForReport(updateReports, 13)
            compare(shownTitle, "Another question")
            compare(alerts.alertBoxQueue.length, 0)
            pressButton(alerts, "Answer")
            verify(answered)
            compare(shownTitle, "")
            wait(50)
            compare(shownTitle, "")
        }

        // Pictures of the page's dialogues in both themes, English and German, saved as
        // "ui-about-<dialogue>-<theme>-<language>.png" for a person to look at.
        function test_dialogueScreenshots() {
            var themes = ["monochrome", "miraclemist"]
            var languages = [["en", LocalizationController.English], ["de", LocalizationController.German]]
            var save = function (what, theme, language) {
                waitForRendering(mainWindow)
                grabImage(mainWindow).save(screenshotsFolder + "/ui-about-" + what + "-" + theme + "-" + language + ".png")
            }
            var updateStates = [["checking", 1, 0], ["download", 3, 0], ["progress", 5, 425], ["install", 6, 0], ["uptodate", 9, 0]]
            var syncStates = [["upload", 7, 0], ["syncprogress", 5, 300], ["synced", 13, 0]]
            for (var t = 0; t < themes.length; ++t) {
                PelvaneThemesManager.currentThemeIndex = t
                for (var l = 0; l < languages.length; ++l) {
                    localization.selectLanguage(languages[l][1])
                    var theme = themes[t]
                    var language = languages[l][0]
                    updateStates.forEach(function (state) {
                        about.updateController.updateProcessStateUpdated(state[1], state[2])
                        if (state[1] === 5)
                            about.updateController.updateProcessStateUpdated(state[1], state[2])
                        tryVerify(function () {
                            return shownTitle !== ""
                        })
                        save("update-" + state[0], theme, language)
                        about.updateDialogues.stopChecking()
                        about.updateController.updateProcessStateUpdated(13, 0)
                    })
                    // The cloud-or-local question with the cloud copy's date and version.
                    windowFixture.useFactoryPreferences()
                    cloud.offerCloudCopy("2024-05-01T12:34:56.789Z", 107, true)
                    signInUntil(Strings.cloudOrLocalConfigQuestion.arg("2024-05-01 12:34:56").arg("107"))
                    save("sync-cloudorlocal", theme, language)
                    pressButton(alerts, Strings.cloudOrLocalConfigNoMsgQuestion)
                    tryCompare(testCase, "shownTitle", Strings.cloudUploadConfigQuestion, 10000)
                    pressButton(alerts, Strings.noLabel)
                    tryCompare(testCase, "shownTitle", "")
                    cloud.signIn(false)
                    tryCompare(appController.authController, "authenticated", false)
                    syncStates.forEach(function (state) {
                        about.configSyncController.syncProcessStateUpdate(state[1], state[2])
                        if (state[1] === 5)
                            about.configSyncController.syncProcessStateUpdate(state[1], state[2])
                        tryVerify(function () {
                            return shownTitle !== ""
                        })
                        save("sync-" + state[0], theme, language)
                        about.configSyncController.syncProcessStateUpdate(18, 0)
                    })
                }
            }
            PelvaneThemesManager.currentThemeIndex = 0
            localization.selectLanguage(LocalizationController.English)
        }
    }
}
