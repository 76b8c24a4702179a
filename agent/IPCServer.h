#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include <poll.h>

#include "shared/ipc/IPCFrameAssembler.h"
#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCWakeEvent.h"

// The agent's end of the agent link: owns the socket file, accepts up to
// kMaxClients configuration-program clients, cuts what each sends into frames
// and hands every frame to onMessage(). Everything the agent sends goes to all
// clients at once through broadcast().
//
// The client lock comes first in the agent's lock order (written down in
// WhirlenEngine.h), so nobody calls broadcast() while holding a lock after it.
// It is held only for list upkeep, reads and non-blocking sends; onMessage()
// runs with no lock of this class held, so a handler may broadcast (or stop
// the server) from the server thread.
class IPCServer {
public:
    static constexpr size_t kMaxClients = 16;

    IPCServer();
    // Subclasses call stop() in their own destructor: the thread calls into them.
    virtual ~IPCServer();
    IPCServer(const IPCServer&) = delete;
    IPCServer& operator=(const IPCServer&) = delete;

    // One whole frame (header checked: known type, length within the limit)
    // from any client, on the server thread.
    virtual void onMessage(const uint8_t* bytes, size_t length);

    // Stops a running server, then listens afresh (a stale socket file is
    // replaced) and starts the server thread; false, logged, when it cannot.
    bool start();
    // Ends the thread and closes every socket; the socket file stays.
    void stop();

    // Sends to every client without waiting for any of them: what a client's
    // socket does not take now is queued, and a client whose queue overflows
    // is dropped.
    void broadcast(const IPCMessage& message);

    size_t clientCount() const;

    // Set before start(); the loop also wakes at once for stop and broadcast.
    void setPollTimeout(std::chrono::milliseconds timeout) { pollTimeout_ = timeout; }

private:
    struct Client {
        int socket = -1;
        IPCFrameAssembler assembler;
        // Bytes of broadcasts that the socket has not taken yet.
        std::vector<uint8_t> pending;
        // Closed and erased by the server thread only, so that the descriptor
        // stays valid for the poll set it is in.
        bool dropped = false;
    };

    bool startListening();
    void serverLoop();
    void buildPollSet(std::vector<pollfd>& fds);
    void serviceClients(const std::vector<pollfd>& fds, std::vector<IPCFrame>& frames);
    void acceptClients();
    void addClient(int socket);
    void pruneDropped();
    // True when the server thread must look at the client (queued or dropped).
    bool sendOrQueue(Client& client, const std::vector<uint8_t>& bytes);
    void flushPending(Client& client);
    void closeAll();

    std::atomic<bool> running_{false};
    std::thread thread_;
    // Cuts the poll short for stop() and for broadcasts that leave work.
    IPCWakeEvent wake_;
    std::chrono::milliseconds pollTimeout_{2000};
    // The client lock: guards everything below.
    mutable std::mutex clientLock_;
    int listenSocket_ = -1;
    std::vector<Client> clients_;
};
