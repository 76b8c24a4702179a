#include "tests/support/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

bool ChildProcess::start(const std::vector<std::string>& arguments) {
    stop();
    int pipeFds[2];
    if (arguments.empty() || pipe2(pipeFds, O_CLOEXEC) != 0) {
        return false;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 clears close-on-exec on the copy, so only the write end reaches the child.
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const int failed = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (failed != 0) {
        pid_ = -1;
        close(pipeFds[0]);
        return false;
    }
    output_ = pipeFds[0];
    return true;
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
        pid_ = -1;
    }
    if (output_ >= 0) {
        close(output_);
        output_ = -1;
    }
    pending_.clear();
}
