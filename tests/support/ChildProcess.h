#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// A server a test starts for itself (an X server, a message bus), with its standard output
// on a pipe for the line it announces itself with. The server is ended and reaped when the
// object goes away, and it is also ended when the thread that started it ends, so even a
// test that crashes leaves nothing running.
class ChildProcess {
public:
    // Starts the program (searched in PATH) with these arguments; false when it cannot be
    // started, e.g. because it is not installed.
    bool start(const std::vector<std::string>& arguments);
    ~ChildProcess();

    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line the child writes, without its line end; nullopt when the child closes
    // its output or stays silent for `timeout`.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout);
    // Ends the child (SIGTERM) and waits for it. Harmless when it is not running.
    void stop();
    // The child's process id; -1 before a start.
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string pending_;
};
