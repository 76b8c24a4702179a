import QtQuick
import QtQuick.Window
import QuickFlux 1.1
import PlatformInfo 1.0
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
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
        onScrollToSelectedDeviceModel: if (selectedDeviceController)
                                           productsBar.scrollToSelection()
        onSelectedTabUpdated: tabsBar.showSelectedTab()
        onSelectedProductUpdated: {
            tabsBar.showSelectedTab()
            if (mainWindow.isProfileMenuOn)
                tabsBar.collapseProfileRow()
        }
        onSoftwareUpdateCompleted: mainWindow.showSoftwareUpdateCompleted()
        onPreferencesDamaged: keptAs => mainWindow.showPreferencesDamaged(keptAs)
        onCurrentUiThemeIndexChanged: PelvaneThemesManager.currentThemeIndex = currentUiThemeIndex
        onShowSecurityAndPrivacyMessage: macSecurityPopup.visible = true
        onShowMoveAppMessage: macMoveApplicationPopup.visible = true
        Component.onCompleted: PelvaneThemesManager.currentThemeIndex = currentUiThemeIndex
    }
    readonly property QtObject authController: appController ? appController.authController ?? null : null
    readonly property QtObject authAccount: authController ? authController.authAccount ?? null : null
    readonly property QtObject configSyncController: appController ? appController.configSyncController ?? null : null
    readonly property QtObject alertsController: appController ? appController.alertsController : null
    readonly property DeviceController selectedDeviceController: appController ? appController.selectedDeviceController : null
    readonly property ProfileController selectedProfileController: selectedDeviceController ? selectedDeviceController.selectedProfileController : null

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

    // The editors are built when they first open, not before the first frame.
    function showButtonsActionsWindow(buttonController) {
        buttonEditor.active = true
        buttonEditor.item.buttonController = buttonController
        buttonEditor.item.reinitWindow()
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
        macroEditor.active = true
        macroEditor.item.macroActionController = macroActionController
        macroEditor.item.macroGroupController = macroGroupController
        macroEditor.item.reinitWindow()
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
        connectScreen.visible = false
        if (model !== 0 && appController) {
            appController.setSelectedProductByType(model)
            productsBar.scrollToSelection()
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
    function hideProfileMenu() {
        isProfileMenuOn = false
        tabsBar.collapseProfileRow()
    }
    function showAddNewAppConfigurationContextWindow() {
        appContextDialog.active = true
        appContextDialog.item.resetToDefault()
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
        AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                   "alertBoxDetails": {
                                       "alertType": UiActionsTypes.alertBoxTypeNormal,
                                       "alertTitle": Strings.softwareUpdateCompleteLabel,
                                       "alertCloseCallback": null,
                                       "alertButtons": [{
                                               "txt": Strings.restartNowLabel,
                                               "callbackFunc": function () {
                                                   AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
                                                   PlatformInfo.restartComputer()
                                               }
                                           }, {
                                               "txt": Strings.restartLater,
                                               "predefinedAction": "close"
                                           }]
                                   }
                               })
    }

    function showPreferencesDamaged(keptAs) {
        AppDispatcher.dispatch(UiActionsTypes.showAlertBox, {
                                   "alertBoxDetails": {
                                       "alertType": UiActionsTypes.alertBoxTypeNormal,
                                       "alertTitle": Strings.preferencesDamagedText.arg(keptAs),
                                       "z": 9999,
                                       "alertButtons": [{
                                               "txt": Strings.confirmationButtonText,
                                               "predefinedAction": "close"
                                           }]
                                   }
                               })
    }

    visible: true
    flags: Qt.FramelessWindowHint | Qt.Window
    color: "transparent"
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

    // The bars and the tab area are not drawn while the connect screen covers them: no
    // textures, glyphs or animations for what nobody sees.
    ProductsBar {
        id: productsBar
        width: parent.width * 0.083
        height: parent.height
        visible: !connectScreen.visible
    }

    TabsBar {
        id: tabsBar
        anchors.left: productsBar.right
        width: parent.width * 0.175
        height: parent.height
        visible: !connectScreen.visible
    }

    TabArea {
        id: tabArea
        anchors.left: tabsBar.right
        anchors.right: parent.right
        height: parent.height
        currentTab: tabsBar.currentTab
        visible: !connectScreen.visible
    }

    PelvaneAccountPopup {
        id: accountPopup
        objectName: "accountPopup"
        anchors.fill: parent
        visible: false
        covered: connectScreen.visible
    }

    Loader {
        id: buttonEditor
        anchors.fill: parent
        visible: false
        active: false
        source: "qrc:/Ui/Widgets/ButtonActionSelectionWindow.qml"
    }

    Loader {
        id: macroEditor
        anchors.fill: parent
        visible: false
        active: false
        source: "qrc:/Ui/Widgets/MacroActionSelectionWindow.qml"
    }

    // The dialogs are built when they are first shown (see OverlayLoader).
    OverlayLoader {
        id: selectLanguage
        sourceComponent: SelectLanguage {}
    }

    OverlayLoader {
        id: selectProfile
        sourceComponent: SelectProfile {}
    }

    OverlayLoader {
        id: settings
        sourceComponent: Settings {
            containerWidth: mainWindow.width * 0.3
            containerHeight: mainWindow.height * 0.3
            appController: mainWindow.appController
        }
    }

    MouseArea {
        anchors.fill: parent
        enabled: themeSwitcher.visible
        visible: enabled
        onClicked: mainWindow.hideThemeSwitcher()
    }

    PelvaneShadow {
        anchors.fill: themeSwitcher
        source: themeSwitcher
        visible: themeSwitcher.visible
        verticalOffset: 2
        radius: 10
        color: PelvaneThemesManager.dropshadowColorPopupCloudTopWindow
    }

    PelvaneThemeSwitcherBar {
        id: themeSwitcher
        visible: false
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: tabArea.topRowHeight + tabArea.topMargin + 4
        // Centred under the theme button.
        anchors.rightMargin: tabArea.lateralMargin + tabArea.themeButtonRightDistance - width / 2 + tabArea.themeButtonWidth / 2
        width: Math.min(200, 2 * tabArea.themeButtonRightDistance - 10)
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
        sourceComponent: MacSecurityPopup {
            onOpenSecurityPrivacy: mainWindow.appController.showSecurityAndPrivacy()
        }
    }

    OverlayLoader {
        id: macMoveApplicationPopup
        sourceComponent: MacMoveApplicationPopup {}
    }

    Item {
        id: focusSink
    }

    OverlayLoader {
        id: splashScreen
        sourceComponent: SplashScreen {}
    }

    AlertsContainer {
        id: alertsContainer
        objectName: "alertsContainer"
        alertsController: mainWindow.alertsController
        radius: mainWindow.radius
    }

    OverlayLoader {
        id: appContextDialog
        sourceComponent: ApplicationContextConfiguration {}
    }
}
