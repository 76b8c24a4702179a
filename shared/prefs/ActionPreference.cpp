#include "shared/prefs/ActionPreference.h"

#include <utility>

#include "shared/prefs/DefaultActions.h"
#include "shared/prefs/KeyNames.h"
#include "shared/prefs/MacroGroupPreference.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/PreferenceJsonKeys.h"
#include "shared/prefs/PreferencesLookup.h"
#include "shared/prefs/ProfilePreference.h"

namespace {

constexpr uint32_t kFirstDialControl = 15;
constexpr uint32_t kLastDialControl = 16;
constexpr uint32_t kFirstJogWheelControl = 17;
constexpr uint32_t kLastJogWheelControl = 59;

std::string controlName(uint32_t control) {
    return controlNameFromIndex(static_cast<int32_t>(control));
}

// The smallest index of a preset equal to timing; fallback when none is.
template <typename Presets>
uint32_t presetIndex(const Presets& presets, ActionTiming timing, uint32_t fallback) {
    for (uint32_t i = 0; i < presets.size(); ++i) {
        if (presets[i] == timing) {
            return i;
        }
    }
    return fallback;
}

}  // namespace

ActionPreference::ActionPreference() : Preference(PreferenceKind::Action) {}

ActionPreference::ActionPreference(uint32_t deviceType, uint32_t deviceModel, uint32_t control,
                                   ApplicationContextConfiguration context)
    : Preference(PreferenceKind::Action, deviceType, deviceModel, false, ""),
      control_(control),
      context_(std::move(context)) {}

ActionPreference ActionPreference::makeDefault(uint32_t deviceModel, uint32_t control,
                                               const ProfilePreference& profile,
                                               const std::string& programPath) {
    ActionPreference action;
    if (const ActionPreference* entry = findDefaultAction(deviceModel, control)) {
        action = *entry;
        if (action.isDial()) {
            action.toggle_ = profile.dialToggle(programPath);
        } else if (action.isJogWheelControl()) {
            action.toggle_ = profile.jogWheelToggle(programPath);
        }
        action.profile_ = profile.key();
    }
    action.context_ = PreferencesLookup::current().findApplicationContextConfiguration(programPath);
    return action;
}

bool ActionPreference::toJson(nlohmann::json& json) const {
    if (!json.is_object()) {
        return false;
    }
    using Key = PreferenceJsonKey;
    setPreferenceJsonString(json, Key::Comment, comment());
    setPreferenceJsonString(json, Key::ActionType, actionTypeName());
    setPreferenceJsonString(json, Key::KeyCode, keyNameFromCode(static_cast<int32_t>(keyCode_)));
    setPreferenceJsonString(json, Key::TextToWrite, textToWrite_);
    setPreferenceJsonString(json, Key::MouseButton, controlName(control_));
    setPreferenceJsonBool(json, Key::UseCtrl, useCtrl_);
    setPreferenceJsonBool(json, Key::UseAlt, useAlt_);
    setPreferenceJsonBool(json, Key::UseShift, useShift_);
    setPreferenceJsonBool(json, Key::UseSpecial, useSpecial_);
    setPreferenceJsonString(json, Key::Command, command_);
    setPreferenceJsonString(json, Key::CommandArgs, commandArgs_);
    setPreferenceJsonString(json, Key::MacroToRun,
                            actionType_ == kActionTypeRunMacro ? macroToRunName() : "");
    setPreferenceJsonInt(json, Key::Repeat, timing_.repeat);
    setPreferenceJsonInt(json, Key::DelayRepeat, timing_.delayRepeat);
    setPreferenceJsonInt(json, Key::StartDelay, timing_.startDelay);
    setPreferenceJsonString(json, Key::Profile, profile_);
    setPreferenceJsonString(json, Key::AppContextConfig, context_.configName());
    setPreferenceJsonString(json, Key::AppWindowName, appWindowName_);
    setPreferenceJsonBool(json, Key::Toggle, toggle_);
    setPreferenceJsonString(json, Key::SwitchToProfile, switchToProfile_);
    return true;
}

bool ActionPreference::fromJson(const nlohmann::json& json) {
    using Key = PreferenceJsonKey;
    std::string text;
    if (readPreferenceJsonString(json, Key::MouseButton, text)) {
        control_ = static_cast<uint32_t>(controlIndexFromName(text));
    }
    readPreferenceJsonString(json, Key::TextToWrite, textToWrite_);
    if (readPreferenceJsonString(json, Key::KeyCode, text)) {
        keyCode_ = keyCodeFromName(text);
    }
    readPreferenceJsonBool(json, Key::UseCtrl, useCtrl_);
    readPreferenceJsonBool(json, Key::UseAlt, useAlt_);
    readPreferenceJsonBool(json, Key::UseShift, useShift_);
    readPreferenceJsonBool(json, Key::UseSpecial, useSpecial_);
    readActionType(json);
    readPreferenceJsonString(json, Key::Command, command_);
    readPreferenceJsonString(json, Key::CommandArgs, commandArgs_);
    if (readPreferenceJsonString(json, Key::Comment, text)) {
        setComment(text);
    }
    readMacroToRun(json);
    readTiming(json);
    readContext(json);
    readPreferenceJsonString(json, Key::AppWindowName, appWindowName_);
    readPreferenceJsonBool(json, Key::Toggle, toggle_);
    readPreferenceJsonString(json, Key::SwitchToProfile, switchToProfile_);
    return true;
}

void ActionPreference::readActionType(const nlohmann::json& json) {
    std::string name;
    if (!readPreferenceJsonString(json, PreferenceJsonKey::ActionType, name)) {
        return;
    }
    // A name the table does not know reads as disabled rather than unset, so
    // the binding survives as an explicit "nothing".
    const auto type = static_cast<uint32_t>(actionTypeFromName(name));
    actionType_ = type == kActionTypeUnset ? kActionTypeDisabled : type;
}

void ActionPreference::readMacroToRun(const nlohmann::json& json) {
    if (actionType_ != kActionTypeRunMacro) {
        macroKey_.clear();
        return;
    }
    std::string name;
    if (!readPreferenceJsonString(json, PreferenceJsonKey::MacroToRun, name)) {
        return;
    }
    macroKey_ = PreferencesLookup::current().macroKey(name);
    if (macroKey_.empty()) {
        actionType_ = kActionTypeDisabled;
    }
}

void ActionPreference::readTiming(const nlohmann::json& json) {
    readPreferenceJsonInt32(json, PreferenceJsonKey::Repeat, timing_.repeat);
    readPreferenceJsonInt32(json, PreferenceJsonKey::DelayRepeat, timing_.delayRepeat);
    readPreferenceJsonInt32(json, PreferenceJsonKey::StartDelay, timing_.startDelay);
}

void ActionPreference::readContext(const nlohmann::json& json) {
    std::string name;
    if (readPreferenceJsonString(json, PreferenceJsonKey::AppContextConfig, name)) {
        context_ = PreferencesLookup::current().applicationContextConfiguration(name);
    }
}

bool ActionPreference::isValid() const {
    return Preference::isValid() && actionType_ < kActionTypeUnset &&
           (!profile_.empty() || ownerGroupId_.has_value());
}

std::string ActionPreference::key() const {
    std::string key = Preference::key() + "#" + context_.configName() + "#" + appWindowName_ + "#" +
                      controlName(control_);
    if (ownerGroupId_) {
        key += "#" + std::to_string(*ownerGroupId_);
    }
    return key;
}

uint32_t ActionPreference::specificity() const {
    return Preference::specificity() + (context_.configName().empty() ? 0U : 10000U) +
           (appWindowName_.empty() ? 0U : 1000U);
}

void ActionPreference::copyFrom(const Preference* other) {
    if (const auto* action = dynamic_cast<const ActionPreference*>(other)) {
        *this = *action;
        return;
    }
    Preference::copyFrom(other);
}

bool ActionPreference::operator==(const ActionPreference& other) const {
    return actionType_ == other.actionType_ && control_ == other.control_ &&
           textToWrite_ == other.textToWrite_ && keyCode_ == other.keyCode_ &&
           useCtrl_ == other.useCtrl_ && useAlt_ == other.useAlt_ && useShift_ == other.useShift_ &&
           useSpecial_ == other.useSpecial_ && command_ == other.command_ &&
           commandArgs_ == other.commandArgs_ &&
           context_.configName() == other.context_.configName() &&
           appWindowName_ == other.appWindowName_ && profile_ == other.profile_ &&
           macroKey_ == other.macroKey_ && timing_ == other.timing_ && toggle_ == other.toggle_ &&
           comment() == other.comment() && switchToProfile_ == other.switchToProfile_;
}

void ActionPreference::reset() {
    actionType_ = kActionTypeUnset;
    textToWrite_.clear();
    command_.clear();
    commandArgs_.clear();
    macroKey_.clear();
    keyCode_ = 0;
    useCtrl_ = useAlt_ = useShift_ = useSpecial_ = false;
    if (repeatType() != 0) {
        timing_ = RepeatTypePresets[0];
    }
}

void ActionPreference::clearMacroIfNamed(const std::string& macroKey) {
    if (macroKey_ != macroKey) {
        return;
    }
    macroKey_.clear();
    if (actionType_ == kActionTypeRunMacro) {
        actionType_ = kActionTypeDisabled;
    }
}

uint32_t ActionPreference::repeatType() const {
    return presetIndex(RepeatTypePresets, timing_, 0);
}

void ActionPreference::setRepeatType(uint32_t index) {
    if (index >= RepeatTypePresets.size() || index == repeatType()) {
        return;
    }
    timing_ = RepeatTypePresets[index];
}

uint32_t ActionPreference::waitTimeType() const {
    return presetIndex(MacroWaitTimePresets, timing_, kMacroWaitTimeNone);
}

void ActionPreference::setWaitTimeType(uint32_t index) {
    if (index >= MacroWaitTimePresets.size()) {
        return;
    }
    timing_ = MacroWaitTimePresets[index];
}

bool ActionPreference::modifier(int32_t i) const {
    switch (i) {
        case 0:
            return useShift_;
        case 1:
            return useAlt_;
        case 2:
            return useCtrl_;
        case 3:
            return useSpecial_;
        default:
            return false;
    }
}

void ActionPreference::setModifier(int32_t i, bool use) {
    switch (i) {
        case 0:
            useShift_ = use;
            break;
        case 1:
            useAlt_ = use;
            break;
        case 2:
            useCtrl_ = use;
            break;
        case 3:
            useSpecial_ = use;
            break;
        default:
            break;
    }
}

void ActionPreference::setCommandOrText(std::string commandOrText, std::string commandArgs) {
    if (actionType_ == kActionTypeCommand) {
        command_ = std::move(commandOrText);
        commandArgs_ = std::move(commandArgs);
    } else if (actionType_ == kActionTypeTypeText) {
        textToWrite_ = std::move(commandOrText);
    }
}

bool ActionPreference::isDial() const {
    return control_ >= kFirstDialControl && control_ <= kLastDialControl;
}

bool ActionPreference::isJogWheelControl() const {
    return control_ >= kFirstJogWheelControl && control_ <= kLastJogWheelControl;
}

bool ActionPreference::isDialOrJogWheel() const {
    return isDial() || isJogWheelControl();
}

bool ActionPreference::isEmpty() const {
    return actionType_ == kActionTypeDisabled && comment().empty();
}

void ActionPreference::setAppContextByName(const std::string& configName) {
    context_ = PreferencesLookup::current().applicationContextConfiguration(configName);
}

void ActionPreference::setMacroToRunByName(const std::string& macroName) {
    macroKey_ = PreferencesLookup::current().macroKey(macroName);
}

std::string ActionPreference::macroToRunName() const {
    return PreferencesLookup::current().macroName(macroKey_);
}

std::string ActionPreference::actionTypeName() const {
    return actionTypeNameFromType(static_cast<int32_t>(actionType_));
}

void ActionPreference::setOwnerMacroGroup(const MacroGroupPreference* group) {
    ownerGroupId_ = group != nullptr ? std::optional(group->macroGroupID()) : std::nullopt;
}
