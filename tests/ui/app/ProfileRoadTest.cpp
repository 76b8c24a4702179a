// Profiles between the window's view models and the agent program on a made-up Whirlen Max:
// a profile made active in the window is the one whose bindings the next press runs, edits
// after the switch land in it, and a switch made on the device moves the window's selection,
// on the main thread.

#include <QSignalSpy>
#include <QTest>
#include <QThread>

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
#include "shared/prefs/Paths.h"
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
#include "ui/app/ApplicationController.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/IPCManager.h"

// Only the keysyms: Xlib's other macros (None, Bool...) clash with names here.
#include <X11/keysym.h>

namespace {

using nlohmann::json;

constexpr uint32_t kVendor = 0x0F1E;
constexpr uint32_t kMaxProduct = 0x30;
constexpr const char* kSettingsFolder = "PelvaneDesignMediaControllerSoftware";
// Xlib's event types.
constexpr int kKeyPress = 2;
constexpr int kKeyRelease = 3;
constexpr int kPatienceMs = 30000;

const QString kDefaultProfile = "Profile##whirlen#whirlenmax#default";
const QString kOtherProfile = "Profile##whirlen#whirlenmax#Other";

json keystroke(const std::string& control, const std::string& key, const QString& profile) {
    return {{"MouseButton", control}, {"ActionType", "keypress"},
            {"KeyCode", key},         {"StartDelay", 0},
            {"Repeat", -1},           {"Profile", profile.toStdString()}};
}

json profile(const std::string& name, json actions) {
    return {{"DeviceType", "whirlen"},
            {"DeviceModel", "whirlenmax"},
            {"Comment", ""},
            {"Name", name},
            {"Settings", json::object()},
            {"Actions", actions}};
}

// Button 1 types A and button 2 switches to "Other", whose button 1 types C.
json preferences() {
    const json toOther = {{"MouseButton", "DeviceButton_2"},
                          {"ActionType", "Switch_To_Profile"},
                          {"SwitchToProfile", kOtherProfile.toStdString()}};
    return {{"MajorVersion", 1},
            {"MinorVersion", 1},
            {"Comment", ""},
            {"AppContextConfigurations", json::array()},
            {"Macros", json::array()},
            {"ProfilesPreferences",
             {profile("default", {keystroke("DeviceButton_1", "KEY_A", kDefaultProfile), toOther}),
              profile("Other", {keystroke("DeviceButton_1", "KEY_C", kOtherProfile)})}}};
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

class ProfileRoadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<XvfbServer> xserver_;
    std::optional<XClient> client_;
    std::unique_ptr<FakeDeviceTree> tree_;
    std::unique_ptr<TemporaryFolder> runtime_;
    std::unique_ptr<TemporaryFolder> data_;
    std::unique_ptr<ScopedEnvironment> environment_;
    std::unique_ptr<ChildProcess> agent_;
    std::unique_ptr<ApplicationManager> manager_;
    std::unique_ptr<ApplicationController> controller_;
    int node_ = -1;

    DeviceController* selected() const { return controller_->selectedDeviceController(); }

    // One report at a time, each taken before the next is written: the node is a FIFO,
    // where reports written together would be read as one.
    bool writeAndSee(uint16_t pressed, std::vector<SeenInput> expected) {
        const std::array<uint8_t, 8> report = {
            0, 0, 0, 0, static_cast<uint8_t>(pressed), static_cast<uint8_t>(pressed >> 8), 0, 0};
        if (::write(node_, report.data(), report.size()) != static_cast<ssize_t>(report.size())) {
            return false;
        }
        return client_->take(expected.size()) == expected;
    }

    bool pressAndSee(uint16_t button, unsigned long keysym) {
        return writeAndSee(button, {SeenInput{kKeyPress, keysym, 0}}) &&
               writeAndSee(0, {SeenInput{kKeyRelease, keysym, 0}});
    }

private slots:
    void init() {
        xserver_ = std::make_unique<XvfbServer>();
        QVERIFY2(xserver_->running(), "Xvfb is needed; scripts/install-deps installs it");
        client_.emplace(xserver_->display());
        QVERIFY(client_->ready());
        tree_ = std::make_unique<FakeDeviceTree>();
        QVERIFY(tree_->addHidraw(0, kVendor, kMaxProduct, 1, "2"));
        runtime_ = std::make_unique<TemporaryFolder>("profile-road-runtime");
        data_ = std::make_unique<TemporaryFolder>("profile-road-data");
        const std::string folder = data_->file(kSettingsFolder);
        std::filesystem::create_directories(folder);
        writeFileBytes(folder + "/pelvane_default.json", preferences().dump());
        writeFileBytes(folder + "/pelvane_profile_bind.json", R"({"ProfileBind":[]})");

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

        manager_ = std::make_unique<ApplicationManager>();
        manager_->preferencesStore().reload(false);
        manager_->ipcManager()->setReconnectDelay(std::chrono::milliseconds(50));
        controller_ = std::make_unique<ApplicationController>(*manager_);
        manager_->start();
        // The device reported within the first seconds takes the selection.
        QTRY_VERIFY_WITH_TIMEOUT(selected() != nullptr && !selected()->isConfiguration() &&
                                     selected()->selectedProfileKey() == kDefaultProfile,
                                 kPatienceMs);
        // The agent handles frames in order: its answer means the program's announcement,
        // and the reload it asks for, are behind it.
        QVERIFY(agentAnswers());
    }

    void cleanup() {
        controller_.reset();
        manager_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

    void theNextPressFollowsTheProfileMadeActiveAndItsEdits() {
        QVERIFY(pressAndSee(0x0001, XK_a));

        controller_->setActiveProfile(kOtherProfile);
        QCOMPARE(selected()->selectedProfileKey(), kOtherProfile);
        QVERIFY(agentAnswers());
        QVERIFY(pressAndSee(0x0001, XK_c));

        ButtonController* button = selected()->selectedProfileController()->button(0);
        QVERIFY(button != nullptr);
        button->prepareForButtonEdit();
        button->setEditPressKey('D');
        button->applyEditSettings();
        QVERIFY(agentAnswers());
        QVERIFY(pressAndSee(0x0001, XK_d));

        controller_->setActiveProfile(kDefaultProfile);
        QVERIFY(agentAnswers());
        QVERIFY(pressAndSee(0x0001, XK_a));
    }

    void aSwitchOnTheDeviceMovesTheSelectedProfileOnTheMainThread() {
        bool offMainThread = false;
        connect(
            selected(), &DeviceController::selectedProfileControllerChanged, this,
            [&] { offMainThread |= QThread::currentThread() != thread(); }, Qt::DirectConnection);

        // Pressed and held: a release written at once would be read with the press as one.
        QVERIFY(writeAndSee(0x0002, {}));

        QTRY_COMPARE_WITH_TIMEOUT(selected()->selectedProfileKey(), kOtherProfile, kPatienceMs);
        QVERIFY(!offMainThread);
        QTRY_COMPARE(selected()->selectedProfileController()->button(0)->getPressKey(), int('C'));
    }
};

WHIRLEN_QT_TEST_MAIN(ProfileRoadTest)
#include "ProfileRoadTest.moc"
