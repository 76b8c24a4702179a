#pragma once

#include <string>

// Where both programs keep their files. initializeGlobals() fixes the settings
// folder and the program folder once at start-up; every path below is composed
// afresh from them on each call.

// Finds and creates the settings folder (under $XDG_DATA_HOME, else
// $HOME/.local/share) and its cache folder, and records the program folder.
void initializeGlobals();

// Creates the cache folder with any missing parents when it does not exist.
void ensureCacheDir();

std::string settingsDirectory();
std::string cacheDirectory();
std::string defaultPreferencesFilePath();
std::string profileBindFilePath();
// Beside the executable, as recorded by initializeGlobals().
std::string backupPreferencesFilePath();
std::string refreshTokenFilePath();
// Read again from the running process on each call; ends with "/" (empty when
// the executable's path cannot be read or is too long to trust).
std::string executableDirectory();
