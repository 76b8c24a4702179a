import QtQuick
import PelvaneApp 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// A text to type, at most 100 characters in both editors; each editor names its field.
EditorPane {
    readonly property alias field: field

    PaneText {
        isTitle: true
        text: Strings.typeTextTitleText
    }
    PaneText {
        text: Strings.addTypeTextLabel
    }
    PelvaneInputField {
        id: field
        width: parent.width
        height: 24
        placeHolderText: Strings.noneText
        maxSize: 100
    }
}
