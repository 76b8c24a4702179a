#include "shared/ipc/ConnectedDevice.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectedDeviceTest, DefaultRecordIsInvalid) {
    const ConnectedDevice device;
    EXPECT_EQ(device.deviceType, 2u);
    EXPECT_EQ(device.model, 3u);
    EXPECT_FALSE(isValidConnectedDevice(device));
}

TEST(ConnectedDeviceTest, ValidityNeedsKnownTypeModelAndAllNames) {
    struct Case {
        ConnectedDevice device;
        bool valid;
    };
    const Case cases[] = {
        {{1, 2, true, "000100020003", "dummy", "dummy"}, true},
        {{0, 0, false, "x", "p", "p"}, true},
        {{1, 2, true, "000100020003", "", "dummy"}, false},
        {{1, 2, true, "000100020003", "dummy", ""}, false},
        {{1, 2, true, "", "dummy", "dummy"}, false},
        {{2, 1, true, "u", "dummy", "dummy"}, false},
        {{1, 3, true, "u", "dummy", "dummy"}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isValidConnectedDevice(c.device), c.valid)
            << c.device.deviceType << "/" << c.device.model << "/" << c.device.uuid;
    }
}

TEST(ConnectedDeviceTest, CopyKeepsEveryField) {
    ConnectedDevice device{1, 1, true, "id", "/dev/hidraw3", "/dev/hidraw3"};
    device.firmwareVersion = 7;
    device.batteryLevel = 80;
    device.driverDeviceId = 5;
    const ConnectedDevice copy = device;
    EXPECT_EQ(copy.uuid, "id");
    EXPECT_EQ(copy.firmwareVersion, 7u);
    EXPECT_EQ(copy.batteryLevel, 80u);
    EXPECT_EQ(copy.driverDeviceId, 5u);
    EXPECT_TRUE(copy.wired);
    EXPECT_EQ(copy.interfacePath, "/dev/hidraw3");
}

}  // namespace
