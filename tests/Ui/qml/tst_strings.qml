import QtQuick
import QtTest
import PelvaneApp 1.0
import WhirlenUI 1.0

TestCase {
    id: testCase
    name: "Strings"

    Component {
        id: languageComponent
        LocalizationController {}
    }

    function init() {
        failOnWarning(/.?/)
    }

    function test_keyNames_data() {
        return [{
                "tag": "space through the motion list",
                "code": 32,
                "name": "Space"
            }, {
                "tag": "a letter",
                "code": 65,
                "name": "A"
            }, {
                "tag": "keypad multiply",
                "code": 128,
                "name": "NumPad *"
            }, {
                "tag": "keypad divide",
                "code": 133,
                "name": "NumPad /"
            }, {
                "tag": "keypad 0",
                "code": 134,
                "name": "NumPad 0"
            }, {
                "tag": "keypad decimal",
                "code": 132,
                "name": "Decimal"
            }, {
                "tag": "F13",
                "code": Qt.Key_F13,
                "name": "F13"
            }, {
                "tag": "unknown",
                "code": 0x7777,
                "name": ""
            }]
    }

    function test_keyNames(data) {
        compare(Strings.getKeyStrFromKeyCode(data.code), data.name)
    }

    // Each key of the key list once, under its own code.
    function test_keyListOffersEachKeyOnce() {
        var codes = []
        for (var category = 0; category < 7; ++category) {
            for (var index = 0; Strings.keyQtKeyFromSelectedOption(category, index) !== 0; ++index)
                codes.push(Strings.keyQtKeyFromSelectedOption(category, index))
        }
        compare(codes.length, 13 + 6 + 4 + 21 + 24 + 18 + 1)
        for (var i = 0; i < codes.length; ++i)
            compare(codes.indexOf(codes[i]), i, "code " + codes[i] + " listed twice")
        compare(Strings.keyQtKeyFromSelectedOption(5, 16), 61)
        compare(Strings.keyQtKeyFromSelectedOption(5, 18), 0)
        compare(Strings.keyQtKeyFromSelectedOption(7, 0), 0)
        compare(Strings.keyQtKeyFromSelectedOption(0, -1), 0)
    }

    function keyListEntries() {
        var labels = [Strings.motionAndEditingKeysOptionsLabels, Strings.internetBrowserOptionsLabels, Strings.mediaPlayerOptionsLabels, Strings.specialKeysOptionsLabels, Strings.generateFunctionButtons(), Strings.generateNumlockButtons(), [Strings.mailApplicationLabel]]
        var entries = []
        for (var category = 0; category < labels.length; ++category) {
            for (var index = 0; index < labels[category].length; ++index) {
                entries.push({
                                 "tag": labels[category][index] + " (" + category + "," + index + ")",
                                 "code": Strings.keyQtKeyFromSelectedOption(category, index),
                                 "label": labels[category][index],
                                 "category": category
                             })
            }
        }
        return entries
    }

    function test_keyListEntrySavesUnderItsKeyName_data() {
        return keyListEntries()
    }

    // The file holds a key name for the entry, and the next start shows the entry's name.
    function test_keyListEntrySavesUnderItsKeyName(data) {
        var button = keyList.button
        button.prepareForButtonEdit()
        button.editActionType = ButtonController.Action_TypeKeystroke
        button.editPressKey = data.code
        button.applyEditSettings()
        verify(keyList.savedKeyName().startsWith("KEY_"), keyList.savedKeyName())
        var shown = keyList.reloadedPressKey()
        compare(shown, data.code)
        // The mail key has no name of its own in the key lists but the menu's label.
        if (data.category !== 6)
            compare(Strings.getKeyStrFromKeyCode(shown), data.label)
    }

    function test_enumIndexedArraysAreAsLongAsTheirEnums() {
        compare(Strings.mainActionsText.length, ButtonController.Action_SwitchToProfile + 1)
        compare(Strings.getStrRepetitionNames().length, ButtonController.RepetitionUICount)
        compare(Strings.getStrFromRepetition(3), "60 Times per Second")
        compare(Strings.keyModifiersLabels.length, ButtonController.ModifierType_Count)
        compare(Strings.selectLanguagesList.length, LocalizationController.Danish + 1)
        compare(Strings.selectLanguagesList[LocalizationController.French], "French    \t- French")
        compare(Strings.deviceModelNames.length, 3)
        compare(Strings.buttonKeys.length, 15)
        compare(Strings.jogWheelButtonKeys.length, 43)
        compare(Strings.jogWheelButtonKeys[15], "Transition -7 to -6")
        compare(Strings.jogWheelButtonKeys[42], "Transition -6 to -7")
        compare(Strings.realActionDescriptionText.length, 30)
        compare(Strings.macroActionWaitTypes.length, 19)
        compare(Strings.generateNumlockButtons().length, 18)
        compare(Strings.generateNumLockQtKeys().length, 18)
    }

    function test_germanFollowsTheLanguage() {
        var language = createTemporaryObject(languageComponent, testCase)
        language.selectLanguage(LocalizationController.German)
        compare(Strings.profilesBtnLabel, "Profile")
        compare(Strings.menuTabsText[0], "Globale Einstellungen")
        compare(Strings.getKeyStrFromKeyCode(134), "Ziffernblock 0")
        compare(Strings.selectLanguagesList[LocalizationController.German], "German    \t- Deutsch")
        language.selectLanguage(LocalizationController.English)
        compare(Strings.profilesBtnLabel, "Profiles")
        compare(Strings.getKeyStrFromKeyCode(134), "NumPad 0")
    }

    // Poppins has no Japanese glyphs: the system's CJK font draws them, never boxes.
    function test_japaneseIsDrawnByTheCjkFallback() {
        var language = createTemporaryObject(languageComponent, testCase)
        language.selectLanguage(LocalizationController.Japanese)
        var family = PelvaneThemesManager.defaultNormalFontFamily
        compare(fonts.resolvedFamily(family), "Poppins")
        var texts = [Strings.applyText, Strings.menuTabsText[0], Strings.selectLanguageDescription, Strings.getStrFromRepetition(0)]
        texts.forEach(function (text) {
            var families = fonts.familiesDrawing(text, family)
            verify(families.indexOf("Noto Sans CJK JP") >= 0, text + ": " + families)
            verify(families.indexOf("missing") < 0, text + ": " + families)
        })
        language.selectLanguage(LocalizationController.English)
    }
}
