#include "shared/ipc/IPCSocketIo.h"

#include <cerrno>
#include <iterator>

#include <sys/socket.h>

#include "shared/prefs/LogManager.h"

namespace {

constexpr size_t kReceiveChunk = 2048;
constexpr size_t kMaxReadPerCall = 64 * 1024;

bool wouldBlock() {
    return errno == EAGAIN || errno == EWOULDBLOCK;
}

}  // namespace

bool ipcReceiveFrames(int socket, IPCFrameAssembler& assembler, std::vector<IPCFrame>& frames) {
    uint8_t chunk[kReceiveChunk];
    bool open = true;
    for (size_t total = 0; total < kMaxReadPerCall;) {
        const ssize_t received = ::recv(socket, chunk, sizeof(chunk), MSG_DONTWAIT);
        if (received < 0 && errno == EINTR) {
            continue;
        }
        if (received < 0 && wouldBlock()) {
            break;
        }
        if (received <= 0) {
            if (received < 0) {
                LogManager::instance().log('E', "Error receiving message err: %d\n", errno);
            }
            open = false;
            break;
        }
        std::vector<IPCFrame> got = assembler.feed(chunk, static_cast<size_t>(received));
        frames.insert(frames.end(), std::make_move_iterator(got.begin()),
                      std::make_move_iterator(got.end()));
        total += static_cast<size_t>(received);
        // A short read means the socket is drained; poll reports anything later.
        if (static_cast<size_t>(received) < sizeof(chunk)) {
            break;
        }
    }
    if (const size_t discarded = assembler.takeDiscardedBytes(); discarded > 0) {
        LogManager::instance().log('W', "Discarded %zu bytes of bad input on IPC socket %d\n",
                                   discarded, socket);
    }
    return open;
}

ssize_t ipcSend(int socket, const uint8_t* bytes, size_t length, int flags) {
    while (true) {
        const ssize_t sent = ::send(socket, bytes, length, flags | MSG_NOSIGNAL);
        if (sent >= 0) {
            return sent;
        }
        if (errno == EINTR) {
            continue;
        }
        return wouldBlock() ? 0 : -1;
    }
}
