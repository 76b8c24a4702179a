#pragma once

#include <optional>
#include <string>

// The screen brightness, through the kernel's backlight class: the first device by name under
// <sysfs>/class/backlight, with its "brightness" and "max_brightness" files. The device is
// looked up again at each call, so one that comes or goes later is followed. Writing needs
// the write permission that the agent's udev rule grants on "brightness".
class BacklightControl {
public:
    // The sysfs root is $WHIRLEN_SYSFS_ROOT, else /sys.
    BacklightControl();
    explicit BacklightControl(std::string sysfsRoot);

    // round(100 × brightness / max); empty (logged) without a device or with unreadable values.
    std::optional<int> readPercent() const;
    // Clamps the percent to 0-100 and writes round(percent × max / 100).
    bool setPercent(int percent) const;
    // Moves by `percentStep` (negative to dim), within 0-100 %, and always by at least one raw
    // unit, so that a device with few levels still answers to small steps.
    bool step(int percentStep) const;

private:
    struct Device {
        std::string folder;
        long brightness;
        long maxBrightness;
    };
    std::optional<Device> readDevice() const;

    std::string sysfsRoot_;
};
