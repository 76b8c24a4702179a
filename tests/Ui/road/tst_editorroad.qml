import QtQuick
import QtTest
import QuickFlux 1.1
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/ActionEditor"

// A binding made in the editor as a user makes it, followed to the saved preference file and
// to the keys that the real agent types into an application at the controller's next press.
Item {
    id: mainWindow
    width: 1200
    height: 800

    property bool inDrag: false

    function startSystemMove() {
        return false
    }

    function showButtonsActionsWindow(buttonController) {
        editor.buttonController = buttonController
        editor.reinitWindow()
        editor.visible = true
    }

    function hideButtonsActionsWindow() {
        editor.buttonController = null
        editor.visible = false
    }

    ApplicationController {
        id: appController
    }

    ButtonActionSelectionWindow {
        id: editor
        anchors.fill: parent
        visible: false
    }

    AlertsContainer {
        id: alerts
        anchors.fill: parent
        alertsController: appController.alertsController
    }

    TestCase {
        id: testCase
        name: "EditorRoad"
        when: windowShown

        readonly property string defaultProfile: "Profile##whirlen#whirlenmax#default"
        readonly property string otherProfile: "Profile##whirlen#whirlenmax#Other"
        // Keysyms and modifier mask as the application sees them.
        readonly property var ctrlAPressed: ["press ffe3 0", "press 61 4"]
        readonly property var ctrlAReleased: ["release 61 4", "release ffe3 4"]

        function profile(name, actions) {
            return {
                "DeviceType": "whirlen",
                "DeviceModel": "whirlenmax",
                "Comment": "",
                "Name": name,
                "Settings": {
                    "AppSpecificActive": true,
                    "Comment": ""
                },
                "Actions": actions
            }
        }

        // Button 1 types C in the default profile and D in "Other".
        function document() {
            return JSON.stringify({
                                      "MajorVersion": 1,
                                      "MinorVersion": 1,
                                      "Comment": "",
                                      "AppContextConfigurations": [],
                                      "Macros": [],
                                      "ProfilesPreferences": [profile("default", [{
                                                                                     "MouseButton": "DeviceButton_1",
                                                                                     "ActionType": "keypress",
                                                                                     "KeyCode": "KEY_C",
                                                                                     "StartDelay": 0,
                                                                                     "Repeat": -1,
                                                                                     "Profile": defaultProfile
                                                                                 }]), profile("Other", [{
                                                                                                                   "MouseButton": "DeviceButton_1",
                                                                                                                   "ActionType": "keypress",
                                                                                                                   "KeyCode": "KEY_D",
                                                                                                                   "StartDelay": 0,
                                                                                                                   "Repeat": -1,
                                                                                                                   "Profile": otherProfile
                                                                                                               }])]
                                  })
        }

        // "Other"'s button 1 runs "Greet", which types A.
        function macroDocument() {
            var document = JSON.parse(testCase.document())
            document.Macros = [{
                                   "Name": "Greet",
                                   "Comment": "",
                                   "MacroGroups": [{
                                           "MacroGroupID": 1,
                                           "Actions": [{
                                                   "ActionType": "keypress",
                                                   "KeyCode": "KEY_A",
                                                   "StartDelay": 0,
                                                   "Repeat": 1,
                                                   "DelayRepeat": 0
                                               }]
                                       }]
                               }]
            document.ProfilesPreferences[1].Actions = [{
                                                           "MouseButton": "DeviceButton_1",
                                                           "ActionType": "Run_Macro",
                                                           "MacroToRun": "Greet",
                                                           "Profile": otherProfile
                                                       }]
            return JSON.stringify(document)
        }

        function initTestCase() {
            verify(agentFixture.startAgent(), "the agent starts and answers")
            tryCompare(appController, "countConnectedDevices", 1, 60000)
        }

        function init() {
            failOnWarning(/.?/)
            windowFixture.usePreferences(document())
            appController.setSelectedProductByType(1)
            appController.setActiveProfile(otherProfile)
            appController.selectedTab = 0
            tryVerify(function () {
                var device = appController.selectedDeviceController
                return device && device.selectedProfileController && device.selectedProfileController.profileKey === otherProfile
                        && device.selectedProfileController.listMainButtons.length === 15
            })
        }

        function cleanup() {
            while (alerts.currentAlertInShow)
                AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
            mainWindow.hideButtonsActionsWindow()
            appController.selectedAppContext = ""
        }

        // Opens button 1's editor, picks Type Keystroke, turns the modifier on, presses the key
        // in the key field and applies, each with the mouse and keyboard.
        function bindKeystrokeToButtonOne(modifier, key) {
            var controller = appController.selectedDeviceController.selectedProfileController.listMainButtons[0]
            controller.prepareForButtonEdit()
            mainWindow.showButtonsActionsWindow(controller)
            mouseClick(findChild(editor, "actionRow" + ButtonController.Action_TypeKeystroke))
            compare(editor.currentRow, ButtonController.Action_TypeKeystroke)
            mouseClick(findChild(editor, "modifier" + modifier))
            mouseClick(findChild(editor, "keyField"))
            keyClick(key)
            mouseClick(findChild(editor, "applyButton"))
            verify(!editor.visible, "the editor closes on a valid binding")
        }

        // Button 1's saved binding in the named profile, for the general bindings or a context.
        function saved(profileName, context) {
            var found = null
            JSON.parse(windowFixture.savedPreferences()).ProfilesPreferences.forEach(function (p) {
                if (p.Name !== profileName)
                    return
                p.Actions.forEach(function (a) {
                    if (a.MouseButton === "DeviceButton_1" && (a.AppContextConfig || "") === (context || ""))
                        found = a
                })
            })
            return found
        }

        function compareCtrlA(stored) {
            verify(stored, "a binding is saved")
            compare(stored.ActionType, "keypress")
            compare(stored.KeyCode, "KEY_A")
            compare(stored.UseCtrl, true)
            compare(stored.UseShift, false)
            compare(stored.UseAlt, false)
            compare(stored.UseSpecial, false)
        }

        function bindCtrlAToButtonOne() {
            bindKeystrokeToButtonOne(ButtonController.ModifierType_Control, Qt.Key_A)
        }

        function test_bindingIsSavedInItsProfileAndTypedByTheAgent() {
            bindCtrlAToButtonOne()
            compareCtrlA(saved("Other"))
            compare(saved("default").KeyCode, "KEY_C")
            // The reload that the program asked for is behind the agent once it answers.
            verify(agentFixture.agentAnswers())
            compare(agentFixture.report(0x0001, 2), ctrlAPressed)
            compare(agentFixture.report(0x0000, 2), ctrlAReleased)
        }

        // The general binding first, then one under a new context: each edit starts from what
        // the one before left behind.
        function test_contextBindingLeavesTheGeneralOne() {
            bindCtrlAToButtonOne()
            var general = saved("Other")
            appController.addApplicationContextConfiguration("Writer", "/usr/bin/writer")
            appController.selectedTab = 1
            appController.selectedAppContext = "Writer"
            tryCompare(appController, "selectedAppContext", "Writer")
            // Shift+B this time, to tell it from the general binding.
            bindKeystrokeToButtonOne(ButtonController.ModifierType_Shift, Qt.Key_B)
            var inContext = saved("Other", "Writer")
            verify(inContext, "a binding under the context")
            compare(inContext.KeyCode, "KEY_B")
            compare(inContext.UseShift, true)
            compare(saved("Other"), general)
            compareCtrlA(saved("Other"))
            compare(saved("default", "Writer"), null)
        }

        // The keys that one press and release of button 1 make the application see.
        function pressButtonOne(expected) {
            verify(agentFixture.agentAnswers())
            var seen = agentFixture.report(0x0001, expected.length)
            agentFixture.report(0x0000, 0)
            // The release types nothing to wait for, and the node is a FIFO: a press written
            // before the agent has read the release would be read with it as one report.
            wait(100)
            return seen
        }

        function key(letter) {
            var sym = (letter.charCodeAt(0) + 32).toString(16)
            return ["press " + sym + " 0", "release " + sym + " 0"]
        }

        // Each edit of the macro reaches the agent: the next press plays the macro as edited.
        function test_macroEditsArePlayedAtTheNextPress() {
            windowFixture.usePreferences(macroDocument())
            // Binding the profile again tells the agent to read the new document too.
            appController.setActiveProfile(otherProfile)
            var group = null
            tryVerify(function () {
                var macro = appController.getMacroController("Greet")
                group = macro && macro.listMacroGroupControllers.length === 1 ? macro.listMacroGroupControllers[0] : null
                return group && group.listMacroGroupActionControllers.length === 1
            })
            compare(pressButtonOne(key("A")), key("A"))
            // A step added after the first one.
            group.generateNewMacroActionInEdit()
            var step = group.editMacroAction
            step.editActionType = MacroGroupActionController.MacroAction_TypeKeystroke
            step.editPressKey = Qt.Key_B
            group.applyEditSettings()
            compare(pressButtonOne(key("A").concat(key("B"))), key("A").concat(key("B")))
            // The steps swapped.
            tryCompare(group.listMacroGroupActionControllers, "length", 2)
            group.moveActionFromToIndex(0, 1)
            compare(pressButtonOne(key("B").concat(key("A"))), key("B").concat(key("A")))
            // The first step removed.
            tryVerify(function () {
                return group.listMacroGroupActionControllers[0].getPressKey() === Qt.Key_B
            })
            group.deleteActionController(group.listMacroGroupActionControllers[0])
            compare(pressButtonOne(key("A")), key("A"))
            // A second group, with a step of its own: presses take the groups in turn.
            var macro = appController.getMacroController("Greet")
            macro.addNewMacroGroup()
            var second = null
            tryVerify(function () {
                second = macro.listMacroGroupControllers.length === 2 ? macro.listMacroGroupControllers[1] : null
                return second !== null
            })
            second.generateNewMacroActionInEdit()
            second.editMacroAction.editActionType = MacroGroupActionController.MacroAction_TypeKeystroke
            second.editMacroAction.editPressKey = Qt.Key_C
            second.applyEditSettings()
            compare(pressButtonOne(key("A")), key("A"))
            compare(pressButtonOne(key("C")), key("C"))
            // Moved first, the second group is the one that the turn comes back to.
            macro.moveGroupFromToIndex(1, 0)
            compare(pressButtonOne(key("C")), key("C"))
            compare(pressButtonOne(key("A")), key("A"))
            macro.deleteMacroGroup(0)
            compare(pressButtonOne(key("A")), key("A"))
            compare(pressButtonOne(key("A")), key("A"))
        }
    }
}
