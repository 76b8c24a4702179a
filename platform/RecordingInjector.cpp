#include "platform/RecordingInjector.h"

std::vector<RecordingInjector::Batch> RecordingInjector::batches() const {
    std::lock_guard guard(lock_);
    return batches_;
}

std::vector<InputEvent> RecordingInjector::events() const {
    std::lock_guard guard(lock_);
    std::vector<InputEvent> all;
    for (const Batch& batch : batches_) {
        all.insert(all.end(), batch.begin(), batch.end());
    }
    return all;
}

size_t RecordingInjector::sendCount() const {
    std::lock_guard guard(lock_);
    return sendCount_;
}

bool RecordingInjector::waitForBatches(size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock guard(lock_);
    return recorded_.wait_for(guard, timeout, [&] { return batches_.size() >= count; });
}

void RecordingInjector::clear() {
    std::lock_guard guard(lock_);
    batches_.clear();
    sendCount_ = 0;
}

void RecordingInjector::setAccepting(bool accepting) {
    std::lock_guard guard(lock_);
    accepting_ = accepting;
}

bool RecordingInjector::sendBatch(std::span<const InputEvent> batch) {
    {
        std::lock_guard guard(lock_);
        ++sendCount_;
        if (!accepting_) {
            return false;
        }
        batches_.emplace_back(batch.begin(), batch.end());
    }
    recorded_.notify_all();
    return true;
}
