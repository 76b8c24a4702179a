#pragma once

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// Observers that are not owned. No lock is held while an observer is called, so observers may
// take their own locks in any order. Once remove() has returned the observer is never called
// again: a removal waits for notifications in progress on other threads, while a removal from
// within a notification (on the notifying thread) takes effect at once. Each owner notifies
// from one thread at a time (a request from its worker, procedures and managers under their
// mutex), so that last case leaves no other notification running.
template <typename Interface>
class NotifierList {
public:
    // False for null or an observer already listed.
    bool add(Interface* observer) {
        std::lock_guard guard(mutex_);
        if (observer == nullptr || isListed(observer)) {
            return false;
        }
        items_.push_back(observer);
        return true;
    }

    void remove(Interface* observer) {
        std::unique_lock lock(mutex_);
        std::erase(items_, observer);
        // From within a notification the observer is past its call already; waiting for other
        // threads' notifications there could wait for a thread that waits for this one.
        const auto me = std::this_thread::get_id();
        if (std::find(notifying_.begin(), notifying_.end(), me) == notifying_.end()) {
            notified_.wait(lock, [this] { return notifying_.empty(); });
        }
    }

    // Calls call(observer) on each observer that is still listed when its turn comes.
    template <typename Call>
    void notify(Call&& call) {
        std::vector<Interface*> snapshot;
        {
            std::lock_guard guard(mutex_);
            snapshot = items_;
            notifying_.push_back(std::this_thread::get_id());
        }
        for (Interface* observer : snapshot) {
            if (stillListed(observer)) {
                call(*observer);
            }
        }
        std::lock_guard guard(mutex_);
        notifying_.erase(
            std::find(notifying_.begin(), notifying_.end(), std::this_thread::get_id()));
        notified_.notify_all();
    }

private:
    bool isListed(Interface* observer) const {
        return std::find(items_.begin(), items_.end(), observer) != items_.end();
    }

    bool stillListed(Interface* observer) {
        std::lock_guard guard(mutex_);
        return isListed(observer);
    }

    std::mutex mutex_;
    std::condition_variable notified_;
    // One entry per notification in progress.
    std::vector<std::thread::id> notifying_;
    std::vector<Interface*> items_;
};
