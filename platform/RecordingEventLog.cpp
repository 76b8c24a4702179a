#include "platform/RecordingEventLog.h"

void RecordingEventLog::openSource(const std::string& name) {
    source_ = name;
    openings_.push_back(name);
}

void RecordingEventLog::reportError(const std::vector<std::string>& texts) {
    if (isOpen()) {
        errors_.push_back(texts);
    }
}
