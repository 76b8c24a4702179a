import QtQuick
import QtTest
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/Overlays"

// The language picker and the theme switcher over the real controllers.
WindowStandIn {
    id: mainWindow
    width: 1200
    height: 700

    function hideLanguageSelectionWindow() {
        languages.visible = false
    }

    function hideThemeSwitcher() {
        themes.visible = false
    }

    ApplicationController {
        id: appController
        onCurrentUiThemeIndexChanged: PelvaneThemesManager.currentThemeIndex = currentUiThemeIndex
        Component.onCompleted: PelvaneThemesManager.currentThemeIndex = currentUiThemeIndex
    }

    LocalizationController {
        id: localization
    }

    SelectLanguage {
        id: languages
        anchors.fill: parent
        visible: false
    }

    PelvaneThemeSwitcherBar {
        id: themes
        visible: false
    }

    MacSecurityPopup {
        id: securityNotice
        anchors.fill: parent
        visible: false
    }

    SignalSpy {
        id: securitySpy
        target: securityNotice
        signalName: "openSecurityPrivacy"
    }

    MacMoveApplicationPopup {
        id: moveNotice
        anchors.fill: parent
        visible: false
    }

    TestCase {
        name: "Overlays"
        when: windowShown

        // Any warning, Qt's own included, fails the test function.
        function init() {
            failOnWarning(/.?/)
        }

        function cleanup() {
            localization.selectLanguage(LocalizationController.English)
            securityNotice.visible = false
            moveNotice.visible = false
        }

        function test_headerRowsInert() {
            languages.visible = true
            mouseClick(findChild(languages, "languageRow0"))
            verify(languages.visible)
            compare(localization.getLanguageIndex(), LocalizationController.English)
        }

        // Each language picked in the list: a text property, an entry of a text array and a
        // function's result all follow at once.
        function test_languageApplied_data() {
            return [{
                    "tag": "English",
                    "language": LocalizationController.English,
                    "texts": ["Apply", "Global Settings", "Once Only"]
                }, {
                    "tag": "French",
                    "language": LocalizationController.French,
                    "texts": ["Appliquer", "Paramètres globaux", "Une seule fois"]
                }, {
                    "tag": "German",
                    "language": LocalizationController.German,
                    "texts": ["Übernehmen", "Globale Einstellungen", "Nur einmal"]
                }, {
                    "tag": "Italian",
                    "language": LocalizationController.Italian,
                    "texts": ["Applica", "Impostazioni globali", "Una sola volta"]
                }, {
                    "tag": "Japanese",
                    "language": LocalizationController.Japanese,
                    "texts": ["適用", "グローバル設定", "1回のみ"]
                }, {
                    "tag": "Dutch",
                    "language": LocalizationController.Dutch,
                    "texts": ["Toepassen", "Algemeen", "Eenmalig"]
                }, {
                    "tag": "Portuguese",
                    "language": LocalizationController.Portuguese,
                    "texts": ["Aplicar", "Ajustes globais", "Uma vez"]
                }, {
                    "tag": "Spanish",
                    "language": LocalizationController.Spanish,
                    "texts": ["Aplicar", "Ajustes globales", "Una vez"]
                }, {
                    "tag": "Norwegian",
                    "language": LocalizationController.Norwegian,
                    "texts": ["Bruk", "Globalt", "Bare én gang"]
                }, {
                    "tag": "Swedish",
                    "language": LocalizationController.Swedish,
                    "texts": ["Verkställ", "Globalt", "Bara en gång"]
                }, {
                    "tag": "Finnish",
                    "language": LocalizationController.Finnish,
                    "texts": ["Käytä", "Yleiset asetukset", "Vain kerran"]
                }, {
                    "tag": "Danish",
                    "language": LocalizationController.Danish,
                    "texts": ["Anvend", "Generelt", "Kun én gang"]
                }]
        }

        function test_languageApplied(data) {
            // Start from another language, so that English too is a change.
            localization.selectLanguage(data.language === LocalizationController.German ? LocalizationController.French : LocalizationController.German)
            // The rows made for the new texts take their places in the column at its next
            // layout; each row is as high as the others.
            languages.visible = true
            var row = findChild(languages, "languageRow" + data.language)
            tryVerify(function () {
                return row.y === data.language * row.height
            })
            mouseClick(row)
            verify(!languages.visible)
            compare(localization.getLanguageIndex(), data.language)
            compare(Strings.applyText, data.texts[0])
            compare(Strings.menuTabsText[0], data.texts[1])
            compare(Strings.getStrFromRepetition(0), data.texts[2])
        }

        function test_escapeHidesPicker() {
            languages.visible = true
            keyClick(Qt.Key_Escape)
            verify(!languages.visible)
        }

        // The macOS notices: built and shown here though nothing on this system opens them.
        function test_macNotices() {
            securityNotice.visible = true
            var steps = findChild(securityNotice, "macSecuritySteps")
            steps.contentY = steps.contentHeight - steps.height
            waitForRendering(securityNotice)
            mouseClick(findChild(securityNotice, "openSecurityButton"))
            compare(securitySpy.count, 1)
            mouseClick(findChild(securityNotice, "macSecurityCloseIcon"))
            verify(!securityNotice.visible)
            moveNotice.visible = true
            mouseClick(findChild(moveNotice, "moveAppOkButton"))
            verify(!moveNotice.visible)
        }

        function test_themeChosen_data() {
            return [{
                    "tag": "Monochrome",
                    "index": 0
                }, {
                    "tag": "Miracle Mist",
                    "index": 1
                }]
        }

        function test_themeChosen(data) {
            // Start from the other theme, so that the click is what changes it.
            appController.currentUiThemeIndex = 1 - data.index
            themes.visible = true
            mouseClick(findChild(themes, "themeRow" + data.index))
            verify(!themes.visible)
            compare(appController.currentUiThemeIndex, data.index)
            compare(PelvaneThemesManager.currentThemeIndex, data.index)
        }
    }
}
