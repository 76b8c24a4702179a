#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <sys/types.h>

#include "shared/ipc/IPCFrameAssembler.h"

// Socket calls that both ends of the agent link make the same way.

// Reads what is waiting on the socket without blocking (a bounded amount, so
// that one busy peer cannot starve the others) and appends the frames it
// completes. False when the peer has closed the connection or the read failed.
bool ipcReceiveFrames(int socket, IPCFrameAssembler& assembler, std::vector<IPCFrame>& frames);

// One send with MSG_NOSIGNAL (a peer that has gone must cost a failed call,
// not the process), retried when interrupted. Returns the bytes sent, 0 when
// the socket takes nothing now, or -1 when the connection has failed.
ssize_t ipcSend(int socket, const uint8_t* bytes, size_t length, int flags);
