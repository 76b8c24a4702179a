#include "platform/StatusNotifierTrayIcon.h"

#include <systemd/sd-bus.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/SessionBusLoop.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Occurrences.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using Command = TrayIcon::Command;
using Kind = TrayIcon::Command::Kind;
using ::testing::StartsWith;

constexpr std::chrono::seconds kTimeout{30};
constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
constexpr const char* kMenuInterface = "com.canonical.dbusmenu";
constexpr const char* kNoHostLog = "no tray host";

const TrayMenu kAgentMenu{
    "Pelvane Design Multimedia Control Panel",
    {{1, "Pelvane Design Multimedia Control Panel"},
     {1000, "Whirlen Lite - default"},
     {1001, "Whirlen Max - my_profile"},
     {2, "Exit"}},
};

// What the tray host saw of one registration.
struct Registration {
    std::string service;
    // The unique name of the connection that registered.
    std::string sender;
    // The item's Title, asked for before the registration was answered.
    std::string title;
};

// The desktop's side of the bus: owns the watcher's name and, as real hosts may, asks the
// new item about itself before answering its registration.
class TrayHost {
public:
    // The loop goes first: its thread records into the members below.
    ~TrayHost() { stop(); }

    bool start() {
        std::string whyNot;
        const bool started = loop_.start(
            [this](sd_bus* bus, std::string& why) {
                if (sd_bus_add_object_vtable(bus, nullptr, "/StatusNotifierWatcher", kWatcherName,
                                             kVtable, this) < 0 ||
                    sd_bus_request_name(bus, kWatcherName, 0) < 0) {
                    why = "cannot own the watcher's name";
                    return false;
                }
                return true;
            },
            whyNot);
        EXPECT_TRUE(started) << whyNot;
        return started;
    }

    void stop() { loop_.stop(); }

    // The first `count` registrations; nullopt when fewer arrive within the timeout.
    std::optional<std::vector<Registration>> waitForRegistrations(std::size_t count) {
        std::unique_lock guard(lock_);
        if (!registered_.wait_for(guard, kTimeout,
                                  [&] { return registrations_.size() >= count; })) {
            return std::nullopt;
        }
        return registrations_;
    }

private:
    static int onRegister(sd_bus_message* call, void* self, sd_bus_error*) {
        const char* service = nullptr;
        const int r = sd_bus_message_read(call, "s", &service);
        if (r < 0) {
            return r;
        }
        Registration registration{service, sd_bus_message_get_sender(call), ""};
        sd_bus_error error{};
        char* title = nullptr;
        if (sd_bus_get_property_string(sd_bus_message_get_bus(call), service, kItemPath,
                                       kItemInterface, "Title", &error, &title) >= 0) {
            registration.title = title;
            std::free(title);
        }
        sd_bus_error_free(&error);
        static_cast<TrayHost*>(self)->record(registration);
        return sd_bus_reply_method_return(call, "");
    }

    void record(const Registration& registration) {
        {
            std::lock_guard guard(lock_);
            registrations_.push_back(registration);
        }
        registered_.notify_all();
    }

    static constexpr sd_bus_vtable kVtable[] = {
        SD_BUS_VTABLE_START(0),
        SD_BUS_METHOD("RegisterStatusNotifierItem", "s", "", onRegister,
                      SD_BUS_VTABLE_UNPRIVILEGED),
        SD_BUS_VTABLE_END,
    };

    SessionBusLoop loop_;
    std::mutex lock_;
    std::condition_variable registered_;
    std::vector<Registration> registrations_;
};

// The commands the icon reports, from its bus thread.
class CommandLog {
public:
    TrayIcon::CommandHandler handler() {
        return [this](const Command& command) {
            {
                std::lock_guard guard(lock_);
                commands_.push_back(command);
            }
            arrived_.notify_all();
        };
    }

    std::vector<Command> waitFor(std::size_t count) {
        std::unique_lock guard(lock_);
        arrived_.wait_for(guard, kTimeout, [&] { return commands_.size() >= count; });
        return commands_;
    }

private:
    std::mutex lock_;
    std::condition_variable arrived_;
    std::vector<Command> commands_;
};

struct Layout {
    uint32_t revision = 0;
    std::vector<TrayMenu::Entry> entries;
};

// Reads the "label" out of an item's a{sv} properties.
bool readLabel(sd_bus_message* m, std::string& label) {
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

// One child of the root: a variant holding (id, properties, children).
int readEntry(sd_bus_message* m, std::vector<TrayMenu::Entry>& entries) {
    int r = sd_bus_message_enter_container(m, 'v', "(ia{sv}av)");
    if (r <= 0) {
        return r;
    }
    TrayMenu::Entry entry;
    const bool read = sd_bus_message_enter_container(m, 'r', "ia{sv}av") > 0 &&
                      sd_bus_message_read(m, "i", &entry.id) >= 0 && readLabel(m, entry.label) &&
                      sd_bus_message_skip(m, "av") >= 0 && sd_bus_message_exit_container(m) >= 0 &&
                      sd_bus_message_exit_container(m) >= 0;
    entries.push_back(entry);
    return read ? 1 : -1;
}

class StatusNotifierTrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus_.start({"dbus-daemon", "--session", "--nofork", "--print-address"}))
            << "cannot start dbus-daemon; scripts/install-deps installs it";
        const std::optional<std::string> address = bus_.readLine(kTimeout);
        ASSERT_TRUE(address) << "dbus-daemon did not print its address";
        environment_.set("DBUS_SESSION_BUS_ADDRESS", *address);
        ASSERT_GE(sd_bus_open_user(&client_), 0);
    }

    void TearDown() override {
        host_.stop();
        sd_bus_flush_close_unref(client_);
        bus_.stop();
    }

    // Shows the icon to a running host; the name it registered under.
    std::string showToHost(StatusNotifierTrayIcon& icon, const TrayMenu& menu) {
        EXPECT_TRUE(host_.start());
        EXPECT_TRUE(icon.show(menu));
        const auto registrations = host_.waitForRegistrations(1);
        return registrations ? registrations->front().service : "";
    }

    // Where the item says its menu is, as a host finds it.
    std::string menuPathOf(const std::string& service) {
        sd_bus_error error{};
        sd_bus_message* reply = nullptr;
        const char* path = "";
        std::string found;
        if (sd_bus_get_property(client_, service.c_str(), kItemPath, kItemInterface, "Menu", &error,
                                &reply, "o") >= 0 &&
            sd_bus_message_read(reply, "o", &path) >= 0) {
            found = path;
        }
        EXPECT_FALSE(found.empty()) << (error.message != nullptr ? error.message : "");
        sd_bus_error_free(&error);
        sd_bus_message_unref(reply);
        return found;
    }

    std::string titleOf(const std::string& service) {
        sd_bus_error error{};
        char* title = nullptr;
        std::string found;
        if (sd_bus_get_property_string(client_, service.c_str(), kItemPath, kItemInterface, "Title",
                                       &error, &title) >= 0) {
            found = title;
            std::free(title);
        }
        sd_bus_error_free(&error);
        return found;
    }

    std::optional<Layout> layoutOf(const std::string& service) {
        sd_bus_error error{};
        sd_bus_message* reply = nullptr;
        Layout layout;
        int32_t rootId = -1;
        bool read = sd_bus_call_method(client_, service.c_str(), menuPathOf(service).c_str(),
                                       kMenuInterface, "GetLayout", &error, &reply, "iias", 0, -1,
                                       0) >= 0 &&
                    sd_bus_message_read(reply, "u", &layout.revision) >= 0 &&
                    sd_bus_message_enter_container(reply, 'r', "ia{sv}av") > 0 &&
                    sd_bus_message_read(reply, "i", &rootId) >= 0 &&
                    sd_bus_message_skip(reply, "a{sv}") >= 0 &&
                    sd_bus_message_enter_container(reply, 'a', "v") > 0;
        int r = 0;
        while (read && (r = readEntry(reply, layout.entries)) > 0) {
        }
        read = read && r == 0 && rootId == 0;
        EXPECT_TRUE(read) << (error.message != nullptr ? error.message : "malformed layout");
        sd_bus_error_free(&error);
        sd_bus_message_unref(reply);
        return read ? std::optional<Layout>(layout) : std::nullopt;
    }

    // A host's click (or other event) on an entry; false when the item refuses it.
    bool sendEvent(const std::string& service, int32_t id, const char* eventId) {
        sd_bus_error error{};
        const int r = sd_bus_call_method(client_, service.c_str(), menuPathOf(service).c_str(),
                                         kMenuInterface, "Event", &error, nullptr, "isvu", id,
                                         eventId, "s", "", 0u);
        sd_bus_error_free(&error);
        return r >= 0;
    }

    bool activate(const std::string& service) {
        sd_bus_error error{};
        const int r = sd_bus_call_method(client_, service.c_str(), kItemPath, kItemInterface,
                                         "Activate", &error, nullptr, "ii", 0, 0);
        sd_bus_error_free(&error);
        return r >= 0;
    }

    bool nameHasOwner(const std::string& name) {
        sd_bus_error error{};
        sd_bus_message* reply = nullptr;
        int owned = 0;
        sd_bus_call_method(client_, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus", "NameHasOwner", &error, &reply, "s",
                           name.c_str());
        if (reply != nullptr) {
            sd_bus_message_read(reply, "b", &owned);
        }
        sd_bus_error_free(&error);
        sd_bus_message_unref(reply);
        return owned != 0;
    }

    // Subscribes to the menu's LayoutUpdated signals from the connection `sender`.
    void watchLayoutUpdates(const std::string& sender) {
        ASSERT_GE(sd_bus_match_signal(client_, nullptr, sender.c_str(), nullptr, kMenuInterface,
                                      "LayoutUpdated", onLayoutUpdated, this),
                  0);
    }

    // The revision of the next LayoutUpdated signal; nullopt when none arrives in time.
    std::optional<uint32_t> waitForLayoutUpdate() {
        const auto deadline = std::chrono::steady_clock::now() + kTimeout;
        while (!signalledRevision_ && std::chrono::steady_clock::now() < deadline) {
            if (sd_bus_process(client_, nullptr) == 0) {
                sd_bus_wait(client_, 1'000'000);
            }
        }
        return signalledRevision_;
    }

    ChildProcess bus_;
    ScopedEnvironment environment_;
    TrayHost host_;
    sd_bus* client_ = nullptr;

private:
    static int onLayoutUpdated(sd_bus_message* signal, void* self, sd_bus_error*) {
        uint32_t revision = 0;
        int32_t parent = 0;
        if (sd_bus_message_read(signal, "ui", &revision, &parent) >= 0) {
            static_cast<StatusNotifierTrayIconTest*>(self)->signalledRevision_ = revision;
        }
        return 0;
    }

    std::optional<uint32_t> signalledRevision_;
};

TEST_F(StatusNotifierTrayIconTest, RegistersWithTheHostAndLaysOutTheEntriesInOrder) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");
    ASSERT_TRUE(host_.start());

    ASSERT_TRUE(icon.show(kAgentMenu));

    const auto registrations = host_.waitForRegistrations(1);
    ASSERT_TRUE(registrations);
    const Registration& registration = registrations->front();
    EXPECT_THAT(registration.service,
                StartsWith("org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-"));
    EXPECT_EQ(registration.title, kAgentMenu.title)
        << "the item must answer the host while its registration is pending";
    const std::optional<Layout> layout = layoutOf(registration.service);
    ASSERT_TRUE(layout);
    const std::vector<TrayMenu::Entry> expected{
        {1, "Pelvane Design Multimedia Control Panel"},
        {1000, "Whirlen Lite - default"},
        {1001, "Whirlen Max - my__profile"},  // dbusmenu's escape for a plain "_"
        {2, "Exit"},
    };
    EXPECT_EQ(layout->entries, expected);
}

TEST_F(StatusNotifierTrayIconTest, GesturesReachTheHandlerAsCommands) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");
    CommandLog commands;
    icon.setCommandHandler(commands.handler());
    const std::string service = showToHost(icon, kAgentMenu);
    ASSERT_FALSE(service.empty());

    EXPECT_TRUE(sendEvent(service, 1000, "hovered"));
    EXPECT_TRUE(sendEvent(service, 1000, "clicked"));
    EXPECT_TRUE(activate(service));
    EXPECT_FALSE(sendEvent(service, 4242, "clicked")) << "no such entry";
    EXPECT_TRUE(sendEvent(service, 2, "clicked"));

    const std::vector<Command> expected{
        {Kind::EntryChosen, 1000},
        {Kind::Activated, 0},
        {Kind::EntryChosen, 2},
    };
    EXPECT_EQ(commands.waitFor(expected.size()), expected);
}

TEST_F(StatusNotifierTrayIconTest, BatchedAndSingleItemCallsAgreeWithTheLayout) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");
    CommandLog commands;
    icon.setCommandHandler(commands.handler());
    const std::string service = showToHost(icon, kAgentMenu);
    ASSERT_FALSE(service.empty());
    const std::string menu = menuPathOf(service);
    sd_bus_error error{};
    sd_bus_message* reply = nullptr;

    ASSERT_GE(
        sd_bus_call_method(client_, service.c_str(), menu.c_str(), kMenuInterface,
                           "GetGroupProperties", &error, &reply, "aias", 2, 1000, 4242, 1, "label"),
        0)
        << error.message;
    int32_t id = 0;
    std::string label;
    ASSERT_GT(sd_bus_message_enter_container(reply, 'a', "(ia{sv})"), 0);
    ASSERT_GT(sd_bus_message_enter_container(reply, 'r', "ia{sv}"), 0);
    ASSERT_GE(sd_bus_message_read(reply, "i", &id), 0);
    ASSERT_TRUE(readLabel(reply, label));
    ASSERT_GE(sd_bus_message_exit_container(reply), 0);
    EXPECT_EQ(id, 1000);
    EXPECT_EQ(label, "Whirlen Lite - default");
    EXPECT_EQ(sd_bus_message_enter_container(reply, 'r', "ia{sv}"), 0) << "no such entry: 4242";
    reply = sd_bus_message_unref(reply);

    const char* text = nullptr;
    ASSERT_GE(sd_bus_call_method(client_, service.c_str(), menu.c_str(), kMenuInterface,
                                 "GetProperty", &error, &reply, "is", 2, "label"),
              0)
        << error.message;
    ASSERT_GE(sd_bus_message_read(reply, "v", "s", &text), 0);
    EXPECT_STREQ(text, "Exit");
    reply = sd_bus_message_unref(reply);

    ASSERT_GE(sd_bus_call_method(client_, service.c_str(), menu.c_str(), kMenuInterface,
                                 "EventGroup", &error, &reply, "a(isvu)", 2, 1000, "clicked", "s",
                                 "", 0u, 4242, "clicked", "s", "", 0u),
              0)
        << error.message;
    const void* unknown = nullptr;
    size_t unknownSize = 0;
    ASSERT_GE(sd_bus_message_read_array(reply, 'i', &unknown, &unknownSize), 0);
    ASSERT_EQ(unknownSize, sizeof(int32_t));
    EXPECT_EQ(*static_cast<const int32_t*>(unknown), 4242);
    reply = sd_bus_message_unref(reply);
    sd_bus_error_free(&error);

    const std::vector<Command> expected{{Kind::EntryChosen, 1000}};
    EXPECT_EQ(commands.waitFor(expected.size()), expected);
}

TEST_F(StatusNotifierTrayIconTest, ReplacingTheMenuBumpsTheRevisionAndChangesTheLayout) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");
    const std::string service = showToHost(icon, kAgentMenu);
    ASSERT_FALSE(service.empty());
    const std::optional<Layout> before = layoutOf(service);
    ASSERT_TRUE(before);
    const auto registrations = host_.waitForRegistrations(1);
    ASSERT_TRUE(registrations);
    watchLayoutUpdates(registrations->front().sender);
    const TrayMenu replacement{"Another title", {{1, "Another title"}, {2, "Exit"}}};

    icon.setMenu(replacement);

    const std::optional<uint32_t> signalled = waitForLayoutUpdate();
    ASSERT_TRUE(signalled) << "no LayoutUpdated signal";
    EXPECT_GT(*signalled, before->revision);
    const std::optional<Layout> after = layoutOf(service);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->revision, *signalled);
    EXPECT_EQ(after->entries, replacement.entries);
    EXPECT_EQ(titleOf(service), replacement.title);
}

TEST_F(StatusNotifierTrayIconTest, RegistersAgainWithARestartedHost) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");
    const std::string service = showToHost(icon, kAgentMenu);
    ASSERT_FALSE(service.empty());

    host_.stop();
    TrayHost restarted;
    ASSERT_TRUE(restarted.start());

    const auto registrations = restarted.waitForRegistrations(1);
    ASSERT_TRUE(registrations) << "the icon did not come back to the restarted host";
    EXPECT_EQ(registrations->front().service, service);
}

TEST_F(StatusNotifierTrayIconTest, HidingTakesTheIconOffTheBusAndShowingPutsItBack) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");
    const std::string service = showToHost(icon, kAgentMenu);
    ASSERT_TRUE(nameHasOwner(service));

    icon.hide();
    EXPECT_FALSE(nameHasOwner(service));

    ASSERT_TRUE(icon.show(kAgentMenu));
    const auto registrations = host_.waitForRegistrations(2);
    ASSERT_TRUE(registrations);
    EXPECT_TRUE(nameHasOwner(registrations->back().service));
}

TEST_F(StatusNotifierTrayIconTest, WithoutHostThereIsNoIconAndThatIsLoggedOnce) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");

    ::testing::internal::CaptureStdout();
    const bool first = icon.show(kAgentMenu);
    const bool second = icon.show(kAgentMenu);
    const std::string logged = ::testing::internal::GetCapturedStdout();

    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    EXPECT_EQ(occurrences(logged, kNoHostLog), 1u) << logged;
}

TEST(StatusNotifierTrayIconNoBusTest, WithoutSessionBusThereIsNoIcon) {
    TemporaryFolder runtime;
    struct Case {
        const char* name;
        std::optional<std::string> address;
    };
    const Case cases[] = {
        {"address of a bus that is not there", "unix:path=" + runtime.file("missing-bus")},
        {"no address, no bus in the runtime folder", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedEnvironment environment;
        environment.set("XDG_RUNTIME_DIR", runtime.path().string());
        environment.setOrUnset("DBUS_SESSION_BUS_ADDRESS", c.address);
        StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");

        EXPECT_FALSE(icon.show(kAgentMenu));
    }
}

}  // namespace
