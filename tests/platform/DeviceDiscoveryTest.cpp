#include "platform/DeviceDiscovery.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/HidrawDevice.h"
#include "tests/support/FakeDeviceTree.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TestFiles.h"

namespace {

using Device = DeviceDiscovery::Device;

constexpr uint32_t kVendor = 0x0F1E;

class DeviceDiscoveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment.set("WHIRLEN_SYSFS_ROOT", tree.sysfsRoot());
        environment.set("WHIRLEN_DEV_ROOT", tree.devRoot());
    }

    std::vector<std::string> scannedNodes() {
        std::vector<std::string> nodes;
        for (const Device& device : DeviceDiscovery::scan()) {
            nodes.push_back(device.nodePath);
        }
        return nodes;
    }

    FakeDeviceTree tree;
    ScopedEnvironment environment;
};

MATCHER_P4(IsDevice, node, vendor, product, location, "") {
    return arg.nodePath == node && arg.vendorId == vendor && arg.productId == product &&
           arg.locationId == location;
}

TEST_F(DeviceDiscoveryTest, ScanFindsOnlySupportedControllersInNodeOrder) {
    struct Node {
        int n;
        uint32_t vendor;
        uint32_t product;
        int bus;
        std::string devpath;
    };
    const Node nodes[] = {
        {12, kVendor, 0x30, 3, "4.1.2"}, {0, kVendor, 0x20, 1, "2.3"}, {1, kVendor, 0x31, 1, "4"},
        {2, kVendor, 0x21, 12, "1"},     {3, kVendor, 0x10, 1, "5"},   {4, 0x046D, 0x20, 1, "6"},
        {5, kVendor, 0x30, 1, "2.10"},   {6, kVendor, 0x1020, 1, "7"},
    };
    for (const Node& node : nodes) {
        ASSERT_TRUE(tree.addHidraw(node.n, node.vendor, node.product, node.bus, node.devpath));
    }

    EXPECT_THAT(
        DeviceDiscovery::scan(),
        ::testing::ElementsAre(IsDevice(tree.nodePath(0), kVendor, 0x20, "000100020003"),
                               IsDevice(tree.nodePath(2), kVendor, 0x21, "00120001"),
                               IsDevice(tree.nodePath(5), kVendor, 0x30, "000100020010"),
                               IsDevice(tree.nodePath(12), kVendor, 0x30, "0003000400010002")));
}

TEST_F(DeviceDiscoveryTest, MalformedDeviceIdsAreSkipped) {
    struct Case {
        std::string uevent;
        bool found;
    };
    const Case cases[] = {
        {"HID_ID=0003:00000F1E:00000030", true},
        {"MODALIAS=hid:b0003\nHID_ID=0003:00000f1e:00000020\n", true},
        {"", false},
        {"HID_NAME=Pelvane Whirlen\n", false},
        {"HID_ID=0003:00000F1E\n", false},
        {"HID_ID=0003:00000F1E:\n", false},
        {"HID_ID=0003:00000F1E:0000003G\n", false},
        {"HID_ID=0003:100000F1E:00000030\n", false},
        {"HID_ID=:00000F1E:00000030\n", false},
        {"HID_ID=0003:00000F1E:00000030:0001\n", false},
        {"HID_ID=0003:-0000F1E:00000030\n", false},
        {" HID_ID=0003:00000F1E:00000030\n", false},
    };
    ASSERT_TRUE(tree.addHidraw(0, kVendor, 0x30));
    for (const Case& c : cases) {
        writeFileBytes(tree.ueventPath(0), c.uevent);
        EXPECT_EQ(DeviceDiscovery::scan().size(), c.found ? 1u : 0u) << c.uevent;
        EXPECT_EQ(DeviceDiscovery::inspect(tree.nodePath(0)).has_value(), c.found) << c.uevent;
    }
}

TEST_F(DeviceDiscoveryTest, LocationIsEmptyWithoutAUsableUsbDevice) {
    ASSERT_TRUE(tree.addHidraw(0, kVendor, 0x20, 1, ""));
    ASSERT_TRUE(tree.addHidraw(1, kVendor, 0x21, 2, "3"));
    ASSERT_TRUE(tree.addHidraw(2, kVendor, 0x30, 4, "5"));
    writeFileBytes(tree.sysfsRoot() + "/devices/usb2/2-3/busnum", "two\n");
    writeFileBytes(tree.sysfsRoot() + "/devices/usb4/4-5/devpath", "5.10000\n");
    // Above sysfs, so never the device's.
    writeFileBytes(tree.sysfsRoot() + "/../busnum", "9\n");
    writeFileBytes(tree.sysfsRoot() + "/../devpath", "9\n");

    EXPECT_THAT(DeviceDiscovery::scan(),
                ::testing::ElementsAre(IsDevice(tree.nodePath(0), kVendor, 0x20, ""),
                                       IsDevice(tree.nodePath(1), kVendor, 0x21, ""),
                                       IsDevice(tree.nodePath(2), kVendor, 0x30, "")));
}

TEST_F(DeviceDiscoveryTest, InspectAnswersForOneNode) {
    ASSERT_TRUE(tree.addHidraw(7, kVendor, 0x21, 1, "2.3"));
    ASSERT_TRUE(tree.addHidraw(8, kVendor, 0x31, 1, "2.4"));

    EXPECT_THAT(DeviceDiscovery::inspect(tree.nodePath(7)),
                ::testing::Optional(IsDevice(tree.nodePath(7), kVendor, 0x21, "000100020003")));
    EXPECT_EQ(DeviceDiscovery::inspect(tree.nodePath(8)), std::nullopt);
    EXPECT_EQ(DeviceDiscovery::inspect(tree.nodePath(9)), std::nullopt);
    EXPECT_EQ(DeviceDiscovery::inspect(tree.devRoot() + "/hidraw7x"), std::nullopt);

    tree.removeHidraw(7);
    EXPECT_EQ(DeviceDiscovery::inspect(tree.nodePath(7)), std::nullopt);
    EXPECT_THAT(scannedNodes(), ::testing::IsEmpty());
}

TEST_F(DeviceDiscoveryTest, RootsComeFromTheEnvironmentAtEachCall) {
    ASSERT_TRUE(tree.addHidraw(0, kVendor, 0x20));
    EXPECT_THAT(scannedNodes(), ::testing::ElementsAre(tree.devRoot() + "/hidraw0"));

    FakeDeviceTree other;
    ASSERT_TRUE(other.addHidraw(3, kVendor, 0x30));
    environment.set("WHIRLEN_SYSFS_ROOT", other.sysfsRoot() + "/");
    environment.set("WHIRLEN_DEV_ROOT", "/somewhere/dev");
    EXPECT_THAT(scannedNodes(), ::testing::ElementsAre("/somewhere/dev/hidraw3"));

    environment.unset("WHIRLEN_SYSFS_ROOT");
    environment.set("WHIRLEN_DEV_ROOT", "relative/dev");
    EXPECT_EQ(DeviceDiscovery::sysfsRoot(), "/sys");
    EXPECT_EQ(DeviceDiscovery::devRoot(), "/dev");
}

TEST(DeviceDiscoveryNamesTest, OnlyHidrawNodeNamesCount) {
    for (const char* name : {"hidraw0", "hidraw17"}) {
        EXPECT_TRUE(DeviceDiscovery::isHidrawName(name)) << name;
    }
    for (const char* name : {"hidraw", "hidraw1a", "hidraw-1", "xhidraw1", "hidraw 1", ""}) {
        EXPECT_FALSE(DeviceDiscovery::isHidrawName(name)) << name;
    }
}

// What the agent does with a found node: open it, and see it go when it is removed.
TEST_F(DeviceDiscoveryTest, AFoundNodeOpensAndHangsUpOnRemoval) {
    ASSERT_TRUE(tree.addHidraw(0, kVendor, 0x30));
    const std::vector<Device> found = DeviceDiscovery::scan();
    ASSERT_EQ(found.size(), 1u);
    std::unique_ptr<HidrawDevice> device = HidrawDevice::open(found[0].nodePath);
    ASSERT_NE(device, nullptr);

    tree.removeHidraw(0);
    std::array<uint8_t, 8> report{};
    EXPECT_EQ(device->readReport(report.data(), report.size()).status, HidDevice::ReadStatus::Gone);
}

}  // namespace
