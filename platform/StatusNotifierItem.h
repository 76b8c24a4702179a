#pragma once

#include <systemd/sd-bus.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/TrayIcon.h"
#include "platform/TrayMenu.h"

// The icon as the desktop's tray host sees it: a StatusNotifierItem object with a
// com.canonical.dbusmenu menu object beside it, under a bus name of its own, registered
// with the host's StatusNotifierWatcher. It lives on the bus thread: every operation, and
// every call the host makes, runs there.
class StatusNotifierItem {
public:
    StatusNotifierItem(std::string itemId, std::string iconName, TrayMenu menu,
                       TrayIcon::CommandHandler onCommand);
    StatusNotifierItem(const StatusNotifierItem&) = delete;
    StatusNotifierItem& operator=(const StatusNotifierItem&) = delete;

    // Exports both objects, takes the bus name and registers with the watcher; false with
    // the reason in `whyNot`. The host's calls are answered while the registration waits,
    // since a host may ask the item about itself before it answers.
    bool publish(sd_bus* bus, std::string& whyNot);
    // Shows `menu` from now on and tells the host.
    void replaceMenu(sd_bus* bus, TrayMenu menu);
    // Gives the bus name up, so that the host drops the icon before the connection closes.
    void withdraw(sd_bus* bus);

private:
    enum class Registration { Pending, Done, Failed };

    int sendRegistration(sd_bus* bus);
    int appendItemProperty(std::string_view property, sd_bus_message* reply) const;
    int replyLayout(sd_bus_message* call) const;
    int replyGroupProperties(sd_bus_message* call) const;
    int replyMenuItemProperty(sd_bus_message* call) const;
    int replyEvent(sd_bus_message* call) const;
    int replyEventGroup(sd_bus_message* call) const;
    // False when the menu holds no item `id`.
    bool deliverEvent(int32_t id, std::string_view eventId) const;
    void report(const TrayIcon::Command& command) const;

    // sd-bus callbacks; `self` is the item.
    static int onRegistered(sd_bus_message* reply, void* self, sd_bus_error* error);
    static int onWatcherOwnerChanged(sd_bus_message* signal, void* self, sd_bus_error* error);
    static int onGetItemProperty(sd_bus* bus, const char* path, const char* interface,
                                 const char* property, sd_bus_message* reply, void* self,
                                 sd_bus_error* error);
    static int onActivate(sd_bus_message* call, void* self, sd_bus_error* error);
    static int onGetLayout(sd_bus_message* call, void* self, sd_bus_error* error);
    static int onGetGroupProperties(sd_bus_message* call, void* self, sd_bus_error* error);
    static int onGetMenuItemProperty(sd_bus_message* call, void* self, sd_bus_error* error);
    static int onEvent(sd_bus_message* call, void* self, sd_bus_error* error);
    static int onEventGroup(sd_bus_message* call, void* self, sd_bus_error* error);

    static const sd_bus_vtable kItemVtable[];
    static const sd_bus_vtable kMenuVtable[];

    const std::string itemId_;
    const std::string iconName_;
    const TrayIcon::CommandHandler onCommand_;
    std::string busName_;
    TrayMenu menu_;
    // Tells the host that the layout it holds is out of date.
    uint32_t revision_ = 1;
    Registration registration_ = Registration::Pending;
    std::string registrationError_;
    // Set once publish() has succeeded; later registration failures are logged.
    bool published_ = false;
};
