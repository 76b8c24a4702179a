#include "tests/support/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Runs in the forked child, so only async-signal-safe calls. The child is ended with the
// test: a test that crashes must not leave a server behind that holds the test runner's
// output open. An exec failure is written to `status` (closed on a successful exec).
[[noreturn]] void becomeChild(char* const* argv, int output, int status, pid_t parent) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) {
        _exit(127);
    }
    dup2(output, STDOUT_FILENO);
    execvp(argv[0], argv);
    const int error = errno;
    [[maybe_unused]] const ssize_t written = write(status, &error, sizeof error);
    _exit(127);
}

}  // namespace

bool ChildProcess::start(const std::vector<std::string>& arguments) {
    stop();
    int outputFds[2];
    int statusFds[2];
    if (arguments.empty() || pipe2(outputFds, O_CLOEXEC) != 0) {
        return false;
    }
    if (pipe2(statusFds, O_CLOEXEC) != 0) {
        close(outputFds[0]);
        close(outputFds[1]);
        return false;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        becomeChild(argv.data(), outputFds[1], statusFds[1], parent);
    }
    close(outputFds[1]);
    close(statusFds[1]);
    int execError = 0;
    ssize_t got = -1;
    while (pid_ > 0 && (got = read(statusFds[0], &execError, sizeof execError)) < 0 &&
           errno == EINTR) {
    }
    const bool launched = pid_ > 0 && got == 0;
    close(statusFds[0]);
    output_ = outputFds[0];
    if (!launched) {
        stop();
    }
    return launched;
}

ChildProcess::~ChildProcess() {
    stop();
}

std::optional<std::string> ChildProcess::readLine(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (output_ >= 0) {
        if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return std::nullopt;
        }
        pollfd readable{output_, POLLIN, 0};
        const int ready = poll(&readable, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return std::nullopt;
        }
        char buffer[256];
        const ssize_t got = read(output_, buffer, sizeof buffer);
        if (got <= 0) {
            return std::nullopt;
        }
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
    return std::nullopt;
}

void ChildProcess::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    pid_ = -1;
    if (output_ >= 0) {
        close(output_);
        output_ = -1;
    }
    pending_.clear();
}
