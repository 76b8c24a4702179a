#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "shared/prefs/PreferenceJsonInterface.h"

// An application for which actions may be configured apart: its name, unique
// in the store, and the program path that selects it.
class ApplicationContextConfiguration : public PreferenceJsonInterface {
public:
    ApplicationContextConfiguration() = default;
    ApplicationContextConfiguration(std::string configName, std::string programContextPath);

    // Writes "ConfigName" and "ProgramContextPath".
    bool toJson(nlohmann::json& json) const override;
    // Always true; a json that is not an object changes nothing.
    bool fromJson(const nlohmann::json& json) override;

    std::string configName() const { return configName_; }
    std::string programContextPath() const { return programContextPath_; }

private:
    std::string configName_;
    std::string programContextPath_;
};
