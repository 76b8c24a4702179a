#include "ui/app/DevicesManager.h"

#include <string>
#include <unordered_map>

#include "ui/app/IPCManager.h"

namespace {

ConnectedDevice placeholderRecord(uint32_t model, const char* identifier) {
    return ConnectedDevice(kWhirlenDeviceType, model, true, identifier, "dummy", "dummy");
}

}  // namespace

DevicesManager::DevicesManager(PreferencesStore& store, QObject* parent)
    : QObject(parent), store_(store) {}

void DevicesManager::start(IPCManager& link) {
    addOrUpdateDevice(placeholderRecord(1, "configuration_whirlenmax"), true);
    addOrUpdateDevice(placeholderRecord(2, "configuration_whirlenlite"), true);
    emit configurationDevicesUpdated();
    link.requestConnectedDevices();
}

bool DevicesManager::addOrUpdateDevice(const ConnectedDevice& record, bool configuration) {
    if (!isValidConnectedDevice(record)) {
        return false;
    }
    auto descriptor = std::make_shared<DeviceDescriptor>(store_, record.deviceType, record.model,
                                                         record.wired, record.uuid, !configuration);
    if (!descriptor->isValid()) {
        return false;
    }
    if (configuration) {
        store_.subscribe(descriptor.get());
        descriptor->onPreferencesUpdated();
        configurationDevices_.push_back(std::move(descriptor));
        return true;
    }
    std::lock_guard guard(lock_);
    descriptor->markConnected(record);
    store_.subscribe(descriptor.get());
    descriptor->onPreferencesUpdated();
    connectedDevices_.push_back(std::move(descriptor));
    return true;
}

void DevicesManager::onConnectedDevices(const std::vector<ConnectedDevice>& records) {
    std::unique_lock guard(lock_);
    if (records.empty()) {
        connectedDevices_.clear();
        guard.unlock();
        emit connectedDevicesUpdated();
        return;
    }
    std::vector<ConnectedDevice> remaining = records;
    bool changed = dropOrRefresh(remaining);
    int addedModel = 0;
    for (const ConnectedDevice& record : remaining) {
        if (addOrUpdateDevice(record, false)) {
            changed = true;
            addedModel = static_cast<int>(record.model);
        }
    }
    guard.unlock();
    if (changed) {
        emit connectedDevicesUpdated();
    }
    if (addedModel != 0) {
        emit newConnectedDevice(addedModel);
    }
}

bool DevicesManager::dropOrRefresh(std::vector<ConnectedDevice>& records) {
    // Invalid records count for nothing; a later record with the same identifier replaces
    // an earlier one.
    std::unordered_map<std::string, ConnectedDevice> index;
    for (const ConnectedDevice& record : records) {
        if (isValidConnectedDevice(record)) {
            index.insert_or_assign(record.uuid, record);
        }
    }
    bool dropped = false;
    for (auto it = connectedDevices_.begin(); it != connectedDevices_.end();) {
        const auto found = index.find((*it)->serial());
        if (found == index.end()) {
            it = connectedDevices_.erase(it);
            dropped = true;
            continue;
        }
        (*it)->updateFromRecord(found->second);
        index.erase(found);
        ++it;
    }
    records.clear();
    for (auto& [uuid, record] : index) {
        records.push_back(std::move(record));
    }
    return dropped;
}

DevicesManager::Descriptors DevicesManager::connectedDevices() const {
    std::lock_guard guard(lock_);
    return connectedDevices_;
}

int DevicesManager::countConnectedDevices() const {
    std::lock_guard guard(lock_);
    return static_cast<int>(connectedDevices_.size());
}
