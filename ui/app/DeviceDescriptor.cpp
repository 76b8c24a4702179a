#include "ui/app/DeviceDescriptor.h"

#include <utility>

#include "shared/prefs/KeyNames.h"
#include "shared/prefs/NameTables.h"

DeviceDescriptor::DeviceDescriptor(PreferencesStore& store, uint32_t type, uint32_t model,
                                   bool wired, std::string serial, bool realDevice, QObject* parent)
    : QObject(parent),
      store_(store),
      type_(type),
      model_(model),
      wired_(wired),
      serial_(std::move(serial)),
      realDevice_(realDevice) {}

DeviceDescriptor::~DeviceDescriptor() {
    store_.unsubscribe(this);
}

bool DeviceDescriptor::isValid() const {
    return isValidDeviceType(static_cast<int32_t>(type_));
}

bool DeviceDescriptor::operator==(const DeviceDescriptor& other) const {
    return type_ == other.type_ && model_ == other.model_;
}

std::string DeviceDescriptor::bindingIdentifier() const {
    return modelScopedName(serial_, static_cast<int32_t>(model_));
}

void DeviceDescriptor::markConnected(const ConnectedDevice& record) {
    driverValue_ = lookupStaticIntMap(static_cast<int32_t>(record.driverDeviceId));
    firmwareVersion_ = static_cast<int32_t>(record.firmwareVersion);
}

bool DeviceDescriptor::updateFromRecord(const ConnectedDevice& record) {
    bool changed = false;
    const auto battery = static_cast<int32_t>(record.batteryLevel);
    if (battery != batteryLevel_) {
        batteryLevel_ = battery;
        changed = true;
    }
    const auto firmware = static_cast<int32_t>(record.firmwareVersion);
    if (firmware != firmwareVersion_) {
        firmwareVersion_ = firmware;
        changed = true;
    }
    const int32_t driver = lookupStaticIntMap(static_cast<int32_t>(record.driverDeviceId));
    if (driver != driverValue_) {
        driverValue_ = driver;
        changed = true;
    }
    if (changed) {
        emit deviceInfoUpdated();
    }
    return changed;
}

void DeviceDescriptor::updateConfiguration(const std::shared_ptr<ProfilePreference>& profile) {
    {
        std::lock_guard guard(lock_);
        configuration_ = store_.buildDeviceConfiguration(profile);
    }
    emit prefsUpdate();
}

ControlActionMap DeviceDescriptor::configurationFor(const std::string& programContext) const {
    std::lock_guard guard(lock_);
    auto found = configuration_.find(programContext);
    if (found == configuration_.end()) {
        found = configuration_.find("");
    }
    return found == configuration_.end() ? ControlActionMap{} : found->second;
}

void DeviceDescriptor::onPreferencesUpdated() {
    updateConfiguration(store_.profileForDevice(bindingIdentifier(), model_));
}
