#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Finds the maker's controllers among the hidraw nodes, from what sysfs tells about each.
// The sysfs and device folders are /sys and /dev unless $WHIRLEN_SYSFS_ROOT and
// $WHIRLEN_DEV_ROOT name others (absolute paths, read on every call), so that a whole
// program can run against a made-up tree.
class DeviceDiscovery {
public:
    struct Device {
        std::string nodePath;  // <dev>/hidrawN
        uint16_t vendorId;
        uint16_t productId;
        // Digits only: the USB bus and then each port on the way to the device, four digits
        // each (bus 1, ports 2 then 3: "000100020003"). Empty when the device is not found
        // below a USB device, in which case the product id alone has to tell it apart.
        std::string locationId;
    };

    static std::string sysfsRoot();
    static std::string devRoot();

    // Every supported controller present now, by node number.
    static std::vector<Device> scan();
    // The node as a supported controller, or nullopt when it is not one (or sysfs does not
    // know it). The node's folder is not checked; its name picks the sysfs entry.
    static std::optional<Device> inspect(const std::string& nodePath);

    static bool isSupported(uint32_t vendorId, uint32_t productId);
    // "hidraw" followed by digits and nothing else.
    static bool isHidrawName(std::string_view name);
};
