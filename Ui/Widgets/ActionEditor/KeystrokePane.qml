import QtQuick
import PelvaneApp 1.0

// A keystroke: its modifiers and its key.
EditorPane {
    readonly property alias modifiers: toggles
    readonly property alias keyCapture: capture

    PaneText {
        isTitle: true
        text: Strings.typeKeyTitleText
    }
    PaneText {
        text: Strings.selectModifText
    }
    PaneText {
        isDescription: true
        text: Strings.selectModifDescText
    }
    ModifierToggles {
        id: toggles
        width: parent.width
    }
    PaneText {
        text: Strings.addKeyText
    }
    PaneText {
        isDescription: true
        text: Strings.addKeyDescText
    }
    KeyCapture {
        id: capture
        width: parent.width
        modifiers: toggles
    }
}
