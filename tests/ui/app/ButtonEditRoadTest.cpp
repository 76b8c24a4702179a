// The road of an edit between the configuration program and the agent program, both
// ways: a key picked for button 1 is saved, the agent reloads, and the next press of the
// button types it in an application on a private X server; a press that switches the
// controller's profile makes the agent tell the program, whose device entry then shows
// the new profile's bindings.

#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "shared/prefs/PreferencesStore.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FakeDeviceTree.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/XClient.h"
#include "tests/support/XvfbServer.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/ButtonController.h"
#include "ui/app/DeviceDescriptor.h"
#include "ui/app/DevicesManager.h"
#include "ui/app/IPCManager.h"

// Only the keysyms: Xlib's other macros (None, Bool...) clash with names here.
#include <X11/keysym.h>

namespace {

using nlohmann::json;
using Report = std::array<uint8_t, 8>;

constexpr uint32_t kVendor = 0x0F1E;
constexpr uint32_t kMaxProduct = 0x30;
constexpr const char* kSettingsFolder = "PelvaneDesignMediaControllerSoftware";
// Xlib's event types.
constexpr int kKeyPress = 2;
constexpr int kKeyRelease = 3;
constexpr int kPatienceMs = 30000;

const std::string kDefaultProfile = "Profile##whirlen#whirlenmax#default";
const std::string kOtherProfile = "Profile##whirlen#whirlenmax#Other";

json keystroke(const std::string& control, const std::string& key, const std::string& profile,
               bool ctrl) {
    return {{"MouseButton", control}, {"ActionType", "keypress"}, {"KeyCode", key},
            {"UseCtrl", ctrl},        {"StartDelay", 0},          {"Repeat", -1},
            {"Profile", profile}};
}

json profile(const std::string& name, json actions) {
    return {{"DeviceType", "whirlen"},
            {"DeviceModel", "whirlenmax"},
            {"Comment", ""},
            {"Name", name},
            {"Settings", json::object()},
            {"Actions", actions}};
}

// Button 1 types Ctrl+A and button 2 switches to "Other", whose button 1 types C.
json preferences() {
    const json toOther = {{"MouseButton", "DeviceButton_2"},
                          {"ActionType", "Switch_To_Profile"},
                          {"SwitchToProfile", kOtherProfile}};
    return {{"MajorVersion", 1},
            {"MinorVersion", 1},
            {"Comment", ""},
            {"AppContextConfigurations", json::array()},
            {"Macros", json::array()},
            {"ProfilesPreferences",
             {profile("default",
                      {keystroke("DeviceButton_1", "KEY_A", kDefaultProfile, true), toOther}),
              profile("Other", {keystroke("DeviceButton_1", "KEY_C", kOtherProfile, false)})}}};
}

Report buttons(uint16_t pressed) {
    return {0, 0, 0, 0, static_cast<uint8_t>(pressed), static_cast<uint8_t>(pressed >> 8), 0, 0};
}

// Asks the agent for its devices on a connection of its own. The agent handles frames in
// the order they come, so an answer also means that everything sent before was handled.
bool agentAnswers() {
    const int socket = ipctest::connectRaw();
    if (socket < 0) {
        return false;
    }
    IPCResponseConnectedDevices list;
    const auto answer =
        ipctest::sendRaw(socket, IPCMessage(IPCMessageType::RequestDevices).serialize())
            ? ipctest::readFrames(socket, 1)
            : std::vector<IPCFrame>{};
    ::close(socket);
    return !answer.empty() && list.deserialize(answer[0].data(), answer[0].size()) &&
           list.devices().size() == 1;
}

}  // namespace

class ButtonEditRoadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<XvfbServer> xserver_;
    std::optional<XClient> client_;
    std::unique_ptr<FakeDeviceTree> tree_;
    std::unique_ptr<TemporaryFolder> runtime_;
    std::unique_ptr<TemporaryFolder> data_;
    std::unique_ptr<ScopedEnvironment> environment_;
    std::unique_ptr<ChildProcess> agent_;
    std::unique_ptr<PreferencesStore> store_;
    std::shared_ptr<DevicesManager> devices_;
    std::shared_ptr<IPCManager> ipc_;
    int node_ = -1;

    std::string settingsFile(const std::string& name) const {
        return data_->file(kSettingsFolder) + "/" + name;
    }

    // One report at a time, each taken before the next is written: the node is a FIFO,
    // where reports written together would be read as one.
    std::vector<SeenInput> write(uint16_t pressed, size_t expected) {
        const Report report = buttons(pressed);
        if (::write(node_, report.data(), report.size()) != static_cast<ssize_t>(report.size())) {
            return {};
        }
        return client_->take(expected);
    }

    // Whether the report makes the application see exactly that one key event.
    bool writeAndSee(uint16_t pressed, int type, unsigned long keysym) {
        return write(pressed, 1) == std::vector<SeenInput>{SeenInput{type, keysym, 0}};
    }

    std::shared_ptr<DeviceDescriptor> device() const {
        const DevicesManager::Descriptors connected = devices_->connectedDevices();
        return connected.empty() ? nullptr : connected.front();
    }

    ActionPreference buttonOne() const {
        const ControlActionMap actions = device()->configurationFor("");
        const auto found = actions.find(0);
        return found == actions.end() ? ActionPreference() : found->second;
    }

    std::string savedKeyOfButtonOne() const {
        const json saved =
            json::parse(readFileBytes(settingsFile("pelvane_default.json")), nullptr, false);
        for (const json& profile : saved["ProfilesPreferences"]) {
            for (const json& action : profile["Actions"]) {
                if (profile["Name"] == "default" && action["MouseButton"] == "DeviceButton_1") {
                    return action["KeyCode"].get<std::string>();
                }
            }
        }
        return {};
    }

private slots:
    void init() {
        xserver_ = std::make_unique<XvfbServer>();
        QVERIFY2(xserver_->running(), "Xvfb is needed; scripts/install-deps installs it");
        client_.emplace(xserver_->display());
        QVERIFY(client_->ready());
        tree_ = std::make_unique<FakeDeviceTree>();
        QVERIFY(tree_->addHidraw(0, kVendor, kMaxProduct, 1, "2"));
        runtime_ = std::make_unique<TemporaryFolder>("edit-road-runtime");
        data_ = std::make_unique<TemporaryFolder>("edit-road-data");
        std::filesystem::create_directories(data_->file(kSettingsFolder));
        writeFileBytes(settingsFile("pelvane_default.json"), preferences().dump());
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
        QVERIFY(agent_->start({WHIRLEN_AGENT_PROGRAM}));
        QVERIFY(waitUntil(agentAnswers, std::chrono::seconds(60)));
        node_ = ::open(tree_->nodePath(0).c_str(), O_WRONLY | O_CLOEXEC);
        QVERIFY(node_ >= 0);

        store_ = std::make_unique<PreferencesStore>(PreferencesStorePaths{
            settingsFile("pelvane_default.json"), settingsFile("pelvane_profile_bind.json"),
            WHIRLEN_BACKUP_PREFERENCES_FILE});
        store_->load();
        devices_ = std::make_shared<DevicesManager>(*store_);
        ipc_ = std::make_shared<IPCManager>(devices_, *store_);
        devices_->start(*ipc_);
        QVERIFY(ipc_->start());
        QTRY_VERIFY_WITH_TIMEOUT(device() != nullptr, kPatienceMs);
        // The agent handles frames in order: its answer means the reload that the link's
        // announcement asks for is behind it, and no press meets it half done.
        QVERIFY(agentAnswers());
    }

    void cleanup() {
        if (ipc_) {
            ipc_->stop();
        }
        ipc_.reset();
        devices_.reset();
        store_.reset();
        if (node_ >= 0) {
            ::close(node_);
            node_ = -1;
        }
        agent_.reset();
        environment_.reset();
        data_.reset();
        runtime_.reset();
        tree_.reset();
        client_.reset();
        xserver_.reset();
    }

    void aKeyPickedForButtonOneIsTypedAtTheNextPress() {
        ButtonController controller(*store_, ipc_);
        controller.setAction(buttonOne());
        QCOMPARE(controller.getPressKey(), int('A'));
        controller.prepareForButtonEdit();
        controller.setEditModifierStatus(ButtonController::ModifierType_Control, false);
        controller.setEditPressKey('B');
        controller.applyEditSettings();

        QCOMPARE(savedKeyOfButtonOne(), std::string("KEY_B"));
        QVERIFY(agentAnswers());
        QVERIFY(writeAndSee(0x0001, kKeyPress, XK_b));
        QVERIFY(writeAndSee(0x0000, kKeyRelease, XK_b));
    }

    void aProfileSwitchOnTheDeviceRebuildsItsEntry() {
        QCOMPARE(buttonOne().profile(), kDefaultProfile);
        write(0x0002, 0);
        QTRY_VERIFY_WITH_TIMEOUT(buttonOne().profile() == kOtherProfile, kPatienceMs);
        QCOMPARE(buttonOne().keyCode(), int64_t('C'));
        // Button 2 up and button 1 down in one report; the agent types with the new
        // profile too.
        QVERIFY(writeAndSee(0x0001, kKeyPress, XK_c));
        QVERIFY(writeAndSee(0x0000, kKeyRelease, XK_c));
    }
};

WHIRLEN_QT_TEST_MAIN(ButtonEditRoadTest)
#include "ButtonEditRoadTest.moc"
