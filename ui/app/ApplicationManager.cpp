#include "ui/app/ApplicationManager.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <utility>

#include "platform/SyslogEventLog.h"
#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/Paths.h"
#include "shared/prefs/PreferencesStore.h"
#include "ui/app/CommandLineManager.h"
#include "ui/app/DevicesManager.h"
#include "ui/app/IPCManager.h"
#include "ui/app/LocalizationManager.h"
#include "ui/app/PlatformInfo.h"
#include "ui/cloud/AuthenticationManager.h"
#include "ui/cloud/ConfigSyncManager.h"
#include "ui/cloud/HttpRequestManager.h"
#include "ui/cloud/UpdatesManager.h"

namespace {

// The log and the store must outlive the manager: descriptors unsubscribe from the store
// and the link thread may log until it is joined. Statics die in reverse order of their
// construction, so taking both here, first, keeps them alive past the manager.
PreferencesStore& storeAfterLog() {
    LogManager::instance();
    return PreferencesStore::instance();
}

// The cloud services take their addresses from the settings' cloud environment when they
// are first taken, which the manager does as it is built: the settings folder is found and
// the file read before that.
ApplicationSettings& loadedSettings() {
    initializeGlobals();
    ApplicationSettings& settings = ApplicationSettings::instance();
    settings.load();
    return settings;
}

}  // namespace

ApplicationManager& ApplicationManager::instance() {
    static ApplicationManager manager;
    return manager;
}

ApplicationManager::ApplicationManager(SteadyClock clock)
    : clock_(std::move(clock)),
      startTime_(clock_()),
      store_(storeAfterLog()),
      settings_(loadedSettings()),
      devicesManager_(std::make_shared<DevicesManager>(store_)),
      ipcManager_(std::make_shared<IPCManager>(devicesManager_, store_)),
      commandLineManager_(std::make_shared<CommandLineManager>(std::make_shared<SyslogEventLog>())),
      localizationManager_(std::make_shared<LocalizationManager>(settings_)),
      authenticationManager_(&AuthenticationManager::instance(), [](AuthenticationManager*) {}),
      updatesManager_(&UpdatesManager::instance()),
      configSyncManager_(&ConfigSyncManager::instance()) {
    LogManager::instance().setLogDirectory(settings_.logDir());
    LogManager::instance().setEnabled(settings_.enableLogging());
}

ApplicationManager::~ApplicationManager() {
    stop();
}

ApplicationSettings& ApplicationManager::settings() const {
    return settings_;
}

PreferencesStore& ApplicationManager::preferencesStore() const {
    return store_;
}

int64_t ApplicationManager::uptime() const {
    return std::chrono::duration_cast<std::chrono::seconds>(clock_() - startTime_).count();
}

bool ApplicationManager::start() {
    // The language first: the window words what the preferences' load tells it (a damaged
    // file's alert) as it is told, and a text once shown is not translated again.
    localizationManager_->init(commandLineManager_->language());
    store_.load();
    const bool linked = ipcManager_->start();
    devicesManager_->start(*ipcManager_);
    OAuthFlowSettings signIn = OAuthFlowSettings::fromEnvironment();
    signIn.bringToFront = [] { PlatformInfo::instance().bringToFront(); };
    authenticationManager_->init(std::move(signIn));
    connectSync();
    updatesManager_->setDownloadPermission(settings_.downloadPermission());
    updatesManager_->setInstallPermission(settings_.installPermission());
    return linked;
}

void ApplicationManager::connectSync() {
    AuthenticationManager* auth = authenticationManager_.get();
    HttpRequestManager::instance().setAccessTokenSource([auth] { return auth->tokenForRequest(); },
                                                        [auth] { auth->stopRenewals(); });
    configSyncManager_->setPermission([auth] { return auth->isAuthenticated(); });
    // The sync manager outlives this one: what it posts must find the agent link gone.
    std::weak_ptr<IPCManager> link = ipcManager_;
    PreferencesStore* store = &store_;
    const auto onMainThread = [](std::function<void()> work) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work),
                                  Qt::QueuedConnection);
    };
    configSyncManager_->setEnvironment(
        {PlatformInfo::platformName(), settings_.versionString(),
         [store] { return store->configVersion(); },
         [store, link] {
             // The store takes a whole new document only after this reload.
             store->reload(false);
             store->load();
             announcePreferences(link);
         },
         [onMainThread, store, link] {
             onMainThread([store, link] { announceEdit(link, store->reload(true)); });
         },
         // The window saves its edits on the main thread.
         onMainThread});
}

void ApplicationManager::stop() {
    ipcManager_->stop();
}

bool ApplicationManager::armStartupRetry() {
    return !std::exchange(startupRetryArmed_, true);
}

void ApplicationManager::onUiCompleted() {
    if (updatesManager_ != nullptr && !commandLineManager_->updateComplete() &&
        settings_.softwareCheckForUpdatesPermission()) {
        updatesManager_->checkForUpdates(settings_.versionString(), PlatformInfo::platformName(),
                                         settings_.buildString(), false);
    }
    if (authenticationManager_) {
        authenticationManager_->login();
    }
}
