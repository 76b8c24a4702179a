.pragma library

// What a binding or a macro step does, in one line of the window's language. strings is
// the Strings table, action a ButtonController or MacroGroupActionController; mac picks
// the Apple names of the modifiers.

// The modifiers held by the action, Shift first, joined by "+".
function modifierList(strings, action, mac) {
    var labels = mac ? strings.keyModifiersLabelsMacOS : strings.keyModifiersLabels
    var held = []
    for (var i = 0; i < labels.length; ++i) {
        if (action.getModifierStatus(i))
            held.push(labels[i])
    }
    return held.join("+")
}

function withKey(modifiers, keyName) {
    return modifiers + (modifiers === "" ? "" : "+") + keyName
}

function quoted(text) {
    return "\"" + text + "\""
}

// The part of a profile key after its last "#": the profile's name.
function profileName(profileKey) {
    return profileKey.substring(profileKey.lastIndexOf("#") + 1)
}

// A control's binding; mainActions holds the values of ButtonController.MainActionEnum.
function describeBinding(strings, button, mainActions, mac) {
    var d = strings.mainActionDescriptionText
    var repetition = strings.getStrFromRepetition(button.getRepeatType())
    switch (button.mainActionType) {
    case mainActions.Action_PressModifier:
        return d[1] + ": " + modifierList(strings, button, mac)
    case mainActions.Action_TypeKeystroke:
        return repetition + ": " + withKey(modifierList(strings, button, mac),
                                           strings.getKeyStrFromKeyCode(button.getPressKey()))
    case mainActions.Action_OpenFile:
        return d[2] + ": " + button.getCommandName()
    case mainActions.Action_RunMacro:
        return d[3] + ": " + quoted(button.getMacroToRun())
    case mainActions.Action_MouseAndSystemControls:
        return repetition + ": " + d[4] + strings.realActionDescriptionText[button.getActionType()]
    case mainActions.Action_TypeText:
        return d[5] + ": " + quoted(button.getTypeText())
    case mainActions.Action_SwitchToProfile:
        return d[6] + ": " + profileName(button.getSwitchToProfileKey())
    }
    return strings.realActionDescriptionText[button.getActionType()]
}

// A step of a macro group; stepKinds holds MacroGroupActionController.MainMacroActionsEnum.
function describeStep(strings, step, stepKinds, mac) {
    var d = strings.mainActionDescriptionText
    switch (step.editActionType) {
    case stepKinds.MacroAction_PressModifier:
        return d[1] + ": " + modifierList(strings, step, mac)
    case stepKinds.MacroAction_TypeKeystroke:
        return d[1] + ": " + withKey(modifierList(strings, step, mac),
                                     strings.getKeyStrFromKeyCode(step.getPressKey()))
    case stepKinds.MacroAction_OpenFile:
        return d[2] + ": " + step.getCommandName()
    case stepKinds.MacroAction_TypeText:
        return d[5] + ": " + quoted(step.getTypeText())
    }
    return d[4] + strings.realActionDescriptionText[step.realActionType]
}
