#include "platform/BacklightControl.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

namespace {

// A fake sysfs tree with backlight devices in it.
class BacklightControlTest : public ::testing::Test {
protected:
    std::string addDevice(const std::string& name, const std::string& brightness,
                          const std::string& maxBrightness) {
        const std::filesystem::path folder = sysfs_.path() / "class/backlight" / name;
        std::filesystem::create_directories(folder);
        writeFileBytes((folder / "brightness").string(), brightness);
        writeFileBytes((folder / "max_brightness").string(), maxBrightness);
        return (folder / "brightness").string();
    }

    TemporaryFolder sysfs_;
    BacklightControl control_{sysfs_.path().string()};
};

TEST_F(BacklightControlTest, ReadsTheFirstDeviceByName) {
    addDevice("intel_backlight", "120\n", "1000\n");
    addDevice("acpi_video0", "7\n", "10\n");

    EXPECT_EQ(control_.readPercent(), 70);
}

TEST_F(BacklightControlTest, TheSysfsRootComesFromTheEnvironment) {
    addDevice("panel", "1\n", "3\n");
    ScopedEnvironment environment;
    environment.set("WHIRLEN_SYSFS_ROOT", sysfs_.path().string());

    EXPECT_EQ(BacklightControl().readPercent(), 33);
}

TEST_F(BacklightControlTest, SetsAClampedPercent) {
    const std::string brightness = addDevice("panel", "0\n", "255\n");
    const struct {
        int percent;
        std::string written;
    } cases[] = {{50, "128\n"}, {-5, "0\n"}, {140, "255\n"}, {1, "3\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.percent);
        EXPECT_TRUE(control_.setPercent(c.percent));
        EXPECT_EQ(readFileBytes(brightness), c.written);
    }
}

TEST_F(BacklightControlTest, StepsStayInRangeAndAlwaysMove) {
    const struct {
        std::string brightness;
        std::string maxBrightness;
        int step;
        std::string written;
    } cases[] = {
        {"242", "255", 10, "255\n"},  // 95 % up to 100 %
        {"13", "255", -10, "0\n"},    // 5 % down to 0 %
        {"255", "255", 10, "255\n"},  // already at the top
        {"0", "255", -10, "0\n"},     // already at the bottom
        {"100", "255", 10, "125\n"},  // 39 % to 49 %
        {"3", "7", 1, "4\n"},         // a step below one level still moves one
        {"3", "7", -1, "2\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.brightness + " of " + c.maxBrightness + " by " + std::to_string(c.step));
        const std::string brightness = addDevice("panel", c.brightness, c.maxBrightness);
        EXPECT_TRUE(control_.step(c.step));
        EXPECT_EQ(readFileBytes(brightness), c.written);
    }
}

TEST_F(BacklightControlTest, BadValuesFailAndWriteNothing) {
    const struct {
        std::string brightness;
        std::string maxBrightness;
    } cases[] = {{"abc", "255"}, {"12x", "255"}, {"", "255"},   {"10", "0"},
                 {"-1", "255"},  {"300", "255"}, {"10", "lots"}};
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.brightness + "\" of \"" + c.maxBrightness + "\"");
        const std::string brightness = addDevice("panel", c.brightness, c.maxBrightness);
        EXPECT_EQ(control_.readPercent(), std::nullopt);
        EXPECT_FALSE(control_.step(10));
        EXPECT_FALSE(control_.setPercent(50));
        EXPECT_EQ(readFileBytes(brightness), c.brightness);
    }
}

TEST_F(BacklightControlTest, NoDeviceFails) {
    EXPECT_EQ(control_.readPercent(), std::nullopt);
    EXPECT_FALSE(control_.setPercent(50));
}

}  // namespace
