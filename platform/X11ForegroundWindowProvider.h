#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/ForegroundWindowProvider.h"

struct _XDisplay;

// Reads the foreground application from the X server named by DISPLAY: the window manager's
// _NET_ACTIVE_WINDOW, else the input focus walked up to its top-level window; a transient
// window stands for its owner, and the owner's _NET_WM_PID names the program.
//
// The provider has a display connection of its own, opened on the first call and used only
// by the thread that calls foreground(); the object is not for concurrent use. Without a
// display it reports no window (and logs that once); it tries again on each later call, so
// an agent started before the X session still finds it. A server that goes away costs the
// connection, not the process.
class X11ForegroundWindowProvider : public ForegroundWindowProvider {
public:
    X11ForegroundWindowProvider() = default;
    ~X11ForegroundWindowProvider() override;
    X11ForegroundWindowProvider(const X11ForegroundWindowProvider&) = delete;
    X11ForegroundWindowProvider& operator=(const X11ForegroundWindowProvider&) = delete;

    std::optional<ForegroundWindow> foreground() override;

private:
    struct Atoms {
        unsigned long activeWindow = 0;
        unsigned long pid = 0;
    };

    bool connect();
    void disconnect();
    std::optional<unsigned long> frontWindow();
    std::optional<unsigned long> topLevelOf(unsigned long window);
    unsigned long ownerOf(unsigned long window);
    // The first 32-bit item of a property of the given type; nullopt when it is missing.
    std::optional<unsigned long> numberProperty(unsigned long window, unsigned long property,
                                                unsigned long type);

    _XDisplay* display_ = nullptr;
    Atoms atoms_;
    bool reportedNoDisplay_ = false;
    // Set by Xlib's fatal-error hook when the connection breaks.
    bool broken_ = false;
};
