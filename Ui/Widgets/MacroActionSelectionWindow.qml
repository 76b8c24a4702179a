import QtQuick
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/BaseWidgets"
import "qrc:/Ui/Widgets/ActionEditor"

// Edits a new step of a macro group: the same panes as the button editor for the five
// step kinds, without comment, repetition or checks; Apply stores the step in its group.
FocusScope {
    id: editor

    property QtObject macroActionController: null
    property QtObject macroGroupController: null
    readonly property int currentRow: macroActionController ? macroActionController.editActionType : 0

    function cancelEdit() {
        mainWindow.hideMacroActionWindow()
        reinitWindow()
    }

    // Shows the step; the text, path and argument fields start empty for every new step.
    function reinitWindow() {
        mouseSystem.clear()
        textField.inputText = ""
        program.path = ""
        program.arguments = ""
        var step = macroActionController
        if (!step)
            return
        keystrokeModifiers.setFrom(step.getModifierStatus)
        pressModifiers.setFrom(step.getModifierStatus)
        keyCapture.currentKey = step.editPressKey
        mouseSystem.showAction(step.realActionType)
    }

    // Writes the pane of row into the step; false when there is nothing to store.
    function writePane(row) {
        var step = macroActionController
        var writeModifier = function (modifier, on) {
            step.setEditModifierStatus(modifier, on)
        }
        switch (row) {
        case MacroGroupActionController.MacroAction_TypeKeystroke:
            keystrokeModifiers.writeTo(writeModifier)
            step.editPressKey = keyCapture.currentKey
            return true
        case MacroGroupActionController.MacroAction_PressModifier:
            pressModifiers.writeTo(writeModifier)
            return true
        case MacroGroupActionController.MacroAction_TypeText:
            step.setEditCommandAndCommandArgs(textField.inputText, "")
            return true
        case MacroGroupActionController.MacroAction_OpenFile:
            step.setEditCommandAndCommandArgs(program.path, program.arguments)
            return true
        case MacroGroupActionController.MacroAction_MouseAndSystemControls:
            if (mouseSystem.chosenAction !== 0)
                step.realActionType = mouseSystem.chosenAction
            return true
        }
        return false
    }

    function applyAllChanges() {
        var row = currentRow
        macroActionController.editActionType = row
        if (writePane(row))
            macroGroupController.applyEditSettings()
        cancelEdit()
    }

    // The step or its group went away: nothing is left to store.
    onMacroActionControllerChanged: {
        if ((!macroActionController || !macroGroupController) && visible)
            mainWindow.hideMacroActionWindow()
    }
    onVisibleChanged: {
        escapePressed = false
        if (visible)
            frame.actionList.forceActiveFocus()
    }
    // Escape closes the editor once released in it: the release that closed the step
    // editor above reaches this one after its press went to the other.
    property bool escapePressed: false
    Keys.onPressed: function (event) {
        if (event.key === Qt.Key_Escape)
            escapePressed = true
    }
    Keys.onReleased: function (event) {
        if (event.key === Qt.Key_Escape && visible && escapePressed) {
            event.accepted = true
            escapePressed = false
            cancelEdit()
        }
    }

    EditorFrame {
        id: frame
        rows: Strings.mainMacroActionsText
        currentRow: editor.currentRow
        onRowChosen: row => {
                         if (editor.macroActionController)
                             editor.macroActionController.editActionType = row
                     }
        onApplyClicked: editor.applyAllChanges()
        onDiscardClicked: mainWindow.hideMacroActionWindow()
        onCloseClicked: mainWindow.hideMacroActionWindow()

        StepPane {
            objectName: "stepKeystrokePane"
            row: MacroGroupActionController.MacroAction_TypeKeystroke
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
                id: keystrokeModifiers
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
                id: keyCapture
                width: parent.width
                modifiers: keystrokeModifiers
            }
        }

        StepPane {
            objectName: "stepModifiersPane"
            row: MacroGroupActionController.MacroAction_PressModifier
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
                id: pressModifiers
                width: parent.width
            }
        }

        StepPane {
            objectName: "stepTextPane"
            row: MacroGroupActionController.MacroAction_TypeText
            PaneText {
                isTitle: true
                text: Strings.typeTextTitleText
            }
            PaneText {
                text: Strings.addTypeTextLabel
            }
            PelvaneInputField {
                id: textField
                objectName: "stepTextField"
                width: parent.width
                height: 24
                placeHolderText: Strings.noneText
            }
        }

        StepPane {
            objectName: "stepProgramPane"
            row: MacroGroupActionController.MacroAction_OpenFile
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
                id: program
            }
        }

        StepPane {
            objectName: "stepMousePane"
            row: MacroGroupActionController.MacroAction_MouseAndSystemControls
            PaneText {
                isTitle: true
                text: Strings.mouseAndSystemTitleText
            }
            PaneText {
                isDescription: true
                text: Strings.mouseAndSystemDescText
            }
            MouseSystemChooser {
                id: mouseSystem
                width: parent.width
            }
        }
    }

    component StepPane: Column {
        property int row: 0
        width: parent ? parent.width : 0
        spacing: 8
        visible: editor.currentRow === row
    }
}
