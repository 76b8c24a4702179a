// Round trip of a device-list request (type 1) and its answer (type 2) through
// the real client and server over the socket file, beside a plain AF_UNIX
// ping-pong of the same sizes between two threads. To hand over between the
// same number of threads as the ping-pong, the client sends each next request
// from its own thread as the answer arrives; the benchmark thread only starts
// a batch of rounds and waits for its end. The difference between the two is
// the link's own cost: poll, framing, JSON writing and locking.

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>
#include <sys/socket.h>
#include <unistd.h>

#include "agent/IPCServer.h"
#include "shared/ipc/IPCClient.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"

namespace {

IPCResponseConnectedDevices deviceList() {
    IPCResponseConnectedDevices list;
    list.addDevice({1, 1, true, "4800010002", "/dev/hidraw3", "/dev/hidraw3"});
    list.addDevice({1, 2, true, "3200030004", "/dev/hidraw5", "/dev/hidraw5"});
    return list;
}

const size_t kRequestSize = IPCMessage(IPCMessageType::RequestDevices).serialize().size();
const size_t kAnswerSize = deviceList().serialize().size();

// Answers each request as the engine does: builds the list and broadcasts it.
class AnsweringServer : public IPCServer {
public:
    ~AnsweringServer() override { stop(); }
    void onMessage(const uint8_t* bytes, size_t length) override {
        IPCMessage header(0u);
        if (header.deserialize(bytes, length) &&
            header.type() == static_cast<uint32_t>(IPCMessageType::RequestDevices)) {
            broadcast(deviceList());
        }
    }
};

// Plays a batch of rounds: each answer makes it send the next request.
class RallyingClient : public IPCClient {
public:
    ~RallyingClient() override { stop(); }
    void onMessage(const uint8_t* bytes, size_t length) override {
        IPCMessage header(0u);
        if (!header.deserialize(bytes, length) ||
            header.type() != static_cast<uint32_t>(IPCMessageType::ConnectedDevices)) {
            return;
        }
        if (--remaining_ > 0) {
            sendMessage(request_);
            return;
        }
        std::lock_guard lock(lock_);
        done_.notify_all();
    }
    void onConnected() override {
        std::lock_guard lock(lock_);
        connected_ = true;
        done_.notify_all();
    }

    void waitForConnection() {
        std::unique_lock lock(lock_);
        done_.wait(lock, [&] { return connected_; });
    }
    void playRounds(int64_t rounds) {
        std::unique_lock lock(lock_);
        remaining_ = rounds;
        sendMessage(request_);
        done_.wait(lock, [&] { return remaining_ == 0; });
    }

private:
    const IPCMessage request_{IPCMessageType::RequestDevices};
    std::atomic<int64_t> remaining_{0};
    std::mutex lock_;
    std::condition_variable done_;
    bool connected_ = false;
};

void BM_IpcRequestDevicesRoundTrip(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "ipcbenchXXXXXX").string();
    ::setenv("XDG_RUNTIME_DIR", ::mkdtemp(folder.data()), 1);
    AnsweringServer server;
    RallyingClient client;
    client.setKeepAliveInterval(std::chrono::hours(1));
    if (!server.start() || !client.start()) {
        state.SkipWithError("link did not start");
        return;
    }
    client.waitForConnection();
    client.playRounds(1);  // the server has taken the client in
    constexpr int64_t kBatch = 100;
    while (state.KeepRunningBatch(kBatch)) {
        client.playRounds(kBatch);
    }
    state.counters["request_bytes"] = static_cast<double>(kRequestSize);
    state.counters["answer_bytes"] = static_cast<double>(kAnswerSize);
    client.stop();
    server.stop();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_IpcRequestDevicesRoundTrip)->UseRealTime();

bool readAll(int socket, uint8_t* bytes, size_t length) {
    while (length > 0) {
        const ssize_t got = ::read(socket, bytes, length);
        if (got <= 0) {
            return false;
        }
        bytes += got;
        length -= static_cast<size_t>(got);
    }
    return true;
}

void BM_UnixSocketPingPong(benchmark::State& state) {
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        state.SkipWithError("no socket pair");
        return;
    }
    std::thread echo([socket = pair[1]] {
        std::vector<uint8_t> request(kRequestSize);
        const std::vector<uint8_t> answer(kAnswerSize, 'a');
        while (readAll(socket, request.data(), request.size())) {
            if (::send(socket, answer.data(), answer.size(), MSG_NOSIGNAL) < 0) {
                return;
            }
        }
    });
    const std::vector<uint8_t> request(kRequestSize, 'r');
    std::vector<uint8_t> answer(kAnswerSize);
    for (auto _ : state) {
        ::send(pair[0], request.data(), request.size(), MSG_NOSIGNAL);
        readAll(pair[0], answer.data(), answer.size());
    }
    state.counters["request_bytes"] = static_cast<double>(kRequestSize);
    state.counters["answer_bytes"] = static_cast<double>(kAnswerSize);
    ::shutdown(pair[0], SHUT_RDWR);
    echo.join();
    ::close(pair[0]);
    ::close(pair[1]);
}
BENCHMARK(BM_UnixSocketPingPong)->UseRealTime();

}  // namespace
