#pragma once

#include <nlohmann/json.hpp>

#include "shared/prefs/Preference.h"

// The settings block of a profile.
class SettingPreference : public Preference {
public:
    SettingPreference();

    // Writes "Comment" and "AppSpecificActive".
    bool toJson(nlohmann::json& json) const override;
    // Always true.
    bool fromJson(const nlohmann::json& json) override;
    // The common part and, from another settings block, AppSpecificActive.
    void copyFrom(const Preference* other) override;

    // Whether the profile's application-specific actions apply.
    bool appSpecificActive() const { return appSpecificActive_; }
    void setAppSpecificActive(bool active) { appSpecificActive_ = active; }

private:
    bool appSpecificActive_ = true;
};
