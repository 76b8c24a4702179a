#pragma once

#include <string>
#include <vector>

// The system's event log, where the installer's steps report failures that no window shows.
// A source is opened under a name before anything is reported; reports while no source is
// open are dropped.
class EventLog {
public:
    virtual ~EventLog() = default;

    virtual void openSource(const std::string& name) = 0;
    virtual void closeSource() = 0;
    virtual bool isOpen() const = 0;
    // One error event made of several texts, in order.
    virtual void reportError(const std::vector<std::string>& texts) = 0;
};
