#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "shared/prefs/ActionPreference.h"
#include "shared/prefs/Preference.h"

class MacroPreference;

using ActionList = std::vector<std::shared_ptr<ActionPreference>>;

// One step group of a macro: actions that run in order. The group keeps its
// macro's name, not the macro, so a group that outlives its macro is safe.
class MacroGroupPreference : public Preference {
public:
    explicit MacroGroupPreference(uint32_t macroGroupID);

    bool toJson(nlohmann::json& json) const override;
    // Accepts any device type; actions that are not valid are dropped.
    bool fromJson(const nlohmann::json& json) override;
    // A MacroGroupID other than 0 and an owner macro.
    bool isValid() const override;
    // The base key, "#", the owner's Name or "none_macro", "#", the id.
    std::string key() const override;

    uint32_t macroGroupID() const { return macroGroupID_; }

    ActionList actions() const { return actions_; }
    // Ignored for nullptr; the caller sets the action's owner group.
    void addAction(std::shared_ptr<ActionPreference> action);
    void removeAction(const std::shared_ptr<ActionPreference>& action);
    // Nothing when either index is out of range or they are equal.
    void moveAction(int32_t from, int32_t to);

    // Takes the macro's current Name (the macro calls it again on a rename);
    // nullptr detaches the group.
    void setOwnerMacro(const MacroPreference* macro);

private:
    uint32_t macroGroupID_;
    ActionList actions_;
    std::optional<std::string> ownerMacroName_;
};
