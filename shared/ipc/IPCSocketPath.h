#pragma once

#include <string>

#include <sys/socket.h>
#include <sys/un.h>

// Where the agent listens and the configuration program connects:
// "pelwhirlenlisten" in $XDG_RUNTIME_DIR (the per-user folder keeps other
// users out), else in $TMPDIR, else in /tmp. Read afresh on every call.
std::string ipcSocketPath();

// The socket address for ipcSocketPath(). A path that does not fit the
// address record is refused with a log line rather than cut short, because a
// shortened path would name some other file.
bool ipcSocketAddress(sockaddr_un& address, socklen_t& length);
