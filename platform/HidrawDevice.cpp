#include "platform/HidrawDevice.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

constexpr uint8_t kLongItemPrefix = 0xFE;
// Prefix of a Report ID item (global item, tag 8) with its size bits masked off.
constexpr uint8_t kReportIdItem = 0x84;

size_t shortItemDataSize(uint8_t prefix) {
    const uint8_t sizeCode = prefix & 0x03;
    return sizeCode == 3 ? 4 : sizeCode;
}

// Without a readable descriptor the descriptor is not a hidraw node, so nothing stripped
// the report number: pass reports through as they arrive.
bool nodeHasNumberedReports(int fd) {
    int size = 0;
    if (ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0 || size <= 0) {
        return true;
    }
    hidraw_report_descriptor descriptor{};
    descriptor.size = std::min<uint32_t>(static_cast<uint32_t>(size), HID_MAX_DESCRIPTOR_SIZE);
    if (ioctl(fd, HIDIOCGRDESC, &descriptor) < 0) {
        return true;
    }
    return HidrawDevice::descriptorHasReportIds(
        std::span<const uint8_t>(descriptor.value, descriptor.size));
}

HidDevice::ReadResult result(HidDevice::ReadStatus status, size_t length = 0) {
    return HidDevice::ReadResult{status, length};
}

}  // namespace

std::unique_ptr<HidrawDevice> HidrawDevice::open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    return adopt(fd, nodeHasNumberedReports(fd));
}

std::unique_ptr<HidrawDevice> HidrawDevice::adopt(int fd, bool numberedReports) {
    // Non-blocking, because the node is read only after poll() reports it readable: a
    // report taken in between by another reader must not leave us stuck in read(), where
    // cancel() cannot reach.
    const int flags = fcntl(fd, F_GETFL);
    const int cancelFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0 || cancelFd < 0) {
        if (cancelFd >= 0) {
            close(cancelFd);
        }
        close(fd);
        return nullptr;
    }
    return std::unique_ptr<HidrawDevice>(new HidrawDevice(fd, cancelFd, numberedReports));
}

bool HidrawDevice::descriptorHasReportIds(std::span<const uint8_t> descriptor) {
    size_t at = 0;
    while (at < descriptor.size()) {
        const uint8_t prefix = descriptor[at];
        if (prefix == kLongItemPrefix) {
            if (at + 1 >= descriptor.size()) {
                return false;
            }
            at += 3 + descriptor[at + 1];
            continue;
        }
        const size_t dataSize = shortItemDataSize(prefix);
        if ((prefix & 0xFC) == kReportIdItem && dataSize > 0 && at + dataSize < descriptor.size()) {
            return true;
        }
        at += 1 + dataSize;
    }
    return false;
}

HidrawDevice::HidrawDevice(int fd, int cancelFd, bool numberedReports)
    : fd(fd), cancelFd(cancelFd), numberedReports(numberedReports) {}

HidrawDevice::~HidrawDevice() {
    close(cancelFd);
    close(fd);
}

HidDevice::ReadResult HidrawDevice::readReport(uint8_t* buffer, size_t capacity) {
    pollfd fds[2] = {{cancelFd, POLLIN, 0}, {fd, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
        return result(ReadStatus::Transient);
    }
    // Checked first so that a cancel wins over reports still waiting.
    if (fds[0].revents != 0) {
        return result(ReadStatus::Cancelled);
    }
    if ((fds[1].revents & POLLIN) != 0) {
        return readNode(buffer, capacity);
    }
    if ((fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        return result(ReadStatus::Gone);
    }
    return result(ReadStatus::Transient);
}

HidDevice::ReadResult HidrawDevice::readNode(uint8_t* buffer, size_t capacity) {
    const size_t offset = numberedReports ? 0 : 1;
    if (capacity <= offset) {
        return result(ReadStatus::Transient);
    }
    const ssize_t got = read(fd, buffer + offset, capacity - offset);
    if (got > 0) {
        if (!numberedReports) {
            buffer[0] = 0;
        }
        return result(ReadStatus::Report, static_cast<size_t>(got) + offset);
    }
    if (got == 0 || errno == EIO || errno == ENODEV) {
        return result(ReadStatus::Gone);
    }
    return result(ReadStatus::Transient);
}

void HidrawDevice::cancel() {
    const uint64_t one = 1;
    // The counter only has to become non-zero; a failed write means it already is.
    [[maybe_unused]] const ssize_t written = write(cancelFd, &one, sizeof(one));
}
