#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "tests/support/TemporaryFolder.h"

// A made-up sysfs and /dev for discovery and hot-plug tests, laid out as the kernel lays
// out hidraw devices: <sys>/class/hidraw/hidrawN links to the node's folder below its HID
// device, whose uevent holds HID_ID, below a USB interface and the USB device with busnum
// and devpath. The node <dev>/hidrawN is a FIFO. Point $WHIRLEN_SYSFS_ROOT and
// $WHIRLEN_DEV_ROOT at sysfsRoot() and devRoot() to run code against it.
class FakeDeviceTree {
public:
    FakeDeviceTree();
    ~FakeDeviceTree();
    FakeDeviceTree(const FakeDeviceTree&) = delete;
    FakeDeviceTree& operator=(const FakeDeviceTree&) = delete;

    // Adds hidraw<n>, sysfs first and the node last, the order in which the kernel makes
    // them known. With an empty devpath there is no USB device above the HID device (and
    // the class entry's "device" is a plain folder instead of a link). False when any part
    // cannot be made.
    bool addHidraw(int n, uint32_t vendorId, uint32_t productId, int bus = 1,
                   const std::string& devpath = "1");
    // Removes the node and its sysfs entries.
    void removeHidraw(int n);

    std::string sysfsRoot() const { return folder_.file("sys"); }
    std::string devRoot() const { return folder_.file("dev"); }
    std::string nodePath(int n) const;
    // The uevent file the discovery reads for hidraw<n>, for tests that spoil it.
    std::string ueventPath(int n) const;

private:
    struct Node {
        std::string deviceFolder;  // removed with the node
        int writerFd;
    };

    std::string classEntry(int n) const;

    TemporaryFolder folder_{"fake-device-tree"};
    std::map<int, Node> nodes_;
};
