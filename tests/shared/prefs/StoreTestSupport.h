#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "shared/prefs/PreferencesStore.h"
#include "shared/prefs/PreferencesUpdateSubscriber.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

// A store on files of its own temporary folder, with a copy of the shipped
// backup file as its backup.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = folder_.path();
        paths_ = {file("pelvane_default.json"), file("pelvane_profile_bind.json"),
                  file("pelvane_default_backup.json")};
        std::filesystem::copy_file(WHIRLEN_BACKUP_PREFERENCES_FILE, paths_.backupFile);
    }

    void TearDown() override {
        store_.reset();
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all);
    }

    std::string file(const std::string& name) const { return folder_.file(name); }

    static void write(const std::string& path, const std::string& text) {
        writeFileBytes(path, text);
    }

    static std::string read(const std::string& path) { return readFileBytes(path); }

    static nlohmann::json readJson(const std::string& path) {
        return nlohmann::json::parse(read(path), nullptr, false);
    }

    PreferencesStore& store() {
        if (!store_) {
            store_ = std::make_unique<PreferencesStore>(paths_);
        }
        return *store_;
    }

    // A second process's view of the same files.
    PreferencesStore& freshStore() {
        store_.reset();
        return store();
    }

    // What the log printed while fn ran.
    static std::string logOf(const std::function<void()>& fn) {
        ::testing::internal::CaptureStdout();
        fn();
        return ::testing::internal::GetCapturedStdout();
    }

    TemporaryFolder folder_{"prefs-store"};
    std::filesystem::path root_;
    PreferencesStorePaths paths_;
    std::unique_ptr<PreferencesStore> store_;
};

class CountingSubscriber : public PreferencesUpdateSubscriber {
public:
    void onPreferencesUpdated() override { ++count; }
    void onPreferencesNotSaved(const SaveResult& failure) override { notSaved.push_back(failure); }
    std::atomic<int> count{0};
    // The failed saves told of, on the thread that edits.
    std::vector<SaveResult> notSaved;
};

// Writes a file of at most limit bytes, as on a full disk; root is not held
// back by permissions, but by this.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// The members that every written action has, with the values of a fresh one,
// so that a test names only what it sets.
inline nlohmann::json actionJson(const nlohmann::json& members) {
    nlohmann::json action = {
        {"ActionType", "disabled"},
        {"AppContextConfig", ""},
        {"AppWindowName", ""},
        {"Command", ""},
        {"CommandArgs", ""},
        {"Comment", ""},
        {"DelayRepeat", 0},
        {"KeyCode", ""},
        {"MacroToRun", ""},
        {"MouseButton", ""},
        {"Profile", ""},
        {"Repeat", 1},
        {"StartDelay", -1},
        {"SwitchToProfile", ""},
        {"TextToWrite", ""},
        {"Toggle", false},
        {"UseAlt", false},
        {"UseCtrl", false},
        {"UseShift", false},
        {"UseSpecial", false},
    };
    action.update(members);
    return action;
}

inline nlohmann::json profileJson(const std::string& model, const std::string& name,
                                  nlohmann::json actions = nlohmann::json::array()) {
    return {{"DeviceType", "whirlen"},
            {"DeviceModel", model},
            {"Comment", ""},
            {"Name", name},
            {"Settings", {{"Comment", ""}, {"AppSpecificActive", true}}},
            {"Actions", std::move(actions)}};
}

inline std::string profileKey(const std::string& model, const std::string& name) {
    return "Profile##whirlen#" + model + "#" + name;
}

inline nlohmann::json documentJson(nlohmann::json profiles,
                                   nlohmann::json macros = nlohmann::json::array(),
                                   nlohmann::json contexts = nlohmann::json::array()) {
    return {{"MajorVersion", 1},
            {"MinorVersion", 1},
            {"Comment", ""},
            {"ProfilesPreferences", std::move(profiles)},
            {"Macros", std::move(macros)},
            {"AppContextConfigurations", std::move(contexts)}};
}
