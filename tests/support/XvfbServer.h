#pragma once

#include <string>

#include "tests/support/ChildProcess.h"

// A private X server (Xvfb) for one test, on a display number that the server picks itself,
// so that test programs running side by side never meet. The server is stopped when the
// object goes away.
class XvfbServer {
public:
    // screen: width x height x depth of each of its screens.
    explicit XvfbServer(const std::string& screen = "640x480x24", int screens = 1);
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // Whether the server runs and takes connections; false when Xvfb is missing or failed.
    bool running() const { return !display_.empty(); }
    // The display name to connect to, e.g. ":5"; empty when not running.
    const std::string& display() const { return display_; }
    // Stops the server at once (for tests of a server that goes away).
    void stop();

private:
    ChildProcess process_;
    std::string display_;
};
