#include "agent/TrayMenuModel.h"

#include <array>
#include <utility>

#include "shared/prefs/KeyNames.h"
#include "shared/prefs/ProfilePreference.h"

namespace {

struct ModelDisplayName {
    uint32_t model;
    const char* name;
};

constexpr std::array<ModelDisplayName, 2> kDeviceModelDisplayNames{{
    {1, "Whirlen Max"},
    {2, "Whirlen Lite"},
}};

// 0 stands for no device and 3 for a product without a model: neither is offered.
bool isOffered(const ConnectedDevice& device) {
    return device.model != 0 && device.model != 3;
}

std::string displayName(uint32_t model) {
    for (const ModelDisplayName& entry : kDeviceModelDisplayNames) {
        if (entry.model == model) {
            return entry.name;
        }
    }
    return {};
}

std::string entryLabel(const ConnectedDevice& device, const PreferencesStore& store) {
    const auto model = static_cast<int32_t>(device.model);
    const auto profile = store.profileForDevice(modelScopedName(device.uuid, model), device.model);
    return displayName(device.model) + " - " + (profile ? profile->name() : std::string());
}

}  // namespace

TrayMenuModel::TrayMenuModel(TrayMenu menu, std::vector<ConnectedDevice> devices)
    : menu_(std::move(menu)), devices_(std::move(devices)) {}

const ConnectedDevice* TrayMenuModel::deviceForEntry(int entryId) const {
    const int index = entryId - kFirstDeviceEntryId;
    if (index < 0 || static_cast<size_t>(index) >= devices_.size()) {
        return nullptr;
    }
    return &devices_[static_cast<size_t>(index)];
}

TrayMenuModel buildTrayMenu(const std::vector<ConnectedDevice>& devices,
                            const PreferencesStore& store) {
    TrayMenu menu{TrayMenuModel::kAgentWindowTitle,
                  {{TrayMenuModel::kTitleEntryId, TrayMenuModel::kAgentWindowTitle}}};
    std::vector<ConnectedDevice> offered;
    for (const ConnectedDevice& device : devices) {
        if (isOffered(device)) {
            const int id = TrayMenuModel::kFirstDeviceEntryId + static_cast<int>(offered.size());
            menu.entries.push_back({id, entryLabel(device, store)});
            offered.push_back(device);
        }
    }
    menu.entries.push_back({TrayMenuModel::kExitEntryId, "Exit"});
    return TrayMenuModel(std::move(menu), std::move(offered));
}
