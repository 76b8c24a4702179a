// Load and save of a large preference file through the store, beside a plain
// parse and dump of the same bytes: the store's own work (validation, the
// model objects, the atomic write) should stay within twice the plain cost.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "shared/prefs/JsonText.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/PreferencesStore.h"

namespace {

constexpr int kProfiles = 200;
constexpr int kMacros = 100;
constexpr int kGroupsPerMacro = 10;
constexpr int kStepsPerGroup = 10;
constexpr int kContexts = 100;

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
    const int32_t model = index % 2 == 0 ? 1 : 2;
    const std::string name = "Profile " + std::to_string(index);
    const std::string key = "Profile##whirlen#" + deviceModelName(model) + "#" + name;
    nlohmann::json actions = nlohmann::json::array();
    for (const int32_t control : modelControlList(model)) {
        actions.push_back(action(control, key, index + control));
    }
    return {{"DeviceType", "whirlen"},
            {"DeviceModel", deviceModelName(model)},
            {"Comment", ""},
            {"Name", name},
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

nlohmann::json largeDocument() {
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
    for (int i = 0; i < kProfiles; ++i) {
        document["ProfilesPreferences"].push_back(profile(i));
    }
    return document;
}

// The large file on disk, a store on it, and its bytes in memory.
struct Setup {
    Setup() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "prefs-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        paths = {folder + "/pelvane_default.json", folder + "/pelvane_profile_bind.json",
                 folder + "/pelvane_default_backup.json"};
        text = largeDocument().dump(2);
        std::ofstream(paths.defaultFile, std::ios::binary) << text;
        std::ofstream(paths.profileBindFile) << R"({"ProfileBind":[]})";
        std::ofstream(paths.backupFile) << R"({"MajorVersion":1,"MinorVersion":1,"Comment":""})";
    }
    ~Setup() { std::filesystem::remove_all(folder); }

    std::string folder;
    PreferencesStorePaths paths;
    std::string text;
};

Setup& setup() {
    static Setup instance;
    return instance;
}

PreferencesStore& loadedStore() {
    static PreferencesStore store(setup().paths);
    static const bool loaded = (store.load(), true);
    benchmark::DoNotOptimize(loaded);
    return store;
}

void BM_PlainParse(benchmark::State& state) {
    const std::string& text = setup().text;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nlohmann::json::parse(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_PlainDump(benchmark::State& state) {
    const nlohmann::json document = nlohmann::json::parse(setup().text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(document.dump(2));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * setup().text.size()));
}

void BM_StoreLoad(benchmark::State& state) {
    PreferencesStore& store = loadedStore();
    for (auto _ : state) {
        store.reload(false);
        store.load();
    }
    state.counters["profiles"] = static_cast<double>(store.profiles().size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * setup().text.size()));
}

void BM_StoreSave(benchmark::State& state) {
    PreferencesStore& store = loadedStore();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.save());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * setup().text.size()));
}

// The save without the file: the text that it writes.
void BM_StoreText(benchmark::State& state) {
    PreferencesStore& store = loadedStore();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.defaultFileText());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * setup().text.size()));
}

void BM_BuildDeviceConfiguration(benchmark::State& state) {
    PreferencesStore& store = loadedStore();
    const auto profile = store.profiles().at("Profile##whirlen#whirlenmax#Profile 0");
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.buildDeviceConfiguration(profile));
    }
}

BENCHMARK(BM_PlainParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildDeviceConfiguration)->Unit(benchmark::kMicrosecond);

}  // namespace
