#pragma once

#include <string>
#include <vector>

#include "platform/EventLog.h"

// The event log on syslog: the source name is the ident, and an error event is one line at
// LOG_ERR whose texts are joined by " | ".
class SyslogEventLog : public EventLog {
public:
    ~SyslogEventLog() override;

    void openSource(const std::string& name) override;
    void closeSource() override;
    bool isOpen() const override { return open_; }
    void reportError(const std::vector<std::string>& texts) override;

private:
    // openlog() keeps the pointer, so the ident must outlive the source.
    std::string ident_;
    bool open_ = false;
};
