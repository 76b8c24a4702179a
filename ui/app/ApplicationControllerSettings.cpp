// ApplicationController's application contexts, tabs and the proxies of the program's
// settings.
#include <algorithm>

#include "shared/prefs/ApplicationSettings.h"
#include "ui/app/ApplicationController.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/IPCManager.h"

void ApplicationController::setSelectedAppContext(const QString& context) {
    if (context == selectedAppContext_) {
        return;
    }
    selectedAppContext_ = context;
    if (selected_) {
        selected_->setCurrentProgramContext(context);
    }
    emit selectedAppContextUpdated();
}

int ApplicationController::indexSelectedAppContext() const {
    if (selectedAppContext_.isEmpty() || appContextNames_.isEmpty()) {
        return 0;
    }
    return static_cast<int>(appContextNames_.indexOf(selectedAppContext_)) + 1;
}

void ApplicationController::setSelectedTab(int tab) {
    selectedTab_ = tab;
    emit selectedTabUpdated();
}

QString ApplicationController::appVersion() const {
    return QString::fromStdString(manager_.settings().versionString());
}

QString ApplicationController::buildVersion() const {
    return QString::fromStdString(manager_.settings().buildString());
}

bool ApplicationController::downloadPermission() const {
    return manager_.settings().downloadPermission();
}

void ApplicationController::setDownloadPermission(bool permission) {
    if (permission != downloadPermission()) {
        manager_.settings().setDownloadPermission(permission);
        emit downloadPermissionUpdated();
    }
}

bool ApplicationController::installPermission() const {
    return manager_.settings().installPermission();
}

void ApplicationController::setInstallPermission(bool permission) {
    if (permission != installPermission()) {
        manager_.settings().setInstallPermission(permission);
        emit installPermissionUpdated();
    }
}

bool ApplicationController::configSyncPermission() const {
    return manager_.settings().softwareConfigSyncPermission();
}

void ApplicationController::setConfigSyncPermission(bool permission) {
    if (permission != configSyncPermission()) {
        manager_.settings().setSoftwareConfigSyncPermission(permission);
        emit configSyncPermissionUpdated();
    }
}

bool ApplicationController::checkUpdatesPermission() const {
    return manager_.settings().softwareCheckForUpdatesPermission();
}

void ApplicationController::setCheckUpdatesPermission(bool permission) {
    if (permission != checkUpdatesPermission()) {
        manager_.settings().setSoftwareCheckForUpdatesPermission(permission);
        manager_.ipcManager()->sendSettingsUpdate();
        emit checkUpdatesUpdated();
    }
}

int ApplicationController::checkUpdatesInterval() const {
    const std::vector<int32_t> intervals = manager_.settings().softwareCheckForUpdatesIntervals();
    const auto found = std::find(intervals.begin(), intervals.end(),
                                 manager_.settings().softwareCheckForUpdatesInterval());
    return found == intervals.end() ? 0 : static_cast<int>(found - intervals.begin());
}

void ApplicationController::setCheckUpdatesInterval(int index) {
    const std::vector<int32_t> intervals = manager_.settings().softwareCheckForUpdatesIntervals();
    if (index < 0 || index >= static_cast<int>(intervals.size())) {
        return;
    }
    const int32_t interval = intervals[static_cast<size_t>(index)];
    if (interval == manager_.settings().softwareCheckForUpdatesInterval()) {
        return;
    }
    manager_.settings().setSoftwareCheckForUpdatesInterval(interval);
    manager_.ipcManager()->sendSettingsUpdate();
    emit checkUpdatesIntervalUpdated();
}

QStringList ApplicationController::checkUpdatesIntervals() const {
    QStringList texts;
    for (const int32_t seconds : manager_.settings().softwareCheckForUpdatesIntervals()) {
        texts.append(QString("%1 h").arg(seconds / 3600));
    }
    return texts;
}

QStringList ApplicationController::checkNotificationsIntervals() const {
    QStringList texts;
    for (const int32_t seconds : manager_.settings().softwareCheckForNotificationsIntervals()) {
        texts.append(seconds == 0 ? QString("OFF") : QString("%1 min").arg(seconds / 60));
    }
    return texts;
}

QString ApplicationController::cloudEnvironment() const {
    switch (manager_.settings().cloudEnv()) {
        case 1:
            return "TEST";
        case 2:
            return "LOCAL";
        default:
            return "PROD";
    }
}

int ApplicationController::currentUiThemeIndex() const {
    return manager_.settings().uiTheme();
}

void ApplicationController::setCurrentUiThemeIndex(int theme) {
    if (manager_.settings().setUiTheme(theme)) {
        emit currentThemeIndexChanged();
    }
}
