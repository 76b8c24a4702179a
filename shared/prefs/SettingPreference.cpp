#include "shared/prefs/SettingPreference.h"

#include "shared/prefs/PreferenceJsonKeys.h"

SettingPreference::SettingPreference() : Preference(PreferenceKind::Setting) {}

bool SettingPreference::toJson(nlohmann::json& json) const {
    if (!json.is_object()) {
        return false;
    }
    setPreferenceJsonString(json, PreferenceJsonKey::Comment, comment());
    setPreferenceJsonBool(json, PreferenceJsonKey::AppSpecificActive, appSpecificActive_);
    return true;
}

bool SettingPreference::fromJson(const nlohmann::json& json) {
    readPreferenceJsonBool(json, PreferenceJsonKey::AppSpecificActive, appSpecificActive_);
    std::string comment;
    if (readPreferenceJsonString(json, PreferenceJsonKey::Comment, comment)) {
        setComment(comment);
    }
    return true;
}

void SettingPreference::copyFrom(const Preference* other) {
    Preference::copyFrom(other);
    if (const auto* settings = dynamic_cast<const SettingPreference*>(other)) {
        appSpecificActive_ = settings->appSpecificActive_;
    }
}
