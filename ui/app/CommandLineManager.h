#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/EventLog.h"

// The configuration program's command line: the device and language to open with, and the
// installer's commands, which run while the line is parsed, in the order given.
class CommandLineManager {
public:
    // Values that stand for "not given".
    static constexpr int32_t kNoDeviceModel = 3;
    static constexpr int32_t kNoLanguage = 12;
    static constexpr const char* kEventSourceName = "Pelvane Design Setup Worker";

    enum class Command { CreateShortcut, DeleteShortcut };

    explicit CommandLineManager(std::shared_ptr<EventLog> eventLog);
    // Closes the event source that installer mode opened.
    ~CommandLineManager();
    CommandLineManager(const CommandLineManager&) = delete;
    CommandLineManager& operator=(const CommandLineManager&) = delete;

    void parse(int argc, const char* const* argv);
    // 0 on success, else the failure's errno value, reported to the event log when a
    // source is open.
    int32_t runCommand(Command command);

    int32_t devModel() const { return devModel_; }
    std::string devId() const { return devId_; }
    int32_t language() const { return language_; }
    bool updateComplete() const { return updateComplete_; }
    bool installerMode() const { return installerMode_; }

private:
    // Whether the option took the value that follows it.
    bool applyValueOption(const std::string& option, const char* value);
    void enterInstallerMode();
    void reportFailure(const std::string& description, int32_t result);

    int32_t devModel_ = kNoDeviceModel;
    std::string devId_;
    int32_t language_ = kNoLanguage;
    bool updateComplete_ = false;
    bool installerMode_ = false;
    std::shared_ptr<EventLog> eventLog_;
};
