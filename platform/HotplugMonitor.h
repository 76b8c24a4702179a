#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Follows the nodes of supported controllers appearing in and leaving the device folder.
// A new node is reported only once it can be opened for reading, because udev sets its
// owner and mode just after the kernel makes it; until then it is tried again every 100 ms
// for a while.
//
// Everything runs on the caller's thread: wait until fd() is readable, then call
// readEvents(). The one descriptor covers both the folder's changes and the retries.
class HotplugMonitor {
public:
    enum class Change { Added, Removed };
    struct Event {
        Change change;
        std::string nodePath;
        bool operator==(const Event&) const = default;
    };
    using NodeCheck = std::function<bool(const std::string& nodePath)>;

    static constexpr std::chrono::milliseconds kRetryWindow{2000};

    struct Options {
        // Asked when a hidraw node appears or changes mode; sysfs knows the device by then.
        NodeCheck isWanted = isSupportedController;
        NodeCheck isReadable = canOpenForReading;
        // How long a wanted node that cannot be read yet is waited for.
        std::chrono::milliseconds retryWindow = kRetryWindow;
    };

    // Watches `devFolder` (as DeviceDiscovery::devRoot() gives it). Wanted nodes there
    // already count as known: they are not reported as added (scan for them after this
    // call, so that none falls between the two), but their removal is. Null when the
    // folder cannot be watched (logged).
    static std::unique_ptr<HotplugMonitor> create(const std::string& devFolder);
    static std::unique_ptr<HotplugMonitor> create(const std::string& devFolder, Options options);
    ~HotplugMonitor();
    HotplugMonitor(const HotplugMonitor&) = delete;
    HotplugMonitor& operator=(const HotplugMonitor&) = delete;

    int fd() const { return epollFd_; }
    // The changes since the last call, in the order they happened; never blocks. A node
    // is removed only after it was known, and added only while it is not.
    std::vector<Event> readEvents();

    static bool isSupportedController(const std::string& nodePath);
    static bool canOpenForReading(const std::string& nodePath);

private:
    using Clock = std::chrono::steady_clock;

    HotplugMonitor(int inotifyFd, int timerFd, int epollFd, std::string folder, Options options);
    void takeStock();
    bool readChanges(std::vector<Event>& events);
    void nodeSeen(const std::string& name);
    void nodeGone(const std::string& name, std::vector<Event>& events);
    void resynchronise(std::vector<Event>& events);
    void retryWaiting(std::vector<Event>& events);
    void armRetryTimer();
    std::set<std::string> nodesInFolder() const;
    std::string pathOf(const std::string& name) const;

    int inotifyFd_;
    int timerFd_;
    int epollFd_;
    std::string folder_;
    Options options_;
    std::set<std::string> known_;
    // Nodes not yet readable, with the time at which they are given up.
    std::map<std::string, Clock::time_point> waiting_;
};
