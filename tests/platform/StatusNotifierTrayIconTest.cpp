#include "platform/StatusNotifierTrayIcon.h"

#include <systemd/sd-bus.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/Occurrences.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/SessionBusServer.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TrayHost.h"
#include "tests/support/TrayItemClient.h"

namespace {

using Command = TrayIcon::Command;
using Kind = TrayIcon::Command::Kind;
using ::testing::StartsWith;

constexpr std::chrono::seconds kTimeout{30};
constexpr const char* kMenuInterface = "com.canonical.dbusmenu";
constexpr const char* kNoHostLog = "no tray host";

const TrayMenu kAgentMenu{
    "Pelvane Design Multimedia Control Panel",
    {{1, "Pelvane Design Multimedia Control Panel"},
     {1000, "Whirlen Lite - default"},
     {1001, "Whirlen Max - my_profile"},
     {2, "Exit"}},
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

using Layout = TrayItemClient::Layout;
using Registration = TrayHost::Registration;

class StatusNotifierTrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bus_.running()) << "cannot start dbus-daemon; scripts/install-deps installs it";
        ASSERT_TRUE(client_.connect());
    }

    void TearDown() override { host_.stop(); }

    bool startHost() {
        std::string whyNot;
        const bool started = host_.start(whyNot);
        EXPECT_TRUE(started) << whyNot;
        return started;
    }

    // Shows the icon to a running host; the name it registered under.
    std::string showToHost(StatusNotifierTrayIcon& icon, const TrayMenu& menu) {
        EXPECT_TRUE(startHost());
        EXPECT_TRUE(icon.show(menu));
        const auto registrations = host_.waitForRegistrations(1, kTimeout);
        return registrations ? registrations->front().service : "";
    }

    SessionBusServer bus_;
    TrayHost host_;
    TrayItemClient client_;
};

TEST_F(StatusNotifierTrayIconTest, RegistersWithTheHostAndLaysOutTheEntriesInOrder) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");
    ASSERT_TRUE(startHost());

    ASSERT_TRUE(icon.show(kAgentMenu));

    const auto registrations = host_.waitForRegistrations(1, kTimeout);
    ASSERT_TRUE(registrations);
    const Registration& registration = registrations->front();
    EXPECT_THAT(registration.service,
                StartsWith("org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-"));
    EXPECT_EQ(registration.title, kAgentMenu.title)
        << "the item must answer the host while its registration is pending";
    const std::optional<Layout> layout = client_.layoutOf(registration.service);
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

    EXPECT_TRUE(client_.sendEvent(service, 1000, "hovered"));
    EXPECT_TRUE(client_.sendEvent(service, 1000, "clicked"));
    EXPECT_TRUE(client_.activate(service));
    EXPECT_FALSE(client_.sendEvent(service, 4242, "clicked")) << "no such entry";
    EXPECT_TRUE(client_.sendEvent(service, 2, "clicked"));

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
    const std::string menu = client_.menuPathOf(service);
    sd_bus_error error{};
    sd_bus_message* reply = nullptr;

    ASSERT_GE(
        sd_bus_call_method(client_.bus(), service.c_str(), menu.c_str(), kMenuInterface,
                           "GetGroupProperties", &error, &reply, "aias", 2, 1000, 4242, 1, "label"),
        0)
        << error.message;
    int32_t id = 0;
    std::string label;
    ASSERT_GT(sd_bus_message_enter_container(reply, 'a', "(ia{sv})"), 0);
    ASSERT_GT(sd_bus_message_enter_container(reply, 'r', "ia{sv}"), 0);
    ASSERT_GE(sd_bus_message_read(reply, "i", &id), 0);
    ASSERT_TRUE(TrayItemClient::readLabel(reply, label));
    ASSERT_GE(sd_bus_message_exit_container(reply), 0);
    EXPECT_EQ(id, 1000);
    EXPECT_EQ(label, "Whirlen Lite - default");
    EXPECT_EQ(sd_bus_message_enter_container(reply, 'r', "ia{sv}"), 0) << "no such entry: 4242";
    reply = sd_bus_message_unref(reply);

    const char* text = nullptr;
    ASSERT_GE(sd_bus_call_method(client_.bus(), service.c_str(), menu.c_str(), kMenuInterface,
                                 "GetProperty", &error, &reply, "is", 2, "label"),
              0)
        << error.message;
    ASSERT_GE(sd_bus_message_read(reply, "v", "s", &text), 0);
    EXPECT_STREQ(text, "Exit");
    reply = sd_bus_message_unref(reply);

    ASSERT_GE(sd_bus_call_method(client_.bus(), service.c_str(), menu.c_str(), kMenuInterface,
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
    const std::optional<Layout> before = client_.layoutOf(service);
    ASSERT_TRUE(before);
    const auto registrations = host_.waitForRegistrations(1, kTimeout);
    ASSERT_TRUE(registrations);
    ASSERT_TRUE(client_.watchLayoutUpdates(registrations->front().sender));
    const TrayMenu replacement{"Another title", {{1, "Another title"}, {2, "Exit"}}};

    icon.setMenu(replacement);

    const std::optional<uint32_t> signalled = client_.waitForLayoutUpdate(kTimeout);
    ASSERT_TRUE(signalled) << "no LayoutUpdated signal";
    EXPECT_GT(*signalled, before->revision);
    const std::optional<Layout> after = client_.layoutOf(service);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->revision, *signalled);
    EXPECT_EQ(after->entries, replacement.entries);
    EXPECT_EQ(client_.titleOf(service), replacement.title);
}

TEST_F(StatusNotifierTrayIconTest, RegistersAgainWithARestartedHost) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");
    const std::string service = showToHost(icon, kAgentMenu);
    ASSERT_FALSE(service.empty());

    host_.stop();
    TrayHost restarted;
    std::string whyNot;
    ASSERT_TRUE(restarted.start(whyNot)) << whyNot;

    const auto registrations = restarted.waitForRegistrations(1, kTimeout);
    ASSERT_TRUE(registrations) << "the icon did not come back to the restarted host";
    EXPECT_EQ(registrations->front().service, service);
}

TEST_F(StatusNotifierTrayIconTest, HidingTakesTheIconOffTheBusAndShowingPutsItBack) {
    StatusNotifierTrayIcon icon("whirlen-agent", "input-gaming");
    const std::string service = showToHost(icon, kAgentMenu);
    ASSERT_TRUE(client_.nameHasOwner(service));

    icon.hide();
    EXPECT_FALSE(client_.nameHasOwner(service));

    ASSERT_TRUE(icon.show(kAgentMenu));
    const auto registrations = host_.waitForRegistrations(2, kTimeout);
    ASSERT_TRUE(registrations);
    EXPECT_TRUE(client_.nameHasOwner(registrations->back().service));
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
