#pragma once

#include <functional>
#include <string>

#include "ui/cloud/ConfigSyncManagerNotifyInterface.h"
#include "ui/cloud/ConfigSyncProcedure.h"
#include "ui/cloud/ProcedureManager.h"
#include "ui/cloud/UserConfigModel.h"

class HttpRequestManager;

// Runs the configuration syncs one after the other and relays the current one's states to its
// subscribers (the sync controller). Only a signed-in user with sync allowed may start one.
class ConfigSyncManager
    : public ProcedureManager<ConfigSyncProcedure, ConfigSyncManagerNotifyInterface> {
public:
    // Whether a sync may start now (signed in and allowed).
    using Permission = std::function<bool()>;

    static ConfigSyncManager& instance();

    ConfigSyncManager(HttpRequestManager& requests, Permission permission,
                      ConfigSyncProcedure::Environment environment);

    // A new sync, started at once unless another still runs. Refused (logged) when not
    // permitted. With skipQuestion an identical cloud copy ends in 13 instead of 18.
    void startSync(bool skipQuestion);
    // The current sync's cloud configuration; empty when there is none or it is unusable.
    void userConfig(UserConfigModel& out);

    void setPermission(Permission permission);
    void setEnvironment(ConfigSyncProcedure::Environment environment);

private:
    HttpRequestManager& requests_;
    std::mutex settingsMutex_;
    Permission permission_;
    ConfigSyncProcedure::Environment environment_;
};
