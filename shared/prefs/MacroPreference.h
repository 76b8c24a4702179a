#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "shared/prefs/MacroGroupPreference.h"
#include "shared/prefs/Preference.h"

using MacroGroupList = std::vector<std::shared_ptr<MacroGroupPreference>>;

// A named, ordered list of macro groups. Its identity key is fixed by its
// first non-empty name, so renaming never re-files it.
class MacroPreference : public Preference {
public:
    MacroPreference();

    bool toJson(nlohmann::json& json) const override;
    // Starts from an empty macro; accepts any device type. Invalid groups are
    // dropped.
    bool fromJson(const nlohmann::json& json) override;
    // A real kind and a non-empty Name.
    bool isValid() const override;
    std::string key() const override { return key_; }

    std::string name() const { return name_; }
    // Also tells the groups their owner's new name, which their keys carry.
    void setName(std::string name);

    MacroGroupList groups() const { return groups_; }
    // Ignored for nullptr; the group becomes this macro's.
    void addGroup(std::shared_ptr<MacroGroupPreference> group);
    void removeGroup(const std::shared_ptr<MacroGroupPreference>& group);
    // Nothing when either index is out of range or they are equal.
    void moveGroup(int32_t from, int32_t to);

private:
    std::string name_;
    std::string key_;
    MacroGroupList groups_;
};
