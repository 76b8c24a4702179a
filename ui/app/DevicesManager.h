#pragma once

#include <QObject>

#include <memory>
#include <mutex>
#include <vector>

#include "shared/ipc/ConnectedDevice.h"
#include "ui/app/DeviceDescriptor.h"

class IPCManager;
class PreferencesStore;

// The configuration program's device table: the controllers the agent reports, in the
// agent's order, and a configuration placeholder for each model, so that preferences can be
// edited with or without a controller.
class DevicesManager : public QObject {
    Q_OBJECT

public:
    using Descriptors = std::vector<std::shared_ptr<DeviceDescriptor>>;

    explicit DevicesManager(PreferencesStore& store, QObject* parent = nullptr);

    // Publishes the two placeholders and asks the agent for its devices.
    void start(IPCManager& link);
    // Adds a descriptor for a valid record, bound to its profile; false for a record that
    // is not valid.
    bool addOrUpdateDevice(const ConnectedDevice& record, bool configuration);
    // Applies the agent's list: drops vanished devices, refreshes known ones, adds new ones.
    void onConnectedDevices(const std::vector<ConnectedDevice>& records);

    Descriptors connectedDevices() const;
    Descriptors configurationDevices() const { return configurationDevices_; }
    int countConnectedDevices() const;

signals:
    void connectedDevicesUpdated();
    void configurationDevicesUpdated();
    void newConnectedDevice(int model);

private:
    // Drops the descriptors that the records do not name and refreshes the others; the
    // records left are the devices not yet in the table. Whether anything was dropped.
    bool dropOrRefresh(std::vector<ConnectedDevice>& records);

    PreferencesStore& store_;
    Descriptors connectedDevices_;
    Descriptors configurationDevices_;
    mutable std::recursive_mutex lock_;
};
