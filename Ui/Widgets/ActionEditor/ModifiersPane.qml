import QtQuick
import PelvaneApp 1.0

// Modifier keys held down.
EditorPane {
    readonly property alias modifiers: toggles

    PaneText {
        isTitle: true
        text: Strings.pressModifKeysTitleText
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
        objectName: "pressModifiers"
        width: parent.width
    }
}
