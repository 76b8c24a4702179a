import QtQuick
import QtTest
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/Overlays"

// The language picker and the theme switcher over the real controllers.
Item {
    id: mainWindow
    width: 1200
    height: 700

    property bool inDrag: false

    function startSystemMove() {
        return false
    }

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

        function test_germanApplied() {
            languages.visible = true
            mouseClick(findChild(languages, "languageRow" + LocalizationController.German))
            verify(!languages.visible)
            compare(localization.getLanguageIndex(), LocalizationController.German)
            tryCompare(Strings, "applyText", "Übernehmen")
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
