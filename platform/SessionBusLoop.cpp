#include "platform/SessionBusLoop.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

#include "shared/prefs/LogManager.h"

namespace {

// sd-bus names its deadlines in microseconds of the monotonic clock, poll() wants
// milliseconds from now; rounded up so that a wake-up never comes before the deadline.
int millisecondsUntil(uint64_t deadline) {
    if (deadline == UINT64_MAX) {
        return -1;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t nowUs =
        static_cast<uint64_t>(now.tv_sec) * 1000000u + static_cast<uint64_t>(now.tv_nsec) / 1000u;
    if (deadline <= nowUs) {
        return 0;
    }
    const uint64_t ms = (deadline - nowUs + 999u) / 1000u;
    return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

void drain(int fd) {
    uint64_t count = 0;
    // Non-blocking: nothing to read simply means nobody woke us.
    [[maybe_unused]] const ssize_t got = read(fd, &count, sizeof count);
}

}  // namespace

SessionBusLoop::~SessionBusLoop() {
    stop();
}

bool SessionBusLoop::start(const Setup& setup, std::string& whyNot) {
    if (thread_.joinable()) {
        whyNot = "the bus loop is running already";
        return false;
    }
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        whyNot = std::string("cannot make an event descriptor: ") + std::strerror(errno);
        return false;
    }
    {
        std::lock_guard guard(lock_);
        stopping_ = false;
    }
    std::promise<bool> started;
    std::future<bool> answer = started.get_future();
    thread_ = std::thread(&SessionBusLoop::run, this, std::cref(setup), std::ref(whyNot),
                          std::move(started));
    if (answer.get()) {
        std::lock_guard guard(lock_);
        running_ = true;
        return true;
    }
    thread_.join();
    close(wakeFd_);
    wakeFd_ = -1;
    return false;
}

void SessionBusLoop::post(Task task) {
    {
        std::lock_guard guard(lock_);
        if (!running_) {
            return;
        }
        tasks_.push_back(std::move(task));
    }
    const uint64_t one = 1;
    // The counter only has to become non-zero; a failed write means it already is.
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
}

void SessionBusLoop::stop() {
    if (!thread_.joinable()) {
        return;
    }
    {
        std::lock_guard guard(lock_);
        running_ = false;
        stopping_ = true;
    }
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
    thread_.join();
    close(wakeFd_);
    wakeFd_ = -1;
}

bool SessionBusLoop::isRunning() const {
    std::lock_guard guard(lock_);
    return running_;
}

void SessionBusLoop::run(const Setup& setup, std::string& whyNot, std::promise<bool> started) {
    sd_bus* bus = nullptr;
    const int opened = sd_bus_open_user(&bus);
    if (opened < 0) {
        whyNot = std::string("no session bus: ") + std::strerror(-opened);
        started.set_value(false);
        return;
    }
    if (!setup(bus, whyNot)) {
        sd_bus_flush_close_unref(bus);
        started.set_value(false);
        return;
    }
    started.set_value(true);
    serve(bus);
    sd_bus_flush_close_unref(bus);
}

void SessionBusLoop::serve(sd_bus* bus) {
    bool connected = true;
    for (;;) {
        std::deque<Task> due;
        bool stopping = false;
        {
            std::lock_guard guard(lock_);
            due.swap(tasks_);
            stopping = stopping_;
        }
        for (Task& task : due) {
            task(bus);
        }
        if (stopping) {
            return;
        }
        int processed = 0;
        while (connected && (processed = sd_bus_process(bus, nullptr)) > 0) {
        }
        if (connected && processed < 0) {
            // Without a connection there is nothing left to serve; the thread only waits
            // to be stopped.
            LogManager::instance().log('W', "Session bus: connection lost: %s",
                                       std::strerror(-processed));
            connected = false;
        }
        wait(bus, connected);
    }
}

void SessionBusLoop::wait(sd_bus* bus, bool connected) {
    pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {-1, 0, 0}};
    int timeout = -1;
    if (connected) {
        const int events = sd_bus_get_events(bus);
        fds[1] = {sd_bus_get_fd(bus), static_cast<short>(events > 0 ? events : POLLIN), 0};
        uint64_t deadline = UINT64_MAX;
        if (sd_bus_get_timeout(bus, &deadline) >= 0) {
            timeout = millisecondsUntil(deadline);
        }
    }
    // A negative descriptor is skipped by poll().
    if (poll(fds, 2, timeout) > 0 && fds[0].revents != 0) {
        drain(wakeFd_);
    }
}
