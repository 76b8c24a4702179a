#pragma once

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "agent/ProfileSwitchInterface.h"

// Notes every profile switch instead of making it; any thread may switch and read at once.
class RecordingProfileSwitch : public ProfileSwitchInterface {
public:
    using Call = std::pair<std::string, std::string>;

    bool switchProfile(const std::string& deviceBindingId, const std::string& profileKey) override;
    // Binding identifier and profile key of every switch, in order.
    std::vector<Call> calls() const;

private:
    mutable std::mutex lock_;
    std::vector<Call> calls_;
};
