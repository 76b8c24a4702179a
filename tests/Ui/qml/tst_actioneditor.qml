import QtQuick
import QtTest
import QuickFlux 1.1
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Actions"
import "qrc:/Ui/Widgets"
import "qrc:/Ui/Widgets/ActionEditor"
import "qrc:/Ui/Widgets/ActionEditor/FileUrl.js" as FileUrl
import "Find.js" as Find

// The button action editor over the real controllers and preference store: each pane
// applied valid and invalid, with the saved preference file as the oracle.
WindowStandIn {
    id: mainWindow
    width: 1200
    height: 800

    function showButtonsActionsWindow(buttonController) {
        editor.buttonController = buttonController
        editor.reinitWindow()
        editor.visible = true
    }

    // As the window does: the step editor loses its group with the button editor.
    function hideButtonsActionsWindow() {
        editor.buttonController = null
        stepEditor.macroGroupController = null
        editor.visible = false
    }

    function showMacroActionWindow(step, group) {
        stepEditor.macroActionController = step
        stepEditor.macroGroupController = group
        stepEditor.reinitWindow()
        stepEditor.visible = true
    }

    function hideMacroActionWindow() {
        stepEditor.macroActionController = null
        stepEditor.visible = false
        editor.reactivate()
    }

    ApplicationController {
        id: appController
    }

    ButtonActionSelectionWindow {
        id: editor
        anchors.fill: parent
        visible: false
    }

    MacroActionSelectionWindow {
        id: stepEditor
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
        name: "ActionEditor"
        when: windowShown

        readonly property string work: "Profile##whirlen#whirlenmax#Work"
        readonly property string home: "Profile##whirlen#whirlenmax#Home"

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

        function action(profileKey, control, type, fields) {
            var record = {
                "ActionType": type,
                "MouseButton": control,
                "Profile": profileKey,
                "KeyCode": "",
                "Command": "",
                "CommandArgs": "",
                "Comment": "",
                "MacroToRun": "",
                "SwitchToProfile": "",
                "TextToWrite": "",
                "Repeat": 1,
                "StartDelay": -1,
                "DelayRepeat": 0,
                "Toggle": false,
                "UseAlt": false,
                "UseCtrl": false,
                "UseShift": false,
                "UseSpecial": false,
                "AppContextConfig": ""
            }
            for (var field in fields)
                record[field] = fields[field]
            return record
        }

        // "Work" in use: button 1 types "hello", button 2 switches to a profile that is
        // gone, button 3 runs "Beta"; "Home" is the other profile. The macro "Zeta" gets a
        // new number each time, so that a test can wait until the macro controllers hold
        // this document's macros (an edit of the previous ones would be lost).
        property int documentNumber: 0

        function document(betaGroups) {
            documentNumber += 1
            return JSON.stringify({
                                      "MajorVersion": 1,
                                      "MinorVersion": 1,
                                      "Comment": "",
                                      "AppContextConfigurations": [],
                                      "Macros": [{
                                              "Name": "Alpha",
                                              "Comment": "",
                                              "Groups": []
                                          }, {
                                              "Name": "Beta",
                                              "Comment": "",
                                              "MacroGroups": betaGroups || []
                                          }, {
                                              "Name": "Zeta" + documentNumber,
                                              "Comment": "",
                                              "Groups": []
                                          }],
                                      "ProfilesPreferences": [profile("Work", [action(work, "DeviceButton_1", "TypeText", {
                                                                                          "TextToWrite": "hello",
                                                                                          "Comment": "greets"
                                                                                      }), action(work, "DeviceButton_2", "Switch_To_Profile", {
                                                                                                     "SwitchToProfile": "Profile##whirlen#whirlenmax#Gone"
                                                                                                 }), action(work, "DeviceButton_3", "Run_Macro", {
                                                                                                                "MacroToRun": "Beta"
                                                                                                            })].concat(kindsOfBindings())), profile("Home", [])]
                                  })
        }

        // Buttons 5 to 15 of "Work": one binding of each other kind the editor offers.
        function kindsOfBindings() {
            return [action(work, "DeviceButton_5", "keypress", {
                               "KeyCode": "KEY_A",
                               "UseCtrl": true
                           }), action(work, "DeviceButton_6", "keypress", {
                                          "UseShift": true,
                                          "UseAlt": true
                                      }), action(work, "DeviceButton_7", "command", {
                                                     "Command": "/usr/bin/prog",
                                                     "CommandArgs": "-x"
                                                 }), action(work, "DeviceButton_8", "click"), action(work, "DeviceButton_9", "volume_up", {
                                                                                                         "Comment": "louder"
                                                                                                     }), action(work, "DeviceButton_10", "scroll_down"), action(work, "DeviceButton_11", "disabled", {
                                                                                                                                                                   "Comment": "off"
                                                                                                                                                               }), action(work, "DeviceButton_12", "Use_Default_Setting"), action(work, "DeviceButton_13", "Same_As_Lower_Value"), action(work, "DeviceButton_14", "Switch_To_Profile", {
                                                                                                                                                                                                                                                                                                "SwitchToProfile": home
                                                                                                                                                                                                                                                                                            }), action(work, "DeviceButton_15", "BrightnessUp")]
        }

        function init() {
            failOnWarning(/.?/)
            useDocument([])
        }

        function useDocument(betaGroups) {
            windowFixture.usePreferences(document(betaGroups))
            appController.setSelectedProductByType(1)
            appController.setActiveProfile(work)
            appController.selectedTab = 0
            tryVerify(function () {
                var device = appController.selectedDeviceController
                return device && device.selectedProfileController && device.selectedProfileController.profileKey === work
                        && device.selectedProfileController.listMainButtons.length === 15
                        && appController.listMacroNames.indexOf("Zeta" + documentNumber) >= 0
            })
        }

        function cleanup() {
            while (alerts.currentAlertInShow)
                AppDispatcher.dispatch(UiActionsTypes.closeCurrentAlertBox)
            mainWindow.hideMacroActionWindow()
            mainWindow.hideButtonsActionsWindow()
            appController.selectedAppContext = ""
        }

        function button(index) {
            return appController.selectedDeviceController.selectedProfileController.listMainButtons[index]
        }

        function open(index) {
            var controller = button(index)
            controller.prepareForButtonEdit()
            mainWindow.showButtonsActionsWindow(controller)
            return controller
        }

        function chooseRow(row) {
            var item = findChild(editor, "actionRow" + row)
            verify(item, "row " + row)
            mouseClick(item)
        }

        function apply() {
            mouseClick(findChild(editor, "applyButton"))
        }

        // The saved binding of a button of "Work" for the general bindings or a context.
        function saved(control, context) {
            var document = JSON.parse(windowFixture.savedPreferences())
            var found = null
            document.ProfilesPreferences.forEach(function (p) {
                if (p.Name !== "Work")
                    return
                p.Actions.forEach(function (a) {
                    if (a.MouseButton === control && (a.AppContextConfig || "") === (context || ""))
                        found = a
                })
            })
            return found
        }

        function shownAlert() {
            return alerts.currentAlertInShow ? alerts.currentAlertInShow.alertTitle : ""
        }

        function typeInto(field, text) {
            field.inputText = text
        }

        function test_fileUrl_data() {
            return [{
                    "tag": "blank",
                    "url": "file:///home/u/My%20Programs/run",
                    "path": "/home/u/My Programs/run"
                }, {
                    "tag": "hash",
                    "url": "file:///home/u/a%23b",
                    "path": "/home/u/a#b"
                }, {
                    "tag": "decoded once",
                    "url": "file:///home/u/x%2520y",
                    "path": "/home/u/x%20y"
                }, {
                    "tag": "root",
                    "url": "file:///x",
                    "path": "/x"
                }, {
                    "tag": "other scheme",
                    "url": "https://example.org/x",
                    "path": null
                }]
        }

        function test_fileUrl(data) {
            compare(FileUrl.toLocalPath(data.url), data.path)
        }

        function test_programPickerKeepsFieldOnOtherScheme() {
            open(0)
            chooseRow(ButtonController.Action_OpenFile)
            var picker = findChild(editor, "programPane").children[3]
            picker.path = "/usr/bin/true"
            picker.acceptUrl("https://example.org/x")
            compare(picker.path, "/usr/bin/true")
            picker.acceptUrl("file:///opt/My%20App/run")
            compare(picker.path, "/opt/My App/run")
        }

        // On the Application specific tab the binding goes to the chosen program's
        // configuration; the profile's general binding stays.
        function test_contextBinding() {
            appController.addApplicationContextConfiguration("Writer", "/usr/bin/writer")
            appController.selectedTab = 1
            appController.selectedAppContext = "Writer"
            tryCompare(appController, "selectedAppContext", "Writer")
            open(0)
            chooseRow(ButtonController.Action_TypeText)
            findChild(editor, "typeTextField").inputText = "in writer"
            apply()
            verify(!editor.visible)
            compare(saved("DeviceButton_1", "Writer").TextToWrite, "in writer")
            compare(saved("DeviceButton_1").TextToWrite, "hello")
        }

        function test_typeTextShownAndKept() {
            open(0)
            compare(editor.currentRow, ButtonController.Action_TypeText)
            compare(findChild(editor, "typeTextField").inputText, "hello")
            apply()
            verify(!editor.visible)
            compare(saved("DeviceButton_1").TextToWrite, "hello")
            compare(saved("DeviceButton_1").Comment, "greets")
        }

        function test_refusals_data() {
            return [{
                    "tag": "keystroke without key",
                    "row": ButtonController.Action_TypeKeystroke,
                    "alert": "Required field is empty"
                }, {
                    "tag": "modifiers none on",
                    "row": ButtonController.Action_PressModifier,
                    "alert": "You need to choose an action to apply"
                }, {
                    "tag": "program without path",
                    "row": ButtonController.Action_OpenFile,
                    "alert": Strings.fieldIsEmptyText
                }, {
                    "tag": "empty text",
                    "row": ButtonController.Action_TypeText,
                    "alert": Strings.fieldIsEmptyText
                }, {
                    "tag": "mouse nothing chosen",
                    "row": ButtonController.Action_MouseAndSystemControls,
                    "alert": Strings.noActionChosenText
                }, {
                    "tag": "switch without profile",
                    "row": ButtonController.Action_SwitchToProfile,
                    "alert": Strings.fieldIsEmptyText
                }]
        }

        function test_refusals(data) {
            open(3)
            chooseRow(data.row)
            compare(editor.currentRow, data.row)
            if (data.row === ButtonController.Action_TypeKeystroke)
                mouseClick(findChild(editor, "modifier" + ButtonController.ModifierType_Control))
            apply()
            tryCompare(testCase, "shownAlertTitle", data.alert)
            verify(editor.visible)
            compare(saved("DeviceButton_4"), null)
            // Once the refusal is closed, Escape closes the editor again.
            pressAlertButton(Strings.confirmationButtonText)
            compare(shownAlertTitle, "")
            verify(editor.visible)
            keyClick(Qt.Key_Escape)
            verify(!editor.visible)
        }

        readonly property string shownAlertTitle: shownAlert()

        function test_keystrokeStored() {
            open(3)
            chooseRow(ButtonController.Action_TypeKeystroke)
            mouseClick(findChild(editor, "modifier" + ButtonController.ModifierType_Control))
            var field = findChild(editor, "keyField")
            mouseClick(field)
            keyClick(Qt.Key_A)
            apply()
            verify(!editor.visible)
            var stored = saved("DeviceButton_4")
            compare(stored.KeyCode, "KEY_A")
            compare(stored.UseCtrl, true)
            compare(stored.UseShift, false)
        }

        function test_mouseOptionStored() {
            open(3)
            chooseRow(ButtonController.Action_MouseAndSystemControls)
            mouseClick(findChild(editor, "kindRadio2"))
            mouseClick(findChild(editor, "option" + ButtonController.VolumeDown))
            apply()
            verify(!editor.visible)
            compare(saved("DeviceButton_4").ActionType, "volume_down")
            // Applied again with only a new comment: still accepted.
            open(3)
            findChild(findChild(editor, "mousePane"), "commentField").inputText = "quieter"
            apply()
            verify(!editor.visible)
            compare(saved("DeviceButton_4").Comment, "quieter")
            compare(saved("DeviceButton_4").ActionType, "volume_down")
        }

        function test_resetThenApplyAppliesTheReset() {
            open(0)
            mouseClick(findChild(editor, "resetIcon"))
            tryCompare(editor, "currentRow", ButtonController.Action_Disabled)
            apply()
            verify(!editor.visible)
            var stored = saved("DeviceButton_1")
            verify(stored === null || stored.ActionType === "disabled", JSON.stringify(stored))
        }

        function test_defaultSettingRowInertOnGlobalTab() {
            open(3)
            appController.selectedTab = 0
            chooseRow(ButtonController.Action_UseDefaultSetting)
            compare(editor.currentRow, ButtonController.Action_Disabled)
            appController.selectedTab = 1
            chooseRow(ButtonController.Action_UseDefaultSetting)
            compare(editor.currentRow, ButtonController.Action_UseDefaultSetting)
        }

        function test_staleSwitchTargetCleared() {
            var controller = open(1)
            compare(editor.currentRow, ButtonController.Action_SwitchToProfile)
            compare(controller.editSwitchToProfileKey, "")
            compare(findChild(editor, "profilePicker").currentIndex, -1)
            findChild(editor, "profilePicker").currentIndex = 0
            compare(controller.editSwitchToProfileKey, home)
            apply()
            verify(!editor.visible)
            compare(saved("DeviceButton_2").SwitchToProfile, home)
        }

        function test_applyUnchangedKeepsTheBinding_data() {
            return [{
                    "tag": "type text",
                    "button": 0
                }, {
                    "tag": "run macro",
                    "button": 2
                }, {
                    "tag": "keystroke",
                    "button": 4
                }, {
                    "tag": "modifiers only",
                    "button": 5
                }, {
                    "tag": "program",
                    "button": 6
                }, {
                    "tag": "click",
                    "button": 7
                }, {
                    "tag": "volume with a comment",
                    "button": 8
                }, {
                    "tag": "scroll",
                    "button": 9
                }, {
                    "tag": "disabled with a comment",
                    "button": 10
                }, {
                    "tag": "default setting",
                    "button": 11
                }, {
                    "tag": "same as lower value",
                    "button": 12
                }, {
                    "tag": "switch to profile",
                    "button": 13
                }, {
                    "tag": "brightness",
                    "button": 14
                }]
        }

        // Opened and applied as it stands, every kind of binding is accepted and saved as it was.
        function test_applyUnchangedKeepsTheBinding(data) {
            var control = "DeviceButton_" + (data.button + 1)
            var before = saved(control)
            verify(before, "the document binds " + control)
            open(data.button)
            apply()
            compare(shownAlert(), "")
            verify(!editor.visible, "the editor closes")
            // The program writes names in its own spelling: compared without case.
            var after = saved(control)
            verify(after, "still bound")
            for (var field in before)
                compare(String(after[field]).toLowerCase(), String(before[field]).toLowerCase(), field)
        }

        // The picker shows the bound profile at every opening: the first one, and the ones
        // after a Discard and after the close icon.
        function test_switchTargetShownAtEveryOpening() {
            var closers = ["discardButton", "closeIcon", "discardButton"]
            for (var i = 0; i < closers.length; ++i) {
                var controller = open(13)
                compare(editor.currentRow, ButtonController.Action_SwitchToProfile)
                compare(controller.editSwitchToProfileKey, home)
                var picker = findChild(editor, "profilePicker")
                compare(picker.textAt(picker.currentIndex), "Home")
                mouseClick(findChild(editor, closers[i]))
                verify(!editor.visible)
            }
            // A comment-only edit keeps the target.
            open(13)
            findChild(findChild(editor, "switchPane"), "commentField").inputText = "to home"
            apply()
            compare(shownAlert(), "")
            verify(!editor.visible)
            compare(saved("DeviceButton_14").SwitchToProfile, home)
            compare(saved("DeviceButton_14").Comment, "to home")
        }

        function test_macroBindingShownAndKept() {
            open(2)
            compare(editor.currentRow, ButtonController.Action_RunMacro)
            compare(appController.listMacroNameIndex, appController.listMacroNames.indexOf("Beta"))
            appController.listMacroNameIndex = appController.listMacroNames.indexOf("Alpha")
            apply()
            verify(!editor.visible)
            compare(saved("DeviceButton_3").MacroToRun, "Alpha")
        }

        function answerInput(text) {
            tryVerify(function () {
                return alerts.currentAlertInShow && alerts.currentAlertInShow.alertType === UiActionsTypes.alertBoxTypeTextInput
            })
            var box = Find.first(alerts, function (each) {
                return each.msgInputText !== undefined && each.visible
            })
            verify(box, "input box")
            box.msgInputText = text
        }

        function pressAlertButton(text) {
            var found = Find.button(alerts, text)
            verify(found, text)
            mouseClick(found)
        }

        function test_macroNames_data() {
            return [{
                    "tag": "empty",
                    "name": "",
                    "alert": Strings.fieldIsEmptyText,
                    "names": ["Alpha", "Beta"]
                }, {
                    "tag": "taken",
                    "name": "Beta",
                    "alert": Strings.macroNameAlreadyExists,
                    "names": ["Alpha", "Beta"]
                }, {
                    "tag": "new",
                    "name": "Gamma",
                    "alert": "",
                    "names": ["Alpha", "Beta", "Gamma"]
                }]
        }

        function test_macroNames(data) {
            open(2)
            mouseClick(findChild(editor, "newMacroButton"))
            answerInput(data.name)
            pressAlertButton(Strings.saveText)
            if (data.alert !== "") {
                tryCompare(testCase, "shownAlertTitle", data.alert)
                pressAlertButton(Strings.confirmAlertTxt)
                // The name's input is still open beneath.
                tryCompare(testCase, "shownAlertTitle", Strings.addMacroText)
            } else {
                tryCompare(testCase, "shownAlertTitle", "")
            }
            var names = JSON.parse(windowFixture.savedPreferences()).Macros.map(function (m) {
                return m.Name
            }).filter(function (name) {
                return name.indexOf("Zeta") !== 0
            }).sort()
            compare(names, data.names)
        }

        function test_macroRenameCollisionAndDelete() {
            open(2)
            mouseClick(findChild(editor, "renameMacroButton"))
            answerInput("Alpha")
            pressAlertButton(Strings.yesLabel)
            tryCompare(testCase, "shownAlertTitle", Strings.macroNameAlreadyExists)
            pressAlertButton(Strings.confirmAlertTxt)
            tryCompare(testCase, "shownAlertTitle", "")
            mouseClick(findChild(editor, "renameMacroButton"))
            answerInput("Omega")
            pressAlertButton(Strings.yesLabel)
            tryVerify(function () {
                return appController.listMacroNames.indexOf("Omega") >= 0
            })
            appController.listMacroNameIndex = appController.listMacroNames.indexOf("Omega")
            mouseClick(findChild(editor, "deleteMacroButton"))
            tryCompare(testCase, "shownAlertTitle", Strings.deleteMacroText)
            pressAlertButton(Strings.yesLabel)
            tryVerify(function () {
                return appController.listMacroNames.indexOf("Omega") < 0
            })
            var names = JSON.parse(windowFixture.savedPreferences()).Macros.map(function (m) {
                return m.Name
            }).filter(function (name) {
                return name.indexOf("Zeta") !== 0
            })
            compare(names, ["Alpha"])
        }

        // A rename that puts another name in the picker's row renews the names under the
        // open pane: Apply stores the macro the picker shows, not the one it showed before.
        function test_macroListChangeFollowsThePicker() {
            open(2)
            var picker = findChild(editor, "macroPicker")
            appController.listMacroNameIndex = 0
            compare(picker.currentText, "Alpha")
            appController.renameMacro("Beta", "Aaron")
            tryVerify(function () {
                return appController.listMacroNames.indexOf("Aaron") >= 0 && picker.currentText !== ""
            })
            var shown = picker.currentText
            apply()
            verify(!editor.visible)
            compare(saved("DeviceButton_3").MacroToRun, shown)
        }

        function test_escapeCloses() {
            open(0)
            editor.reactivate()
            keyClick(Qt.Key_Escape)
            verify(!editor.visible)
        }

        // The macro "Beta" with one group, selected, and the step editor open on a new step.
        function openStepEditor() {
            open(2)
            mouseClick(findChild(editor, "addGroupButton"))
            var row = null
            tryVerify(function () {
                row = findChild(editor, "macroGroup0")
                return row !== null && row.height > 0
            })
            mouseClick(row)
            tryVerify(function () {
                return !findChild(editor, "addStepButton").disabled
            })
            mouseClick(findChild(editor, "addStepButton"))
            verify(stepEditor.visible)
            verify(editor.visible)
        }

        function savedSteps() {
            var beta = JSON.parse(windowFixture.savedPreferences()).Macros.filter(function (m) {
                return m.Name === "Beta"
            })[0]
            return beta.MacroGroups[0].Actions
        }

        // Escape, an empty key and the fields of a new step, in one walk over a new group.
        function test_stepEditor() {
            openStepEditor()
            // Escape closes only the step editor.
            verify(stepEditor.activeFocus)
            keyClick(Qt.Key_Escape)
            verify(!stepEditor.visible)
            verify(editor.visible)
            // A keystroke step without a key is stored with none.
            mouseClick(findChild(editor, "addStepButton"))
            verify(stepEditor.visible)
            mouseClick(findChild(stepEditor, "actionRow0"))
            mouseClick(findChild(stepEditor, "applyButton"))
            verify(!stepEditor.visible)
            verify(editor.visible)
            var steps = savedSteps()
            compare(steps.length, 1)
            compare(steps[0].ActionType, "keypress")
            compare(steps[0].KeyCode, "")
            // The text typed for one step is gone when the next one opens.
            mouseClick(findChild(editor, "addStepButton"))
            mouseClick(findChild(stepEditor, "actionRow2"))
            findChild(stepEditor, "stepTextField").inputText = "typed once"
            mouseClick(findChild(stepEditor, "applyButton"))
            compare(savedSteps().length, 2)
            compare(savedSteps()[1].TextToWrite, "typed once")
            mouseClick(findChild(editor, "addStepButton"))
            verify(stepEditor.visible)
            compare(findChild(stepEditor, "stepTextField").inputText, "")
        }

        // A group of "Beta" (ids from 1) that types each text in turn, waiting 20 ms after each.
        function textGroup(id, texts) {
            return {
                "MacroGroupID": id,
                "Actions": texts.map(function (text) {
                    return {
                        "ActionType": "TypeText",
                        "TextToWrite": text,
                        "StartDelay": 0,
                        "Repeat": 1,
                        "DelayRepeat": 20
                    }
                })
            }
        }

        // The texts of the saved "Beta", group by group.
        function savedBetaTexts() {
            var beta = JSON.parse(windowFixture.savedPreferences()).Macros.filter(function (m) {
                return m.Name === "Beta"
            })[0]
            return beta.MacroGroups.map(function (g) {
                return g.Actions.map(function (a) {
                    return a.TextToWrite
                })
            })
        }

        // Drags a row by the pointer to a height of its list, in steps: drop areas learn of
        // a moved item through queued events, and rows close up on the next polish.
        function dragRow(row, listY) {
            // The list places its rows at its next polish.
            waitForItemPolished(row.parent)
            var start = row.mapToItem(mainWindow, row.width / 2, 12)
            var end = row.mapToItem(mainWindow, row.width / 2, listY - row.y)
            mousePress(mainWindow, start.x, start.y)
            for (var step = 1; step <= 10; ++step) {
                mouseMove(mainWindow, start.x, start.y + (end.y - start.y) * step / 10, -1, Qt.LeftButton)
                waitForItemPolished(editor)
                wait(0)
            }
            mouseRelease(mainWindow, end.x, end.y)
        }

        function openBeta(groups) {
            useDocument(groups)
            open(2)
            tryVerify(function () {
                var row = findChild(editor, "macroGroup" + (groups.length - 1))
                return row !== null && row.height > 0
            })
        }

        // Rows are 25 px: the third group dropped on the lower half of the first lands
        // second; a step dropped on the first step's upper edge lands first.
        function test_dragsReorderTheSavedMacro() {
            openBeta([textGroup(1, ["one"]), textGroup(2, ["two"]), textGroup(3, ["three", "four", "five"])])
            dragRow(findChild(editor, "macroGroup2"), 20)
            compare(savedBetaTexts(), [["one"], ["three", "four", "five"], ["two"]])
            // The list builds its rows anew, placed at a later polish.
            var group = null
            tryVerify(function () {
                group = findChild(editor, "macroGroup1")
                return group && group.y > 0 && group.modelData && group.modelData.listMacroGroupActionControllers.length === 3
                        && findChild(group, "groupArrow") !== null
            })
            mouseClick(findChild(group, "groupArrow"))
            // The middle step, which the list's clipped view still shows.
            var middleStep = null
            tryVerify(function () {
                middleStep = findChild(group, "step1")
                return middleStep !== null && middleStep.height > 0
            })
            dragRow(middleStep, 2)
            compare(savedBetaTexts(), [["one"], ["four", "three", "five"], ["two"]])
        }

        // Rows of the wait combo against the saved wait: separators sit before every group
        // of three, and a separator row stores the entry before it.
        function test_waitComboRows_data() {
            return [{
                    "tag": "don't wait",
                    "row": 0,
                    "delay": 0
                }, {
                    "tag": "1 ms",
                    "row": 2,
                    "delay": 1
                }, {
                    "tag": "5 ms",
                    "row": 4,
                    "delay": 5
                }, {
                    "tag": "separator after 5 ms",
                    "row": 5,
                    "delay": 5
                }, {
                    "tag": "100 ms",
                    "row": 10,
                    "delay": 100
                }, {
                    "tag": "10 s",
                    "row": 18,
                    "delay": 10000
                }]
        }

        function test_waitComboRows(data) {
            openBeta([textGroup(1, ["one"])])
            var group = findChild(editor, "macroGroup0")
            mouseClick(findChild(group, "groupArrow"))
            var combo = null
            tryVerify(function () {
                combo = findChild(group, "waitCombo")
                return combo !== null && combo.visible
            })
            // 20 ms, as the document has it.
            compare(combo.currentIndex, 7)
            combo.currentIndex = data.row
            combo.activated(data.row)
            var saved = JSON.parse(windowFixture.savedPreferences()).Macros.filter(function (m) {
                return m.Name === "Beta"
            })[0].MacroGroups[0].Actions[0]
            compare(saved.DelayRepeat, data.delay)
        }

        // The arrow keys pass over the separators, on the closed box and in the open list.
        function test_waitComboKeyboardSkipsSeparators() {
            openBeta([textGroup(1, ["one"])])
            mouseClick(findChild(findChild(editor, "macroGroup0"), "groupArrow"))
            // Each saved wait rebuilds the step's row, and with it the combo.
            var waitCombo = function () {
                var combo = null
                tryVerify(function () {
                    combo = findChild(findChild(editor, "macroGroup0"), "waitCombo")
                    return combo !== null && combo.visible
                })
                combo.forceActiveFocus()
                return combo
            }
            var savedDelay = function () {
                return JSON.parse(windowFixture.savedPreferences()).Macros.filter(function (m) {
                    return m.Name === "Beta"
                })[0].MacroGroups[0].Actions[0].DelayRepeat
            }
            compare(waitCombo().currentIndex, 7)
            keyClick(Qt.Key_Down)
            tryVerify(function () {
                return savedDelay() === 50
            })
            // Row 9 is a separator.
            compare(waitCombo().currentIndex, 8)
            keyClick(Qt.Key_Down)
            tryVerify(function () {
                return savedDelay() === 100
            })
            compare(waitCombo().currentIndex, 10)
            keyClick(Qt.Key_Up)
            tryVerify(function () {
                return savedDelay() === 50
            })
            var combo = waitCombo()
            combo.popup.open()
            tryVerify(function () {
                return combo.popup.opened
            })
            keyClick(Qt.Key_Down)
            compare(combo.highlightedIndex, 10)
            keyClick(Qt.Key_Return)
            tryVerify(function () {
                return savedDelay() === 100
            })
        }

        // The step editor's text holds at most 100 characters, as the button editor's does.
        function test_typedTextLimits_data() {
            return [{
                    "tag": "button editor",
                    "step": false
                }, {
                    "tag": "step editor",
                    "step": true
                }]
        }

        function test_typedTextLimits(data) {
            var field
            if (data.step) {
                openStepEditor()
                mouseClick(findChild(stepEditor, "actionRow2"))
                field = findChild(stepEditor, "stepTextField")
            } else {
                open(0)
                chooseRow(ButtonController.Action_TypeText)
                field = findChild(editor, "typeTextField")
            }
            mouseClick(field)
            for (var i = 0; i < 101; ++i)
                keyClick(Qt.Key_A)
            compare(field.inputText.length, 100)
        }

        // The profile deleted under an open editor takes its controls' controllers along:
        // the editor closes, and nothing of its edit is saved.
        function test_controllerGoneClosesWithoutApplying() {
            open(3)
            chooseRow(ButtonController.Action_TypeText)
            findChild(editor, "typeTextField").inputText = "never applied"
            appController.deleteProfile(work)
            tryVerify(function () {
                return !editor.visible
            })
            compare(editor.buttonController, null)
            var names = JSON.parse(windowFixture.savedPreferences()).ProfilesPreferences.map(function (p) {
                return p.Name
            })
            compare(names.indexOf("Work"), -1)
            verify(windowFixture.savedPreferences().indexOf("never applied") < 0)
        }

        // A switch to another profile under an open editor closes it unapplied: the edit
        // lands neither in the profile it was opened in nor in the one now shown.
        function test_profileSwitchClosesWithoutApplying() {
            open(3)
            chooseRow(ButtonController.Action_TypeText)
            findChild(editor, "typeTextField").inputText = "never applied"
            appController.setActiveProfile(home)
            tryVerify(function () {
                return !editor.visible
            })
            compare(editor.buttonController, null)
            verify(windowFixture.savedPreferences().indexOf("never applied") < 0)
        }

        // The button editor closed under the step editor (another profile in use) takes the
        // step editor along; nothing of the step is stored.
        function test_stepEditorClosesWithTheButtonEditor() {
            openStepEditor()
            mouseClick(findChild(stepEditor, "actionRow2"))
            findChild(stepEditor, "stepTextField").inputText = "never stored"
            appController.setActiveProfile(home)
            tryVerify(function () {
                return !editor.visible
            })
            verify(!stepEditor.visible, "the step editor closes with its group")
            compare(stepEditor.macroActionController, null)
            verify(windowFixture.savedPreferences().indexOf("never stored") < 0)
        }

        function test_refusedBindingSaysWhy_data() {
            return [{
                    "tag": "disabled beside the binding it takes",
                    "row": ButtonController.Action_Disabled,
                    "alert": Strings.bindingDisabledForApplicationText
                }, {
                    "tag": "over the application's own binding",
                    "row": ButtonController.Action_TypeText,
                    "ownBinding": true,
                    "alert": Strings.bindingAlreadyExistsText
                }, {
                    "tag": "disabled over the application's own binding",
                    "row": ButtonController.Action_Disabled,
                    "ownBinding": true,
                    "alert": Strings.bindingAlreadyExistsText
                }, {
                    "tag": "profile gone",
                    "row": ButtonController.Action_TypeText,
                    "profileGone": true,
                    "alert": Strings.bindingProfileGoneText
                }]
        }

        // A binding that the profile does not take keeps the editor open on the edit and
        // says why, as the store tells it: under "Writer", button 5 shows the binding of
        // "Writers", whose program path lies within Writer's. "Disabled" cannot replace it;
        // where Writer has a binding of its own, which the shown one overrides, no action can;
        // and nothing is stored in a profile deleted since the editor opened.
        function test_refusedBindingSaysWhy(data) {
            var document = JSON.parse(testCase.document([]))
            document.AppContextConfigurations = [{
                                                     "ConfigName": "Writer",
                                                     "ProgramContextPath": "/usr/bin/writer"
                                                 }, {
                                                     "ConfigName": "Writers",
                                                     "ProgramContextPath": "writer"
                                                 }]
            document.ProfilesPreferences[0].Actions.push(action(work, "DeviceButton_5", "TypeText", {
                                                                    "TextToWrite": "any writer",
                                                                    "AppContextConfig": "Writers"
                                                                }))
            if (data.ownBinding)
                document.ProfilesPreferences[0].Actions.push(action(work, "DeviceButton_5", "TypeText", {
                                                                        "TextToWrite": "own writer",
                                                                        "AppContextConfig": "Writer"
                                                                    }))
            windowFixture.usePreferences(JSON.stringify(document))
            appController.selectedTab = 1
            tryCompare(appController.appContextList, "length", 2)
            appController.selectedAppContext = "Writer"
            tryVerify(function () {
                var shown = button(4)
                return shown && shown.getTypeText() === "any writer"
            })
            open(4)
            chooseRow(data.row)
            if (data.row === ButtonController.Action_TypeText)
                findChild(editor, "typeTextField").inputText = "refused"
            // Deleted, and the Apply pressed, before the window has heard of it.
            if (data.profileGone)
                appController.deleteProfile(work)
            apply()
            tryCompare(testCase, "shownAlertTitle", data.alert)
            verify(windowFixture.savedPreferences().indexOf("refused") < 0)
            if (data.profileGone)
                return
            verify(editor.visible, "the editor stays open")
            compare(editor.currentRow, data.row)
            compare(saved("DeviceButton_5", "Writers").TextToWrite, "any writer")
            var own = saved("DeviceButton_5", "Writer")
            compare(own ? own.TextToWrite : null, data.ownBinding ? "own writer" : null)
        }

        // Programs here have no extension to filter by.
        function test_programDialogShowsAllFiles() {
            open(0)
            chooseRow(ButtonController.Action_OpenFile)
            var dialog = findChild(editor, "programDialog")
            verify(dialog, "the program dialog")
            verify(dialog.nameFilters.every(function (filter) {
                return filter.indexOf("(*)") >= 0
            }), JSON.stringify(dialog.nameFilters))
        }

        function test_stepDescriptionShowsTypedTextLiterally() {
            openBeta([textGroup(1, ["<b>x</b>"])])
            var group = findChild(editor, "macroGroup0")
            mouseClick(findChild(group, "groupArrow"))
            var label = null
            tryVerify(function () {
                label = findChild(group, "stepDescription")
                return label !== null && label.visible
            })
            compare(label.textFormat, Text.PlainText)
            verify(label.text.indexOf("\"<b>x</b>\"") >= 0, label.text)
        }
    }
}
