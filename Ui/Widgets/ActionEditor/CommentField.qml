import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// The comment of the binding, the last field of every pane.
Column {
    property alias text: field.inputText

    width: parent ? parent.width : 0
    spacing: 5

    PaneText {
        text: Strings.addCommentText
    }
    PelvaneInputField {
        id: field
        objectName: "commentField"
        width: parent.width
        height: 24
        placeHolderText: Strings.noneText
        maxSize: 100
    }
}
