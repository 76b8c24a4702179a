#include "ui/app/MacroGroupActionController.h"

#include "shared/prefs/ActionPresets.h"
#include "shared/prefs/PreferencesStore.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/ButtonController.h"
#include "ui/app/IPCManager.h"
#include "ui/app/KeyCodeConversion.h"

namespace {

using Macro = MacroGroupActionController;
using Real = ButtonController::RealActionEnum;

Macro::MainMacroActionsEnum macroActionOf(const ActionPreference& action) {
    switch (action.actionType()) {
        case Real::PressKey:
            return action.isPressModifier() ? Macro::MacroAction_PressModifier
                                            : Macro::MacroAction_TypeKeystroke;
        case Real::TypeText:
            return Macro::MacroAction_TypeText;
        case Real::Command:
            return Macro::MacroAction_OpenFile;
        case Real::LeftClick:
        case Real::RightClick:
        case Real::LeftDoubleClick:
        case Real::LeftTripleClick:
        case Real::ClickLock:
        case Real::MouseAndSystemControls:
            return Macro::MacroAction_MouseAndSystemControls;
        default:
            return action.actionType() >= Real::VolumeUp && action.actionType() <= Real::ScrollRight
                       ? Macro::MacroAction_MouseAndSystemControls
                       : Macro::MacroAction_Count;
    }
}

}  // namespace

int MacroGroupActionController::waitTimeRow(uint32_t preset) {
    if (preset == 0 || preset >= kMacroWaitTimeNone) {
        return 0;
    }
    const auto p = static_cast<int>(preset);
    return p + (p + 2) / 3;
}

uint32_t MacroGroupActionController::waitTimePreset(int row) {
    if (row <= 0) {
        return 0;
    }
    return static_cast<uint32_t>(row - (row - 1) / 4 - 1);
}

MacroGroupActionController::MacroGroupActionController(QObject* parent)
    : MacroGroupActionController(ApplicationManager::instance(), parent) {}

MacroGroupActionController::MacroGroupActionController(ApplicationManager& manager, QObject* parent)
    : QObject(parent), manager_(manager) {}

int MacroGroupActionController::editPressKey() const {
    return action_ ? KeyCodeConversion::uiKeyFromKeyCode(action_->keyCode()) : 0;
}

void MacroGroupActionController::setEditPressKey(int uiKey) {
    const int64_t keyCode = KeyCodeConversion::keyCodeFromUiKey(uiKey);
    if (!action_ || action_->keyCode() == keyCode) {
        return;
    }
    action_->setKeyCode(keyCode);
    emit macroActionChanged();
}

int MacroGroupActionController::editActionType() const {
    return action_ ? macroActionOf(*action_) : MacroAction_Count;
}

void MacroGroupActionController::setEditActionType(int macroAction) {
    static constexpr uint32_t kTypes[] = {Real::PressKey, Real::PressKey, Real::TypeText,
                                          Real::Command, Real::MouseAndSystemControls};
    if (!action_ || macroAction < 0 || macroAction >= MacroAction_Count) {
        return;
    }
    const uint32_t type = kTypes[macroAction];
    const bool pressModifier = macroAction == MacroAction_PressModifier;
    if (action_->actionType() == type &&
        (type != Real::PressKey || action_->isPressModifier() == pressModifier)) {
        return;
    }
    action_->reset();
    action_->setActionType(type);
    action_->setPressModifier(pressModifier);
    emit macroActionChanged();
}

int MacroGroupActionController::realActionType() const {
    return action_ ? static_cast<int>(action_->actionType()) : 0;
}

void MacroGroupActionController::setRealActionType(int actionType) {
    if (!action_) {
        return;
    }
    action_->setActionType(static_cast<uint32_t>(actionType));
    emit macroActionChanged();
}

int MacroGroupActionController::indexWaitTimeType() const {
    return action_ ? waitTimeRow(action_->waitTimeType()) : 0;
}

void MacroGroupActionController::setIndexWaitTimeType(int row) {
    if (!action_) {
        return;
    }
    action_->setWaitTimeType(waitTimePreset(row));
    announceEdit(manager_.ipcManager(), manager_.preferencesStore().saveAndNotify());
}

bool MacroGroupActionController::getModifierStatus(ModifierType modif) const {
    return action_ && action_->modifier(modif);
}

void MacroGroupActionController::setEditModifierStatus(ModifierType modif, bool status) {
    if (action_) {
        action_->setModifier(modif, status);
    }
}

void MacroGroupActionController::setEditCommandAndCommandArgs(const QString& command,
                                                              const QString& commandArgs) {
    if (!action_) {
        return;
    }
    action_->setCommandOrText(command.toStdString(), commandArgs.toStdString());
    emit macroActionChanged();
}

QString MacroGroupActionController::getCommandName() const {
    return action_ ? QString::fromStdString(action_->command()) : QString();
}

QString MacroGroupActionController::getTypeText() const {
    return action_ ? QString::fromStdString(action_->textToWrite()) : QString();
}
