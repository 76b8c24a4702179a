import QtQuick

// What the window shows once a controller or a configuration takes over from the connect
// screen: the product bar, the tab bar and the tab area, left to right. Built then, it
// catches up with the selection that the controller reported before it stood.
Item {
    readonly property alias productsBar: productsBar
    readonly property alias tabsBar: tabsBar
    readonly property alias tabArea: tabArea

    Component.onCompleted: {
        tabsBar.showSelectedTab()
        productsBar.scrollToSelection()
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
