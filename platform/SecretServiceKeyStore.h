#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/SecretKeyStore.h"

struct _GCancellable;

// The key in the desktop's Secret Service (the login keyring, which the user's logon
// unlocks), reached over the session bus. Every call to the service runs on a thread of its
// own and is given up when it has not answered in time, so that no caller waits longer than
// that: a service may never answer, or hold its answer behind a prompt nobody sees. It never
// asks the service to prompt: a locked or missing keyring counts as no service.
class SecretServiceKeyStore {
public:
    enum class Outcome {
        Found,
        Absent,
        // No service, a locked or missing keyring, an error, or no answer in time.
        Unavailable,
    };
    struct Answer {
        Outcome outcome = Outcome::Unavailable;
        SecretKeyStore::Key key{};
    };

    // Starts asking for the stored key at once.
    explicit SecretServiceKeyStore(std::chrono::milliseconds answerTime);
    ~SecretServiceKeyStore();
    SecretServiceKeyStore(const SecretServiceKeyStore&) = delete;
    SecretServiceKeyStore& operator=(const SecretServiceKeyStore&) = delete;

    // The stored key, waiting for it until the answer time after construction at most.
    Answer lookup();
    // Keeps key in the default keyring when that is there and unlocked; waits the answer time
    // at most.
    bool store(const SecretKeyStore::Key& key);

private:
    // Where a call's result arrives; it may arrive after the caller has given up.
    template <typename Result>
    using Slot = std::shared_ptr<std::optional<Result>>;

    // Queues work for the service's thread.
    template <typename Result>
    Slot<Result> submit(std::function<Result(_GCancellable*)> work);
    // The result, or nothing when it has not come by the deadline: then every call is given
    // up, for good.
    template <typename Result>
    std::optional<Result> await(const Slot<Result>& slot,
                                std::chrono::steady_clock::time_point deadline);
    void run();

    const std::chrono::milliseconds answerTime_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> jobs_;
    bool running_ = true;
    bool givenUp_ = false;
    _GCancellable* const cancellable_;
    Slot<Answer> lookup_;
    std::chrono::steady_clock::time_point lookupDeadline_;
    // Last: it starts once everything it uses is in place.
    std::thread thread_;
};
