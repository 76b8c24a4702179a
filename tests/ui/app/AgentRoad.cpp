#include "tests/ui/app/AgentRoad.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <iostream>

#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FakeDeviceTree.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/XvfbServer.h"

using nlohmann::json;

namespace {

constexpr uint32_t kVendor = 0x0F1E;
constexpr uint32_t kMaxProduct = 0x30;
constexpr const char* kSettingsFolder = "PelvaneDesignMediaControllerSoftware";

bool fail(const char* what) {
    std::cerr << "AgentRoad: " << what << "\n";
    return false;
}

}  // namespace

AgentRoad::AgentRoad() = default;

AgentRoad::~AgentRoad() {
    if (node_ >= 0) {
        ::close(node_);
    }
    // The members go in reverse order: the agent before the folders and the X server.
}

bool AgentRoad::start(const json& preferences) {
    xserver_ = std::make_unique<XvfbServer>();
    if (!xserver_->running()) {
        return fail("Xvfb is needed; scripts/install-deps installs it");
    }
    client_.emplace(xserver_->display());
    tree_ = std::make_unique<FakeDeviceTree>();
    if (!client_->ready() || !tree_->addHidraw(0, kVendor, kMaxProduct, 1, "2")) {
        return fail("no X client or device tree");
    }
    runtime_ = std::make_unique<TemporaryFolder>("agent-road-runtime");
    data_ = std::make_unique<TemporaryFolder>("agent-road-data");
    std::filesystem::create_directories(data_->file(kSettingsFolder));
    writeFileBytes(settingsFile("pelvane_default.json"), preferences.dump());
    writeFileBytes(settingsFile("pelvane_profile_bind.json"), R"({"ProfileBind":[]})");

    environment_ = std::make_unique<ScopedEnvironment>();
    environment_->set("XDG_RUNTIME_DIR", runtime_->path().string());
    environment_->set("XDG_DATA_HOME", data_->path().string());
    environment_->set("WHIRLEN_SYSFS_ROOT", tree_->sysfsRoot());
    environment_->set("WHIRLEN_DEV_ROOT", tree_->devRoot());
    environment_->set("WHIRLEN_INPUT", "xtest");
    environment_->set("DISPLAY", xserver_->display());
    environment_->set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtime_->file("no-bus"));
    agent_ = std::make_unique<ChildProcess>();
    if (!agent_->start({WHIRLEN_AGENT_PROGRAM}) ||
        !waitUntil(agentAnswers, std::chrono::seconds(60))) {
        return fail("the agent did not answer");
    }
    node_ = ::open(tree_->nodePath(0).c_str(), O_WRONLY | O_CLOEXEC);
    return node_ >= 0 || fail("the device node does not open");
}

std::string AgentRoad::settingsFile(const std::string& name) const {
    return data_->file(kSettingsFolder) + "/" + name;
}

std::vector<SeenInput> AgentRoad::write(uint16_t pressed, size_t expected) {
    const std::array<uint8_t, 8> report = {
        0, 0, 0, 0, static_cast<uint8_t>(pressed), static_cast<uint8_t>(pressed >> 8), 0, 0};
    if (::write(node_, report.data(), report.size()) != static_cast<ssize_t>(report.size())) {
        return {};
    }
    return client_->take(expected);
}

bool AgentRoad::writeAndSee(uint16_t pressed, const std::vector<SeenInput>& expected) {
    return write(pressed, expected.size()) == expected;
}

bool AgentRoad::pressAndSee(uint16_t button, unsigned long keysym) {
    return writeAndSee(button, {SeenInput{kKeyPress, keysym, 0}}) &&
           writeAndSee(0, {SeenInput{kKeyRelease, keysym, 0}});
}

bool AgentRoad::agentAnswers() {
    return ipctest::agentAnswersWith(1);
}

json AgentRoad::keystroke(const std::string& control, const std::string& key,
                          const std::string& profile, bool ctrl) {
    return {{"MouseButton", control}, {"ActionType", "keypress"}, {"KeyCode", key},
            {"UseCtrl", ctrl},        {"StartDelay", 0},          {"Repeat", -1},
            {"Profile", profile}};
}

json AgentRoad::maxProfile(const std::string& name, json actions) {
    return {{"DeviceType", "whirlen"},
            {"DeviceModel", "whirlenmax"},
            {"Comment", ""},
            {"Name", name},
            {"Settings", json::object()},
            {"Actions", actions}};
}

json AgentRoad::twoProfiles(bool ctrlOnA) {
    const json toOther = {{"MouseButton", "DeviceButton_2"},
                          {"ActionType", "Switch_To_Profile"},
                          {"SwitchToProfile", kOtherProfile}};
    return {{"MajorVersion", 1},
            {"MinorVersion", 1},
            {"Comment", ""},
            {"AppContextConfigurations", json::array()},
            {"Macros", json::array()},
            {"ProfilesPreferences",
             {maxProfile("default",
                         {keystroke("DeviceButton_1", "KEY_A", kDefaultProfile, ctrlOnA), toOther}),
              maxProfile("Other", {keystroke("DeviceButton_1", "KEY_C", kOtherProfile)})}}};
}
