import QtQuick
import PelvaneApp 1.0

// A question that takes a line of text: every button gets the typed text.
AlertBoxBase {
    id: box

    property string msgDescriptionText: ""
    property string msgInputText: ""

    contentWidth: Math.min(Math.max(titleWidth, row.implicitWidth, 200), width - 2 * radius)
    contentHeight: Math.min(crossHeight + titleItem.height + 20 + frame.height + 20 + row.height + 20 + 10, height - 2 * radius)

    Rectangle {
        id: frame
        y: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: box.contentWidth * 0.5
        height: 30
        radius: 10
        border.width: 1
        border.color: "black"

        TextInput {
            id: input
            anchors.fill: parent
            anchors.leftMargin: 10
            anchors.rightMargin: 10
            verticalAlignment: TextInput.AlignVCenter
            clip: true
            focus: true
            text: box.msgInputText
            font.family: PelvaneThemesManager.defaultNormalFontFamily
            color: PelvaneThemesManager.buttonTextColor
            onTextEdited: box.msgInputText = text
        }
    }

    AlertButtons {
        id: row
        anchors.top: frame.bottom
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        buttons: box.buttons
        onPress: function (record) {
            box.pressButton(record, box.msgInputText)
        }
    }
}
