#include "platform/HidrawDevice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/SocketPairHidDevice.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using Status = HidDevice::ReadStatus;
using Bytes = std::vector<uint8_t>;

struct Read {
    Status status;
    Bytes bytes;
};

Read readOne(HidDevice& device) {
    std::array<uint8_t, 64> buffer{};
    const HidDevice::ReadResult result = device.readReport(buffer.data(), buffer.size());
    return {result.status, Bytes(buffer.begin(), buffer.begin() + result.length)};
}

TEST(HidrawDeviceTest, CancelIsStickyAndWinsOverWaitingReports) {
    SocketPairHidDevice pair(true);
    std::unique_ptr<HidrawDevice> device = pair.takeDevice();
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(pair.write(Bytes{1, 2, 3, 4, 5, 6, 7, 8}));

    device->cancel();

    EXPECT_EQ(readOne(*device).status, Status::Cancelled);
    EXPECT_EQ(readOne(*device).status, Status::Cancelled);
}

TEST(HidrawDeviceTest, CancelWakesABlockedRead) {
    SocketPairHidDevice pair(true);
    std::unique_ptr<HidrawDevice> device = pair.takeDevice();
    ASSERT_NE(device, nullptr);

    std::future<Read> pending = std::async(std::launch::async, [&] { return readOne(*device); });
    device->cancel();

    EXPECT_EQ(pending.get().status, Status::Cancelled);
}

TEST(HidrawDeviceTest, ReportsComeInTheNumberedLayout) {
    struct Case {
        bool numbered;
        Bytes written;
        Bytes read;
    };
    const Case cases[] = {
        {false, {1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 4, 5, 6, 7}},
        {true, {3, 1, 2, 3, 4, 5, 6, 7}, {3, 1, 2, 3, 4, 5, 6, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.numbered ? "numbered" : "unnumbered");
        SocketPairHidDevice pair(c.numbered);
        std::unique_ptr<HidrawDevice> device = pair.takeDevice();
        ASSERT_NE(device, nullptr);
        ASSERT_TRUE(pair.write(c.written));

        const Read got = readOne(*device);

        EXPECT_EQ(got.status, Status::Report);
        EXPECT_EQ(got.bytes, c.read);
    }
}

TEST(HidrawDeviceTest, HangUpDeliversWaitingReportsThenGone) {
    SocketPairHidDevice pair(true);
    std::unique_ptr<HidrawDevice> device = pair.takeDevice();
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(pair.write(Bytes{0, 1, 2, 3, 4, 5, 6, 7}));
    pair.closeWriter();

    EXPECT_EQ(readOne(*device).status, Status::Report);
    EXPECT_EQ(readOne(*device).status, Status::Gone);
    EXPECT_EQ(readOne(*device).status, Status::Gone);
}

TEST(HidrawDeviceTest, DescriptorReportIdsAreFoundOnlyAsItems) {
    struct Case {
        const char* name;
        Bytes descriptor;
        bool hasIds;
    };
    const Case cases[] = {
        {"empty", {}, false},
        {"no report id",
         {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x10, 0x81,
          0x02, 0xC0},
         false},
        {"report id", {0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x01, 0x81, 0x02, 0xC0}, true},
        {"0x85 as item data", {0x26, 0x85, 0x85, 0x19, 0x85, 0x81, 0x02}, false},
        {"0x85 inside a long item", {0xFE, 0x02, 0x10, 0x85, 0x01, 0xC0}, false},
        {"report id after a long item", {0xFE, 0x01, 0x10, 0x85, 0x85, 0x02}, true},
        {"report id cut off", {0x05, 0x0C, 0x85}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HidrawDevice::descriptorHasReportIds(c.descriptor), c.hasIds) << c.name;
    }
}

// A node without a report descriptor (here a FIFO) cannot have had report numbers
// stripped, so its reports pass through unchanged.
TEST(HidrawDeviceTest, OpenWithoutDescriptorPassesReportsThrough) {
    const TemporaryFolder dir{"hidraw-test"};
    const std::string fifo = dir.file("hidraw0");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Read-write so that opening the reading end does not wait for a writer.
    const int writer = ::open(fifo.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(writer, 0);

    std::unique_ptr<HidrawDevice> device = HidrawDevice::open(fifo);
    ASSERT_NE(device, nullptr);
    const Bytes report{2, 1, 2, 3, 4, 5, 6, 7};
    ASSERT_EQ(write(writer, report.data(), report.size()), 8);

    EXPECT_TRUE(device->hasNumberedReports());
    const Read got = readOne(*device);
    EXPECT_EQ(got.status, Status::Report);
    EXPECT_EQ(got.bytes, report);

    close(writer);
}

TEST(HidrawDeviceTest, OpenOfAMissingNodeFails) {
    EXPECT_EQ(HidrawDevice::open("/nonexistent/hidraw99"), nullptr);
}

}  // namespace
