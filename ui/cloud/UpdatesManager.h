#pragma once

#include <atomic>
#include <string>

#include "ui/cloud/ProcedureManager.h"
#include "ui/cloud/UpdateManagerNotifyInterface.h"
#include "ui/cloud/UpdateProcedure.h"

class HttpRequestManager;

// Runs the software update checks one after the other and relays the current one's states to
// its subscribers (the update controller). No sign-in is needed.
class UpdatesManager : public ProcedureManager<UpdateProcedure, UpdateManagerNotifyInterface> {
public:
    static UpdatesManager& instance();

    explicit UpdatesManager(HttpRequestManager& requests);

    // A new check, started at once unless another still runs. platform is the name the service
    // files installers under ("Linux" here).
    void checkForUpdates(const std::string& currentVersion, const std::string& platform,
                         const std::string& buildNo, bool force);
    // For checks started later: download, or install, without asking.
    void setDownloadPermission(bool allowed);
    void setInstallPermission(bool allowed);

private:
    HttpRequestManager& requests_;
    std::atomic<bool> downloadPermission_{false};
    std::atomic<bool> installPermission_{false};
};
