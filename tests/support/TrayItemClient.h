#pragma once

#include <systemd/sd-bus.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/TrayMenu.h"

// What a tray host asks of a StatusNotifierItem and its dbusmenu, through a session-bus
// connection of its own, for tests: the item's menu, title and layout, and the user's
// clicks. The connection is used only by the thread that calls these.
class TrayItemClient {
public:
    struct Layout {
        uint32_t revision = 0;
        std::vector<TrayMenu::Entry> entries;
    };

    TrayItemClient() = default;
    ~TrayItemClient();
    TrayItemClient(const TrayItemClient&) = delete;
    TrayItemClient& operator=(const TrayItemClient&) = delete;

    // Connects to the session bus that DBUS_SESSION_BUS_ADDRESS names.
    bool connect();
    // For calls of the test's own.
    sd_bus* bus() const { return bus_; }

    // Where the item says its menu is, as a host finds it; empty when it does not say.
    std::string menuPathOf(const std::string& service);
    std::string titleOf(const std::string& service);
    // The entries below the root; nullopt when the layout cannot be read.
    std::optional<Layout> layoutOf(const std::string& service);
    // A host's click (or other event) on an entry; false when the item refuses it.
    bool sendEvent(const std::string& service, int32_t id, const char* eventId);
    // The host's primary click on the icon.
    bool activate(const std::string& service);
    bool nameHasOwner(const std::string& name);

    // Subscribes to the menu's LayoutUpdated signals from the connection `sender`.
    bool watchLayoutUpdates(const std::string& sender);
    // The revision of the next LayoutUpdated signal; nullopt when none arrives in time.
    std::optional<uint32_t> waitForLayoutUpdate(std::chrono::milliseconds timeout);

    // Reads the "label" out of an item's a{sv} properties.
    static bool readLabel(sd_bus_message* m, std::string& label);

private:
    static int onLayoutUpdated(sd_bus_message* signal, void* self, sd_bus_error*);

    sd_bus* bus_ = nullptr;
    std::optional<uint32_t> signalledRevision_;
};
