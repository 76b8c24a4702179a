#include "shared/prefs/MacroGroupPreference.h"

#include <utility>

#include "shared/prefs/ListUtils.h"
#include "shared/prefs/MacroPreference.h"
#include "shared/prefs/PreferenceJsonKeys.h"

MacroGroupPreference::MacroGroupPreference(uint32_t macroGroupID)
    : Preference(PreferenceKind::MacroGroup), macroGroupID_(macroGroupID) {}

bool MacroGroupPreference::toJson(nlohmann::json& json) const {
    if (!Preference::toJson(json)) {
        return false;
    }
    setPreferenceJsonValue(json, PreferenceJsonKey::MacroGroupID, nlohmann::json(macroGroupID_));
    nlohmann::json actions = nlohmann::json::array();
    for (const auto& action : actions_) {
        nlohmann::json element = nlohmann::json::object();
        action->toJson(element);
        actions.push_back(std::move(element));
    }
    setPreferenceJsonValue(json, PreferenceJsonKey::Actions, std::move(actions));
    return true;
}

bool MacroGroupPreference::fromJson(const nlohmann::json& json) {
    const bool common = parseCommon(json, true);
    // An id outside 32 bits is refused rather than cut down to another group's number.
    readPreferenceJsonUint32(json, PreferenceJsonKey::MacroGroupID, macroGroupID_);
    const nlohmann::json* member = preferenceJsonValue(PreferenceJsonKey::Actions, json);
    if (member == nullptr || !member->is_array()) {
        return common;
    }
    for (const nlohmann::json& element : *member) {
        auto action = std::make_shared<ActionPreference>();
        if (!action->fromJson(element)) {
            continue;
        }
        action->setOwnerMacroGroup(this);
        if (action->isValid()) {
            actions_.push_back(std::move(action));
        }
    }
    return common;
}

bool MacroGroupPreference::isValid() const {
    return macroGroupID_ != 0 && ownerMacroName_.has_value();
}

std::string MacroGroupPreference::key() const {
    return Preference::key() + "#" + ownerMacroName_.value_or("none_macro") + "#" +
           std::to_string(macroGroupID_);
}

void MacroGroupPreference::addAction(std::shared_ptr<ActionPreference> action) {
    if (action != nullptr) {
        actions_.push_back(std::move(action));
    }
}

void MacroGroupPreference::removeAction(const std::shared_ptr<ActionPreference>& action) {
    removeFirstListItem(actions_, action);
}

void MacroGroupPreference::moveAction(int32_t from, int32_t to) {
    moveListItem(actions_, from, to);
}

void MacroGroupPreference::setOwnerMacro(const MacroPreference* macro) {
    ownerMacroName_ = macro != nullptr ? std::optional(macro->name()) : std::nullopt;
}
