#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/HidrawDevice.h"

// A stand-in for a HID node in tests: a sequenced-packet socket pair keeps the boundaries
// of what is written to one end, so each write arrives at the device end as one report.
class SocketPairHidDevice {
public:
    // `numberedReports` as for HidrawDevice::adopt: whether written reports carry their
    // report number or arrive the way hidraw delivers unnumbered reports.
    explicit SocketPairHidDevice(bool numberedReports);
    ~SocketPairHidDevice();
    SocketPairHidDevice(const SocketPairHidDevice&) = delete;
    SocketPairHidDevice& operator=(const SocketPairHidDevice&) = delete;

    // The reading end; null when the pair could not be made or it was taken already.
    std::unique_ptr<HidrawDevice> takeDevice();
    // Sends one report; false when it could not be sent whole.
    bool write(std::span<const uint8_t> report);
    // Hangs up, as an unplugged device does.
    void closeWriter();

private:
    std::unique_ptr<HidrawDevice> device;
    int writerFd = -1;
};
