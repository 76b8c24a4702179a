#include "tests/agent/RecordingProfileSwitch.h"

bool RecordingProfileSwitch::switchProfile(const std::string& deviceBindingId,
                                           const std::string& profileKey) {
    std::lock_guard guard(lock_);
    calls_.emplace_back(deviceBindingId, profileKey);
    return true;
}

std::vector<RecordingProfileSwitch::Call> RecordingProfileSwitch::calls() const {
    std::lock_guard guard(lock_);
    return calls_;
}
