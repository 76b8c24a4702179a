#pragma once

#include <memory>
#include <string>

#include "agent/ForegroundWatcher.h"
#include "agent/TrayMenuModel.h"
#include "platform/DeviceDiscovery.h"
#include "platform/EventLoop.h"
#include "platform/HotplugMonitor.h"
#include "platform/InstanceLock.h"
#include "platform/InstanceNames.h"
#include "platform/StatusNotifierTrayIcon.h"
#include "platform/TrayIcon.h"
#include "shared/prefs/PreferencesUpdateSubscriber.h"

// The agent program around its engine: one instance per session, the controllers present
// at start and those that come and go, the notification-area icon with its menu, the
// configuration program's launch and the foreground watcher, all driven from one main loop.
//
// Device arrivals and removals, menu choices and menu rebuilds all run on the loop's
// thread, one at a time; other threads (the bus, the agent link, a device reader that
// found its device gone) only post to it.
class AgentShell : private PreferencesUpdateSubscriber, private ForegroundWatcher::Engine {
public:
    static constexpr const char* kAgentMutexName = kAgentInstanceName;
    static constexpr int kAlreadyRunningExitCode = -2;
    static constexpr int kStartFailedExitCode = -1;

    AgentShell();
    AgentShell(const AgentShell&) = delete;
    AgentShell& operator=(const AgentShell&) = delete;

    // The whole program: start-up, the main loop until "Exit", SIGTERM or SIGINT, and the
    // end with every thread joined. The process's exit code.
    int run();

private:
    // On whichever thread loaded the preferences.
    void onPreferencesUpdated() override;
    // On the watcher's thread.
    void setForegroundPath(const std::string& path) override;
    void rebuildBindings() override;

    void showTrayIcon();
    void followHotplug();
    void discoverDevices();
    void startServices();
    void onHotplugEvents();
    // True when the engine took the controller.
    bool addController(const DeviceDiscovery::Device& device);
    void devicesChanged();
    void refreshMenu();
    void onTrayCommand(const TrayIcon::Command& command);
    void shutDown();

    std::unique_ptr<InstanceLock> instanceLock_;
    std::string programFolder_;
    std::unique_ptr<EventLoop> loop_;
    StatusNotifierTrayIcon trayIcon_;
    std::unique_ptr<HotplugMonitor> hotplug_;
    ForegroundWatcher watcher_;
    // Loop thread only: the menu on show, with the devices its entries stand for.
    TrayMenuModel menu_;
};
