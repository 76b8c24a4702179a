#include "ui/app/ApplicationManager.h"

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

namespace {

// The log and the store must outlive the manager: descriptors unsubscribe from the store
// and the link thread may log until it is joined. Statics die in reverse order of their
// construction, so taking both here, first, keeps them alive past the manager.
PreferencesStore& storeAfterLog() {
    LogManager::instance();
    return PreferencesStore::instance();
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
      settings_(ApplicationSettings::instance()),
      devicesManager_(std::make_shared<DevicesManager>(store_)),
      ipcManager_(std::make_shared<IPCManager>(devicesManager_, store_)),
      commandLineManager_(std::make_shared<CommandLineManager>(std::make_shared<SyslogEventLog>())),
      localizationManager_(std::make_shared<LocalizationManager>(settings_)) {
    initializeGlobals();
    settings_.load();
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
    store_.load();
    const bool linked = ipcManager_->start();
    devicesManager_->start(*ipcManager_);
    localizationManager_->init(commandLineManager_->language());
    return linked;
}

void ApplicationManager::stop() {
    ipcManager_->stop();
}

bool ApplicationManager::armStartupRetry() {
    return !std::exchange(startupRetryArmed_, true);
}

void ApplicationManager::onUiCompleted() {
    // The first update check and the silent sign-in belong here; this program has neither
    // service, so a completed window starts nothing.
}
