#pragma once

#include <systemd/sd-bus.h>

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/SessionBusLoop.h"

// The desktop's side of the session bus for tray tests: owns the StatusNotifierWatcher's
// name and, as real hosts may, asks each new item about itself before answering its
// registration.
class TrayHost {
public:
    // What the host saw of one registration.
    struct Registration {
        std::string service;
        // The unique name of the connection that registered.
        std::string sender;
        // The item's Title, asked for before the registration was answered.
        std::string title;
    };

    TrayHost() = default;
    // The loop goes first: its thread records into the members below.
    ~TrayHost() { stop(); }
    TrayHost(const TrayHost&) = delete;
    TrayHost& operator=(const TrayHost&) = delete;

    // False, with the reason in `whyNot`, when the watcher's name cannot be had.
    bool start(std::string& whyNot);
    void stop();

    // The first `count` registrations; nullopt when fewer arrive within `timeout`.
    std::optional<std::vector<Registration>> waitForRegistrations(
        std::size_t count, std::chrono::milliseconds timeout);

private:
    static int onRegister(sd_bus_message* call, void* self, sd_bus_error*);
    void record(const Registration& registration);

    SessionBusLoop loop_;
    std::mutex lock_;
    std::condition_variable registered_;
    std::vector<Registration> registrations_;
};
