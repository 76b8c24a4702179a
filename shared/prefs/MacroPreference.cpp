#include "shared/prefs/MacroPreference.h"

#include <utility>

#include "shared/prefs/ListUtils.h"
#include "shared/prefs/PreferenceJsonKeys.h"

MacroPreference::MacroPreference() : Preference(PreferenceKind::Macro) {}

bool MacroPreference::toJson(nlohmann::json& json) const {
    if (!Preference::toJson(json)) {
        return false;
    }
    setPreferenceJsonString(json, PreferenceJsonKey::Name, name_);
    nlohmann::json groups = nlohmann::json::array();
    for (const auto& group : groups_) {
        nlohmann::json element = nlohmann::json::object();
        group->toJson(element);
        groups.push_back(std::move(element));
    }
    setPreferenceJsonValue(json, PreferenceJsonKey::MacroGroups, std::move(groups));
    return true;
}

bool MacroPreference::fromJson(const nlohmann::json& json) {
    name_.clear();
    key_.clear();
    groups_.clear();
    if (!parseCommon(json, true)) {
        return false;
    }
    std::string name;
    if (readPreferenceJsonString(json, PreferenceJsonKey::Name, name)) {
        setName(std::move(name));
    }
    const nlohmann::json* member = preferenceJsonValue(PreferenceJsonKey::MacroGroups, json);
    if (member == nullptr || !member->is_array()) {
        return true;
    }
    for (const nlohmann::json& element : *member) {
        auto group = std::make_shared<MacroGroupPreference>(0);
        group->setOwnerMacro(this);
        if (group->fromJson(element) && group->isValid()) {
            groups_.push_back(std::move(group));
        }
    }
    return true;
}

bool MacroPreference::isValid() const {
    return Preference::isValid() && !name_.empty();
}

void MacroPreference::setName(std::string name) {
    name_ = std::move(name);
    if (key_.empty() && !name_.empty()) {
        key_ = Preference::key() + "#" + name_;
    }
    for (const auto& group : groups_) {
        group->setOwnerMacro(this);
    }
}

void MacroPreference::addGroup(std::shared_ptr<MacroGroupPreference> group) {
    if (group == nullptr) {
        return;
    }
    group->setOwnerMacro(this);
    groups_.push_back(std::move(group));
}

void MacroPreference::removeGroup(const std::shared_ptr<MacroGroupPreference>& group) {
    removeFirstListItem(groups_, group);
}

void MacroPreference::moveGroup(int32_t from, int32_t to) {
    moveListItem(groups_, from, to);
}
