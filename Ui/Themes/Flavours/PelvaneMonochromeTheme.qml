import QtQuick

// Dark product bar on light grey pages. Colours with eight hex digits carry alpha first.
Item {
    readonly property color mainBackgroundColor: "#efefef"
    readonly property color secondaryBackgroundColor: "#ffffff"
    readonly property color productsBarBackgroundColor: "#131C25"
    readonly property color productsSelectedBarBackgroundColor: "#A8D2FF"
    readonly property Gradient tabBarsBackground: Gradient {
        GradientStop {
            position: 0
            color: "white"
        }
        GradientStop {
            position: 1
            color: "white"
        }
    }
    readonly property color descriptionGreyColor: "#747474"
    readonly property color companyInfoGreyColor: "#7f7f7f"
    readonly property color dropDownBackColor: "#ffffff"
    readonly property color dropDownBackColorAlt: "#dfdfdf"
    readonly property color dropShadowItemTab: "#ffe0e0e0"
    readonly property int dropShadowHOffsetItemTab: 3
    readonly property int dropShadowVOffsetItemTab: 5
    readonly property color menuItemTabBg: "#ffffff"
    readonly property color menuItemTabSelBg: "#ffffff"
    readonly property color selectedMenuItemTab: "#5893DE"
    readonly property color titleRedColor: "#5893DE"
    // A text on a titleRedColor fill.
    readonly property color textOnTitleRedColor: "#131C25"
    readonly property color subtitleColor: "#131C25"
    readonly property color buttonTextColor: "#818181"
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
    readonly property color tabsColorText: "#384B58"
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
    readonly property color connectADeviceRectBackgroud: "#384B58"
    readonly property color connectADeviceRectBackgroudSelected: "#A8D2FF"
    readonly property Gradient connectAScreenBackGradient: Gradient {
        GradientStop {
            position: 0
            color: "#131C25"
        }
        GradientStop {
            position: 1
            color: "#131C25"
        }
    }
    readonly property color subtitleColorConnectAScreen: "#B2131C25"
    readonly property color toggleUnSelectedColor: "#D3D7DC"
    readonly property color toggleSelectedColor: "#5893DE"
    readonly property color feedbackLinkNormalColor: "#5893DE"
    readonly property color feedbackLinkHoverColor: "#131C25"
    readonly property string feedbackIconNormal: "qrc:/Ui/Assets/Images/survey_blue.png"
    readonly property string feedbackIconHover: "qrc:/Ui/Assets/Images/survey_black.png"
    readonly property string profileIcon: "qrc:/Ui/Assets/Images/profile.png"
    readonly property string leftArrowIcon: "qrc:/Ui/Assets/Images/sageata_stanga.png"
    readonly property color pelvanePurpleColor: "#8016DD"
    readonly property color pelvaneProfileTitleColor: "#8016DD"
    readonly property color pelvaneSubMenuColor: "#384B58"
    readonly property color pelvaneKeybindItemBackground: "#ffffff"
}
