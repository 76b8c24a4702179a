#pragma once

#include <string>
#include <vector>

#include "platform/EventLog.h"

// An event log for tests: remembers the source and every error event reported while a
// source was open.
class RecordingEventLog : public EventLog {
public:
    void openSource(const std::string& name) override;
    void closeSource() override { source_.clear(); }
    bool isOpen() const override { return !source_.empty(); }
    void reportError(const std::vector<std::string>& texts) override;

    const std::string& source() const { return source_; }
    // Every source opened, in order, including reopened ones.
    const std::vector<std::string>& openings() const { return openings_; }
    const std::vector<std::vector<std::string>>& errors() const { return errors_; }

private:
    std::string source_;
    std::vector<std::string> openings_;
    std::vector<std::vector<std::string>> errors_;
};
