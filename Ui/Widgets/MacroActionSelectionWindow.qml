import QtQuick
import PelvaneApp 1.0
import WhirlenUI 1.0
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
        mouseSystem.chooser.clear()
        typeText.field.inputText = ""
        program.path = ""
        program.arguments = ""
        var step = macroActionController
        if (!step)
            return
        keystroke.modifiers.setFrom(step.getModifierStatus)
        pressModifiers.modifiers.setFrom(step.getModifierStatus)
        keystroke.keyCapture.currentKey = step.editPressKey
        mouseSystem.chooser.showAction(step.realActionType)
    }

    // Writes the pane of row into the step; false when there is nothing to store.
    function writePane(row) {
        var step = macroActionController
        switch (row) {
        case MacroGroupActionController.MacroAction_TypeKeystroke:
            keystroke.modifiers.writeTo(step)
            step.editPressKey = keystroke.keyCapture.currentKey
            return true
        case MacroGroupActionController.MacroAction_PressModifier:
            pressModifiers.modifiers.writeTo(step)
            return true
        case MacroGroupActionController.MacroAction_TypeText:
            step.setEditCommandAndCommandArgs(typeText.field.inputText, "")
            return true
        case MacroGroupActionController.MacroAction_OpenFile:
            step.setEditCommandAndCommandArgs(program.path, program.arguments)
            return true
        case MacroGroupActionController.MacroAction_MouseAndSystemControls:
            if (mouseSystem.chooser.chosenAction !== 0)
                step.realActionType = mouseSystem.chooser.chosenAction
            return true
        }
        return false
    }

    function applyAllChanges() {
        if (!macroActionController || !macroGroupController)
            return cancelEdit()
        var row = currentRow
        macroActionController.editActionType = row
        if (writePane(row))
            macroGroupController.applyEditSettings()
        cancelEdit()
    }

    // The step or its group went away (also with the button editor): nothing is left to store.
    function closeWhenOrphaned() {
        if ((!macroActionController || !macroGroupController) && visible)
            mainWindow.hideMacroActionWindow()
    }
    onMacroActionControllerChanged: closeWhenOrphaned()
    onMacroGroupControllerChanged: closeWhenOrphaned()

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
        onEscapeReleased: editor.cancelEdit()

        KeystrokePane {
            id: keystroke
            objectName: "stepKeystrokePane"
            rows: [MacroGroupActionController.MacroAction_TypeKeystroke]
            currentRow: editor.currentRow
        }

        ModifiersPane {
            id: pressModifiers
            objectName: "stepModifiersPane"
            rows: [MacroGroupActionController.MacroAction_PressModifier]
            currentRow: editor.currentRow
        }

        TypeTextPane {
            id: typeText
            objectName: "stepTextPane"
            rows: [MacroGroupActionController.MacroAction_TypeText]
            currentRow: editor.currentRow
            field.objectName: "stepTextField"
        }

        ProgramPane {
            id: program
            objectName: "stepProgramPane"
            rows: [MacroGroupActionController.MacroAction_OpenFile]
            currentRow: editor.currentRow
        }

        MouseSystemPane {
            id: mouseSystem
            objectName: "stepMousePane"
            rows: [MacroGroupActionController.MacroAction_MouseAndSystemControls]
            currentRow: editor.currentRow
        }
    }
}
