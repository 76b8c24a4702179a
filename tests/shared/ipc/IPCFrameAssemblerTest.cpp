#include "shared/ipc/IPCFrameAssembler.h"

#include <gtest/gtest.h>

#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes prefsFrame(const std::string& text) {
    IPCPrefsUpdateMessage message;
    message.setText(text);
    return message.serialize();
}

Bytes headerWith(uint32_t type, uint32_t length) {
    Bytes frame = IPCMessage(IPCMessageType::RequestDevices).serialize();
    for (int i = 0; i < 4; ++i) {
        frame[2 + i] = static_cast<uint8_t>(type >> (8 * i));
        frame[6 + i] = static_cast<uint8_t>(length >> (8 * i));
    }
    return frame;
}

Bytes joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

class IPCFrameAssemblerTest : public testing::Test {
protected:
    std::vector<IPCFrame> feed(const Bytes& bytes) {
        return assembler.feed(bytes.data(), bytes.size());
    }
    // Every byte on its own: the worst cutting a stream can suffer.
    std::vector<IPCFrame> feedBytewise(const Bytes& bytes) {
        std::vector<IPCFrame> frames;
        for (uint8_t byte : bytes) {
            for (IPCFrame& frame : assembler.feed(&byte, 1)) {
                frames.push_back(std::move(frame));
            }
        }
        return frames;
    }

    IPCFrameAssembler assembler;
};

TEST_F(IPCFrameAssemblerTest, FrameSplitAtEveryOffsetArrivesExactlyOnce) {
    // The text holds "#_" too: the length field, not the marker, ends a frame.
    const Bytes frame = prefsFrame("{\"a\":\"#_b\"}");
    for (size_t cut = 0; cut <= frame.size(); ++cut) {
        assembler.reset();
        auto first = assembler.feed(frame.data(), cut);
        auto second = assembler.feed(frame.data() + cut, frame.size() - cut);
        first.insert(first.end(), second.begin(), second.end());
        ASSERT_EQ(first.size(), 1u) << "cut at " << cut;
        EXPECT_EQ(first[0], frame) << "cut at " << cut;
        EXPECT_EQ(assembler.bufferedBytes(), 0u);
    }
}

TEST_F(IPCFrameAssemblerTest, NoiseAndKeepAliveBytesBetweenFramesAreDropped) {
    const Bytes request = IPCMessage(IPCMessageType::RequestDevices).serialize();
    const Bytes prefs = prefsFrame("{}");
    const Bytes stream =
        joined({{0, 0, 'x', '#', 'y'}, request, {0}, prefs, {0, 0, '_', '#'}, request, {0}});
    const auto frames = feedBytewise(stream);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0], request);
    EXPECT_EQ(frames[1], prefs);
    EXPECT_EQ(frames[2], request);
    // "x#y" and "_#" are noise; the 0x00 keep-alive bytes are not.
    EXPECT_EQ(assembler.takeDiscardedBytes(), 5u);
    EXPECT_EQ(assembler.takeDiscardedBytes(), 0u);
}

TEST_F(IPCFrameAssemblerTest, KeepAliveBytesAloneGiveNothing) {
    EXPECT_TRUE(feed(Bytes(100, 0)).empty());
    EXPECT_EQ(assembler.takeDiscardedBytes(), 0u);
    EXPECT_EQ(assembler.bufferedBytes(), 0u);
}

TEST_F(IPCFrameAssemblerTest, BadHeadersAreSkippedAndTheNextFrameStillArrives) {
    struct Case {
        const char* name;
        Bytes badHeader;
    };
    const Case cases[] = {
        {"over the limit", headerWith(3, IPCMessage::kMaxPayloadLength + 1)},
        {"huge length", headerWith(2, 0xFFFFFFFFu)},
        {"type 0", headerWith(0, 0)},
        {"type 6", headerWith(6, 2)},
    };
    const Bytes prefs = prefsFrame("{}");
    for (const Case& c : cases) {
        assembler.reset();
        const auto frames = feedBytewise(joined({c.badHeader, prefs}));
        ASSERT_EQ(frames.size(), 1u) << c.name;
        EXPECT_EQ(frames[0], prefs) << c.name;
        EXPECT_GT(assembler.takeDiscardedBytes(), 0u) << c.name;
    }
}

TEST_F(IPCFrameAssemblerTest, AHeaderWhoseLengthRunsIntoTheNextFrameCostsOnlyItself) {
    struct Case {
        const char* name;
        Bytes badHeader;
    };
    const Bytes truncated = headerWith(2, 0);
    const Case cases[] = {
        {"length of 65536", headerWith(2, 65536)},
        {"length at the limit, some payload",
         joined({headerWith(3, IPCMessage::kMaxPayloadLength), {'{', '"', 'a', '#', '_', 'b'}})},
        {"length shorter than what follows", headerWith(3, 5)},
        {"cut after its type", Bytes(truncated.begin(), truncated.begin() + 6)},
    };
    const Bytes prefs = prefsFrame("{}");
    const Bytes request = IPCMessage(IPCMessageType::RequestDevices).serialize();
    for (const Case& c : cases) {
        const Bytes stream = joined({c.badHeader, prefs, request});
        assembler.reset();
        EXPECT_EQ(feed(stream), (std::vector<IPCFrame>{prefs, request})) << c.name;
        EXPECT_GT(assembler.takeDiscardedBytes(), 0u) << c.name;
        assembler.reset();
        EXPECT_EQ(feedBytewise(stream), (std::vector<IPCFrame>{prefs, request})) << c.name;
        EXPECT_EQ(assembler.bufferedBytes(), 0u) << c.name;
    }
}

TEST_F(IPCFrameAssemblerTest, PayloadAtTheLimitIsAssembled) {
    Bytes frame = headerWith(3, IPCMessage::kMaxPayloadLength);
    frame.resize(frame.size() + IPCMessage::kMaxPayloadLength, 'p');
    const auto frames = feed(frame);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].size(), frame.size());
}

TEST_F(IPCFrameAssemblerTest, WaitsForAWholeFrameWithoutReservingForIt) {
    const Bytes header = headerWith(3, 1000);
    EXPECT_TRUE(feed(header).empty());
    EXPECT_EQ(assembler.bufferedBytes(), header.size());
    EXPECT_TRUE(feed(Bytes(999, 'p')).empty());
    const auto frames = feed(Bytes{0});
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].size(), 1010u);
}

TEST_F(IPCFrameAssemblerTest, NoiseWithoutMarkerIsNotHeld) {
    Bytes noise(1 << 20, 'n');
    noise.back() = '#';
    EXPECT_TRUE(feed(noise).empty());
    // Only the final "#" stays: it may start the next marker.
    EXPECT_EQ(assembler.bufferedBytes(), 1u);
    const Bytes request = IPCMessage(IPCMessageType::RequestDevices).serialize();
    const auto frames = feed(Bytes(request.begin() + 1, request.end()));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], request);
}

TEST_F(IPCFrameAssemblerTest, ManyFramesInOneChunkComeOutInOrder) {
    IPCResponseConnectedDevices list;
    list.addDevice({1, 1, true, "4800010002", "p", "p"});
    const Bytes devices = list.serialize();
    const Bytes request = IPCMessage(IPCMessageType::RequestDevices).serialize();
    Bytes stream;
    for (int i = 0; i < 100; ++i) {
        stream = joined({stream, i % 2 == 0 ? devices : request});
    }
    const auto frames = feed(stream);
    ASSERT_EQ(frames.size(), 100u);
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i], i % 2 == 0 ? devices : request) << i;
    }
}

TEST(SplitIpcFramesTest, CutsAtEveryMarkerAndDropsLeadingNoise) {
    const Bytes prefs = prefsFrame("{}");
    const auto frames = [&] {
        const Bytes stream = joined({{'a', 'b', 'c'}, prefs, prefs});
        EXPECT_EQ(stream.size(), 29u);
        return splitIpcFrames(stream.data(), stream.size());
    }();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], prefs);
    EXPECT_EQ(frames[1], prefs);
}

TEST(SplitIpcFramesTest, InputWithoutMarkerGivesNothing) {
    const Bytes noise{'#', 'x', '_', '#'};
    EXPECT_TRUE(splitIpcFrames(noise.data(), noise.size()).empty());
    EXPECT_TRUE(splitIpcFrames(nullptr, 0).empty());
}

TEST(SplitIpcFramesTest, IgnoresTheLengthField) {
    // Unlike the assembler, a frame ends where the chunk ends.
    const Bytes frame = headerWith(3, 50);
    const auto frames = splitIpcFrames(frame.data(), frame.size());
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], frame);
}

}  // namespace
