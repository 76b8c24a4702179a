#include "tests/support/TrayHost.h"

#include <cstdlib>

namespace {

constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr const char* kWatcherPath = "/StatusNotifierWatcher";
constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";

}  // namespace

bool TrayHost::start(std::string& whyNot) {
    static constexpr sd_bus_vtable kVtable[] = {
        SD_BUS_VTABLE_START(0),
        SD_BUS_METHOD("RegisterStatusNotifierItem", "s", "", onRegister,
                      SD_BUS_VTABLE_UNPRIVILEGED),
        SD_BUS_VTABLE_END,
    };
    return loop_.start(
        [this](sd_bus* bus, std::string& why) {
            if (sd_bus_add_object_vtable(bus, nullptr, kWatcherPath, kWatcherName, kVtable, this) <
                    0 ||
                sd_bus_request_name(bus, kWatcherName, 0) < 0) {
                why = "cannot own the watcher's name";
                return false;
            }
            return true;
        },
        whyNot);
}

void TrayHost::stop() {
    loop_.stop();
}

std::optional<std::vector<TrayHost::Registration>> TrayHost::waitForRegistrations(
    std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock guard(lock_);
    if (!registered_.wait_for(guard, timeout, [&] { return registrations_.size() >= count; })) {
        return std::nullopt;
    }
    return registrations_;
}

int TrayHost::onRegister(sd_bus_message* call, void* self, sd_bus_error*) {
    const char* service = nullptr;
    const int r = sd_bus_message_read(call, "s", &service);
    if (r < 0) {
        return r;
    }
    Registration registration{service, sd_bus_message_get_sender(call), ""};
    sd_bus_error error{};
    char* title = nullptr;
    if (sd_bus_get_property_string(sd_bus_message_get_bus(call), service, kItemPath, kItemInterface,
                                   "Title", &error, &title) >= 0) {
        registration.title = title;
        std::free(title);
    }
    sd_bus_error_free(&error);
    static_cast<TrayHost*>(self)->record(registration);
    return sd_bus_reply_method_return(call, "");
}

void TrayHost::record(const Registration& registration) {
    {
        std::lock_guard guard(lock_);
        registrations_.push_back(registration);
    }
    registered_.notify_all();
}
