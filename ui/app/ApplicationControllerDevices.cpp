// ApplicationController's device list: the product bar's controllers, placeholders and
// connected devices, and which of them is selected.
#include <QTimer>

#include <algorithm>
#include <map>
#include <set>

#include "ui/app/ApplicationController.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/CommandLineManager.h"
#include "ui/app/DeviceDescriptor.h"
#include "ui/app/DevicesManager.h"
#include "ui/app/QmlOwnership.h"

namespace {

// How long after start a newly reported device may take the selection.
constexpr int64_t kStartupSelectionSeconds = 6;

// A tile of a model without a picture (model 0) is shown but never selected.
bool isSelectable(const DeviceController* controller) {
    return controller != nullptr && (controller->modelType() == DeviceController::MultimediaMax ||
                                     controller->modelType() == DeviceController::MultimediaLite);
}

}  // namespace

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
