import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// The four tabs and, over them while it is open, the profile menu. Leaving the Application
// specific tab keeps its program context for the return; every other tab runs without one.
Item {
    id: bar

    readonly property QtObject appController: mainWindow.appController
    readonly property alias currentTab: tabList.currentIndex
    property int previousTab: 1
    property string rememberedContext: ""
    readonly property int appSpecificTab: 1

    function showSelectedTab() {
        if (appController && appController.selectedTab >= 0)
            tabList.currentIndex = appController.selectedTab
    }

    function collapseProfileRow() {
        profileMenu.collapse()
    }

    function tabChanged(tab) {
        if (!appController || tab < 0)
            return
        if (tab !== appSpecificTab) {
            if (previousTab === appSpecificTab)
                rememberedContext = appController.selectedAppContext
            appController.selectedAppContext = ""
        } else {
            appController.selectedAppContext = rememberedContext
        }
        appController.selectedTab = tab
        previousTab = tab
    }

    objectName: "whiteBarTabs"

    Rectangle {
        anchors.fill: parent
        color: "white"
    }

    GradientCanvas {
        anchors.fill: parent
        start: Qt.point(0.65 * width, 0)
        end: Qt.point(0.35 * width, height)
        gradient: PelvaneThemesManager.tabBarsBackground
    }

    ListView {
        id: tabList
        anchors.fill: parent
        anchors.topMargin: 100
        anchors.bottomMargin: 100
        spacing: 5
        currentIndex: -1
        interactive: false
        model: Strings.menuTabsText
        onCurrentIndexChanged: bar.tabChanged(currentIndex)
        Accessible.role: Accessible.PageTabList

        delegate: Item {
            id: tab

            required property int index
            required property string modelData
            readonly property bool current: ListView.isCurrentItem

            objectName: "tab" + index
            width: tabList.width
            height: 60
            z: current ? 9999 : 0
            Accessible.role: Accessible.PageTab
            Accessible.name: modelData
            Accessible.selectable: true
            Accessible.selected: current
            Accessible.onPressAction: tabList.currentIndex = tab.index

            PelvaneShadow {
                anchors.fill: tabBackground
                source: tabBackground
                visible: tab.current
                horizontalOffset: PelvaneThemesManager.dropShadowHOffsetItemTab
                verticalOffset: PelvaneThemesManager.dropShadowVOffsetItemTab
                radius: 10
                samples: 17
                color: PelvaneThemesManager.dropShadowItemTab
            }

            Rectangle {
                id: tabBackground
                anchors.fill: parent
                color: tab.current ? PelvaneThemesManager.menuItemTabSelBg : PelvaneThemesManager.menuItemTabBg
            }

            Rectangle {
                visible: tab.current
                width: 5
                height: parent.height
                color: PelvaneThemesManager.selectedMenuItemTab
            }

            Text {
                anchors.left: parent.left
                anchors.leftMargin: 25
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                text: tab.modelData
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 8
                font.pixelSize: mainWindow.calculateFontPixelSize(18)
                font.family: PelvaneThemesManager.defaultNormalFontFamily
                color: tab.current ? PelvaneThemesManager.tabsSelectedColorText : PelvaneThemesManager.tabsColorText
            }

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: tabList.currentIndex = tab.index
            }
        }
    }

    Rectangle {
        anchors.fill: parent
        visible: mainWindow.isProfileMenuOn
        color: PelvaneThemesManager.secondaryBackgroundColor
        opacity: 0.8

        MouseArea {
            anchors.fill: parent
        }
    }

    ProfileMenu {
        id: profileMenu
        y: parent.height * 0.25
        width: parent.width
        height: parent.height - y
        visible: mainWindow.isProfileMenuOn
    }

    Item {
        id: profileButton
        x: 20
        y: 35
        width: parent.width / 2
        height: width * 0.15 + 10
        Accessible.role: Accessible.Button
        Accessible.name: profileLabel.text
        Accessible.onPressAction: mainWindow.isProfileMenuOn ? mainWindow.hideProfileMenu() : mainWindow.openProfileMenu()

        Image {
            id: profileIcon
            anchors.verticalCenter: parent.verticalCenter
            height: Math.min(parent.height, 20)
            width: height
            fillMode: Image.PreserveAspectFit
            source: mainWindow.isProfileMenuOn ? PelvaneThemesManager.leftArrowIcon : PelvaneThemesManager.profileIcon
            Accessible.ignored: true
        }

        Text {
            id: profileLabel
            anchors.left: profileIcon.right
            anchors.leftMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            text: mainWindow.isProfileMenuOn ? Strings.goBackToHome : Strings.profilesBtnLabel
            font.pixelSize: mainWindow.calculateFontPixelSize(14)
            font.family: PelvaneThemesManager.defaultMediumFontFamily
            font.weight: PelvaneThemesManager.defaultMediumFontWeight
            color: mainWindow.isProfileMenuOn ? PelvaneThemesManager.pelvanePurpleColor : PelvaneThemesManager.pelvaneProfileTitleColor
        }

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: mainWindow.isProfileMenuOn ? mainWindow.hideProfileMenu() : mainWindow.openProfileMenu()
        }
    }
}
