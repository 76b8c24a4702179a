#include "ui/cloud/UpdatesManager.h"

#include <memory>

#include "ui/cloud/HttpRequestManager.h"

UpdatesManager& UpdatesManager::instance() {
    static UpdatesManager manager(HttpRequestManager::instance());
    // Request workers call into the procedures: they must be stopped before this manager goes.
    static const bool requestsStopFirst = (HttpRequestManager::stopBeforeExit(), true);
    static_cast<void>(requestsStopFirst);
    return manager;
}

UpdatesManager::UpdatesManager(HttpRequestManager& requests) : requests_(requests) {}

void UpdatesManager::checkForUpdates(const std::string& currentVersion, const std::string& platform,
                                     const std::string& buildNo, bool force) {
    // Configured before it is queued, so that no procedure lock is ever taken under the
    // manager's.
    auto procedure =
        std::make_unique<UpdateProcedure>(requests_, currentVersion, platform, buildNo);
    procedure->setDownloadPermission(downloadPermission_.load());
    procedure->setInstallPermission(installPermission_.load());
    procedure->setForce(force);
    enqueue(std::move(procedure));
}

void UpdatesManager::setDownloadPermission(bool allowed) {
    downloadPermission_.store(allowed);
}

void UpdatesManager::setInstallPermission(bool allowed) {
    installPermission_.store(allowed);
}
