#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The application in front: the window that owns the foreground window (a dialog stands
// for the window it belongs to) and the program that made it.
struct ForegroundWindow {
    uint64_t rootWindow = 0;
    // Full path of the program's executable; empty when it cannot be read.
    std::string programPath;

    bool operator==(const ForegroundWindow&) const = default;
};

// Tells which application is in front. Polled by the foreground watcher from its own thread.
class ForegroundWindowProvider {
public:
    virtual ~ForegroundWindowProvider() = default;

    // The application in front; nullopt when no window is in front or none can be known.
    virtual std::optional<ForegroundWindow> foreground() = 0;
};
