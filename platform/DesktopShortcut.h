#pragma once

#include <string>

// The configuration program's entry in the desktop's application menu: a Desktop Entry
// file in the user's applications folder that the installer creates and removes. Nothing
// here goes through a shell, so no folder name can run a command.
class DesktopShortcut {
public:
    static constexpr const char* kFileName = "Pelvane Multimedia Controller Configurations.desktop";

    // $XDG_DATA_HOME/applications/kFileName, else the same under $HOME/.local/share.
    static std::string path();
    // The Exec value that starts the program: its path as one quoted argument, with the
    // Exec escapes, then '%' doubled, then the escapes of every string value.
    static std::string execValue(const std::string& programPath);
    // The whole entry for the program and its icon.
    static std::string contents(const std::string& programPath, const std::string& iconPath);

    // Creates the folder when needed and writes the entry atomically; 0 or an errno value.
    static int create(const std::string& programPath, const std::string& iconPath);
    // Removes the entry; a missing entry counts as removed. 0 or an errno value.
    static int remove();
};
