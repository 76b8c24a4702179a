#include "shared/prefs/PreferencesSubscriberList.h"

#include <algorithm>

void PreferencesSubscriberList::add(PreferencesUpdateSubscriber* subscriber) {
    std::lock_guard lock(mutex_);
    if (subscriber != nullptr && !isSubscribed(subscriber)) {
        subscribers_.push_back(subscriber);
    }
}

void PreferencesSubscriberList::remove(PreferencesUpdateSubscriber* subscriber) {
    std::unique_lock lock(mutex_);
    const auto found = std::find(subscribers_.begin(), subscribers_.end(), subscriber);
    if (found != subscribers_.end()) {
        subscribers_.erase(found);
    }
    // A subscriber that unsubscribes from inside its own call must not wait for it.
    callEnded_.wait(lock, [&] { return !isCalledElsewhere(subscriber); });
}

void PreferencesSubscriberList::notifyAll() {
    tellEach([](PreferencesUpdateSubscriber& subscriber) { subscriber.onPreferencesUpdated(); });
}

void PreferencesSubscriberList::notifyNotSaved(const SaveResult& failure) {
    tellEach([&](PreferencesUpdateSubscriber& subscriber) {
        subscriber.onPreferencesNotSaved(failure);
    });
}

void PreferencesSubscriberList::tellEach(const Notice& notice) {
    std::vector<PreferencesUpdateSubscriber*> snapshot;
    {
        std::lock_guard lock(mutex_);
        snapshot = subscribers_;
    }
    for (PreferencesUpdateSubscriber* subscriber : snapshot) {
        call(subscriber, notice);
    }
}

void PreferencesSubscriberList::call(PreferencesUpdateSubscriber* subscriber,
                                     const Notice& notice) {
    const Call entry{subscriber, std::this_thread::get_id()};
    {
        std::lock_guard lock(mutex_);
        if (!isSubscribed(subscriber)) {
            return;
        }
        calls_.push_back(entry);
    }
    notice(*subscriber);
    std::lock_guard lock(mutex_);
    calls_.erase(std::find(calls_.begin(), calls_.end(), entry));
    callEnded_.notify_all();
}

bool PreferencesSubscriberList::isSubscribed(PreferencesUpdateSubscriber* subscriber) const {
    return std::find(subscribers_.begin(), subscribers_.end(), subscriber) != subscribers_.end();
}

bool PreferencesSubscriberList::isCalledElsewhere(PreferencesUpdateSubscriber* subscriber) const {
    const auto self = std::this_thread::get_id();
    return std::any_of(calls_.begin(), calls_.end(),
                       [&](const Call& c) { return c.first == subscriber && c.second != self; });
}
