import QtQuick
import QtTest
import QuickFlux 1.1
import WhirlenUI 1.0
import PelvaneApp 1.0
import "qrc:/Ui/Actions"

// The whole window, in both themes: the action editor's scroll bar shows only beside a pane
// that overflows, and the macro pane's label keeps its size in every language. The functions
// run in the order of their names: the connect screen is gone for the run once a
// configuration is created.
TestCase {
    id: testCase
    name: "WindowPixels"
    when: windowShown

    property var window: null
    property bool accountPopupSeen: false

    LocalizationController {
        id: localization
    }

    function findAll(item, name, found) {
        found = found || []
        if (item.objectName === name)
            found.push(item)
        for (var i = 0; i < item.children.length; ++i)
            findAll(item.children[i], name, found)
        return found
    }

    function findNamed(item, name) {
        var found = findAll(item, name)
        return found.length > 0 ? found[0] : null
    }

    function eachTheme(check) {
        var kept = PelvaneThemesManager.currentThemeIndex
        for (var theme = 0; theme < 2; ++theme) {
            PelvaneThemesManager.currentThemeIndex = theme
            waitForRendering(window.contentItem)
            check(theme)
        }
        PelvaneThemesManager.currentThemeIndex = kept
    }

    // The main window on a Whirlen Max configuration; the connect screen gives way to it for
    // the run.
    function showWorkspace() {
        if (!window.selectedProfileController)
            window.createConfigurationAction(DeviceController.MultimediaMax)
        tryVerify(function () {
            return window.selectedDeviceController && window.selectedProfileController
        })
        if (accountPopupSeen)
            return
        // No alert of the start-up (an update check without a cloud) stays over the window.
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        // Signed out, the account popup opens on its own three seconds after the window, over
        // whatever a test is pressing: let it open, then close it.
        var popup = findNamed(window.contentItem, "accountPopup")
        tryVerify(function () {
            return popup.visible
        }, 10000)
        window.closeLoginWindow()
        accountPopupSeen = true
    }

    function openEditor() {
        var button = window.selectedProfileController.listMainButtons[0]
        button.prepareForButtonEdit()
        window.showButtonsActionsWindow(button)
        return button
    }

    function initTestCase() {
        windowFixture.useFactoryPreferences()
        var component = Qt.createComponent("qrc:/Ui/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        window.requestActivate()
        waitForRendering(window.contentItem)
        compare(window.width, 1200)
        compare(window.height, 700)
    }

    function cleanupTestCase() {
        window.destroy()
        windowFixture.useFactoryPreferences()
    }

    function init() {
        failOnWarning(/.?/)
    }

    // A function that failed half-way leaves the window as the next one expects it.
    function cleanup() {
        localization.selectLanguage(LocalizationController.English)
        window.hideButtonsActionsWindow()
    }

    // Per pane: the editor scrolls only a pane taller than its place, and only that far; its
    // bar then stands right of the pane's controls.
    function test_3_scrollBarShowsOnlyBesideAPaneThatOverflows() {
        showWorkspace()
        var button = openEditor()
        var area = findNamed(window.contentItem, "paneArea")
        var bar = findNamed(window.contentItem, "paneScrollBar")
        var panes = {
            "simplePane": [0, 2, 3],
            "keystrokePane": [5],
            "modifiersPane": [6],
            "programPane": [7],
            "macroPane": [8],
            "mousePane": [9],
            "textPane": [11],
            "switchPane": [12]
        }
        var overflowing = 0
        eachTheme(function (theme) {
            Object.keys(panes).forEach(function (name) {
                var pane = findNamed(window.contentItem, name)
                panes[name].forEach(function (row) {
                    var what = "theme " + theme + ", row " + row
                    // From the end of the tallest pane, scrolled as far as it goes.
                    button.editActionType = 9
                    waitForRendering(window.contentItem)
                    area.contentY = area.contentHeight - area.height
                    button.editActionType = row
                    waitForRendering(window.contentItem)
                    verify(pane.visible, what)
                    compare(area.contentHeight, pane.height, what)
                    var overflows = pane.height > area.height
                    compare(bar.visible, overflows, what)
                    mouseWheel(area, area.width / 2, area.height / 2, 0, -600)
                    tryVerify(function () {
                        return !area.moving
                    }, 5000, what)
                    compare(area.contentY, overflows ? area.contentHeight - area.height : 0, what + ": scrolled to " + area.contentY)
                    if (!overflows)
                        return
                    ++overflowing
                    tryVerify(function () {
                        return bar.contentItem.opacity > 0
                    }, 2000, what)
                    var left = bar.mapToItem(area, 0, 0).x
                    verify(left >= area.width, what + ": the bar stands at " + left + " over a pane " + area.width + " wide")
                    var right = bar.mapToItem(window.contentItem, bar.width, 0).x
                    var panel = findNamed(window.contentItem, "editorPanel")
                    verify(right <= panel.mapToItem(window.contentItem, panel.width, 0).x, what + ": the bar ends beyond the panel")
                })
            })
        })
        // The mouse and system pane's list of choices, at least, needs it.
        verify(overflowing >= 2, overflowing)
    }

    function test_4_macroLabelKeepsItsSize_data() {
        return [{
                "tag": "nl",
                "language": LocalizationController.Dutch
            }, {
                "tag": "fr",
                "language": LocalizationController.French
            }, {
                "tag": "en",
                "language": LocalizationController.English
            }, {
                "tag": "de",
                "language": LocalizationController.German
            }, {
                "tag": "es",
                "language": LocalizationController.Spanish
            }, {
                "tag": "pt",
                "language": LocalizationController.Portuguese
            }, {
                "tag": "it",
                "language": LocalizationController.Italian
            }, {
                "tag": "ja",
                "language": LocalizationController.Japanese
            }]
    }

    // The label beside the macro picker reads at the panes' size, whole, and the comment field
    // still stands in the panel without scrolling.
    function test_4_macroLabelKeepsItsSize(data) {
        showWorkspace()
        var button = openEditor()
        button.editActionType = ButtonController.Action_RunMacro
        localization.selectLanguage(data.language)
        var area = findNamed(window.contentItem, "paneArea")
        var pane = findNamed(window.contentItem, "macroPane")
        var label = findNamed(pane, "macroSelectionLabel")
        var comment = findAll(pane, "commentField")[0]
        eachTheme(function (theme) {
            compare(label.text, Strings.macroSelectionText)
            verify(label.fontInfo.pixelSize >= 11, "theme " + theme + ": " + label.fontInfo.pixelSize + " px")
            verify(!label.truncated, "theme " + theme)
            verify(label.contentWidth <= label.width, "theme " + theme + ": " + label.contentWidth + " > " + label.width)
            verify(label.contentHeight <= label.height, "theme " + theme + ": " + label.contentHeight + " > " + label.height)
            var bottom = comment.mapToItem(area, 0, comment.height).y
            verify(bottom <= area.height, "theme " + theme + ": the comment field ends at " + bottom + " of " + area.height)
        })
    }
}
