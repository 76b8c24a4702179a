#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "shared/prefs/PreferencesUpdateSubscriber.h"

// The store's subscribers, in subscription order. No lock of the list is held
// while a subscriber runs: a subscriber may wait for its own lock while the
// thread that holds it subscribes, unsubscribes or notifies, and that must not
// deadlock. Instead removal waits until calls to that subscriber on other
// threads have returned, so an unsubscribed subscriber can be destroyed.
class PreferencesSubscriberList {
public:
    // Ignored for null and for a subscriber already in the list.
    void add(PreferencesUpdateSubscriber* subscriber);
    void remove(PreferencesUpdateSubscriber* subscriber);
    // Calls every subscriber on this thread; one that is removed meanwhile is
    // skipped.
    void notifyAll();
    // The same with onPreferencesNotSaved.
    void notifyNotSaved(const SaveResult& failure);

private:
    using Call = std::pair<PreferencesUpdateSubscriber*, std::thread::id>;
    using Notice = std::function<void(PreferencesUpdateSubscriber&)>;

    bool isSubscribed(PreferencesUpdateSubscriber* subscriber) const;
    bool isCalledElsewhere(PreferencesUpdateSubscriber* subscriber) const;
    void tellEach(const Notice& notice);
    void call(PreferencesUpdateSubscriber* subscriber, const Notice& notice);

    mutable std::mutex mutex_;
    std::condition_variable callEnded_;
    std::vector<PreferencesUpdateSubscriber*> subscribers_;
    std::vector<Call> calls_;
};
