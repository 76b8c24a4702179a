#include "platform/HotplugMonitor.h"

#include <fcntl.h>
#include <sys/epoll.h>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/DeviceDiscovery.h"
#include "shared/prefs/LogManager.h"

namespace {

constexpr std::chrono::milliseconds kRetryInterval{100};
constexpr uint32_t kAppearMask = IN_CREATE | IN_ATTRIB | IN_MOVED_TO;
constexpr uint32_t kLeaveMask = IN_DELETE | IN_MOVED_FROM;

void closeAll(std::initializer_list<int> fds) {
    for (int fd : fds) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

bool addToEpoll(int epollFd, int fd) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = fd;
    return epoll_ctl(epollFd, EPOLL_CTL_ADD, fd, &event) == 0;
}

}  // namespace

std::unique_ptr<HotplugMonitor> HotplugMonitor::create(const std::string& devFolder) {
    return create(devFolder, Options());
}

std::unique_ptr<HotplugMonitor> HotplugMonitor::create(const std::string& devFolder,
                                                       Options options) {
    const int inotifyFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const int timerFd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    const int epollFd = epoll_create1(EPOLL_CLOEXEC);
    if (inotifyFd < 0 || timerFd < 0 || epollFd < 0 ||
        inotify_add_watch(inotifyFd, devFolder.c_str(), kAppearMask | kLeaveMask | IN_ONLYDIR) <
            0 ||
        !addToEpoll(epollFd, inotifyFd) || !addToEpoll(epollFd, timerFd)) {
        LogManager::instance().log('E', "Cannot watch device folder %s: %s\n", devFolder.c_str(),
                                   std::strerror(errno));
        closeAll({inotifyFd, timerFd, epollFd});
        return nullptr;
    }
    std::unique_ptr<HotplugMonitor> monitor(
        new HotplugMonitor(inotifyFd, timerFd, epollFd, devFolder, std::move(options)));
    monitor->takeStock();
    return monitor;
}

HotplugMonitor::HotplugMonitor(int inotifyFd, int timerFd, int epollFd, std::string folder,
                               Options options)
    : inotifyFd_(inotifyFd),
      timerFd_(timerFd),
      epollFd_(epollFd),
      folder_(std::move(folder)),
      options_(std::move(options)) {}

// Wanted nodes that are there but not readable yet are waited for like new ones, so a node
// caught halfway through udev's work is not lost.
void HotplugMonitor::takeStock() {
    for (const std::string& name : nodesInFolder()) {
        const std::string path = pathOf(name);
        if (!options_.isWanted(path)) {
            continue;
        }
        if (options_.isReadable(path)) {
            known_.insert(name);
        } else {
            waiting_[name] = Clock::now() + options_.retryWindow;
        }
    }
    armRetryTimer();
}

HotplugMonitor::~HotplugMonitor() {
    closeAll({inotifyFd_, timerFd_, epollFd_});
}

std::vector<HotplugMonitor::Event> HotplugMonitor::readEvents() {
    uint64_t expirations = 0;
    // Only empties the timer; which nodes are due is decided by their own times.
    [[maybe_unused]] const ssize_t ignored = read(timerFd_, &expirations, sizeof expirations);
    std::vector<Event> events;
    if (!readChanges(events)) {
        resynchronise(events);
    }
    retryWaiting(events);
    armRetryTimer();
    return events;
}

// False when the kernel dropped changes because its queue overflowed.
bool HotplugMonitor::readChanges(std::vector<Event>& events) {
    bool complete = true;
    alignas(inotify_event) std::array<char, 4096> buffer;
    ssize_t length = 0;
    while ((length = read(inotifyFd_, buffer.data(), buffer.size())) > 0) {
        for (ssize_t at = 0; at < length;) {
            const auto* change = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + change->len);
            if ((change->mask & IN_Q_OVERFLOW) != 0) {
                complete = false;
            }
            if ((change->mask & IN_IGNORED) != 0) {
                LogManager::instance().log('E', "Device folder %s is no longer watched\n",
                                           folder_.c_str());
            }
            const std::string name = change->len > 0 ? change->name : "";
            if (!DeviceDiscovery::isHidrawName(name)) {
                continue;
            }
            if ((change->mask & kLeaveMask) != 0) {
                nodeGone(name, events);
            } else if ((change->mask & kAppearMask) != 0) {
                nodeSeen(name);
            }
        }
    }
    return complete;
}

// The readability check itself happens in retryWaiting(), right after, so that a new node
// and a node waited for go through the same test.
void HotplugMonitor::nodeSeen(const std::string& name) {
    if (known_.count(name) == 0 && waiting_.count(name) == 0 && options_.isWanted(pathOf(name))) {
        waiting_[name] = Clock::now() + options_.retryWindow;
    }
}

void HotplugMonitor::nodeGone(const std::string& name, std::vector<Event>& events) {
    waiting_.erase(name);
    if (known_.erase(name) > 0) {
        events.push_back(Event{Change::Removed, pathOf(name)});
    }
}

// After lost changes the folder itself is the truth: known nodes that are not there left,
// nodes there that are not known are new.
void HotplugMonitor::resynchronise(std::vector<Event>& events) {
    LogManager::instance().log('W', "Device changes were lost; reading %s again\n",
                               folder_.c_str());
    const std::set<std::string> present = nodesInFolder();
    for (const std::string& name : std::set<std::string>(known_)) {
        if (present.count(name) == 0) {
            nodeGone(name, events);
        }
    }
    for (const std::string& name : present) {
        nodeSeen(name);
    }
}

void HotplugMonitor::retryWaiting(std::vector<Event>& events) {
    const Clock::time_point now = Clock::now();
    for (auto at = waiting_.begin(); at != waiting_.end();) {
        const std::string path = pathOf(at->first);
        if (options_.isReadable(path)) {
            known_.insert(at->first);
            events.push_back(Event{Change::Added, path});
        } else if (now >= at->second) {
            LogManager::instance().log('W', "Controller node %s cannot be opened for reading\n",
                                       path.c_str());
        } else {
            ++at;
            continue;
        }
        at = waiting_.erase(at);
    }
}

void HotplugMonitor::armRetryTimer() {
    itimerspec when{};
    if (!waiting_.empty()) {
        when.it_value.tv_nsec = std::chrono::nanoseconds(kRetryInterval).count();
    }
    timerfd_settime(timerFd_, 0, &when, nullptr);
}

std::set<std::string> HotplugMonitor::nodesInFolder() const {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
        std::string name = entry.path().filename().string();
        if (DeviceDiscovery::isHidrawName(name)) {
            names.insert(std::move(name));
        }
    }
    return names;
}

std::string HotplugMonitor::pathOf(const std::string& name) const {
    return folder_ + "/" + name;
}

bool HotplugMonitor::isSupportedController(const std::string& nodePath) {
    return DeviceDiscovery::inspect(nodePath).has_value();
}

bool HotplugMonitor::canOpenForReading(const std::string& nodePath) {
    // Non-blocking, so that a FIFO standing in for a node does not wait for a writer.
    const int fd = open(nodePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    close(fd);
    return true;
}
