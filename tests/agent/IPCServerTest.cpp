#include "agent/IPCServer.h"

#include <csignal>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/WaitUntil.h"

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;
using ipctest::connectRaw;
using ipctest::readFrames;
using ipctest::sendRaw;

const Bytes kRequestFrame = IPCMessage(IPCMessageType::RequestDevices).serialize();

IPCResponseConnectedDevices deviceList() {
    IPCResponseConnectedDevices list;
    list.addDevice({1, 1, true, "4800010002", "/dev/hidraw3", "/dev/hidraw3"});
    return list;
}

// Records every frame and, like the engine, answers a device-list request with
// a broadcast from the server thread.
class RecordingServer : public IPCServer {
public:
    ~RecordingServer() override { stop(); }

    void onMessage(const uint8_t* bytes, size_t length) override {
        received.add(bytes, length);
        if (length >= IPCMessage::kHeaderSize && bytes[2] == 1) {
            broadcast(deviceList());
        }
    }

    ipctest::FrameRecorder received;
};

class IPCServerTest : public testing::Test {
protected:
    void SetUp() override {
        std::signal(SIGPIPE, SIG_DFL);
        server.setPollTimeout(1h);
    }
    void TearDown() override {
        server.stop();
        for (int socket : sockets) {
            ::close(socket);
        }
    }
    int connectClient() {
        const int socket = connectRaw();
        if (socket >= 0) {
            sockets.push_back(socket);
        }
        return socket;
    }
    bool clientsBecome(size_t count) {
        return waitUntil([&] { return server.clientCount() == count; });
    }
    static Bytes prefsFrame(size_t textLength) {
        IPCPrefsUpdateMessage message;
        message.setText(std::string(textLength, 'p'));
        return message.serialize();
    }

    ipctest::TempRuntimeDir runtime;
    RecordingServer server;
    std::vector<int> sockets;
};

TEST_F(IPCServerTest, ReplacesAStaleSocketFileAndKeepsTheNewOneToItsOwner) {
    // What a crashed agent leaves behind: a bound socket nobody listens on.
    const int stale = ipctest::listenRaw();
    ASSERT_GE(stale, 0);
    ::close(stale);
    ASSERT_EQ(connectRaw(), -1);

    ASSERT_TRUE(server.start());
    struct stat status {};
    ASSERT_EQ(::stat(ipcSocketPath().c_str(), &status), 0);
    EXPECT_TRUE(S_ISSOCK(status.st_mode));
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_GE(connectClient(), 0);
}

TEST_F(IPCServerTest, RefusesToStartWhenTheSocketPathIsTooLong) {
    ::setenv("XDG_RUNTIME_DIR", ("/" + std::string(100, 'd')).c_str(), 1);
    EXPECT_FALSE(server.start());
}

TEST_F(IPCServerTest, FramesArriveWholeThroughNoiseAndKeepAliveBytes) {
    ASSERT_TRUE(server.start());
    const int client = connectClient();
    IPCPrefsUpdateMessage prefs;
    prefs.setText("{}");
    Bytes stream{0, 0, 'x', '#'};
    stream.insert(stream.end(), kRequestFrame.begin(), kRequestFrame.end());
    stream.insert(stream.end(), {0, 0, 0});
    const Bytes prefsBytes = prefs.serialize();
    stream.insert(stream.end(), prefsBytes.begin(), prefsBytes.end());
    stream.insert(stream.end(), {0, 0});
    for (uint8_t byte : stream) {
        ASSERT_TRUE(sendRaw(client, {byte}));
    }
    // The answer to the request comes only after the request has been handled.
    ASSERT_EQ(readFrames(client, 1).size(), 1u);
    ASSERT_TRUE(server.received.waitForCount(2));
    const auto frames = server.received.frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], kRequestFrame);
    EXPECT_EQ(frames[1], prefsBytes);
}

TEST_F(IPCServerTest, HandlerBroadcastFromTheServerThreadReachesTheClient) {
    ASSERT_TRUE(server.start());
    const int client = connectClient();
    ASSERT_TRUE(sendRaw(client, kRequestFrame));
    const auto frames = readFrames(client, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], deviceList().serialize());
}

TEST_F(IPCServerTest, BadInputFromOneClientLeavesEveryClientServed) {
    ASSERT_TRUE(server.start());
    const int bad = connectClient();
    const int good = connectClient();
    const Bytes garbage = ipctest::randomBytes(256 * 1024, 11);
    const Bytes badHeaders{'#', '_', 3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F,
                           '#', '_', 0, 1, 0, 0, 0,    0,    0,    0};
    ASSERT_TRUE(sendRaw(bad, garbage));
    ASSERT_TRUE(sendRaw(bad, badHeaders));
    // A frame cut short by its sender's going.
    const int truncating = connectRaw();
    const Bytes whole = prefsFrame(100);
    ASSERT_TRUE(sendRaw(truncating, Bytes(whole.begin(), whole.begin() + 30)));
    ::close(truncating);
    ASSERT_TRUE(sendRaw(good, kRequestFrame));
    ASSERT_EQ(readFrames(good, 1).size(), 1u);
    // However the garbage ended, a run without a marker longer than any
    // frame brings the bad client's stream back in step.
    ASSERT_TRUE(sendRaw(bad, Bytes(IPCMessage::kMaxPayloadLength + 10, 0)));
    ASSERT_TRUE(sendRaw(bad, prefsFrame(2)));
    ASSERT_TRUE(server.received.waitForLast(prefsFrame(2)));
    EXPECT_EQ(server.clientCount(), 2u);
}

TEST_F(IPCServerTest, TwoClientsBothReceiveABroadcastList) {
    ASSERT_TRUE(server.start());
    const int first = connectClient();
    const int second = connectClient();
    ASSERT_TRUE(clientsBecome(2));
    server.broadcast(deviceList());
    for (int client : {first, second}) {
        const auto frames = readFrames(client, 1);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0], deviceList().serialize());
    }
}

TEST_F(IPCServerTest, ClientClosingJustBeforeABroadcastLeavesTheOthersServed) {
    ASSERT_TRUE(server.start());
    const int leaving = connectClient();
    const int staying = connectClient();
    ASSERT_TRUE(clientsBecome(2));
    ASSERT_TRUE(sendRaw(leaving, kRequestFrame));
    ::close(leaving);
    sockets.erase(sockets.begin());
    // Sent to a socket whose peer has gone: must cost no SIGPIPE.
    server.broadcast(deviceList());
    server.broadcast(deviceList());
    // Its request still counts, and its answer reaches those still there.
    EXPECT_EQ(readFrames(staying, 3).size(), 3u);
    ASSERT_TRUE(clientsBecome(1));
    ASSERT_TRUE(sendRaw(staying, kRequestFrame));
    EXPECT_EQ(readFrames(staying, 1).size(), 1u);
}

TEST_F(IPCServerTest, ClientThatNeverReadsIsDroppedWithoutBlockingBroadcasts) {
    ASSERT_TRUE(server.start());
    const int sleeper = connectClient();
    const int reader = connectClient();
    ASSERT_TRUE(clientsBecome(2));
    IPCPrefsUpdateMessage large;
    large.setText(std::string(64 * 1024, 'p'));
    // Far more than the sleeper's socket buffer and queue hold together.
    const int broadcasts = 80;
    for (int i = 0; i < broadcasts; ++i) {
        server.broadcast(large);
        ASSERT_EQ(readFrames(reader, 1).size(), 1u) << i;
    }
    ASSERT_TRUE(clientsBecome(1));
    EXPECT_TRUE(ipctest::peerClosed(sleeper));
    ASSERT_TRUE(sendRaw(reader, kRequestFrame));
    EXPECT_EQ(readFrames(reader, 1).size(), 1u);
}

TEST_F(IPCServerTest, ClientsBeyondTheLimitAreClosedAtAccept) {
    ASSERT_TRUE(server.start());
    for (size_t i = 0; i < IPCServer::kMaxClients; ++i) {
        ASSERT_GE(connectClient(), 0);
    }
    ASSERT_TRUE(clientsBecome(IPCServer::kMaxClients));
    const int extra = connectClient();
    ASSERT_GE(extra, 0);
    EXPECT_TRUE(ipctest::peerClosed(extra));
    EXPECT_EQ(server.clientCount(), IPCServer::kMaxClients);
    ASSERT_TRUE(sendRaw(sockets.back() == extra ? sockets.front() : sockets.back(), kRequestFrame));
    EXPECT_EQ(readFrames(sockets.front(), 1).size(), 1u);
}

TEST_F(IPCServerTest, ConnectDisconnectCyclesLeakNoDescriptor) {
    ASSERT_TRUE(server.start());
    const size_t before = ipctest::openDescriptorCount();
    for (int cycle = 0; cycle < 30; ++cycle) {
        const int client = connectRaw();
        ASSERT_GE(client, 0);
        ASSERT_TRUE(clientsBecome(1)) << cycle;
        ::close(client);
        ASSERT_TRUE(clientsBecome(0)) << cycle;
    }
    EXPECT_EQ(ipctest::openDescriptorCount(), before);
}

TEST_F(IPCServerTest, RestartsLeakNoDescriptor) {
    ASSERT_TRUE(server.start());
    const size_t before = ipctest::openDescriptorCount();
    for (int cycle = 0; cycle < 30; ++cycle) {
        const int client = connectClient();
        ASSERT_TRUE(clientsBecome(1)) << cycle;
        ASSERT_TRUE(server.start()) << cycle;
        EXPECT_TRUE(ipctest::peerClosed(client)) << cycle;
        ::close(client);
        sockets.clear();
    }
    EXPECT_EQ(ipctest::openDescriptorCount(), before);
}

// The real client against the real server.
class IPCLinkTest : public IPCServerTest {
protected:
    void SetUp() override {
        IPCServerTest::SetUp();
        client.setReconnectDelay(1ms);
        client.setKeepAliveInterval(1h);
    }
    void TearDown() override {
        client.stop();
        IPCServerTest::TearDown();
    }

    ipctest::AnnouncingClient client;
};

TEST_F(IPCLinkTest, ClientAnnouncesOnEachConnectionAndGetsTheDeviceList) {
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(server.received.waitForCount(2));
    ASSERT_TRUE(client.received.waitForCount(1));
    IPCResponseConnectedDevices list;
    const IPCFrame answer = client.received.frames()[0];
    ASSERT_TRUE(list.deserialize(answer.data(), answer.size()));
    ASSERT_EQ(list.devices().size(), 1u);
    EXPECT_EQ(list.devices()[0].uuid, "4800010002");

    // A restarted agent is found again and told the same things. (A connect
    // that lands while the old server closes is lost with what it sent.)
    server.stop();
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(server.received.waitForCount(4));
    const std::vector<uint32_t> types = server.received.types();
    for (size_t i = 0; i < types.size(); ++i) {
        EXPECT_EQ(types[i], i % 2 == 0 ? 1u : 3u) << i;
    }
    EXPECT_GE(client.connections, 2);
    EXPECT_TRUE(client.received.waitForCount(2));
}

TEST_F(IPCLinkTest, ClientConnectCyclesLeakNoDescriptor) {
    ASSERT_TRUE(server.start());
    const size_t before = ipctest::openDescriptorCount();
    for (int cycle = 0; cycle < 30; ++cycle) {
        ASSERT_TRUE(client.start());
        ASSERT_TRUE(clientsBecome(1)) << cycle;
        client.stop();
        ASSERT_TRUE(clientsBecome(0)) << cycle;
    }
    // The server counts a client gone before it closes that client's socket, so the last
    // close may still be under way; a leaked descriptor never comes back.
    EXPECT_TRUE(waitUntil([&] { return ipctest::openDescriptorCount() == before; }))
        << ipctest::openDescriptorCount() << " open, " << before << " before";
}

}  // namespace
