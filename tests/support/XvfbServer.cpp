#include "tests/support/XvfbServer.h"

#include <chrono>
#include <optional>
#include <vector>

namespace {

// Only a server that never comes up runs into this.
constexpr std::chrono::seconds kStartTimeout{30};

}  // namespace

XvfbServer::XvfbServer(const std::string& screen, int screens) {
    // -displayfd: the display number comes on standard output once the server accepts
    // connections. Without -noreset the server resets whenever its last client leaves and
    // refuses the connections that come meanwhile.
    std::vector<std::string> command = {"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-noreset"};
    for (int index = 0; index < screens; ++index) {
        command.insert(command.end(), {"-screen", std::to_string(index), screen});
    }
    if (!process_.start(command)) {
        return;
    }
    const std::optional<std::string> number = process_.readLine(kStartTimeout);
    if (number && !number->empty()) {
        display_ = ":" + *number;
    } else {
        process_.stop();
    }
}

void XvfbServer::stop() {
    process_.stop();
    display_.clear();
}
