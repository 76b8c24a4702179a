#include "ui/app/ButtonController.h"

#include <optional>
#include <utility>

#include "shared/prefs/PreferencesStore.h"
#include "ui/app/IPCManager.h"
#include "ui/app/KeyCodeConversion.h"

namespace {

constexpr uint32_t kLastButton = 14;
constexpr uint32_t kFirstForwardTransition = 32;
constexpr uint32_t kFirstBackwardTransition = 46;
constexpr uint32_t kLastControl = 59;

using Main = ButtonController::MainActionEnum;
// The real actions are the model's action types.
using Real = ButtonController::RealActionEnum;
// The one action type without a real action.
constexpr uint32_t kActionTypeSwitchToProfile = Real::Count;

// The row of the editor's action list that shows an action of that type.
Main mainActionOf(const ActionPreference& action) {
    switch (action.actionType()) {
        case Real::LeftClick:
        case Real::RightClick:
        case Real::LeftDoubleClick:
        case Real::LeftTripleClick:
        case Real::ClickLock:
        case Real::VolumeUp:
        case Real::VolumeDown:
        case Real::Mute:
        case Real::BrightnessUp:
        case Real::BrightnessDown:
        case Real::ScrollUp:
        case Real::ScrollDown:
        case Real::ScrollLeft:
        case Real::ScrollRight:
        case Real::MouseAndSystemControls:
            return Main::Action_MouseAndSystemControls;
        case Real::Command:
            return Main::Action_OpenFile;
        case Real::PressKey:
            return action.isPressModifier() ? Main::Action_PressModifier
                                            : Main::Action_TypeKeystroke;
        case Real::UseDefaultSetting:
            return Main::Action_UseDefaultSetting;
        case Real::SameAsLowerValue:
            return Main::Action_SameAsLowerValue;
        case Real::RunMacro:
            return Main::Action_RunMacro;
        case Real::TypeText:
            return Main::Action_TypeText;
        case kActionTypeSwitchToProfile:
            return Main::Action_SwitchToProfile;
        default:
            return Main::Action_Disabled;
    }
}

// The action type that a row of the action list starts an action with; the
// mouse-and-system row stands for the concrete action chosen beside it.
std::optional<uint32_t> actionTypeOfMain(int mainAction) {
    switch (mainAction) {
        case Main::Action_Disabled:
            return Real::None;
        case Main::Action_UseDefaultSetting:
            return Real::UseDefaultSetting;
        case Main::Action_SameAsLowerValue:
            return Real::SameAsLowerValue;
        case Main::Action_TypeKeystroke:
        case Main::Action_PressModifier:
            return Real::PressKey;
        case Main::Action_OpenFile:
            return Real::Command;
        case Main::Action_RunMacro:
            return Real::RunMacro;
        case Main::Action_MouseAndSystemControls:
            return Real::MouseAndSystemControls;
        case Main::Action_TypeText:
            return Real::TypeText;
        case Main::Action_SwitchToProfile:
            return kActionTypeSwitchToProfile;
        default:
            return std::nullopt;
    }
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ButtonController::ButtonController(PreferencesStore& store, std::weak_ptr<IPCManager> ipcManager,
                                   QObject* parent)
    : QObject(parent), store_(store), ipcManager_(std::move(ipcManager)) {}

ButtonController::ButtonUI ButtonController::buttonType() const {
    return static_cast<ButtonUI>(action_.control());
}

int ButtonController::mainActionType() const {
    return mainActionOf(action_);
}

int ButtonController::editActionType() const {
    return mainActionOf(editAction_);
}

void ButtonController::setEditActionType(int mainAction) {
    const std::optional<uint32_t> actionType = actionTypeOfMain(mainAction);
    if (!actionType) {
        return;
    }
    const bool pressModifier = mainAction == Main::Action_PressModifier;
    if (editAction_.actionType() == *actionType &&
        (*actionType != Real::PressKey || editAction_.isPressModifier() == pressModifier)) {
        return;
    }
    editAction_.reset();
    editAction_.setActionType(*actionType);
    editAction_.setPressModifier(pressModifier);
    emit editActionTypeChanged();
}

bool ButtonController::isMainButton() const {
    return action_.control() <= kLastButton;
}

bool ButtonController::isDialButton() const {
    return action_.isDial();
}

bool ButtonController::isJogWheelButton() const {
    return action_.isJogWheelControl();
}

QString ButtonController::buttonGroup() const {
    const uint32_t control = action_.control();
    if (control >= kFirstForwardTransition && control < kFirstBackwardTransition) {
        return QStringLiteral("Transitions Right");
    }
    if (control >= kFirstBackwardTransition && control <= kLastControl) {
        return QStringLiteral("Transitions Left");
    }
    return QString();
}

int ButtonController::editPressKey() const {
    return KeyCodeConversion::uiKeyFromKeyCode(editAction_.keyCode());
}

void ButtonController::setEditPressKey(int uiKey) {
    if (editPressKey() == uiKey) {
        return;
    }
    editAction_.setKeyCode(KeyCodeConversion::keyCodeFromUiKey(uiKey));
    emit editPressKeyUpdated();
}

QString ButtonController::editSwitchToProfileKey() const {
    return toQString(editAction_.switchToProfile());
}

void ButtonController::setEditSwitchToProfileKey(const QString& profileKey) {
    if (editSwitchToProfileKey() == profileKey) {
        return;
    }
    editAction_.setSwitchToProfile(profileKey.toStdString());
    emit editSwitchToProfileKeyUpdated();
}

QString ButtonController::editComment() const {
    return toQString(editAction_.comment());
}

void ButtonController::setEditComment(const QString& comment) {
    editAction_.setComment(comment.toStdString());
}

QString ButtonController::comment() const {
    return toQString(action_.comment());
}

void ButtonController::setComment(const QString& comment) {
    action_.setComment(comment.toStdString());
}

// Both replace the whole edit copy, so its kind is announced as any change of it is.
void ButtonController::prepareForButtonEdit() {
    editAction_ = action_;
    emit editActionTypeChanged();
}

int ButtonController::applyEditSettings(const QString& contextConfigUsed, bool updatePrefsFile) {
    if (editAction_ == action_) {
        return Refusal_None;
    }
    editAction_.setDefault(false);
    editAction_.setAppContextByName(contextConfigUsed.toStdString());
    if (editAction_.actionType() == Real::MouseAndSystemControls &&
        realEditActionType_ != static_cast<int32_t>(kActionTypeUnset)) {
        editAction_.setActionType(static_cast<uint32_t>(realEditActionType_));
    }
    // A refused edit leaves the profile as it was, and so the controller too:
    // showing the edit would claim a binding that the profile does not hold. One
    // taken but not saved is shown: the store holds it until a save holds.
    const EditResult result = store_.setProfileAction(action_, editAction_, updatePrefsFile);
    if (result.isTaken()) {
        action_ = editAction_;
        announceEdit(ipcManager_, result);
    }
    emit mainActionTypeChanged();
    return static_cast<int>(result.refusal());
}

int ButtonController::getActionType() const {
    return static_cast<int>(action_.actionType());
}

bool ButtonController::getModifierStatus(ModifierType modif) const {
    return action_.modifier(modif);
}

bool ButtonController::getEditModifierStatus(ModifierType modif) const {
    return editAction_.modifier(modif);
}

void ButtonController::setEditModifierStatus(ModifierType modif, bool status) {
    editAction_.setModifier(modif, status);
}

void ButtonController::setEditCommandAndCommandArgs(const QString& command,
                                                    const QString& commandArgs) {
    editAction_.setCommandOrText(command.toStdString(), commandArgs.toStdString());
}

void ButtonController::setMacroToRun(const QString& macroToRun) {
    editAction_.setMacroToRunByName(macroToRun.toStdString());
}

QString ButtonController::getMacroToRun() const {
    return toQString(action_.macroToRunName());
}

QString ButtonController::getCommandName() const {
    return toQString(action_.command());
}

QString ButtonController::getCommandArgs() const {
    return toQString(action_.commandArgs());
}

QString ButtonController::getTypeText() const {
    return toQString(action_.textToWrite());
}

QString ButtonController::getEditMacroToRun() const {
    return toQString(editAction_.macroToRunName());
}

QString ButtonController::getEditCommandName() const {
    return toQString(editAction_.command());
}

QString ButtonController::getEditCommandArgs() const {
    return toQString(editAction_.commandArgs());
}

QString ButtonController::getEditTypeText() const {
    return toQString(editAction_.textToWrite());
}

void ButtonController::resetToDefault() {
    ActionPreference defaultAction = store_.defaultAction(action_.appContextConfiguration(),
                                                          action_.control(), action_.deviceModel());
    // Only the default profile has factory actions; elsewhere a reset disables.
    if (defaultAction.profile() != action_.profile()) {
        defaultAction = action_;
        defaultAction.setActionType(kActionTypeDisabled);
    }
    editAction_ = defaultAction;
    realEditActionType_ = static_cast<int32_t>(editAction_.actionType());
    emit editActionTypeChanged();
    emit reinitWindow();
}

int ButtonController::getPressKey() const {
    return KeyCodeConversion::uiKeyFromKeyCode(action_.keyCode());
}

QString ButtonController::getSwitchToProfileKey() const {
    return toQString(action_.switchToProfile());
}

ButtonController::RepetitionUI ButtonController::getRepeatType() const {
    return static_cast<RepetitionUI>(action_.repeatType());
}

ButtonController::RepetitionUI ButtonController::getEditRepeatType() const {
    return static_cast<RepetitionUI>(editAction_.repeatType());
}

void ButtonController::setRepeatType(RepetitionUI repType) {
    editAction_.setRepeatType(static_cast<uint32_t>(repType));
}

void ButtonController::setAction(const ActionPreference& action) {
    ActionPreference next = action;
    // The file keeps no mark of a press of modifiers: it is a keystroke without a key.
    if (next.actionType() == Real::PressKey && next.keyCode() == 0 &&
        (next.modifier(ModifierType_Shift) || next.modifier(ModifierType_Alt) ||
         next.modifier(ModifierType_Control) || next.modifier(ModifierType_Special))) {
        next.setPressModifier(true);
    }
    const bool changed = !(next == action_);
    action_ = std::move(next);
    realEditActionType_ = static_cast<int32_t>(kActionTypeUnset);
    // A row of the keybind list keeps its controller across rebuilds (another program
    // context, a reload): it shows the new action only when told.
    if (changed) {
        emit mainActionTypeChanged();
        emit actionCommentChanged();
    }
}

void ButtonController::clearMacroIfNamed(const std::string& macroKey) {
    action_.clearMacroIfNamed(macroKey);
    editAction_.clearMacroIfNamed(macroKey);
}
