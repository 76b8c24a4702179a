#include "tests/support/FakeDeviceTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

std::string hidDeviceName(int n, uint32_t vendorId, uint32_t productId) {
    char name[64];
    std::snprintf(name, sizeof name, "0003:%04X:%04X.%04X", vendorId, productId, n);
    return name;
}

std::string ueventText(uint32_t vendorId, uint32_t productId) {
    char line[64];
    std::snprintf(line, sizeof line, "HID_ID=0003:%08X:%08X\n", vendorId, productId);
    return "DRIVER=hid-generic\n" + std::string(line) + "HID_NAME=Pelvane Whirlen\n";
}

}  // namespace

FakeDeviceTree::FakeDeviceTree() {
    fs::create_directories(sysfsRoot() + "/class/hidraw");
    fs::create_directories(devRoot());
}

FakeDeviceTree::~FakeDeviceTree() {
    for (const auto& [n, node] : nodes_) {
        close(node.writerFd);
    }
}

bool FakeDeviceTree::addHidraw(int n, uint32_t vendorId, uint32_t productId, int bus,
                               const std::string& devpath) {
    std::error_code error;
    const std::string hidName = hidDeviceName(n, vendorId, productId);
    std::string deviceFolder;
    if (devpath.empty()) {
        deviceFolder = classEntry(n);
        fs::create_directories(deviceFolder + "/device", error);
        writeFileBytes(deviceFolder + "/device/uevent", ueventText(vendorId, productId));
    } else {
        const std::string usb = std::to_string(bus) + "-" + devpath;
        const fs::path usbDevice =
            fs::path(sysfsRoot()) / "devices" / ("usb" + std::to_string(bus)) / usb;
        const fs::path hidDevice = usbDevice / (usb + ":1." + std::to_string(n)) / hidName;
        const fs::path nodeFolder = hidDevice / "hidraw" / ("hidraw" + std::to_string(n));
        fs::create_directories(nodeFolder, error);
        writeFileBytes((usbDevice / "busnum").string(), std::to_string(bus) + "\n");
        writeFileBytes((usbDevice / "devpath").string(), devpath + "\n");
        writeFileBytes((hidDevice / "uevent").string(), ueventText(vendorId, productId));
        fs::create_directory_symlink(hidDevice, nodeFolder / "device", error);
        fs::create_directory_symlink(nodeFolder, classEntry(n), error);
        deviceFolder = hidDevice.string();
    }
    if (error || mkfifo(nodePath(n).c_str(), 0600) != 0) {
        return false;
    }
    // Held open for writing so that a reader's plain (blocking) open of the FIFO returns at
    // once, as it does for a real node; closed on removal, which the reader sees as a hang-up.
    const int writerFd = open(nodePath(n).c_str(), O_RDWR | O_CLOEXEC);
    if (writerFd < 0) {
        return false;
    }
    nodes_[n] = Node{deviceFolder, writerFd};
    return true;
}

void FakeDeviceTree::removeHidraw(int n) {
    const auto found = nodes_.find(n);
    if (found != nodes_.end()) {
        close(found->second.writerFd);
        std::error_code error;
        fs::remove(nodePath(n), error);
        fs::remove(classEntry(n), error);
        fs::remove_all(found->second.deviceFolder, error);
        nodes_.erase(found);
    }
}

std::string FakeDeviceTree::nodePath(int n) const {
    return devRoot() + "/hidraw" + std::to_string(n);
}

std::string FakeDeviceTree::ueventPath(int n) const {
    return classEntry(n) + "/device/uevent";
}

std::string FakeDeviceTree::classEntry(int n) const {
    return sysfsRoot() + "/class/hidraw/hidraw" + std::to_string(n);
}
