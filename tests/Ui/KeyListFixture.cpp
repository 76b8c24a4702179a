#include "tests/Ui/KeyListFixture.h"

#include <filesystem>

#include <nlohmann/json.hpp>

#include "tests/support/TestFiles.h"

namespace {

const char* const kProfileKey = "Profile##whirlen#whirlenmax#Work";

nlohmann::json document() {
    const nlohmann::json action = {{"MouseButton", "DeviceButton_1"},
                                   {"ActionType", "keypress"},
                                   {"Profile", kProfileKey},
                                   {"KeyCode", "KEY_A"}};
    const nlohmann::json profile = {
        {"DeviceType", "whirlen"}, {"DeviceModel", "whirlenmax"},          {"Comment", ""},
        {"Name", "Work"},          {"Settings", nlohmann::json::object()}, {"Actions", {action}}};
    return {{"MajorVersion", 1},
            {"MinorVersion", 1},
            {"Comment", ""},
            {"AppContextConfigurations", nlohmann::json::array()},
            {"Macros", nlohmann::json::array()},
            {"ProfilesPreferences", {profile}}};
}

}  // namespace

KeyListFixture::KeyListFixture() {
    paths_ = {folder_.file("pelvane_default.json"), folder_.file("pelvane_profile_bind.json"),
              folder_.file("pelvane_default_backup.json")};
    writeFileBytes(paths_.defaultFile, document().dump());
    writeFileBytes(paths_.profileBindFile, R"({"ProfileBind":[]})");
    std::filesystem::copy_file(WHIRLEN_BACKUP_PREFERENCES_FILE, paths_.backupFile);
    store_ = std::make_unique<PreferencesStore>(paths_);
    store_->load();
    button_ = std::make_unique<ButtonController>(*store_, std::weak_ptr<IPCManager>{});
    button_->setAction(store_->profiles().at(kProfileKey)->findAction("", 0).value());
}

KeyListFixture::~KeyListFixture() = default;

QString KeyListFixture::savedKeyName() const {
    const auto json = nlohmann::json::parse(readFileBytes(paths_.defaultFile), nullptr, false);
    for (const auto& profile : json["ProfilesPreferences"]) {
        for (const auto& action : profile["Actions"]) {
            if (action["MouseButton"] == "DeviceButton_1" &&
                action.value("AppContextConfig", "").empty()) {
                return QString::fromStdString(action.value("KeyCode", ""));
            }
        }
    }
    return {};
}

int KeyListFixture::reloadedPressKey() const {
    PreferencesStore reread(paths_);
    reread.load();
    ButtonController shown(reread, {});
    shown.setAction(reread.profiles().at(kProfileKey)->findAction("", 0).value());
    return shown.getPressKey();
}
