#pragma once

#include <QObject>
#include <QQmlListProperty>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "shared/prefs/PreferencesUpdateSubscriber.h"
#include "ui/app/AlertsController.h"
#include "ui/app/AuthController.h"
#include "ui/app/ConfigSyncController.h"
#include "ui/app/DeviceController.h"
#include "ui/app/MacroController.h"
#include "ui/app/ProfileController.h"

class ApplicationManager;

// The main window's view model: the product bar's device controllers and the selection,
// the profile and macro controllers, the application contexts, the settings, and the
// preference edits the window makes.
class ApplicationController : public QObject, public PreferencesUpdateSubscriber {
    Q_OBJECT
    Q_PROPERTY(QQmlListProperty<DeviceController> listDeviceControllers READ listDeviceControllers
                   NOTIFY listDeviceControllersUpdated)
    Q_PROPERTY(DeviceController* selectedDeviceController READ selectedDeviceController WRITE
                   setSelectedDeviceController NOTIFY selectedProductUpdated)
    Q_PROPERTY(
        AlertsController* alertsController READ alertsController NOTIFY alertsControllerUpdated)
    Q_PROPERTY(QStringList listMacroNames READ listMacroNames NOTIFY listMacroControllersUpdated)
    Q_PROPERTY(int listMacroNameIndex READ listMacroNameIndex WRITE setListMacroNameIndex NOTIFY
                   listMacroNameIndexUpdated)
    Q_PROPERTY(int selectedProductModel READ selectedProductModel NOTIFY selectedProductUpdated)
    Q_PROPERTY(int selectedProductIndex READ selectedProductIndex NOTIFY selectedProductUpdated)
    Q_PROPERTY(QStringList appContextList READ appContextList NOTIFY prefsUpdated)
    Q_PROPERTY(QString selectedAppContext READ selectedAppContext WRITE setSelectedAppContext NOTIFY
                   selectedAppContextUpdated)
    Q_PROPERTY(
        int indexSelectedAppContext READ indexSelectedAppContext NOTIFY selectedAppContextUpdated)
    Q_PROPERTY(int countConnectedDevices READ countConnectedDevices NOTIFY connectedDevicesUpdated)
    Q_PROPERTY(int selectedTab READ selectedTab WRITE setSelectedTab NOTIFY selectedTabUpdated)
    Q_PROPERTY(QString appVersion READ appVersion NOTIFY appVersionChanged)
    Q_PROPERTY(QString buildVersion READ buildVersion NOTIFY buildVersionChanged)
    Q_PROPERTY(bool downloadPermission READ downloadPermission WRITE setDownloadPermission NOTIFY
                   downloadPermissionUpdated)
    Q_PROPERTY(bool installPermission READ installPermission WRITE setInstallPermission NOTIFY
                   installPermissionUpdated)
    Q_PROPERTY(bool configSyncPermission READ configSyncPermission WRITE setConfigSyncPermission
                   NOTIFY configSyncPermissionUpdated)
    Q_PROPERTY(bool checkUpdatesPermission READ checkUpdatesPermission WRITE
                   setCheckUpdatesPermission NOTIFY checkUpdatesUpdated)
    Q_PROPERTY(int checkUpdatesInterval READ checkUpdatesInterval WRITE setCheckUpdatesInterval
                   NOTIFY checkUpdatesIntervalUpdated)
    Q_PROPERTY(QStringList checkUpdatesIntervals READ checkUpdatesIntervals NOTIFY
                   checkUpdatesIntervalsUpdated)
    Q_PROPERTY(QStringList checkNotificationsIntervals READ checkNotificationsIntervals NOTIFY
                   checkNotificationsIntervalsUpdated)
    Q_PROPERTY(
        int checkForNotificationsIntervalIndex READ checkForNotificationsIntervalIndex WRITE
            setCheckForNotificationsIntervalIndex NOTIFY checkNotificationsIntervalIndexUpdated)
    Q_PROPERTY(QString cloudEnvironment READ cloudEnvironment NOTIFY cloudEnvironmentUpdated)
    Q_PROPERTY(AuthController* authController READ authController NOTIFY authControllerChanged)
    Q_PROPERTY(ConfigSyncController* configSyncController READ configSyncController NOTIFY
                   configSyncControllerChanged)
    Q_PROPERTY(int currentUiThemeIndex READ currentUiThemeIndex WRITE setCurrentUiThemeIndex NOTIFY
                   currentThemeIndexChanged)

public:
    // The reasons addApplicationContextConfiguration gives, as bit numbers of its result.
    enum AppContextError {
        NameAlreadyExists = 1,
        ProgramPathAlreadyExists = 2,
    };
    Q_ENUM(AppContextError)

    // On the application manager of the process.
    explicit ApplicationController(QObject* parent = nullptr);
    explicit ApplicationController(ApplicationManager& manager, QObject* parent = nullptr);
    ~ApplicationController() override;

    QQmlListProperty<DeviceController> listDeviceControllers();
    DeviceController* selectedDeviceController() const;
    void setSelectedDeviceController(DeviceController* controller);
    AlertsController* alertsController() const;
    QStringList listMacroNames() const { return macroNames_; }
    int listMacroNameIndex() const { return macroNameIndex_; }
    void setListMacroNameIndex(int index);
    int selectedProductModel() const;
    int selectedProductIndex() const;
    QStringList appContextList() const { return appContextNames_; }
    QString selectedAppContext() const { return selectedAppContext_; }
    void setSelectedAppContext(const QString& context);
    int indexSelectedAppContext() const;
    int countConnectedDevices() const;
    int selectedTab() const { return selectedTab_; }
    void setSelectedTab(int tab);
    QString appVersion() const;
    QString buildVersion() const;
    bool downloadPermission() const;
    void setDownloadPermission(bool permission);
    bool installPermission() const;
    void setInstallPermission(bool permission);
    bool configSyncPermission() const;
    void setConfigSyncPermission(bool permission);
    bool checkUpdatesPermission() const;
    void setCheckUpdatesPermission(bool permission);
    int checkUpdatesInterval() const;
    void setCheckUpdatesInterval(int index);
    QStringList checkUpdatesIntervals() const;
    QStringList checkNotificationsIntervals() const;
    // Notifications are not polled on this platform: the index stays 0.
    int checkForNotificationsIntervalIndex() const { return 0; }
    void setCheckForNotificationsIntervalIndex(int /*index*/) {}
    QString cloudEnvironment() const;
    AuthController* authController() const;
    ConfigSyncController* configSyncController() const;
    int currentUiThemeIndex() const;
    void setCurrentUiThemeIndex(int theme);

    Q_INVOKABLE MacroController* getMacroController(const QString& controllerName);
    Q_INVOKABLE void setSelectedProductByType(int modelType);
    Q_INVOKABLE void uiIsCompleted();
    // Nothing to open on this platform.
    Q_INVOKABLE void showSecurityAndPrivacy() {}
    Q_INVOKABLE void clearAllPreferences();
    Q_INVOKABLE QString getKeyStrFromQtKeyCode(int keyCode) const;
    Q_INVOKABLE void forceUpdatePrefs();
    Q_INVOKABLE void addMacro(const QString& macroName);
    Q_INVOKABLE void renameMacro(const QString& oldMacroName, const QString& macroName);
    Q_INVOKABLE void deleteMacro(const QString& macroName);
    Q_INVOKABLE int addApplicationContextConfiguration(const QString& configName,
                                                       const QString& appPath);
    Q_INVOKABLE void deleteConfiguration(const QString& configName);
    Q_INVOKABLE void addProfile(const QString& profileName);
    Q_INVOKABLE void setActiveProfile(const QString& key);
    Q_INVOKABLE void renameProfile(const QString& key, const QString& profileName);
    // The model's default profile is never deleted: devices fall back on it.
    Q_INVOKABLE void deleteProfile(const QString& key);

    // For the device controllers.
    std::vector<std::shared_ptr<ProfileController>> profileControllersFor(uint32_t deviceType,
                                                                          uint32_t deviceModel);
    DeviceController* selectedDevice() const { return selected_; }

    // Called by the store on the main thread, where the agent link hands its reloads.
    void onPreferencesUpdated() override;
    void onPreferencesNotSaved(const SaveResult& failure) override;

    bool selectDeviceById(const std::string& deviceId);
    void onConfigurationDevicesUpdated();
    void onConnectedDevicesUpdated();
    void onNewConnectedDevice(int model);
    void onUpdateMacros();
    void onUpdateProfiles();

signals:
    void listDeviceControllersUpdated();
    void listMacroControllersUpdated();
    void listMacroNameIndexUpdated();
    void selectedProductUpdated();
    void connectedDevicesUpdated();
    void showSecurityAndPrivacyMessage();
    void showMoveAppMessage();
    void scrollToSelectedDeviceModel();
    void selectedTabUpdated();
    void appVersionChanged();
    void buildVersionChanged();
    void softwareUpdateCompleted();
    void cloudEnvironmentUpdated();
    void authControllerChanged();
    void alertsControllerUpdated();
    void configSyncControllerChanged();
    void selectedAppContextUpdated();
    void updateMacrosEvent();
    void updateProfilesEvent();
    void prefsUpdated();
    void downloadPermissionUpdated();
    void installPermissionUpdated();
    void checkNotificationsIntervalsUpdated();
    void checkNotificationsIntervalIndexUpdated();
    void configSyncPermissionUpdated();
    void checkUpdatesUpdated();
    void checkUpdatesIntervalsUpdated();
    void checkUpdatesIntervalUpdated();
    void currentThemeIndexChanged();
    // The default preference file could not be used; it is set aside as keptAs.
    void preferencesDamaged(const QString& keptAs);
    // A change could not be saved to file: cause is a SaveResult::Cause, reason the system's
    // words for it. The store holds the change until a save holds.
    void preferencesNotSaved(const QString& file, int cause, const QString& reason);

private:
    static qsizetype deviceCount(QQmlListProperty<DeviceController>* list);
    static DeviceController* deviceAt(QQmlListProperty<DeviceController>* list, qsizetype index);
    static void clearDevices(QQmlListProperty<DeviceController>* list);

    void connectSignals();
    // Deletes every device controller, the selection first.
    void deleteDeviceControllers();
    bool isPlaceholder(const DeviceController* controller) const;
    std::string displayKey(const DeviceController* controller) const;
    DeviceController* newDeviceController(const std::shared_ptr<DeviceDescriptor>& device);
    // Makes the controller the selection and shows it in the selected context.
    void select(DeviceController* controller);

    ApplicationManager& manager_;
    std::shared_ptr<AlertsController> alertsController_;
    std::vector<DeviceController*> deviceControllers_;
    std::vector<DeviceController*> placeholderControllers_;
    DeviceController* selected_ = nullptr;
    std::unique_ptr<AuthController> authController_;
    std::unique_ptr<ConfigSyncController> configSyncController_;
    std::vector<std::shared_ptr<ProfileController>> profileControllers_;
    std::vector<std::shared_ptr<MacroController>> macroControllers_;
    QStringList macroNames_;
    QString pendingMacroName_;
    int macroNameIndex_ = 0;
    // Guards the profile and macro controller lists. No signal is emitted while it is held.
    std::mutex controllerLock_;
    QStringList appContextNames_;
    QString selectedAppContext_;
    int selectedTab_ = 0;
    bool startupSelectionMade_ = false;
    // The damaged file last told of, so that the user hears of each one once.
    QString damagedFileToldOf_;
};
