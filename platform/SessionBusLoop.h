#pragma once

#include <systemd/sd-bus.h>

#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>

// A session-bus connection served by a thread of its own. An sd-bus connection must not
// be used from several threads, so everything that touches it runs on that thread: the
// setup handed to start(), every task posted while the loop runs, and the callbacks of
// whatever the setup exported.
class SessionBusLoop {
public:
    // Runs on the loop's thread with the new connection; true to go on serving it, false
    // with the reason in `whyNot`.
    using Setup = std::function<bool(sd_bus* bus, std::string& whyNot)>;
    using Task = std::function<void(sd_bus* bus)>;

    SessionBusLoop() = default;
    ~SessionBusLoop();
    SessionBusLoop(const SessionBusLoop&) = delete;
    SessionBusLoop& operator=(const SessionBusLoop&) = delete;

    // Connects to the session bus on a new thread and runs `setup` there; returns once the
    // setup has answered. False, with the reason in `whyNot` and the thread gone, when
    // there is no session bus or the setup fails.
    bool start(const Setup& setup, std::string& whyNot);
    // Runs `task` on the loop's thread soon; dropped when the loop is not running.
    void post(Task task);
    // Runs the tasks posted so far, then ends the thread and closes the connection, sending
    // what is still queued first. Harmless when the loop is not running.
    void stop();
    bool isRunning() const;

private:
    void run(const Setup& setup, std::string& whyNot, std::promise<bool> started);
    void serve(sd_bus* bus);
    void wait(sd_bus* bus, bool connected);

    std::thread thread_;
    // Wakes the thread for posted tasks and for stop().
    int wakeFd_ = -1;
    mutable std::mutex lock_;
    std::deque<Task> tasks_;
    bool running_ = false;
    bool stopping_ = false;
};
