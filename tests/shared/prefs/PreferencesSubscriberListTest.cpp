#include "shared/prefs/PreferencesSubscriberList.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

namespace {

class Recorder : public PreferencesUpdateSubscriber {
public:
    Recorder(std::vector<int>& calls, int id) : calls_(calls), id_(id) {}
    void onPreferencesUpdated() override { calls_.push_back(id_); }

private:
    std::vector<int>& calls_;
    int id_;
};

TEST(PreferencesSubscriberListTest, CallsEachSubscriberOnceInSubscriptionOrder) {
    std::vector<int> calls;
    Recorder first(calls, 1);
    Recorder second(calls, 2);
    PreferencesSubscriberList list;
    list.add(&second);
    list.add(&first);
    list.add(&second);
    list.add(nullptr);
    list.notifyAll();
    EXPECT_EQ(calls, (std::vector<int>{2, 1}));
    list.remove(&second);
    list.notifyAll();
    EXPECT_EQ(calls, (std::vector<int>{2, 1, 1}));
}

// Unsubscribes itself, and a later subscriber, from inside its own call.
class SelfRemover : public PreferencesUpdateSubscriber {
public:
    SelfRemover(PreferencesSubscriberList& list, PreferencesUpdateSubscriber* other)
        : list_(list), other_(other) {}
    void onPreferencesUpdated() override {
        ++calls;
        list_.remove(this);
        list_.remove(other_);
    }
    int calls = 0;

private:
    PreferencesSubscriberList& list_;
    PreferencesUpdateSubscriber* other_;
};

TEST(PreferencesSubscriberListTest, RemovalInsideACallNeitherWaitsNorCallsTheRemoved) {
    std::vector<int> calls;
    Recorder later(calls, 1);
    PreferencesSubscriberList list;
    SelfRemover remover(list, &later);
    list.add(&remover);
    list.add(&later);
    list.notifyAll();
    EXPECT_EQ(remover.calls, 1);
    EXPECT_TRUE(calls.empty());
}

// Blocks inside its call until released.
class Blocking : public PreferencesUpdateSubscriber {
public:
    void onPreferencesUpdated() override {
        entered.set_value();
        release.get_future().wait();
        finished = true;
    }
    std::promise<void> entered;
    std::promise<void> release;
    std::atomic<bool> finished{false};
};

TEST(PreferencesSubscriberListTest, RemovalFromAnotherThreadWaitsForTheRunningCall) {
    PreferencesSubscriberList list;
    Blocking blocking;
    list.add(&blocking);
    std::thread notifier([&] { list.notifyAll(); });
    blocking.entered.get_future().wait();

    // Meanwhile the list stays usable: nothing of it is locked during the call.
    std::vector<int> calls;
    Recorder other(calls, 1);
    list.add(&other);
    list.remove(&other);

    auto removed = std::async(std::launch::async, [&] {
        list.remove(&blocking);
        return blocking.finished.load();
    });
    blocking.release.set_value();
    EXPECT_TRUE(removed.get());
    notifier.join();
}

}  // namespace
