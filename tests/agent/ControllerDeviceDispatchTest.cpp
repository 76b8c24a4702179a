#include <time.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "agent/ControllerDevice.h"
#include "platform/SocketPairHidDevice.h"
#include "tests/agent/ActionTestServices.h"
#include "tests/support/Occurrences.h"
#include "tests/support/WaitUntil.h"

namespace {

using namespace std::chrono_literals;
using E = InputEvent;
using Events = std::vector<InputEvent>;

constexpr uint32_t kModelWhirlenMax = 1;
constexpr uint32_t kClick = 1;
constexpr uint32_t kClickLock = 8;
constexpr uint32_t kKeypress = 12;
constexpr uint32_t kTypeText = 27;
constexpr uint32_t kSwitchToProfile = 28;
constexpr uint16_t kCtrl = 162;
constexpr ActionTiming kSingle = RepeatTypePresets[0];
constexpr ActionTiming kFollow = RepeatTypePresets[1];
constexpr ActionTiming kEveryMillisecond = RepeatTypePresets[2];
constexpr ActionTiming kSixtyPerSecond = RepeatTypePresets[3];
constexpr ActionTiming kEveryFourSeconds = RepeatTypePresets[13];
// Pressed and released around the others, bound to nothing: once its release is seen, the
// reader has run every event before it.
constexpr int kSyncButton = 14;

ActionPreference keyAction(char key, ActionTiming timing = kSingle, bool ctrl = false) {
    ActionPreference action;
    action.setActionType(kKeypress);
    action.setKeyCode(key);
    action.setUseCtrl(ctrl);
    action.setTiming(timing);
    return action;
}

ActionPreference typeOf(uint32_t type, ActionTiming timing = kSingle) {
    ActionPreference action;
    action.setActionType(type);
    action.setTiming(timing);
    return action;
}

ActionPreference macroAction(const std::string& name, ActionTiming wait = kSingle) {
    ActionPreference action;
    action.setActionType(kActionTypeRunMacro);
    action.setMacroToRunByName(name);
    action.setTiming(wait);
    return action;
}

Events pressed(char key) {
    return {E::keyDown(static_cast<uint16_t>(key)), E::keyUp(static_cast<uint16_t>(key))};
}

// Waits for the reader: see kSyncButton.
class ReaderProgress : public ControllerEventNotifyInterface {
public:
    void onControlEvent(int control, bool isPressed) override {
        if (control == kSyncButton && !isPressed) {
            std::lock_guard lock(mutex);
            ++syncs;
            changed.notify_all();
        }
    }
    bool waitForSyncs(int count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return syncs >= count; });
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    int syncs = 0;
};

// Holds every batch at the injector until it is opened, so that a test can keep an action
// in the middle of its work for as long as it needs.
class GateInjector : public RecordingInjector {
public:
    void open() {
        std::lock_guard lock(mutex);
        opened = true;
        changed.notify_all();
    }
    bool waitUntilHeld() {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return waiting > 0; });
    }

protected:
    bool sendBatch(std::span<const InputEvent> batch) override {
        {
            std::unique_lock lock(mutex);
            ++waiting;
            changed.notify_all();
            changed.wait(lock, [&] { return opened; });
        }
        return RecordingInjector::sendBatch(batch);
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool opened = false;
    int waiting = 0;
};

// A Whirlen Max read through a socket pair, whose buttons the test presses by writing
// reports, with its actions recorded.
class DispatchTest : public ::testing::Test {
protected:
    DispatchTest() { start(services.injector); }
    // A test that fails with the gate closed would leave a worker stuck in it.
    ~DispatchTest() override { gate.open(); }

    // A new device, whose actions the injector records.
    void start(RecordingInjector& injector) {
        recorder = &injector;
        ActionServices with = services.services();
        with.injector = &injector;
        device = std::make_unique<ControllerDevice>(progress, with, services.store);
        device->record =
            ConnectedDevice(1, kModelWhirlenMax, true, "480001", "/dev/hidraw0", "/dev/hidraw0");
        pair = std::make_unique<SocketPairHidDevice>(true);
        ASSERT_TRUE(device->startReader(pair->takeDevice()));
    }

    void bind(int control, ActionPreference action) {
        action.setControl(static_cast<uint32_t>(control));
        table[control] = std::move(action);
        device->setBindings(table);
    }
    void press(int button) { setButtons(buttons | (1u << button)); }
    void release(int button) { setButtons(buttons & ~(1u << button)); }
    void click(int button) {
        press(button);
        release(button);
    }
    // Returns once the reader has dispatched everything written before.
    void sync() {
        click(kSyncButton);
        ASSERT_TRUE(progress.waitForSyncs(++syncs));
    }
    Events recorded() const { return recorder->events(); }
    bool waitForEvents(size_t count) {
        return waitUntil([&] { return recorded().size() >= count; });
    }

    // In the store of the device, one group per list of steps.
    void addMacro(const std::string& name,
                  const std::vector<std::vector<ActionPreference>>& groups) {
        ASSERT_TRUE(services.store.addMacro(name, false).isTaken());
        const auto macro = services.store.macroByName(name);
        for (const auto& steps : groups) {
            ASSERT_TRUE(services.store.addMacroGroup(macro, false).isTaken());
            const auto group = macro->groups().back();
            for (const ActionPreference& step : steps) {
                group->addAction(std::make_shared<ActionPreference>(step));
            }
        }
    }
    // Plays a macro of one key after everything queued before: once its key is recorded,
    // every earlier request has played.
    void waitForMacrosToPlay(int button) {
        static int sentinels = 0;
        const std::string name = "sentinel " + std::to_string(++sentinels);
        addMacro(name, {{keyAction('Z')}});
        bind(button, macroAction(name));
        click(button);
        ASSERT_TRUE(waitUntil([&] {
            const Events events = recorded();
            return !events.empty() && events.back() == E::keyUp('Z');
        }));
    }

    ActionTestServices services;
    GateInjector gate;
    ReaderProgress progress;
    ControllerDevice::BindingTable table;
    std::unique_ptr<SocketPairHidDevice> pair;
    std::unique_ptr<ControllerDevice> device;

private:
    void setButtons(uint16_t now) {
        buttons = now;
        const std::array<uint8_t, ControllerDevice::kReportSize> report{
            0, 0, 0, 0, static_cast<uint8_t>(buttons), static_cast<uint8_t>(buttons >> 8), 0, 0};
        ASSERT_TRUE(pair->write(report));
    }

    RecordingInjector* recorder = nullptr;
    uint16_t buttons = 0;
    int syncs = 0;
};

struct RunCase {
    const char* name;
    ActionPreference action;
    Events afterPress;
    Events afterRelease;
};

TEST_F(DispatchTest, SingleAndFollowedActions) {
    const Events ctrlA = {E::keyDown(kCtrl), E::keyDown('A')};
    const Events ctrlAUp = {E::keyUp('A'), E::keyUp(kCtrl)};
    Events whole = ctrlA;
    whole.insert(whole.end(), ctrlAUp.begin(), ctrlAUp.end());
    const ActionPreference noPreset = keyAction('A', ActionTiming{5, 5, 5}, true);
    const RunCase cases[] = {
        {"the first preset runs once on the press", keyAction('A', kSingle, true), whole, whole},
        {"timings of no preset run once too", noPreset, whole, whole},
        {"the second preset follows the control", keyAction('A', kFollow, true), ctrlA, whole},
        {"a followed click holds its button",
         typeOf(kClick, kFollow),
         {E::buttonDown(MouseButton::Left)},
         {E::buttonDown(MouseButton::Left), E::buttonUp(MouseButton::Left)}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        services.injector.clear();
        bind(0, c.action);
        press(0);
        sync();
        EXPECT_EQ(recorded(), c.afterPress);
        release(0);
        sync();
        EXPECT_EQ(recorded(), c.afterRelease);
    }
}

struct RepeatCase {
    const char* name;
    ActionTiming timing;
    std::chrono::milliseconds held;
    size_t fewest;
    size_t most;
};

TEST_F(DispatchTest, RepeatPresetsRunAtTheirRateUntilTheRelease) {
    // Loose bounds: only a rate that is clearly wrong fails.
    const RepeatCase cases[] = {
        {"sixty a second", kSixtyPerSecond, 1000ms, 40, 80},
        {"every millisecond", kEveryMillisecond, 300ms, 60, 600},
        {"every four seconds: once at the press", kEveryFourSeconds, 300ms, 1, 1},
    };
    for (const RepeatCase& c : cases) {
        SCOPED_TRACE(c.name);
        services.injector.clear();
        bind(0, keyAction('R', c.timing));
        press(0);
        std::this_thread::sleep_for(c.held);
        release(0);
        sync();
        // Time for one more at the fastest rate, should the release not have ended it.
        std::this_thread::sleep_for(50ms);
        const Events afterRelease = recorded();
        std::this_thread::sleep_for(50ms);
        const Events later = recorded();
        EXPECT_EQ(later, afterRelease) << "still repeating after the release";
        const size_t repeats = later.size() / 2;
        EXPECT_GE(repeats, c.fewest);
        EXPECT_LE(repeats, c.most);
        for (size_t i = 0; i < later.size(); ++i) {
            ASSERT_EQ(later[i], i % 2 == 0 ? E::keyDown('R') : E::keyUp('R')) << i;
        }
    }
}

// Timings come from the file as it stands: negative and huge values included.
TEST(DispatchTimingTest, RepeatSpacingsAndStepWaitsStayWithinBounds) {
    using std::chrono::nanoseconds;
    constexpr int32_t kHuge = std::numeric_limits<int32_t>::max();
    const struct {
        uint32_t type;
        ActionTiming timing;
        std::optional<nanoseconds> spacing;
    } spacings[] = {
        {kKeypress, kSixtyPerSecond, nanoseconds(16666666)},
        {kKeypress, kEveryMillisecond, 1ms},
        {kClick, kEveryFourSeconds, 4000ms},
        {kKeypress, {0, 1, kHuge}, ControllerDevice::kMaxRepeatSpacing},
        {kKeypress, {0, 1, -500}, ControllerDevice::kMinRepeatSpacing},
        {kKeypress, {0, kHuge, 1000}, ControllerDevice::kMinRepeatSpacing},
        {kKeypress, {0, 0, 1000}, std::nullopt},
        {kKeypress, {0, -3, 1000}, std::nullopt},
        {kTypeText, kSixtyPerSecond, std::nullopt},
        {kActionTypeDisabled, kSixtyPerSecond, std::nullopt},
    };
    for (const auto& c : spacings) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", repeat " << c.timing.repeat
                                        << ", delay " << c.timing.delayRepeat);
        ActionPreference action = typeOf(c.type, c.timing);
        EXPECT_EQ(ControllerDevice::repeatSpacing(action), c.spacing);
    }
    const struct {
        int32_t delayRepeat;
        std::chrono::milliseconds wait;
    } waits[] = {{-1000, 0ms}, {0, 0ms}, {500, 500ms}, {kHuge, ControllerDevice::kMaxStepWait}};
    for (const auto& c : waits) {
        EXPECT_EQ(ControllerDevice::stepWait(typeOf(kKeypress, {0, 1, c.delayRepeat})), c.wait)
            << c.delayRepeat;
    }
}

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The worker performs neither while they are held with a repeat preset, and must sleep
// meanwhile rather than spin.
TEST_F(DispatchTest, HeldActionsThatDoNotRepeatCostNoCpu) {
    ActionPreference text = typeOf(kTypeText, kSixtyPerSecond);
    text.setTextToWrite("typed");
    ActionPreference profile = typeOf(kSwitchToProfile, kSixtyPerSecond);
    profile.setSwitchToProfile("Profile##whirlen#whirlenmax#Work");
    for (const ActionPreference& action : {text, profile}) {
        SCOPED_TRACE(action.actionTypeName());
        bind(0, action);
        press(0);
        sync();
        const double before = processCpuSeconds();
        std::this_thread::sleep_for(200ms);
        const double used = processCpuSeconds() - before;
        release(0);
        sync();
        EXPECT_LT(used, 0.05) << "a thread is busy while nothing happens";
    }
    EXPECT_TRUE(recorded().empty());
    EXPECT_TRUE(services.profiles.calls().empty());
}

TEST_F(DispatchTest, HeldInputIsLetGoOnStop) {
    const RunCase cases[] = {
        {"a followed key with its modifier",
         keyAction('K', kFollow, true),
         {E::keyDown(kCtrl), E::keyDown('K')},
         {E::keyUp('K'), E::keyUp(kCtrl)}},
        {"a followed click",
         typeOf(kClick, kFollow),
         {E::buttonDown(MouseButton::Left)},
         {E::buttonUp(MouseButton::Left)}},
        {"a locked click",
         typeOf(kClickLock, kSingle),
         {E::buttonDown(MouseButton::Left)},
         {E::buttonUp(MouseButton::Left)}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        start(services.injector);
        services.injector.clear();
        table.clear();
        bind(3, c.action);
        press(3);
        sync();
        ASSERT_EQ(recorded(), c.afterPress);
        services.injector.clear();
        device->stop();
        EXPECT_EQ(recorded(), c.afterRelease);
    }
}

// The release undoes what the press did, whatever the control is bound to by then.
TEST_F(DispatchTest, ReleaseAfterARebuildMatchesThePress) {
    const struct {
        const char* name;
        ActionPreference atPress;
        ActionPreference atRelease;
        Events expected;
    } cases[] = {
        {"followed key, then another followed key",
         keyAction('A', kFollow),
         keyAction('B', kFollow),
         {E::keyDown('A'), E::keyUp('A')}},
        {"followed key, then a single one",
         keyAction('A', kFollow),
         keyAction('B', kSingle),
         {E::keyDown('A'), E::keyUp('A')}},
        {"single key, then a followed one", keyAction('A', kSingle), keyAction('B', kFollow),
         pressed('A')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        services.injector.clear();
        bind(5, c.atPress);
        press(5);
        sync();
        bind(5, c.atRelease);
        release(5);
        sync();
        EXPECT_EQ(recorded(), c.expected);
    }
}

TEST_F(DispatchTest, ReleaseAfterARebuildEndsTheRepetitionThePressStarted) {
    bind(5, keyAction('A', kSixtyPerSecond));
    press(5);
    ASSERT_TRUE(waitForEvents(2));
    bind(5, keyAction('B', kSingle));
    release(5);
    sync();
    const Events afterRelease = recorded();
    // Three more at sixty a second, had it gone on.
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(recorded(), afterRelease);
    for (const InputEvent& event : afterRelease) {
        EXPECT_EQ(event.value, 'A') << event;
    }
}

TEST_F(DispatchTest, StopDuringALongActionReturnsAtOnce) {
    ActionPreference spaces = typeOf(kTypeText);
    // A hundred pauses of 100 ms on the reader's thread.
    spaces.setTextToWrite(std::string(100, ' '));
    ActionPreference longWait = keyAction('W');
    longWait.setTiming({0, 1, 60000});
    addMacro("waits a minute", {{longWait, keyAction('X')}});
    const struct {
        const char* name;
        ActionPreference action;
    } cases[] = {
        {"typing", spaces},
        {"a macro step's wait", macroAction("waits a minute")},
        {"a slow repetition", keyAction('S', kEveryFourSeconds)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start(services.injector);
        services.injector.clear();
        bind(2, c.action);
        press(2);
        ASSERT_TRUE(waitForEvents(1));
        const auto before = std::chrono::steady_clock::now();
        device->stop();
        // Seconds below what the action would take.
        EXPECT_LT(std::chrono::steady_clock::now() - before, 2s);
    }
}

TEST_F(DispatchTest, MacroPressesQueueTenWhileOnePlaysAndDropTheRest) {
    start(gate);
    addMacro("one key", {{keyAction('M')}});
    bind(0, macroAction("one key"));
    click(0);
    ASSERT_TRUE(gate.waitUntilHeld());
    for (int i = 0; i < 11; ++i) {
        click(0);
    }
    sync();
    addMacro("last", {{keyAction('L')}});
    bind(1, macroAction("last"));
    click(1);
    sync();
    gate.open();

    // The playing one, ten queued; the eleventh press and the last macro did not fit.
    ASSERT_TRUE(waitForEvents(22));
    waitForMacrosToPlay(2);
    Events expected;
    for (int i = 0; i < 11; ++i) {
        expected.insert(expected.end(), {E::keyDown('M'), E::keyUp('M')});
    }
    expected.insert(expected.end(), {E::keyDown('Z'), E::keyUp('Z')});
    EXPECT_EQ(gate.events(), expected);
}

TEST_F(DispatchTest, EachControlCyclesThroughTheGroupsOfItsMacro) {
    addMacro("three", {{keyAction('1')}, {keyAction('2')}, {keyAction('3')}});
    bind(0, macroAction("three"));
    bind(1, macroAction("three"));
    for (const int button : {0, 0, 0, 0, 1, 0, 1}) {
        click(button);
    }
    waitForMacrosToPlay(2);
    Events expected;
    for (const char key : {'1', '2', '3', '1', '1', '2', '2'}) {
        const Events one = pressed(key);
        expected.insert(expected.end(), one.begin(), one.end());
    }
    expected.insert(expected.end(), {E::keyDown('Z'), E::keyUp('Z')});
    EXPECT_EQ(recorded(), expected);
}

TEST_F(DispatchTest, MacroGoneFromTheStorePlaysNothing) {
    addMacro("doomed", {{keyAction('D')}});
    bind(0, macroAction("doomed"));
    ASSERT_TRUE(services.store.deleteMacro(services.store.macroKey("doomed"), false).isTaken());
    // The binding keeps its key, as a table built before the deletion would.
    ASSERT_FALSE(table[0].macroKey().empty());
    click(0);
    waitForMacrosToPlay(1);
    EXPECT_EQ(recorded(), pressed('Z'));
}

TEST_F(DispatchTest, MacrosThatRunMacrosPlayThemAndEndAtTheDepthLimit) {
    addMacro("self", {});
    addMacro("ping", {});
    addMacro("pong", {});
    addMacro("inner", {{keyAction('I')}});
    const auto addSteps = [&](const std::string& name, std::vector<ActionPreference> steps) {
        const auto macro = services.store.macroByName(name);
        ASSERT_TRUE(services.store.addMacroGroup(macro, false).isTaken());
        const auto group = macro->groups().back();
        for (ActionPreference& step : steps) {
            group->addAction(std::make_shared<ActionPreference>(std::move(step)));
        }
    };
    addSteps("self", {keyAction('S'), macroAction("self")});
    addSteps("ping", {keyAction('P'), macroAction("pong")});
    addSteps("pong", {keyAction('Q'), macroAction("ping")});
    addMacro("outer", {{keyAction('O'), macroAction("inner"), keyAction('E')}});
    const int limit = ControllerDevice::kMacroDepthLimit;
    const struct {
        const char* name;
        std::string macro;
        std::string keys;
        size_t logLines;
    } cases[] = {
        {"a macro that runs another", "outer", "OIE", 0},
        {"a macro that runs itself", "self", std::string(limit, 'S'), 1},
        {"two that run each other", "ping", "PQPQPQPQ", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        services.injector.clear();
        bind(0, macroAction(c.macro));
        testing::internal::CaptureStdout();
        click(0);
        waitForMacrosToPlay(1);
        const std::string log = testing::internal::GetCapturedStdout();
        Events expected;
        for (const char key : c.keys) {
            const Events one = pressed(key);
            expected.insert(expected.end(), one.begin(), one.end());
        }
        expected.insert(expected.end(), {E::keyDown('Z'), E::keyUp('Z')});
        EXPECT_EQ(recorded(), expected);
        EXPECT_EQ(occurrences(log, "runs itself"), c.logLines) << log;
    }
}

}  // namespace
