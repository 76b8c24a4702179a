// The agent program from a controller's reports to what an application sees: a made-up
// controller in a made-up device tree, the agent synthesising through XTest on a private X
// server, and an X client with the focus.

#include <fcntl.h>
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
        const std::string settings = data.file(kSettingsFolder);
        std::filesystem::create_directories(settings);
        writeFileBytes(settings + "/pelvane_default.json", preferences().dump());
        writeFileBytes(settings + "/pelvane_profile_bind.json", R"({"ProfileBind":[]})");

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
    // read as one.
    std::vector<SeenInput> write(const Report& bytes, size_t expected) {
        EXPECT_EQ(::write(node, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        return client->take(expected);
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

}  // namespace
