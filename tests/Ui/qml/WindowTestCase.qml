import QtQuick
import QtTest
import QuickFlux 1.1
import WhirlenUI 1.0
import PelvaneApp 1.0
import "qrc:/Ui/Actions"
import "Find.js" as Find

// A test of the program's whole window: opened as the program opens it, its tabs clicked where
// a user clicks them.
TestCase {
    property var window: null

    function openWindow() {
        var component = Qt.createComponent("qrc:/Ui/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window)
        window.requestActivate()
        waitForRendering(window.contentItem)
    }

    // Signed out, the account popup opens on its own three seconds after the window, over
    // whatever a test is pressing: let it open, then close it.
    function closeAccountPopupOnceOpen() {
        var popup = Find.named(window.contentItem, "accountPopup")
        verify(popup)
        tryVerify(function () {
            return popup.visible
        }, 10000)
        window.closeLoginWindow()
    }

    // The window on a Whirlen Max configuration, made unless one is shown already.
    function showMax() {
        if (!window.selectedProfileController)
            window.createConfigurationAction(DeviceController.MultimediaMax)
        tryVerify(function () {
            return window.selectedDeviceController && window.selectedProfileController
        })
    }

    // No alert of the start-up (an update check without a cloud) stays over the window.
    function closeStartUpAlerts() {
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
        AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
    }

    function clickTab(index) {
        var bar = Find.named(window.contentItem, "whiteBarTabs")
        mouseClick(bar, bar.width / 2, 100 + index * 65 + 30)
    }

    function showTab(index) {
        clickTab(index)
        tryCompare(window.appController, "selectedTab", index)
    }

    // Runs check(theme) in each theme, then brings back the theme shown before.
    function eachTheme(check) {
        var kept = PelvaneThemesManager.currentThemeIndex
        for (var theme = 0; theme < 2; ++theme) {
            PelvaneThemesManager.currentThemeIndex = theme
            check(theme)
        }
        PelvaneThemesManager.currentThemeIndex = kept
    }
}
