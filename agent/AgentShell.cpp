#include "agent/AgentShell.h"

#include <functional>
#include <utility>
#include <vector>

#include "agent/ConfigurationUiLauncher.h"
#include "agent/WhirlenEngine.h"
#include "platform/HidrawDevice.h"
#include "platform/X11ForegroundWindowProvider.h"
#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/Paths.h"
#include "shared/prefs/PreferencesStore.h"

namespace {

constexpr const char* kTrayItemId = "PelvaneMultimediaController";
constexpr const char* kTrayIconName = "multimedia-volume-control";

WhirlenEngine& engine() {
    return WhirlenEngine::instance();
}

}  // namespace

AgentShell::AgentShell()
    : trayIcon_(kTrayItemId, kTrayIconName),
      watcher_(*this, std::make_unique<X11ForegroundWindowProvider>()),
      menu_(buildTrayMenu({}, PreferencesStore::instance())) {}

int AgentShell::run() {
    InstanceLock::Refusal refusal = InstanceLock::Refusal::None;
    instanceLock_ = InstanceLock::acquire(kAgentMutexName, &refusal);
    // A lock that cannot be made ends the start as another agent does, but it has been
    // logged as what it is, with its folder.
    if (!instanceLock_) {
        if (refusal == InstanceLock::Refusal::HeldElsewhere) {
            LogManager::instance().log('W', "Another agent is running already");
        }
        return kAlreadyRunningExitCode;
    }
    programFolder_ = executableDirectory();
    if (programFolder_.empty()) {
        LogManager::instance().log('E',
                                   "Cannot handle the specified installation path of the "
                                   "program. The path contains is too long.");
        return kStartFailedExitCode;
    }
    // Without its loop the agent could follow nothing; the loop has logged why.
    loop_ = EventLoop::create();
    if (!loop_) {
        return kStartFailedExitCode;
    }
    showTrayIcon();
    followHotplug();
    discoverDevices();
    startServices();
    const int exitCode = loop_->run();
    shutDown();
    return exitCode;
}

void AgentShell::onPreferencesUpdated() {
    // Profile names may have changed.
    loop_->post([this] { refreshMenu(); });
}

void AgentShell::setForegroundPath(const std::string& path) {
    engine().setForegroundPath(path);
}

void AgentShell::rebuildBindings() {
    engine().onPreferencesUpdated();
}

void AgentShell::showTrayIcon() {
    trayIcon_.setCommandHandler([this](const TrayIcon::Command& command) {
        loop_->post([this, command] { onTrayCommand(command); });
    });
    // Without a tray the icon has said why; the agent works the same without its menu.
    trayIcon_.show(menu_.menu());
}

void AgentShell::followHotplug() {
    // Before the scan, so that a controller plugged in meanwhile is seen by one of them.
    hotplug_ = HotplugMonitor::create(DeviceDiscovery::devRoot());
    if (hotplug_) {
        loop_->watch(hotplug_->fd(), [this] { onHotplugEvents(); });
    }
}

void AgentShell::discoverDevices() {
    // The removal stops and joins the reader that reports it, so it runs here instead.
    engine().setDeviceGoneHandler([this](std::function<void()> removal) {
        loop_->post([this, removal = std::move(removal)] {
            removal();
            devicesChanged();
        });
    });
    for (const DeviceDiscovery::Device& device : DeviceDiscovery::scan()) {
        addController(device);
    }
    watcher_.start();
    devicesChanged();
}

void AgentShell::startServices() {
    initializeGlobals();
    // Without the link the agent still serves its controllers (start() has logged why).
    engine().start();
    PreferencesStore::instance().subscribe(this);
    PreferencesStore::instance().load();
    ApplicationSettings::instance().load();
}

void AgentShell::onHotplugEvents() {
    bool changed = false;
    for (const HotplugMonitor::Event& event : hotplug_->readEvents()) {
        if (event.change == HotplugMonitor::Change::Removed) {
            changed = engine().removeDevice(event.nodePath) || changed;
        } else if (!engine().hasDevice(event.nodePath)) {
            if (const auto device = DeviceDiscovery::inspect(event.nodePath)) {
                changed = addController(*device) || changed;
            }
        }
    }
    if (changed) {
        devicesChanged();
    }
}

bool AgentShell::addController(const DeviceDiscovery::Device& device) {
    std::unique_ptr<HidrawDevice> handle = HidrawDevice::open(device.nodePath);
    if (!handle) {
        LogManager::instance().log('W',
                                   "Cannot open the controller %s (may this user read it? see "
                                   "the udev rule); skipped",
                                   device.nodePath.c_str());
        return false;
    }
    return engine().addDevice(device.nodePath, std::move(handle), device.productId,
                              device.locationId);
}

void AgentShell::devicesChanged() {
    watcher_.setDevicePresent(!engine().connectedDevices().empty());
    refreshMenu();
}

void AgentShell::refreshMenu() {
    menu_ = buildTrayMenu(engine().connectedDevices(), PreferencesStore::instance());
    // The tray host fetches the new layout when it is told of it.
    trayIcon_.setMenu(menu_.menu());
}

void AgentShell::onTrayCommand(const TrayIcon::Command& command) {
    if (command.kind == TrayIcon::Command::Kind::Activated ||
        command.entryId == TrayMenuModel::kTitleEntryId) {
        ConfigurationUiLauncher::launchConfigurationUi(programFolder_, nullptr);
    } else if (command.entryId == TrayMenuModel::kExitEntryId) {
        loop_->quit(0);
    } else if (const ConnectedDevice* device = menu_.deviceForEntry(command.entryId)) {
        ConfigurationUiLauncher::launchConfigurationUi(programFolder_, device);
    }
}

void AgentShell::shutDown() {
    watcher_.stop();
    // Its thread runs the command handler, which posts to the loop.
    trayIcon_.hide();
    // Joins the server, the readers and their workers; no device reports itself gone after.
    engine().shutdown();
    engine().setDeviceGoneHandler(nullptr);
    PreferencesStore::instance().unsubscribe(this);
    if (hotplug_) {
        loop_->unwatch(hotplug_->fd());
    }
}
