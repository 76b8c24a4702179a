#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

class ApplicationSettings;
class AuthenticationManager;
class CommandLineManager;
class ConfigSyncManager;
class DevicesManager;
class IPCManager;
class LocalizationManager;
class PreferencesStore;
class UpdatesManager;

// The configuration program's process-wide owner of its managers. Controllers reach every
// manager through it. Everything here runs on the main thread.
class ApplicationManager {
public:
    using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;

    static ApplicationManager& instance();

    // Public for tests, which give it a clock of their own; the program uses instance().
    // Sets up the settings, program and cache folders and reads the settings file.
    explicit ApplicationManager(SteadyClock clock = std::chrono::steady_clock::now);
    // Ends the agent link before any manager goes.
    ~ApplicationManager();
    ApplicationManager(const ApplicationManager&) = delete;
    ApplicationManager& operator=(const ApplicationManager&) = delete;

    ApplicationSettings& settings() const;
    PreferencesStore& preferencesStore() const;
    std::shared_ptr<DevicesManager> devicesManager() const { return devicesManager_; }
    std::shared_ptr<IPCManager> ipcManager() const { return ipcManager_; }
    std::shared_ptr<CommandLineManager> commandLineManager() const { return commandLineManager_; }
    std::shared_ptr<LocalizationManager> localizationManager() const {
        return localizationManager_;
    }
    // Process-wide and not owned: the pointer deletes nothing.
    std::shared_ptr<AuthenticationManager> authenticationManager() const {
        return authenticationManager_;
    }
    UpdatesManager* updatesManager() const { return updatesManager_; }
    ConfigSyncManager* configSyncManager() const { return configSyncManager_; }

    // Whole seconds since the manager was created, on a clock that never steps.
    int64_t uptime() const;

    // After the main document is loaded: applies the language, loads the preferences, starts
    // the agent link, publishes the placeholders, sets up the sign-in (which loads the stored
    // one) and passes the update permissions on. Whether the link started.
    bool start();
    // After the event loop: ends the agent link, whose thread hands frames to the managers.
    void stop();
    // True the first time only: the start-up selection retries once per process.
    bool armStartupRetry();
    // When the window has completed: the update check (when allowed) and the silent sign-in.
    void onUiCompleted();

private:
    // The sync's view of the program: who may sync, and how a new configuration reaches the
    // store and the agent (on the main thread).
    void connectSync();

    SteadyClock clock_;
    std::chrono::steady_clock::time_point startTime_;
    // Taken first, so that they outlive everything below.
    PreferencesStore& store_;
    ApplicationSettings& settings_;
    std::shared_ptr<DevicesManager> devicesManager_;
    std::shared_ptr<IPCManager> ipcManager_;
    std::shared_ptr<CommandLineManager> commandLineManager_;
    std::shared_ptr<LocalizationManager> localizationManager_;
    bool startupRetryArmed_ = false;
    std::shared_ptr<AuthenticationManager> authenticationManager_;
    UpdatesManager* updatesManager_;
    ConfigSyncManager* configSyncManager_;
};
