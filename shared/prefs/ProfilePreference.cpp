#include "shared/prefs/ProfilePreference.h"

#include <utility>

#include "shared/prefs/NameTables.h"
#include "shared/prefs/PreferenceJsonKeys.h"

namespace {

// The device type or model named by the member; 0 when absent or not a string.
uint32_t numberFromName(const nlohmann::json& json, PreferenceJsonKey id,
                        int32_t (*fromName)(std::string_view)) {
    std::string name;
    return readPreferenceJsonString(json, id, name) ? static_cast<uint32_t>(fromName(name)) : 0;
}

}  // namespace

ProfilePreference::ProfilePreference() : Preference(PreferenceKind::Profile) {}

ProfilePreference::ProfilePreference(uint32_t deviceType, uint32_t deviceModel)
    : Preference(PreferenceKind::Profile, deviceType, deviceModel, false, "") {}

bool ProfilePreference::toJson(nlohmann::json& json) const {
    if (!Preference::toJson(json)) {
        return false;
    }
    setPreferenceJsonString(json, PreferenceJsonKey::Name, name_);
    nlohmann::json settings = nlohmann::json::object();
    settings_.toJson(settings);
    setPreferenceJsonValue(json, PreferenceJsonKey::Settings, std::move(settings));
    nlohmann::json actions = nlohmann::json::array();
    for (const auto& [key, action] : actions_) {
        nlohmann::json element = nlohmann::json::object();
        action.toJson(element);
        actions.push_back(std::move(element));
    }
    setPreferenceJsonValue(json, PreferenceJsonKey::Actions, std::move(actions));
    return true;
}

bool ProfilePreference::fromJson(const nlohmann::json& json) {
    if (!parseCommon(json, false)) {
        return false;
    }
    std::string name;
    if (readPreferenceJsonString(json, PreferenceJsonKey::Name, name)) {
        setName(std::move(name));
    }
    readSettings(json);
    readActions(json);
    return true;
}

void ProfilePreference::readSettings(const nlohmann::json& json) {
    const nlohmann::json* member = preferenceJsonValue(PreferenceJsonKey::Settings, json);
    if (member == nullptr || !member->is_object()) {
        return;
    }
    SettingPreference settings;
    settings.setDeviceType(deviceType());
    settings.setDeviceModel(deviceModel());
    if (settings.fromJson(*member) && settings.isValid()) {
        settings_ = settings;
    }
}

void ProfilePreference::readActions(const nlohmann::json& json) {
    const nlohmann::json* member = preferenceJsonValue(PreferenceJsonKey::Actions, json);
    if (member == nullptr || !member->is_array()) {
        return;
    }
    const uint32_t type = numberFromName(json, PreferenceJsonKey::DeviceType, deviceTypeFromName);
    const uint32_t model =
        numberFromName(json, PreferenceJsonKey::DeviceModel, deviceModelFromName);
    const std::string owner = key();
    for (const nlohmann::json& element : *member) {
        ActionPreference action(type, model, kControlNone, ApplicationContextConfiguration());
        const bool read = action.fromJson(element);
        action.setProfile(owner);
        if (read && action.isValid()) {
            setAction(action);
        }
    }
}

bool ProfilePreference::isValid() const {
    return Preference::isValid() && !name_.empty();
}

std::string ProfilePreference::key() const {
    return Preference::key() + "#" + name_;
}

void ProfilePreference::setName(std::string name) {
    name_ = std::move(name);
    // The actions name their owner by key; a stale key would make the store
    // miss this profile when one of them is edited after the rename.
    const std::string owner = key();
    for (auto& [actionKey, action] : actions_) {
        action.setProfile(owner);
    }
}

bool ProfilePreference::setAppSpecificActive(bool active) {
    if (settings_.appSpecificActive() == active) {
        return false;
    }
    settings_.setAppSpecificActive(active);
    return true;
}

void ProfilePreference::setAction(const ActionPreference& action) {
    actions_.insert_or_assign(action.key(), action);
}

ControlActionMap ProfilePreference::actionsForApplication(const std::string& programPath) const {
    ControlActionMap result;
    for (const auto& [key, action] : actions_) {
        if (action.appContextPath() == programPath) {
            result.insert_or_assign(action.control(), action);
        }
    }
    // An empty programPath contains no non-empty path, so the general actions
    // stay as they are.
    for (const auto& [key, action] : actions_) {
        const std::string path = action.appContextPath();
        if (!path.empty() && programPath.find(path) != std::string::npos) {
            result.insert_or_assign(action.control(), action);
        }
    }
    return result;
}

std::optional<ActionPreference> ProfilePreference::findAction(const std::string& programPath,
                                                              uint32_t control) const {
    for (const auto& [key, action] : actions_) {
        if (action.control() == control && action.appContextPath() == programPath) {
            return action;
        }
    }
    return std::nullopt;
}

bool ProfilePreference::dialToggle(const std::string& programPath) const {
    return anyToggle(programPath, &ActionPreference::isDial);
}

bool ProfilePreference::jogWheelToggle(const std::string& programPath) const {
    return anyToggle(programPath, &ActionPreference::isJogWheelControl);
}

bool ProfilePreference::anyToggle(const std::string& programPath,
                                  bool (ActionPreference::*isOnControls)() const) const {
    for (const auto& [key, action] : actions_) {
        if ((action.*isOnControls)() && action.appContextPath() == programPath && action.toggle()) {
            return true;
        }
    }
    return false;
}

EditResult::Refusal ProfilePreference::replaceAction(const ActionPreference& previous,
                                                     const ActionPreference& next) {
    using Refusal = EditResult::Refusal;
    if (next.isDefault()) {
        return Refusal::Invalid;
    }
    const std::string nextKey = next.key();
    if (!previous.isDefault() && previous.key() != nextKey) {
        // A new binding beside the old one: never over another binding, and
        // never a disabled one, which would only shadow the default.
        if (actions_.contains(nextKey)) {
            return Refusal::BindingExists;
        }
        if (next.actionType() == kActionTypeDisabled) {
            return Refusal::DisabledBesideBinding;
        }
        actions_.emplace(nextKey, next);
        return Refusal::None;
    }
    // The dial and jog wheel keep an explicit empty binding, since their
    // toggle flag lives on it.
    if (next.isEmpty() && !previous.isDialOrJogWheel()) {
        actions_.erase(previous.key());
    } else {
        actions_.insert_or_assign(nextKey, next);
    }
    return Refusal::None;
}

void ProfilePreference::removeActionsOfContext(const std::string& configName) {
    std::erase_if(actions_,
                  [&](const auto& entry) { return entry.second.appContextName() == configName; });
}

void ProfilePreference::clearMacro(const std::string& macroKey) {
    for (auto& [key, action] : actions_) {
        action.clearMacroIfNamed(macroKey);
    }
}
