#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "shared/prefs/PreferencesStore.h"

// The large preference file of the benchmarks: 200 profiles of both models
// with a binding on every control, 100 macros of 10 groups of 10 steps and
// 100 application contexts. It is written with an empty bind file and a
// minimal backup file into a temporary folder that lives as long as the
// object.
class LargePreferenceFiles {
public:
    static constexpr int kProfiles = 200;

    // With more profiles for a larger file (about 37 KiB each).
    explicit LargePreferenceFiles(int profiles = kProfiles);
    ~LargePreferenceFiles();
    LargePreferenceFiles(const LargePreferenceFiles&) = delete;
    LargePreferenceFiles& operator=(const LargePreferenceFiles&) = delete;

    static nlohmann::json document(int profiles = kProfiles);
    // The identity key of profile `index` of the document, of model 1 for
    // even and model 2 for odd indexes.
    static std::string profileKey(int index);

    const PreferencesStorePaths& paths() const { return paths_; }
    // The bytes of the default file.
    const std::string& text() const { return text_; }
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;
    PreferencesStorePaths paths_;
    std::string text_;
};
