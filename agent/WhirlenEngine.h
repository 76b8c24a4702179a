#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "agent/ActionServices.h"
#include "agent/ControllerDevice.h"
#include "agent/ControllerEventNotifyInterface.h"
#include "agent/IPCServer.h"
#include "agent/ProfileSwitchInterface.h"
#include "platform/BacklightControl.h"
#include "platform/HidDevice.h"
#include "platform/InputInjector.h"
#include "shared/ipc/ConnectedDevice.h"
#include "shared/prefs/PreferencesStore.h"
#include "shared/prefs/PreferencesUpdateSubscriber.h"

// The agent's engine: the table of connected controllers, the agent's end of
// the link to the configuration program, and the binding table of every
// controller, rebuilt whenever the preferences or the foreground application
// change.
//
// The main thread (discovery, hot-plug, menu, shutdown), the server thread
// (device list, reload), the foreground watcher and the devices' own threads
// (profile switches, hang-ups) all come in here. One engine mutex guards the
// table and the foreground path; devices are shared, so one taken out of the
// table under the mutex is stopped and joined after it is released, and a
// device's own thread never joins itself.
//
// Lock order of the agent, outermost first: a device's stop lock, the
// server's client lock, the engine mutex, the preferences store's data lock,
// a device's binding lock, a device's repeat and macro locks. A thread that
// holds one of them takes only later ones. What keeps it so: nothing
// broadcasts, joins a thread or starts one while it holds the engine mutex;
// binding tables are built before a device's binding lock is taken and only
// swapped under it; a device runs its actions (a profile switch reloads the
// store and broadcasts) with none of its own locks held; the store notifies
// its subscribers with none of its locks held, and nobody unsubscribes while
// holding any lock of this list. The log's lock, a device's reader lifecycle
// lock and the locks inside the action services are leaves; a device's
// executor lock holds only the injector's.
class WhirlenEngine : public IPCServer,
                      public PreferencesUpdateSubscriber,
                      public ProfileSwitchInterface,
                      private ControllerEventNotifyInterface {
public:
    // Receives the removal of a device whose reader found it gone. The
    // removal stops and joins that reader, so it must run on another thread;
    // the shell posts it to its main loop. It does nothing once the device
    // has left the table by other means, so it may also run late or never.
    using DeviceGoneHandler = std::function<void(std::function<void()> removal)>;

    // The agent's engine, on the agent's store, acting on this desktop.
    // Created on first use and never destroyed: call shutdown() before the
    // process ends.
    static WhirlenEngine& instance();

    // An engine on the given store (tests, tools); subscribes to it. The
    // devices' actions go through `services`; a member left null is the
    // agent's own: the injector createInputInjector() picks, the screen
    // backlight, and this engine for profile switches.
    explicit WhirlenEngine(PreferencesStore& store, ActionServices services = {});
    ~WhirlenEngine() override;

    // 1 (Whirlen Max) or 2 (Whirlen Lite); 3 (no model) for any other
    // product id, 0x21 included: such a controller is read but gets no
    // bindings and is not listed.
    static uint32_t modelForProductId(uint16_t productId);
    // The product id in decimal followed by the location id.
    static std::string deviceUuid(uint16_t productId, const std::string& locationId);

    // Takes the opened controller at `path` (any case) into the table, gives
    // it its binding table, starts its reader and sends the device list.
    // False, with the handle closed, when the path is known already or the
    // reader cannot start.
    bool addDevice(const std::string& path, std::unique_ptr<HidDevice> handle, uint16_t productId,
                   const std::string& locationId);
    // Stops the device at `path` (any case) and sends the device list; false,
    // sending nothing, for a path not in the table.
    bool removeDevice(const std::string& path);
    bool hasDevice(const std::string& path) const;
    // Null for a path not in the table.
    std::shared_ptr<ControllerDevice> findDevice(const std::string& path) const;
    // Copies of every device's record, in table order (lower-case path).
    std::vector<ConnectedDevice> connectedDevices() const;
    // Broadcasts the list of the devices that can be listed, also when empty.
    void sendConnectedDevices();

    // Type 1 answers every client with the device list; type 3 reloads the
    // preferences, whose load then rebuilds the binding tables. Frames that
    // fail the header check are ignored.
    void onMessage(const uint8_t* bytes, size_t length) override;
    // Rebuilds every device's binding table and lets go of every locked click:
    // whatever profile or file it was locked under may have no control left
    // that lets it go.
    void onPreferencesUpdated() override;
    // Binds the device to the profile and saves the bind file, reloads the
    // store (which rebuilds every table) and tells every client to reload.
    // False, logged, with nothing reloaded, when the bind file cannot be
    // written.
    bool switchProfile(const std::string& deviceBindingId, const std::string& profileKey) override;
    // The foreground application's full path, as the watcher reports it;
    // rebuilds every device's binding table for it.
    void setForegroundPath(const std::string& path);
    // Null restores the default: a short-lived thread of the engine's runs
    // the removal.
    void setDeviceGoneHandler(DeviceGoneHandler handler);

    // Stops the server and every device and empties the table.
    void shutdown();

private:
    using DeviceTable = std::map<std::string, std::shared_ptr<ControllerDevice>>;
    struct Reaper {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };

    void onDeviceGone(ControllerDevice& device) override;
    void startReaper(std::function<void()> removal);
    // Joins the reapers that have finished, or all of them.
    void joinReapers(bool all);
    // Takes the device at lowerPath out of the table, when there is one and
    // (with `only`) it is that device, then stops it and sends the list.
    bool retire(const std::string& lowerPath, const ControllerDevice* only);
    // Reads the preference files afresh, as a type 3 frame or a profile switch asks.
    void reloadPreferences();
    // Expects the engine mutex to be held.
    void rebuildBindings(ControllerDevice& device) const;
    void logUnlistedProductOnce(uint16_t productId);

    PreferencesStore& store;
    // The agent's own services, for those the constructor was not given.
    std::unique_ptr<InputInjector> ownInjector;
    std::unique_ptr<BacklightControl> ownBacklight;
    ActionServices services;
    std::atomic<bool> unlistedProductLogged{false};
    mutable std::mutex engineMutex;
    // Guarded by engineMutex, as are the members below it.
    DeviceTable devices;
    std::string foregroundPath;
    DeviceGoneHandler deviceGoneHandler;
    std::vector<Reaper> reapers;
};
