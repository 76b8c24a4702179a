#include "shared/prefs/DefaultActions.h"

#include "shared/prefs/NameTables.h"

namespace {

constexpr uint32_t kDeviceTypeWhirlen = 1;

DefaultActionTable buildDefaultActions() {
    DefaultActionTable table;
    for (int32_t model = 1; isValidDeviceModel(model); ++model) {
        for (int32_t control : modelControlList(model)) {
            ActionPreference action(kDeviceTypeWhirlen, static_cast<uint32_t>(model),
                                    static_cast<uint32_t>(control),
                                    ApplicationContextConfiguration());
            action.setDefault(true);
            action.setActionType(kActionTypeDisabled);
            table[static_cast<uint32_t>(model)].emplace(static_cast<uint32_t>(control), action);
        }
    }
    return table;
}

}  // namespace

const DefaultActionTable& defaultActions() {
    static const DefaultActionTable table = buildDefaultActions();
    return table;
}

const ActionPreference* findDefaultAction(uint32_t deviceModel, uint32_t control) {
    if (!modelHasControl(static_cast<int32_t>(deviceModel), static_cast<int32_t>(control))) {
        return nullptr;
    }
    const DefaultActionTable& table = defaultActions();
    const auto model = table.find(deviceModel);
    if (model == table.end()) {
        return nullptr;
    }
    const auto entry = model->second.find(control);
    return entry == model->second.end() ? nullptr : &entry->second;
}
