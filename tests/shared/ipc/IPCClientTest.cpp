#include "shared/ipc/IPCClient.h"

#include <atomic>
#include <csignal>

#include <gtest/gtest.h>

#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/WaitUntil.h"

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;
using ipctest::acceptRaw;
using ipctest::AnnouncingClient;
using ipctest::readRaw;
using ipctest::sendRaw;

const Bytes kRequestFrame{0x23, 0x5F, 1, 0, 0, 0, 0, 0, 0, 0};
const Bytes kPrefsFrame{0x23, 0x5F, 3, 0, 0, 0, 3, 0, 0, 0, '{', '}', 0};

class IPCClientTest : public testing::Test {
protected:
    void SetUp() override {
        listener = ipctest::listenRaw();
        ASSERT_GE(listener, 0);
        client.setReconnectDelay(1ms);
        client.setKeepAliveInterval(1h);
    }
    void TearDown() override {
        client.stop();
        for (int socket : {listener, peer}) {
            if (socket >= 0) {
                ::close(socket);
            }
        }
    }
    // Accepts the client's next connection and reads its announcement.
    bool acceptAnnouncedClient() {
        if (peer >= 0) {
            ::close(peer);
        }
        peer = acceptRaw(listener);
        Bytes expected = kRequestFrame;
        expected.insert(expected.end(), kPrefsFrame.begin(), kPrefsFrame.end());
        return peer >= 0 && readRaw(peer, expected.size()) == expected;
    }

    ipctest::TempRuntimeDir runtime;
    int listener = -1;
    int peer = -1;
    AnnouncingClient client;
};

TEST_F(IPCClientTest, AnnouncesOnConnectAndSendsKeepAliveWhenTheAgentIsSilent) {
    client.setKeepAliveInterval(5ms);
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(acceptAnnouncedClient());
    EXPECT_EQ(readRaw(peer, 3), (Bytes{0, 0, 0}));
    EXPECT_EQ(client.connections, 1);
}

TEST_F(IPCClientTest, FramesArriveWholeHoweverTheyAreCut) {
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(acceptAnnouncedClient());
    IPCResponseConnectedDevices list;
    list.addDevice({1, 1, true, "48#_00010002", "p", "p"});
    const Bytes devices = list.serialize();
    Bytes stream{0, 'n', 'o', '#'};
    stream.insert(stream.end(), devices.begin(), devices.end());
    stream.insert(stream.end(), kPrefsFrame.begin(), kPrefsFrame.end());
    for (uint8_t byte : stream) {
        ASSERT_TRUE(sendRaw(peer, {byte}));
    }
    ASSERT_TRUE(client.received.waitForCount(2));
    const auto frames = client.received.frames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], devices);
    EXPECT_EQ(frames[1], kPrefsFrame);
}

TEST_F(IPCClientTest, GarbageFromTheAgentLeavesTheLinkUp) {
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(acceptAnnouncedClient());
    const Bytes garbage = ipctest::randomBytes(64 * 1024, 7);
    // A header that claims more than the limit, then an unknown type.
    const Bytes badHeaders{'#', '_', 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF,
                           '#', '_', 9, 0, 0, 0, 0,    0,    0,    0};
    ASSERT_TRUE(sendRaw(peer, garbage));
    ASSERT_TRUE(sendRaw(peer, badHeaders));
    // The random bytes may have opened a frame that swallows what follows;
    // enough bytes of no marker end any such frame before the real one.
    ASSERT_TRUE(sendRaw(peer, Bytes(IPCMessage::kMaxPayloadLength + 10, 0)));
    ASSERT_TRUE(sendRaw(peer, kPrefsFrame));
    ASSERT_TRUE(client.received.waitForLast(kPrefsFrame));
    EXPECT_EQ(client.connections, 1);
}

TEST_F(IPCClientTest, AgentClosingTheConnectionMakesTheClientReconnectAndAnnounceAgain) {
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(acceptAnnouncedClient());
    ASSERT_TRUE(acceptAnnouncedClient());  // closes the first connection
    ASSERT_TRUE(acceptAnnouncedClient());
    EXPECT_TRUE(waitUntil([&] { return client.connections == 3; }));
}

TEST_F(IPCClientTest, SendingToAClosedAgentFailsWithoutSigpipe) {
    std::signal(SIGPIPE, SIG_DFL);
    client.holdAnnouncement = true;
    ASSERT_TRUE(client.start());
    peer = acceptRaw(listener);
    ASSERT_GE(peer, 0);
    ::close(peer);
    peer = -1;
    ::close(listener);
    listener = -1;
    client.holdAnnouncement = false;
    ASSERT_TRUE(waitUntil([&] { return client.announcements == 1; }));
    EXPECT_FALSE(client.lastAnnouncementSent);
}

TEST_F(IPCClientTest, MessagesWhileDisconnectedAndInvalidMessagesAreDropped) {
    EXPECT_FALSE(client.sendMessage(IPCMessage(IPCMessageType::RequestDevices)));
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(acceptAnnouncedClient());
    EXPECT_FALSE(client.sendMessage(IPCMessage(6u)));
    EXPECT_FALSE(client.sendBuffer({}));
    EXPECT_TRUE(client.sendMessage(IPCMessage(IPCMessageType::SettingsUpdate)));
    EXPECT_EQ(readRaw(peer, 10), (Bytes{0x23, 0x5F, 4, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(IPCClientTest, StopReturnsAtOnceWhileWaitingForData) {
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(acceptAnnouncedClient());
    // The keep-alive wait is an hour long; a stop that waited it out would
    // hang the test.
    client.stop();
    EXPECT_TRUE(ipctest::peerClosed(peer));
}

TEST_F(IPCClientTest, StopReturnsAtOnceDuringTheReconnectPause) {
    ::close(listener);
    listener = -1;
    // Long beside the bound below, short beside the test's time limit: a stop() that waits
    // the pause out fails the check instead of hanging the test.
    constexpr auto kPause = 120s;
    client.setReconnectDelay(kPause);
    ASSERT_TRUE(client.start());
    // Gives the thread time to fail its connect and begin the pause.
    std::this_thread::sleep_for(20ms);
    const auto stopping = std::chrono::steady_clock::now();
    client.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - stopping, kPause / 4);
}

TEST_F(IPCClientTest, RepeatedStartAndStopLeakNoDescriptor) {
    ASSERT_TRUE(client.start());
    ASSERT_TRUE(acceptAnnouncedClient());
    client.stop();
    ::close(peer);
    peer = -1;
    const size_t before = ipctest::openDescriptorCount();
    for (int cycle = 0; cycle < 30; ++cycle) {
        ASSERT_TRUE(client.start());
        ASSERT_TRUE(acceptAnnouncedClient()) << cycle;
        client.stop();
        EXPECT_TRUE(ipctest::peerClosed(peer)) << cycle;
        ::close(peer);
        peer = -1;
    }
    EXPECT_EQ(ipctest::openDescriptorCount(), before);
}

}  // namespace
