#include "shared/ipc/IPCClient.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "shared/ipc/IPCSocketIo.h"
#include "shared/ipc/IPCSocketPath.h"
#include "shared/prefs/LogManager.h"

namespace {

// A send that the agent does not take within this time counts as failed, so
// that a hung agent cannot hold the socket lock (and stop()) forever.
constexpr timeval kSendTimeout{2, 0};
constexpr uint8_t kKeepAlive = 0x00;

bool sendAll(int socket, const uint8_t* bytes, size_t length) {
    while (length > 0) {
        const ssize_t sent = ipcSend(socket, bytes, length, 0);
        if (sent <= 0) {
            return false;
        }
        bytes += sent;
        length -= static_cast<size_t>(sent);
    }
    return true;
}

}  // namespace

IPCClient::IPCClient() = default;

IPCClient::~IPCClient() {
    stop();
}

bool IPCClient::start() {
    if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) {
        LogManager::instance().log('E', "IPC client cannot restart itself from its own thread\n");
        return false;
    }
    stop();
    wake_.drain();
    running_ = true;
    try {
        thread_ = std::thread(&IPCClient::receiveLoop, this);
    } catch (const std::system_error& error) {
        running_ = false;
        LogManager::instance().log('E', "Unable to start IPC client thread: %s\n", error.what());
        return false;
    }
    return true;
}

void IPCClient::stop() {
    running_ = false;
    wake_.signal();
    // From its own thread the loop ends by itself after the current callback.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) {
        thread_.join();
    }
}

bool IPCClient::sendMessage(const IPCMessage& message) {
    if (!message.isValid()) {
        return false;
    }
    return sendBuffer(message.serialize());
}

bool IPCClient::sendBuffer(const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) {
        return false;
    }
    std::lock_guard lock(socketLock_);
    if (socket_ < 0) {
        return false;
    }
    if (!sendAll(socket_, bytes.data(), bytes.size())) {
        LogManager::instance().log('E', "Unable to send message tot socket: %d\n", socket_);
        // The link's thread sees the shut-down socket, closes it and reconnects.
        ::shutdown(socket_, SHUT_RDWR);
        return false;
    }
    return true;
}

void IPCClient::receiveLoop() {
    IPCFrameAssembler assembler;
    bool agentSpoke = false;
    while (running_) {
        if (socket_ < 0) {
            if (!connectToServer()) {
                pause(reconnectDelay_);
                continue;
            }
            assembler.reset();
            agentSpoke = false;
            onConnected();
        }
        if (!waitAndRead(assembler, agentSpoke)) {
            closeSocket();
            // An agent that has gone is looked for again on the next pass: a new
            // one may be listening already. One that closed without a word may be
            // refusing this client, which must not come back to it in a tight loop.
            if (!agentSpoke) {
                pause(reconnectDelay_);
            }
        }
    }
    closeSocket();
}

bool IPCClient::connectToServer() {
    closeSocket();
    sockaddr_un address{};
    socklen_t length = 0;
    if (!ipcSocketAddress(address, length)) {
        return false;
    }
    // Non-blocking while connecting: a full backlog must not hold up stop().
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        LogManager::instance().log('E', "Unable to create socket descriptor for IPC client\n");
        return false;
    }
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        LogManager::instance().log('E', "Unable to connect IPC server err: %d\n", errno);
        ::close(socket);
        return false;
    }
    const int flags = ::fcntl(socket, F_GETFL);
    ::fcntl(socket, F_SETFL, flags & ~O_NONBLOCK);
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &kSendTimeout, sizeof(kSendTimeout));
    std::lock_guard lock(socketLock_);
    socket_ = socket;
    return true;
}

void IPCClient::closeSocket() {
    if (socket_ < 0) {
        return;
    }
    // Shutting down first wakes a sender blocked in send(), which then frees
    // the lock; only this thread ever closes, so the descriptor is still ours.
    ::shutdown(socket_, SHUT_RDWR);
    std::lock_guard lock(socketLock_);
    ::close(socket_);
    socket_ = -1;
}

// False when the connection is gone.
bool IPCClient::waitAndRead(IPCFrameAssembler& assembler, bool& agentSpoke) {
    pollfd fds[2] = {{socket_, POLLIN, 0}, {wake_.fd(), POLLIN, 0}};
    const int ready = ::poll(fds, 2, IPCWakeEvent::pollTimeout(keepAliveInterval_));
    if (ready < 0) {
        if (errno == EINTR) {
            return true;
        }
        LogManager::instance().log('E', "Internal processing error IPCServer - error: %d", errno);
        return false;
    }
    if (ready == 0) {
        sendKeepAlive();
        return true;
    }
    if (fds[1].revents != 0) {
        wake_.drain();
    }
    return fds[0].revents == 0 || readAvailable(assembler, agentSpoke);
}

bool IPCClient::readAvailable(IPCFrameAssembler& assembler, bool& agentSpoke) {
    std::vector<IPCFrame> frames;
    const bool open = ipcReceiveFrames(socket_, assembler, frames);
    agentSpoke = agentSpoke || !frames.empty();
    for (const IPCFrame& frame : frames) {
        onMessage(frame.data(), frame.size());
    }
    return open;
}

void IPCClient::sendKeepAlive() {
    sendBuffer({kKeepAlive});
}

void IPCClient::pause(std::chrono::milliseconds delay) {
    const auto deadline = std::chrono::steady_clock::now() + delay;
    while (running_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return;
        }
        wake_.waitFor(left);
    }
}
