#include "platform/StatusNotifierItem.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "shared/prefs/LogManager.h"

namespace {

constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
constexpr const char* kMenuPath = "/MenuBar";
constexpr const char* kMenuInterface = "com.canonical.dbusmenu";
constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr const char* kWatcherPath = "/StatusNotifierWatcher";
constexpr const char* kWatcherOwnerMatch =
    "type='signal',sender='org.freedesktop.DBus',interface='org.freedesktop.DBus',"
    "member='NameOwnerChanged',arg0='org.kde.StatusNotifierWatcher'";
// Long enough for a busy desktop; a watcher that never answers must not hold the agent's
// start-up for ever.
constexpr uint64_t kRegistrationTimeoutUs = 10'000'000;
constexpr uint32_t kDbusMenuVersion = 3;
// dbusmenu's id of the menu itself, whose children are the entries.
constexpr int32_t kRootId = 0;

using Properties = std::vector<std::pair<const char*, std::string>>;
using Names = std::vector<std::string>;

// Every icon of the process needs a bus name of its own.
std::atomic<int> itemsMade{0};

// dbusmenu takes "_" as the mark of a keyboard mnemonic; a label is shown as it is.
std::string withoutMnemonics(const std::string& label) {
    std::string escaped;
    for (const char c : label) {
        escaped += c;
        if (c == '_') {
            escaped += '_';
        }
    }
    return escaped;
}

std::optional<Properties> propertiesOf(const TrayMenu& menu, int32_t id) {
    if (id == kRootId) {
        return Properties{{"children-display", "submenu"}};
    }
    const auto entry = std::find_if(menu.entries.begin(), menu.entries.end(),
                                    [id](const TrayMenu::Entry& e) { return e.id == id; });
    if (entry == menu.entries.end()) {
        return std::nullopt;
    }
    return Properties{{"label", withoutMnemonics(entry->label)}};
}

std::vector<int32_t> allIds(const TrayMenu& menu) {
    std::vector<int32_t> ids{kRootId};
    for (const TrayMenu::Entry& entry : menu.entries) {
        ids.push_back(entry.id);
    }
    return ids;
}

// An empty list of property names asks for all of them.
bool isWanted(const Names& names, const char* name) {
    return names.empty() || std::find(names.begin(), names.end(), name) != names.end();
}

int readNames(sd_bus_message* message, Names& names) {
    char** list = nullptr;
    const int r = sd_bus_message_read_strv(message, &list);
    if (r < 0) {
        return r;
    }
    for (char** name = list; name != nullptr && *name != nullptr; ++name) {
        names.emplace_back(*name);
        std::free(*name);
    }
    std::free(list);
    return r;
}

int readIds(sd_bus_message* message, std::vector<int32_t>& ids) {
    const void* data = nullptr;
    size_t size = 0;
    const int r = sd_bus_message_read_array(message, 'i', &data, &size);
    if (r >= 0 && size > 0) {
        const auto* first = static_cast<const int32_t*>(data);
        ids.assign(first, first + size / sizeof(int32_t));
    }
    return r;
}

int appendProperties(sd_bus_message* message, const Properties& properties, const Names& names) {
    int r = sd_bus_message_open_container(message, 'a', "{sv}");
    for (const auto& [name, value] : properties) {
        if (r >= 0 && isWanted(names, name)) {
            r = sd_bus_message_append(message, "{sv}", name, "s", value.c_str());
        }
    }
    return r < 0 ? r : sd_bus_message_close_container(message);
}

// One item as dbusmenu lays it out, (id, properties, children); the entries have no
// children of their own.
int appendItem(sd_bus_message* message, const TrayMenu& menu, int32_t id, const Names& names,
               bool withChildren) {
    int r = sd_bus_message_open_container(message, 'r', "ia{sv}av");
    if (r >= 0) {
        r = sd_bus_message_append(message, "i", id);
    }
    if (r >= 0) {
        r = appendProperties(message, propertiesOf(menu, id).value_or(Properties{}), names);
    }
    if (r >= 0) {
        r = sd_bus_message_open_container(message, 'a', "v");
    }
    for (const TrayMenu::Entry& entry : menu.entries) {
        if (r < 0 || !withChildren || id != kRootId) {
            break;
        }
        r = sd_bus_message_open_container(message, 'v', "(ia{sv}av)");
        if (r >= 0) {
            r = appendItem(message, menu, entry.id, names, false);
        }
        if (r >= 0) {
            r = sd_bus_message_close_container(message);
        }
    }
    if (r >= 0) {
        r = sd_bus_message_close_container(message);
    }
    return r < 0 ? r : sd_bus_message_close_container(message);
}

int sendAndRelease(sd_bus_message* reply, int r) {
    if (r >= 0) {
        r = sd_bus_send(nullptr, reply, nullptr);
    }
    sd_bus_message_unref(reply);
    return r;
}

int replyNoSuchItem(sd_bus_message* call, int32_t id) {
    return sd_bus_reply_method_errorf(call, SD_BUS_ERROR_INVALID_ARGS, "No menu item %d", id);
}

int onGetMenuProperty(sd_bus*, const char*, const char*, const char* property,
                      sd_bus_message* reply, void*, sd_bus_error*) {
    const std::string_view name(property);
    if (name == "Version") {
        return sd_bus_message_append(reply, "u", kDbusMenuVersion);
    }
    if (name == "IconThemePath") {
        char* none[] = {nullptr};
        return sd_bus_message_append_strv(reply, none);
    }
    return sd_bus_message_append(reply, "s", name == "Status" ? "normal" : "ltr");
}

// Middle clicks, scrolling and the host's request for a menu of our own drawing: the
// menu is exported, so the host draws it.
int onIgnoredGesture(sd_bus_message* call, void*, sd_bus_error*) {
    return sd_bus_reply_method_return(call, "");
}

// Nothing is built lazily: the layout is always complete.
int onAboutToShow(sd_bus_message* call, void*, sd_bus_error*) {
    return sd_bus_reply_method_return(call, "b", 0);
}

int onAboutToShowGroup(sd_bus_message* call, void*, sd_bus_error*) {
    return sd_bus_reply_method_return(call, "aiai", 0, 0);
}

}  // namespace

const sd_bus_vtable StatusNotifierItem::kItemVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Category", "s", onGetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Id", "s", onGetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Title", "s", onGetItemProperty, 0, 0),
    SD_BUS_PROPERTY("Status", "s", onGetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("IconName", "s", onGetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("ToolTip", "(sa(iiay)ss)", onGetItemProperty, 0, 0),
    SD_BUS_PROPERTY("ItemIsMenu", "b", onGetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Menu", "o", onGetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_METHOD("Activate", "ii", "", onActivate, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("SecondaryActivate", "ii", "", onIgnoredGesture, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("ContextMenu", "ii", "", onIgnoredGesture, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Scroll", "is", "", onIgnoredGesture, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_SIGNAL("NewTitle", "", 0),
    SD_BUS_SIGNAL("NewToolTip", "", 0),
    SD_BUS_VTABLE_END,
};

const sd_bus_vtable StatusNotifierItem::kMenuVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Version", "u", onGetMenuProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("TextDirection", "s", onGetMenuProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Status", "s", onGetMenuProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("IconThemePath", "as", onGetMenuProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_METHOD("GetLayout", "iias", "u(ia{sv}av)", onGetLayout, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetGroupProperties", "aias", "a(ia{sv})", onGetGroupProperties,
                  SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetProperty", "is", "v", onGetMenuItemProperty, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Event", "isvu", "", onEvent, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("EventGroup", "a(isvu)", "ai", onEventGroup, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("AboutToShow", "i", "b", onAboutToShow, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("AboutToShowGroup", "ai", "aiai", onAboutToShowGroup, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_SIGNAL("LayoutUpdated", "ui", 0),
    SD_BUS_VTABLE_END,
};

StatusNotifierItem::StatusNotifierItem(std::string itemId, std::string iconName, TrayMenu menu,
                                       TrayIcon::CommandHandler onCommand)
    : itemId_(std::move(itemId)),
      iconName_(std::move(iconName)),
      onCommand_(std::move(onCommand)),
      menu_(std::move(menu)) {}

bool StatusNotifierItem::publish(sd_bus* bus, std::string& whyNot) {
    busName_ = std::string(kItemInterface) + "-" + std::to_string(getpid()) + "-" +
               std::to_string(++itemsMade);
    int r = sd_bus_add_object_vtable(bus, nullptr, kItemPath, kItemInterface, kItemVtable, this);
    if (r >= 0) {
        r = sd_bus_add_object_vtable(bus, nullptr, kMenuPath, kMenuInterface, kMenuVtable, this);
    }
    if (r >= 0) {
        r = sd_bus_add_match(bus, nullptr, kWatcherOwnerMatch, onWatcherOwnerChanged, this);
    }
    if (r >= 0) {
        r = sd_bus_request_name(bus, busName_.c_str(), 0);
    }
    if (r >= 0) {
        r = sendRegistration(bus);
    }
    while (r >= 0 && registration_ == Registration::Pending) {
        r = sd_bus_process(bus, nullptr);
        if (r == 0) {
            r = sd_bus_wait(bus, UINT64_MAX);
        }
    }
    if (r < 0) {
        whyNot = std::string("cannot put the icon on the session bus: ") + std::strerror(-r);
        return false;
    }
    if (registration_ == Registration::Failed) {
        whyNot = "no tray host on the session bus (" + registrationError_ + ")";
        return false;
    }
    published_ = true;
    return true;
}

void StatusNotifierItem::replaceMenu(sd_bus* bus, TrayMenu menu) {
    const bool newTitle = menu.title != menu_.title;
    menu_ = std::move(menu);
    ++revision_;
    // A failed signal means a lost connection, which the bus loop reports.
    sd_bus_emit_signal(bus, kMenuPath, kMenuInterface, "LayoutUpdated", "ui", revision_, kRootId);
    if (newTitle) {
        sd_bus_emit_signal(bus, kItemPath, kItemInterface, "NewTitle", "");
        sd_bus_emit_signal(bus, kItemPath, kItemInterface, "NewToolTip", "");
    }
}

void StatusNotifierItem::withdraw(sd_bus* bus) {
    // On failure the name goes when the connection closes a moment later.
    sd_bus_release_name(bus, busName_.c_str());
}

int StatusNotifierItem::sendRegistration(sd_bus* bus) {
    sd_bus_message* call = nullptr;
    int r = sd_bus_message_new_method_call(bus, &call, kWatcherName, kWatcherPath, kWatcherName,
                                           "RegisterStatusNotifierItem");
    if (r >= 0) {
        r = sd_bus_message_append(call, "s", busName_.c_str());
    }
    // The watcher belongs to the running desktop; one started on demand would hold the
    // icon for a tray that nobody sees.
    if (r >= 0) {
        r = sd_bus_message_set_auto_start(call, 0);
    }
    if (r >= 0) {
        registration_ = Registration::Pending;
        r = sd_bus_call_async(bus, nullptr, call, onRegistered, this, kRegistrationTimeoutUs);
    }
    sd_bus_message_unref(call);
    return r;
}

int StatusNotifierItem::appendItemProperty(std::string_view property, sd_bus_message* reply) const {
    if (property == "ItemIsMenu") {
        // The host's primary click activates; the menu is on the secondary one.
        return sd_bus_message_append(reply, "b", 0);
    }
    if (property == "Menu") {
        return sd_bus_message_append(reply, "o", kMenuPath);
    }
    if (property == "ToolTip") {
        return sd_bus_message_append(reply, "(sa(iiay)ss)", iconName_.c_str(), 0,
                                     menu_.title.c_str(), "");
    }
    const char* text = property == "Category" ? "ApplicationStatus"
                       : property == "Id"     ? itemId_.c_str()
                       : property == "Title"  ? menu_.title.c_str()
                       : property == "Status" ? "Active"
                                              : iconName_.c_str();
    return sd_bus_message_append(reply, "s", text);
}

int StatusNotifierItem::replyLayout(sd_bus_message* call) const {
    int32_t parent = 0;
    int32_t depth = 0;
    Names names;
    int r = sd_bus_message_read(call, "ii", &parent, &depth);
    if (r >= 0) {
        r = readNames(call, names);
    }
    if (r < 0) {
        return r;
    }
    if (!propertiesOf(menu_, parent)) {
        return replyNoSuchItem(call, parent);
    }
    sd_bus_message* reply = nullptr;
    r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) {
        r = sd_bus_message_append(reply, "u", revision_);
    }
    // A depth of 0 asks for the item alone, any other for its children too.
    if (r >= 0) {
        r = appendItem(reply, menu_, parent, names, depth != 0);
    }
    return sendAndRelease(reply, r);
}

int StatusNotifierItem::replyGroupProperties(sd_bus_message* call) const {
    std::vector<int32_t> ids;
    Names names;
    int r = readIds(call, ids);
    if (r >= 0) {
        r = readNames(call, names);
    }
    if (r < 0) {
        return r;
    }
    if (ids.empty()) {
        ids = allIds(menu_);
    }
    sd_bus_message* reply = nullptr;
    r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) {
        r = sd_bus_message_open_container(reply, 'a', "(ia{sv})");
    }
    for (const int32_t id : ids) {
        const std::optional<Properties> properties = propertiesOf(menu_, id);
        if (r < 0 || !properties) {
            continue;
        }
        r = sd_bus_message_open_container(reply, 'r', "ia{sv}");
        if (r >= 0) {
            r = sd_bus_message_append(reply, "i", id);
        }
        if (r >= 0) {
            r = appendProperties(reply, *properties, names);
        }
        if (r >= 0) {
            r = sd_bus_message_close_container(reply);
        }
    }
    if (r >= 0) {
        r = sd_bus_message_close_container(reply);
    }
    return sendAndRelease(reply, r);
}

int StatusNotifierItem::replyMenuItemProperty(sd_bus_message* call) const {
    int32_t id = 0;
    const char* name = nullptr;
    const int r = sd_bus_message_read(call, "is", &id, &name);
    if (r < 0) {
        return r;
    }
    const std::optional<Properties> properties = propertiesOf(menu_, id);
    if (!properties) {
        return replyNoSuchItem(call, id);
    }
    for (const auto& [property, value] : *properties) {
        if (std::strcmp(property, name) == 0) {
            return sd_bus_reply_method_return(call, "v", "s", value.c_str());
        }
    }
    return sd_bus_reply_method_errorf(call, SD_BUS_ERROR_INVALID_ARGS,
                                      "Menu item %d has no property %s", id, name);
}

int StatusNotifierItem::replyEvent(sd_bus_message* call) const {
    int32_t id = 0;
    const char* eventId = nullptr;
    const int r = sd_bus_message_read(call, "is", &id, &eventId);
    if (r < 0) {
        return r;
    }
    if (!deliverEvent(id, eventId)) {
        return replyNoSuchItem(call, id);
    }
    return sd_bus_reply_method_return(call, "");
}

int StatusNotifierItem::replyEventGroup(sd_bus_message* call) const {
    std::vector<int32_t> unknown;
    int r = sd_bus_message_enter_container(call, 'a', "(isvu)");
    while (r >= 0 && (r = sd_bus_message_enter_container(call, 'r', "isvu")) > 0) {
        int32_t id = 0;
        const char* eventId = nullptr;
        r = sd_bus_message_read(call, "is", &id, &eventId);
        if (r >= 0) {
            r = sd_bus_message_skip(call, "vu");
        }
        if (r >= 0) {
            r = sd_bus_message_exit_container(call);
        }
        if (r >= 0 && !deliverEvent(id, eventId)) {
            unknown.push_back(id);
        }
    }
    if (r >= 0) {
        r = sd_bus_message_exit_container(call);
    }
    if (r < 0) {
        return r;
    }
    sd_bus_message* reply = nullptr;
    r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) {
        r = sd_bus_message_append_array(reply, 'i', unknown.data(),
                                        unknown.size() * sizeof(int32_t));
    }
    return sendAndRelease(reply, r);
}

bool StatusNotifierItem::deliverEvent(int32_t id, std::string_view eventId) const {
    if (!propertiesOf(menu_, id)) {
        return false;
    }
    // Hovering, opening and closing need no answer from us.
    if (id != kRootId && eventId == "clicked") {
        report({TrayIcon::Command::Kind::EntryChosen, id});
    }
    return true;
}

void StatusNotifierItem::report(const TrayIcon::Command& command) const {
    if (onCommand_) {
        onCommand_(command);
    }
}

int StatusNotifierItem::onRegistered(sd_bus_message* reply, void* self, sd_bus_error*) {
    auto* item = static_cast<StatusNotifierItem*>(self);
    const sd_bus_error* failure = sd_bus_message_get_error(reply);
    if (failure == nullptr) {
        item->registration_ = Registration::Done;
        return 0;
    }
    item->registration_ = Registration::Failed;
    item->registrationError_ = failure->message != nullptr ? failure->message : failure->name;
    if (item->published_) {
        LogManager::instance().log('W', "Tray icon: the tray host refused the icon: %s",
                                   item->registrationError_.c_str());
    }
    return 0;
}

// A tray host that restarts (or comes up after us) has forgotten the icon.
int StatusNotifierItem::onWatcherOwnerChanged(sd_bus_message* signal, void* self, sd_bus_error*) {
    auto* item = static_cast<StatusNotifierItem*>(self);
    const char* name = nullptr;
    const char* oldOwner = nullptr;
    const char* newOwner = nullptr;
    if (sd_bus_message_read(signal, "sss", &name, &oldOwner, &newOwner) < 0 ||
        newOwner[0] == '\0') {
        return 0;
    }
    const int r = item->sendRegistration(sd_bus_message_get_bus(signal));
    if (r < 0) {
        LogManager::instance().log('W', "Tray icon: cannot register with the new tray host: %s",
                                   std::strerror(-r));
    }
    return 0;
}

int StatusNotifierItem::onGetItemProperty(sd_bus*, const char*, const char*, const char* property,
                                          sd_bus_message* reply, void* self, sd_bus_error*) {
    return static_cast<StatusNotifierItem*>(self)->appendItemProperty(property, reply);
}

int StatusNotifierItem::onActivate(sd_bus_message* call, void* self, sd_bus_error*) {
    static_cast<StatusNotifierItem*>(self)->report({TrayIcon::Command::Kind::Activated, 0});
    return sd_bus_reply_method_return(call, "");
}

int StatusNotifierItem::onGetLayout(sd_bus_message* call, void* self, sd_bus_error*) {
    return static_cast<StatusNotifierItem*>(self)->replyLayout(call);
}

int StatusNotifierItem::onGetGroupProperties(sd_bus_message* call, void* self, sd_bus_error*) {
    return static_cast<StatusNotifierItem*>(self)->replyGroupProperties(call);
}

int StatusNotifierItem::onGetMenuItemProperty(sd_bus_message* call, void* self, sd_bus_error*) {
    return static_cast<StatusNotifierItem*>(self)->replyMenuItemProperty(call);
}

int StatusNotifierItem::onEvent(sd_bus_message* call, void* self, sd_bus_error*) {
    return static_cast<StatusNotifierItem*>(self)->replyEvent(call);
}

int StatusNotifierItem::onEventGroup(sd_bus_message* call, void* self, sd_bus_error*) {
    return static_cast<StatusNotifierItem*>(self)->replyEventGroup(call);
}
