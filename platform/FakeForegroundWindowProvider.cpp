#include "platform/FakeForegroundWindowProvider.h"

#include <utility>

FakeForegroundWindowProvider::FakeForegroundWindowProvider(std::vector<Answer> script)
    : script_(std::move(script)) {}

std::optional<ForegroundWindow> FakeForegroundWindowProvider::foreground() {
    Answer answer;
    {
        std::lock_guard guard(lock_);
        ++calls_;
        if (next_ < script_.size()) {
            answer = script_[next_++];
        } else if (!script_.empty()) {
            answer = script_.back();
        }
    }
    called_.notify_all();
    return answer;
}

void FakeForegroundWindowProvider::append(const Answer& answer) {
    std::lock_guard guard(lock_);
    script_.push_back(answer);
}

std::size_t FakeForegroundWindowProvider::calls() const {
    std::lock_guard guard(lock_);
    return calls_;
}

bool FakeForegroundWindowProvider::waitForCalls(std::size_t count,
                                                std::chrono::milliseconds timeout) const {
    std::unique_lock guard(lock_);
    return called_.wait_for(guard, timeout, [&] { return calls_ >= count; });
}
