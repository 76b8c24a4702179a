#pragma once

#include <string>

// The folder for the files that live only while a session runs (the agent link's socket,
// the single-instance locks): $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp. Empty and
// relative values are passed over. Read afresh on every call; no trailing "/" (unless
// the folder is "/" itself).
std::string runtimeFolder();
