#include "ui/app/CommandLineManager.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/DesktopShortcut.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/Paths.h"

namespace {

constexpr const char* kProgramFile = "whirlenUI";
constexpr const char* kIconFile = "pelvane.png";

std::string describe(CommandLineManager::Command command) {
    return command == CommandLineManager::Command::CreateShortcut
               ? "create shortcut " + DesktopShortcut::path()
               : "delete shortcut " + DesktopShortcut::path();
}

}  // namespace

CommandLineManager::CommandLineManager(std::shared_ptr<EventLog> eventLog)
    : eventLog_(std::move(eventLog)) {}

CommandLineManager::~CommandLineManager() {
    if (installerMode_) {
        eventLog_->closeSource();
    }
}

void CommandLineManager::parse(int argc, const char* const* argv) {
    devModel_ = kNoDeviceModel;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (applyValueOption(option, value)) {
            ++i;
        } else if (option == "-updateComplete") {
            updateComplete_ = true;
        } else if (option == "-installerMode") {
            enterInstallerMode();
        } else if (option == "-createStartMenuShortcut") {
            runCommand(Command::CreateShortcut);
        } else if (option == "-deleteStartMenuShortCut") {
            runCommand(Command::DeleteShortcut);
        }
    }
}

bool CommandLineManager::applyValueOption(const std::string& option, const char* value) {
    if (value == nullptr) {
        return false;
    }
    if (option == "-devModel") {
        // Leading digits only, as atoi reads them, but without its overflow.
        const long long model = std::strtoll(value, nullptr, 10);
        if (model == 1 || model == 2) {
            devModel_ = static_cast<int32_t>(model);
        }
    } else if (option == "-devId") {
        if (value[0] != '\0') {
            devId_ = value;
        }
    } else if (option == "-lang") {
        const int32_t language = languageIndexFromCode(value);
        if (language != kNoLanguage) {
            language_ = language;
        }
    } else {
        return false;
    }
    return true;
}

void CommandLineManager::enterInstallerMode() {
    installerMode_ = true;
    eventLog_->closeSource();
    eventLog_->openSource(kEventSourceName);
}

int32_t CommandLineManager::runCommand(Command command) {
    const std::string description = describe(command);
    std::printf("Executed command: %s\n", description.c_str());
    const std::string folder = executableDirectory();
    const int32_t result = command == Command::CreateShortcut
                               ? DesktopShortcut::create(folder + kProgramFile, folder + kIconFile)
                               : DesktopShortcut::remove();
    if (result != 0) {
        reportFailure(description, result);
    }
    return result;
}

void CommandLineManager::reportFailure(const std::string& description, int32_t result) {
    char message[512];
    std::snprintf(message, sizeof(message), "Error runing command %s: %d", description.c_str(),
                  result);
    // The event log only hears of it in installer mode; the log file always does.
    LogManager::instance().log('E', "%s", message);
    char number[64];
    std::snprintf(number, sizeof(number), "Error number %ld\n", static_cast<long>(result));
    eventLog_->reportError({message, number, std::strerror(result)});
}
