#include "agent/ActionExecutor.h"

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/RecordingInjector.h"
#include "shared/prefs/KeyNames.h"
#include "tests/agent/RecordingProfileSwitch.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

namespace {

using namespace std::chrono_literals;
using E = InputEvent;
using Batches = std::vector<RecordingInjector::Batch>;

constexpr auto kLeft = MouseButton::Left;
constexpr auto kRight = MouseButton::Right;
constexpr uint16_t kCtrl = 162;
constexpr uint16_t kAlt = 164;
constexpr uint16_t kShift = 160;
constexpr uint16_t kWindows = 91;
constexpr ActionTiming kClickLockToggle = RepeatTypePresets[0];
constexpr ActionTiming kClickLockFollow = RepeatTypePresets[1];
// Generous: only a broken launch ever waits this long.
constexpr auto kProgramWait = 10s;

enum Modifiers : unsigned { kNone = 0, kUseCtrl = 1, kUseAlt = 2, kUseShift = 4, kUseSpecial = 8 };

ActionPreference makeAction(uint32_t type, unsigned modifiers = kNone, int64_t keyCode = 0,
                            ActionTiming timing = {}) {
    ActionPreference action;
    action.setActionType(type);
    action.setUseCtrl((modifiers & kUseCtrl) != 0);
    action.setUseAlt((modifiers & kUseAlt) != 0);
    action.setUseShift((modifiers & kUseShift) != 0);
    action.setUseSpecial((modifiers & kUseSpecial) != 0);
    action.setKeyCode(keyCode);
    action.setTiming(timing);
    return action;
}

ActionPreference textAction(std::string text) {
    ActionPreference action = makeAction(27);
    action.setTextToWrite(std::move(text));
    return action;
}

// A device of the larger model with an application in front, a backlight folder that tests
// fill as they need, and pauses short enough to type without waiting.
class ActionExecutorTest : public ::testing::Test {
protected:
    ActionExecutorTest() { executor_.setTypingPauses({0ms, 0ms}); }

    Batches run(const ActionPreference& action, const std::vector<bool>& presses) {
        injector_.clear();
        for (const bool pressed : presses) {
            executor_.execute(action, pressed);
        }
        return injector_.batches();
    }

    ConnectedDevice device_{1, 1, true, "1-4_2", "", ""};
    RecordingInjector injector_;
    TemporaryFolder sysfs_;
    BacklightControl backlight_{sysfs_.path().string()};
    RecordingProfileSwitch profiles_;
    ActionExecutor executor_{device_, injector_, backlight_, profiles_};
};

struct InputCase {
    const char* name;
    ActionPreference action;
    std::vector<bool> presses;
    Batches expected;
};

std::vector<InputCase> inputCases() {
    const std::vector<bool> pressRelease = {true, false};
    const std::vector<bool> twice = {true, false, true, false};
    const Batches nothing;
    return {
        {"click holds Ctrl around the button",
         makeAction(1, kUseCtrl),
         pressRelease,
         {{E::keyDown(kCtrl)}, {E::buttonDown(kLeft)}, {E::buttonUp(kLeft)}, {E::keyUp(kCtrl)}}},
        {"right_click with every modifier, up in reverse",
         makeAction(2, kUseCtrl | kUseAlt | kUseShift | kUseSpecial),
         pressRelease,
         {{E::keyDown(kCtrl), E::keyDown(kAlt), E::keyDown(kShift), E::keyDown(kWindows)},
          {E::buttonDown(kRight)},
          {E::buttonUp(kRight)},
          {E::keyUp(kWindows), E::keyUp(kShift), E::keyUp(kAlt), E::keyUp(kCtrl)}}},
        {"middle_click",
         makeAction(3),
         pressRelease,
         {{E::buttonDown(MouseButton::Middle)}, {E::buttonUp(MouseButton::Middle)}}},
        {"fourth_click is the first X button",
         makeAction(4),
         pressRelease,
         {{E::buttonDown(MouseButton::X1)}, {E::buttonUp(MouseButton::X1)}}},
        {"fifth_click is the second X button",
         makeAction(5, kUseAlt),
         pressRelease,
         {{E::keyDown(kAlt)},
          {E::buttonDown(MouseButton::X2)},
          {E::buttonUp(MouseButton::X2)},
          {E::keyUp(kAlt)}}},
        {"double_click in one batch on the press",
         makeAction(6, kUseShift),
         pressRelease,
         {{E::keyDown(kShift)},
          {E::buttonDown(kLeft), E::buttonUp(kLeft), E::buttonDown(kLeft), E::buttonUp(kLeft)},
          {E::keyUp(kShift)}}},
        {"triple_click in one batch",
         makeAction(7),
         pressRelease,
         {{E::buttonDown(kLeft), E::buttonUp(kLeft), E::buttonDown(kLeft), E::buttonUp(kLeft),
           E::buttonDown(kLeft), E::buttonUp(kLeft)}}},
        {"right_double_click in one batch",
         makeAction(9),
         pressRelease,
         {{E::buttonDown(kRight), E::buttonUp(kRight), E::buttonDown(kRight),
           E::buttonUp(kRight)}}},
        {"click_lock of the first preset toggles on presses, without modifiers",
         makeAction(8, kUseCtrl, 0, kClickLockToggle),
         twice,
         {{E::buttonDown(kLeft)}, {E::buttonUp(kLeft)}}},
        {"click_lock of no preset toggles",
         makeAction(8),
         twice,
         {{E::buttonDown(kLeft)}, {E::buttonUp(kLeft)}}},
        {"click_lock of the second preset follows the control",
         makeAction(8, kUseCtrl, 0, kClickLockFollow),
         pressRelease,
         {{E::keyDown(kCtrl)}, {E::buttonDown(kLeft)}, {E::buttonUp(kLeft)}, {E::keyUp(kCtrl)}}},
        {"click_lock of a repeating preset does nothing",
         makeAction(8, kNone, 0, RepeatTypePresets[3]), twice, nothing},
        {"keypress of F2 with Alt",
         makeAction(12, kUseAlt, 10000113),
         pressRelease,
         {{E::keyDown(kAlt), E::keyDown(113)}, {E::keyUp(113), E::keyUp(kAlt)}}},
        {"keypress of no key holds the modifiers only",
         makeAction(12, kUseShift),
         pressRelease,
         {{E::keyDown(kShift)}, {E::keyUp(kShift)}}},
        {"keypress of a keypad digit",
         makeAction(12, kNone, keyCodeFromName("KEY_NUMPAD3")),
         pressRelease,
         {{E::keyDown(99)}, {E::keyUp(99)}}},
        {"keypress of Page Up is not Shift+1",
         makeAction(12, kNone, keyCodeFromName("KEY_PAGEUP")),
         pressRelease,
         {{E::keyDown(33)}, {E::keyUp(33)}}},
        {"keypress of a lower-case letter is its letter key",
         makeAction(12, kUseCtrl, keyCodeFromName("KEY_c")),
         pressRelease,
         {{E::keyDown(kCtrl), E::keyDown('C')}, {E::keyUp('C'), E::keyUp(kCtrl)}}},
        {"keypress of a shifted character adds Shift in its place",
         makeAction(12, kUseCtrl | kUseSpecial, keyCodeFromName("KEY_!")),
         pressRelease,
         {{E::keyDown(kCtrl), E::keyDown(kShift), E::keyDown(kWindows), E::keyDown('1')},
          {E::keyUp('1'), E::keyUp(kWindows), E::keyUp(kShift), E::keyUp(kCtrl)}}},
        {"keypress of a shifted character with Shift set holds it once",
         makeAction(12, kUseShift, keyCodeFromName("KEY_~")),
         pressRelease,
         {{E::keyDown(kShift), E::keyDown(0xC0)}, {E::keyUp(0xC0), E::keyUp(kShift)}}},
        {"volume_up", makeAction(13), pressRelease, {{E::keyDown(175)}, {E::keyUp(175)}}},
        {"volume_down", makeAction(14), pressRelease, {{E::keyDown(174)}, {E::keyUp(174)}}},
        {"mute leaves the modifiers out",
         makeAction(15, kUseCtrl),
         pressRelease,
         {{E::keyDown(173)}, {E::keyUp(173)}}},
        {"scroll_up", makeAction(18), pressRelease, {{E::wheel(150)}}},
        {"scroll_down", makeAction(19), pressRelease, {{E::wheel(-150)}}},
        {"ScrollLeft", makeAction(20), pressRelease, {{E::horizontalWheel(-150)}}},
        {"ScrollRight", makeAction(21), pressRelease, {{E::horizontalWheel(150)}}},
    };
}

TEST_F(ActionExecutorTest, EachActionTypeSendsItsInput) {
    for (const InputCase& c : inputCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run(c.action, c.presses), c.expected);
    }
}

TEST_F(ActionExecutorTest, TypesWithoutInputOfTheirOwnDoNothing) {
    for (const uint32_t type : {0u, 10u, 22u, 23u, 24u, 25u, 26u, 29u, 40u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(type);
        ActionPreference action = makeAction(type, kUseCtrl, keyCodeFromName("KEY_A"));
        action.setCommand("/bin/true");
        EXPECT_EQ(run(action, {true, false}), Batches{});
    }
    EXPECT_TRUE(profiles_.calls().empty());
}

TEST_F(ActionExecutorTest, PrintableKeyCodesPressTheKeyThatTypesThemOnAUsLayout) {
    const struct {
        const char* name;
        uint16_t virtualKey;
        bool shift;
    } cases[] = {
        {"KEY_A", 'A', false},
        {"KEY_z", 'Z', false},
        {"KEY_7", '7', false},
        {"KEY_@", '2', true},
        {"KEY_'", 0xDE, false},
        {"KEY_\"", 0xDE, true},
        {"KEY_(", '9', true},
        {"KEY_.", 0xBE, false},
        {"KEY_/", 0xBF, false},
        {"KEY_:", 0xBA, true},
        {"KEY_[", 0xDB, false},
        {"KEY_|", 0xDC, true},
        {"KEY_`", 0xC0, false},
        {"KEY__", 0xBD, true},
        {"KEY_+", 0xBB, true},
        // The bare punctuation keys and the keypad's "=" are keys already.
        {"KEY_SEMICOLON", 0xBA, false},
        {"KEY_=", 0xBB, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Batches expected = {{E::keyDown(c.virtualKey)}, {E::keyUp(c.virtualKey)}};
        if (c.shift) {
            expected = {{E::keyDown(kShift), E::keyDown(c.virtualKey)},
                        {E::keyUp(c.virtualKey), E::keyUp(kShift)}};
        }
        EXPECT_EQ(run(makeAction(12, kNone, keyCodeFromName(c.name)), {true, false}), expected);
    }
}

TEST_F(ActionExecutorTest, StopLetsGoOfAClickLockAndLocksNoMore) {
    executor_.execute(makeAction(8), true);
    executor_.stop();
    executor_.stop();
    executor_.execute(makeAction(8), true);

    EXPECT_EQ(injector_.batches(), (Batches{{E::buttonDown(kLeft)}, {E::buttonUp(kLeft)}}));

    // The next press locks again instead of releasing a button that is up already.
    executor_.resume();
    EXPECT_EQ(run(makeAction(8), {true}), Batches{{E::buttonDown(kLeft)}});
}

// Unlike a stop, a release leaves the lock usable; and without a locked click it sends
// nothing, which would let go of a left button that the user holds down on the mouse.
TEST_F(ActionExecutorTest, ReleasingTheClickLockLetsGoOnlyOfALockedButtonAndTheNextPressLocks) {
    executor_.releaseClickLock();
    executor_.execute(makeAction(8), true);
    executor_.releaseClickLock();
    executor_.releaseClickLock();
    executor_.execute(makeAction(8), true);

    EXPECT_EQ(injector_.batches(),
              (Batches{{E::buttonDown(kLeft)}, {E::buttonUp(kLeft)}, {E::buttonDown(kLeft)}}));
}

TEST_F(ActionExecutorTest, ClickLockPressesOnSeveralThreadsKeepTheButtonInStep) {
    constexpr int kPressesPerThread = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([this] {
            for (int press = 0; press < kPressesPerThread; ++press) {
                executor_.execute(makeAction(8), true);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }

    const std::vector<InputEvent> events = injector_.events();
    ASSERT_EQ(events.size(), 4u * kPressesPerThread);
    for (size_t i = 0; i < events.size(); ++i) {
        ASSERT_EQ(events[i], i % 2 == 0 ? E::buttonDown(kLeft) : E::buttonUp(kLeft)) << i;
    }
}

TEST_F(ActionExecutorTest, TextIsTypedByCodePoint) {
    EXPECT_EQ(run(textAction("a é€😀"), {true, false}), (Batches{{E::character('a')},
                                                                {E::character(' ')},
                                                                {E::character(U'\u00E9')},
                                                                {E::character(U'\u20AC')},
                                                                {E::character(U'\U0001F600')}}));
}

TEST_F(ActionExecutorTest, TextThatIsNotUtf8TypesNothing) {
    const char* cases[] = {
        "ab\xC3",               // cut off
        "ab\x80",               // a continuation byte alone
        "\xC0\xAF",             // overlong
        "\xE0\x80\xAF",         // overlong in three bytes
        "\xED\xA0\x80",         // a surrogate
        "\xF4\x90\x80\x80",     // past U+10FFFF
        "\xF8\x88\x80\x80\x80"  // five bytes
    };
    for (const char* text : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(text)));
        EXPECT_EQ(run(textAction(text), {true}), Batches{});
    }
}

TEST_F(ActionExecutorTest, TypingEndsAtTheFirstRefusedCharacter) {
    injector_.setAccepting(false);
    executor_.execute(textAction("abc"), true);
    EXPECT_EQ(injector_.sendCount(), 1u);
}

// One pause of an hour: typing gets past it only when stopped, and stops there.
TEST_F(ActionExecutorTest, StopEndsTypingDuringItsPause) {
    const struct {
        const char* text;
        ActionExecutor::TypingPauses pauses;
        Batches typed;
    } cases[] = {
        {"a b", {1h, 0ms}, {{E::character('a')}, {E::character(' ')}}},
        {"ab ", {0ms, 1h}, {{E::character('a')}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        injector_.clear();
        executor_.resume();
        executor_.setTypingPauses(c.pauses);
        std::thread typing([&] { executor_.execute(textAction(c.text), true); });
        ASSERT_TRUE(injector_.waitForBatches(c.typed.size(), kProgramWait));

        executor_.stop();
        typing.join();

        EXPECT_EQ(injector_.batches(), c.typed);
    }
}

TEST_F(ActionExecutorTest, AStoppedExecutorTypesNothingUntilResumed) {
    executor_.stop();
    executor_.execute(textAction("ab"), true);
    EXPECT_EQ(injector_.sendCount(), 0u);

    executor_.resume();
    executor_.execute(textAction("ab"), true);
    EXPECT_EQ(injector_.sendCount(), 2u);
}

TEST_F(ActionExecutorTest, BrightnessStepsByTenPercent) {
    const struct {
        uint32_t type;
        std::string brightness;
        std::string written;
    } cases[] = {
        {16, "242\n", "255\n"},  // 95 % up to 100 %
        {17, "13\n", "0\n"},     // 5 % down to 0 %
        {16, "100\n", "125\n"},  // 39 % to 49 %
        {16, "bright\n", "bright\n"},
    };
    const std::filesystem::path folder = sysfs_.path() / "class/backlight/panel";
    std::filesystem::create_directories(folder);
    writeFileBytes((folder / "max_brightness").string(), "255\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.brightness);
        writeFileBytes((folder / "brightness").string(), c.brightness);
        executor_.execute(makeAction(c.type), true);
        executor_.execute(makeAction(c.type), false);
        EXPECT_EQ(readFileBytes((folder / "brightness").string()), c.written);
    }
}

TEST_F(ActionExecutorTest, ProfileSwitchBindsThisDeviceOnThePress) {
    ActionPreference action = makeAction(28);
    action.setSwitchToProfile("Profile##whirlen#whirlenmax#Work");

    executor_.execute(action, true);
    executor_.execute(action, false);
    action.setSwitchToProfile("");
    executor_.execute(action, true);

    const std::pair<std::string, std::string> expected = {modelScopedName("1-4_2", 1),
                                                          "Profile##whirlen#whirlenmax#Work"};
    EXPECT_EQ(profiles_.calls(), (std::vector{expected}));
}

// The program writes down its folder and arguments, and shows it has ended by renaming its
// output into place.
class CommandActionTest : public ActionExecutorTest {
protected:
    CommandActionTest() {
        writeFileBytes(script_,
                       "#!/bin/sh\n"
                       "{ pwd -P; printf '%s|' \"$@\"; } > out.tmp\n"
                       "mv out.tmp out\n");
        chmod(script_.c_str(), 0755);
    }

    std::optional<std::string> waitForOutput() const {
        const auto deadline = std::chrono::steady_clock::now() + kProgramWait;
        while (!std::filesystem::exists(folder_.file("out"))) {
            if (std::chrono::steady_clock::now() > deadline) {
                return std::nullopt;
            }
            std::this_thread::sleep_for(5ms);
        }
        return readFileBytes(folder_.file("out"));
    }

    TemporaryFolder folder_;
    const std::string script_ = folder_.file("show args");
};

TEST_F(CommandActionTest, RunsTheProgramInItsFolderWithItsWordsAndNoShell) {
    ActionPreference action = makeAction(11);
    action.setCommand(script_);
    action.setCommandArgs("'one word' two\\ words \"$HOME\"; touch x");

    executor_.execute(action, true);

    const std::string folder = std::filesystem::canonical(folder_.path()).string();
    EXPECT_EQ(waitForOutput(), folder + "\none word|two words|$HOME;|touch|x|");
    EXPECT_FALSE(std::filesystem::exists(folder_.file("x")));
}

TEST_F(CommandActionTest, ArgumentsOfAnyLengthReachTheProgram) {
    const std::string longWord(5000, 'w');
    ActionPreference action = makeAction(11);
    action.setCommand(script_);
    action.setCommandArgs(longWord);

    executor_.execute(action, true);

    const std::string folder = std::filesystem::canonical(folder_.path()).string();
    EXPECT_EQ(waitForOutput(), folder + "\n" + longWord + "|");
}

}  // namespace
