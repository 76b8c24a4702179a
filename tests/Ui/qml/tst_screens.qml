import QtQuick
import QtTest
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/About"
import "qrc:/Ui/TabPages"
import "qrc:/Ui/Widgets/Overlays"
import QuickFlux 1.1
import "qrc:/Ui/Actions"
import "Find.js" as Find

// Pictures of the pages, editor panes and overlays of this part of the window, in both
// themes, English and German (the editor also in each further language), saved as
// "ui-<what>-<theme>-<language>.png" for a person to look at; the walk itself fails on any
// QML warning.
WindowStandIn {
    id: mainWindow
    // The window's design size.
    width: 1200
    height: 700

    readonly property CloudDialogues cloudDialogues: CloudDialogues {}

    function showButtonsActionsWindow(buttonController) {
        editor.buttonController = buttonController
        editor.reinitWindow()
        editor.visible = true
    }
    function hideButtonsActionsWindow() {
        editor.buttonController = null
        editor.visible = false
    }
    function showMacroActionWindow(step, group) {}
    function hideMacroActionWindow() {}
    function showAddNewAppConfigurationContextWindow() {}
    function hideAddNewAppConfigurationContextWindow() {}
    function hideLanguageSelectionWindow() {}
    function hideSettingsWindow() {}
    function closeLoginWindow() {}

    ApplicationController {
        id: appController
        onCurrentUiThemeIndexChanged: PelvaneThemesManager.currentThemeIndex = currentUiThemeIndex
    }
    LocalizationController {
        id: localization
    }

    Rectangle {
        anchors.fill: parent
        color: PelvaneThemesManager.mainBackgroundColor
    }
    Loader {
        id: page
        anchors.fill: parent
        anchors.leftMargin: 30
    }
    ButtonActionSelectionWindow {
        id: editor
        anchors.fill: parent
        visible: false
    }
    Loader {
        id: overlay
        anchors.fill: parent
    }
    // The native side of the alerts, which these pictures do not reach.
    QtObject {
        id: nativeAlerts
        signal showAlertToUi(string hash, int type, string title, string description, bool showClose, var buttons)
        function callbackAlertButton(hash, txt) {}
        function callbackAlertClose(hash) {}
    }
    AlertsContainer {
        id: alerts
        alertsController: nativeAlerts
    }

    TestCase {
        name: "Screens"
        when: windowShown

        // Any warning, Qt's own included, fails the test function.
        function init() {
            failOnWarning(/.?/)
        }

        readonly property var themes: ["monochrome", "miraclemist"]
        readonly property var languages: [["en", LocalizationController.English], ["de", LocalizationController.German]]

        function save(what, theme, language) {
            waitForRendering(mainWindow)
            var name = screenshotsFolder + "/ui-" + what + "-" + theme + "-" + language + ".png"
            grabImage(mainWindow).save(name)
        }

        function eachLook(draw) {
            for (var t = 0; t < themes.length; ++t) {
                appController.currentUiThemeIndex = t
                PelvaneThemesManager.currentThemeIndex = t
                for (var l = 0; l < languages.length; ++l) {
                    localization.selectLanguage(languages[l][1])
                    draw(themes[t], languages[l][0])
                }
            }
            localization.selectLanguage(LocalizationController.English)
        }

        function initTestCase() {
            windowFixture.useFactoryPreferences()
        }

        function test_pages() {
            var models = [[1, "max"], [2, "lite"]]
            eachLook(function (theme, language) {
                models.forEach(function (model) {
                    appController.setSelectedProductByType(model[0])
                    page.source = "qrc:/Ui/TabPages/GlobalSettingsPage.qml"
                    tryVerify(function () {
                        var loader = findChild(page.item, "globalLayoutLoader")
                        return loader && loader.item && loader.item.profileController
                    })
                    var layout = findChild(page.item, "globalLayoutLoader").item
                    var lists = ["buttons", "dial", "jogwheel"]
                    lists.forEach(function (list, index) {
                        layout.selectList(index)
                        save("global-" + model[1] + "-" + list, theme, language)
                    })
                    page.source = "qrc:/Ui/TabPages/ApplicationSpecificPage.qml"
                    save("appspecific-" + model[1], theme, language)
                    page.source = "qrc:/Ui/TabPages/SetUpPage.qml"
                    save("setup-" + model[1], theme, language)
                })
                page.source = "qrc:/Ui/TabPages/AboutPage.qml"
                save("about", theme, language)
                page.source = ""
            })
        }

        // Rows that describe their bindings, and the jog wheel's rows with their group
        // headings, as a user who has bound a few controls sees them.
        // The jog wheel's list: the one with a row for each zone and transition.
        function jogRows(item) {
            return Find.first(item, function (each) {
                return each.objectName === "keybindRows" && each.count > 40
            })
        }

        function test_describedRows() {
            appController.setSelectedProductByType(1)
            tryVerify(function () {
                var device = appController.selectedDeviceController
                return device && device.selectedProfileController && device.selectedProfileController.listMainButtons.length > 0
            })
            var profile = appController.selectedDeviceController.selectedProfileController
            var buttons = profile.listMainButtons
            buttons[0].prepareForButtonEdit()
            buttons[0].editActionType = ButtonController.Action_TypeText
            buttons[0].setEditCommandAndCommandArgs("Kind regards, the whole team", "")
            buttons[0].editComment = "Signature"
            buttons[0].applyEditSettings("")
            buttons = appController.selectedDeviceController.selectedProfileController.listMainButtons
            buttons[1].prepareForButtonEdit()
            buttons[1].editActionType = ButtonController.Action_OpenFile
            buttons[1].setEditCommandAndCommandArgs("/usr/bin/gnome-calculator", "")
            buttons[1].applyEditSettings("")
            profile = appController.selectedDeviceController.selectedProfileController
            if (!profile.isJogWheelToggled)
                profile.toggleJogWheel("")
            eachLook(function (theme, language) {
                page.source = "qrc:/Ui/TabPages/GlobalSettingsPage.qml"
                tryVerify(function () {
                    var loader = findChild(page.item, "globalLayoutLoader")
                    return loader && loader.item && loader.item.profileController
                })
                var layout = findChild(page.item, "globalLayoutLoader").item
                layout.selectList(0)
                save("described-buttons", theme, language)
                layout.selectList(2)
                save("described-jogwheel", theme, language)
                var rows = jogRows(layout)
                verify(rows)
                rows.positionViewAtEnd()
                save("described-jogwheel-end", theme, language)
                rows.positionViewAtBeginning()
                page.source = ""
            })
            windowFixture.useFactoryPreferences()
        }

        function test_editorPanes() {
            appController.setSelectedProductByType(1)
            tryVerify(function () {
                var device = appController.selectedDeviceController
                return device && device.selectedProfileController && device.selectedProfileController.listMainButtons.length > 0
            })
            var button = appController.selectedDeviceController.selectedProfileController.listMainButtons[0]
            eachLook(function (theme, language) {
                button.prepareForButtonEdit()
                mainWindow.showButtonsActionsWindow(button)
                var rows = [0, 5, 6, 7, 8, 9, 11, 12]
                rows.forEach(function (row) {
                    button.editActionType = row
                    save("editor-row" + row, theme, language)
                })
                mainWindow.hideButtonsActionsWindow()
            })
        }

        // The editor's busiest panes in each further language, for its texts' lengths.
        function test_editorInEachLanguage() {
            appController.setSelectedProductByType(1)
            appController.currentUiThemeIndex = 0
            PelvaneThemesManager.currentThemeIndex = 0
            tryVerify(function () {
                var device = appController.selectedDeviceController
                return device && device.selectedProfileController && device.selectedProfileController.listMainButtons.length > 0
            })
            var button = appController.selectedDeviceController.selectedProfileController.listMainButtons[0]
            var further = [["fr", LocalizationController.French], ["it", LocalizationController.Italian], ["ja", LocalizationController.Japanese], ["nl", LocalizationController.Dutch], ["pt", LocalizationController.Portuguese], ["es", LocalizationController.Spanish], ["no", LocalizationController.Norwegian], ["se", LocalizationController.Swedish], ["fi", LocalizationController.Finnish], ["da", LocalizationController.Danish]]
            further.forEach(function (language) {
                localization.selectLanguage(language[1])
                button.prepareForButtonEdit()
                mainWindow.showButtonsActionsWindow(button)
                var rows = [5, 8, 9]
                rows.forEach(function (row) {
                    button.editActionType = row
                    save("editor-row" + row, "monochrome", language[0])
                })
                mainWindow.hideButtonsActionsWindow()
            })
            localization.selectLanguage(LocalizationController.English)
        }

        // The About page's dialogues as the alert queue shows them: a question, a transfer
        // in progress and a notice.
        function test_aboutDialogues() {
            function answer(label) {
                return {
                    "txt": label,
                    "predefinedAction": "close"
                }
            }
            eachLook(function (theme, language) {
                page.source = "qrc:/Ui/TabPages/AboutPage.qml"
                var dialogues = [["question", UiActionsTypes.alertBoxTypeNormal, Strings.newSoftwareUpdateFoundWantToDownloadLabel, [answer(Strings.yesLabel), answer(Strings.noLabel)]], ["progress", UiActionsTypes.alertBoxTypeProgress, Strings.downloadingSoftwareUpdate, [answer(Strings.cancelBtnLabel)]], ["notice", UiActionsTypes.alertBoxTypeNormal, Strings.softwareUpToDate, [answer(Strings.confirmationButtonText)]]]
                dialogues.forEach(function (dialogue) {
                    AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                               "alertBoxDetails": {
                                                   "alertType": dialogue[1],
                                                   "alertTitle": dialogue[2],
                                                   "alertProgress": 42.5,
                                                   "alertButtons": dialogue[3]
                                               }
                                           })
                    if (dialogue[1] === UiActionsTypes.alertBoxTypeProgress)
                        AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                                   "alertBoxDetails": {
                                                       "alertType": dialogue[1],
                                                       "alertTitle": dialogue[2],
                                                       "alertProgress": 42.5,
                                                       "alertButtons": dialogue[3]
                                                   }
                                               })
                    tryVerify(function () {
                        return alerts.currentAlertInShow !== null
                    })
                    save("about-" + dialogue[0], theme, language)
                    AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
                })
                page.source = ""
            })
        }

        function test_overlays() {
            var documents = ["Settings", "SelectLanguage", "ApplicationContextConfiguration", "PelvaneAccountPopup"]
            eachLook(function (theme, language) {
                documents.forEach(function (name) {
                    overlay.setSource("qrc:/Ui/Widgets/Overlays/" + name + ".qml", name === "Settings" ? {
                                                                                                                  "appController": appController
                                                                                                              } : {})
                    save("overlay-" + name, theme, language)
                })
                overlay.source = ""
            })
        }
    }
}
