import QtQuick
import QtQuick.Controls.Basic
import PelvaneApp 1.0

// A menu of texts; a click on one reports finishSelection() with currentIndex at it.
// Sub-menus nest as Menu children.
Menu {
    id: menu

    property var model: []
    property int contentItemHeight: 20

    signal finishSelection

    implicitWidth: 200

    Instantiator {
        model: menu.model
        delegate: PelvaneActionMenuItem {
            required property int index
            required property string modelData
            text: modelData
            // An entry of a list that a new language replaced outlives its menu briefly.
            menuItemHeight: menu ? menu.contentItemHeight : 20
            onTriggered: {
                menu.currentIndex = index
                menu.finishSelection()
            }
        }
        onObjectAdded: function (index, object) {
            menu.insertItem(index, object)
        }
        onObjectRemoved: function (index, object) {
            menu.removeItem(object)
        }
    }

    background: Rectangle {
        implicitWidth: 200
        radius: 7
        color: "white"
        border.width: 1
        border.color: PelvaneThemesManager.actionButtonsBorder
    }
}
