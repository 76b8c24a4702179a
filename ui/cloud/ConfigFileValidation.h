#pragma once

#include <string>

// Whether the file is a preference file the program can use: a JSON object with a usable
// version, whose application configurations, settings and actions all load. Reasons are logged.
bool validateConfigFile(const std::string& path);
// The same for text already read from the file at path (named in the log).
bool validateConfigText(std::string text, const std::string& path);
