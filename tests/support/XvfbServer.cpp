#include "tests/support/XvfbServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Xvfb writes the display number to this descriptor once it accepts connections.
constexpr int kDisplayFd = 3;

std::string readLine(int fd) {
    std::string line;
    char c = 0;
    ssize_t got = 0;
    while ((got = read(fd, &c, 1)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0 && c == '\n') {
            break;
        }
        if (got > 0) {
            line += c;
        }
    }
    return line;
}

}  // namespace

XvfbServer::XvfbServer() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], kDisplayFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // Without -noreset the server resets whenever its last client leaves and refuses the
    // connections that come meanwhile.
    std::vector<std::string> words = {"Xvfb",      "-displayfd", std::to_string(kDisplayFd),
                                      "-nolisten", "tcp",        "-noreset",
                                      "-screen",   "0",          "640x480x24"};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const int spawned = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        pid_ = -1;
        close(fds[0]);
        return;
    }
    const std::string number = readLine(fds[0]);
    close(fds[0]);
    if (!number.empty()) {
        display_ = ":" + number;
    }
}

XvfbServer::~XvfbServer() {
    stop();
}

void XvfbServer::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    display_.clear();
}
