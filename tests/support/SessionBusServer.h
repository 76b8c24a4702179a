#pragma once

#include <string>

#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedEnvironment.h"

// A private session bus (dbus-daemon) for one test. While the object lives,
// DBUS_SESSION_BUS_ADDRESS names it, for this process and the programs it starts; the bus
// is stopped when the object goes away.
class SessionBusServer {
public:
    SessionBusServer();
    SessionBusServer(const SessionBusServer&) = delete;
    SessionBusServer& operator=(const SessionBusServer&) = delete;

    // Whether the bus runs; false when dbus-daemon is missing or failed.
    bool running() const { return !address_.empty(); }
    const std::string& address() const { return address_; }

private:
    ChildProcess process_;
    ScopedEnvironment environment_;
    std::string address_;
};
