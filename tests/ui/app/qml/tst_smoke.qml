import QtQuick
import QtTest
import PlatformInfo 1.0
import PelvaneApp 1.0
import WhirlenUI 1.0

TestCase {
    id: testCase
    name: "QmlSmoke"

    // Any warning, Qt's own included, fails the test function.
    function init() {
        failOnWarning(/.?/)
    }

    Component {
        id: localizationComponent
        LocalizationController {}
    }

    Component { id: applicationComponent; ApplicationController {} }
    Component { id: deviceComponent; DeviceController {} }
    Component { id: alertsComponent; AlertsController {} }
    Component { id: profileComponent; ProfileController {} }
    Component { id: macroComponent; MacroController {} }
    Component { id: macroGroupComponent; MacroGroupController {} }
    Component { id: macroStepComponent; MacroGroupActionController {} }
    Component { id: updateComponent; SoftwareUpdateController {} }
    Component { id: authComponent; AuthController {} }
    Component { id: syncComponent; ConfigSyncController {} }

    function test_theWindowsControllersAreCreatable() {
        var components = [applicationComponent, deviceComponent, alertsComponent,
                          profileComponent, macroComponent, macroGroupComponent,
                          macroStepComponent, updateComponent, authComponent, syncComponent]
        for (var i = 0; i < components.length; ++i) {
            verify(createTemporaryObject(components[i], testCase), "component " + i)
        }
        var app = createTemporaryObject(applicationComponent, testCase)
        compare(app.listDeviceControllers.length, 0)
        compare(app.selectedProductIndex, -1)
        compare(app.checkUpdatesIntervals.length, 4)
        verify(app.alertsController)
        verify(app.authController)
        verify(app.configSyncController)
        compare(createTemporaryObject(profileComponent, testCase).listJogWheelButtons.length, 43)
    }

    function test_singletonsOfTheThreeModules() {
        compare(PlatformInfo.platformType, PlatformInfo.Windows)
        verify(PlatformInfo.MacOS !== PlatformInfo.Windows)
        compare(Strings.windowTitleName, "Pelvane Multimedia Controller Device Configuration")
        verify(Qt.colorEqual(PelvaneThemesManager.mainBackgroundColor, PelvaneThemesManager.theme.mainBackgroundColor))
    }

    function test_creatableControllersAndTheirInvokables() {
        var controller = createTemporaryObject(localizationComponent, testCase)
        verify(controller)
        controller.selectLanguage(LocalizationController.English)
        compare(controller.getLanguageIndex(), LocalizationController.English)
        compare(LocalizationController.Danish, 13)
    }

    function test_buttonControllerInvokablesTakeItsEnums() {
        smokeButton.setEditModifierStatus(ButtonController.ModifierType_Alt, true)
        verify(smokeButton.getEditModifierStatus(ButtonController.ModifierType_Alt))
        smokeButton.setRepeatType(ButtonController.HoldDown)
        compare(smokeButton.getEditRepeatType(), ButtonController.HoldDown)
        compare(ButtonController.Action_SwitchToProfile, 12)
    }

    function test_mainWindowLoads() {
        var component = Qt.createComponent("qrc:/Ui/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        var window = component.createObject(null)
        verify(window)
        compare(window.title, "Pelvane Multimedia Controller Device Configuration")
        verify(window.visible)
        window.destroy()
    }
}
