#include "tests/support/TrayItemClient.h"

#include <cstdlib>

namespace {

constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
constexpr const char* kMenuInterface = "com.canonical.dbusmenu";

// One child of the root: a variant holding (id, properties, children).
int readEntry(sd_bus_message* m, std::vector<TrayMenu::Entry>& entries) {
    int r = sd_bus_message_enter_container(m, 'v', "(ia{sv}av)");
    if (r <= 0) {
        return r;
    }
    TrayMenu::Entry entry;
    const bool read = sd_bus_message_enter_container(m, 'r', "ia{sv}av") > 0 &&
                      sd_bus_message_read(m, "i", &entry.id) >= 0 &&
                      TrayItemClient::readLabel(m, entry.label) &&
                      sd_bus_message_skip(m, "av") >= 0 && sd_bus_message_exit_container(m) >= 0 &&
                      sd_bus_message_exit_container(m) >= 0;
    entries.push_back(entry);
    return read ? 1 : -1;
}

}  // namespace

TrayItemClient::~TrayItemClient() {
    sd_bus_flush_close_unref(bus_);
}

bool TrayItemClient::connect() {
    return sd_bus_open_user(&bus_) >= 0;
}

std::string TrayItemClient::menuPathOf(const std::string& service) {
    sd_bus_error error{};
    sd_bus_message* reply = nullptr;
    const char* path = "";
    std::string found;
    if (sd_bus_get_property(bus_, service.c_str(), kItemPath, kItemInterface, "Menu", &error,
                            &reply, "o") >= 0 &&
        sd_bus_message_read(reply, "o", &path) >= 0) {
        found = path;
    }
    sd_bus_error_free(&error);
    sd_bus_message_unref(reply);
    return found;
}

std::string TrayItemClient::titleOf(const std::string& service) {
    sd_bus_error error{};
    char* title = nullptr;
    std::string found;
    if (sd_bus_get_property_string(bus_, service.c_str(), kItemPath, kItemInterface, "Title",
                                   &error, &title) >= 0) {
        found = title;
        std::free(title);
    }
    sd_bus_error_free(&error);
    return found;
}

std::optional<TrayItemClient::Layout> TrayItemClient::layoutOf(const std::string& service) {
    sd_bus_error error{};
    sd_bus_message* reply = nullptr;
    Layout layout;
    int32_t rootId = -1;
    bool read =
        sd_bus_call_method(bus_, service.c_str(), menuPathOf(service).c_str(), kMenuInterface,
                           "GetLayout", &error, &reply, "iias", 0, -1, 0) >= 0 &&
        sd_bus_message_read(reply, "u", &layout.revision) >= 0 &&
        sd_bus_message_enter_container(reply, 'r', "ia{sv}av") > 0 &&
        sd_bus_message_read(reply, "i", &rootId) >= 0 && sd_bus_message_skip(reply, "a{sv}") >= 0 &&
        sd_bus_message_enter_container(reply, 'a', "v") > 0;
    int r = 0;
    while (read && (r = readEntry(reply, layout.entries)) > 0) {
    }
    read = read && r == 0 && rootId == 0;
    sd_bus_error_free(&error);
    sd_bus_message_unref(reply);
    return read ? std::optional<Layout>(layout) : std::nullopt;
}

bool TrayItemClient::sendEvent(const std::string& service, int32_t id, const char* eventId) {
    sd_bus_error error{};
    const int r =
        sd_bus_call_method(bus_, service.c_str(), menuPathOf(service).c_str(), kMenuInterface,
                           "Event", &error, nullptr, "isvu", id, eventId, "s", "", 0u);
    sd_bus_error_free(&error);
    return r >= 0;
}

bool TrayItemClient::activate(const std::string& service) {
    sd_bus_error error{};
    const int r = sd_bus_call_method(bus_, service.c_str(), kItemPath, kItemInterface, "Activate",
                                     &error, nullptr, "ii", 0, 0);
    sd_bus_error_free(&error);
    return r >= 0;
}

bool TrayItemClient::nameHasOwner(const std::string& name) {
    sd_bus_error error{};
    sd_bus_message* reply = nullptr;
    int owned = 0;
    sd_bus_call_method(bus_, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                       "org.freedesktop.DBus", "NameHasOwner", &error, &reply, "s", name.c_str());
    if (reply != nullptr) {
        sd_bus_message_read(reply, "b", &owned);
    }
    sd_bus_error_free(&error);
    sd_bus_message_unref(reply);
    return owned != 0;
}

bool TrayItemClient::watchLayoutUpdates(const std::string& sender) {
    return sd_bus_match_signal(bus_, nullptr, sender.c_str(), nullptr, kMenuInterface,
                               "LayoutUpdated", onLayoutUpdated, this) >= 0;
}

std::optional<uint32_t> TrayItemClient::waitForLayoutUpdate(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!signalledRevision_ && std::chrono::steady_clock::now() < deadline) {
        if (sd_bus_process(bus_, nullptr) == 0) {
            sd_bus_wait(bus_, 1'000'000);
        }
    }
    return signalledRevision_;
}

bool TrayItemClient::readLabel(sd_bus_message* m, std::string& label) {
    if (sd_bus_message_enter_container(m, 'a', "{sv}") < 0) {
        return false;
    }
    int r = 0;
    while ((r = sd_bus_message_enter_container(m, 'e', "sv")) > 0) {
        const char* key = nullptr;
        const char* text = nullptr;
        if (sd_bus_message_read(m, "s", &key) < 0) {
            return false;
        }
        r = std::string(key) == "label" ? sd_bus_message_read(m, "v", "s", &text)
                                        : sd_bus_message_skip(m, "v");
        if (r < 0 || sd_bus_message_exit_container(m) < 0) {
            return false;
        }
        if (text != nullptr) {
            label = text;
        }
    }
    return r == 0 && sd_bus_message_exit_container(m) >= 0;
}

int TrayItemClient::onLayoutUpdated(sd_bus_message* signal, void* self, sd_bus_error*) {
    uint32_t revision = 0;
    int32_t parent = 0;
    if (sd_bus_message_read(signal, "ui", &revision, &parent) >= 0) {
        static_cast<TrayItemClient*>(self)->signalledRevision_ = revision;
    }
    return 0;
}
