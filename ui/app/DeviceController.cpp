#include "ui/app/DeviceController.h"

#include <QQmlEngine>

#include <map>
#include <utility>

#include "shared/prefs/NameTables.h"
#include "shared/prefs/PreferencesStore.h"
#include "ui/app/ApplicationController.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/DeviceDescriptor.h"
#include "ui/app/IPCManager.h"

int DeviceController::modelSortRank(uint32_t deviceModel) {
    // A model without a rank is a tile of its own that comes after both models.
    static const std::map<uint32_t, int> ranks = {{1, 0}, {2, 1}};
    const auto found = ranks.find(deviceModel);
    return found == ranks.end() ? 2 : found->second;
}

DeviceController::DeviceController(QObject* parent)
    : DeviceController(ApplicationManager::instance(), parent) {}

DeviceController::DeviceController(ApplicationManager& manager, QObject* parent)
    : QObject(parent), manager_(manager) {}

int DeviceController::productType() const {
    return descriptor_ ? static_cast<int>(descriptor_->type()) : 0;
}

int DeviceController::modelType() const {
    return descriptor_ ? static_cast<int>(descriptor_->model()) : 0;
}

int DeviceController::batteryLevel() const {
    return realDevice_ ? realDevice_->batteryLevel() : -1;
}

bool DeviceController::isConfiguration() const {
    return !realDevice_ && descriptor_ && descriptor_->isValid();
}

QString DeviceController::serial() const {
    return realDevice_ ? QString::fromStdString(realDevice_->bindingIdentifier()) : QString();
}

QQmlListProperty<ProfileController> DeviceController::availableProfiles() {
    return QQmlListProperty<ProfileController>(this, nullptr, &profileCount, &profileAt);
}

qsizetype DeviceController::profileCount(QQmlListProperty<ProfileController>* list) {
    const auto* owner = qobject_cast<DeviceController*>(list->object);
    return owner ? static_cast<qsizetype>(owner->profiles_.size()) : 0;
}

ProfileController* DeviceController::profileAt(QQmlListProperty<ProfileController>* list,
                                               qsizetype index) {
    const auto* owner = qobject_cast<DeviceController*>(list->object);
    if (!owner || index < 0 || index >= profileCount(list)) {
        return nullptr;
    }
    ProfileController* profile = owner->profiles_[static_cast<size_t>(index)].get();
    QQmlEngine::setObjectOwnership(profile, QQmlEngine::CppOwnership);
    return profile;
}

QStringList DeviceController::profilesNamesWithoutSelected() const {
    QStringList names = profilesNames_;
    if (selectedProfile_) {
        names.removeOne(selectedProfile_->name());
    }
    return names;
}

ProfileController* DeviceController::selectedProfileController() const {
    if (selectedProfile_) {
        QQmlEngine::setObjectOwnership(selectedProfile_.get(), QQmlEngine::CppOwnership);
    }
    return selectedProfile_.get();
}

QString DeviceController::selectedProfileKey() const {
    return selectedProfile_ ? selectedProfile_->profileKey() : QString();
}

bool DeviceController::isValid() const {
    return descriptor_ && descriptor_->isValid();
}

void DeviceController::setCurrentProgramContext(const QString& programContext) {
    if (programContext == programContext_) {
        return;
    }
    programContext_ = programContext;
    rebuildSelectedButtons();
}

void DeviceController::setDescriptor(std::shared_ptr<DeviceDescriptor> descriptor) {
    if (descriptor_) {
        disconnect(descriptor_.get(), nullptr, this, nullptr);
    }
    descriptor_ = std::move(descriptor);
    if (descriptor_) {
        connect(descriptor_.get(), &DeviceDescriptor::prefsUpdate, this,
                &DeviceController::selectBoundProfile, Qt::QueuedConnection);
    }
}

void DeviceController::setOwner(ApplicationController* owner) {
    owner_ = owner;
    connect(owner, &ApplicationController::prefsUpdated, this, &DeviceController::rebuildProfiles,
            Qt::QueuedConnection);
    connect(owner, &ApplicationController::selectedProductUpdated, this,
            &DeviceController::selectBoundProfile, Qt::QueuedConnection);
    rebuildProfiles();
}

void DeviceController::updateRealDevices(const Descriptors& devices) {
    if (!descriptor_) {
        return;
    }
    realDevices_.clear();
    for (const auto& device : devices) {
        if (device && device->isValid() && device->isRealDevice() &&
            device->model() == descriptor_->model()) {
            realDevices_.push_back(device);
        }
    }
    const std::shared_ptr<DeviceDescriptor> current =
        realDevices_.empty() ? nullptr : realDevices_.front();
    if (current != realDevice_) {
        disconnect(realDeviceConnection_);
        realDevice_ = current;
        if (realDevice_) {
            realDeviceConnection_ =
                connect(realDevice_.get(), &DeviceDescriptor::deviceInfoUpdated, this,
                        &DeviceController::generalInfoUpdated, Qt::QueuedConnection);
            emit generalInfoUpdated();
        }
    }
    emit realProductDescriptorsUpdated();
}

void DeviceController::addProfile(const QString& name) {
    if (!descriptor_) {
        return;
    }
    auto profile = std::make_shared<ProfilePreference>(descriptor_->type(), descriptor_->model());
    profile->setName(name.toStdString());
    announceEdit(manager_.ipcManager(), manager_.preferencesStore().addProfile(profile, true));
}

void DeviceController::setActiveProfile(const QString& key) {
    if (!descriptor_) {
        return;
    }
    selectProfile(key, false);
    PreferencesStore& store = manager_.preferencesStore();
    const std::string id = deviceId();
    announceEdit(manager_.ipcManager(), store.setProfileBind(id, key.toStdString(), true));
    // Binding does not notify: without this the buttons would be built from the previous
    // profile's actions, and every edit would land in that profile.
    descriptor_->updateConfiguration(store.profileForDevice(id, descriptor_->model()));
    rebuildSelectedButtons();
    emit selectedProfileControllerChanged();
}

void DeviceController::selectProfile(const QString& key, bool emitChange) {
    for (const auto& profile : profiles_) {
        profile->setSelected(false);
    }
    QString wanted = key;
    if (wanted.isEmpty() && descriptor_) {
        const auto bound =
            manager_.preferencesStore().profileForDevice(deviceId(), descriptor_->model());
        wanted = bound ? QString::fromStdString(bound->key()) : QString();
    }
    for (const auto& profile : profiles_) {
        if (!wanted.isEmpty() && profile->profileKey() == wanted) {
            selectedProfile_ = profile;
            profile->setSelected(true);
            if (emitChange) {
                emit selectedProfileControllerChanged();
            }
            return;
        }
    }
}

void DeviceController::selectBoundProfile() {
    selectProfile(QString(), true);
    rebuildSelectedButtons();
}

std::string DeviceController::deviceId() const {
    const auto& device = realDevice_ ? realDevice_ : descriptor_;
    return device ? device->bindingIdentifier() : std::string();
}

std::string DeviceController::realDeviceId() const {
    return realDevice_ ? realDevice_->serial() : std::string();
}

std::string DeviceController::modelCode() const {
    const auto& device = realDevice_ ? realDevice_ : descriptor_;
    return device ? deviceModelCode(static_cast<int32_t>(device->model())) : std::string();
}

int DeviceController::sortKey() const {
    return modelSortRank(descriptor_ ? descriptor_->model() : 0) -
           100 * static_cast<int>(realDevices_.size());
}

void DeviceController::rebuildProfiles() {
    if (!owner_ || !descriptor_) {
        return;
    }
    profiles_ = owner_->profileControllersFor(descriptor_->type(), descriptor_->model());
    profilesNames_.clear();
    for (const auto& profile : profiles_) {
        profilesNames_.append(profile->name());
    }
    // The previous selection may be a profile that is gone.
    selectedProfile_.reset();
    selectProfile(QString(), true);
    rebuildSelectedButtons();
    emit availableProfilesUpdated();
}

void DeviceController::rebuildSelectedButtons() {
    if (!descriptor_ || !selectedProfile_) {
        return;
    }
    const std::string path = manager_.preferencesStore()
                                 .applicationContextConfiguration(programContext_.toStdString())
                                 .programContextPath();
    const ControlActionMap actions = descriptor_->configurationFor(path);
    const DeviceController* shown = owner_ ? owner_->selectedDevice() : nullptr;
    if (!actions.empty() && (shown == nullptr || shown == this)) {
        selectedProfile_->rebuild(actions, path);
    }
}
