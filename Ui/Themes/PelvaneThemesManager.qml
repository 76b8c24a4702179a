pragma Singleton
import QtQuick

// Colours, gradients, images and fonts of the window. The flavour in use is chosen by
// currentThemeIndex; every role forwards the flavour's property of the same name, so a
// switch re-colours every binding without reloading a document.
Item {
    id: manager
    visible: false

    property int currentThemeIndex: 1
    readonly property var availableThemesStyles: ["qrc:/Ui/Themes/Flavours/PelvaneMonochromeTheme.qml", "qrc:/Ui/Themes/Flavours/PelvaneMiracleMistTheme.qml"]
    // Both flavours live side by side, so a role never reads from a flavour still loading.
    readonly property var flavours: availableThemesStyles.map(function (url) {
        return Qt.createComponent(url).createObject(manager)
    })
    readonly property Item theme: flavours[currentThemeIndex] ?? flavours[0]

    readonly property var availableThemesColors: [{
            "angle": Math.PI / 2,
            "start": Qt.point(0, 1),
            "end": Qt.point(1, 0),
            "gradients": [{
                    "pos": 0,
                    "color": "#131C25"
                }, {
                    "pos": 1,
                    "color": "#131C25"
                }]
        }, {
            "angle": Math.PI,
            "start": Qt.point(0, 0),
            "end": Qt.point(1, 0.9),
            "gradients": [{
                    "pos": 0,
                    "color": "#2442B2"
                }, {
                    "pos": 0.4,
                    "color": "#88BEE9"
                }, {
                    "pos": 1,
                    "color": "#FFB199"
                }]
        }]

    readonly property color mainBackgroundColor: theme.mainBackgroundColor
    readonly property color secondaryBackgroundColor: theme.secondaryBackgroundColor
    readonly property color productsBarBackgroundColor: theme.productsBarBackgroundColor
    readonly property color productsSelectedBarBackgroundColor: theme.productsSelectedBarBackgroundColor
    readonly property Gradient tabBarsBackground: theme.tabBarsBackground
    readonly property color descriptionGreyColor: theme.descriptionGreyColor
    readonly property color companyInfoGreyColor: theme.companyInfoGreyColor
    readonly property color dropDownBackColor: theme.dropDownBackColor
    readonly property color dropDownBackColorAlt: theme.dropDownBackColorAlt
    readonly property color dropShadowItemTab: theme.dropShadowItemTab
    readonly property int dropShadowHOffsetItemTab: theme.dropShadowHOffsetItemTab
    readonly property int dropShadowVOffsetItemTab: theme.dropShadowVOffsetItemTab
    readonly property color menuItemTabBg: theme.menuItemTabBg
    readonly property color menuItemTabSelBg: theme.menuItemTabSelBg
    readonly property color selectedMenuItemTab: theme.selectedMenuItemTab
    readonly property color titleRedColor: theme.titleRedColor
    readonly property color textOnTitleRedColor: theme.textOnTitleRedColor
    readonly property color subtitleColor: theme.subtitleColor
    readonly property color buttonTextColor: theme.buttonTextColor
    readonly property color checkBoxBorderColor: theme.checkBoxBorderColor
    readonly property color sliderBackgroundColor: theme.sliderBackgroundColor
    readonly property color sliderValueColor: theme.sliderValueColor
    readonly property color selectedTextColor: theme.selectedTextColor
    readonly property color buttonsWindowActionsSelection: theme.buttonsWindowActionsSelection
    readonly property color buttonsWindowActionsSelectionOverlay: theme.buttonsWindowActionsSelectionOverlay
    readonly property color buttonTooltipPrimaryTextColor: theme.buttonTooltipPrimaryTextColor
    readonly property color buttonTooltipPrimaryHoverTextColor: theme.buttonTooltipPrimaryHoverTextColor
    readonly property color buttonTooltipSecundaryTextColor: theme.buttonTooltipSecundaryTextColor
    readonly property color buttonTooltipSecundaryHoverTextColor: theme.buttonTooltipSecundaryHoverTextColor
    readonly property color tabsColorText: theme.tabsColorText
    readonly property color tabsSelectedColorText: theme.tabsSelectedColorText
    readonly property color textColorTabs: theme.textColorTabs
    readonly property color disabledTextColor: theme.disabledTextColor
    readonly property color actionButtonsBorder: theme.actionButtonsBorder
    readonly property color btnDropShadowColor: theme.btnDropShadowColor
    readonly property color pelvaneG4Color: theme.pelvaneG4Color
    readonly property color pelvaneG3Color: theme.pelvaneG3Color
    readonly property color pelvaneG1Color: theme.pelvaneG1Color
    readonly property color pelvaneLinkColor: theme.pelvaneLinkColor
    readonly property color dropshadowColorPopupCloudTopWindow: theme.dropshadowColorPopupCloudTopWindow
    readonly property color connectADeviceRectBackgroud: theme.connectADeviceRectBackgroud
    readonly property color connectADeviceRectBackgroudSelected: theme.connectADeviceRectBackgroudSelected
    readonly property Gradient connectAScreenBackGradient: theme.connectAScreenBackGradient
    readonly property color subtitleColorConnectAScreen: theme.subtitleColorConnectAScreen
    readonly property color toggleUnSelectedColor: theme.toggleUnSelectedColor
    readonly property color toggleSelectedColor: theme.toggleSelectedColor
    readonly property color feedbackLinkNormalColor: theme.feedbackLinkNormalColor
    readonly property color feedbackLinkHoverColor: theme.feedbackLinkHoverColor
    readonly property string feedbackIconNormal: theme.feedbackIconNormal
    readonly property string feedbackIconHover: theme.feedbackIconHover
    readonly property string profileIcon: theme.profileIcon
    readonly property string leftArrowIcon: theme.leftArrowIcon
    readonly property color pelvanePurpleColor: theme.pelvanePurpleColor
    readonly property color pelvaneProfileTitleColor: theme.pelvaneProfileTitleColor
    readonly property color pelvaneSubMenuColor: theme.pelvaneSubMenuColor
    readonly property color pelvaneKeybindItemBackground: theme.pelvaneKeybindItemBackground

    // Both font files register the family "Poppins"; the bold role is that family at bold
    // weight.
    readonly property int defaultFontSize: Qt.application.font.pixelSize
    readonly property string defaultNormalFontFamily: "Poppins"
    readonly property string defaultMediumFontFamily: "Poppins"
    readonly property int defaultMediumFontWeight: Font.Bold

    readonly property string imagesFolder: "qrc:/Ui/Assets/Images/"
    readonly property string pelvaneLogoWhite: imagesFolder + "pelvane_logo_white.png"
    readonly property string justLogoWithBlue: imagesFolder + "just_logo_withblue.svg"
    readonly property string justLogoPWhite: imagesFolder + "just_logo_P_white.png"
    readonly property string powerButton: imagesFolder + "power_btn.svg"
    readonly property string powerButtonActive: imagesFolder + "power_btn_active.svg"
    readonly property string checkMarkIcon: imagesFolder + "check_mark.png"
    readonly property string checkMarkNoBorderIcon: imagesFolder + "checkmark_noborder.svg"
    readonly property string backgroundRedBand: imagesFolder + "backlogo_back.svg"
    readonly property string closeIcon: imagesFolder + "close.svg"
    readonly property string closeIconBlack: imagesFolder + "close_black.svg"
    readonly property string undoIcon: imagesFolder + "undo.svg"
    readonly property string undoIconBlack: imagesFolder + "undo-black.svg"
    readonly property string minimizeIcon: imagesFolder + "minimize.svg"
    readonly property string minimizeIconBlack: imagesFolder + "minimize_black.svg"
    readonly property string localizationIcon: imagesFolder + "localization_button.png"
    readonly property string localizationIconBlack: imagesFolder + "localization_button_pressed.png"
    readonly property string settingsIcon: imagesFolder + "settings_icon.png"
    readonly property string settingsPressedIcon: imagesFolder + "settings_icon_pressed.png"
    readonly property string accountIcon: imagesFolder + "account_icon.png"
    readonly property string accountPressedIcon: imagesFolder + "account_pressed_icon.png"
    readonly property string deleteIcon: imagesFolder + "delete_icon.png"
    readonly property string dropDownArrow: imagesFolder + "icon_arrow_down.svg"
    readonly property string dropDownArrowGrey: imagesFolder + "icon_arrow_down_grey.svg"
    readonly property string dropDownArrowLightBlue: imagesFolder + "icon_arrow_down_light_blue.svg"
    readonly property string dropDownArrowBlue: imagesFolder + "icon_arrow_down_blue.svg"
    readonly property string downIconSolid: imagesFolder + "icon_arrow_down_solid.png"
    readonly property string rightIconSolid: imagesFolder + "icon_arrow_right_solid.png"
    readonly property string chevronRightArrow: imagesFolder + "chevron_right.svg"
    readonly property string macAllowApplication: imagesFolder + "mac_allow_application.png"
    readonly property string notificationBell: imagesFolder + "notifications/bell.png"
    readonly property string notificationBellHover: imagesFolder + "notifications/bell_pressed.png"
    readonly property string whirlenMaxStraighImg: imagesFolder + "products/whirlenmax/whirlenmax.png"
    readonly property string whirlenLiteImg: imagesFolder + "products/whirlenlite/lite.png"
    readonly property string circularArrowLeft: imagesFolder + "products/dialRotateLeft.png"
    readonly property string circularArrowRight: imagesFolder + "products/dialRotateRight.png"
    readonly property string themeChangeIcon: imagesFolder + "theme_change.png"
    readonly property string themeChangePressedIcon: imagesFolder + "theme_change_pressed.png"

    // Indexed by DeviceController.DeviceModelType; 0 (no model) has none.
    readonly property var productsImages: ["", imagesFolder + "products/whirlenmax.png", imagesFolder + "products/whirlenlite.png"]
    readonly property var productsWidgets: ["", "qrc:/Ui/Widgets/Products/WhirlenMaxButtonLayout.qml", "qrc:/Ui/Widgets/Products/WhirlenLiteButtonLayout.qml"]
    readonly property var productsSetUp: ["", "qrc:/Ui/Widgets/SetUpProducts/WhirlenSetup.qml", "qrc:/Ui/Widgets/SetUpProducts/WhirlenSetup.qml"]
    readonly property var userGuideImage: ["", imagesFolder + "whirlen_max_user_guide.png", imagesFolder + "whirlen_lite_user_guide.png"]
}
