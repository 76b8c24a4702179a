import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0
import "qrc:/Ui/Widgets"
import "qrc:/Ui/TabPages"
import "qrc:/Ui/Widgets/BaseWidgets"

// The tab pages under the top row: the window's buttons, the contact link and the
// greeting at the right, the selected device and profile at the left, the notice line at
// the bottom.
Item {
    id: area

    property int currentTab: -1
    readonly property int topMargin: 35
    readonly property int lateralMargin: 35
    readonly property real topRowHeight: closeButton.height
    readonly property real themeButtonWidth: themeButton.width
    // From the theme button's right edge to the right edge of the inner box.
    readonly property real themeButtonRightDistance: area.width - lateralMargin - (themeButton.x + themeButton.width)
    readonly property QtObject deviceController: mainWindow.selectedDeviceController
    readonly property QtObject profileController: mainWindow.selectedProfileController
    readonly property QtObject authAccount: mainWindow.authAccount

    // The window reads the preferences as it is built, before any page is: the pages are
    // built when first shown.
    Component.onCompleted: appController.forceUpdatePrefs()

    PelvaneIconButton {
        id: closeButton
        anchors.right: parent.right
        anchors.rightMargin: area.lateralMargin
        y: area.topMargin
        width: contactLink.height + 2
        height: width
        normalSource: PelvaneThemesManager.closeIcon
        hoverSource: PelvaneThemesManager.closeIconBlack
        accessibleName: Strings.closeLabel
        onClicked: mainWindow.close()
    }

    // The 2 px line lies along the bottom edge; the whole square takes the pointer.
    PelvaneIconButton {
        id: minimiseButton
        objectName: "minimiseButton"
        anchors.right: closeButton.left
        anchors.rightMargin: 15
        anchors.verticalCenter: closeButton.verticalCenter
        width: closeButton.width
        height: closeButton.height
        sourceSize: Qt.size(width, 2)
        fillMode: Image.Pad
        verticalAlignment: Image.AlignBottom
        normalSource: PelvaneThemesManager.minimizeIcon
        hoverSource: PelvaneThemesManager.minimizeIconBlack
        accessibleName: Strings.minimizeLabel
        onClicked: mainWindow.showMinimized()
    }

    PelvaneIconButton {
        id: languageButton
        anchors.right: minimiseButton.left
        anchors.rightMargin: 15
        anchors.verticalCenter: closeButton.verticalCenter
        width: closeButton.width
        height: width
        normalSource: PelvaneThemesManager.localizationIcon
        hoverSource: PelvaneThemesManager.localizationIconBlack
        accessibleName: Strings.selectLanguagesList[0]
        onClicked: mainWindow.openLanguageSelectionWindow()
    }

    PelvaneIconButton {
        id: settingsButton
        anchors.right: languageButton.left
        anchors.rightMargin: 15
        anchors.verticalCenter: closeButton.verticalCenter
        width: closeButton.width
        height: width
        normalSource: PelvaneThemesManager.settingsIcon
        hoverSource: PelvaneThemesManager.settingsPressedIcon
        accessibleName: Strings.settingsLabel
        onClicked: mainWindow.openSettingsWindow()
    }

    PelvaneIconButton {
        id: themeButton
        anchors.right: settingsButton.left
        anchors.rightMargin: 15
        anchors.verticalCenter: closeButton.verticalCenter
        width: closeButton.width
        height: width
        normalSource: PelvaneThemesManager.themeChangeIcon
        hoverSource: PelvaneThemesManager.themeChangePressedIcon
        accessibleName: Strings.themeLabel
        onClicked: mainWindow.showThemeSwitcher()
    }

    PelvaneIconButton {
        id: accountButton
        anchors.right: themeButton.left
        anchors.rightMargin: 15
        anchors.verticalCenter: closeButton.verticalCenter
        width: closeButton.width + 5
        height: width
        opacity: 0.5
        normalSource: PelvaneThemesManager.accountIcon
        hoverSource: PelvaneThemesManager.accountPressedIcon
        accessibleName: Strings.accountInfoText
        onClicked: mainWindow.openLoginWindow()
    }

    HyperLinkText {
        id: contactLink
        anchors.right: accountButton.left
        anchors.rightMargin: 15
        anchors.verticalCenter: closeButton.verticalCenter
        text: Strings.contactButtonLabel
        url: Strings.webSiteUrlSupport
        font.pixelSize: mainWindow.calculateFontPixelSize(10)
    }

    // The greeting runs through its strip ten times.
    Item {
        id: welcomeStrip
        anchors.right: contactLink.left
        anchors.rightMargin: 15
        anchors.verticalCenter: closeButton.verticalCenter
        width: 150
        height: 25
        clip: true
        visible: area.authAccount !== null && area.authAccount.valid === true

        Text {
            id: welcomeText
            anchors.verticalCenter: parent.verticalCenter
            text: area.authAccount ? Strings.welcomeText + area.authAccount.firstName + " " + area.authAccount.lastName : ""
            textFormat: Text.PlainText
            font.pixelSize: mainWindow.calculateFontPixelSize(15)
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: PelvaneThemesManager.selectedTextColor

            NumberAnimation on x {
                running: welcomeStrip.visible
                from: welcomeStrip.width
                to: -welcomeText.width
                duration: 7500
                loops: 10
            }
        }
    }

    Rectangle {
        id: deviceLabel
        x: area.lateralMargin
        anchors.verticalCenter: closeButton.verticalCenter
        visible: area.deviceController !== null
        width: visible ? deviceText.width + 8 : 0
        height: closeButton.height * 1.5
        radius: 20
        color: PelvaneThemesManager.buttonTooltipPrimaryTextColor
        border.color: PelvaneThemesManager.titleRedColor

        Text {
            id: deviceText
            anchors.centerIn: parent
            width: implicitWidth + Math.max(implicitWidth * 0.1, 20)
            horizontalAlignment: Text.AlignHCenter
            text: !area.deviceController ? "" : area.deviceController.isConfiguration ? Strings.configurationText : area.deviceController.serial
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: mainWindow.calculateFontPixelSize(14)
            font.family: PelvaneThemesManager.defaultMediumFontFamily
            font.weight: PelvaneThemesManager.defaultMediumFontWeight
        }
    }

    Rectangle {
        id: profilePill
        x: deviceLabel.visible ? deviceLabel.x + deviceLabel.width + 15 : area.lateralMargin
        anchors.verticalCenter: closeButton.verticalCenter
        width: profileText.width + 8
        height: deviceLabel.height
        radius: 20
        color: PelvaneThemesManager.pelvanePurpleColor

        Text {
            id: profileText
            anchors.centerIn: parent
            width: implicitWidth + Math.max(implicitWidth * 0.1, 20)
            horizontalAlignment: Text.AlignHCenter
            text: area.profileController ? area.profileController.name : Strings.profileText
            textFormat: Text.PlainText
            color: "white"
            font.pixelSize: mainWindow.calculateFontPixelSize(14)
            font.family: PelvaneThemesManager.defaultMediumFontFamily
            font.weight: PelvaneThemesManager.defaultMediumFontWeight
        }

        MouseArea {
            id: profileArea
            property real enteredX: 0
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onEntered: enteredX = mouseX
            onClicked: mainWindow.isProfileMenuOn ? mainWindow.hideProfileMenu() : mainWindow.openProfileMenu()
        }

        Rectangle {
            visible: profileArea.containsMouse
            x: profileArea.enteredX
            y: -30
            z: 10
            width: tipText.implicitWidth + 12
            height: tipText.implicitHeight + 6
            radius: 10
            color: PelvaneThemesManager.buttonTooltipPrimaryTextColor

            Text {
                id: tipText
                anchors.centerIn: parent
                text: Strings.changeProfileTooltip
                color: "white"
                font.pixelSize: mainWindow.calculateFontPixelSize(10)
                font.family: PelvaneThemesManager.defaultNormalFontFamily
            }
        }
    }

    SwipeView {
        id: pages
        anchors.top: closeButton.bottom
        anchors.topMargin: 10
        anchors.bottom: notice.top
        anchors.bottomMargin: 10
        anchors.left: parent.left
        anchors.leftMargin: area.lateralMargin
        anchors.right: parent.right
        orientation: Qt.Vertical
        interactive: false
        clip: true
        currentIndex: Math.max(area.currentTab, 0)

        TabPageLoader {
            objectName: "globalSettingsPage"
            sourceComponent: GlobalSettingsPage {
                lateralMargin: area.lateralMargin
            }
        }
        TabPageLoader {
            objectName: "applicationSpecificPage"
            sourceComponent: ApplicationSpecificPage {
                lateralMargin: area.lateralMargin
            }
        }
        TabPageLoader {
            objectName: "setUpPage"
            sourceComponent: SetUpPage {
                lateralMargin: area.lateralMargin
            }
        }
        TabPageLoader {
            objectName: "aboutPage"
            sourceComponent: AboutPage {
                lateralMargin: area.lateralMargin
            }
        }
    }

    Text {
        id: notice
        x: area.lateralMargin
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        text: Strings.copyRightLabel
        font.pixelSize: mainWindow.calculateFontPixelSize(10)
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        color: PelvaneThemesManager.companyInfoGreyColor
    }

    HyperLinkText {
        anchors.right: parent.right
        anchors.rightMargin: area.lateralMargin
        anchors.verticalCenter: notice.verticalCenter
        text: Strings.webSiteLabel
        url: Strings.webSiteUrl
        font.pixelSize: mainWindow.calculateFontPixelSize(10)
    }

    // Over the pages while the profile menu is open; a click closes the menu.
    Rectangle {
        anchors.fill: parent
        visible: mainWindow.isProfileMenuOn
        color: PelvaneThemesManager.mainBackgroundColor
        opacity: 0.8

        MouseArea {
            anchors.fill: parent
            onClicked: mainWindow.hideProfileMenu()
        }
    }
}
