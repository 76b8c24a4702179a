#pragma once

#include <string>
#include <vector>

#include "platform/TrayMenu.h"
#include "shared/ipc/ConnectedDevice.h"
#include "shared/prefs/PreferencesStore.h"

// The notification-area menu as the agent offers it, with the devices its entries stand
// for. Each device entry names a record of the snapshot taken when the menu was built, so
// that every controller launches the configuration program for itself, whatever its UUID.
class TrayMenuModel {
public:
    // Also the icon's title and tooltip.
    static constexpr const char* kAgentWindowTitle = "Pelvane Design Multimedia Control Panel";
    static constexpr int kTitleEntryId = 1;
    static constexpr int kExitEntryId = 2;
    // Device entries are this plus their place in the snapshot.
    static constexpr int kFirstDeviceEntryId = 1000;

    TrayMenuModel(TrayMenu menu, std::vector<ConnectedDevice> devices);

    const TrayMenu& menu() const { return menu_; }
    // The record a device entry stands for; null for any other id.
    const ConnectedDevice* deviceForEntry(int entryId) const;

private:
    TrayMenu menu_;
    std::vector<ConnectedDevice> devices_;
};

// The title, one entry per listed controller ("Whirlen Max" or "Whirlen Lite", " - " and
// the name of the profile it uses) in the order given, and "Exit". Controllers of no
// model are left out.
TrayMenuModel buildTrayMenu(const std::vector<ConnectedDevice>& devices,
                            const PreferencesStore& store);
