#include "platform/EventLoop.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/ProcessLauncher.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"

extern char** environ;

namespace {

using ::testing::ElementsAre;

constexpr auto kGenerousTimeout = std::chrono::seconds(10);

// run() on a thread of its own. However the test ends, the loop is told to quit and the
// thread waited for, so a failed check never leaves run() behind on a destroyed loop.
class LoopThread {
public:
    explicit LoopThread(EventLoop& loop)
        : loop_(loop), result_(std::async(std::launch::async, [&loop] { return loop.run(); })) {
        // Owned by the task, so it outlives set_value() even after the wait below returns.
        auto started = std::make_shared<std::promise<void>>();
        std::future<void> running = started->get_future();
        loop_.post([started] { started->set_value(); });
        running.wait();
    }
    ~LoopThread() {
        if (result_.valid()) {
            loop_.quit(0);
            result_.wait();
        }
    }
    LoopThread(const LoopThread&) = delete;
    LoopThread& operator=(const LoopThread&) = delete;

    // What run() returned; nullopt when it has not ended in time.
    std::optional<int> result() {
        if (result_.wait_for(kGenerousTimeout) != std::future_status::ready) {
            return std::nullopt;
        }
        return result_.get();
    }

private:
    EventLoop& loop_;
    std::future<int> result_;
};

class EventLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(pthread_sigmask(SIG_SETMASK, nullptr, &savedMask), 0);
        ASSERT_TRUE(EventLoop::blockTerminationSignals());
        loop = EventLoop::create();
        ASSERT_NE(loop, nullptr);
    }
    void TearDown() override {
        loop.reset();
        pthread_sigmask(SIG_SETMASK, &savedMask, nullptr);
    }

    sigset_t savedMask{};
    std::unique_ptr<EventLoop> loop;
};

TEST_F(EventLoopTest, PostedTasksRunInOrderOnTheLoopThread) {
    LoopThread running(*loop);
    std::thread::id loopThread;
    loop->post([&] { loopThread = std::this_thread::get_id(); });

    constexpr int kPosters = 3;
    constexpr int kTasksEach = 200;
    std::vector<std::pair<int, int>> ran;
    bool allOnLoopThread = true;
    std::vector<std::thread> posters;
    for (int poster = 0; poster < kPosters; ++poster) {
        posters.emplace_back([&, poster] {
            for (int i = 0; i < kTasksEach; ++i) {
                loop->post([&, poster, i] {
                    ran.emplace_back(poster, i);
                    allOnLoopThread = allOnLoopThread && std::this_thread::get_id() == loopThread;
                });
            }
        });
    }
    for (std::thread& poster : posters) {
        poster.join();
    }
    loop->quit(7);

    EXPECT_EQ(running.result(), 7);
    EXPECT_TRUE(allOnLoopThread);
    ASSERT_EQ(ran.size(), static_cast<size_t>(kPosters * kTasksEach));
    std::vector<int> next(kPosters, 0);
    for (const auto& [poster, i] : ran) {
        EXPECT_EQ(i, next[poster]++) << "poster " << poster;
    }
}

TEST_F(EventLoopTest, QuitRunsAfterEarlierTasksAndLeavesLaterOnesForTheNextRun) {
    std::vector<std::string> ran;
    loop->post([&] { ran.push_back("before run"); });
    loop->post([&] {
        ran.push_back("posts and quits");
        loop->post([&] { ran.push_back("posted before quit"); });
        loop->quit(3);
        loop->post([&] { ran.push_back("posted after quit"); });
    });

    EXPECT_EQ(loop->run(), 3);
    EXPECT_THAT(ran, ElementsAre("before run", "posts and quits", "posted before quit"));

    loop->quit(4);
    EXPECT_EQ(loop->run(), 4);
    EXPECT_EQ(ran.back(), "posted after quit");
}

TEST_F(EventLoopTest, TerminationSignalsEndRun) {
    for (const int signal : {SIGTERM, SIGINT}) {
        // Sent while the loop waits, from another thread, to the whole process, as a
        // signal from outside would come.
        LoopThread running(*loop);
        ASSERT_EQ(kill(getpid(), signal), 0);

        EXPECT_EQ(running.result(), EventLoop::kSignalExitCode) << signal;
    }
}

std::string procEntry(pid_t pid) {
    return "/proc/" + std::to_string(pid);
}

// Ended but not yet reaped: the state after the command name in /proc/<pid>/stat is Z.
bool becomesZombie(pid_t pid) {
    return waitUntil([pid] {
        const std::string stat = readFileBytes(procEntry(pid) + "/stat");
        const size_t nameEnd = stat.rfind(')');
        return nameEnd != std::string::npos && stat.compare(nameEnd, 3, ") Z") == 0;
    });
}

bool processIsGone(pid_t pid) {
    return waitUntil([pid] { return !std::filesystem::exists(procEntry(pid)); });
}

std::string blockedSignalsOf(pid_t pid) {
    const std::string status = readFileBytes(procEntry(pid) + "/status");
    const size_t at = status.find("SigBlk:");
    return at == std::string::npos ? "" : status.substr(at, status.find('\n', at) - at);
}

// A child that this process waits for itself, started behind the launcher's back.
pid_t startOwnChild() {
    char arg0[] = "true";
    char* argv[] = {arg0, nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, "/bin/true", nullptr, nullptr, argv, environ), 0);
    return pid;
}

TEST_F(EventLoopTest, EndsLaunchedProgramsAndLeavesOtherChildrenToTheirOwnWaiter) {
    const pid_t ownChild = startOwnChild();
    ASSERT_GT(ownChild, 0);
    ASSERT_TRUE(becomesZombie(ownChild));
    LoopThread running(*loop);
    std::vector<pid_t> launched;
    for (int i = 0; i < 3; ++i) {
        launched.push_back(
            ProcessLauncher::launch({"/bin/sleep", "1000"}, ProcessLauncher::Reaping::ByCaller));
        ASSERT_GT(launched.back(), 0);
        // The loop thread blocks these signals; a program that kept them blocked could not
        // be stopped by SIGTERM below.
        EXPECT_EQ(blockedSignalsOf(launched.back()), "SigBlk:\t0000000000000000");
    }

    // With the loop held up, the programs stay zombies until it is free again, so the reap
    // is the loop's and all three SIGCHLDs may have merged into one by then.
    std::promise<void> holding;
    std::future<void> held = holding.get_future();
    auto release = std::make_shared<std::promise<void>>();
    loop->post([&holding, released = release->get_future().share()] {
        holding.set_value();
        released.wait_for(kGenerousTimeout);
    });
    held.wait();
    for (const pid_t pid : launched) {
        ASSERT_EQ(kill(pid, SIGTERM), 0);
    }
    for (const pid_t pid : launched) {
        EXPECT_TRUE(becomesZombie(pid)) << "program " << pid;
    }
    release->set_value();
    for (const pid_t pid : launched) {
        EXPECT_TRUE(processIsGone(pid)) << "program " << pid << " left as a zombie";
        errno = 0;
        EXPECT_EQ(waitpid(pid, nullptr, WNOHANG), -1);
        EXPECT_EQ(errno, ECHILD);
    }

    int status = 0;
    EXPECT_EQ(waitpid(ownChild, &status, WNOHANG), ownChild) << "the loop took another's child";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(EventLoopTest, WatchedDescriptorsAreHandledWhenReadableUntilUnwatched) {
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    std::string received;
    int calls = 0;
    std::promise<void> handled;
    loop->watch(pipeFds[0], [&] {
        ++calls;
        char buffer[16];
        const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
        received.append(buffer, got > 0 ? static_cast<size_t>(got) : 0);
        loop->unwatch(pipeFds[0]);
        handled.set_value();
    });
    LoopThread running(*loop);

    ASSERT_EQ(write(pipeFds[1], "xyz", 3), 3);
    ASSERT_EQ(handled.get_future().wait_for(kGenerousTimeout), std::future_status::ready);
    ASSERT_EQ(write(pipeFds[1], "more", 4), 4);
    loop->quit(0);

    EXPECT_EQ(running.result(), 0);
    EXPECT_EQ(received, "xyz");
    EXPECT_EQ(calls, 1);
    close(pipeFds[0]);
    close(pipeFds[1]);
}

TEST_F(EventLoopTest, AHangUpCountsAsReadable) {
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    loop->watch(pipeFds[0], [&] {
        char byte;
        if (read(pipeFds[0], &byte, 1) == 0) {
            loop->quit(5);
        }
    });
    close(pipeFds[1]);

    EXPECT_EQ(loop->run(), 5);
    close(pipeFds[0]);
}

}  // namespace
