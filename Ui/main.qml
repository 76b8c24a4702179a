import QtQuick
import QtQuick.Window
import PlatformInfo 1.0
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/About"
import "qrc:/Ui/Widgets/BaseWidgets"
import "qrc:/Ui/Widgets/MainWindow"
import "qrc:/Ui/Widgets/Overlays"
import "WindowGeometry.js" as WindowGeometry

// The configuration program's one window: frameless, sized to its screen, with the product
// bar, the tab bar and the tab area, and every dialog as an overlay over the whole window.
Window {
    id: mainWindow

    readonly property int appWidth: 1200
    readonly property int appHeight: 700
    readonly property int winBaseWidth: 1920
    readonly property int winBaseHeight: 1080
    readonly property int macBaseWidth: 1920
    readonly property int macBaseHeight: 1080
    readonly property bool isMac: PlatformInfo.platformType === PlatformInfo.MacOS
    readonly property int baseWidth: isMac ? macBaseWidth : winBaseWidth
    readonly property int baseHeight: isMac ? macBaseHeight : winBaseHeight
    property real initPixelDensity: 0.0
    property real scaleFactor: 1.0
    property real currentScreenDensity: Screen.pixelDensity
    property var currentScreen: null
    property bool inDrag: false
    property bool isProfileMenuOn: false
    readonly property real radius: 20

    property ApplicationController appController: ApplicationController {
        onConnectedDevicesUpdated: if (countConnectedDevices > 0)
                                       connectScreen.visible = false
        onSoftwareUpdateCompleted: mainWindow.showSoftwareUpdateCompleted()
        onPreferencesDamaged: keptAs => mainWindow.showPreferencesDamaged(keptAs)
        onPreferencesNotSaved: (file, cause, reason) => mainWindow.showPreferencesNotSaved(file, cause, reason)
        onCurrentUiThemeIndexChanged: PelvaneThemesManager.currentThemeIndex = currentUiThemeIndex
        onShowSecurityAndPrivacyMessage: macSecurityPopup.visible = true
        onShowMoveAppMessage: macMoveApplicationPopup.visible = true
        Component.onCompleted: PelvaneThemesManager.currentThemeIndex = currentUiThemeIndex
    }
    readonly property QtObject authController: appController ? appController.authController ?? null : null
    readonly property QtObject authAccount: authController ? authController.authAccount ?? null : null
    readonly property QtObject configSyncController: appController ? appController.configSyncController ?? null : null
    readonly property QtObject alertsController: appController ? appController.alertsController : null
    // The update's and the sync's reports and questions, from the start on.
    readonly property CloudDialogues cloudDialogues: CloudDialogues {}
    readonly property DeviceController selectedDeviceController: appController ? appController.selectedDeviceController : null
    readonly property ProfileController selectedProfileController: selectedDeviceController ? selectedDeviceController.selectedProfileController : null
    // Under whose theme button the theme switcher hangs; null until the workspace is built.
    readonly property Item tabArea: workspace.item ? workspace.item.tabArea : null

    function resizeWindow() {
        if (inDrag) {
            resizeTimer.restart()
            return
        }
        var screen = currentScreen ?? mainWindow.screen
        var geometry = WindowGeometry.windowGeometry({
                                                         "width": screen.width,
                                                         "height": screen.height,
                                                         "virtualX": screen.virtualX,
                                                         "virtualY": screen.virtualY
                                                     }, {
                                                         "x": x,
                                                         "y": y
                                                     }, scaleFactor, {
                                                         "width": baseWidth,
                                                         "height": baseHeight
                                                     }, isMac)
        x = geometry.x
        y = geometry.y
        width = geometry.width
        height = geometry.height
    }

    function calculateFontPixelSize(n) {
        return n
    }

    function showButtonsActionsWindow(buttonController) {
        var editor = buttonEditor.built()
        editor.buttonController = buttonController
        editor.reinitWindow()
        buttonEditor.visible = true
    }

    function hideButtonsActionsWindow() {
        focusSink.forceActiveFocus()
        if (buttonEditor.item)
            buttonEditor.item.buttonController = null
        if (macroEditor.item)
            macroEditor.item.macroGroupController = null
        buttonEditor.visible = false
    }

    function showMacroActionWindow(macroActionController, macroGroupController) {
        var editor = macroEditor.built()
        editor.macroActionController = macroActionController
        editor.macroGroupController = macroGroupController
        editor.reinitWindow()
        macroEditor.visible = true
    }

    function hideMacroActionWindow() {
        if (macroEditor.item)
            macroEditor.item.macroActionController = null
        macroEditor.visible = false
        if (buttonEditor.item)
            buttonEditor.item.reactivate()
    }

    function createConfigurationAction(model) {
        // Hiding the connect screen builds the workspace.
        connectScreen.visible = false
        if (model !== 0 && appController) {
            appController.setSelectedProductByType(model)
            workspace.item.productsBar.scrollToSelection()
        }
    }

    function openLanguageSelectionWindow() {
        selectLanguage.visible = true
    }
    function hideLanguageSelectionWindow() {
        selectLanguage.visible = false
    }
    function openProfileSelectionWindow() {
        selectProfile.visible = true
    }
    function hideProfileSelectionWindow() {
        selectProfile.visible = false
    }
    function openProfileMenu() {
        isProfileMenuOn = true
    }
    // The workspace folds the menu's expanded row as the menu closes.
    function hideProfileMenu() {
        isProfileMenuOn = false
    }
    function showAddNewAppConfigurationContextWindow() {
        appContextDialog.built().resetToDefault()
        appContextDialog.visible = true
    }
    function hideAddNewAppConfigurationContextWindow() {
        appContextDialog.visible = false
    }
    function openSettingsWindow() {
        settings.visible = true
    }
    function hideSettingsWindow() {
        settings.visible = false
    }
    function openLoginWindow() {
        accountPopup.visible = true
    }
    function closeLoginWindow() {
        accountPopup.visible = false
    }
    function showThemeSwitcher() {
        themeSwitcher.visible = true
    }
    function hideThemeSwitcher() {
        themeSwitcher.visible = false
    }

    // "Restart now" leaves nothing to answer: it closes its alert before restarting.
    function showSoftwareUpdateCompleted() {
        Alerts.show(Alerts.record(UiActionsTypes.alertBoxTypeNormal, Strings.softwareUpdateCompleteLabel, [Alerts.button(Strings.restartNowLabel, function () {
            Alerts.close()
            PlatformInfo.restartComputer()
        }), Alerts.closeButton(Strings.restartLater)]))
    }

    function showPreferencesDamaged(keptAs) {
        Alerts.notice(Strings.preferencesDamagedText.arg(keptAs), Strings.confirmationButtonText, 9999)
    }

    // The change stays in the window: the alert only tells why the file does not hold it.
    function showPreferencesNotSaved(file, cause, reason) {
        Alerts.notice(Strings.preferencesNotSavedText.arg(file).arg(Strings.saveFailureCausesText[cause] || reason), Strings.confirmationButtonText, 9999)
    }

    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window
    // Transparent outside the rounded background only where the desktop composites windows.
    // Elsewhere the X server shows those corners black all the same, and a window with an
    // alpha channel costs it an off-screen copy of every frame: the same black, opaque.
    color: PlatformInfo.translucentWindows ? "transparent" : "black"
    title: Strings.windowTitleName
    // Until the first resize: the design size scaled to the screen.
    readonly property bool portraitScreen: Screen.width < Screen.height
    width: Math.max(portraitScreen ? scaleFactor * Screen.width * appWidth / (isMac ? 1440 : baseWidth) : scaleFactor * height * appWidth / appHeight, 1)
    height: Math.max(portraitScreen ? scaleFactor * width * appHeight / appWidth : scaleFactor * Screen.height * appHeight / (isMac ? 900 : baseHeight), 1)

    onCurrentScreenDensityChanged: {
        if (!isMac) {
            if (initPixelDensity === 0.0)
                initPixelDensity = currentScreenDensity
            if (initPixelDensity > 0)
                scaleFactor = (initPixelDensity + (initPixelDensity - currentScreenDensity) * 0.2) / initPixelDensity
        }
        currentScreen = mainWindow.screen
        resizeTimer.restart()
    }
    onScreenChanged: {
        currentScreen = mainWindow.screen
        resizeTimer.restart()
    }

    Component.onCompleted: {
        currentScreen = mainWindow.screen
        resizeWindow()
        if (appController) {
            completedTimer.start()
            accountTimer.start()
        }
    }

    Timer {
        id: resizeTimer
        interval: 100
        onTriggered: mainWindow.resizeWindow()
    }
    Timer {
        id: completedTimer
        interval: 500
        onTriggered: mainWindow.appController.uiIsCompleted()
    }
    Timer {
        id: accountTimer
        interval: 3000
        onTriggered: if (mainWindow.authController && !mainWindow.authController.authenticated)
                         mainWindow.openLoginWindow()
    }

    Rectangle {
        id: background
        anchors.fill: parent
        radius: mainWindow.radius
        color: PelvaneThemesManager.mainBackgroundColor

        WindowMouseControl {}
    }

    // The product bar, the tab bar and the tab area are built when the connect screen gives
    // way to them, not before the first frame: nobody sees them behind it.
    Loader {
        id: workspace
        anchors.fill: parent
        active: !connectScreen.visible
        source: "qrc:/Ui/Widgets/MainWindow/Workspace.qml"
    }

    OverlayLoader {
        id: accountPopup
        objectName: "accountPopup"
        source: "qrc:/Ui/Widgets/Overlays/PelvaneAccountPopup.qml"
        onLoaded: item.covered = Qt.binding(() => connectScreen.visible)
    }

    // The editors and the dialogs are built when they are first shown (see OverlayLoader), and
    // their documents are read then too.
    OverlayLoader {
        id: buttonEditor
        source: "qrc:/Ui/Widgets/ButtonActionSelectionWindow.qml"
    }

    OverlayLoader {
        id: macroEditor
        source: "qrc:/Ui/Widgets/MacroActionSelectionWindow.qml"
    }

    OverlayLoader {
        id: selectLanguage
        source: "qrc:/Ui/Widgets/Overlays/SelectLanguage.qml"
    }

    OverlayLoader {
        id: selectProfile
        source: "qrc:/Ui/Widgets/Overlays/SelectProfile.qml"
    }

    OverlayLoader {
        id: settings
        source: "qrc:/Ui/Widgets/Overlays/Settings.qml"
        onLoaded: {
            item.containerWidth = Qt.binding(() => mainWindow.width * 0.3)
            item.containerHeight = Qt.binding(() => mainWindow.height * 0.3)
            item.appController = Qt.binding(() => mainWindow.appController)
        }
    }

    MouseArea {
        anchors.fill: parent
        enabled: themeSwitcher.visible
        visible: enabled
        onClicked: mainWindow.hideThemeSwitcher()
    }

    PelvaneThemeSwitcherBar {
        id: themeSwitcher
        objectName: "themeSwitcher"
        visible: false
        shadowVerticalOffset: 2
        shadowRadius: 10
        shadowSamples: 17
        shadowColor: PelvaneThemesManager.dropshadowColorPopupCloudTopWindow
        anchors.top: parent.top
        anchors.right: parent.right
        // Opened from the tab area's theme button, so only ever shown with the tab area.
        anchors.topMargin: mainWindow.tabArea ? mainWindow.tabArea.topRowHeight + mainWindow.tabArea.topMargin + 4 : 0
        // Centred under the theme button.
        anchors.rightMargin: mainWindow.tabArea ? mainWindow.tabArea.lateralMargin + mainWindow.tabArea.themeButtonRightDistance - width / 2 + mainWindow.tabArea.themeButtonWidth / 2 : 0
        width: mainWindow.tabArea ? Math.min(200, 2 * mainWindow.tabArea.themeButtonRightDistance - 10) : 200
    }

    // Once a controller or a configuration takes over, the connect screen is gone for the
    // run: what it drew (its gradient, its logo and tiles) is freed with it.
    Loader {
        id: connectScreen
        objectName: "connectScreen"
        anchors.fill: parent
        active: visible
        sourceComponent: ConnectADeviceScreen {}
    }

    OverlayLoader {
        id: macSecurityPopup
        source: "qrc:/Ui/Widgets/Overlays/MacSecurityPopup.qml"
        onLoaded: item.openSecurityPrivacy.connect(() => mainWindow.appController.showSecurityAndPrivacy())
    }

    OverlayLoader {
        id: macMoveApplicationPopup
        source: "qrc:/Ui/Widgets/Overlays/MacMoveApplicationPopup.qml"
    }

    Item {
        id: focusSink
    }

    OverlayLoader {
        id: splashScreen
        source: "qrc:/Ui/Widgets/MainWindow/SplashScreen.qml"
    }

    AlertsContainer {
        id: alertsContainer
        objectName: "alertsContainer"
        alertsController: mainWindow.alertsController
        radius: mainWindow.radius
    }

    OverlayLoader {
        id: appContextDialog
        source: "qrc:/Ui/Widgets/Overlays/ApplicationContextConfiguration.qml"
    }
}
