#include "agent/WhirlenEngine.h"

#include <malloc.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <system_error>
#include <utility>

#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "shared/prefs/KeyNames.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/ProfilePreference.h"
#include "shared/prefs/TextUtils.h"

namespace {

constexpr uint32_t kNoModel = 3;

struct ProductModel {
    uint16_t productId;
    uint32_t model;
};

// 0x21 is opened by discovery too but has no entry: see modelForProductId.
constexpr std::array<ProductModel, 3> kDeviceNumberModels{{
    {0x10, 2},
    {0x20, 2},
    {0x30, 1},
}};

constexpr uint32_t kActionTypeScrollUp = 18;
constexpr uint32_t kActionTypeScrollDown = 19;
constexpr uint32_t kActionTypeUseDefaultSetting = 22;
constexpr uint32_t kActionTypeSameAsLowerValue = 23;

constexpr uint32_t kLastControl = 59;
constexpr uint32_t kDialLeft = 15;
constexpr uint32_t kDialRight = 16;
// Jog-wheel transitions away from the centre: 0 to 1 ... 6 to 7, and 0 to -1 ... -6 to -7.
constexpr uint32_t kFirstTransitionUp = 39;
constexpr uint32_t kLastTransitionUp = 45;
constexpr uint32_t kFirstTransitionDown = 53;
constexpr uint32_t kLastTransitionDown = 59;

void copyIfPresent(const ControlActionMap& from, uint32_t control, ActionPreference& to) {
    const auto it = from.find(control);
    if (it != from.end()) {
        to = it->second;
    }
}

// "Same as lower value" takes the binding of the next higher control, "use
// default setting" the binding of the same control outside any application;
// each is followed one step further when it lands on the other kind. Higher
// controls are taken as they stand, before their own resolution.
void resolveReferences(ControlActionMap& table, const ControlActionMap& general) {
    for (uint32_t control = 0; control <= kLastControl; ++control) {
        const auto it = table.find(control);
        if (it == table.end()) {
            continue;
        }
        ActionPreference& action = it->second;
        if (action.actionType() == kActionTypeSameAsLowerValue) {
            copyIfPresent(table, control + 1, action);
            if (action.actionType() == kActionTypeUseDefaultSetting) {
                copyIfPresent(general, control + 1, action);
            }
        } else if (action.actionType() == kActionTypeUseDefaultSetting) {
            copyIfPresent(general, control, action);
            if (action.actionType() == kActionTypeSameAsLowerValue) {
                copyIfPresent(general, control + 1, action);
            }
        }
    }
}

void fillDefaults(ControlActionMap& table, uint32_t model, const ProfilePreference& profile,
                  const std::string& contextPath) {
    for (uint32_t control = 0; control <= kLastControl; ++control) {
        if (!table.contains(control)) {
            table.emplace(control,
                          ActionPreference::makeDefault(model, control, profile, contextPath));
        }
    }
}

uint32_t builtInActionType(uint32_t control) {
    if (control == kDialLeft || (control >= kFirstTransitionUp && control <= kLastTransitionUp)) {
        return kActionTypeScrollDown;
    }
    if (control == kDialRight ||
        (control >= kFirstTransitionDown && control <= kLastTransitionDown)) {
        return kActionTypeScrollUp;
    }
    return kActionTypeDisabled;
}

// Unless the user toggled them to bindings of their own, the dial and the jog
// wheel scroll: away from the centre scrolls, everything else does nothing.
void forceBuiltInDialAndJog(ControlActionMap& table) {
    for (auto it = table.lower_bound(kDialLeft); it != table.end() && it->first <= kLastControl;
         ++it) {
        if (!it->second.toggle()) {
            it->second.setActionType(builtInActionType(it->first));
        }
    }
}

ControllerDevice::BindingTable toBindingTable(ControlActionMap&& table) {
    ControllerDevice::BindingTable bindings;
    for (auto& [control, action] : table) {
        bindings.emplace_hint(bindings.end(), static_cast<int>(control), std::move(action));
    }
    return bindings;
}

// The table of a device whose profile is `profile`, while the application at
// contextPath (empty: none with settings of its own) is in front.
ControllerDevice::BindingTable resolveBindings(const ProfilePreference& profile, uint32_t model,
                                               const std::string& contextPath) {
    ControlActionMap table = profile.actionsForApplication(contextPath);
    const ControlActionMap general =
        contextPath.empty() ? table : profile.actionsForApplication(std::string());
    resolveReferences(table, general);
    fillDefaults(table, model, profile, contextPath);
    forceBuiltInDialAndJog(table);
    return toBindingTable(std::move(table));
}

}  // namespace

// Never destroyed: at exit, state that its services rely on (the X libraries' error
// routing among it) can be gone before it would be, so the agent shuts it down instead.
WhirlenEngine& WhirlenEngine::instance() {
    static WhirlenEngine* const engine = new WhirlenEngine(PreferencesStore::instance());
    return *engine;
}

WhirlenEngine::WhirlenEngine(PreferencesStore& store, ActionServices given)
    : store(store), services(given) {
    if (services.injector == nullptr) {
        ownInjector = createInputInjector();
        services.injector = ownInjector.get();
    }
    if (services.backlight == nullptr) {
        ownBacklight = std::make_unique<BacklightControl>();
        services.backlight = ownBacklight.get();
    }
    if (services.profiles == nullptr) {
        services.profiles = this;
    }
    store.subscribe(this);
}

WhirlenEngine::~WhirlenEngine() {
    store.unsubscribe(this);
    shutdown();
}

uint32_t WhirlenEngine::modelForProductId(uint16_t productId) {
    const auto it = std::find_if(
        kDeviceNumberModels.begin(), kDeviceNumberModels.end(),
        [productId](const ProductModel& entry) { return entry.productId == productId; });
    return it == kDeviceNumberModels.end() ? kNoModel : it->model;
}

std::string WhirlenEngine::deviceUuid(uint16_t productId, const std::string& locationId) {
    return std::to_string(productId) + locationId;
}

bool WhirlenEngine::addDevice(const std::string& path, std::unique_ptr<HidDevice> handle,
                              uint16_t productId, const std::string& locationId) {
    const std::string lowerPath = toLowerAscii(path);
    // Made before the lock is taken: a device may start threads of its own.
    auto device = std::make_shared<ControllerDevice>(
        static_cast<ControllerEventNotifyInterface&>(*this), services, store);
    device->record = ConnectedDevice(kWhirlenDeviceType, modelForProductId(productId), true,
                                     deviceUuid(productId, locationId), path, lowerPath);
    {
        std::lock_guard lock(engineMutex);
        // The device and the handle are closed once the lock is released.
        if (!devices.try_emplace(lowerPath, device).second) {
            return false;
        }
        rebuildBindings(*device);
    }
    if (device->record.model == kNoModel) {
        logUnlistedProductOnce(productId);
    }
    // Fails harmlessly when a removal of the same path got here first.
    if (!device->startReader(std::move(handle))) {
        LogManager::instance().log('E', "Unable to start reading controller %s", path.c_str());
        retire(lowerPath, device.get());
        return false;
    }
    sendConnectedDevices();
    return true;
}

bool WhirlenEngine::removeDevice(const std::string& path) {
    return retire(toLowerAscii(path), nullptr);
}

bool WhirlenEngine::hasDevice(const std::string& path) const {
    return findDevice(path) != nullptr;
}

std::shared_ptr<ControllerDevice> WhirlenEngine::findDevice(const std::string& path) const {
    const std::string lowerPath = toLowerAscii(path);
    std::lock_guard lock(engineMutex);
    const auto it = devices.find(lowerPath);
    return it == devices.end() ? nullptr : it->second;
}

std::vector<ConnectedDevice> WhirlenEngine::connectedDevices() const {
    std::vector<ConnectedDevice> records;
    std::lock_guard lock(engineMutex);
    records.reserve(devices.size());
    for (const auto& [path, device] : devices) {
        records.push_back(device->record);
    }
    return records;
}

void WhirlenEngine::sendConnectedDevices() {
    IPCResponseConnectedDevices list;
    for (const ConnectedDevice& record : connectedDevices()) {
        if (isValidConnectedDevice(record)) {
            list.addDevice(record);
        }
    }
    broadcast(list);
}

void WhirlenEngine::onMessage(const uint8_t* bytes, size_t length) {
    IPCMessage frame(0u);
    if (!frame.deserialize(bytes, length)) {
        return;
    }
    switch (static_cast<IPCMessageType>(frame.type())) {
        case IPCMessageType::RequestDevices:
            sendConnectedDevices();
            break;
        case IPCMessageType::PrefsUpdate:
            reloadPreferences();
            break;
        default:
            break;
    }
}

// After the rebuild, so that a press in between cannot lock the click again through the
// binding it had before.
void WhirlenEngine::onPreferencesUpdated() {
    std::vector<std::shared_ptr<ControllerDevice>> rebuilt;
    {
        std::lock_guard lock(engineMutex);
        rebuilt.reserve(devices.size());
        for (const auto& [path, device] : devices) {
            rebuildBindings(*device);
            rebuilt.push_back(device);
        }
    }
    // Input goes out with the engine mutex released.
    for (const std::shared_ptr<ControllerDevice>& device : rebuilt) {
        device->releaseClickLock();
    }
}

bool WhirlenEngine::switchProfile(const std::string& deviceBindingId,
                                  const std::string& profileKey) {
    if (!store.setProfileBind(deviceBindingId, profileKey, true).isSaved()) {
        LogManager::instance().log('E', "Unable to save the switch of controller %s to profile %s",
                                   deviceBindingId.c_str(), profileKey.c_str());
        return false;
    }
    reloadPreferences();
    IPCPrefsUpdateMessage update;
    update.setText("{}");
    broadcast(update);
    return true;
}

void WhirlenEngine::reloadPreferences() {
    // The store keeps what it holds unless the file is taken whole.
    store.reload(false);
    store.load();
    // The new tables are in place and the parse is over. The allocator would keep what the
    // parse freed (several times the file's size, for good, in an agent that runs all
    // session), so it goes back to the system.
    malloc_trim(0);
}

void WhirlenEngine::setForegroundPath(const std::string& path) {
    // One locked section, so that no rebuild in between sees the new path
    // with tables built for the old one.
    std::lock_guard lock(engineMutex);
    foregroundPath = path;
    for (const auto& [lowerPath, device] : devices) {
        rebuildBindings(*device);
    }
}

void WhirlenEngine::setDeviceGoneHandler(DeviceGoneHandler handler) {
    std::lock_guard lock(engineMutex);
    deviceGoneHandler = std::move(handler);
}

void WhirlenEngine::shutdown() {
    stop();
    DeviceTable taken;
    {
        std::lock_guard lock(engineMutex);
        taken.swap(devices);
    }
    for (const auto& [path, device] : taken) {
        device->stop();
    }
    // After the readers: none of them can start another reaper now.
    joinReapers(true);
}

void WhirlenEngine::onDeviceGone(ControllerDevice& device) {
    std::weak_ptr<ControllerDevice> gone;
    DeviceGoneHandler handler;
    {
        std::lock_guard lock(engineMutex);
        const auto it = devices.find(device.record.interfacePathLower);
        // Otherwise it is on its way out already.
        if (it == devices.end() || it->second.get() != &device) {
            return;
        }
        gone = it->second;
        handler = deviceGoneHandler;
    }
    // Held while it runs, the device cannot be replaced by another at its
    // address, so a device added again at the same path stays.
    auto removal = [this, gone] {
        if (const auto device = gone.lock()) {
            retire(device->record.interfacePathLower, device.get());
        }
    };
    if (handler) {
        handler(std::move(removal));
    } else {
        startReaper(std::move(removal));
    }
}

void WhirlenEngine::startReaper(std::function<void()> removal) {
    joinReapers(false);
    Reaper reaper{{}, std::make_shared<std::atomic<bool>>(false)};
    try {
        reaper.thread = std::thread([removal = std::move(removal), done = reaper.done] {
            removal();
            *done = true;
        });
    } catch (const std::system_error& error) {
        LogManager::instance().log('E', "Unable to start removing a controller: %s", error.what());
        return;
    }
    std::lock_guard lock(engineMutex);
    reapers.push_back(std::move(reaper));
}

void WhirlenEngine::joinReapers(bool all) {
    std::vector<Reaper> finished;
    {
        std::lock_guard lock(engineMutex);
        const auto split = std::partition(reapers.begin(), reapers.end(),
                                          [all](const Reaper& r) { return !all && !*r.done; });
        finished.assign(std::make_move_iterator(split), std::make_move_iterator(reapers.end()));
        reapers.erase(split, reapers.end());
    }
    for (Reaper& reaper : finished) {
        reaper.thread.join();
    }
}

bool WhirlenEngine::retire(const std::string& lowerPath, const ControllerDevice* only) {
    std::shared_ptr<ControllerDevice> device;
    {
        std::lock_guard lock(engineMutex);
        const auto it = devices.find(lowerPath);
        if (it == devices.end() || (only != nullptr && it->second.get() != only)) {
            return false;
        }
        device = std::move(it->second);
        devices.erase(it);
    }
    device->stop();
    sendConnectedDevices();
    return true;
}

void WhirlenEngine::rebuildBindings(ControllerDevice& device) const {
    const uint32_t model = device.record.model;
    if (model == kNoModel) {
        return;
    }
    const auto profile = store.profileForDevice(modelScopedName(device.record.uuid, model), model);
    // Without a profile the device keeps the table it has.
    if (!profile) {
        return;
    }
    // The application's own bindings count only when the profile lets them.
    const bool inConfiguredApplication =
        !store.findApplicationContextConfiguration(foregroundPath).programContextPath().empty() &&
        profile->appSpecificActive();
    device.setBindings(
        resolveBindings(*profile, model, inConfiguredApplication ? foregroundPath : std::string()));
}

void WhirlenEngine::logUnlistedProductOnce(uint16_t productId) {
    if (!unlistedProductLogged.exchange(true)) {
        LogManager::instance().log('W',
                                   "Controller with product id 0x%02x has no model: it is read, "
                                   "but gets no bindings and is not listed",
                                   static_cast<unsigned>(productId));
    }
}
