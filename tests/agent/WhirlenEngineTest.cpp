#include "agent/WhirlenEngine.h"

#include <array>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "platform/RecordingInjector.h"
#include "platform/SocketPairHidDevice.h"
#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "shared/prefs/KeyNames.h"
#include "shared/prefs/NameTables.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/shared/prefs/StoreTestSupport.h"
#include "tests/support/Occurrences.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"

namespace {

using namespace std::chrono_literals;
using nlohmann::json;
using Bytes = std::vector<uint8_t>;
using ipctest::connectRaw;
using ipctest::readFrames;
using ipctest::sendRaw;

constexpr uint16_t kMaxProduct = 0x30;
constexpr uint16_t kLiteProduct = 0x20;
constexpr uint16_t kUnlistedProduct = 0x21;
const std::string kMax = "whirlenmax";
const std::string kLite = "whirlenlite";

constexpr uint32_t kDisabled = 0;
constexpr uint32_t kClick = 1;
constexpr uint32_t kCommand = 11;
constexpr uint32_t kKeypress = 12;
constexpr uint32_t kVolumeUp = 13;
constexpr uint32_t kMute = 15;
constexpr uint32_t kScrollUp = 18;
constexpr uint32_t kScrollDown = 19;
constexpr uint32_t kSameAsLowerValue = 23;

const Bytes kRequestFrame = IPCMessage(IPCMessageType::RequestDevices).serialize();

Bytes prefsFrame() {
    IPCPrefsUpdateMessage message;
    message.setText("{}");
    return message.serialize();
}

json binding(int control, const std::string& type, const std::string& comment,
             const std::string& context = "", bool toggle = false) {
    return actionJson({{"ActionType", type},
                       {"MouseButton", controlNameFromIndex(control)},
                       {"Comment", comment},
                       {"AppContextConfig", context},
                       {"Toggle", toggle}});
}

// One Whirlen Max "default" profile with these actions, and one configured
// application, "editor.exe".
json maxDocument(json actions, bool appSpecificActive = true) {
    json profile = profileJson(kMax, "default", std::move(actions));
    profile["Settings"]["AppSpecificActive"] = appSpecificActive;
    return documentJson({profile}, json::array(),
                        {{{"ConfigName", "Editor"}, {"ProgramContextPath", "editor.exe"}}});
}

const std::string kEditorPath = "/opt/editor/bin/editor.exe";

// An engine on a store of its own files, in a runtime folder of its own.
class WhirlenEngineTest : public testing::Test {
protected:
    WhirlenEngineTest() {
        paths = {folder.file("pelvane_default.json"), folder.file("pelvane_profile_bind.json"),
                 folder.file("pelvane_default_backup.json")};
        writeFileBytes(paths.backupFile, documentJson(json::array()).dump());
        writeFileBytes(paths.profileBindFile, R"({"ProfileBind":[]})");
        std::signal(SIGPIPE, SIG_DFL);
    }
    ~WhirlenEngineTest() override { stopEngine(); }

    void stopEngine() {
        engine.reset();
        store.reset();
    }
    // A fresh store loaded from the document, and an engine on it.
    void startEngine(const json& document) {
        stopEngine();
        writePreferences(document);
        store = std::make_unique<PreferencesStore>(paths);
        store->load();
        engine =
            std::make_unique<WhirlenEngine>(*store, ActionServices{&injector, &backlight, nullptr});
    }
    void writePreferences(const json& document) {
        writeFileBytes(paths.defaultFile, document.dump(2));
    }

    // The test's end of a new device that the engine is handed.
    SocketPairHidDevice& plug(const std::string& path, uint16_t productId = kMaxProduct,
                              const std::string& location = "0001", bool* added = nullptr) {
        pairs.push_back(std::make_unique<SocketPairHidDevice>(true));
        const bool taken = engine->addDevice(path, pairs.back()->takeDevice(), productId, location);
        if (added != nullptr) {
            *added = taken;
        }
        return *pairs.back();
    }
    std::optional<ActionPreference> bound(const std::string& path, int control) const {
        const auto device = engine->findDevice(path);
        return device ? device->boundAction(control) : std::nullopt;
    }
    std::string boundComment(const std::string& path, int control) const {
        const auto action = bound(path, control);
        return action ? action->comment() : "<unbound>";
    }
    int connectClient() {
        const int socket = connectRaw();
        if (socket >= 0) {
            sockets.push_back(socket);
        }
        return socket;
    }

    // Every device list that reached the client, in order.
    static std::vector<std::vector<ConnectedDevice>> listsOf(const std::vector<IPCFrame>& frames) {
        std::vector<std::vector<ConnectedDevice>> lists;
        for (const IPCFrame& frame : frames) {
            IPCResponseConnectedDevices list;
            EXPECT_TRUE(list.deserialize(frame.data(), frame.size()));
            lists.push_back(list.devices());
        }
        return lists;
    }

    ipctest::TempRuntimeDir runtime;
    TemporaryFolder folder{"engine"};
    PreferencesStorePaths paths;
    std::vector<std::unique_ptr<SocketPairHidDevice>> pairs;
    // The engine's own profile switch, but no input for the desktop.
    RecordingInjector injector;
    BacklightControl backlight{folder.file("sys")};
    std::unique_ptr<PreferencesStore> store;
    std::unique_ptr<WhirlenEngine> engine;
    struct Sockets : std::vector<int> {
        ~Sockets() {
            for (int socket : *this) {
                ::close(socket);
            }
        }
    } sockets;
};

TEST(WhirlenEngineProductTest, ProductIdsGiveTheirModelsAndUuids) {
    const struct {
        uint16_t productId;
        uint32_t model;
    } cases[] = {{0x30, 1}, {0x20, 2}, {0x10, 2}, {0x21, 3}, {0x31, 3}, {0x00, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(WhirlenEngine::modelForProductId(c.productId), c.model) << c.productId;
    }
    EXPECT_EQ(WhirlenEngine::deviceUuid(0x30, "000100020003"), "48000100020003");
    EXPECT_EQ(WhirlenEngine::deviceUuid(0x20, ""), "32");
}

TEST_F(WhirlenEngineTest, UnlistedProductIsReadButHasNoBindingsAndIsLoggedOnce) {
    startEngine(maxDocument(json::array()));
    testing::internal::CaptureStdout();
    plug("/dev/hidraw1", kUnlistedProduct);
    plug("/dev/hidraw2", kUnlistedProduct);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(occurrences(log, "0x21"), 1u) << log;

    ASSERT_TRUE(engine->hasDevice("/dev/hidraw1"));
    EXPECT_EQ(engine->findDevice("/dev/hidraw1")->record.model, 3u);
    EXPECT_FALSE(bound("/dev/hidraw1", 0));
    // Still read: a hang-up is noticed and the device leaves the table.
    pairs[0]->closeWriter();
    EXPECT_TRUE(waitUntil([&] { return !engine->hasDevice("/dev/hidraw1"); }));
}

TEST_F(WhirlenEngineTest, SamePathInAnotherCaseIsOneDeviceAndTheSecondHandleIsClosed) {
    startEngine(maxDocument(json::array()));
    bool first = false;
    bool second = false;
    SocketPairHidDevice& kept = plug("/DEV/HIDRAW3", kMaxProduct, "0001", &first);
    SocketPairHidDevice& extra = plug("/dev/hidraw3", kMaxProduct, "0002", &second);
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);

    const std::vector<ConnectedDevice> records = engine->connectedDevices();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].uuid, "480001");
    EXPECT_EQ(records[0].interfacePath, "/DEV/HIDRAW3");
    EXPECT_EQ(records[0].interfacePathLower, "/dev/hidraw3");
    const std::array<uint8_t, 8> report{};
    EXPECT_FALSE(extra.write(report)) << "the second handle is still open";
    EXPECT_TRUE(kept.write(report));

    EXPECT_TRUE(engine->hasDevice("/Dev/HidRaw3"));
    EXPECT_TRUE(engine->removeDevice("/dev/HIDRAW3"));
    EXPECT_FALSE(engine->removeDevice("/dev/hidraw3"));
    EXPECT_FALSE(engine->hasDevice("/dev/hidraw3"));
    EXPECT_FALSE(kept.write(report)) << "a removed device keeps its handle";
}

struct Expected {
    int control;
    uint32_t type;
    std::string comment;
};

struct ResolutionCase {
    const char* name;
    json actions;
    bool appSpecificActive;
    std::string foreground;
    std::vector<Expected> expected;
};

TEST_F(WhirlenEngineTest, BindingTablesFollowTheForegroundApplicationAndResolveReferences) {
    const ResolutionCase cases[] = {
        {"the application's bindings replace the profile's",
         {binding(0, "keypress", "general"), binding(0, "command", "editor", "Editor"),
          binding(1, "mute", "general only")},
         true,
         kEditorPath,
         {{0, kCommand, "editor"}, {1, kDisabled, ""}}},
        {"without AppSpecificActive only the profile's bindings count",
         {binding(0, "keypress", "general"), binding(0, "command", "editor", "Editor"),
          binding(1, "mute", "general only")},
         false,
         kEditorPath,
         {{0, kKeypress, "general"}, {1, kMute, "general only"}}},
        {"an application without a configuration",
         {binding(0, "keypress", "general"), binding(0, "command", "editor", "Editor")},
         true,
         "/usr/bin/other",
         {{0, kKeypress, "general"}}},
        {"use default setting takes the profile's binding of the control",
         {binding(0, "keypress", "general"), binding(0, "Use_Default_Setting", "ref", "Editor")},
         true,
         kEditorPath,
         {{0, kKeypress, "general"}}},
        {"same as lower value takes the next control's binding",
         {binding(3, "Same_As_Lower_Value", "ref", "Editor"),
          binding(4, "mute", "editor four", "Editor")},
         true,
         kEditorPath,
         {{3, kMute, "editor four"}, {4, kMute, "editor four"}}},
        {"same as lower value onto use default setting",
         {binding(0, "Same_As_Lower_Value", "", "Editor"),
          binding(1, "Use_Default_Setting", "", "Editor"), binding(1, "volume_up", "general one")},
         true,
         kEditorPath,
         {{0, kVolumeUp, "general one"}, {1, kVolumeUp, "general one"}}},
        {"use default setting onto same as lower value",
         {binding(2, "Use_Default_Setting", "", "Editor"),
          binding(2, "Same_As_Lower_Value", "general two"), binding(3, "click", "general three")},
         true,
         kEditorPath,
         {{2, kClick, "general three"}, {3, kDisabled, ""}}},
        {"a higher control is copied before its own resolution",
         {binding(5, "Same_As_Lower_Value", "five"), binding(6, "Same_As_Lower_Value", "six"),
          binding(7, "mute", "seven")},
         true,
         "",
         {{5, kSameAsLowerValue, "six"}, {6, kMute, "seven"}}},
    };
    for (const ResolutionCase& c : cases) {
        SCOPED_TRACE(c.name);
        startEngine(maxDocument(c.actions, c.appSpecificActive));
        plug("/dev/hidraw0");
        engine->setForegroundPath(c.foreground);
        for (const Expected& e : c.expected) {
            const auto action = bound("/dev/hidraw0", e.control);
            ASSERT_TRUE(action) << e.control;
            EXPECT_EQ(action->actionType(), e.type) << e.control;
            EXPECT_EQ(action->comment(), e.comment) << e.control;
        }
    }
}

TEST_F(WhirlenEngineTest, ForegroundChangesRebuildTheTablesOfEveryDevice) {
    startEngine(maxDocument(
        {binding(0, "keypress", "general"), binding(0, "command", "editor", "Editor")}));
    plug("/dev/hidraw0");
    plug("/dev/hidraw1", kMaxProduct, "0002");
    engine->setForegroundPath(kEditorPath);
    EXPECT_EQ(boundComment("/dev/hidraw0", 0), "editor");
    EXPECT_EQ(boundComment("/dev/hidraw1", 0), "editor");
    engine->setForegroundPath("/usr/bin/other");
    EXPECT_EQ(boundComment("/dev/hidraw0", 0), "general");
    EXPECT_EQ(boundComment("/dev/hidraw1", 0), "general");
}

TEST_F(WhirlenEngineTest, EveryControlOfBothModelsGetsItsDefault) {
    // Only the "default" profiles that the store adds itself.
    startEngine(documentJson(json::array()));
    const struct {
        uint16_t productId;
        int32_t model;
        std::string profile;
    } models[] = {{kMaxProduct, 1, profileKey(kMax, "default")},
                  {kLiteProduct, 2, profileKey(kLite, "default")}};
    for (const auto& m : models) {
        SCOPED_TRACE(m.model);
        const std::string path = "/dev/model" + std::to_string(m.model);
        plug(path, m.productId);
        for (int32_t control : modelControlList(m.model)) {
            const auto action = bound(path, control);
            ASSERT_TRUE(action) << control;
            EXPECT_TRUE(action->isValid()) << control;
            EXPECT_TRUE(action->isDefault()) << control;
            EXPECT_EQ(action->control(), static_cast<uint32_t>(control));
            EXPECT_EQ(action->profile(), m.profile) << control;
        }
        for (int control = 0; control < 15; ++control) {
            EXPECT_EQ(bound(path, control)->actionType(),
                      modelHasControl(m.model, control) ? kDisabled : kActionTypeUnset)
                << control;
        }
        // The smaller model's missing buttons are in the table too, unset.
        for (int control = 0; control < 60; ++control) {
            EXPECT_TRUE(bound(path, control)) << control;
        }
    }
}

TEST_F(WhirlenEngineTest, DialAndJogWheelScrollUnlessToggled) {
    const struct {
        int first;
        int last;
        uint32_t type;
    } ranges[] = {{15, 15, kScrollDown}, {16, 16, kScrollUp}, {17, 38, kDisabled},
                  {39, 45, kScrollDown}, {46, 52, kDisabled}, {53, 59, kScrollUp}};
    for (const bool toggle : {false, true}) {
        SCOPED_TRACE(toggle ? "toggled" : "not toggled");
        json actions = json::array();
        for (int control = 15; control <= 59; ++control) {
            actions.push_back(binding(control, "keypress", "", "", toggle));
        }
        startEngine(maxDocument(actions));
        plug("/dev/hidraw0");
        for (const auto& range : ranges) {
            for (int control = range.first; control <= range.last; ++control) {
                ASSERT_TRUE(bound("/dev/hidraw0", control));
                EXPECT_EQ(bound("/dev/hidraw0", control)->actionType(),
                          toggle ? kKeypress : range.type)
                    << control;
            }
        }
    }
}

TEST_F(WhirlenEngineTest, DeviceUsesTheProfileBoundToItsUuid) {
    writeFileBytes(
        paths.profileBindFile,
        json{{"ProfileBind",
              {{{"DeviceID", "MXV248000100020003"}, {"ProfileID", profileKey(kMax, "Work")}}}}}
            .dump());
    startEngine(documentJson({profileJson(kMax, "default", {binding(0, "keypress", "default")}),
                              profileJson(kMax, "Work", {binding(0, "keypress", "work")})}));
    plug("/dev/hidraw0", kMaxProduct, "000100020003");
    plug("/dev/hidraw1", kMaxProduct, "000100020004");
    EXPECT_EQ(boundComment("/dev/hidraw0", 0), "work");
    EXPECT_EQ(boundComment("/dev/hidraw1", 0), "default");
}

TEST_F(WhirlenEngineTest, RequestFromAClientAnswersEveryClientWithTheListedDevices) {
    startEngine(maxDocument(json::array()));
    plug("/dev/hidraw1", kMaxProduct, "0102");
    plug("/dev/hidraw2", kUnlistedProduct, "0103");
    ASSERT_TRUE(engine->start());
    const int watcher = connectClient();
    ASSERT_TRUE(waitUntil([&] { return engine->clientCount() == 1; }));

    ipctest::AnnouncingClient client;
    client.setReconnectDelay(1ms);
    client.setKeepAliveInterval(1h);
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(client.received.waitForCount(1));
    const auto frames = readFrames(watcher, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(client.received.frames()[0], frames[0]);
    const auto lists = listsOf(frames);
    ASSERT_EQ(lists[0].size(), 1u);
    EXPECT_EQ(lists[0][0].uuid, "480102");
    EXPECT_EQ(lists[0][0].model, 1u);
    EXPECT_EQ(lists[0][0].deviceType, 1u);
    EXPECT_TRUE(lists[0][0].wired);

    // A device change goes to both as well.
    plug("/dev/hidraw3", kLiteProduct, "0104");
    ASSERT_TRUE(client.received.waitForCount(2));
    const auto after = readFrames(watcher, 1);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(listsOf(after)[0].size(), 2u);
    EXPECT_EQ(client.received.frames()[1], after[0]);
    client.stop();
}

TEST_F(WhirlenEngineTest, PreferencesUpdateReloadsTheFileAndRebuildsButKeepsThemOverABrokenFile) {
    startEngine(maxDocument({binding(0, "keypress", "before")}));
    plug("/dev/hidraw0");
    ASSERT_TRUE(engine->start());
    const int client = connectClient();
    ASSERT_EQ(boundComment("/dev/hidraw0", 0), "before");

    writePreferences(maxDocument({binding(0, "keypress", "after")}));
    ASSERT_TRUE(sendRaw(client, prefsFrame()));
    EXPECT_TRUE(waitUntil([&] { return boundComment("/dev/hidraw0", 0) == "after"; }));

    writeFileBytes(paths.defaultFile, "{\"MajorVersion\": 1, ");
    ASSERT_TRUE(sendRaw(client, prefsFrame()));
    // Frames are handled in order: once the answer is here, the reload is done.
    ASSERT_TRUE(sendRaw(client, kRequestFrame));
    ASSERT_EQ(readFrames(client, 1).size(), 1u);
    EXPECT_EQ(boundComment("/dev/hidraw0", 0), "after");
}

TEST_F(WhirlenEngineTest, PreferencesUpdateWhoseLengthExceedsItsBytesIsIgnored) {
    startEngine(maxDocument({binding(0, "keypress", "before")}));
    plug("/dev/hidraw0");
    writePreferences(maxDocument({binding(0, "keypress", "after")}));
    const Bytes frame = prefsFrame();

    engine->onMessage(frame.data(), frame.size() - 1);
    Bytes overstated = frame;
    overstated[6] = static_cast<uint8_t>(overstated[6] + 1);
    engine->onMessage(overstated.data(), overstated.size());
    EXPECT_EQ(boundComment("/dev/hidraw0", 0), "before");

    engine->onMessage(frame.data(), frame.size());
    EXPECT_EQ(boundComment("/dev/hidraw0", 0), "after");
}

TEST_F(WhirlenEngineTest, DeviceThatHangsUpIsRemovedAndTheListSent) {
    startEngine(maxDocument(json::array()));
    SocketPairHidDevice& device = plug("/dev/hidraw0");
    ASSERT_TRUE(engine->start());
    const int client = connectClient();
    ASSERT_TRUE(waitUntil([&] { return engine->clientCount() == 1; }));

    device.closeWriter();
    const auto lists = listsOf(readFrames(client, 1));
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_TRUE(lists[0].empty());
    EXPECT_FALSE(engine->hasDevice("/dev/hidraw0"));
}

TEST_F(WhirlenEngineTest, PostedRemovalOfAGoneDeviceLeavesADeviceAddedAgainAtItsPath) {
    startEngine(maxDocument(json::array()));
    std::mutex lock;
    std::vector<std::function<void()>> posted;
    engine->setDeviceGoneHandler([&](std::function<void()> removal) {
        std::lock_guard guard(lock);
        posted.push_back(std::move(removal));
    });
    auto postedCount = [&] {
        std::lock_guard guard(lock);
        return posted.size();
    };
    auto takePosted = [&](size_t index) {
        std::lock_guard guard(lock);
        return posted.at(index);
    };

    plug("/dev/hidraw0").closeWriter();
    ASSERT_TRUE(waitUntil([&] { return postedCount() == 1; }));
    EXPECT_TRUE(engine->hasDevice("/dev/hidraw0")) << "removed on the device's thread";
    takePosted(0)();
    EXPECT_FALSE(engine->hasDevice("/dev/hidraw0"));

    plug("/dev/hidraw1").closeWriter();
    ASSERT_TRUE(waitUntil([&] { return postedCount() == 2; }));
    // Hot-plug got there first, and the controller came back, while the old
    // device is still held elsewhere (a dispatch on its way, say).
    const auto old = engine->findDevice("/dev/hidraw1");
    ASSERT_TRUE(engine->removeDevice("/dev/hidraw1"));
    SocketPairHidDevice& again = plug("/dev/hidraw1");
    takePosted(1)();
    EXPECT_TRUE(engine->hasDevice("/dev/hidraw1"));
    EXPECT_TRUE(again.write(std::array<uint8_t, 8>{}));
    engine->setDeviceGoneHandler(nullptr);
}

// The press runs on the device's reader: the switch, the reload it starts and the
// rebuild of that device's own table all happen on it.
TEST_F(WhirlenEngineTest, ProfileSwitchOfAPressBindsSavesReloadsAndTellsTheClients) {
    const std::string work = profileKey(kMax, "Work");
    json toWork = binding(0, "Switch_To_Profile", "switch");
    toWork["SwitchToProfile"] = work;
    json typeW = binding(0, "keypress", "work");
    typeW["KeyCode"] = "KEY_W";
    startEngine(
        documentJson({profileJson(kMax, "default", {toWork}), profileJson(kMax, "Work", {typeW})}));
    SocketPairHidDevice& device = plug("/dev/hidraw0", kMaxProduct, "0001");
    ASSERT_TRUE(engine->start());
    const int client = connectClient();
    ASSERT_TRUE(waitUntil([&] { return engine->clientCount() == 1; }));

    const std::array<uint8_t, 8> pressed{0, 0, 0, 0, 1, 0, 0, 0};
    const std::array<uint8_t, 8> released{};
    ASSERT_TRUE(device.write(pressed));
    ASSERT_TRUE(device.write(released));
    const auto frames = readFrames(client, 1);
    ASSERT_EQ(frames.size(), 1u);
    IPCPrefsUpdateMessage update;
    ASSERT_TRUE(update.deserialize(frames[0].data(), frames[0].size()));
    EXPECT_EQ(update.text(), "{}");
    EXPECT_EQ(boundComment("/dev/hidraw0", 0), "work");
    const json bound = json::parse(readFileBytes(paths.profileBindFile));
    EXPECT_EQ(bound["ProfileBind"],
              (json{{{"DeviceID", modelScopedName("480001", 1)}, {"ProfileID", work}}}));

    // The new binding goes through the engine's injector.
    ASSERT_TRUE(device.write(pressed));
    ASSERT_TRUE(injector.waitForBatches(2, 10s));
    EXPECT_EQ(injector.events(), (std::vector{InputEvent::keyDown('W'), InputEvent::keyUp('W')}));
}

// Without an X display nothing tells which window is in front; the dial's and the jog
// wheel's own scrolling still goes out through the injector, as keys do.
TEST_F(WhirlenEngineTest, WithoutAnXDisplayTheDialAndTheJogWheelStillScroll) {
    ScopedEnvironment environment;
    environment.unset("DISPLAY");
    startEngine(maxDocument(json::array()));
    SocketPairHidDevice& device = plug("/dev/hidraw0");

    // {report id, jog, dial, ...}: the first report only sets where the dial stands.
    ASSERT_TRUE(device.write(std::array<uint8_t, 8>{0, 0, 10, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(device.write(std::array<uint8_t, 8>{0, 0, 11, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(device.write(std::array<uint8_t, 8>{0, 0, 10, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(device.write(std::array<uint8_t, 8>{0, 1, 10, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(injector.waitForBatches(3, 10s));
    EXPECT_EQ(injector.events(), (std::vector{InputEvent::wheel(150), InputEvent::wheel(-150),
                                              InputEvent::wheel(-150)}));
}

TEST_F(WhirlenEngineTest, ProfileSwitchThatCannotBeSavedChangesNothing) {
    startEngine(documentJson({profileJson(kMax, "default", {binding(0, "keypress", "default")}),
                              profileJson(kMax, "Work", {binding(0, "keypress", "work")})}));
    plug("/dev/hidraw0", kMaxProduct, "0001");
    ASSERT_TRUE(engine->start());
    const int client = connectClient();
    ASSERT_TRUE(waitUntil([&] { return engine->clientCount() == 1; }));
    // A folder in the bind file's place takes no file.
    std::filesystem::remove(paths.profileBindFile);
    std::filesystem::create_directory(paths.profileBindFile);

    testing::internal::CaptureStdout();
    EXPECT_FALSE(engine->switchProfile(modelScopedName("480001", 1), profileKey(kMax, "Work")));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Unable to save the switch"),
              std::string::npos);
    EXPECT_EQ(boundComment("/dev/hidraw0", 0), "default");
    // Only the answer to this request comes back: no reload was announced.
    ASSERT_TRUE(sendRaw(client, kRequestFrame));
    const auto frames = readFrames(client, 1);
    ASSERT_EQ(frames.size(), 1u);
    IPCMessage header(0u);
    ASSERT_TRUE(header.deserialize(frames[0].data(), frames[0].size()));
    EXPECT_EQ(header.type(), static_cast<uint32_t>(IPCMessageType::ConnectedDevices));
}

TEST_F(WhirlenEngineTest, ShutdownStopsEveryDevice) {
    startEngine(maxDocument(json::array()));
    SocketPairHidDevice& first = plug("/dev/hidraw0");
    SocketPairHidDevice& second = plug("/dev/hidraw1", kLiteProduct);
    engine->shutdown();
    EXPECT_TRUE(engine->connectedDevices().empty());
    EXPECT_FALSE(first.write(std::array<uint8_t, 8>{}));
    EXPECT_FALSE(second.write(std::array<uint8_t, 8>{}));
}

// Everything that reaches the engine from other threads at once: hot-plug and
// hang-ups, two clients asking for lists and reloads, the foreground watcher
// and the lookups of the devices' dispatch. The sanitizer run checks it too.
TEST_F(WhirlenEngineTest, DevicesClientsAndForegroundChangesTogether) {
    constexpr int kCycles = 120;
    constexpr int kRequests = 150;
    startEngine(maxDocument(
        {binding(0, "keypress", "general"), binding(0, "command", "editor", "Editor")}));
    ASSERT_TRUE(engine->start());
    const std::array<std::string, 3> devicePaths{"/dev/hidraw0", "/dev/hidraw1", "/dev/hidraw2"};
    std::atomic<bool> plugging{true};

    std::vector<std::thread> threads;
    std::atomic<int> requestsSent{0};
    for (int c = 0; c < 2; ++c) {
        const int client = connectClient();
        ASSERT_GE(client, 0);
        threads.emplace_back([&, client] {
            Bytes both = kRequestFrame;
            const Bytes prefs = prefsFrame();
            both.insert(both.end(), prefs.begin(), prefs.end());
            uint8_t chunk[4096];
            for (int i = 0; i < kRequests; ++i) {
                if (sendRaw(client, both)) {
                    ++requestsSent;
                }
                while (::recv(client, chunk, sizeof(chunk), MSG_DONTWAIT) > 0) {
                }
            }
        });
    }
    threads.emplace_back([&] {
        for (int i = 0; i < kRequests; ++i) {
            engine->setForegroundPath(i % 2 == 0 ? kEditorPath : "/usr/bin/other");
        }
    });
    threads.emplace_back([&] {
        while (plugging) {
            for (const std::string& path : devicePaths) {
                if (const auto device = engine->findDevice(path)) {
                    const auto action = device->boundAction(0);
                    EXPECT_TRUE(action &&
                                (action->comment() == "general" || action->comment() == "editor"));
                }
            }
        }
    });

    const std::array<uint8_t, 8> press{0, 0, 0, 0, 1, 0, 0, 0};
    for (int i = 0; i < kCycles; ++i) {
        const std::string& path = devicePaths[i % devicePaths.size()];
        SocketPairHidDevice& device = plug(path);
        device.write(press);
        if (i % 4 == 0) {
            // Left to the device's own hang-up path.
            device.closeWriter();
        } else {
            engine->removeDevice(path);
        }
    }
    plugging = false;
    for (std::thread& thread : threads) {
        thread.join();
    }

    EXPECT_EQ(requestsSent, 2 * kRequests);
    EXPECT_EQ(engine->clientCount(), 2u);
    for (auto& pair : pairs) {
        pair->closeWriter();
    }
    EXPECT_TRUE(waitUntil([&] { return engine->connectedDevices().empty(); }));
    // Still answering (late removals may send their lists along with it).
    const int late = connectClient();
    ASSERT_TRUE(sendRaw(late, kRequestFrame));
    const auto lists = listsOf(readFrames(late, 1));
    ASSERT_FALSE(lists.empty());
    EXPECT_TRUE(lists.back().empty());
}

}  // namespace
