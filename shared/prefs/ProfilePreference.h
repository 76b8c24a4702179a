#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "shared/prefs/ActionPreference.h"
#include "shared/prefs/EditResult.h"
#include "shared/prefs/Preference.h"
#include "shared/prefs/SettingPreference.h"

// Action identity key -> action.
using ActionMap = std::map<std::string, ActionPreference>;
// Control index -> action.
using ControlActionMap = std::map<uint32_t, ActionPreference>;

// A named set of bindings for one device model: the settings block and one
// action per control and application context.
class ProfilePreference : public Preference {
public:
    ProfilePreference();
    ProfilePreference(uint32_t deviceType, uint32_t deviceModel);

    bool toJson(nlohmann::json& json) const override;
    // Fails (logged) only when "DeviceType" names no real type; invalid
    // actions are dropped, and of two actions with one key the later wins.
    bool fromJson(const nlohmann::json& json) override;
    // A real kind and a non-empty Name.
    bool isValid() const override;
    // The base key, "#", the Name.
    std::string key() const override;

    std::string name() const { return name_; }
    // The key changes with the name, so the actions are told their new owner.
    void setName(std::string name);

    bool appSpecificActive() const { return settings_.appSpecificActive(); }
    // False when the flag already has that value.
    bool setAppSpecificActive(bool active);
    const SettingPreference& settings() const { return settings_; }

    const ActionMap& actions() const { return actions_; }
    // Stores the action under its identity key, replacing one there.
    void setAction(const ActionPreference& action);

    // The actions in effect while the program at programPath is in front:
    // those of exactly that path, then those whose non-empty path occurs in
    // programPath (case-sensitive); later ones replace earlier ones.
    ControlActionMap actionsForApplication(const std::string& programPath) const;
    // The first action, in key order, on that control with exactly that path.
    std::optional<ActionPreference> findAction(const std::string& programPath,
                                               uint32_t control) const;
    // Whether an action on the dial (jog wheel) with exactly that path toggles.
    bool dialToggle(const std::string& programPath) const;
    bool jogWheelToggle(const std::string& programPath) const;

    // The editor's change of one binding; Refusal::None when the profile took it.
    EditResult::Refusal replaceAction(const ActionPreference& previous,
                                      const ActionPreference& next);
    void removeActionsOfContext(const std::string& configName);
    void clearMacro(const std::string& macroKey);

private:
    // Whether an action on the controls that isOnControls picks, with exactly
    // that path, toggles.
    bool anyToggle(const std::string& programPath,
                   bool (ActionPreference::*isOnControls)() const) const;
    void readSettings(const nlohmann::json& json);
    void readActions(const nlohmann::json& json);

    std::string name_;
    SettingPreference settings_;
    ActionMap actions_;
};
