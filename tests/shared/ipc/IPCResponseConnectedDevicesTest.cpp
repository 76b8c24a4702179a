#include "shared/ipc/IPCResponseConnectedDevices.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

// A type 2 frame carrying the text and its NUL, built independently of the class.
Bytes frameWithText(const std::string& text) {
    const auto length = static_cast<uint32_t>(text.size() + 1);
    Bytes frame{'#',
                '_',
                2,
                0,
                0,
                0,
                static_cast<uint8_t>(length),
                static_cast<uint8_t>(length >> 8),
                static_cast<uint8_t>(length >> 16),
                static_cast<uint8_t>(length >> 24)};
    frame.resize(frame.size() + text.size() + 1, 0);
    std::copy(text.begin(), text.end(), frame.begin() + 10);
    return frame;
}

std::string payloadOf(const Bytes& frame) {
    return std::string(frame.begin() + 10, frame.end());
}

ConnectedDevice maxDevice() {
    ConnectedDevice device{1, 1, true, "4800010002", "/dev/hidraw3", "/dev/hidraw3"};
    device.firmwareVersion = 7;
    device.batteryLevel = 80;
    device.driverDeviceId = 5;
    return device;
}

TEST(IPCResponseConnectedDevicesTest, SerialisesCompactJsonWithItsNul) {
    IPCResponseConnectedDevices empty;
    const std::string emptyText = "{\"ConnectedDevices\":[]}";
    EXPECT_EQ(empty.serialize(), frameWithText(emptyText));

    IPCResponseConnectedDevices one;
    one.addDevice(maxDevice());
    EXPECT_EQ(payloadOf(one.serialize()),
              std::string("{\"ConnectedDevices\":[{\"BatteryLevel\":80,\"DeviceModel\":1,"
                          "\"DeviceType\":1,\"DriverDeviceID\":5,\"FirmwareVersion\":7,"
                          "\"IsWired\":true,\"UUID\":\"4800010002\"}]}") +
                  '\0');
}

TEST(IPCResponseConnectedDevicesTest, RoundTripKeepsSentFieldsAndMarksPathsAsDummy) {
    IPCResponseConnectedDevices sent;
    sent.addDevice(maxDevice());
    ConnectedDevice lite{1, 2, false, "3200030004", "/dev/hidraw5", "/dev/hidraw5"};
    sent.addDevice(lite);
    const Bytes frame = sent.serialize();

    IPCResponseConnectedDevices received;
    ASSERT_TRUE(received.deserialize(frame.data(), frame.size()));
    const auto devices = received.devices();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].uuid, "4800010002");
    EXPECT_EQ(devices[0].batteryLevel, 80u);
    EXPECT_EQ(devices[0].firmwareVersion, 7u);
    EXPECT_EQ(devices[0].driverDeviceId, 5u);
    EXPECT_TRUE(devices[0].wired);
    EXPECT_EQ(devices[0].interfacePath, "dummy");
    EXPECT_EQ(devices[0].interfacePathLower, "dummy");
    EXPECT_EQ(devices[1].model, 2u);
    EXPECT_FALSE(devices[1].wired);
}

TEST(IPCResponseConnectedDevicesTest, EmptyListReadsBackEmptyAndReplacesAnOldOne) {
    IPCResponseConnectedDevices received;
    received.addDevice(maxDevice());
    const Bytes frame = IPCResponseConnectedDevices().serialize();
    ASSERT_TRUE(received.deserialize(frame.data(), frame.size()));
    EXPECT_TRUE(received.devices().empty());
}

TEST(IPCResponseConnectedDevicesTest, TakesOnlyWholeNumbersInRange) {
    struct Case {
        const char* value;
        uint32_t expected;
    };
    // Default battery level 0 stands for "not taken".
    const Case cases[] = {
        {"55", 55},
        {"0", 0},
        {"4294967295", 4294967295u},
        {"4294967296", 0},
        {"-1", 0},
        {"2.0", 0},
        {"2.5", 0},
        {"1e30", 0},
        {"\"55\"", 0},
        {"true", 0},
        {"null", 0},
        {"[55]", 0},
        {"-9223372036854775808", 0},
    };
    for (const Case& c : cases) {
        const Bytes frame =
            frameWithText(std::string("{\"ConnectedDevices\":[{\"UUID\":\"u\",\"BatteryLevel\":") +
                          c.value + "}]}");
        IPCResponseConnectedDevices message;
        ASSERT_TRUE(message.deserialize(frame.data(), frame.size())) << c.value;
        ASSERT_EQ(message.devices().size(), 1u) << c.value;
        EXPECT_EQ(message.devices()[0].batteryLevel, c.expected) << c.value;
    }
}

TEST(IPCResponseConnectedDevicesTest, WronglyTypedMembersKeepDefaultsAndOddElementsAreSkipped) {
    const Bytes frame = frameWithText(
        "{\"ConnectedDevices\":[1,\"x\",null,[],"
        "{\"DeviceType\":1.5,\"DeviceModel\":\"1\",\"IsWired\":1,\"UUID\":7},"
        "{\"DeviceModel\":2,\"IsWired\":true,\"UUID\":\"ok\",\"Extra\":{}}]}");
    IPCResponseConnectedDevices message;
    ASSERT_TRUE(message.deserialize(frame.data(), frame.size()));
    const auto devices = message.devices();
    ASSERT_EQ(devices.size(), 2u);
    const ConnectedDevice defaults;
    EXPECT_EQ(devices[0].deviceType, defaults.deviceType);
    EXPECT_EQ(devices[0].model, defaults.model);
    EXPECT_FALSE(devices[0].wired);
    EXPECT_EQ(devices[0].uuid, "");
    EXPECT_EQ(devices[1].model, 2u);
    EXPECT_TRUE(devices[1].wired);
    EXPECT_EQ(devices[1].uuid, "ok");
}

TEST(IPCResponseConnectedDevicesTest, RefusesTextThatIsNotAListDocument) {
    const char* texts[] = {
        "",
        "not json",
        "{\"ConnectedDevices\":[",
        "[]",
        "42",
        "{}",
        "{\"connecteddevices\":[]}",
        "{\"ConnectedDevices\":{}}",
        "{\"ConnectedDevices\":\"[]\"}",
        "{\"ConnectedDevices\":null}",
    };
    for (const char* text : texts) {
        IPCResponseConnectedDevices message;
        message.addDevice(maxDevice());
        const Bytes frame = frameWithText(text);
        EXPECT_FALSE(message.deserialize(frame.data(), frame.size())) << text;
        // A refused frame leaves the list as it was.
        EXPECT_EQ(message.devices().size(), 1u) << text;
    }
}

TEST(IPCResponseConnectedDevicesTest, RefusesFramesOfOtherTypes) {
    Bytes frame = frameWithText("{\"ConnectedDevices\":[]}");
    frame[2] = 3;
    IPCResponseConnectedDevices message;
    EXPECT_FALSE(message.deserialize(frame.data(), frame.size()));
    EXPECT_EQ(message.type(), 2u);
}

TEST(IPCResponseConnectedDevicesTest, InvalidUtf8InAnIdentifierStillSerialises) {
    IPCResponseConnectedDevices sent;
    ConnectedDevice device = maxDevice();
    device.uuid = std::string("ab\xFF", 3);
    sent.addDevice(device);
    const Bytes frame = sent.serialize();
    ASSERT_FALSE(frame.empty());
    IPCResponseConnectedDevices received;
    ASSERT_TRUE(received.deserialize(frame.data(), frame.size()));
    ASSERT_EQ(received.devices().size(), 1u);
    EXPECT_EQ(received.devices()[0].uuid, "ab\xEF\xBF\xBD");
}

}  // namespace
