#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "shared/ipc/IPCFrameAssembler.h"
#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCWakeEvent.h"

// The configuration program's end of the agent link. Its own thread connects
// to the agent's socket, waits and retries while the agent is not there, tells
// the subclass of each new connection, hands it every received frame and sends
// a 0x00 keep-alive byte whenever the agent has been silent for a while.
// Subclasses call stop() in their own destructor: the thread calls into them.
class IPCClient {
public:
    IPCClient();
    virtual ~IPCClient();
    IPCClient(const IPCClient&) = delete;
    IPCClient& operator=(const IPCClient&) = delete;

    // One whole frame, on the link's thread.
    virtual void onMessage(const uint8_t* bytes, size_t length) = 0;
    // After each successful connect, on the link's thread, before any frame.
    virtual void onConnected() = 0;

    // Restarts the link's thread; false when it cannot be started.
    bool start();
    // Returns as soon as the thread has noticed, whatever it was waiting for.
    void stop();

    // Invalid messages are dropped; so is everything sent while disconnected.
    bool sendMessage(const IPCMessage& message);
    bool sendBuffer(const std::vector<uint8_t>& bytes);

    // Set before start(); tests shorten them.
    void setReconnectDelay(std::chrono::milliseconds delay) { reconnectDelay_ = delay; }
    void setKeepAliveInterval(std::chrono::milliseconds interval) { keepAliveInterval_ = interval; }

private:
    void receiveLoop();
    bool connectToServer();
    void closeSocket();
    // Both false when the connection is gone; agentSpoke is set once a frame came.
    bool waitAndRead(IPCFrameAssembler& assembler, bool& agentSpoke);
    bool readAvailable(IPCFrameAssembler& assembler, bool& agentSpoke);
    void sendKeepAlive();
    // Sleeps for the delay unless stop() comes first.
    void pause(std::chrono::milliseconds delay);

    // Written only by the link's thread, under the lock; other threads read
    // it under the lock, so a socket is never closed in the middle of a send.
    int socket_ = -1;
    std::atomic<bool> running_{false};
    std::thread thread_;
    std::mutex socketLock_;
    // Signalled by stop() to cut short any wait of the link's thread.
    IPCWakeEvent wake_;
    std::chrono::milliseconds reconnectDelay_{5000};
    std::chrono::milliseconds keepAliveInterval_{2000};
};
