import QtQuick

// What the window shows once a controller or a configuration takes over from the connect
// screen: the product bar, the tab bar and the tab area, left to right. Built then, it
// catches up with the selection that the controller reported before it stood, and follows
// the controller's selection from then on.
Item {
    readonly property QtObject appController: mainWindow.appController
    readonly property alias productsBar: productsBar
    readonly property alias tabsBar: tabsBar
    readonly property alias tabArea: tabArea

    Component.onCompleted: {
        tabsBar.showSelectedTab()
        productsBar.scrollToSelection()
    }

    Connections {
        target: appController
        function onScrollToSelectedDeviceModel() {
            if (appController.selectedDeviceController)
                productsBar.scrollToSelection()
        }
        function onSelectedTabUpdated() {
            tabsBar.showSelectedTab()
        }
        function onSelectedProductUpdated() {
            tabsBar.showSelectedTab()
            if (mainWindow.isProfileMenuOn)
                tabsBar.collapseProfileRow()
        }
    }

    // A closed profile menu has no row expanded when it opens again.
    Connections {
        target: mainWindow
        function onIsProfileMenuOnChanged() {
            if (!mainWindow.isProfileMenuOn)
                tabsBar.collapseProfileRow()
        }
    }

    ProductsBar {
        id: productsBar
        width: parent.width * 0.083
        height: parent.height
    }

    TabsBar {
        id: tabsBar
        anchors.left: productsBar.right
        width: parent.width * 0.175
        height: parent.height
    }

    TabArea {
        id: tabArea
        anchors.left: tabsBar.right
        anchors.right: parent.right
        height: parent.height
        currentTab: tabsBar.currentTab
    }
}
