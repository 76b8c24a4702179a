#pragma once

#include <vector>

#include "shared/ipc/ConnectedDevice.h"
#include "shared/ipc/IPCMessage.h"

// Type 2: the agent's list of connected controllers, as compact JSON text
// {"ConnectedDevices":[{...}, ...]} followed by a NUL.
class IPCResponseConnectedDevices : public IPCMessage {
public:
    IPCResponseConnectedDevices();

    // Replaces the list with the one in the frame. Records read from the wire
    // name "dummy" as both paths: the real ones stay with the agent.
    bool deserialize(const uint8_t* bytes, size_t length) override;
    std::vector<uint8_t> serialize() const override;
    bool isValid() const override;

    std::vector<ConnectedDevice> devices() const { return devices_; }
    void addDevice(const ConnectedDevice& device) { devices_.push_back(device); }

private:
    std::vector<ConnectedDevice> devices_;
};
