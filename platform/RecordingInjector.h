#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

#include "platform/InputInjector.h"

// Keeps every batch instead of synthesising it, for tests of what the actions send; any
// thread may send and read at once.
class RecordingInjector : public InputInjector {
public:
    using Batch = std::vector<InputEvent>;

    std::vector<Batch> batches() const;
    // The events of every batch, in order, without the batch boundaries.
    std::vector<InputEvent> events() const;
    // Calls to send() with a non-empty batch, refused ones included.
    size_t sendCount() const;
    // Waits until at least `count` batches are recorded; false when the timeout comes first.
    bool waitForBatches(size_t count, std::chrono::milliseconds timeout) const;
    void clear();
    // While false, batches are refused: send() returns false and nothing is recorded, as when
    // the system rejects synthesised input.
    void setAccepting(bool accepting);

protected:
    bool sendBatch(std::span<const InputEvent> batch) override;

private:
    mutable std::mutex lock_;
    mutable std::condition_variable recorded_;
    std::vector<Batch> batches_;
    size_t sendCount_ = 0;
    bool accepting_ = true;
};
