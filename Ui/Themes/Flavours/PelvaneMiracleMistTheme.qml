import QtQuick

// Blue to peach gradients behind white pages. Colours with eight hex digits carry alpha first.
Item {
    readonly property color mainBackgroundColor: "#ffffff"
    readonly property color secondaryBackgroundColor: "#efefef"
    readonly property color productsBarBackgroundColor: "#232b45"
    readonly property color productsSelectedBarBackgroundColor: "#5883cf"
    readonly property Gradient tabBarsBackground: Gradient {
        GradientStop {
            position: 0
            color: "#2442B2"
        }
        GradientStop {
            position: 0.4
            color: "#88BEE9"
        }
        GradientStop {
            position: 1
            color: "#FFB199"
        }
    }
    readonly property color descriptionGreyColor: "#747474"
    readonly property color companyInfoGreyColor: "#7f7f7f"
    readonly property color dropDownBackColor: "#dfdfdf"
    readonly property color dropDownBackColorAlt: "#dfdfdf"
    readonly property color dropShadowItemTab: "#ff000000"
    readonly property int dropShadowHOffsetItemTab: 1
    readonly property int dropShadowVOffsetItemTab: 2
    readonly property color menuItemTabBg: "transparent"
    readonly property color menuItemTabSelBg: "#ffffff"
    readonly property color selectedMenuItemTab: "#2442b2"
    readonly property color titleRedColor: "#232b45"
    // A text on a titleRedColor fill.
    readonly property color textOnTitleRedColor: "#ffffff"
    readonly property color subtitleColor: "#131C25"
    readonly property color buttonTextColor: "#454c63"
    readonly property color checkBoxBorderColor: "#707070"
    readonly property color sliderBackgroundColor: "#e0e0e0"
    readonly property color sliderValueColor: "#979797"
    readonly property color selectedTextColor: "#707070"
    readonly property color buttonsWindowActionsSelection: "#ffffff"
    readonly property color buttonsWindowActionsSelectionOverlay: "#0C1B28"
    readonly property color buttonTooltipPrimaryTextColor: "#384B58"
    readonly property color buttonTooltipPrimaryHoverTextColor: "#5893DE"
    readonly property color buttonTooltipSecundaryTextColor: "#737D88"
    readonly property color buttonTooltipSecundaryHoverTextColor: "#5893DE"
    readonly property color tabsColorText: "#ffffff"
    readonly property color tabsSelectedColorText: "#384B58"
    readonly property color textColorTabs: "#384B58"
    readonly property color disabledTextColor: "#E0E0E0"
    readonly property color actionButtonsBorder: "#cfcfcf"
    readonly property color btnDropShadowColor: "#77c0c0c0"
    readonly property color pelvaneG4Color: "#D3D7DC"
    readonly property color pelvaneG3Color: "#959EAB"
    readonly property color pelvaneG1Color: "#555C63"
    readonly property color pelvaneLinkColor: "#004cff"
    readonly property color dropshadowColorPopupCloudTopWindow: "#ffa0a0a0"
    readonly property color connectADeviceRectBackgroud: "#44FFFFFF"
    readonly property color connectADeviceRectBackgroudSelected: "#77FFFFFF"
    readonly property Gradient connectAScreenBackGradient: Gradient {
        GradientStop {
            position: 0
            color: "#2442B2"
        }
        GradientStop {
            position: 0.4
            color: "#88BEE9"
        }
        GradientStop {
            position: 1
            color: "#FFB199"
        }
    }
    readonly property color subtitleColorConnectAScreen: "#D25883cf"
    readonly property color toggleUnSelectedColor: "#dfdfdf"
    readonly property color toggleSelectedColor: "#5883cf"
    readonly property color feedbackLinkNormalColor: "#131C25"
    readonly property color feedbackLinkHoverColor: "#5893DE"
    readonly property string feedbackIconNormal: "qrc:/Ui/Assets/Images/survey_black.png"
    readonly property string feedbackIconHover: "qrc:/Ui/Assets/Images/survey_blue.png"
    readonly property string profileIcon: "qrc:/Ui/Assets/Images/profile_white.png"
    readonly property string leftArrowIcon: "qrc:/Ui/Assets/Images/sageata_stanga.png"
    readonly property color pelvanePurpleColor: "#8016DD"
    readonly property color pelvaneProfileTitleColor: "#E5E7EB"
    readonly property color pelvaneSubMenuColor: "#384B58"
    readonly property color pelvaneKeybindItemBackground: "#efefef"
}
