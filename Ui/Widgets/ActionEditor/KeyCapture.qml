import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/BaseWidgets"

// The key of a keystroke: captured from the keyboard, or chosen from the key list. A
// modifier key flips its toggle in modifiers instead of being captured.
Row {
    id: capture

    property alias currentKey: field.currentKey
    property Item modifiers: null
    // Names the keys that the key lists do not.
    readonly property QtObject keyNames: typeof appController !== "undefined" ? appController : null

    spacing: parent ? parent.width * 0.02 : 0

    PelvaneInputFieldKeyInput {
        id: field
        objectName: "keyField"
        width: capture.width * 0.69
        height: 24
        placeHolderText: Strings.notAssignedLabel
        helpText: Strings.pressAnyKeyLabel
        appController: capture.keyNames
        onShiftPressed: capture.modifiers.flip(ButtonController.ModifierType_Shift)
        onSpecialPressed: capture.modifiers.flip(ButtonController.ModifierType_Special)
        onCtrlPressed: capture.modifiers.flip(ButtonController.ModifierType_Control)
        onAltPressed: capture.modifiers.flip(ButtonController.ModifierType_Alt)
    }

    PelvaneActionButton {
        id: listButton
        objectName: "keyListButton"
        width: capture.width * 0.29
        height: 24
        text: Strings.keyListLabel
        forcePressed: keyMenu.visible
        onClicked: keyMenu.popup(listButton, 0, listButton.height)
    }

    PelvaneActionMenu {
        id: keyMenu

        function choose(category, index) {
            field.currentKey = Strings.keyQtKeyFromSelectedOption(category, index)
            keyMenu.close()
        }

        PelvaneActionMenu {
            title: Strings.functionKeysLabel
            model: Strings.generateFunctionButtons()
            onFinishSelection: keyMenu.choose(4, currentIndex)
        }
        PelvaneActionMenu {
            title: Strings.motionAndEditingKeysLabel
            model: Strings.motionAndEditingKeysOptionsLabels
            onFinishSelection: keyMenu.choose(0, currentIndex)
        }
        PelvaneActionMenu {
            title: Strings.numericPadKeysLabel
            model: Strings.generateNumlockButtons()
            onFinishSelection: keyMenu.choose(5, currentIndex)
        }
        PelvaneActionMenu {
            title: Strings.multimediaKeysLabel
            PelvaneActionMenu {
                title: Strings.internetBrowserLabel
                model: Strings.internetBrowserOptionsLabels
                onFinishSelection: keyMenu.choose(1, currentIndex)
            }
            PelvaneActionMenu {
                title: Strings.mediaPlayerLabel
                model: Strings.mediaPlayerOptionsLabels
                onFinishSelection: keyMenu.choose(2, currentIndex)
            }
            PelvaneActionMenuItem {
                text: Strings.mailApplicationLabel
                onTriggered: keyMenu.choose(6, 0)
            }
        }
        PelvaneActionMenu {
            title: Strings.specialKeysLabel
            model: Strings.specialKeysOptionsLabels
            onFinishSelection: keyMenu.choose(3, currentIndex)
        }
    }
}
