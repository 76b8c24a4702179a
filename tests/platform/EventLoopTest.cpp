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
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"

extern char** environ;

namespace {

using ::testing::ElementsAre;

constexpr auto kGenerousTimeout = std::chrono::seconds(10);

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

    // run() on a thread of its own; the loop is running once this returns.
    std::future<int> runInThread() {
        std::future<int> result = std::async(std::launch::async, [this] { return loop->run(); });
        // Owned by the task, so it outlives set_value() even after the wait below returns.
        auto started = std::make_shared<std::promise<void>>();
        std::future<void> running = started->get_future();
        loop->post([started] { started->set_value(); });
        running.wait();
        return result;
    }

    sigset_t savedMask{};
    std::unique_ptr<EventLoop> loop;
};

TEST_F(EventLoopTest, PostedTasksRunInOrderOnTheLoopThread) {
    std::future<int> result = runInThread();
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

    ASSERT_EQ(result.wait_for(kGenerousTimeout), std::future_status::ready);
    EXPECT_EQ(result.get(), 7);
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
        std::future<int> result = runInThread();
        ASSERT_EQ(kill(getpid(), signal), 0);

        ASSERT_EQ(result.wait_for(kGenerousTimeout), std::future_status::ready) << signal;
        EXPECT_EQ(result.get(), EventLoop::kSignalExitCode) << signal;
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

// A program that runs until its standard input closes.
pid_t startWaitingProgram(int stdinFd, int writerFd) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, stdinFd, STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, writerFd);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    EXPECT_TRUE(EventLoop::clearSignalMaskForChild(attributes));
    char arg0[] = "sh", arg1[] = "-c", arg2[] = "read line";
    char* argv[] = {arg0, arg1, arg2, nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, "/bin/sh", &actions, &attributes, argv, environ), 0);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

TEST_F(EventLoopTest, EndedChildrenAreReapedAndStartWithNoSignalsBlocked) {
    std::future<int> result = runInThread();
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < 3; ++i) {
        children.push_back(startWaitingProgram(pipeFds[0], pipeFds[1]));
        ASSERT_GT(children.back(), 0);
    }
    for (const pid_t child : children) {
        EXPECT_EQ(blockedSignalsOf(child), "SigBlk:\t0000000000000000");
    }

    // The loop is held up until all three have ended, so their SIGCHLDs merge into one.
    auto release = std::make_shared<std::promise<void>>();
    loop->post([held = release->get_future().share()] { held.wait(); });
    close(pipeFds[0]);
    close(pipeFds[1]);
    for (const pid_t child : children) {
        EXPECT_TRUE(becomesZombie(child)) << "child " << child;
    }
    release->set_value();
    for (const pid_t child : children) {
        EXPECT_TRUE(processIsGone(child)) << "child " << child << " left as a zombie";
        errno = 0;
        EXPECT_EQ(waitpid(child, nullptr, WNOHANG), -1);
        EXPECT_EQ(errno, ECHILD);
    }

    loop->quit(0);
    ASSERT_EQ(result.wait_for(kGenerousTimeout), std::future_status::ready);
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
    std::future<int> result = runInThread();

    ASSERT_EQ(write(pipeFds[1], "xyz", 3), 3);
    ASSERT_EQ(handled.get_future().wait_for(kGenerousTimeout), std::future_status::ready);
    ASSERT_EQ(write(pipeFds[1], "more", 4), 4);
    loop->quit(0);

    ASSERT_EQ(result.wait_for(kGenerousTimeout), std::future_status::ready);
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
