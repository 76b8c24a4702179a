#pragma once

#include <cstdint>
#include <string>

// One controller as both programs describe it: the agent keeps one per open
// device and sends lists of them; the configuration program keeps them in its
// device table. The two path strings stay local to the program holding the
// record and are never sent.
struct ConnectedDevice {
    ConnectedDevice() = default;
    ConnectedDevice(uint32_t deviceType, uint32_t model, bool wired, std::string uuid,
                    std::string interfacePath, std::string interfacePathLower);

    // The defaults lie one past the valid type (0-1) and model (0-2) so that a
    // default record is never mistaken for a real device.
    uint32_t deviceType = 2;
    uint32_t model = 3;
    bool wired = false;
    std::string uuid;
    uint32_t firmwareVersion = 0;
    uint32_t batteryLevel = 0;
    uint32_t driverDeviceId = 0;
    std::string interfacePath;
    std::string interfacePathLower;
};

// True for a record of a known type and model that names its device and paths.
bool isValidConnectedDevice(const ConnectedDevice& device);
