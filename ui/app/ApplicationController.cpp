#include "ui/app/ApplicationController.h"

#include <QKeySequence>
#include <QQmlEngine>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <map>
#include <set>

#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/PreferencesStore.h"
#include "shared/prefs/SaveResult.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/CommandLineManager.h"
#include "ui/app/DeviceDescriptor.h"
#include "ui/app/DevicesManager.h"
#include "ui/app/IPCManager.h"

namespace {

// How long after start a newly reported device may take the selection.
constexpr int64_t kStartupSelectionSeconds = 6;

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

// A tile of a model without a picture (model 0) is shown but never selected.
bool isSelectable(const DeviceController* controller) {
    return controller != nullptr && (controller->modelType() == DeviceController::MultimediaMax ||
                                     controller->modelType() == DeviceController::MultimediaLite);
}

template <typename T>
T* forQml(T* object) {
    if (object) {
        QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    }
    return object;
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

// --- Device list and selection ---

QQmlListProperty<DeviceController> ApplicationController::listDeviceControllers() {
    return QQmlListProperty<DeviceController>(this, nullptr, nullptr, &deviceCount, &deviceAt,
                                              &clearDevices, nullptr, nullptr);
}

qsizetype ApplicationController::deviceCount(QQmlListProperty<DeviceController>* list) {
    const auto* owner = qobject_cast<ApplicationController*>(list->object);
    return owner ? static_cast<qsizetype>(owner->deviceControllers_.size()) : 0;
}

DeviceController* ApplicationController::deviceAt(QQmlListProperty<DeviceController>* list,
                                                  qsizetype index) {
    const auto* owner = qobject_cast<ApplicationController*>(list->object);
    if (!owner || index < 0 || index >= deviceCount(list)) {
        return nullptr;
    }
    return forQml(owner->deviceControllers_[static_cast<size_t>(index)]);
}

void ApplicationController::clearDevices(QQmlListProperty<DeviceController>* list) {
    auto* owner = qobject_cast<ApplicationController*>(list->object);
    if (!owner) {
        return;
    }
    const bool wasSelected = owner->selected_ != nullptr;
    owner->deleteDeviceControllers();
    emit owner->listDeviceControllersUpdated();
    if (wasSelected) {
        emit owner->selectedProductUpdated();
    }
}

void ApplicationController::deleteDeviceControllers() {
    // The selection goes first: selectedProductModel reads it.
    selected_ = nullptr;
    std::set<DeviceController*> all(deviceControllers_.begin(), deviceControllers_.end());
    all.insert(placeholderControllers_.begin(), placeholderControllers_.end());
    deviceControllers_.clear();
    placeholderControllers_.clear();
    for (DeviceController* controller : all) {
        controller->deleteLater();
    }
}

DeviceController* ApplicationController::selectedDeviceController() const {
    return forQml(selected_);
}

void ApplicationController::setSelectedDeviceController(DeviceController* controller) {
    if (controller == selected_ || (controller != nullptr && !isSelectable(controller))) {
        return;
    }
    if (controller == nullptr) {
        selected_ = nullptr;
        emit selectedProductUpdated();
        return;
    }
    select(controller);
}

void ApplicationController::select(DeviceController* controller) {
    selected_ = controller;
    selected_->setCurrentProgramContext(selectedAppContext_);
    emit selectedProductUpdated();
}

int ApplicationController::selectedProductModel() const {
    return selected_ ? selected_->modelType() : 0;
}

int ApplicationController::selectedProductIndex() const {
    const auto found = std::find(deviceControllers_.begin(), deviceControllers_.end(), selected_);
    if (!selected_ || found == deviceControllers_.end()) {
        return -1;
    }
    return static_cast<int>(found - deviceControllers_.begin());
}

int ApplicationController::countConnectedDevices() const {
    return manager_.devicesManager()->countConnectedDevices();
}

bool ApplicationController::isPlaceholder(const DeviceController* controller) const {
    return std::find(placeholderControllers_.begin(), placeholderControllers_.end(), controller) !=
           placeholderControllers_.end();
}

std::string ApplicationController::displayKey(const DeviceController* controller) const {
    return isPlaceholder(controller) ? "CONF" + controller->modelCode()
                                     : controller->realDeviceId();
}

DeviceController* ApplicationController::newDeviceController(
    const std::shared_ptr<DeviceDescriptor>& device) {
    auto* controller = new DeviceController(manager_, this);
    controller->setDescriptor(device);
    return controller;
}

void ApplicationController::onConfigurationDevicesUpdated() {
    const DevicesManager::Descriptors placeholders =
        manager_.devicesManager()->configurationDevices();
    const std::shared_ptr<DeviceDescriptor> remembered =
        selected_ ? selected_->descriptor() : nullptr;
    deleteDeviceControllers();
    const int devModel = manager_.commandLineManager()->devModel();
    DeviceController* candidate = nullptr;
    for (const auto& placeholder : placeholders) {
        if (!placeholder || !placeholder->isValid()) {
            continue;
        }
        DeviceController* controller = newDeviceController(placeholder);
        controller->setOwner(this);
        deviceControllers_.push_back(controller);
        placeholderControllers_.push_back(controller);
        if (placeholder == remembered || (devModel < CommandLineManager::kNoDeviceModel &&
                                          static_cast<int>(placeholder->model()) == devModel)) {
            candidate = controller;
        }
    }
    if (!candidate && !deviceControllers_.empty()) {
        candidate = deviceControllers_.front();
    }
    selected_ = candidate;
    onConnectedDevicesUpdated();
    const std::string devId = manager_.commandLineManager()->devId();
    if (!devId.empty()) {
        for (DeviceController* controller : deviceControllers_) {
            if (controller->realDeviceId() == devId && isSelectable(controller)) {
                selected_ = controller;
                emit selectedProductUpdated();
            }
        }
    }
    emit listDeviceControllersUpdated();
    emit selectedProductUpdated();
}

void ApplicationController::onConnectedDevicesUpdated() {
    const DevicesManager::Descriptors connected = manager_.devicesManager()->connectedDevices();
    std::vector<DeviceController*> next = deviceControllers_;
    std::map<std::string, DeviceController*> index;
    for (DeviceController* controller : deviceControllers_) {
        index.emplace(displayKey(controller), controller);
    }
    for (DeviceController* placeholder : placeholderControllers_) {
        if (index.emplace(displayKey(placeholder), placeholder).second) {
            next.push_back(placeholder);
        }
    }
    std::set<int> connectedModels;
    DeviceController* deviceFallback = nullptr;
    for (const auto& device : connected) {
        connectedModels.insert(static_cast<int>(device->model()));
        const auto known = index.find(device->serial());
        if (known != index.end()) {
            index.erase(known);
            continue;
        }
        DeviceController* controller = newDeviceController(device);
        controller->updateRealDevices({device});
        controller->setCurrentProgramContext(selectedAppContext_);
        controller->setOwner(this);
        next.push_back(controller);
        if (!deviceFallback && isSelectable(controller)) {
            deviceFallback = controller;
        }
    }
    std::vector<DeviceController*> removed;
    for (const auto& [key, controller] : index) {
        const bool placeholder = isPlaceholder(controller);
        if (placeholder && connectedModels.count(controller->modelType()) == 0) {
            continue;
        }
        next.erase(std::remove(next.begin(), next.end(), controller), next.end());
        if (!placeholder) {
            removed.push_back(controller);
        }
        if (controller == selected_) {
            selected_ = nullptr;
        }
    }
    if (!deviceFallback) {
        const auto firstDevice = std::find_if(next.begin(), next.end(), [this](auto* controller) {
            return !isPlaceholder(controller) && isSelectable(controller);
        });
        deviceFallback = firstDevice == next.end() ? nullptr : *firstDevice;
    }
    deviceControllers_ = std::move(next);
    std::stable_sort(deviceControllers_.begin(), deviceControllers_.end(),
                     [](auto* a, auto* b) { return a->sortKey() < b->sortKey(); });
    const bool selectionChanged = selected_ == nullptr;
    if (selectionChanged) {
        // Without a device the first placeholder shown: the one a user sees first.
        const auto firstPlaceholder =
            std::find_if(deviceControllers_.begin(), deviceControllers_.end(),
                         [this](auto* controller) { return isPlaceholder(controller); });
        selected_ = deviceFallback                                 ? deviceFallback
                    : firstPlaceholder != deviceControllers_.end() ? *firstPlaceholder
                                                                   : nullptr;
        // As any selection, the new one shows the chosen application's configuration.
        if (selected_) {
            selected_->setCurrentProgramContext(selectedAppContext_);
        }
    }
    emit listDeviceControllersUpdated();
    emit connectedDevicesUpdated();
    for (DeviceController* controller : removed) {
        controller->deleteLater();
    }
    if (selectionChanged) {
        emit selectedProductUpdated();
    }
}

void ApplicationController::onNewConnectedDevice(int model) {
    if (manager_.uptime() >= kStartupSelectionSeconds) {
        setSelectedProductByType(model);
        emit scrollToSelectedDeviceModel();
        return;
    }
    if (!startupSelectionMade_) {
        const std::string devId = manager_.commandLineManager()->devId();
        if (!devId.empty()) {
            startupSelectionMade_ = selectDeviceById(devId);
        } else {
            setSelectedProductByType(model);
            emit scrollToSelectedDeviceModel();
            startupSelectionMade_ = true;
        }
    }
    if (!startupSelectionMade_ && manager_.armStartupRetry()) {
        const auto delay = 6001 - 1000 * manager_.uptime();
        QTimer::singleShot(static_cast<int>(delay), this, [this, model] {
            if (!startupSelectionMade_) {
                onNewConnectedDevice(model);
            }
        });
    }
}

void ApplicationController::setSelectedProductByType(int modelType) {
    if (modelType != DeviceController::MultimediaMax &&
        modelType != DeviceController::MultimediaLite) {
        return;
    }
    const auto found =
        std::find_if(deviceControllers_.begin(), deviceControllers_.end(),
                     [&](auto* controller) { return controller->modelType() == modelType; });
    if (found == deviceControllers_.end() || *found == selected_) {
        return;
    }
    select(*found);
}

bool ApplicationController::selectDeviceById(const std::string& deviceId) {
    if (deviceId.empty() || deviceControllers_.empty()) {
        return false;
    }
    const auto found =
        std::find_if(deviceControllers_.begin(), deviceControllers_.end(), [&](auto* controller) {
            return controller->realDeviceId() == deviceId && isSelectable(controller);
        });
    if (found == deviceControllers_.end()) {
        return false;
    }
    if (*found != selected_) {
        select(*found);
    }
    return true;
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

// --- Application contexts, tabs and settings ---

void ApplicationController::setSelectedAppContext(const QString& context) {
    if (context == selectedAppContext_) {
        return;
    }
    selectedAppContext_ = context;
    if (selected_) {
        selected_->setCurrentProgramContext(context);
    }
    emit selectedAppContextUpdated();
}

int ApplicationController::indexSelectedAppContext() const {
    if (selectedAppContext_.isEmpty() || appContextNames_.isEmpty()) {
        return 0;
    }
    return static_cast<int>(appContextNames_.indexOf(selectedAppContext_)) + 1;
}

void ApplicationController::setSelectedTab(int tab) {
    selectedTab_ = tab;
    emit selectedTabUpdated();
}

QString ApplicationController::appVersion() const {
    return QString::fromStdString(manager_.settings().versionString());
}

QString ApplicationController::buildVersion() const {
    return QString::fromStdString(manager_.settings().buildString());
}

bool ApplicationController::downloadPermission() const {
    return manager_.settings().downloadPermission();
}

void ApplicationController::setDownloadPermission(bool permission) {
    if (permission != downloadPermission()) {
        manager_.settings().setDownloadPermission(permission);
        emit downloadPermissionUpdated();
    }
}

bool ApplicationController::installPermission() const {
    return manager_.settings().installPermission();
}

void ApplicationController::setInstallPermission(bool permission) {
    if (permission != installPermission()) {
        manager_.settings().setInstallPermission(permission);
        emit installPermissionUpdated();
    }
}

bool ApplicationController::configSyncPermission() const {
    return manager_.settings().softwareConfigSyncPermission();
}

void ApplicationController::setConfigSyncPermission(bool permission) {
    if (permission != configSyncPermission()) {
        manager_.settings().setSoftwareConfigSyncPermission(permission);
        emit configSyncPermissionUpdated();
    }
}

bool ApplicationController::checkUpdatesPermission() const {
    return manager_.settings().softwareCheckForUpdatesPermission();
}

void ApplicationController::setCheckUpdatesPermission(bool permission) {
    if (permission != checkUpdatesPermission()) {
        manager_.settings().setSoftwareCheckForUpdatesPermission(permission);
        manager_.ipcManager()->sendSettingsUpdate();
        emit checkUpdatesUpdated();
    }
}

int ApplicationController::checkUpdatesInterval() const {
    const std::vector<int32_t> intervals = manager_.settings().softwareCheckForUpdatesIntervals();
    const auto found = std::find(intervals.begin(), intervals.end(),
                                 manager_.settings().softwareCheckForUpdatesInterval());
    return found == intervals.end() ? 0 : static_cast<int>(found - intervals.begin());
}

void ApplicationController::setCheckUpdatesInterval(int index) {
    const std::vector<int32_t> intervals = manager_.settings().softwareCheckForUpdatesIntervals();
    if (index < 0 || index >= static_cast<int>(intervals.size())) {
        return;
    }
    const int32_t interval = intervals[static_cast<size_t>(index)];
    if (interval == manager_.settings().softwareCheckForUpdatesInterval()) {
        return;
    }
    manager_.settings().setSoftwareCheckForUpdatesInterval(interval);
    manager_.ipcManager()->sendSettingsUpdate();
    emit checkUpdatesIntervalUpdated();
}

QStringList ApplicationController::checkUpdatesIntervals() const {
    QStringList texts;
    for (const int32_t seconds : manager_.settings().softwareCheckForUpdatesIntervals()) {
        texts.append(QString("%1 h").arg(seconds / 3600));
    }
    return texts;
}

QStringList ApplicationController::checkNotificationsIntervals() const {
    QStringList texts;
    for (const int32_t seconds : manager_.settings().softwareCheckForNotificationsIntervals()) {
        texts.append(seconds == 0 ? QString("OFF") : QString("%1 min").arg(seconds / 60));
    }
    return texts;
}

QString ApplicationController::cloudEnvironment() const {
    switch (manager_.settings().cloudEnv()) {
        case 1:
            return "TEST";
        case 2:
            return "LOCAL";
        default:
            return "PROD";
    }
}

int ApplicationController::currentUiThemeIndex() const {
    return manager_.settings().uiTheme();
}

void ApplicationController::setCurrentUiThemeIndex(int theme) {
    if (manager_.settings().setUiTheme(theme)) {
        emit currentThemeIndexChanged();
    }
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
