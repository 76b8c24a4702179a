#include "platform/EventLoop.h"

#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/ProcessLauncher.h"
#include "shared/prefs/LogManager.h"

namespace {

sigset_t loopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGCHLD);
    return signals;
}

}  // namespace

bool EventLoop::blockTerminationSignals() {
    const sigset_t signals = loopSignals();
    const int error = pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    if (error != 0) {
        LogManager::instance().log('E', "Cannot block signals: %s\n", std::strerror(error));
    }
    return error == 0;
}

std::unique_ptr<EventLoop> EventLoop::create() {
    const sigset_t signals = loopSignals();
    const int signalFd = signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC);
    const int wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (signalFd < 0 || wakeFd < 0) {
        LogManager::instance().log('E', "Cannot set up the event loop: %s\n", std::strerror(errno));
        for (int fd : {signalFd, wakeFd}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        return nullptr;
    }
    return std::unique_ptr<EventLoop>(new EventLoop(signalFd, wakeFd));
}

EventLoop::EventLoop(int signalFd, int wakeFd) : signalFd_(signalFd), wakeFd_(wakeFd) {}

EventLoop::~EventLoop() {
    close(signalFd_);
    close(wakeFd_);
}

void EventLoop::watch(int fd, Task onReadable) {
    watched_[fd] = std::make_shared<Task>(std::move(onReadable));
}

void EventLoop::unwatch(int fd) {
    watched_.erase(fd);
}

void EventLoop::post(Task task) {
    {
        std::lock_guard guard(postedLock_);
        posted_.push_back(std::move(task));
    }
    wake();
}

void EventLoop::quit(int exitCode) {
    post([this, exitCode] {
        running_ = false;
        exitCode_ = exitCode;
    });
}

int EventLoop::run() {
    running_ = true;
    while (running_) {
        std::vector<pollfd> fds = {{signalFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        for (const auto& [fd, handler] : watched_) {
            fds.push_back({fd, POLLIN, 0});
        }
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            LogManager::instance().log('E', "Event loop cannot wait: %s\n", std::strerror(errno));
            return -1;
        }
        if (fds[0].revents != 0) {
            handleSignals();
        }
        if (fds[1].revents != 0) {
            runPosted();
        }
        for (size_t i = 2; i < fds.size() && running_; ++i) {
            if (fds[i].revents != 0) {
                dispatch(fds[i].fd, fds[i].revents);
            }
        }
    }
    return exitCode_;
}

void EventLoop::handleSignals() {
    signalfd_siginfo info{};
    while (read(signalFd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        if (info.ssi_signo == SIGCHLD) {
            // One SIGCHLD may stand for several children; the reap looks at every one.
            ProcessLauncher::reapExited();
        } else {
            running_ = false;
            exitCode_ = kSignalExitCode;
        }
    }
}

void EventLoop::runPosted() {
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t ignored = read(wakeFd_, &count, sizeof count);
    while (running_) {
        Task task;
        {
            std::lock_guard guard(postedLock_);
            if (posted_.empty()) {
                return;
            }
            task = std::move(posted_.front());
            posted_.pop_front();
        }
        task();
    }
    // Ended by a task: what is left must still wake the next run().
    std::lock_guard guard(postedLock_);
    if (!posted_.empty()) {
        wake();
    }
}

void EventLoop::wake() {
    const uint64_t one = 1;
    // Only has to make the counter non-zero; a failed write means it already is.
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
}

void EventLoop::dispatch(int fd, short events) {
    const auto found = watched_.find(fd);
    if (found == watched_.end()) {
        return;
    }
    // A descriptor closed behind the loop's back would report this on every round.
    if ((events & POLLNVAL) != 0) {
        LogManager::instance().log('E', "Watched descriptor %d is not open\n", fd);
        watched_.erase(found);
        return;
    }
    const std::shared_ptr<Task> handler = found->second;
    (*handler)();
}
