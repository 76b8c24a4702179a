#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/ForegroundWindowProvider.h"

// A provider for tests that answers from a script: each call takes the next answer, and
// once the script runs out the last answer repeats (no window while the script is empty),
// as a desktop does when nobody touches it. Safe to script and wait on from the test's
// thread while a watcher thread polls it.
class FakeForegroundWindowProvider : public ForegroundWindowProvider {
public:
    using Answer = std::optional<ForegroundWindow>;

    explicit FakeForegroundWindowProvider(std::vector<Answer> script = {});

    std::optional<ForegroundWindow> foreground() override;

    // Adds answers after those still to come.
    void append(const Answer& answer);
    std::size_t calls() const;
    // Waits until foreground() has been called at least `count` times; false on timeout.
    bool waitForCalls(std::size_t count, std::chrono::milliseconds timeout) const;

private:
    mutable std::mutex lock_;
    mutable std::condition_variable called_;
    std::vector<Answer> script_;
    std::size_t next_ = 0;
    std::size_t calls_ = 0;
};
