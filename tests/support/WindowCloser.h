#pragma once

#include <sys/types.h>

#include <string>

// Asks every shown top-level window of the process on that X server to close, as a window
// manager does when the user closes it (WM_DELETE_WINDOW); how many were asked.
int closeWindowsOf(const std::string& displayName, pid_t pid);
