#include "ui/cloud/ConfigSyncManager.h"

#include <memory>

#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/LogManager.h"
#include "ui/cloud/HttpRequestManager.h"

ConfigSyncManager& ConfigSyncManager::instance() {
    // No sync starts until the program says who is signed in and what a sync works on.
    static ConfigSyncManager manager(HttpRequestManager::instance(), {}, {});
    // Request workers call into the procedures: they must be stopped before this manager goes.
    static const bool requestsStopFirst = (HttpRequestManager::stopBeforeExit(), true);
    static_cast<void>(requestsStopFirst);
    return manager;
}

ConfigSyncManager::ConfigSyncManager(HttpRequestManager& requests, Permission permission,
                                     ConfigSyncProcedure::Environment environment)
    : requests_(requests),
      permission_(std::move(permission)),
      environment_(std::move(environment)) {}

void ConfigSyncManager::setPermission(Permission permission) {
    std::lock_guard guard(settingsMutex_);
    permission_ = std::move(permission);
}

void ConfigSyncManager::setEnvironment(ConfigSyncProcedure::Environment environment) {
    std::lock_guard guard(settingsMutex_);
    environment_ = std::move(environment);
}

void ConfigSyncManager::startSync(bool skipQuestion) {
    Permission permission;
    ConfigSyncProcedure::Environment environment;
    {
        std::lock_guard guard(settingsMutex_);
        permission = permission_;
        environment = environment_;
    }
    if (!permission || !permission() ||
        !ApplicationSettings::instance().softwareConfigSyncPermission()) {
        LogManager::instance().log('E', "User is not authenticated or auto sync is not allowed");
        return;
    }
    // Configured before it is queued, so that no procedure lock is ever taken under the
    // manager's.
    auto procedure = std::make_unique<ConfigSyncProcedure>(requests_);
    procedure->setConfigVersion(environment.configVersion ? environment.configVersion() : -1);
    procedure->setPlatform(environment.platform);
    procedure->setSoftwareVersion(environment.softwareVersion);
    procedure->setSkipQuestion(skipQuestion);
    procedure->setActions(environment.installed, environment.resetPreferences,
                          environment.onStoreThread);
    enqueue(std::move(procedure));
}

void ConfigSyncManager::userConfig(UserConfigModel& out) {
    out = UserConfigModel();
    // The model is written under the procedure's lock by a worker that then takes the
    // manager's, so it is read outside the manager's lock, under a guard.
    withCurrent([&out](ConfigSyncProcedure& procedure) {
        if (const std::shared_ptr<UserConfigModel> model = procedure.userConfig()) {
            out = *model;
        }
    });
}
