#pragma once

#include <initializer_list>
#include <string>

// The folder for the files that live only while a session runs (the agent link's socket,
// the single-instance locks): $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp. Read afresh on
// every call.
std::string runtimeFolder();

// The first of the named environment variables that holds an absolute path, else
// `fallback`; empty and relative values are passed over. Without trailing "/" (unless the
// folder is "/" itself), so that callers can append "/" and a name.
std::string folderFromEnvironment(std::initializer_list<const char*> names,
                                  const std::string& fallback);
