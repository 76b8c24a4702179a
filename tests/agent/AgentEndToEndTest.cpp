// The agent program from a controller's reports to what an application sees: a made-up
// controller in a made-up device tree, the agent synthesising through XTest on a private X
// server, and an X client with the focus.

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/shared/prefs/StoreTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/FakeDeviceTree.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/XClient.h"
#include "tests/support/XvfbServer.h"

// Last: Xlib's macros (None, Bool...) would break the test framework's headers.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {

using namespace std::chrono_literals;
using nlohmann::json;
using Report = std::array<uint8_t, 8>;

constexpr uint32_t kVendor = 0x0F1E;
constexpr uint32_t kMaxProduct = 0x30;
constexpr const char* kSettingsFolder = "PelvaneDesignMediaControllerSoftware";

// Button 1 holds Ctrl+A while it is held; the dial scrolls.
json preferences() {
    const json chord = actionJson({{"ActionType", "keypress"},
                                   {"KeyCode", "KEY_A"},
                                   {"UseCtrl", true},
                                   {"MouseButton", "DeviceButton_1"},
                                   {"StartDelay", 0},
                                   {"Repeat", -1}});
    const json left =
        actionJson({{"ActionType", "scroll_down"}, {"MouseButton", "DeviceDialLeft"}});
    const json right =
        actionJson({{"ActionType", "scroll_up"}, {"MouseButton", "DeviceDialRight"}});
    return documentJson({profileJson("whirlenmax", "default", {chord, left, right})});
}

json typeW() {
    return actionJson({{"ActionType", "keypress"},
                       {"KeyCode", "KEY_W"},
                       {"MouseButton", "DeviceButton_1"},
                       {"StartDelay", 0},
                       {"Repeat", -1}});
}

// Button 1 locks the click (each press toggles it) and button 2 switches to "Work", where
// button 1 types W.
json clickLockPreferences() {
    const json lock = actionJson({{"ActionType", "click_lock"},
                                  {"MouseButton", "DeviceButton_1"},
                                  {"StartDelay", 0},
                                  {"Repeat", 1}});
    const json toWork = actionJson({{"ActionType", "Switch_To_Profile"},
                                    {"MouseButton", "DeviceButton_2"},
                                    {"SwitchToProfile", profileKey("whirlenmax", "Work")}});
    return documentJson({profileJson("whirlenmax", "default", {lock, toWork}),
                         profileJson("whirlenmax", "Work", {typeW()})});
}

Report report(uint8_t dial, uint16_t buttons) {
    return {0, 0, dial, 0, static_cast<uint8_t>(buttons), static_cast<uint8_t>(buttons >> 8), 0, 0};
}

class AgentEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(xserver.running()) << "Xvfb is needed; scripts/install-deps installs it";
        client.emplace(xserver.display());
        ASSERT_TRUE(client->ready());
        ASSERT_TRUE(tree.addHidraw(0, kVendor, kMaxProduct, 1, "2"));
        std::filesystem::create_directories(data.file(kSettingsFolder));
        writePreferences(preferences());
        writeFileBytes(settingsFile("pelvane_profile_bind.json"), R"({"ProfileBind":[]})");

        environment.set("XDG_RUNTIME_DIR", runtime.path().string());
        environment.set("XDG_DATA_HOME", data.path().string());
        environment.set("WHIRLEN_SYSFS_ROOT", tree.sysfsRoot());
        environment.set("WHIRLEN_DEV_ROOT", tree.devRoot());
        environment.set("WHIRLEN_INPUT", "xtest");
        environment.set("DISPLAY", xserver.display());
        // No tray: the agent runs on without one.
        environment.set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtime.file("no-bus"));
        ASSERT_TRUE(agent.start({WHIRLEN_AGENT_PROGRAM}));
        ASSERT_TRUE(waitUntilBound());
        node = open(tree.nodePath(0).c_str(), O_WRONLY | O_CLOEXEC);
        ASSERT_GE(node, 0);
    }
    void TearDown() override {
        if (node >= 0) {
            close(node);
        }
        agent.stop();
    }

    std::string settingsFile(const std::string& name) const {
        return data.file(kSettingsFolder) + "/" + name;
    }
    void writePreferences(const json& document) {
        writeFileBytes(settingsFile("pelvane_default.json"), document.dump());
    }

    // Frames are handled in order, so once the device list that follows a reload comes back
    // the controller is open and bound from the file.
    bool waitUntilBound() {
        return waitUntil(
            [] {
                const int socket = ipctest::connectRaw();
                if (socket < 0) {
                    return false;
                }
                IPCPrefsUpdateMessage reload;
                reload.setText("{}");
                std::vector<uint8_t> frames = reload.serialize();
                const std::vector<uint8_t> request =
                    IPCMessage(IPCMessageType::RequestDevices).serialize();
                frames.insert(frames.end(), request.begin(), request.end());
                IPCResponseConnectedDevices list;
                const auto answer = ipctest::sendRaw(socket, frames)
                                        ? ipctest::readFrames(socket, 1)
                                        : std::vector<IPCFrame>{};
                close(socket);
                return !answer.empty() && list.deserialize(answer[0].data(), answer[0].size()) &&
                       list.devices().size() == 1;
            },
            std::chrono::seconds(60));
    }

    // One report at a time: the node is a FIFO, where reports written together would be
    // read as one. So each waits until the agent has read it, also one that gives no input.
    std::vector<SeenInput> write(const Report& bytes, size_t expected = 0) {
        EXPECT_EQ(::write(node, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        EXPECT_TRUE(waitUntil([this] {
            int unread = 0;
            return ioctl(node, FIONREAD, &unread) == 0 && unread == 0;
        }));
        return client->take(expected);
    }

    bool leftButtonDown() { return (client->pointerState() & Button1Mask) != 0; }

    // Reloads the click-lock preferences and presses button 1 once: the left button stays down.
    void lockTheClick() {
        writePreferences(clickLockPreferences());
        ASSERT_TRUE(waitUntilBound());
        EXPECT_EQ(write(report(0, 0x0001), 1), (std::vector<SeenInput>{{ButtonPress, 1, 0}}));
        write(report(0, 0x0000));
        ASSERT_TRUE(leftButtonDown());
    }

    XvfbServer xserver;
    std::optional<XClient> client;
    FakeDeviceTree tree;
    TemporaryFolder runtime{"agent-runtime"};
    TemporaryFolder data{"agent-data"};
    ScopedEnvironment environment;
    ChildProcess agent;
    int node = -1;
};

TEST_F(AgentEndToEndTest, ReportsBecomeTheBoundKeystrokeAndWheelSteps) {
    std::vector<SeenInput> seen;
    for (const auto& [bytes, expected] : std::vector<std::pair<Report, size_t>>{
             {report(0, 0x0001), 2},  // button 1 down; the first dial value is no step
             {report(0, 0x0000), 2},  // button 1 up
             {report(1, 0x0000), 2},  // the dial one step right
             {report(0, 0x0000), 2},  // and back left
         }) {
        const std::vector<SeenInput> got = write(bytes, expected);
        seen.insert(seen.end(), got.begin(), got.end());
    }

    EXPECT_EQ(seen, (std::vector<SeenInput>{{KeyPress, XK_Control_L, 0},
                                            {KeyPress, XK_a, ControlMask},
                                            {KeyRelease, XK_a, ControlMask},
                                            {KeyRelease, XK_Control_L, ControlMask},
                                            {ButtonPress, 4, 0},
                                            {ButtonRelease, 4, 0},
                                            {ButtonPress, 5, 0},
                                            {ButtonRelease, 5, 0}}));
}

// A locked click is let go once the bindings it was locked under are gone, as a user with
// the new bindings has no control left to let it go with: the X server's pointer has no
// button down a second after the switch or the reload.
TEST_F(AgentEndToEndTest, AProfileSwitchLetsGoOfALockedClick) {
    ASSERT_NO_FATAL_FAILURE(lockTheClick());
    // Answered, the link is one that the switch's broadcast reaches.
    const int link = ipctest::connectRaw();
    ASSERT_GE(link, 0);
    ASSERT_TRUE(ipctest::sendRaw(link, IPCMessage(IPCMessageType::RequestDevices).serialize()));
    ASSERT_EQ(ipctest::readFrames(link, 1).size(), 1u);

    write(report(0, 0x0002));
    write(report(0, 0x0000));
    const std::vector<IPCFrame> switched = ipctest::readFrames(link, 1);
    close(link);
    ASSERT_EQ(switched.size(), 1u);
    IPCMessage update(0u);
    ASSERT_TRUE(update.deserialize(switched[0].data(), switched[0].size()));
    ASSERT_EQ(update.type(), static_cast<uint32_t>(IPCMessageType::PrefsUpdate));

    EXPECT_TRUE(waitUntil([&] { return !leftButtonDown(); }, 1s));
}

TEST_F(AgentEndToEndTest, AReloadOverTheLinkLetsGoOfALockedClick) {
    ASSERT_NO_FATAL_FAILURE(lockTheClick());

    writePreferences(documentJson({profileJson("whirlenmax", "default", {typeW()})}));
    ASSERT_TRUE(waitUntilBound());

    EXPECT_TRUE(waitUntil([&] { return !leftButtonDown(); }, 1s));
}

}  // namespace
