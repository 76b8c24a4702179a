#include "agent/ForegroundWatcher.h"

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/FakeForegroundWindowProvider.h"

namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Answer = FakeForegroundWindowProvider::Answer;

constexpr auto kPatience = 20s;
// Short, so that many polls pass while the test waits on them.
constexpr auto kPeriod = 1ms;
// Polls that a test lets pass to show that nothing more happens.
constexpr std::size_t kQuietPolls = 30;

// What the watcher had the engine do, in order.
class RecordingEngine : public ForegroundWatcher::Engine {
public:
    void setForegroundPath(const std::string& path) override { record("path " + path); }
    void rebuildBindings() override { record("rebuild"); }

    std::vector<std::string> calls() const {
        std::lock_guard guard(lock_);
        return calls_;
    }

private:
    void record(const std::string& call) {
        std::lock_guard guard(lock_);
        calls_.push_back(call);
    }

    mutable std::mutex lock_;
    std::vector<std::string> calls_;
};

// A watcher on a scripted desktop.
struct Watched {
    explicit Watched(std::vector<Answer> script = {})
        : provider(new FakeForegroundWindowProvider(std::move(script))),
          watcher(engine, std::unique_ptr<ForegroundWindowProvider>(provider), kPeriod) {}

    RecordingEngine engine;
    // Owned by the watcher, which outlives every use of it here.
    FakeForegroundWindowProvider* provider;
    ForegroundWatcher watcher;
};

Answer window(uint64_t root, const std::string& program) {
    return ForegroundWindow{root, program};
}

// Waits for `polls` more polls of a watcher that never pauses, standing in for a clock
// without timing anything.
void letPollsPass(std::size_t polls) {
    Watched clock;
    ASSERT_TRUE(clock.watcher.start());
    clock.watcher.setDevicePresent(true);
    ASSERT_TRUE(clock.provider->waitForCalls(polls, kPatience));
}

TEST(ForegroundWatcherTest, RebindsOncePerChangeOfRootWindowOrProgram) {
    const std::vector<Answer> script = {
        std::nullopt,                       // nothing in front yet: nothing to tell
        window(1, "C:\\Apps\\editor.exe"),  // first window
        window(1, "C:\\Apps\\editor.exe"),  // unchanged
        window(2, "C:\\Apps\\editor.exe"),  // another window of the same program
        window(2, "/usr/bin/player"),       // the same window, another program
        window(2, "/usr/bin/player"),       // unchanged
        std::nullopt,                       // no window: rebind for the path as it is
        std::nullopt,                       // still none
        window(2, "/usr/bin/player"),       // back: seen afresh
    };
    Watched watched(script);
    ASSERT_TRUE(watched.watcher.start());
    watched.watcher.setDevicePresent(true);

    // The last answer repeats once the script is through, as a desktop left alone.
    ASSERT_TRUE(watched.provider->waitForCalls(script.size() + kQuietPolls, kPatience));
    EXPECT_THAT(watched.engine.calls(),
                ElementsAre("path C:/Apps/editor.exe", "path C:/Apps/editor.exe",
                            "path /usr/bin/player", "rebuild", "path /usr/bin/player"));
}

TEST(ForegroundWatcherTest, PollsOnlyWhileADeviceIsPresent) {
    Watched watched({window(1, "/usr/bin/editor")});
    ASSERT_TRUE(watched.watcher.start());
    letPollsPass(kQuietPolls);
    EXPECT_EQ(watched.provider->calls(), 0u);

    watched.watcher.setDevicePresent(true);
    ASSERT_TRUE(watched.provider->waitForCalls(3, kPatience));
    watched.watcher.setDevicePresent(false);
    // A poll under way when the last device left may still finish.
    const std::size_t whenPaused = watched.provider->calls() + 1;
    letPollsPass(kQuietPolls);
    EXPECT_LE(watched.provider->calls(), whenPaused);

    // The same thread takes up again, and the unchanged window tells nothing new.
    watched.watcher.setDevicePresent(true);
    EXPECT_TRUE(watched.provider->waitForCalls(whenPaused + kQuietPolls, kPatience));
    EXPECT_THAT(watched.engine.calls(), ElementsAre("path /usr/bin/editor"));
}

TEST(ForegroundWatcherTest, StopEndsTheThreadWhetherPollingOrPaused) {
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present);
        Watched watched({window(1, "/usr/bin/editor")});
        ASSERT_TRUE(watched.watcher.start());
        watched.watcher.setDevicePresent(present);
        if (present) {
            ASSERT_TRUE(watched.provider->waitForCalls(1, kPatience));
        }
        watched.watcher.stop();
        const std::size_t calls = watched.provider->calls();
        watched.watcher.setDevicePresent(true);
        letPollsPass(kQuietPolls);
        EXPECT_EQ(watched.provider->calls(), calls);
    }
}

}  // namespace
