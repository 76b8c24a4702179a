#include "ui/app/IPCManager.h"

#include <utility>

#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "shared/ipc/IPCSettingsUpdateMessage.h"
#include "shared/prefs/PreferencesStore.h"
#include "ui/app/DevicesManager.h"

namespace {

IPCPrefsUpdateMessage preferencesUpdate() {
    IPCPrefsUpdateMessage message;
    message.setText("{}");
    return message;
}

}  // namespace

IPCManager::IPCManager(std::weak_ptr<DevicesManager> devices, PreferencesStore& store,
                       QObject* parent)
    : QObject(parent), devices_(std::move(devices)), store_(store) {}

IPCManager::~IPCManager() {
    stop();
}

void IPCManager::requestConnectedDevices() {
    sendMessage(IPCMessage(IPCMessageType::RequestDevices));
}

void IPCManager::sendPreferencesUpdate() {
    sendMessage(preferencesUpdate());
}

void IPCManager::sendSettingsUpdate() {
    sendMessage(IPCSettingsUpdateMessage());
}

void IPCManager::onConnected() {
    requestConnectedDevices();
    sendPreferencesUpdate();
}

void IPCManager::onMessage(const uint8_t* bytes, size_t length) {
    IPCMessage header(0u);
    if (bytes == nullptr || length == 0 || !header.deserialize(bytes, length)) {
        return;
    }
    if (header.type() == static_cast<uint32_t>(IPCMessageType::ConnectedDevices)) {
        IPCResponseConnectedDevices list;
        if (list.deserialize(bytes, length)) {
            QMetaObject::invokeMethod(
                this, [this, devices = list.devices()] { applyConnectedDevices(devices); },
                Qt::QueuedConnection);
        }
    } else if (header.type() == static_cast<uint32_t>(IPCMessageType::PrefsUpdate)) {
        IPCPrefsUpdateMessage update;
        if (update.deserialize(bytes, length)) {
            QMetaObject::invokeMethod(
                this, [this] { reloadPreferences(); }, Qt::QueuedConnection);
        }
    }
}

void IPCManager::applyConnectedDevices(const std::vector<ConnectedDevice>& devices) {
    if (const auto manager = devices_.lock()) {
        manager->onConnectedDevices(devices);
    }
}

void IPCManager::reloadPreferences() {
    store_.reload(false);
    store_.load();
}

void announcePreferences(const std::weak_ptr<IPCManager>& link) {
    if (const std::shared_ptr<IPCManager> ipc = link.lock()) {
        ipc->sendPreferencesUpdate();
    }
}

void announceEdit(const std::weak_ptr<IPCManager>& link, const EditResult& edit) {
    if (edit.isSaved()) {
        announcePreferences(link);
    }
}
