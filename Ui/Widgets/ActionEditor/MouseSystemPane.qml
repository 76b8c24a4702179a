import QtQuick
import PelvaneApp 1.0

// A mouse or system action.
EditorPane {
    readonly property alias chooser: chooser

    PaneText {
        isTitle: true
        text: Strings.mouseAndSystemTitleText
    }
    PaneText {
        isDescription: true
        text: Strings.mouseAndSystemDescText
    }
    MouseSystemChooser {
        id: chooser
        width: parent.width
    }
}
