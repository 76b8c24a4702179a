#pragma once

#include <string>

// Hands a downloaded installer to the desktop. The command is $WHIRLEN_INSTALLER_COMMAND, split
// into words like a shell would without expanding anything (default "xdg-open"); the
// installer's path follows as one argument of its own, whatever blanks it holds. The command is
// started without a shell and not waited for.
class InstallerLauncher {
public:
    // True when the command started; false (logged) otherwise.
    static bool launchInstaller(const std::string& path);
};
