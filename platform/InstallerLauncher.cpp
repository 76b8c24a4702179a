#include "platform/InstallerLauncher.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/ProcessLauncher.h"
#include "shared/prefs/LogManager.h"

bool InstallerLauncher::launchInstaller(const std::string& path) {
    const char* configured = std::getenv("WHIRLEN_INSTALLER_COMMAND");
    const std::string command =
        configured != nullptr && configured[0] != '\0' ? configured : "xdg-open";
    std::optional<std::vector<std::string>> words = ProcessLauncher::splitWords(command);
    if (!words || words->empty()) {
        LogManager::instance().log('E', "Invalid installer command \"%s\"", command.c_str());
        return false;
    }
    words->push_back(path);
    return ProcessLauncher::launch(*words, ProcessLauncher::Reaping::ByLauncher) > 0;
}
