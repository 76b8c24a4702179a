#include "shared/ipc/ConnectedDevice.h"

#include <utility>

ConnectedDevice::ConnectedDevice(uint32_t deviceType, uint32_t model, bool wired, std::string uuid,
                                 std::string interfacePath, std::string interfacePathLower)
    : deviceType(deviceType),
      model(model),
      wired(wired),
      uuid(std::move(uuid)),
      interfacePath(std::move(interfacePath)),
      interfacePathLower(std::move(interfacePathLower)) {}

bool isValidConnectedDevice(const ConnectedDevice& device) {
    return device.deviceType < 2 && device.model < 3 && !device.uuid.empty() &&
           !device.interfacePath.empty() && !device.interfacePathLower.empty();
}
