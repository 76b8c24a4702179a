#include "agent/ForegroundWatcher.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "shared/prefs/LogManager.h"

ForegroundWatcher::ForegroundWatcher(Engine& engine,
                                     std::unique_ptr<ForegroundWindowProvider> provider,
                                     std::chrono::milliseconds pollPeriod)
    : engine_(engine), provider_(std::move(provider)), pollPeriod_(pollPeriod) {}

ForegroundWatcher::~ForegroundWatcher() {
    stop();
}

bool ForegroundWatcher::start() {
    stop();
    {
        std::lock_guard guard(lock_);
        stopping_ = false;
    }
    try {
        thread_ = std::thread([this] { watchForegroundApplication(); });
    } catch (const std::system_error& error) {
        LogManager::instance().log('E', "Cannot start the foreground watcher: %s", error.what());
        return false;
    }
    return true;
}

void ForegroundWatcher::setDevicePresent(bool present) {
    {
        std::lock_guard guard(lock_);
        devicePresent_ = present;
    }
    changed_.notify_all();
}

void ForegroundWatcher::stop() {
    {
        std::lock_guard guard(lock_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void ForegroundWatcher::watchForegroundApplication() {
    while (waitForNextPoll()) {
        poll();
    }
}

bool ForegroundWatcher::waitForNextPoll() {
    std::unique_lock guard(lock_);
    while (!stopping_) {
        changed_.wait(guard, [this] { return stopping_ || devicePresent_; });
        // A period passed with a controller present throughout (false: the timeout won).
        if (!changed_.wait_for(guard, pollPeriod_,
                               [this] { return stopping_ || !devicePresent_; })) {
            return true;
        }
    }
    return false;
}

void ForegroundWatcher::poll() {
    const std::optional<ForegroundWindow> front = provider_->foreground();
    if (!front) {
        // Nothing in front: the path stays as it was, but a window seen before counts as left.
        lastPath_.clear();
        if (lastRootWindow_) {
            lastRootWindow_.reset();
            engine_.rebuildBindings();
        }
        return;
    }
    if (lastRootWindow_ == front->rootWindow && lastPath_ == front->programPath) {
        return;
    }
    lastPath_ = front->programPath;
    // Configured program paths are written with "/" whatever the system's separator.
    std::string path = lastPath_;
    std::replace(path.begin(), path.end(), '\\', '/');
    engine_.setForegroundPath(path);
    lastRootWindow_ = front->rootWindow;
}
