import QtQuick

// A row of a list that can be dragged up or down to a new place. Every row offers the
// place after it (a drop line along its lower edge), the first row also the place before
// it; a drop asks the owner to move the row, a click without a drag reports the click.
Item {
    id: row

    default property Item contentItem
    property Item draggedItemParent: parent
    property bool dragEnabled: true
    property color colorLineDrop: "#000000"
    readonly property bool hoverStatus: mouseArea.containsMouse
    readonly property bool dragActive: carrier.Drag.active
    required property int index
    readonly property real rowHeight: contentItem ? contentItem.height : 0

    signal clickItem
    signal moveItemRequested(int from, int to)

    // The place a drop on target asks for; -1 when the row stays where it is.
    function targetIndex(target) {
        if (!target)
            return -1
        var to = target.dropIndex > index ? target.dropIndex - 1 : target.dropIndex
        return to === index ? -1 : to
    }

    width: contentItem ? contentItem.width : 0
    height: dragActive ? 0 : rowHeight

    Item {
        id: carrier
        width: row.width
        height: row.rowHeight
        children: row.contentItem ? [row.contentItem] : []
        Drag.active: mouseArea.drag.active
        Drag.hotSpot.x: width / 2
        Drag.hotSpot.y: height / 2

        states: State {
            when: carrier.Drag.active
            ParentChange {
                target: carrier
                parent: row.draggedItemParent
            }
            PropertyChanges {
                target: carrier
                opacity: 0.9
            }
        }
    }

    MouseArea {
        id: mouseArea
        // Beneath the row's content: the content's own controls (an arrow, a combo, rows
        // that drag within it) take their presses first, the rest of the row drags.
        z: -1
        width: row.width
        height: row.rowHeight
        hoverEnabled: true
        drag.target: row.dragEnabled ? carrier : null
        drag.axis: Drag.YAxis
        // The pressed point stays under the pointer from the first move on.
        drag.smoothed: false
        onClicked: row.clickItem()
        onReleased: {
            if (!carrier.Drag.active)
                return
            var to = row.targetIndex(carrier.Drag.target)
            carrier.Drag.drop()
            carrier.x = 0
            carrier.y = 0
            if (to >= 0)
                row.moveItemRequested(row.index, to)
        }
    }

    PelvaneDropAreaItem {
        y: row.rowHeight / 2
        width: row.width
        height: row.rowHeight
        // A row being dragged has collapsed: its places are its neighbours'.
        enabled: !row.dragActive
        dropIndex: row.index + 1
        lineDropColor: row.colorLineDrop
    }

    PelvaneDropAreaItem {
        y: -row.rowHeight / 2
        width: row.width
        height: row.rowHeight
        enabled: row.index === 0 && !row.dragActive
        visible: enabled
        dropIndex: 0
        lineDropColor: row.colorLineDrop
    }
}
