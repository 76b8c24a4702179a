#include "shared/ipc/IPCMessage.h"

#include <gtest/gtest.h>

#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCSettingsUpdateMessage.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes header(uint32_t type, uint32_t length) {
    return {'#',
            '_',
            static_cast<uint8_t>(type),
            static_cast<uint8_t>(type >> 8),
            static_cast<uint8_t>(type >> 16),
            static_cast<uint8_t>(type >> 24),
            static_cast<uint8_t>(length),
            static_cast<uint8_t>(length >> 8),
            static_cast<uint8_t>(length >> 16),
            static_cast<uint8_t>(length >> 24)};
}

TEST(IPCMessageTest, SerialisesEachMessageByteForByte) {
    IPCPrefsUpdateMessage prefs;
    prefs.setText("{}");
    EXPECT_EQ(IPCMessage(IPCMessageType::RequestDevices).serialize(),
              (Bytes{0x23, 0x5F, 0x01, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(prefs.serialize(),
              (Bytes{0x23, 0x5F, 0x03, 0, 0, 0, 0x03, 0, 0, 0, 0x7B, 0x7D, 0x00}));
    EXPECT_EQ(IPCSettingsUpdateMessage().serialize(),
              (Bytes{0x23, 0x5F, 0x04, 0, 0, 0, 0, 0, 0, 0}));
    // An empty text still travels with its NUL.
    EXPECT_EQ(IPCPrefsUpdateMessage().serialize(),
              (Bytes{0x23, 0x5F, 0x03, 0, 0, 0, 0x01, 0, 0, 0, 0x00}));
}

TEST(IPCMessageTest, ValidityFollowsTheType) {
    for (uint32_t type : {0u, 6u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(IPCMessage(type).isValid()) << type;
    }
    for (uint32_t type = 1; type <= 5; ++type) {
        EXPECT_TRUE(IPCMessage(type).isValid()) << type;
    }
    IPCPrefsUpdateMessage prefs;
    prefs.setType(1);
    EXPECT_FALSE(prefs.isValid());
    IPCSettingsUpdateMessage settings;
    settings.setType(3);
    EXPECT_FALSE(settings.isValid());
}

TEST(IPCMessageTest, HeaderCheckRefusesShortUnknownAndOverlongFrames) {
    struct Case {
        const char* name;
        Bytes frame;
        bool accepted;
    };
    Bytes withPayload = header(3, 2);
    const Bytes nineBytes(withPayload.begin(), withPayload.begin() + 9);
    withPayload.insert(withPayload.end(), {'a', 0});
    const Case cases[] = {
        {"header only", header(1, 0), true},
        {"payload present", withPayload, true},
        {"type 5", header(5, 0), true},
        {"nine bytes", nineBytes, false},
        {"type 0", header(0, 0), false},
        {"type 6", header(6, 0), false},
        {"length beyond the bytes", header(3, 1), false},
        {"huge length", header(2, 0xFFFFFFFFu), false},
    };
    for (const Case& c : cases) {
        IPCMessage message(0u);
        EXPECT_EQ(message.deserialize(c.frame.data(), c.frame.size()), c.accepted) << c.name;
    }
    IPCMessage message(0u);
    EXPECT_FALSE(message.deserialize(nullptr, 10));
}

TEST(IPCMessageTest, HeaderCheckTakesTheType) {
    IPCMessage message(0u);
    const Bytes frame = header(4, 0);
    ASSERT_TRUE(message.deserialize(frame.data(), frame.size()));
    EXPECT_EQ(message.type(), 4u);
}

TEST(IPCMessageTest, PrefsTextStopsAtItsNulAndAtTheFrameEnd) {
    struct Case {
        const char* name;
        Bytes payload;
        std::string text;
    };
    const Case cases[] = {
        {"terminated", {'{', '}', 0}, "{}"},
        {"stops at the first NUL", {'a', 0, 'b', 0}, "a"},
        {"no NUL", {'a', 'b'}, "ab"},
        {"empty payload", {}, ""},
    };
    for (const Case& c : cases) {
        Bytes frame = header(3, static_cast<uint32_t>(c.payload.size()));
        frame.insert(frame.end(), c.payload.begin(), c.payload.end());
        // Bytes behind the payload belong to nobody and are never read as text.
        frame.insert(frame.end(), {'x', 'y'});
        IPCPrefsUpdateMessage message;
        message.setText("old");
        ASSERT_TRUE(message.deserialize(frame.data(), frame.size())) << c.name;
        EXPECT_EQ(message.text(), c.text) << c.name;
    }
}

TEST(IPCMessageTest, TypedMessagesRefuseFramesOfOtherTypesAndStayUntouched) {
    const Bytes request = header(1, 0);
    IPCPrefsUpdateMessage prefs;
    prefs.setText("kept");
    EXPECT_FALSE(prefs.deserialize(request.data(), request.size()));
    EXPECT_EQ(prefs.type(), 3u);
    EXPECT_EQ(prefs.text(), "kept");
    IPCSettingsUpdateMessage settings;
    EXPECT_FALSE(settings.deserialize(request.data(), request.size()));
    EXPECT_EQ(settings.type(), 4u);
    const Bytes settingsFrame = header(4, 0);
    EXPECT_TRUE(settings.deserialize(settingsFrame.data(), settingsFrame.size()));
}

TEST(IPCMessageTest, WriteFrameNeverWritesOutsideTheBuffer) {
    const IPCMessage message(IPCMessageType::PrefsUpdate);
    const uint8_t payload[] = {'a', 'b', 0};

    Bytes tooSmall(9, 0xAA);
    EXPECT_FALSE(message.writeFrame(tooSmall, payload, sizeof(payload)));
    EXPECT_EQ(tooSmall, Bytes(9, 0xAA));

    // A payload that does not fit leaves no frame that claims it.
    Bytes headerOnly(10, 0xAA);
    EXPECT_FALSE(message.writeFrame(headerOnly, payload, sizeof(payload)));
    EXPECT_EQ(headerOnly, Bytes(10, 0xAA));

    Bytes exact(13, 0);
    ASSERT_TRUE(message.writeFrame(exact, payload, sizeof(payload)));
    EXPECT_EQ(exact, (Bytes{0x23, 0x5F, 3, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 0}));
}

TEST(IPCMessageTest, PayloadOverTheLimitIsNotSerialised) {
    IPCPrefsUpdateMessage message;
    message.setText(std::string(IPCMessage::kMaxPayloadLength - 1, 'x'));
    EXPECT_EQ(message.serialize().size(), IPCMessage::kHeaderSize + IPCMessage::kMaxPayloadLength);
    message.setText(std::string(IPCMessage::kMaxPayloadLength, 'x'));
    EXPECT_TRUE(message.serialize().empty());
}

TEST(IPCMessageTest, PrefsUpdateRoundTrips) {
    IPCPrefsUpdateMessage sent;
    sent.setText("{\"a\":1}");
    const Bytes frame = sent.serialize();
    IPCPrefsUpdateMessage received;
    ASSERT_TRUE(received.deserialize(frame.data(), frame.size()));
    EXPECT_EQ(received.text(), "{\"a\":1}");
}

}  // namespace
