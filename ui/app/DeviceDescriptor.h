#pragma once

#include <QObject>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "shared/ipc/ConnectedDevice.h"
#include "shared/prefs/PreferencesStore.h"
#include "shared/prefs/PreferencesUpdateSubscriber.h"

// One entry of the configuration program's device table: a controller the agent reported,
// or the configuration placeholder of a model. It keeps the bindings that apply to its
// device, rebuilt from the store whenever the preferences change.
class DeviceDescriptor : public QObject, public PreferencesUpdateSubscriber {
    Q_OBJECT

public:
    DeviceDescriptor(PreferencesStore& store, uint32_t type, uint32_t model, bool wired,
                     std::string serial, bool realDevice, QObject* parent = nullptr);
    // Unsubscribes from the store before anything of the descriptor goes.
    ~DeviceDescriptor() override;

    uint32_t type() const { return type_; }
    uint32_t model() const { return model_; }
    bool wired() const { return wired_; }
    const std::string& serial() const { return serial_; }
    int32_t batteryLevel() const { return batteryLevel_; }
    int32_t firmwareVersion() const { return firmwareVersion_; }
    int32_t driverValue() const { return driverValue_; }
    bool isRealDevice() const { return realDevice_; }
    bool isValid() const;
    // The same kind of controller: type and model.
    bool operator==(const DeviceDescriptor& other) const;

    // The identifier under which the store binds this device to a profile.
    std::string bindingIdentifier() const;

    // Takes the firmware and driver values of a newly reported device.
    void markConnected(const ConnectedDevice& record);
    // Battery, firmware and driver values from the agent's latest record; emits
    // deviceInfoUpdated and returns true when any of them changed.
    bool updateFromRecord(const ConnectedDevice& record);

    void updateConfiguration(const std::shared_ptr<ProfilePreference>& profile);
    // The actions for a program context, else those outside every context; empty when
    // neither is known.
    ControlActionMap configurationFor(const std::string& programContext) const;

    // Rebuilds from the profile bound to the device, else the model's default profile.
    void onPreferencesUpdated() override;

signals:
    void prefsUpdate();
    void deviceInfoUpdated();

private:
    PreferencesStore& store_;
    const uint32_t type_;
    const uint32_t model_;
    const bool wired_;
    const std::string serial_;
    DeviceConfiguration configuration_;
    const bool realDevice_;
    int32_t batteryLevel_ = 0;
    int32_t firmwareVersion_ = 0;
    int32_t driverValue_ = 0;
    // Guards the configuration: the store's notifications may come from any thread.
    mutable std::recursive_mutex lock_;
};
