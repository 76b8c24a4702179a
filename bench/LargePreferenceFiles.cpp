#include "bench/LargePreferenceFiles.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "shared/prefs/NameTables.h"

namespace {

constexpr int kMacros = 100;
constexpr int kGroupsPerMacro = 10;
constexpr int kStepsPerGroup = 10;
constexpr int kContexts = 100;

int32_t modelOf(int profileIndex) {
    return profileIndex % 2 == 0 ? 1 : 2;
}

nlohmann::json action(int32_t control, const std::string& profileKey, int variant) {
    return {{"ActionType", variant % 2 == 0 ? "keypress" : "typetext"},
            {"AppContextConfig", ""},
            {"AppWindowName", ""},
            {"Command", ""},
            {"CommandArgs", ""},
            {"Comment", "binding " + std::to_string(variant)},
            {"DelayRepeat", 1000},
            {"KeyCode", "KEY_F5"},
            {"MacroToRun", ""},
            {"MouseButton", controlNameFromIndex(control)},
            {"Profile", profileKey},
            {"Repeat", 10},
            {"StartDelay", 0},
            {"SwitchToProfile", ""},
            {"TextToWrite", "text to type for " + std::to_string(variant)},
            {"Toggle", false},
            {"UseAlt", false},
            {"UseCtrl", true},
            {"UseShift", false},
            {"UseSpecial", false}};
}

nlohmann::json profile(int index) {
    const int32_t model = modelOf(index);
    const std::string key = LargePreferenceFiles::profileKey(index);
    nlohmann::json actions = nlohmann::json::array();
    for (const int32_t control : modelControlList(model)) {
        actions.push_back(action(control, key, index + control));
    }
    return {{"DeviceType", "whirlen"},
            {"DeviceModel", deviceModelName(model)},
            {"Comment", ""},
            {"Name", "Profile " + std::to_string(index)},
            {"Settings", {{"Comment", ""}, {"AppSpecificActive", true}}},
            {"Actions", std::move(actions)}};
}

nlohmann::json macro(int index) {
    nlohmann::json groups = nlohmann::json::array();
    for (int g = 1; g <= kGroupsPerMacro; ++g) {
        nlohmann::json steps = nlohmann::json::array();
        for (int s = 0; s < kStepsPerGroup; ++s) {
            steps.push_back(action(60, "", s));
        }
        groups.push_back({{"DeviceType", "all"},
                          {"DeviceModel", "all"},
                          {"Comment", ""},
                          {"MacroGroupID", g},
                          {"Actions", std::move(steps)}});
    }
    return {{"DeviceType", "all"},
            {"DeviceModel", "all"},
            {"Comment", ""},
            {"Name", "Macro " + std::to_string(index)},
            {"MacroGroups", std::move(groups)}};
}

}  // namespace

LargePreferenceFiles::LargePreferenceFiles(int profiles) {
    std::string pattern = (std::filesystem::temp_directory_path() / "prefs-bench-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    paths_ = {folder_ + "/pelvane_default.json", folder_ + "/pelvane_profile_bind.json",
              folder_ + "/pelvane_default_backup.json"};
    text_ = document(profiles).dump(2);
    std::ofstream(paths_.defaultFile, std::ios::binary) << text_;
    std::ofstream(paths_.profileBindFile) << R"({"ProfileBind":[]})";
    std::ofstream(paths_.backupFile) << R"({"MajorVersion":1,"MinorVersion":1,"Comment":""})";
}

LargePreferenceFiles::~LargePreferenceFiles() {
    std::filesystem::remove_all(folder_);
}

nlohmann::json LargePreferenceFiles::document(int profiles) {
    nlohmann::json document = {{"MajorVersion", 1}, {"MinorVersion", 1}, {"Comment", "bench"}};
    for (int i = 0; i < kContexts; ++i) {
        const std::string n = std::to_string(i);
        document["AppContextConfigurations"].push_back(
            {{"ConfigName", "Application " + n},
             {"ProgramContextPath", "C:\\Programs\\App" + n + "\\app" + n + ".exe"}});
    }
    for (int i = 0; i < kMacros; ++i) {
        document["Macros"].push_back(macro(i));
    }
    for (int i = 0; i < profiles; ++i) {
        document["ProfilesPreferences"].push_back(profile(i));
    }
    return document;
}

std::string LargePreferenceFiles::profileKey(int index) {
    return "Profile##whirlen#" + deviceModelName(modelOf(index)) + "#Profile " +
           std::to_string(index);
}
