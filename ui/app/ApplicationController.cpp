// ApplicationController's lifecycle, its profile and macro controllers and the preference
// edits the window makes; the device list is in ApplicationControllerDevices.cpp, the
// application contexts, tabs and settings in ApplicationControllerSettings.cpp.
#include "ui/app/ApplicationController.h"

#include <QKeySequence>
#include <QThread>

#include <map>
#include <set>

#include "shared/prefs/LogManager.h"
#include "shared/prefs/PreferencesStore.h"
#include "shared/prefs/SaveResult.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/CommandLineManager.h"
#include "ui/app/DevicesManager.h"
#include "ui/app/IPCManager.h"
#include "ui/app/QmlOwnership.h"

namespace {

// addApplicationContextConfiguration's result for the window: 0 when added, else the reasons
// as bits (ApplicationController::AppContextError), with 8 for an empty field.
int contextRefusalCode(EditResult::Refusal refusal) {
    constexpr int kNameTaken = 1 << ApplicationController::NameAlreadyExists;
    constexpr int kPathTaken = 1 << ApplicationController::ProgramPathAlreadyExists;
    constexpr int kFieldEmpty = 8;
    switch (refusal) {
        case EditResult::Refusal::None:
            return 0;
        case EditResult::Refusal::NameTaken:
            return kNameTaken;
        case EditResult::Refusal::PathTaken:
            return kPathTaken;
        case EditResult::Refusal::NameAndPathTaken:
            return kNameTaken | kPathTaken;
        default:
            return kFieldEmpty;
    }
}

// What bringing a controller list in line with the store's items leaves to do once the lock
// is released: each kept or new controller with its item, in key order for the new ones.
template <typename Controller, typename Item>
struct ControllerSync {
    std::vector<std::pair<std::shared_ptr<Controller>, std::shared_ptr<Item>>> updates;
    std::vector<std::shared_ptr<Controller>> added;
};

// Drops the controllers whose item is gone and makes one for each item without a controller;
// controllers are only made here, never told anything, so this may run under the list lock.
template <typename Controller, typename Item, typename KeyOf, typename Make>
ControllerSync<Controller, Item> syncControllers(
    std::vector<std::shared_ptr<Controller>>& controllers,
    const std::map<std::string, std::shared_ptr<Item>>& items, KeyOf keyOf, Make make) {
    ControllerSync<Controller, Item> sync;
    std::vector<std::shared_ptr<Controller>> kept;
    std::set<std::string> known;
    for (const auto& controller : controllers) {
        const auto found = items.find(keyOf(*controller));
        if (found != items.end()) {
            kept.push_back(controller);
            known.insert(found->first);
            sync.updates.emplace_back(controller, found->second);
        }
    }
    for (const auto& [key, item] : items) {
        if (known.count(key) == 0) {
            auto controller = make();
            kept.push_back(controller);
            sync.added.push_back(controller);
            sync.updates.emplace_back(controller, item);
        }
    }
    controllers = std::move(kept);
    return sync;
}

}  // namespace

ApplicationController::ApplicationController(QObject* parent)
    : ApplicationController(ApplicationManager::instance(), parent) {}

ApplicationController::ApplicationController(ApplicationManager& manager, QObject* parent)
    : QObject(parent),
      manager_(manager),
      alertsController_(std::make_shared<AlertsController>()),
      authController_(std::make_unique<AuthController>(manager.authenticationManager(),
                                                       manager.configSyncManager())),
      configSyncController_(std::make_unique<ConfigSyncController>(*manager.configSyncManager())) {
    connectSignals();
    onConfigurationDevicesUpdated();
    manager_.preferencesStore().subscribe(this);
}

ApplicationController::~ApplicationController() {
    manager_.preferencesStore().unsubscribe(this);
    deleteDeviceControllers();
    emit listDeviceControllersUpdated();
    authController_.reset();
    configSyncController_.reset();
}

void ApplicationController::connectSignals() {
    const auto devices = manager_.devicesManager();
    const auto check = [](const QMetaObject::Connection& connection, const char* message) {
        if (!connection) {
            LogManager::instance().log('W', "%s", message);
        }
    };
    check(connect(devices.get(), &DevicesManager::configurationDevicesUpdated, this,
                  &ApplicationController::onConfigurationDevicesUpdated, Qt::QueuedConnection),
          "Error connecting Devices Manager");
    check(connect(devices.get(), &DevicesManager::connectedDevicesUpdated, this,
                  &ApplicationController::onConnectedDevicesUpdated, Qt::QueuedConnection),
          "Error connecting Devices Manager - connected real devices");
    check(connect(devices.get(), &DevicesManager::newConnectedDevice, this,
                  &ApplicationController::onNewConnectedDevice, Qt::QueuedConnection),
          "Error connecting Devices Manager - connected new device connected");
    check(connect(this, &ApplicationController::updateMacrosEvent, this,
                  &ApplicationController::onUpdateMacros, Qt::QueuedConnection),
          "Error connecting App Controller - update macros");
    check(connect(this, &ApplicationController::updateProfilesEvent, this,
                  &ApplicationController::onUpdateProfiles, Qt::QueuedConnection),
          "Error connecting App Controller - update profiles");
}

AuthController* ApplicationController::authController() const {
    return forQml(authController_.get());
}

ConfigSyncController* ApplicationController::configSyncController() const {
    return forQml(configSyncController_.get());
}

AlertsController* ApplicationController::alertsController() const {
    return forQml(alertsController_.get());
}

// --- Profiles and macros ---

std::vector<std::shared_ptr<ProfileController>> ApplicationController::profileControllersFor(
    uint32_t deviceType, uint32_t deviceModel) {
    std::lock_guard guard(controllerLock_);
    std::vector<std::shared_ptr<ProfileController>> result;
    for (const auto& controller : profileControllers_) {
        if (controller->productType() == static_cast<int>(deviceType) &&
            controller->modelType() == static_cast<int>(deviceModel)) {
            result.push_back(controller);
        }
    }
    return result;
}

void ApplicationController::onPreferencesUpdated() {
    // The agent link hands its reloads to the main thread, so the lists below are only
    // ever touched here.
    Q_ASSERT(QThread::currentThread() == thread());
    appContextNames_.clear();
    for (const auto& [name, context] :
         manager_.preferencesStore().applicationContextConfigurations()) {
        appContextNames_.append(QString::fromStdString(name));
    }
    emit updateProfilesEvent();
    emit updateMacrosEvent();
    emit prefsUpdated();
    // A damaged file leaves the window on the defaults: the user is told why, once.
    const QString damaged =
        QString::fromStdString(manager_.preferencesStore().damagedDefaultFileCopy());
    if (damaged != damagedFileToldOf_) {
        damagedFileToldOf_ = damaged;
        if (!damaged.isEmpty()) {
            emit preferencesDamaged(damaged);
        }
    }
    if (!selectedAppContext_.isEmpty() && !appContextNames_.contains(selectedAppContext_)) {
        selectedAppContext_.clear();
        if (selected_) {
            selected_->setCurrentProgramContext(selectedAppContext_);
        }
        emit selectedAppContextUpdated();
    }
}

void ApplicationController::onPreferencesNotSaved(const SaveResult& failure) {
    emit preferencesNotSaved(QString::fromStdString(failure.file()),
                             static_cast<int>(failure.cause()),
                             QString::fromStdString(failure.reason()));
}

void ApplicationController::onUpdateProfiles() {
    const ProfileMap profiles = manager_.preferencesStore().profiles();
    ControllerSync<ProfileController, ProfilePreference> sync;
    {
        std::lock_guard guard(controllerLock_);
        sync = syncControllers(
            profileControllers_, profiles,
            [](const ProfileController& controller) {
                return controller.profileKey().toStdString();
            },
            [this] { return std::make_shared<ProfileController>(manager_); });
    }
    for (const auto& controller : sync.added) {
        controller->connectOwner(this);
    }
    for (const auto& [controller, profile] : sync.updates) {
        controller->setProfile(profile, true);
    }
}

void ApplicationController::onUpdateMacros() {
    const MacroMap macros = manager_.preferencesStore().macros();
    ControllerSync<MacroController, MacroPreference> sync;
    {
        std::lock_guard guard(controllerLock_);
        sync = syncControllers(
            macroControllers_, macros,
            [](const MacroController& controller) { return controller.macroKey(); },
            [this] { return std::make_shared<MacroController>(manager_); });
    }
    for (const auto& [controller, macro] : sync.updates) {
        controller->setMacro(macro, true);
    }
    for (const auto& controller : sync.added) {
        controller->connectOwner(this);
    }
    macroNames_.clear();
    for (const auto& [controller, macro] : sync.updates) {
        macroNames_.append(controller->name());
    }
    macroNames_.sort(Qt::CaseInsensitive);
    emit listMacroControllersUpdated();
    if (!pendingMacroName_.isEmpty() && !macroNames_.isEmpty()) {
        const int position = static_cast<int>(macroNames_.indexOf(pendingMacroName_));
        if (position >= 0) {
            setListMacroNameIndex(position);
        }
        pendingMacroName_.clear();
    }
}

MacroController* ApplicationController::getMacroController(const QString& controllerName) {
    std::lock_guard guard(controllerLock_);
    for (const auto& controller : macroControllers_) {
        if (controller->name() == controllerName) {
            return forQml(controller.get());
        }
    }
    return nullptr;
}

void ApplicationController::setListMacroNameIndex(int index) {
    if (index == macroNameIndex_) {
        return;
    }
    macroNameIndex_ = index;
    emit listMacroNameIndexUpdated();
}

// --- Edits ---

void ApplicationController::addMacro(const QString& macroName) {
    pendingMacroName_ = macroName;
    announceEdit(manager_.ipcManager(),
                 manager_.preferencesStore().addMacro(macroName.toStdString(), true));
}

void ApplicationController::renameMacro(const QString& oldMacroName, const QString& macroName) {
    PreferencesStore& store = manager_.preferencesStore();
    const std::string key = store.macroKey(oldMacroName.toStdString());
    pendingMacroName_ = macroName;
    announceEdit(manager_.ipcManager(), store.renameMacro(key, macroName.toStdString(), true));
}

void ApplicationController::deleteMacro(const QString& macroName) {
    PreferencesStore& store = manager_.preferencesStore();
    const std::string key = store.macroKey(macroName.toStdString());
    std::vector<std::shared_ptr<ProfileController>> profiles;
    {
        std::lock_guard guard(controllerLock_);
        profiles = profileControllers_;
    }
    for (const auto& controller : profiles) {
        controller->clearMacroIfNamed(key);
    }
    announceEdit(manager_.ipcManager(), store.deleteMacro(key, true));
}

int ApplicationController::addApplicationContextConfiguration(const QString& configName,
                                                              const QString& appPath) {
    const EditResult result = manager_.preferencesStore().addApplicationContextConfiguration(
        configName.toStdString(), appPath.toStdString());
    announceEdit(manager_.ipcManager(), result);
    return contextRefusalCode(result.refusal());
}

void ApplicationController::deleteConfiguration(const QString& configName) {
    announceEdit(manager_.ipcManager(),
                 manager_.preferencesStore().deleteApplicationContextConfiguration(
                     configName.toStdString()));
}

void ApplicationController::addProfile(const QString& profileName) {
    if (selected_) {
        selected_->addProfile(profileName);
    }
}

void ApplicationController::setActiveProfile(const QString& key) {
    if (selected_) {
        selected_->setActiveProfile(key);
    }
}

void ApplicationController::renameProfile(const QString& key, const QString& profileName) {
    announceEdit(manager_.ipcManager(), manager_.preferencesStore().renameProfile(
                                            key.toStdString(), profileName.toStdString(), true));
}

void ApplicationController::deleteProfile(const QString& key) {
    PreferencesStore& store = manager_.preferencesStore();
    const ProfileMap profiles = store.profiles();
    const auto found = profiles.find(key.toStdString());
    if (found == profiles.end() || found->second->isDefault()) {
        return;
    }
    announceEdit(manager_.ipcManager(), store.deleteProfile(key.toStdString(), true));
}

void ApplicationController::clearAllPreferences() {
    announceEdit(manager_.ipcManager(), manager_.preferencesStore().reload(true));
}

void ApplicationController::forceUpdatePrefs() {
    onPreferencesUpdated();
}

void ApplicationController::uiIsCompleted() {
    manager_.onUiCompleted();
    if (manager_.commandLineManager()->updateComplete()) {
        emit softwareUpdateCompleted();
    }
}

QString ApplicationController::getKeyStrFromQtKeyCode(int keyCode) const {
    if (keyCode < Qt::Key_Shift || keyCode > Qt::Key_Alt) {
        return QString();
    }
    return QKeySequence(keyCode).toString(QKeySequence::PortableText);
}
