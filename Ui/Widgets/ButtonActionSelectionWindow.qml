import QtQuick
import QtQuick.Controls
import PelvaneApp 1.0
import WhirlenUI 1.0
import "qrc:/Ui/Widgets/BaseWidgets"
import "qrc:/Ui/Widgets/ActionEditor"

// Edits what one control of the selected profile does: the kind of action on the left, its
// settings on the right. Apply checks the pane, writes it into the button's edit copy and
// stores it for the program context in use; a refusal leaves the editor open.
FocusScope {
    id: editor

    property QtObject buttonController: null
    readonly property QtObject _deviceController: appController.selectedDeviceController
    // The profile whose control is open, and the one the window shows: the controls of
    // another profile are not on screen, so a switch closes the editor.
    property QtObject editedProfile: null
    readonly property QtObject shownProfile: _deviceController ? _deviceController.selectedProfileController : null
    readonly property var availableProfiles: _deviceController ? _deviceController.availableProfiles : []
    readonly property var availableProfilesNames: _deviceController ? _deviceController.profilesNamesWithoutSelected : []
    property bool isSaveScreen: false
    // True while the panes are read from the edit copy: what they show then is no user's choice.
    property bool reading: false
    // The edit copy's kind.
    readonly property int currentRow: buttonController ? buttonController.editActionType : 0
    readonly property int unsetActionType: 29

    function reactivate() {
        frame.actionList.forceActiveFocus()
    }

    function cancelEdit() {
        mainWindow.hideButtonsActionsWindow()
        reinitWindow()
    }

    // Reads every pane from the button's edit copy.
    function reinitWindow() {
        reading = true
        readPanes()
        reading = false
    }

    function readPanes() {
        mouseSystem.chooser.clear()
        typeText.field.inputText = ""
        program.path = ""
        program.arguments = ""
        profilePicker.currentIndex = -1
        if (!buttonController)
            return
        var button = buttonController
        keystroke.modifiers.setFrom(button.getEditModifierStatus)
        pressModifiers.modifiers.setFrom(button.getEditModifierStatus)
        keystrokeRepetition.showPreset(button.getEditRepeatType())
        mouseRepetition.showPreset(button.getEditRepeatType())
        keystroke.keyCapture.currentKey = button.editPressKey
        comments().forEach(function (field) {
            field.text = button.editComment
        })
        switch (button.editActionType) {
        case ButtonController.Action_MouseAndSystemControls:
            mouseSystem.chooser.showAction(button.realEditActionType !== unsetActionType ? button.realEditActionType : button.realActionType)
            break
        case ButtonController.Action_OpenFile:
            program.path = button.getEditCommandName()
            program.arguments = button.getEditCommandArgs()
            break
        case ButtonController.Action_TypeText:
            typeText.field.inputText = button.getEditTypeText()
            break
        case ButtonController.Action_RunMacro:
            appController.listMacroNameIndex = Math.max(appController.listMacroNames.indexOf(button.getEditMacroToRun()), 0)
            break
        case ButtonController.Action_SwitchToProfile:
            showSwitchTarget()
            break
        }
    }

    // Selects the profile the binding switches to; a profile that is gone clears the binding.
    function showSwitchTarget() {
        var key = buttonController.editSwitchToProfileKey
        for (var i = 0; i < availableProfiles.length; ++i) {
            var profile = availableProfiles[i]
            var index = availableProfilesNames.indexOf(profile.name)
            if (profile.profileKey === key && index >= 0) {
                profilePicker.currentIndex = index
                return
            }
        }
        buttonController.editSwitchToProfileKey = ""
        profilePicker.currentIndex = -1
    }

    function profileKeyNamed(name) {
        for (var i = 0; i < availableProfiles.length; ++i) {
            if (availableProfiles[i].name === name)
                return availableProfiles[i].profileKey
        }
        return ""
    }

    function comments() {
        return [simpleComment, keystrokeComment, modifiersComment, programComment, macroComment, mouseComment, textComment, switchComment]
    }

    function commentOfRow(row) {
        var byRow = {}
        byRow[ButtonController.Action_TypeKeystroke] = keystrokeComment
        byRow[ButtonController.Action_PressModifier] = modifiersComment
        byRow[ButtonController.Action_OpenFile] = programComment
        byRow[ButtonController.Action_RunMacro] = macroComment
        byRow[ButtonController.Action_MouseAndSystemControls] = mouseComment
        byRow[ButtonController.Action_TypeText] = textComment
        byRow[ButtonController.Action_SwitchToProfile] = switchComment
        return byRow[row] ?? simpleComment
    }

    // Writes the pane of row into the edit copy; returns the reason of a refusal, "" when it
    // is accepted, or null when there is nothing to store.
    function writePane(row) {
        var button = buttonController
        switch (row) {
        case ButtonController.Action_Disabled:
        case ButtonController.Action_UseDefaultSetting:
        case ButtonController.Action_SameAsLowerValue:
            return ""
        case ButtonController.Action_TypeKeystroke:
            keystroke.modifiers.writeTo(button)
            button.editPressKey = keystroke.keyCapture.currentKey
            button.setRepeatType(keystrokeRepetition.preset)
            return button.editPressKey !== 0 ? "" : Strings.fieldIsEmptyText
        case ButtonController.Action_PressModifier:
            pressModifiers.modifiers.writeTo(button)
            return pressModifiers.modifiers.anyOn() ? "" : Strings.noActionChosenText
        case ButtonController.Action_OpenFile:
            button.setEditCommandAndCommandArgs(program.path, program.arguments)
            return program.path !== "" ? "" : Strings.fieldIsEmptyText
        case ButtonController.Action_TypeText:
            button.setEditCommandAndCommandArgs(typeText.field.inputText, "")
            return typeText.field.inputText !== "" ? "" : Strings.fieldIsEmptyText
        case ButtonController.Action_RunMacro:
            if (!macroPane.currentMacro)
                return null
            button.setMacroToRun(macroPane.currentMacro.name)
            // A fixed text: the macro list never offers an empty name.
            return macroPane.currentMacro.name !== "" ? "" : "Please select a macro"
        case ButtonController.Action_SwitchToProfile:
            return button.editSwitchToProfileKey !== "" ? "" : Strings.fieldIsEmptyText
        case ButtonController.Action_MouseAndSystemControls:
            button.setRepeatType(mouseRepetition.preset)
            if (mouseSystem.chooser.chosenAction === 0)
                return Strings.noActionChosenText
            button.realEditActionType = mouseSystem.chooser.chosenAction
            return ""
        }
        return null
    }

    function applyAllChanges() {
        var row = currentRow
        buttonController.editActionType = row
        buttonController.editComment = commentOfRow(row).text
        var refusal = writePane(row)
        if (refusal === null)
            return cancelEdit()
        if (refusal !== "")
            return refuse(refusal)
        var refused = buttonController.applyEditSettings(appController.selectedAppContext)
        if (refused !== ButtonController.Refusal_None)
            return refuse(refusalText(refused))
        cancelEdit()
    }

    // The words for a binding that the profile did not take.
    function refusalText(refused) {
        switch (refused) {
        case ButtonController.Refusal_ProfileGone:
            return Strings.bindingProfileGoneText
        case ButtonController.Refusal_DisabledForApplication:
            return Strings.bindingDisabledForApplicationText
        }
        return Strings.bindingAlreadyExistsText
    }

    function refuse(reason) {
        Alerts.notice(reason, Strings.confirmationButtonText, 9999)
    }

    // The control went away (its profile was rebuilt or deleted): nothing is left to apply.
    onButtonControllerChanged: {
        editedProfile = buttonController ? shownProfile : null
        if (!buttonController && visible)
            mainWindow.hideButtonsActionsWindow()
    }
    // Another profile in use (picked in the window or switched to by the controller) leaves
    // the open edit unapplied rather than write it into a profile no longer shown.
    onShownProfileChanged: {
        if (visible && buttonController && shownProfile !== editedProfile)
            mainWindow.hideButtonsActionsWindow()
    }

    Connections {
        target: editor.buttonController
        function onReinitWindow() {
            editor.reinitWindow()
        }
    }

    EditorFrame {
        id: frame
        rows: Strings.mainActionsText
        currentRow: editor.currentRow
        showReset: true
        rowEnabled: function (row) {
            return !(row === ButtonController.Action_UseDefaultSetting && appController.selectedTab === 0)
        }
        onRowChosen: row => {
                         if (editor.buttonController)
                             editor.buttonController.editActionType = row
                     }
        onApplyClicked: editor.applyAllChanges()
        onDiscardClicked: mainWindow.hideButtonsActionsWindow()
        onCloseClicked: mainWindow.hideButtonsActionsWindow()
        onEscapeReleased: editor.cancelEdit()
        onResetClicked: {
            if (editor.buttonController)
                editor.buttonController.resetToDefault()
        }

        EditorPane {
            objectName: "simplePane"
            rows: [ButtonController.Action_Disabled, ButtonController.Action_UseDefaultSetting, ButtonController.Action_SameAsLowerValue]
            currentRow: editor.currentRow
            CommentField {
                id: simpleComment
            }
        }

        KeystrokePane {
            id: keystroke
            objectName: "keystrokePane"
            rows: [ButtonController.Action_TypeKeystroke]
            currentRow: editor.currentRow
            PaneText {
                text: Strings.repetitionsText
            }
            RepetitionCombo {
                id: keystrokeRepetition
                objectName: "keystrokeRepetition"
                width: parent.width
            }
            CommentField {
                id: keystrokeComment
            }
        }

        ModifiersPane {
            id: pressModifiers
            objectName: "modifiersPane"
            rows: [ButtonController.Action_PressModifier]
            currentRow: editor.currentRow
            CommentField {
                id: modifiersComment
            }
        }

        ProgramPane {
            id: program
            objectName: "programPane"
            rows: [ButtonController.Action_OpenFile]
            currentRow: editor.currentRow
            CommentField {
                id: programComment
            }
        }

        EditorPane {
            objectName: "macroPane"
            rows: [ButtonController.Action_RunMacro]
            currentRow: editor.currentRow
            MacroPane {
                id: macroPane
                width: parent.width
                shown: parent.visible && editor.visible
            }
            CommentField {
                id: macroComment
            }
        }

        MouseSystemPane {
            id: mouseSystem
            objectName: "mousePane"
            rows: [ButtonController.Action_MouseAndSystemControls]
            currentRow: editor.currentRow
            PaneText {
                text: Strings.repetitionsText
            }
            RepetitionCombo {
                id: mouseRepetition
                objectName: "mouseRepetition"
                width: parent.width
            }
            CommentField {
                id: mouseComment
            }
        }

        TypeTextPane {
            id: typeText
            objectName: "textPane"
            rows: [ButtonController.Action_TypeText]
            currentRow: editor.currentRow
            field.objectName: "typeTextField"
            CommentField {
                id: textComment
            }
        }

        EditorPane {
            objectName: "switchPane"
            rows: [ButtonController.Action_SwitchToProfile]
            currentRow: editor.currentRow
            PaneText {
                isTitle: true
                text: Strings.switchToProfileTitleText
            }
            PaneText {
                text: Strings.addSwitchToProfileLabel
            }
            PelvaneComboBox {
                id: profilePicker
                objectName: "profilePicker"
                width: parent.width
                height: 30
                model: editor.availableProfilesNames
                maxPopupHeight: frame.height / 2
                backgroundColor: PelvaneThemesManager.dropDownBackColorAlt
                scrollBarAlwaysVisible: true
                onCurrentIndexChanged: {
                    if (editor.buttonController && !editor.reading && editor.currentRow === ButtonController.Action_SwitchToProfile)
                        editor.buttonController.editSwitchToProfileKey = currentIndex < 0 ? "" : editor.profileKeyNamed(textAt(currentIndex))
                }
            }
            CommentField {
                id: switchComment
            }
        }
    }

    // Asks whether to keep unsaved changes; nothing opens it yet, Discard closes it.
    Rectangle {
        objectName: "saveScreen"
        anchors.centerIn: parent
        width: 360
        height: 160
        radius: 20
        visible: editor.isSaveScreen
        color: PelvaneThemesManager.buttonsWindowActionsSelection
        border.color: PelvaneThemesManager.btnDropShadowColor
        Column {
            anchors.centerIn: parent
            spacing: 10
            PaneText {
                width: 300
                isTitle: true
                text: Strings.saveLatestChangesText
            }
            PaneText {
                width: 300
                text: Strings.wouldYouLikeToText
            }
            Row {
                spacing: 10
                PelvaneButton {
                    btnText: Strings.saveText
                }
                PelvaneButton {
                    btnText: Strings.discardText
                    onPressed: editor.isSaveScreen = false
                }
                PelvaneButton {
                    btnText: Strings.goBackText
                }
            }
        }
    }
}
