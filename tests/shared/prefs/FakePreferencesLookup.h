#pragma once

#include <map>
#include <string>

#include "shared/prefs/ApplicationContextConfiguration.h"
#include "shared/prefs/PreferencesLookup.h"

// A store stand-in with a few macros and configurations; installed for the
// lifetime of the object, so a test sees the lookup exactly while it runs.
class FakePreferencesLookup : public PreferencesLookup {
public:
    FakePreferencesLookup() { PreferencesLookup::install(this); }
    ~FakePreferencesLookup() override { PreferencesLookup::install(nullptr); }
    FakePreferencesLookup(const FakePreferencesLookup&) = delete;
    FakePreferencesLookup& operator=(const FakePreferencesLookup&) = delete;

    void addMacro(const std::string& key, const std::string& name) { macros_[key] = name; }
    void addConfiguration(const std::string& name, const std::string& path) {
        configurations_[name] = ApplicationContextConfiguration(name, path);
    }

    std::string macroKey(const std::string& macroName) const override {
        for (const auto& [key, name] : macros_) {
            if (name == macroName && !macroName.empty()) {
                return key;
            }
        }
        return {};
    }
    std::string macroName(const std::string& macroKey) const override {
        const auto found = macros_.find(macroKey);
        return found == macros_.end() ? std::string() : found->second;
    }
    ApplicationContextConfiguration applicationContextConfiguration(
        const std::string& configName) const override {
        const auto found = configurations_.find(configName);
        return found == configurations_.end() ? ApplicationContextConfiguration() : found->second;
    }
    ApplicationContextConfiguration findApplicationContextConfiguration(
        const std::string& programPath) const override {
        for (const auto& [name, configuration] : configurations_) {
            if (configuration.programContextPath() == programPath) {
                return configuration;
            }
        }
        for (const auto& [name, configuration] : configurations_) {
            if (programPath.find(configuration.programContextPath()) != std::string::npos) {
                return configuration;
            }
        }
        return {};
    }

private:
    std::map<std::string, std::string> macros_;
    std::map<std::string, ApplicationContextConfiguration> configurations_;
};
