#pragma once

// Helpers for tests of both ends of the agent link: a private runtime folder
// per test, raw sockets for the other end, and recorders of what arrived.

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "shared/ipc/IPCClient.h"
#include "shared/ipc/IPCFrameAssembler.h"
#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "shared/ipc/IPCSocketPath.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

namespace ipctest {

// Far longer than anything here takes; only a hang runs into it.
constexpr auto kPatience = std::chrono::seconds(20);

// Points XDG_RUNTIME_DIR at a fresh folder for the life of the object.
class TempRuntimeDir {
public:
    TempRuntimeDir() { environment_.set("XDG_RUNTIME_DIR", folder_.path().string()); }

private:
    TemporaryFolder folder_{"ipc"};
    ScopedEnvironment environment_;
};

// Noise for a link end to cope with; the same bytes on every run, so that a failure
// comes back when the test is run again.
inline std::vector<uint8_t> randomBytes(size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(count);
    for (uint8_t& byte : bytes) {
        byte = static_cast<uint8_t>(random());
    }
    return bytes;
}

inline size_t openDescriptorCount() {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

// Frames received on some other thread, waited for by the test.
class FrameRecorder {
public:
    void add(const uint8_t* bytes, size_t length) {
        std::lock_guard lock(lock_);
        frames_.emplace_back(bytes, bytes + length);
        changed_.notify_all();
    }
    bool waitForCount(size_t count) {
        std::unique_lock lock(lock_);
        return changed_.wait_for(lock, kPatience, [&] { return frames_.size() >= count; });
    }
    // Whether `frame` comes to be the last one received.
    bool waitForLast(const IPCFrame& frame) {
        std::unique_lock lock(lock_);
        return changed_.wait_for(lock, kPatience,
                                 [&] { return !frames_.empty() && frames_.back() == frame; });
    }
    std::vector<IPCFrame> frames() const {
        std::lock_guard lock(lock_);
        return frames_;
    }
    std::vector<uint32_t> types() const {
        std::vector<uint32_t> types;
        for (const IPCFrame& frame : frames()) {
            types.push_back(frame.size() >= 6 ? frame[2] : 0);
        }
        return types;
    }

private:
    mutable std::mutex lock_;
    std::condition_variable changed_;
    std::vector<IPCFrame> frames_;
};

// A blocking client socket connected to the link's socket file, or -1.
inline int connectRaw() {
    sockaddr_un address{};
    socklen_t length = 0;
    if (!ipcSocketAddress(address, length)) {
        return -1;
    }
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

// A listening socket on the link's socket file, standing in for the agent.
inline int listenRaw() {
    sockaddr_un address{};
    socklen_t length = 0;
    if (!ipcSocketAddress(address, length)) {
        return -1;
    }
    ::unlink(address.sun_path);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
        ::listen(socket, 8) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

inline bool readable(int socket) {
    pollfd fd{socket, POLLIN, 0};
    return ::poll(&fd, 1, static_cast<int>(std::chrono::milliseconds(kPatience).count())) == 1;
}

inline int acceptRaw(int listener) {
    return readable(listener) ? ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC) : -1;
}

inline bool sendRaw(int socket, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t sent = ::send(socket, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        done += static_cast<size_t>(sent);
    }
    return true;
}

// Exactly count bytes; fewer when the peer closes or nothing comes in time.
inline std::vector<uint8_t> readRaw(int socket, size_t count) {
    std::vector<uint8_t> bytes(count);
    size_t done = 0;
    while (done < count && readable(socket)) {
        const ssize_t got = ::recv(socket, bytes.data() + done, count - done, 0);
        if (got <= 0) {
            break;
        }
        done += static_cast<size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

// Reads frames until count of them arrived; what came in, however many that is.
inline std::vector<IPCFrame> readFrames(int socket, size_t count) {
    IPCFrameAssembler assembler;
    std::vector<IPCFrame> frames;
    uint8_t chunk[4096];
    while (frames.size() < count && readable(socket)) {
        const ssize_t got = ::recv(socket, chunk, sizeof(chunk), 0);
        if (got <= 0) {
            break;
        }
        for (IPCFrame& frame : assembler.feed(chunk, static_cast<size_t>(got))) {
            frames.push_back(std::move(frame));
        }
    }
    return frames;
}

// True once the peer has closed the connection (reading away anything before).
inline bool peerClosed(int socket) {
    uint8_t chunk[4096];
    while (readable(socket)) {
        const ssize_t got = ::recv(socket, chunk, sizeof(chunk), 0);
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            return errno == ECONNRESET;
        }
    }
    return false;
}

// Whether the agent answers a request for its devices, on a connection of its own, with
// `devices` of them. The agent handles frames in the order they come, so an answer also
// means that everything sent to it before was handled.
inline bool agentAnswersWith(size_t devices) {
    const int socket = connectRaw();
    if (socket < 0) {
        return false;
    }
    IPCResponseConnectedDevices list;
    const auto answer = sendRaw(socket, IPCMessage(IPCMessageType::RequestDevices).serialize())
                            ? readFrames(socket, 1)
                            : std::vector<IPCFrame>{};
    ::close(socket);
    return !answer.empty() && list.deserialize(answer[0].data(), answer[0].size()) &&
           list.devices().size() == devices;
}

// Announces itself on each connection as the configuration program does:
// a device-list request, then a preferences update.
class AnnouncingClient : public IPCClient {
public:
    ~AnnouncingClient() override { stop(); }

    void onMessage(const uint8_t* bytes, size_t length) override { received.add(bytes, length); }
    void onConnected() override {
        while (holdAnnouncement) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        // Counted before sending: a test that sees the frames must also see the connection.
        ++connections;
        IPCPrefsUpdateMessage prefs;
        prefs.setText("{}");
        const bool sentRequest = sendMessage(IPCMessage(IPCMessageType::RequestDevices));
        const bool sentPrefs = sendMessage(prefs);
        lastAnnouncementSent = sentRequest && sentPrefs;
        ++announcements;
    }

    FrameRecorder received;
    std::atomic<int> connections{0};
    // Announcements finished, whether or not they could be sent.
    std::atomic<int> announcements{0};
    std::atomic<bool> holdAnnouncement{false};
    std::atomic<bool> lastAnnouncementSent{false};
};

}  // namespace ipctest
