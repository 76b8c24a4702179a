#include "agent/ControllerDevice.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <mutex>
#include <numeric>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/SocketPairHidDevice.h"
#include "tests/agent/ActionTestServices.h"

namespace {

using Event = std::pair<int, bool>;
using Events = std::vector<Event>;

constexpr uint32_t kMax = 1;
constexpr uint32_t kLite = 2;

Event press(int control) {
    return {control, true};
}
Event release(int control) {
    return {control, false};
}

struct Report {
    int8_t jog = 0;
    uint8_t dial = 0;
    uint16_t buttons = 0;
};

// Bytes the decoder must not read carry noise.
std::array<uint8_t, ControllerDevice::kReportSize> bytesOf(const Report& report) {
    return {0x00,
            static_cast<uint8_t>(report.jog),
            report.dial,
            0x5A,
            static_cast<uint8_t>(report.buttons & 0xFF),
            static_cast<uint8_t>(report.buttons >> 8),
            0xA5,
            0x5A};
}

// Collects what a device reports; safe to wait on from the test thread.
class Recorder : public ControllerEventNotifyInterface {
public:
    void onControlEvent(int control, bool pressed) override {
        std::lock_guard lock(mutex);
        recorded.emplace_back(control, pressed);
        changed.notify_all();
    }
    void onDeviceGone(ControllerDevice& device) override {
        if (goneHook) {
            goneHook(device);
        }
        std::lock_guard lock(mutex);
        ++gone;
        changed.notify_all();
    }

    // The time limit only keeps a broken reader from hanging the run.
    bool waitForEvents(size_t count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, kGuard, [&] { return recorded.size() >= count; });
    }
    bool waitForGone() {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, kGuard, [&] { return gone > 0; });
    }
    Events events() {
        std::lock_guard lock(mutex);
        return recorded;
    }
    void clear() {
        std::lock_guard lock(mutex);
        recorded.clear();
    }
    int goneCount() {
        std::lock_guard lock(mutex);
        return gone;
    }

    std::function<void(ControllerDevice&)> goneHook;

private:
    static constexpr auto kGuard = std::chrono::seconds(10);
    std::mutex mutex;
    std::condition_variable changed;
    Events recorded;
    int gone = 0;
};

struct DecodeCase {
    const char* name;
    uint32_t model;
    std::vector<Report> reports;
    Events lastReportEvents;
};

// Jog positions and dial values are written {jog, dial, buttons}.
const DecodeCase kDecodeCases[] = {
    {"first report gives no dial event", kMax, {{0, 200, 0}}, {}},
    {"dial 0 to 1 is up", kMax, {{0, 0, 0}, {0, 1, 0}}, {press(16), release(16)}},
    {"dial 0 to 255 is down", kMax, {{0, 0, 0}, {0, 255, 0}}, {press(15), release(15)}},
    {"dial 255 to 0 is up", kMax, {{0, 255, 0}, {0, 0, 0}}, {press(16), release(16)}},
    {"dial 255 to 254 is down", kMax, {{0, 255, 0}, {0, 254, 0}}, {press(15), release(15)}},
    {"dial 10 to 250 is one step up", kMax, {{0, 10, 0}, {0, 250, 0}}, {press(16), release(16)}},
    {"unchanged dial is quiet", kMax, {{0, 10, 0}, {0, 10, 0}}, {}},
    {"jog 0 to 1", kMax, {{1, 0, 0}}, {release(24), press(39), release(39), press(25)}},
    {"jog 0 to 3 gives one transition",
     kMax,
     {{3, 0, 0}},
     {release(24), press(39), release(39), press(27)}},
    {"jog 1 to 0", kMax, {{1, 0, 0}, {0, 0, 0}}, {release(25), press(52), release(52), press(24)}},
    {"jog 7 to 8 only leaves zone 7", kMax, {{7, 0, 0}, {8, 0, 0}}, {release(31)}},
    {"jog 100 after 8 is quiet", kMax, {{8, 0, 0}, {100, 0, 0}}, {}},
    {"jog -100 clamps to -8", kMax, {{-100, 0, 0}}, {release(24), press(53), release(53)}},
    {"jog -8 to -7 enters zone -7 only", kMax, {{-100, 0, 0}, {-7, 0, 0}}, {press(17)}},
    {"Lite bits 4-8 are controls 0-4",
     kLite,
     {{0, 0, 0x01F0}},
     {press(0), press(1), press(2), press(3), press(4)}},
    {"Lite bit 0 is control 0", kLite, {{0, 0, 0x0001}}, {press(0)}},
    {"Max bit 4 is control 4", kMax, {{0, 0, 0x0010}}, {press(4)}},
    {"button release", kMax, {{0, 0, 0x4000}, {0, 0, 0}}, {release(14)}},
    {"bit 15 is quiet on the Max", kMax, {{0, 0, 0x8000}}, {}},
    {"bit 15 is quiet on the Lite", kLite, {{0, 0, 0x8000}}, {}},
    {"buttons, then dial, then jog",
     kMax,
     {{0, 10, 0}, {1, 11, 0x0005}},
     {press(0), press(2), press(16), release(16), release(24), press(39), release(39), press(25)}},
};

TEST(ControllerDeviceDecodeTest, EventsOfTheLastReport) {
    for (const DecodeCase& c : kDecodeCases) {
        SCOPED_TRACE(c.name);
        Recorder recorder;
        ActionTestServices services;
        ControllerDevice device(recorder, services.services(), services.store);
        device.record.model = c.model;
        for (const Report& report : c.reports) {
            recorder.clear();
            EXPECT_TRUE(device.onInputReport(bytesOf(report).data()));
        }
        EXPECT_EQ(recorder.events(), c.lastReportEvents);
    }
}

// On the Max every control 0-59 belongs to exactly one event code.
TEST(ControllerDeviceDecodeTest, EveryMaxControlHasOneEventCode) {
    Recorder recorder;
    ActionTestServices services;
    ControllerDevice device(recorder, services.services(), services.store);
    device.record.model = kMax;
    for (int code = 0; code <= 0xFFFF; ++code) {
        device.onInputEvent(static_cast<uint16_t>(code), true);
    }
    std::vector<int> controls;
    for (const Event& event : recorder.events()) {
        controls.push_back(event.first);
    }
    std::sort(controls.begin(), controls.end());
    std::vector<int> expected(60);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(controls, expected);
}

// Notes whether the reader reads again after being told that the device is gone.
class WatchedHidDevice : public HidDevice {
public:
    WatchedHidDevice(std::unique_ptr<HidDevice> inner, std::atomic<int>& readsAfterGone)
        : inner(std::move(inner)), readsAfterGone(readsAfterGone) {}

    ReadResult readReport(uint8_t* buffer, size_t capacity) override {
        if (gone) {
            ++readsAfterGone;
        }
        const ReadResult result = inner->readReport(buffer, capacity);
        gone = gone || result.status == ReadStatus::Gone;
        return result;
    }
    void cancel() override { inner->cancel(); }

private:
    std::unique_ptr<HidDevice> inner;
    std::atomic<int>& readsAfterGone;
    bool gone = false;
};

// Plays back a fixed list of read results; failures of a device cannot be provoked on a
// socket at will.
class ScriptedHidDevice : public HidDevice {
public:
    struct Step {
        ReadStatus status;
        Report report;
    };
    explicit ScriptedHidDevice(std::deque<Step> steps) : steps(std::move(steps)) {}

    ReadResult readReport(uint8_t* buffer, size_t capacity) override {
        if (steps.empty()) {
            ADD_FAILURE() << "read past the end of the script";
            return {ReadStatus::Gone, 0};
        }
        const Step step = steps.front();
        steps.pop_front();
        const auto bytes = bytesOf(step.report);
        std::memcpy(buffer, bytes.data(), std::min(capacity, bytes.size()));
        return {step.status, step.status == ReadStatus::Report ? bytes.size() : 0};
    }
    void cancel() override {}

private:
    std::deque<Step> steps;
};

class ControllerDeviceReaderTest : public ::testing::Test {
protected:
    ControllerDeviceReaderTest() { device.record.model = kMax; }

    bool send(const Report& report) { return pair.write(bytesOf(report)); }

    SocketPairHidDevice pair{true};
    Recorder recorder;
    ActionTestServices services;
    ControllerDevice device{recorder, services.services(), services.store};
};

TEST_F(ControllerDeviceReaderTest, ShortReportIsDropped) {
    ASSERT_TRUE(device.startReader(pair.takeDevice()));
    ASSERT_TRUE(send({0, 0, 0x0001}));
    // Decoded over the buffer of the report before, this would release button 0.
    const std::array<uint8_t, 5> shortReport{};
    ASSERT_TRUE(pair.write(shortReport));
    ASSERT_TRUE(send({0, 0, 0x0003}));

    ASSERT_TRUE(recorder.waitForEvents(2));
    device.stop();

    EXPECT_EQ(recorder.events(), (Events{press(0), press(1)}));
}

TEST_F(ControllerDeviceReaderTest, StopEndsABlockedReaderEveryTime) {
    for (int i = 0; i < 200; ++i) {
        SocketPairHidDevice idle(true);
        Recorder quiet;
        ControllerDevice reader(quiet, services.services(), services.store);
        ASSERT_TRUE(reader.startReader(idle.takeDevice()));
        reader.stop();
        reader.stop();
        ASSERT_EQ(quiet.goneCount(), 0) << "a stop is no hang-up";
    }
}

TEST_F(ControllerDeviceReaderTest, HangUpEndsTheReaderAndIsReportedOnce) {
    std::atomic<int> readsAfterGone{0};
    ASSERT_TRUE(
        device.startReader(std::make_unique<WatchedHidDevice>(pair.takeDevice(), readsAfterGone)));
    ASSERT_TRUE(send({0, 0, 0x0001}));
    pair.closeWriter();

    ASSERT_TRUE(recorder.waitForGone());
    device.stop();

    EXPECT_EQ(recorder.events(), (Events{press(0)}));
    EXPECT_EQ(recorder.goneCount(), 1);
    EXPECT_EQ(readsAfterGone, 0);
}

TEST_F(ControllerDeviceReaderTest, TransientErrorsDoNotEndTheReader) {
    using Status = HidDevice::ReadStatus;
    ASSERT_TRUE(
        device.startReader(std::make_unique<ScriptedHidDevice>(std::deque<ScriptedHidDevice::Step>{
            {Status::Transient, {}},
            {Status::Report, {0, 0, 0x0001}},
            {Status::Transient, {}},
            {Status::Report, {0, 0, 0x0000}},
            {Status::Gone, {}},
        })));

    ASSERT_TRUE(recorder.waitForGone());
    device.stop();

    EXPECT_EQ(recorder.events(), (Events{press(0), release(0)}));
    EXPECT_EQ(recorder.goneCount(), 1);
}

TEST_F(ControllerDeviceReaderTest, DeviceMayBeDestroyedFromItsGoneNotification) {
    auto owned = std::make_unique<ControllerDevice>(recorder, services.services(), services.store);
    recorder.goneHook = [&owned](ControllerDevice& gone) {
        EXPECT_EQ(&gone, owned.get());
        owned.reset();
    };
    ASSERT_TRUE(owned->startReader(pair.takeDevice()));
    pair.closeWriter();

    ASSERT_TRUE(recorder.waitForGone());

    EXPECT_EQ(owned, nullptr);
}

// The engine may stop a device that another thread has put in its table but
// not started yet; the start that comes after must not bring it back.
TEST_F(ControllerDeviceReaderTest, StoppedDeviceStartsNoReaderAndClosesTheHandle) {
    device.stop();
    EXPECT_FALSE(device.startReader(pair.takeDevice()));
    EXPECT_FALSE(send({0, 0, 0x0001}));
}

TEST_F(ControllerDeviceReaderTest, StartNeedsADeviceAndOnlyOneReader) {
    EXPECT_FALSE(device.startReader(nullptr));
    ASSERT_TRUE(device.startReader(pair.takeDevice()));
    SocketPairHidDevice second(true);
    EXPECT_FALSE(device.startReader(second.takeDevice()));
}

}  // namespace
