#include "tests/support/SessionBusServer.h"

#include <chrono>
#include <optional>

namespace {

// Only a bus that never comes up runs into this.
constexpr std::chrono::seconds kStartTimeout{30};

}  // namespace

SessionBusServer::SessionBusServer() {
    if (!process_.start({"dbus-daemon", "--session", "--nofork", "--print-address"})) {
        return;
    }
    const std::optional<std::string> address = process_.readLine(kStartTimeout);
    if (address && !address->empty()) {
        address_ = *address;
        environment_.set("DBUS_SESSION_BUS_ADDRESS", address_);
    } else {
        process_.stop();
    }
}
