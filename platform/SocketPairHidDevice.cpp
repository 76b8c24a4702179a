#include "platform/SocketPairHidDevice.h"

#include <sys/socket.h>
#include <unistd.h>

SocketPairHidDevice::SocketPairHidDevice(bool numberedReports) {
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) < 0) {
        return;
    }
    device = HidrawDevice::adopt(fds[0], numberedReports);
    writerFd = fds[1];
}

SocketPairHidDevice::~SocketPairHidDevice() {
    closeWriter();
}

std::unique_ptr<HidrawDevice> SocketPairHidDevice::takeDevice() {
    return std::move(device);
}

bool SocketPairHidDevice::write(std::span<const uint8_t> report) {
    const ssize_t sent = send(writerFd, report.data(), report.size(), MSG_NOSIGNAL);
    return sent == static_cast<ssize_t>(report.size());
}

void SocketPairHidDevice::closeWriter() {
    if (writerFd >= 0) {
        close(writerFd);
        writerFd = -1;
    }
}
