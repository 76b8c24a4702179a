#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/ForegroundWindowProvider.h"

// Watches which application is in front while a controller is connected, and has the
// engine rebind the controllers when it changes: when the front window's root or its
// program differs from the last poll.
//
// One thread for the agent's whole life. It sleeps on a condition while no controller is
// connected, so that an arrival, a removal and the end of the program are each a plain
// change of state, with no thread started or joined along the way.
class ForegroundWatcher {
public:
    // The part of the engine that the watcher drives.
    class Engine {
    public:
        virtual ~Engine() = default;
        // The program in front, "/"-separated; rebinds every controller for it.
        virtual void setForegroundPath(const std::string& path) = 0;
        // Rebinds every controller for the path it has.
        virtual void rebuildBindings() = 0;
    };

    static constexpr std::chrono::milliseconds kPollPeriod{500};

    // The provider is used by the watcher's thread alone.
    ForegroundWatcher(Engine& engine, std::unique_ptr<ForegroundWindowProvider> provider,
                      std::chrono::milliseconds pollPeriod = kPollPeriod);
    ~ForegroundWatcher();
    ForegroundWatcher(const ForegroundWatcher&) = delete;
    ForegroundWatcher& operator=(const ForegroundWatcher&) = delete;

    // Starts the thread, paused until a controller is present; false (logged) when it
    // cannot.
    bool start();
    // Whether any controller is connected: polling runs only while one is. Any thread.
    void setDevicePresent(bool present);
    // Ends and joins the thread. Harmless when it is not running.
    void stop();

private:
    void watchForegroundApplication();
    // Waits a whole period with a controller present; false once stopped.
    bool waitForNextPoll();
    void poll();

    Engine& engine_;
    const std::unique_ptr<ForegroundWindowProvider> provider_;
    const std::chrono::milliseconds pollPeriod_;
    std::thread thread_;

    std::mutex lock_;
    std::condition_variable changed_;
    // Guarded by lock_.
    bool devicePresent_ = false;
    bool stopping_ = false;

    // The watcher's thread only: what the last poll saw.
    std::string lastPath_;
    std::optional<uint64_t> lastRootWindow_;
};
