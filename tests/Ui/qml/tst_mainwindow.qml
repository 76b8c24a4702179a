import QtQuick
import QtTest
import QuickFlux 1.1
import WhirlenUI 1.0
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/WindowGeometry.js" as WindowGeometry
import "Find.js" as Find

WindowTestCase {
    id: testCase
    name: "MainWindow"

    function initTestCase() {
        openWindow()
        closeAccountPopupOnceOpen()
    }

    function cleanupTestCase() {
        window.destroy()
    }

    function init() {
        failOnWarning(/.?/)
    }

    function test_geometry_data() {
        var fullHd = {
            "width": 1920,
            "height": 1080,
            "virtualX": 0,
            "virtualY": 0
        }
        return [{
                "tag": "1920 x 1080 gives the design size",
                "screen": fullHd,
                "place": Qt.point(0, 0),
                "scale": 1,
                "mac": false,
                "expected": Qt.rect(0, 0, 1200, 700)
            }, {
                "tag": "a smaller screen keeps the design size",
                "screen": {
                    "width": 1366,
                    "height": 768,
                    "virtualX": 0,
                    "virtualY": 0
                },
                "place": Qt.point(0, 0),
                "scale": 1,
                "mac": false,
                "expected": Qt.rect(0, 0, 1200, 700)
            }, {
                "tag": "a screen smaller than the design size clips it",
                "screen": {
                    "width": 1024,
                    "height": 600,
                    "virtualX": 0,
                    "virtualY": 0
                },
                "place": Qt.point(0, 0),
                "scale": 1,
                "mac": false,
                "expected": Qt.rect(0, 0, 1024, 600)
            }, {
                "tag": "macOS clips to 85 % of the height",
                "screen": {
                    "width": 1024,
                    "height": 768,
                    "virtualX": 0,
                    "virtualY": 0
                },
                "place": Qt.point(0, 0),
                "scale": 1,
                "mac": true,
                "expected": Qt.rect(0, 0, 1024, 0.85 * 768)
            }, {
                "tag": "scale 1.1 on 2560 x 1440",
                "screen": {
                    "width": 2560,
                    "height": 1440,
                    "virtualX": 0,
                    "virtualY": 0
                },
                "place": Qt.point(0, 0),
                "scale": 1.1,
                "mac": false,
                "expected": Qt.rect(0, 0, 1.1 * (1.1 * 1440 * 700 / 1080) * 1200 / 700, 1.1 * 1440 * 700 / 1080)
            }, {
                "tag": "portrait screen",
                "screen": {
                    "width": 1080,
                    "height": 1920,
                    "virtualX": 0,
                    "virtualY": 0
                },
                "place": Qt.point(0, 0),
                "scale": 1,
                "mac": false,
                "expected": Qt.rect(0, 0, 1080, 700)
            }, {
                "tag": "partly off the right edge is centred",
                "screen": fullHd,
                "place": Qt.point(1000, 100),
                "scale": 1,
                "mac": false,
                "expected": Qt.rect(360, 100, 1200, 700)
            }, {
                "tag": "left of a second screen's origin moves to it",
                "screen": {
                    "width": 1920,
                    "height": 1080,
                    "virtualX": 1920,
                    "virtualY": 0
                },
                "place": Qt.point(1800, 0),
                "scale": 1,
                "mac": false,
                "expected": Qt.rect(1920, 0, 1200, 700)
            }]
    }

    function test_geometry(data) {
        var geometry = WindowGeometry.windowGeometry(data.screen, data.place, data.scale, {
                                                         "width": 1920,
                                                         "height": 1080
                                                     }, data.mac)
        fuzzyCompare(geometry.x, data.expected.x, 0.001)
        fuzzyCompare(geometry.y, data.expected.y, 0.001)
        fuzzyCompare(geometry.width, data.expected.width, 0.001)
        fuzzyCompare(geometry.height, data.expected.height, 0.001)
    }

    function test_windowSizesItselfOnItsScreen() {
        compare(window.screen.width, 1920)
        compare(window.width, 1200)
        compare(window.height, 700)
        window.inDrag = true
        window.x = 1000
        window.resizeWindow()
        compare(window.x, 1000)
        window.inDrag = false
        tryCompare(window, "x", 360)
    }

    function test_dragMarksTheWindowWhilePressed() {
        var bar = Find.named(window.contentItem, "blueBarProducts")
        mousePress(bar, bar.width / 2, bar.height - 5)
        verify(window.inDrag)
        mouseMove(bar, bar.width / 2, bar.height - 20, -1, Qt.LeftButton)
        mouseRelease(bar, bar.width / 2, bar.height - 20)
        verify(!window.inDrag)
        window.resizeWindow()
    }

    function test_applicationTabKeepsItsContext() {
        var controller = window.appController
        Find.named(window.contentItem, "connectScreen").visible = false
        clickTab(1)
        compare(controller.selectedTab, 1)
        controller.selectedAppContext = "Editor"
        clickTab(2)
        compare(controller.selectedTab, 2)
        compare(controller.selectedAppContext, "")
        clickTab(0)
        compare(controller.selectedAppContext, "")
        clickTab(1)
        compare(controller.selectedAppContext, "Editor")
        clickTab(0)
    }

    function showAlert() {
        return Find.named(window.contentItem, "alertsContainer")
    }

    function shownTitle() {
        var record = showAlert().currentAlertInShow
        return record ? record.alertTitle : ""
    }

    function typeProfileName(name) {
        Find.named(window.contentItem, "profileMenu").createProfile()
        compare(shownTitle(), Strings.addProfileText)
        showAlert().boxLoader.item.msgInputText = name
        showAlert().currentAlertInShow.alertButtons[0].callbackFunc(name)
    }

    function test_profileNames() {
        window.createConfigurationAction(DeviceController.MultimediaMax)
        var device = window.selectedDeviceController
        verify(device)
        window.openProfileMenu()
        typeProfileName("default")
        compare(shownTitle(), Strings.defaultProfileIsReserved)
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        compare(shownTitle(), "")
        typeProfileName("   ")
        compare(shownTitle(), Strings.fieldIsEmptyText)
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        compare(shownTitle(), Strings.addProfileText)
        compare(showAlert().boxLoader.item.msgInputText, "   ")
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        typeProfileName("Default")
        compare(shownTitle(), "")
        // The profile list follows the store's notice, on the next turn of the event loop.
        tryVerify(function () {
            return window.selectedDeviceController.profilesNames.indexOf("Default") >= 0
        })
        typeProfileName("Default")
        compare(shownTitle(), Strings.profileNameAlreadyExists)
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        window.hideProfileMenu()
    }

    function pressAlertButton(text) {
        var found = Find.button(showAlert().boxLoader.item, text)
        verify(found, text)
        mouseClick(found)
    }

    // The deleted profile's row goes, and the row that takes its place stays folded.
    function test_deletedProfileLeavesNoRowExpanded() {
        window.createConfigurationAction(DeviceController.MultimediaMax)
        Find.named(window.contentItem, "connectScreen").visible = false
        var controller = window.appController
        controller.addProfile("Gone")
        controller.addProfile("Next")
        tryVerify(function () {
            return window.selectedDeviceController.profilesNames.indexOf("Next") >= 0
        })
        controller.setActiveProfile("Profile##whirlen#whirlenmax#default")
        window.openProfileMenu()
        var menu = Find.named(window.contentItem, "profileMenu")
        var list = Find.named(menu, "profileList")
        var row = null
        tryVerify(function () {
            for (var i = 0; i < list.count; ++i) {
                var item = list.itemAtIndex(i)
                if (item && item.profile.name === "Gone")
                    row = item
            }
            return row !== null && !row.selected
        })
        mouseClick(row, 60, 15)
        verify(row.expanded)
        // Apart enough not to make a double click with the first.
        wait(Qt.styleHints.mouseDoubleClickInterval + 50)
        mouseClick(Find.first(row, function (each) {
            return each.text === Strings.editProfile && each.visible
        }))
        compare(shownTitle(), Strings.chooseAnActionText)
        pressAlertButton(Strings.deleteText)
        compare(shownTitle(), Strings.deleteProfileText)
        pressAlertButton(Strings.yesLabel)
        tryVerify(function () {
            return window.selectedDeviceController.profilesNames.indexOf("Gone") < 0
        })
        compare(menu.expandedIndex, -1)
        for (var i = 0; i < list.count; ++i)
            verify(!list.itemAtIndex(i).expanded, "row " + i)
        window.hideProfileMenu()
    }

    // The minimise button's hover image shows wherever the pointer is on its square.
    function test_minimiseHoverCoversItsSquare() {
        Find.named(window.contentItem, "connectScreen").visible = false
        var button = Find.named(window.contentItem, "minimiseButton")
        verify(button)
        mouseMove(button, button.width / 2, button.height / 4)
        compare(String(button.source), PelvaneThemesManager.minimizeIconBlack)
        mouseMove(window.contentItem, 1, 1)
        compare(String(button.source), PelvaneThemesManager.minimizeIcon)
    }

    function test_restartNowClosesItsAlert() {
        window.appController.softwareUpdateCompleted()
        compare(shownTitle(), Strings.softwareUpdateCompleteLabel)
        showAlert().currentAlertInShow.alertButtons[0].callbackFunc()
        compare(shownTitle(), "")
    }

    function test_themeSwitcherHangsUnderItsButton() {
        var button = Find.first(window.contentItem, function (each) {
            return each.accessibleName === Strings.themeLabel
        })
        verify(button)
        // The account popup opens on its own three seconds after the window.
        window.closeLoginWindow()
        mouseClick(button)
        var switcher = null
        for (var i = 0; i < window.contentItem.children.length; ++i) {
            if (window.contentItem.children[i].toString().indexOf("PelvaneThemeSwitcherBar") === 0)
                switcher = window.contentItem.children[i]
        }
        verify(switcher.visible)
        var buttonCentre = button.mapToItem(window.contentItem, button.width / 2, button.height)
        fuzzyCompare(switcher.x + switcher.width / 2, buttonCentre.x, 1)
        compare(switcher.y, buttonCentre.y + 4)
        // Any click elsewhere closes it.
        mouseClick(window.contentItem, 20, 20)
        verify(!switcher.visible)
    }

    // The overlay of the given type, built by its loader when it was first shown.
    function overlay(type) {
        for (var i = 0; i < window.contentItem.children.length; ++i) {
            var child = window.contentItem.children[i]
            if (child.item && child.item.toString().indexOf(type) === 0)
                return child.item
        }
        return null
    }

    // The language picker takes the keyboard focus at every opening, its first (when its
    // loader builds it) included: Escape hides it.
    function test_dialogsAreBuiltWhenFirstShown_data() {
        return [{
                "tag": "language",
                "type": "SelectLanguage",
                "open": "openLanguageSelectionWindow",
                "hide": "hideLanguageSelectionWindow",
                "escapeHides": true
            }, {
                "tag": "settings",
                "type": "Settings",
                "open": "openSettingsWindow",
                "hide": "hideSettingsWindow"
            }, {
                "tag": "profiles",
                "type": "SelectProfile",
                "open": "openProfileSelectionWindow",
                "hide": "hideProfileSelectionWindow"
            }, {
                "tag": "application context",
                "type": "ApplicationContextConfiguration",
                "open": "showAddNewAppConfigurationContextWindow",
                "hide": "hideAddNewAppConfigurationContextWindow"
            }]
    }

    function hideDialog(data, dialog) {
        if (data.escapeHides)
            keyClick(Qt.Key_Escape)
        else
            window[data.hide]()
        verify(!dialog.visible)
    }

    function test_dialogsAreBuiltWhenFirstShown(data) {
        compare(overlay(data.type), null)
        window[data.open]()
        var dialog = overlay(data.type)
        verify(dialog)
        verify(dialog.visible)
        hideDialog(data, dialog)
        window[data.open]()
        verify(dialog.visible)
        compare(overlay(data.type), dialog)
        hideDialog(data, dialog)
    }

    function test_selfClosingNoticeOpensAgain() {
        window.appController.showMoveAppMessage()
        var notice = overlay("MacMoveApplicationPopup")
        verify(notice)
        verify(notice.visible)
        notice.visible = false
        window.appController.showMoveAppMessage()
        verify(notice.visible)
        notice.visible = false
    }

    function test_themeFollowsTheController() {
        var bar = Find.named(window.contentItem, "blueBarProducts")
        window.appController.currentUiThemeIndex = 0
        compare(PelvaneThemesManager.currentThemeIndex, 0)
        verify(Qt.colorEqual(bar.color, "#131C25"))
        window.appController.currentUiThemeIndex = 1
        compare(PelvaneThemesManager.currentThemeIndex, 1)
        verify(Qt.colorEqual(bar.color, "#232b45"))
    }

    // What the software update and the configuration sync report is shown from the window's
    // start, before the About page is first shown (and over the connect screen).
    function test_cloudReportsBeforeTheAboutPage_data() {
        return [{
                "tag": "update",
                "controller": "updateController",
                "report": "updateProcessStateUpdated",
                "state": 9,
                "title": Strings.softwareUpToDate
            }, {
                "tag": "sync",
                "controller": "configSyncController",
                "report": "syncProcessStateUpdate",
                "state": 13,
                "title": Strings.settingsSyncedLabel
            }]
    }

    function test_cloudReportsBeforeTheAboutPage(data) {
        var page = Find.named(window.contentItem, "aboutPage")
        verify(!page || !page.item)
        window.cloudDialogues[data.controller][data.report](data.state, 0)
        var alerts = Find.named(window.contentItem, "alertsContainer")
        tryVerify(function () {
            return alerts.currentAlertInShow !== null && alerts.currentAlertInShow.alertTitle === data.title
        })
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        tryCompare(alerts, "currentAlertInShow", null)
    }

    // A preference file that cannot be read is told of in an alert, with where it is kept.
    function test_damagedPreferencesAreToldOf() {
        var alerts = Find.named(window.contentItem, "alertsContainer")
        windowFixture.usePreferences("{\"MajorVersion\": 1, \"Profiles")
        tryVerify(function () {
            return alerts.currentAlertInShow !== null
        })
        var title = alerts.currentAlertInShow.alertTitle
        verify(title.indexOf("pelvane_default.json.damaged") >= 0, title)
        compare(title.indexOf(Strings.preferencesDamagedText.split("%1")[0]), 0)
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        windowFixture.useFactoryPreferences()
    }

    // What the Global Settings page shows for button 1 of the larger model.
    function globalRowOfButtonOne() {
        var rows = Find.named(Find.named(window.contentItem, "globalLayoutLoader"), "keybindRows")
        var row = rows ? rows.itemAtIndex(0) : null
        var label = row ? Find.named(row, "valueLabel") : null
        return label ? label.text : ""
    }

    // Bound for one application on its tab, button 1 shows its general binding again on
    // the Global Settings page.
    function test_globalPageShowsTheGeneralBindingAfterAnApplicationsOne() {
        var key = "Profile##whirlen#whirlenmax#default"
        windowFixture.usePreferences(JSON.stringify({
                                                        "MajorVersion": 1,
                                                        "MinorVersion": 1,
                                                        "Comment": "",
                                                        "AppContextConfigurations": [{
                                                                "ConfigName": "Writer",
                                                                "ProgramContextPath": "/usr/bin/writer"
                                                            }],
                                                        "Macros": [],
                                                        "ProfilesPreferences": [{
                                                                "DeviceType": "whirlen",
                                                                "DeviceModel": "whirlenmax",
                                                                "Name": "default",
                                                                "Actions": [{
                                                                        "MouseButton": "DeviceButton_1",
                                                                        "ActionType": "keypress",
                                                                        "KeyCode": "KEY_C",
                                                                        "Profile": key
                                                                    }]
                                                            }]
                                                    }))
        var controller = window.appController
        Find.named(window.contentItem, "connectScreen").visible = false
        controller.setSelectedProductByType(1)
        showTab(0)
        var keystroke = Strings.mainActionsText[ButtonController.Action_TypeKeystroke]
        tryVerify(function () {
            return globalRowOfButtonOne() === keystroke
        }, 5000, "the general binding at first")
        showTab(1)
        tryCompare(controller.appContextList, "length", 1)
        controller.selectedAppContext = "Writer"
        var button = window.selectedProfileController.listMainButtons[0]
        button.prepareForButtonEdit()
        button.editActionType = ButtonController.Action_TypeText
        button.setEditCommandAndCommandArgs("in writer", "")
        button.applyEditSettings("Writer")
        showTab(0)
        compare(controller.selectedAppContext, "")
        tryVerify(function () {
            return globalRowOfButtonOne() === keystroke
        }, 5000, "the general binding again, not " + globalRowOfButtonOne())
        windowFixture.useFactoryPreferences()
    }

    // Stores text as button index's binding, as a user does: the row on the Global Settings
    // page opens the editor, whose Apply stores it.
    function typeTextOnButton(index, text) {
        var rows = Find.named(Find.named(window.contentItem, "globalLayoutLoader"), "keybindRows")
        var row = null
        tryVerify(function () {
            row = rows ? rows.itemAtIndex(index) : null
            return row !== null
        })
        mouseClick(Find.named(row, "keybindItem"))
        var editor = null
        tryVerify(function () {
            editor = overlay("ButtonActionSelectionWindow")
            return editor !== null && editor.visible && Find.named(editor, "actionRow" + ButtonController.Action_TypeText) !== null
        })
        mouseClick(Find.named(editor, "actionRow" + ButtonController.Action_TypeText))
        Find.named(editor, "typeTextField").inputText = text
        mouseClick(Find.named(editor, "applyButton"))
        tryVerify(function () {
            return !editor.visible
        })
    }

    // The text button index of the larger model's default profile types, as the file holds it.
    function savedText(index) {
        var found = ""
        JSON.parse(windowFixture.savedPreferences()).ProfilesPreferences.forEach(function (profile) {
            if (profile.Name !== "default" || profile.DeviceModel !== "whirlenmax")
                return
            profile.Actions.forEach(function (action) {
                if (action.MouseButton === "DeviceButton_" + (index + 1))
                    found = action.TextToWrite
            })
        })
        return found
    }

    // A change that cannot be saved is told at once, in an alert that says where and why; it
    // stays in the window, and the file keeps its bytes. Once the folder is back, the next
    // change saves both.
    function test_aChangeThatCannotBeSavedIsToldAndSavedWithTheNext() {
        windowFixture.useFactoryPreferences()
        Find.named(window.contentItem, "connectScreen").visible = false
        window.appController.setSelectedProductByType(1)
        showTab(0)
        var before = windowFixture.savedPreferences()
        windowFixture.blockSettingsFolder()
        typeTextOnButton(0, "kept in the window")
        var alerts = Find.named(window.contentItem, "alertsContainer")
        tryVerify(function () {
            return alerts.currentAlertInShow !== null
        })
        compare(alerts.currentAlertInShow.alertTitle, Strings.preferencesNotSavedText.arg(windowFixture.preferencesFilePath()).arg(Strings.saveFailureCausesText[4]))
        compare(globalRowOfButtonOne(), Strings.mainActionsText[ButtonController.Action_TypeText])
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        windowFixture.freeSettingsFolder()
        verify(windowFixture.savedPreferences() === before, "the file keeps its bytes")

        typeTextOnButton(1, "saved with it")
        compare(alerts.currentAlertInShow, null)
        compare(savedText(0), "kept in the window")
        compare(savedText(1), "saved with it")
        windowFixture.useFactoryPreferences()
    }
}
