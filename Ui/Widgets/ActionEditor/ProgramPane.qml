import QtQuick
import PelvaneApp 1.0

// A program or file to open, with its arguments.
EditorPane {
    property alias path: picker.path
    property alias arguments: picker.arguments

    PaneText {
        isTitle: true
        text: Strings.openFileOrFolderTitleText
    }
    PaneText {
        text: Strings.selectItemText
    }
    PaneText {
        isDescription: true
        text: Strings.selectItemDescText
    }
    ProgramPicker {
        id: picker
    }
}
