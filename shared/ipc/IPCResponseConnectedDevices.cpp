#include "shared/ipc/IPCResponseConnectedDevices.h"

#include <limits>
#include <string_view>

#include <nlohmann/json.hpp>

#include "shared/prefs/LogManager.h"

namespace {

using nlohmann::json;

struct ConnectedDeviceJsonKeys {
    static constexpr const char* kList = "ConnectedDevices";
    static constexpr const char* kDeviceType = "DeviceType";
    static constexpr const char* kDeviceModel = "DeviceModel";
    static constexpr const char* kFirmwareVersion = "FirmwareVersion";
    static constexpr const char* kBatteryLevel = "BatteryLevel";
    static constexpr const char* kDriverDeviceId = "DriverDeviceID";
    static constexpr const char* kIsWired = "IsWired";
    static constexpr const char* kUuid = "UUID";
};
using Keys = ConnectedDeviceJsonKeys;

constexpr const char* kReceivedPath = "dummy";

json toJson(const ConnectedDevice& device) {
    return json{
        {Keys::kDeviceType, device.deviceType},
        {Keys::kDeviceModel, device.model},
        {Keys::kFirmwareVersion, device.firmwareVersion},
        {Keys::kBatteryLevel, device.batteryLevel},
        {Keys::kDriverDeviceId, device.driverDeviceId},
        {Keys::kIsWired, device.wired},
        {Keys::kUuid, device.uuid},
    };
}

// Only a whole number that fits is taken: a float, a negative number or one
// out of range would otherwise be truncated or wrapped into a plausible value.
void readUint32(const json& object, const char* key, uint32_t& target) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_number_integer()) {
        return;
    }
    if (it->is_number_unsigned()) {
        const auto value = it->get<uint64_t>();
        if (value <= std::numeric_limits<uint32_t>::max()) {
            target = static_cast<uint32_t>(value);
        }
        return;
    }
    const auto value = it->get<int64_t>();
    if (value >= 0 && value <= std::numeric_limits<uint32_t>::max()) {
        target = static_cast<uint32_t>(value);
    }
}

ConnectedDevice fromJson(const json& object) {
    ConnectedDevice device;
    readUint32(object, Keys::kDeviceType, device.deviceType);
    readUint32(object, Keys::kDeviceModel, device.model);
    readUint32(object, Keys::kFirmwareVersion, device.firmwareVersion);
    readUint32(object, Keys::kBatteryLevel, device.batteryLevel);
    readUint32(object, Keys::kDriverDeviceId, device.driverDeviceId);
    const auto wired = object.find(Keys::kIsWired);
    if (wired != object.end() && wired->is_boolean()) {
        device.wired = wired->get<bool>();
    }
    const auto uuid = object.find(Keys::kUuid);
    if (uuid != object.end() && uuid->is_string()) {
        device.uuid = uuid->get<std::string>();
    }
    device.interfacePath = kReceivedPath;
    device.interfacePathLower = kReceivedPath;
    return device;
}

}  // namespace

IPCResponseConnectedDevices::IPCResponseConnectedDevices()
    : IPCMessage(IPCMessageType::ConnectedDevices) {}

bool IPCResponseConnectedDevices::deserialize(const uint8_t* bytes, size_t length) {
    if (!isFrameOfOwnType(bytes, length)) {
        return false;
    }
    size_t textLength = 0;
    const char* text = payloadText(bytes, textLength);
    const json document = json::parse(std::string_view(text, textLength), nullptr, false);
    if (document.is_discarded() || !document.is_object()) {
        LogManager::instance().log('E', "Error parse IPC response connected devices\n");
        return false;
    }
    const auto list = document.find(Keys::kList);
    if (list == document.end()) {
        LogManager::instance().log('E', "Unable to find connected devices\n");
        return false;
    }
    if (!list->is_array()) {
        LogManager::instance().log('E', "Connected devices is not a list\n");
        return false;
    }
    std::vector<ConnectedDevice> devices;
    size_t skipped = 0;
    for (const json& element : *list) {
        if (element.is_object()) {
            devices.push_back(fromJson(element));
        } else {
            ++skipped;
        }
    }
    if (skipped > 0) {
        LogManager::instance().log('W', "Skipped %zu connected devices that are not objects\n",
                                   skipped);
    }
    devices_ = std::move(devices);
    return true;
}

std::vector<uint8_t> IPCResponseConnectedDevices::serialize() const {
    json list = json::array();
    for (const ConnectedDevice& device : devices_) {
        list.push_back(toJson(device));
    }
    const json document{{Keys::kList, std::move(list)}};
    return serializeText(document.dump(-1, ' ', false, json::error_handler_t::replace));
}

bool IPCResponseConnectedDevices::isValid() const {
    return IPCMessage::isValid() &&
           type() == static_cast<uint32_t>(IPCMessageType::ConnectedDevices);
}
