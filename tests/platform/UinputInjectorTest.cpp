#include "platform/UinputInjector.h"

#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

struct Record {
    uint16_t type;
    uint16_t code;
    int32_t value;
    bool operator==(const Record&) const = default;
};

void PrintTo(const Record& record, std::ostream* out) {
    *out << "{" << record.type << ", " << record.code << ", " << record.value << "}";
}

constexpr Record kSync = {EV_SYN, SYN_REPORT, 0};

// An injector whose device is the write end of a pipe; the test reads what it wrote.
class UinputInjectorTest : public ::testing::Test {
protected:
    void SetUp() override {
        int fds[2];
        ASSERT_EQ(pipe2(fds, O_CLOEXEC | O_NONBLOCK), 0);
        readEnd_ = fds[0];
        injector_ = UinputInjector::adopt(fds[1]);
    }
    void TearDown() override { close(readEnd_); }

    std::vector<Record> written() {
        std::vector<Record> records;
        input_event event{};
        while (read(readEnd_, &event, sizeof event) == sizeof event) {
            records.push_back({event.type, event.code, event.value});
        }
        return records;
    }

    int readEnd_ = -1;
    std::unique_ptr<UinputInjector> injector_;
};

TEST_F(UinputInjectorTest, EachEventIsOneReport) {
    struct Case {
        InputEvent event;
        std::vector<Record> records;
    };
    const Case cases[] = {
        {InputEvent::keyDown(0x41), {{EV_KEY, KEY_A, 1}}},
        {InputEvent::keyDown(0x51), {{EV_KEY, KEY_Q, 1}}},
        {InputEvent::keyUp(0x30), {{EV_KEY, KEY_0, 0}}},
        {InputEvent::keyDown(0x31), {{EV_KEY, KEY_1, 1}}},
        {InputEvent::keyDown(0x79), {{EV_KEY, KEY_F10, 1}}},
        {InputEvent::keyDown(0x7A), {{EV_KEY, KEY_F11, 1}}},
        {InputEvent::keyDown(0x7C), {{EV_KEY, KEY_F13, 1}}},
        {InputEvent::keyDown(0x87), {{EV_KEY, KEY_F24, 1}}},
        {InputEvent::keyDown(0x60), {{EV_KEY, KEY_KP0, 1}}},
        {InputEvent::keyDown(0x6F), {{EV_KEY, KEY_KPSLASH, 1}}},
        {InputEvent::keyDown(0x0A), {{EV_KEY, KEY_KPENTER, 1}}},
        {InputEvent::keyDown(0xA5), {{EV_KEY, KEY_RIGHTALT, 1}}},
        {InputEvent::keyDown(0x11), {{EV_KEY, KEY_LEFTCTRL, 1}}},
        {InputEvent::keyDown(0x5B), {{EV_KEY, KEY_LEFTMETA, 1}}},
        {InputEvent::keyDown(0xAD), {{EV_KEY, KEY_MUTE, 1}}},
        {InputEvent::keyDown(0xB3), {{EV_KEY, KEY_PLAYPAUSE, 1}}},
        {InputEvent::keyDown(0xC0), {{EV_KEY, KEY_GRAVE, 1}}},
        {InputEvent::keyDown(0xDE), {{EV_KEY, KEY_APOSTROPHE, 1}}},
        {InputEvent::keyDown(0x2C), {{EV_KEY, KEY_SYSRQ, 1}}},
        {InputEvent::buttonDown(MouseButton::Left), {{EV_KEY, BTN_LEFT, 1}}},
        {InputEvent::buttonUp(MouseButton::Middle), {{EV_KEY, BTN_MIDDLE, 0}}},
        {InputEvent::buttonDown(MouseButton::X1), {{EV_KEY, BTN_SIDE, 1}}},
        {InputEvent::buttonUp(MouseButton::X2), {{EV_KEY, BTN_EXTRA, 0}}},
        {InputEvent::wheel(150), {{EV_REL, REL_WHEEL_HI_RES, 150}, {EV_REL, REL_WHEEL, 1}}},
        {InputEvent::wheel(-30), {{EV_REL, REL_WHEEL_HI_RES, -30}, {EV_REL, REL_WHEEL, -1}}},
        {InputEvent::horizontalWheel(-250),
         {{EV_REL, REL_HWHEEL_HI_RES, -250}, {EV_REL, REL_HWHEEL, -2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.event));
        EXPECT_TRUE(injector_->send({&c.event, 1}));
        std::vector<Record> expected = c.records;
        expected.push_back(kSync);
        EXPECT_EQ(written(), expected);
    }
}

TEST_F(UinputInjectorTest, RepeatedPressesOfOneButtonStayApart) {
    const InputEvent doubleClick[] = {
        InputEvent::buttonDown(MouseButton::Left), InputEvent::buttonUp(MouseButton::Left),
        InputEvent::buttonDown(MouseButton::Left), InputEvent::buttonUp(MouseButton::Left)};

    EXPECT_TRUE(injector_->send(doubleClick));

    const Record down = {EV_KEY, BTN_LEFT, 1};
    const Record up = {EV_KEY, BTN_LEFT, 0};
    EXPECT_EQ(written(), (std::vector<Record>{down, kSync, up, kSync, down, kSync, up, kSync}));
}

TEST_F(UinputInjectorTest, WhatCannotBeSentIsLeftOutAndLoggedOnce) {
    const InputEvent batch[] = {InputEvent::character(U'é'), InputEvent::keyDown(0xFF),
                                InputEvent::keyDown(0x42)};

    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(injector_->send(batch));
    EXPECT_FALSE(injector_->send(batch));
    const std::string log = ::testing::internal::GetCapturedStdout();

    const Record b = {EV_KEY, KEY_B, 1};
    EXPECT_EQ(written(), (std::vector<Record>{b, kSync, b, kSync}));
    EXPECT_THAT(log, ::testing::ContainsRegex("0xFF"));
    EXPECT_THAT(log, ::testing::Not(::testing::ContainsRegex("0xFF(.|\n)*0xFF")));
    EXPECT_THAT(log, ::testing::Not(::testing::ContainsRegex("uinput(.|\n)*uinput")));
}

TEST_F(UinputInjectorTest, NothingToSendWritesNothing) {
    const InputEvent batch[] = {InputEvent::character(U'x'), InputEvent::wheel(0)};

    EXPECT_FALSE(injector_->send(batch));
    EXPECT_FALSE(injector_->send({}));

    EXPECT_TRUE(written().empty());
}

TEST(UinputInjectorOpenTest, FailsCleanlyWithoutADevice) {
    EXPECT_EQ(UinputInjector::open("/nonexistent/uinput"), nullptr);
    // A node that opens but is no uinput device refuses the set-up calls.
    EXPECT_EQ(UinputInjector::open("/dev/null"), nullptr);
}

}  // namespace
