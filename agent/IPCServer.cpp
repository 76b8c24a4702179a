#include "agent/IPCServer.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <system_error>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shared/ipc/IPCSocketIo.h"
#include "shared/ipc/IPCSocketPath.h"
#include "shared/prefs/LogManager.h"

namespace {

// Room for two frames of the largest size a client is expected to take.
constexpr size_t kMaxPendingBytes = 2 * (IPCMessage::kHeaderSize + IPCMessage::kMaxPayloadLength);
// Poll set layout: the wake event, the listening socket, then the clients.
constexpr size_t kWakeIndex = 0;
constexpr size_t kListenIndex = 1;
constexpr size_t kFirstClientIndex = 2;

}  // namespace

IPCServer::IPCServer() = default;

IPCServer::~IPCServer() {
    stop();
}

void IPCServer::onMessage(const uint8_t* /*bytes*/, size_t /*length*/) {}

bool IPCServer::start() {
    if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) {
        LogManager::instance().log('E', "IPC server cannot restart itself from its own thread\n");
        return false;
    }
    stop();
    if (!startListening()) {
        return false;
    }
    wake_.drain();
    running_ = true;
    try {
        thread_ = std::thread(&IPCServer::serverLoop, this);
    } catch (const std::system_error& error) {
        running_ = false;
        LogManager::instance().log('E', "Unable to start IPC server thread: %s\n", error.what());
        closeAll();
        return false;
    }
    return true;
}

void IPCServer::stop() {
    running_ = false;
    wake_.signal();
    // From its own thread (a handler) the loop ends after the current pass.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) {
        thread_.join();
    }
    closeAll();
}

bool IPCServer::startListening() {
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        LogManager::instance().log('E', "Unable to create socket descriptor for IPC server");
        return false;
    }
    sockaddr_un address{};
    socklen_t length = 0;
    if (!ipcSocketAddress(address, length)) {
        ::close(socket);
        return false;
    }
    // A file left by an agent that crashed would make bind fail.
    ::unlink(address.sun_path);
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        LogManager::instance().log('E', "Unable to bind socket for IPC server %d", errno);
        ::close(socket);
        return false;
    }
    // Owner only, and before listen so that nobody connects in between.
    if (::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0) {
        LogManager::instance().log('E', "Unable to restrict IPC socket file %d", errno);
        ::close(socket);
        return false;
    }
    if (::listen(socket, static_cast<int>(kMaxClients)) != 0) {
        LogManager::instance().log('E', "Unable to listen on socket for IPC server");
        ::close(socket);
        return false;
    }
    std::lock_guard lock(clientLock_);
    listenSocket_ = socket;
    return true;
}

void IPCServer::serverLoop() {
    std::vector<pollfd> fds;
    std::vector<IPCFrame> frames;
    while (running_) {
        buildPollSet(fds);
        const int ready = ::poll(fds.data(), fds.size(), IPCWakeEvent::pollTimeout(pollTimeout_));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            LogManager::instance().log('E', "Internal processing error IPCServer - error: %d",
                                       errno);
            running_ = false;
            break;
        }
        if (fds[kWakeIndex].revents != 0) {
            wake_.drain();
        }
        serviceClients(fds, frames);
        for (const IPCFrame& frame : frames) {
            onMessage(frame.data(), frame.size());
        }
        frames.clear();
    }
    closeAll();
}

void IPCServer::buildPollSet(std::vector<pollfd>& fds) {
    std::lock_guard lock(clientLock_);
    fds.assign(kFirstClientIndex, pollfd{});
    fds[kWakeIndex] = {wake_.fd(), POLLIN, 0};
    fds[kListenIndex] = {listenSocket_, POLLIN, 0};
    for (const Client& client : clients_) {
        const short events = static_cast<short>(POLLIN | (client.pending.empty() ? 0 : POLLOUT));
        fds.push_back({client.socket, events, 0});
    }
}

// Only this thread adds or erases clients, so the poll set built before the
// wait still lines up with the list; broadcasts in between only mark clients.
void IPCServer::serviceClients(const std::vector<pollfd>& fds, std::vector<IPCFrame>& frames) {
    std::lock_guard lock(clientLock_);
    for (size_t i = 0; i + kFirstClientIndex < fds.size(); ++i) {
        Client& client = clients_[i];
        const short events = fds[i + kFirstClientIndex].revents;
        // A client that a broadcast dropped may still have sent frames before
        // it went (a request, then close): they are read before it is closed.
        if (client.dropped || (events & (POLLIN | POLLHUP | POLLERR)) != 0) {
            if (!ipcReceiveFrames(client.socket, client.assembler, frames)) {
                client.dropped = true;
            }
        }
        if (!client.dropped && (events & POLLOUT) != 0) {
            flushPending(client);
        }
    }
    // Pruning first frees the places of clients that have just gone.
    pruneDropped();
    if ((fds[kListenIndex].revents & POLLIN) != 0) {
        acceptClients();
    }
}

void IPCServer::acceptClients() {
    while (true) {
        const int socket = ::accept4(listenSocket_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket >= 0) {
            addClient(socket);
            continue;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            LogManager::instance().log('E', "Error accepting IPC client: %d\n", errno);
        }
        return;
    }
}

void IPCServer::addClient(int socket) {
    if (clients_.size() >= kMaxClients) {
        LogManager::instance().log('W', "Refused IPC client: %zu clients are connected\n",
                                   clients_.size());
        ::close(socket);
        return;
    }
    clients_.push_back(Client{socket, {}, {}, false});
}

void IPCServer::pruneDropped() {
    const auto dropped = std::remove_if(clients_.begin(), clients_.end(), [](Client& client) {
        if (client.dropped) {
            ::close(client.socket);
        }
        return client.dropped;
    });
    clients_.erase(dropped, clients_.end());
}

void IPCServer::broadcast(const IPCMessage& message) {
    if (!message.isValid()) {
        return;
    }
    const std::vector<uint8_t> bytes = message.serialize();
    if (bytes.empty()) {
        return;
    }
    bool serverMustLook = false;
    {
        std::lock_guard lock(clientLock_);
        for (Client& client : clients_) {
            if (!client.dropped && sendOrQueue(client, bytes)) {
                serverMustLook = true;
            }
        }
    }
    if (serverMustLook) {
        wake_.signal();
    }
}

bool IPCServer::sendOrQueue(Client& client, const std::vector<uint8_t>& bytes) {
    size_t sent = 0;
    if (client.pending.empty()) {
        const ssize_t result = ipcSend(client.socket, bytes.data(), bytes.size(), MSG_DONTWAIT);
        if (result < 0) {
            client.dropped = true;
            return true;
        }
        sent = static_cast<size_t>(result);
    }
    if (sent == bytes.size()) {
        return false;
    }
    if (client.pending.size() + bytes.size() - sent > kMaxPendingBytes) {
        LogManager::instance().log('W', "Dropped IPC client %d that does not read\n",
                                   client.socket);
        client.dropped = true;
        return true;
    }
    client.pending.insert(client.pending.end(), bytes.begin() + static_cast<std::ptrdiff_t>(sent),
                          bytes.end());
    return true;
}

void IPCServer::flushPending(Client& client) {
    const ssize_t sent =
        ipcSend(client.socket, client.pending.data(), client.pending.size(), MSG_DONTWAIT);
    if (sent < 0) {
        client.dropped = true;
        return;
    }
    client.pending.erase(client.pending.begin(),
                         client.pending.begin() + static_cast<std::ptrdiff_t>(sent));
}

size_t IPCServer::clientCount() const {
    std::lock_guard lock(clientLock_);
    return static_cast<size_t>(std::count_if(clients_.begin(), clients_.end(),
                                             [](const Client& client) { return !client.dropped; }));
}

void IPCServer::closeAll() {
    std::lock_guard lock(clientLock_);
    for (Client& client : clients_) {
        ::close(client.socket);
    }
    clients_.clear();
    if (listenSocket_ >= 0) {
        ::close(listenSocket_);
        listenSocket_ = -1;
    }
}
