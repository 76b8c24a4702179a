import QtQuick
import QtTest
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/TabPages"

// The tab pages' button layouts over the real controllers and preference store: what each
// row says, which lists are empty, where the pointer's control shows, and the edits the
// lists make.
Item {
    id: mainWindow
    width: 1200
    height: 700

    property var editorOpenedWith: null

    function showButtonsActionsWindow(buttonController) {
        editorOpenedWith = buttonController
    }

    function showAddNewAppConfigurationContextWindow() {}

    ApplicationController {
        id: appController
    }

    GlobalSettingsPage {
        id: page
        anchors.fill: parent
    }

    TestCase {
        id: testCase
        name: "Layouts"
        when: windowShown

        readonly property string maxDefault: "Profile##whirlen#whirlenmax#default"
        readonly property string maxWork: "Profile##whirlen#whirlenmax#Work"

        function action(profile, control, type, fields) {
            var record = {
                "ActionType": type,
                "AppContextConfig": "",
                "Command": "",
                "CommandArgs": "",
                "Comment": "",
                "DelayRepeat": 0,
                "KeyCode": "",
                "MacroToRun": "",
                "MouseButton": control,
                "Profile": profile,
                "Repeat": 1,
                "StartDelay": -1,
                "SwitchToProfile": "",
                "TextToWrite": "",
                "Toggle": false,
                "UseAlt": false,
                "UseCtrl": false,
                "UseShift": false,
                "UseSpecial": false
            }
            for (var field in fields)
                record[field] = fields[field]
            return record
        }

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

        // The "Work" profile in use with one binding of each kind; the other controls keep
        // their factory bindings.
        function document() {
            var w = maxWork
            var work = [action(w, "DeviceButton_1", "keypress", {
                                   "KeyCode": "KEY_A",
                                   "UseCtrl": true,
                                   "UseAlt": true
                               }), action(w, "DeviceButton_2", "command", {
                                              "Command": "/usr/bin/true"
                                          }), action(w, "DeviceButton_3", "Run_Macro", {
                                                         "MacroToRun": "Greeting"
                                                     }), action(w, "DeviceButton_4", "TypeText", {
                                                                    "TextToWrite": "<b>x</b>",
                                                                    "Comment": "<i>note</i>"
                                                                }), action(w, "DeviceButton_5", "volume_up"), action(w, "DeviceButton_6", "Switch_To_Profile", {
                                                                                                                         "SwitchToProfile": maxDefault
                                                                                                                     }), action(w, "DeviceButton_7", "Use_Default_Setting"), action(w, "DeviceButton_8", "Switch_To_Profile", {
                                                                                                                                                                                        "SwitchToProfile": "Gaming"
                                                                                                                                                                                    }), action(w, "DeviceButton_9", "keypress", {
                                                                                                                                                                                                   "KeyCode": "KEY_;"
                                                                                                                                                                                               })]
            return JSON.stringify({
                                      "MajorVersion": 1,
                                      "MinorVersion": 1,
                                      "Comment": "",
                                      "AppContextConfigurations": [],
                                      "Macros": [{
                                              "Name": "Greeting",
                                              "Comment": "",
                                              "Groups": []
                                          }],
                                      "ProfilesPreferences": [profile("Work", work)]
                                  })
        }

        function init() {
            failOnWarning(/.?/)
            windowFixture.usePreferences(document())
            appController.setSelectedProductByType(1)
            appController.setActiveProfile(maxWork)
            mainWindow.editorOpenedWith = null
            tryVerify(function () {
                return layout() !== null && layout().profileController !== null
                        && layout().profileController.profileKey === maxWork
            })
            layout().selectList(0)
            mouseMove(mainWindow, 1, 1)
        }

        function layout() {
            var loader = findChild(page, "globalLayoutLoader")
            return loader ? loader.item : null
        }

        // Shows a list and waits until it stands in its place.
        function showList(index) {
            layout().selectList(index)
            var shown = keybindList(["buttonsList", "dialList", "jogWheelList"][index])
            var lists = findChild(layout(), "lists")
            tryVerify(function () {
                return Math.abs(shown.mapToItem(lists, 0, 0).x) < 0.5
            })
        }

        function keybindList(name) {
            return findChild(layout(), name)
        }

        function rowItem(listName, index) {
            var rows = findChild(keybindList(listName), "keybindRows")
            rows.positionViewAtIndex(index, ListView.Contain)
            var entry = rows.itemAtIndex(index)
            return entry ? findChild(entry, "keybindItem") : null
        }

        function test_descriptions_data() {
            return [{
                    "tag": "keystroke",
                    "row": 0,
                    "value": "Type Keystroke",
                    "description": "Once Only: Alt+Ctrl+A"
                }, {
                    "tag": "program",
                    "row": 1,
                    "value": "Run Program",
                    "description": "Run Program : /usr/bin/true"
                }, {
                    "tag": "macro",
                    "row": 2,
                    "value": "Run Macro",
                    "description": "Run Macro  : \"Greeting\""
                }, {
                    "tag": "typed text",
                    "row": 3,
                    "value": "Type Text",
                    "description": "Type Text: \"<b>x</b>\""
                }, {
                    "tag": "mouse and system",
                    "row": 4,
                    "value": "Mouse & System Controls",
                    "description": "Once Only: Do Volume Up"
                }, {
                    "tag": "switch profile",
                    "row": 5,
                    "value": "Switch Profile to : default",
                    "description": "Switch Profile to : default"
                }, {
                    "tag": "default setting",
                    "row": 6,
                    "value": "Use Default Profile Settings",
                    "description": "Use Default Setting"
                }, {
                    "tag": "switch profile without #",
                    "row": 7,
                    "value": "Switch Profile to : Gaming",
                    "description": "Switch Profile to : Gaming"
                }, {
                    "tag": "character named outside the window",
                    "row": 8,
                    "value": "Type Keystroke",
                    "description": "Once Only: ;"
                }, {
                    "tag": "other",
                    "row": 9,
                    "value": "Disabled",
                    "description": "Disabled"
                }]
        }

        function test_descriptions(data) {
            var item = rowItem("buttonsList", data.row)
            verify(item)
            compare(item.getRealActionName(), data.description)
            var value = findChild(item, "valueLabel")
            compare(value.text, data.value)
            var real = findChild(item, "realActionLabel")
            compare(real.visible, item.isCustomActionVisible())
            if (real.visible)
                compare(real.text, data.description)
        }

        // User data shows as typed: plain text, never markup.
        function test_userTextIsPlain() {
            var item = rowItem("buttonsList", 3)
            var real = findChild(item, "realActionLabel")
            compare(real.textFormat, Text.PlainText)
            compare(real.text, "Type Text: \"<b>x</b>\"")
            var comment = findChild(item, "commentLabel")
            compare(comment.textFormat, Text.PlainText)
            compare(comment.text, "<i>note</i>")
        }

        function test_dialAndJogWheelEmptyUntilToggled() {
            showList(1)
            compare(keybindList("dialList").buttonList.length, 0)
            showList(2)
            var jog = keybindList("jogWheelList")
            compare(jog.buttonList.length, 0)
            var toggle = findChild(jog, "modeToggle")
            mouseClick(toggle)
            tryCompare(jog, "isToggled", true)
            tryCompare(jog.buttonList, "length", 43)
            var saved = JSON.parse(windowFixture.savedPreferences())
            var work = saved.ProfilesPreferences.filter(function (p) {
                return p.Name === "Work"
            })[0]
            var toggled = work.Actions.filter(function (a) {
                return a.Toggle && a.AppContextConfig === ""
            }).map(function (a) {
                return a.MouseButton
            })
            verify(toggled.length > 0)
            verify(toggled.every(function (control) {
                return control.indexOf("DeviceJogWheel") === 0
            }), toggled.join())
            compare(keybindList("dialList").isToggled, false)
        }

        // The strip's shadow is grey and faint, not an opaque olive.
        function test_stripShadowColour() {
            var colour = findChild(layout(), "listTabs").shadowColor
            fuzzyCompare(colour.r, 0x95 / 255, 0.01)
            fuzzyCompare(colour.g, 0x9E / 255, 0.01)
            fuzzyCompare(colour.b, 0xAB / 255, 0.01)
            fuzzyCompare(colour.a, 0x4D / 255, 0.01)
        }

        function test_rowOpensEditor() {
            var item = rowItem("buttonsList", 0)
            mouseClick(item)
            verify(mainWindow.editorOpenedWith !== null)
            compare(mainWindow.editorOpenedWith.buttonType, ButtonController.Button_1)
            compare(mainWindow.editorOpenedWith.editActionType, ButtonController.Action_TypeKeystroke)
        }

        // Puts the dial and the jog wheel of the profile in use into their list modes. A
        // factory profile may hold both modes among its controls: a toggle then first
        // switches them all off.
        function toggleBoth() {
            tryVerify(function () {
                return layout().profileController.listMainButtons.length > 0
            })
            var modes = [["isDialToggled", "toggleDial"], ["isJogWheelToggled", "toggleJogWheel"]]
            modes.forEach(function (mode) {
                tryVerify(function () {
                    var profile = layout().profileController
                    if (!profile[mode[0]])
                        profile[mode[1]]("")
                    return profile[mode[0]]
                }, 5000, mode[0])
            })
        }

        function hover(listName, row) {
            var item = rowItem(listName, row)
            verify(item, listName + " row " + row)
            mouseMove(item, 5, 5)
        }

        function test_hoverIndices_data() {
            return [{
                    "tag": "max button 2",
                    "model": 1,
                    "list": 0,
                    "row": 1,
                    "hovered": 1,
                    "left": -9999,
                    "highlight": "buttonHighlight2"
                }, {
                    "tag": "max dial right",
                    "model": 1,
                    "list": 1,
                    "row": 1,
                    "hovered": 16,
                    "left": -9984,
                    "highlight": "dialRightArrow"
                }, {
                    "tag": "max jog transition",
                    "model": 1,
                    "list": 2,
                    "row": 20,
                    "hovered": 37,
                    "left": -9982,
                    "highlight": "jogWheelArrow"
                }, {
                    "tag": "lite button 5",
                    "model": 2,
                    "list": 0,
                    "row": 4,
                    "hovered": 4,
                    "left": -9999,
                    "highlight": "buttonHighlight5"
                }, {
                    "tag": "lite dial left",
                    "model": 2,
                    "list": 1,
                    "row": 0,
                    "hovered": 5,
                    "left": -9994,
                    "highlight": "dialLeftArrow"
                }, {
                    "tag": "lite jog zone",
                    "model": 2,
                    "list": 2,
                    "row": 0,
                    "hovered": 7,
                    "left": -9992,
                    "highlight": "jogWheelArrow"
                }]
        }

        function test_hoverIndices(data) {
            appController.setSelectedProductByType(data.model)
            tryVerify(function () {
                return layout() && layout().profileController
                        && layout().profileController.modelType === data.model
            })
            toggleBoth()
            showList(data.list)
            var listName = ["buttonsList", "dialList", "jogWheelList"][data.list]
            tryVerify(function () {
                return rowItem(listName, data.row) !== null
            })
            var highlight = findChild(layout(), data.highlight)
            verify(highlight)
            verify(!highlight.visible)
            // Nothing is decoded for a highlight nobody sees.
            compare(highlight.status, Image.Null)
            hover(listName, data.row)
            tryCompare(layout(), "hoveredIndex", data.hovered)
            verify(highlight.visible)
            compare(highlight.status, Image.Ready)
            verify(highlight.width > 0)
            mouseMove(mainWindow, 1, 1)
            tryCompare(layout(), "hoveredIndex", data.left)
            verify(!highlight.visible)
        }
    
        // An image at its stored size, for comparison.
        function storedSize(source) {
            var image = Qt.createQmlObject("import QtQuick; Image {}", testCase)
            image.source = source
            var size = Qt.size(image.sourceSize.width, image.sourceSize.height)
            image.destroy()
            return size
        }

        function test_pictureIsDecodedAtItsShownSize_data() {
            return [{
                    "tag": "max",
                    "model": 1,
                    "row": 0,
                    "highlight": "buttonHighlight1"
                }, {
                    "tag": "lite",
                    "model": 2,
                    "row": 2,
                    "highlight": "buttonHighlight3"
                }]
        }

        function test_pictureIsDecodedAtItsShownSize(data) {
            appController.setSelectedProductByType(data.model)
            tryVerify(function () {
                return layout() && layout().profileController
                        && layout().profileController.modelType === data.model
            })
            var picture = findChild(layout(), "picture")
            tryCompare(picture, "status", Image.Ready)
            var stored = storedSize(picture.source)
            verify(picture.width > 0 && picture.width < stored.width, "the picture is shown smaller than stored")
            verify(picture.implicitWidth <= Math.ceil(picture.width * Screen.devicePixelRatio),
                   "decoded at " + picture.implicitWidth + " px for " + picture.width + " px shown")
            // Its proportions are the stored picture's.
            verify(Math.abs(picture.height - picture.width * stored.height / stored.width) < 1)
            // A highlight keeps the scale of the shown picture to the stored one.
            var highlight = findChild(layout(), data.highlight)
            hover("buttonsList", data.row)
            tryCompare(highlight, "visible", true)
            var highlightStored = storedSize(highlight.source)
            verify(Math.abs(highlight.width - highlightStored.width * picture.height / stored.height) < 0.5,
                   highlight.width + " px for " + highlightStored.width + " px stored")
        }
    }
}
