#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/HidDevice.h"

// A Linux hidraw node. hidraw drops the report-number byte of devices that declare no
// numbered reports; the reads put it back (as 0) so every report has the same layout.
class HidrawDevice : public HidDevice {
public:
    // Opens the node read-only; null when it cannot be opened. Whether the device numbers
    // its reports is taken from its report descriptor.
    static std::unique_ptr<HidrawDevice> open(const std::string& path);
    // Takes ownership of an open descriptor (closed also on failure); null when the cancel
    // event cannot be made. `numberedReports` says whether each report read from `fd`
    // already starts with its report number.
    static std::unique_ptr<HidrawDevice> adopt(int fd, bool numberedReports);
    // Whether a report descriptor declares report numbers (a Report ID item).
    static bool descriptorHasReportIds(std::span<const uint8_t> descriptor);

    ~HidrawDevice() override;
    HidrawDevice(const HidrawDevice&) = delete;
    HidrawDevice& operator=(const HidrawDevice&) = delete;

    ReadResult readReport(uint8_t* buffer, size_t capacity) override;
    void cancel() override;

    bool hasNumberedReports() const { return numberedReports; }

private:
    HidrawDevice(int fd, int cancelFd, bool numberedReports);
    ReadResult readNode(uint8_t* buffer, size_t capacity);

    int fd;
    int cancelFd;
    bool numberedReports;
};
