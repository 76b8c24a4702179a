#include "platform/XTestInjector.h"

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/XClient.h"
#include "tests/support/XvfbServer.h"

// Last: Xlib's macros (None, Bool...) would break the test framework's headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace {

using Seen = SeenInput;

Seen press(unsigned long keysym, unsigned state = 0) {
    return {KeyPress, keysym, state};
}
Seen release(unsigned long keysym, unsigned state = 0) {
    return {KeyRelease, keysym, state};
}

class XTestInjectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.running()) << "Xvfb is needed for these tests";
        client_.emplace(server_.display());
        ASSERT_TRUE(client_->ready());
        injector_ = XTestInjector::open(server_.display().c_str());
        ASSERT_NE(injector_, nullptr);
    }

    XvfbServer server_;
    std::optional<XClient> client_;
    std::unique_ptr<XTestInjector> injector_;
};

TEST_F(XTestInjectorTest, AChordArrivesInOrderWithItsModifier) {
    const InputEvent chord[] = {InputEvent::keyDown(0xA2), InputEvent::keyDown(0x41),
                                InputEvent::keyUp(0x41), InputEvent::keyUp(0xA2)};

    EXPECT_TRUE(injector_->send(chord));

    EXPECT_EQ(client_->take(4),
              (std::vector<Seen>{press(XK_Control_L), press(XK_a, ControlMask),
                                 release(XK_a, ControlMask), release(XK_Control_L, ControlMask)}));
}

TEST_F(XTestInjectorTest, WheelsAndButtonsBecomeClicks) {
    const InputEvent batch[] = {InputEvent::wheel(150),
                                InputEvent::wheel(-240),
                                InputEvent::horizontalWheel(-150),
                                InputEvent::horizontalWheel(30),
                                InputEvent::buttonDown(MouseButton::Right),
                                InputEvent::buttonUp(MouseButton::Right),
                                InputEvent::buttonDown(MouseButton::X1),
                                InputEvent::buttonUp(MouseButton::X1),
                                InputEvent::buttonDown(MouseButton::X2),
                                InputEvent::buttonUp(MouseButton::X2)};

    EXPECT_TRUE(injector_->send(batch));

    std::vector<unsigned long> buttons;
    for (const Seen& seen : client_->take(8, true)) {
        buttons.push_back(seen.detail);
    }
    EXPECT_EQ(buttons, (std::vector<unsigned long>{4, 5, 5, 6, 7, 3, 8, 9}));
}

TEST_F(XTestInjectorTest, CharactersArriveAsTheirOwnKeysyms) {
    const std::u32string text = U"é€😀Aa\n";
    std::vector<InputEvent> batch;
    for (const char32_t c : text) {
        batch.push_back(InputEvent::character(c));
    }

    EXPECT_TRUE(injector_->send(batch));

    // No Shift is pressed for the capital: its borrowed key has it on the unshifted level.
    EXPECT_EQ(client_->take(6, true),
              (std::vector<Seen>{press(XK_eacute), press(0x010020AC), press(0x0101F600),
                                 press(XK_A), press(XK_a), press(XK_Return)}));
}

TEST_F(XTestInjectorTest, KeysMissingFromTheKeymapAreBorrowedAndReleasedWhereTheyWentDown) {
    // The default keymap of the test server has no F24 and no keypad separator.
    const InputEvent down[] = {InputEvent::keyDown(0x87), InputEvent::keyDown(0x6C)};
    const InputEvent up[] = {InputEvent::keyUp(0x87), InputEvent::keyUp(0x6C)};

    EXPECT_TRUE(injector_->send(down));
    EXPECT_TRUE(injector_->send(up));

    EXPECT_EQ(client_->take(4), (std::vector<Seen>{press(XK_F24), press(XK_KP_Separator),
                                                   release(XK_F24), release(XK_KP_Separator)}));
}

TEST_F(XTestInjectorTest, AnUnmappedKeyIsLeftOutAndTheRestStillGoes) {
    const InputEvent batch[] = {InputEvent::keyDown(0x07), InputEvent::keyDown(0x42),
                                InputEvent::keyUp(0x42)};

    EXPECT_FALSE(injector_->send(batch));

    EXPECT_EQ(client_->take(2), (std::vector<Seen>{press(XK_b), release(XK_b)}));
}

TEST_F(XTestInjectorTest, ClosingReleasesWhatIsStillDown) {
    const InputEvent hold[] = {InputEvent::keyDown(0xA0),
                               InputEvent::buttonDown(MouseButton::Left)};
    ASSERT_TRUE(injector_->send(hold));
    ASSERT_EQ(client_->take(2).size(), 2u);
    ASSERT_TRUE(client_->keyIsDown(XK_Shift_L));

    injector_.reset();

    EXPECT_EQ(client_->take(2).size(), 2u);
    EXPECT_FALSE(client_->keyIsDown(XK_Shift_L));
    EXPECT_EQ(client_->pointerState() & Button1Mask, 0u);
}

TEST_F(XTestInjectorTest, BatchesFromManyThreadsNeverInterleave) {
    constexpr int kThreads = 4;
    constexpr int kChordsPerThread = 50;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const auto letter = static_cast<uint16_t>(0x41 + t);
            const InputEvent chord[] = {InputEvent::keyDown(letter), InputEvent::keyUp(letter)};
            for (int i = 0; i < kChordsPerThread; ++i) {
                injector_->send(chord);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }

    const std::vector<Seen> seen = client_->take(2 * kThreads * kChordsPerThread);
    ASSERT_EQ(seen.size(), 2u * kThreads * kChordsPerThread);
    for (size_t i = 0; i < seen.size(); i += 2) {
        EXPECT_EQ(seen[i].type, KeyPress);
        EXPECT_EQ(seen[i + 1], release(seen[i].detail));
    }
}

TEST_F(XTestInjectorTest, ALostServerFailsTheSendAndLeavesTheProcessRunning) {
    client_.reset();
    server_.stop();

    const InputEvent key[] = {InputEvent::keyDown(0x41), InputEvent::keyUp(0x41)};
    EXPECT_FALSE(injector_->send(key));
    EXPECT_FALSE(injector_->send(key));
    injector_.reset();
}

TEST(XTestInjectorOpenTest, FailsCleanlyWithoutADisplay) {
    EXPECT_EQ(XTestInjector::open(":9999"), nullptr);
}

}  // namespace
