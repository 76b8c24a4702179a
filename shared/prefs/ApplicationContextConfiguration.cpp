#include "shared/prefs/ApplicationContextConfiguration.h"

#include <utility>

#include "shared/prefs/PreferenceJsonKeys.h"

ApplicationContextConfiguration::ApplicationContextConfiguration(std::string configName,
                                                                 std::string programContextPath)
    : configName_(std::move(configName)), programContextPath_(std::move(programContextPath)) {}

bool ApplicationContextConfiguration::toJson(nlohmann::json& json) const {
    if (!json.is_object()) {
        return false;
    }
    setPreferenceJsonString(json, PreferenceJsonKey::ConfigName, configName_);
    setPreferenceJsonString(json, PreferenceJsonKey::ProgramContextPath, programContextPath_);
    return true;
}

bool ApplicationContextConfiguration::fromJson(const nlohmann::json& json) {
    readPreferenceJsonString(json, PreferenceJsonKey::ConfigName, configName_);
    readPreferenceJsonString(json, PreferenceJsonKey::ProgramContextPath, programContextPath_);
    return true;
}
