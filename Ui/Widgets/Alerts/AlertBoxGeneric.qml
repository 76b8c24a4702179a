import QtQuick

// A question or a message with a row of buttons.
AlertBoxBase {
    id: box

    property string msgDescriptionText: ""

    contentWidth: Math.min(Math.max(titleWidth, row.implicitWidth), width - 2 * radius)
    contentHeight: Math.min(crossHeight + titleItem.height + 10 + row.height + 20 + 10, height - 2 * radius)

    AlertButtons {
        id: row
        y: 20
        anchors.horizontalCenter: parent.horizontalCenter
        buttons: box.buttons
        onPress: function (record) {
            box.pressButton(record)
        }
    }
}
