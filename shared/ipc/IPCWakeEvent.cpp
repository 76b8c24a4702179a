#include "shared/ipc/IPCWakeEvent.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include "shared/prefs/LogManager.h"

IPCWakeEvent::IPCWakeEvent() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (fd_ < 0) {
        LogManager::instance().log('E', "Unable to create IPC wake event: %d\n", errno);
    }
}

IPCWakeEvent::~IPCWakeEvent() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void IPCWakeEvent::signal() {
    if (fd_ >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(fd_, &one, sizeof(one));
    }
}

void IPCWakeEvent::drain() {
    if (fd_ >= 0) {
        uint64_t count = 0;
        [[maybe_unused]] const ssize_t got = ::read(fd_, &count, sizeof(count));
    }
}

bool IPCWakeEvent::waitFor(std::chrono::milliseconds timeout) {
    pollfd fd{fd_, POLLIN, 0};
    if (::poll(&fd, 1, pollTimeout(timeout)) > 0) {
        drain();
        return true;
    }
    return false;
}

int IPCWakeEvent::pollTimeout(std::chrono::milliseconds duration) {
    const auto limit = static_cast<std::chrono::milliseconds::rep>(std::numeric_limits<int>::max());
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(duration.count(), 0, limit));
}
