#include "ui/app/ConfigSyncController.h"

#include "ui/app/ApplicationManager.h"
#include "ui/cloud/ConfigSyncManager.h"
#include "ui/cloud/UserConfigModel.h"

QString ConfigSyncController::displayDate(const QString& cloudDate) {
    QString date = cloudDate.section('.', 0, 0);
    const auto separator = date.indexOf('T');
    if (separator >= 0) {
        date[separator] = ' ';
    }
    return date;
}

ConfigSyncController::ConfigSyncController(QObject* parent)
    : ConfigSyncController(*ApplicationManager::instance().configSyncManager(), parent) {}

ConfigSyncController::ConfigSyncController(ConfigSyncManager& sync, QObject* parent)
    : QObject(parent), sync_(sync) {
    connect(this, &ConfigSyncController::internalUpdateProcessStateUpdated, this,
            &ConfigSyncController::syncProcessStateUpdate, Qt::QueuedConnection);
    sync_.subscribe(this);
}

ConfigSyncController::~ConfigSyncController() {
    sync_.unsubscribe(this);
}

QString ConfigSyncController::configVersion() const {
    UserConfigModel config;
    sync_.userConfig(config);
    return QString::number(config.configVersion);
}

QString ConfigSyncController::lastUpdateDate() const {
    UserConfigModel config;
    sync_.userConfig(config);
    return displayDate(QString::fromStdString(config.lastUpdateDate));
}

void ConfigSyncController::startSync(bool skipQuestion) {
    sync_.startSync(skipQuestion);
}

void ConfigSyncController::userResponseOnSync(int accept) {
    answer(accept);
}

void ConfigSyncController::userResponseOnUpload(int accept) {
    answer(accept);
}

void ConfigSyncController::userResponseOnRepairConfig(int accept) {
    answer(accept);
}

void ConfigSyncController::userResponseOnResetConfig(int accept) {
    answer(accept);
}

void ConfigSyncController::abortSynchronization() {
    sync_.abort();
}

void ConfigSyncController::onStateChanged(uint32_t state, int32_t value) {
    emit internalUpdateProcessStateUpdated(static_cast<int>(state), value);
}

void ConfigSyncController::answer(int accept) {
    sync_.userResponse(accept != 0);
}
