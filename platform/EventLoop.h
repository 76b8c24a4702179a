#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

// The agent's main-thread loop: it waits on the descriptors handed to watch(), on the
// termination and child signals, and on tasks posted from other threads, and runs each
// handler and task on the thread that called run(), one at a time. On SIGCHLD it collects
// the programs that ProcessLauncher left to their caller (Reaping::ByCaller), and no other
// child, whose exit belongs to whoever waits for it.
//
// The signals arrive through a signalfd, so they must be blocked in every thread of the
// process: call blockTerminationSignals() first thing in main, before any thread starts
// (threads take their mask from the thread that starts them).
class EventLoop {
public:
    using Task = std::function<void()>;

    // run()'s result when SIGTERM or SIGINT ends it, the same as the menu's "Exit".
    static constexpr int kSignalExitCode = 0;

    // Blocks SIGTERM, SIGINT and SIGCHLD in the calling thread; false when it cannot (logged).
    // Programs started through ProcessLauncher get a clear mask again.
    static bool blockTerminationSignals();

    // Null when the signal or wake-up descriptor cannot be made (logged).
    static std::unique_ptr<EventLoop> create();
    ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // Calls `onReadable` whenever `fd` is readable or hung up, until unwatch(). The handler
    // must consume what made the descriptor ready, or it is called again at once. Loop
    // thread only (or before run()); a handler may watch and unwatch, itself included.
    void watch(int fd, Task onReadable);
    void unwatch(int fd);

    // Runs `task` on the loop thread, after every task posted before it. Any thread.
    void post(Task task);
    // Ends run() with `exitCode` once the tasks posted before it have run. Any thread.
    void quit(int exitCode);

    // Until quit() or a termination signal. Tasks posted after the quit wait for the next
    // run().
    int run();

private:
    EventLoop(int signalFd, int wakeFd);
    void handleSignals();
    void runPosted();
    void wake();
    void dispatch(int fd, short events);

    int signalFd_;
    int wakeFd_;
    // Loop thread only.
    bool running_ = false;
    int exitCode_ = 0;
    // Shared so that a handler that unwatches itself is not destroyed while it runs.
    std::map<int, std::shared_ptr<Task>> watched_;

    std::mutex postedLock_;
    std::deque<Task> posted_;
};
