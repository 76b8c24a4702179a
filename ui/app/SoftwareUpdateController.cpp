#include "ui/app/SoftwareUpdateController.h"

#include "shared/prefs/ApplicationSettings.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/PlatformInfo.h"
#include "ui/cloud/UpdatesManager.h"

SoftwareUpdateController::SoftwareUpdateController(QObject* parent)
    : SoftwareUpdateController(*ApplicationManager::instance().updatesManager(),
                               ApplicationManager::instance().settings(), parent) {}

SoftwareUpdateController::SoftwareUpdateController(UpdatesManager& updates,
                                                   ApplicationSettings& settings, QObject* parent)
    : QObject(parent), updates_(updates), settings_(settings) {
    connect(this, &SoftwareUpdateController::internalUpdateProcessStateUpdated, this,
            &SoftwareUpdateController::updateProcessStateUpdated, Qt::QueuedConnection);
    updates_.subscribe(this);
}

SoftwareUpdateController::~SoftwareUpdateController() {
    updates_.unsubscribe(this);
}

void SoftwareUpdateController::checkForSoftwareUpdates() {
    updates_.checkForUpdates(settings_.versionString(), PlatformInfo::platformName(),
                             settings_.buildString(), true);
}

void SoftwareUpdateController::userResponseOnDownload(int accept) {
    updates_.userResponse(accept != 0);
}

void SoftwareUpdateController::userResponseOnInstall(int accept) {
    updates_.userResponse(accept != 0);
}

void SoftwareUpdateController::abortSoftwareUpdate() {
    updates_.abort();
}

void SoftwareUpdateController::onStateChanged(uint32_t state, int32_t value) {
    emit internalUpdateProcessStateUpdated(static_cast<int>(state), value);
}
