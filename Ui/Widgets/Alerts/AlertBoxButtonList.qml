import QtQuick

// A choice among buttons standing in one column.
AlertBoxBase {
    id: box

    contentWidth: Math.max(titleWidth, 150, 250)
    contentHeight: Math.min(crossHeight + titleItem.height + 20 + column.height + 20, height - 2 * radius)

    AlertButtons {
        id: column
        y: 20
        anchors.horizontalCenter: parent.horizontalCenter
        vertical: true
        buttonWidth: 150
        buttons: box.buttons
        onPress: function (record) {
            box.pressButton(record)
        }
    }
}
