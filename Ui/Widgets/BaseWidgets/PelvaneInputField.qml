import QtQuick
import PelvaneApp 1.0

// A one-line text box with a placeholder shown while it is empty and unfocused.
Rectangle {
    id: field

    property string placeHolderText: ""
    property alias inputText: input.text
    property int maxSize: 32767
    property color textColor: PelvaneThemesManager.buttonTextColor
    property color placeHolderColor: PelvaneThemesManager.pelvaneG3Color
    property color borderColor: PelvaneThemesManager.checkBoxBorderColor
    property color disabledColor: PelvaneThemesManager.pelvaneG4Color
    readonly property alias inputItem: input

    signal returnPressed

    implicitWidth: 200
    implicitHeight: 30
    radius: 7
    color: enabled ? "white" : disabledColor
    border.width: enabled ? 1 : 0
    border.color: borderColor
    clip: true

    TextInput {
        id: input
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        verticalAlignment: TextInput.AlignVCenter
        maximumLength: field.maxSize
        enabled: field.enabled
        color: field.textColor
        font.family: PelvaneThemesManager.defaultNormalFontFamily
        selectByMouse: true
        onAccepted: field.returnPressed()
        // For assistive technology the field reads what it shows: its text, else the
        // placeholder.
        Accessible.role: Accessible.EditableText
        Accessible.name: text !== "" ? text : field.placeHolderText
    }

    Text {
        anchors.fill: input
        verticalAlignment: Text.AlignVCenter
        visible: input.text.length === 0 && !input.activeFocus
        text: field.placeHolderText
        color: field.placeHolderColor
        elide: Text.ElideRight
        font: input.font
    }
}
