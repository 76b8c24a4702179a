#pragma once

#include <QObject>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "shared/ipc/ConnectedDevice.h"
#include "shared/ipc/IPCClient.h"
#include "shared/prefs/EditResult.h"

class DevicesManager;
class PreferencesStore;

// The configuration program's end of the agent link. Frames arrive on the link's thread,
// but the device table and the preferences belong to the main thread, where the controllers
// read them and change profiles in place: so each frame's handling is queued to the main
// thread, and the link's thread never waits for it.
class IPCManager : public QObject, public IPCClient {
    Q_OBJECT

public:
    IPCManager(std::weak_ptr<DevicesManager> devices, PreferencesStore& store,
               QObject* parent = nullptr);
    // Joins the link's thread while the object is still whole.
    ~IPCManager() override;

    // Each is lost while the link is down; the next connect asks and announces again.
    void requestConnectedDevices();
    void sendPreferencesUpdate();
    void sendSettingsUpdate();

    void onMessage(const uint8_t* bytes, size_t length) override;
    void onConnected() override;

private:
    void applyConnectedDevices(const std::vector<ConnectedDevice>& devices);
    void reloadPreferences();

    std::weak_ptr<DevicesManager> devices_;
    PreferencesStore& store_;
};

// Tells the agent to reread the preferences after a change was saved; a link already torn
// down (or never made) is skipped, as the agent rereads everything when it next connects.
void announcePreferences(const std::weak_ptr<IPCManager>& link);
// The same after an edit, when the files hold it: a refused edit, one not saved, and one
// whose save failed changed nothing that the agent would read.
void announceEdit(const std::weak_ptr<IPCManager>& link, const EditResult& edit);
