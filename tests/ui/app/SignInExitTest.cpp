// The configuration program ends at once when it is told to while a renewal of the sign-in is
// held open by the identity service, and also when that renewal comes back during the exit.

#include <httplib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/InstanceLock.h"
#include "platform/InstanceNames.h"
#include "platform/ProcessLauncher.h"
#include "shared/prefs/Paths.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowCloser.h"
#include "tests/support/XvfbServer.h"
#include "tests/ui/app/StoredSignIn.h"
#include "tests/ui/cloud/FakeCloudServer.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr const char* kTokenPath = "/realms/pelservices/protocol/openid-connect/token";
constexpr const char* kUpdateCheckPath = "/api/software-version-whirlen";

// The identity service: the start-up renewal gets an access token that expires within the
// program's renewal margin, so the first signed-in request renews it; that renewal is held.
class HoldingIdentity {
public:
    HoldingIdentity() {
        server.setReply(kTokenPath, [this](const ReceivedRequest&, httplib::Response& response) {
            if (++answered_ > 1) {
                server.waitAtGate();
            }
            answerRenewal(response, 10);
        });
    }

    FakeCloudServer server;

private:
    std::atomic<int> answered_{0};
};

class SignInExitTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment_.set("XDG_RUNTIME_DIR", runtime_.path().string());
        environment_.set("XDG_DATA_HOME", data_.path().string());
        environment_.set("QT_QPA_PLATFORM", "offscreen");
        environment_.set("QT_QUICK_BACKEND", "software");
        environment_.unset("DISPLAY");
        // The window draws, and Qt keeps its drawing caches until exit.
        environment_.set("LSAN_OPTIONS",
                         "suppressions=" WHIRLEN_LSAN_SUPPRESSIONS ":print_suppressions=0");
        // No desktop keyring: the sign-in is protected with the key file.
        environment_.set("DBUS_SESSION_BUS_ADDRESS",
                         "unix:path=" + runtime_.file("no-session-bus"));
        initializeGlobals();
        agentLock_ = InstanceLock::acquire(kAgentInstanceName);
        ASSERT_TRUE(agentLock_);
        listener_ = ipctest::listenRaw();
        ASSERT_GE(listener_, 0);
    }

    void TearDown() override {
        if (listener_ >= 0) {
            ::close(listener_);
        }
    }

    struct Exit {
        bool ended = false;
        int status = -1;
        Clock::duration took{};
    };

    // Starts the program against the identity service and ends it once the renewal is held:
    // with SIGTERM, or by closing its window on the X server when one is given. The service
    // lets the renewal go `answerAfter` later, if at all. Signed out, the program is ended once
    // its window has completed (its update check has come in).
    Exit run(std::optional<std::chrono::milliseconds> answerAfter,
             const XvfbServer* screen = nullptr, bool signedIn = true) {
        HoldingIdentity identity;
        environment_.set("WHIRLEN_CLOUD_IDENTITY_URL", identity.server.baseUrl());
        environment_.set("WHIRLEN_CLOUD_SERVICES_URL", identity.server.baseUrl());
        std::filesystem::remove(refreshTokenFilePath());
        if (signedIn) {
            EXPECT_TRUE(storeSignIn());
        }
        const pid_t ui =
            ProcessLauncher::launch({WHIRLEN_UI_PROGRAM}, ProcessLauncher::Reaping::ByCaller);
        EXPECT_GT(ui, 0);
        Exit exit;
        if (ui <= 0) {
            return exit;
        }
        const int link = ipctest::acceptRaw(listener_);
        EXPECT_GE(link, 0);
        EXPECT_TRUE(waitUntil(
            [&] {
                return signedIn ? identity.server.waitingAtGate() == 1
                                : identity.server.count(kUpdateCheckPath) == 1;
            },
            60s));
        const Clock::time_point told = Clock::now();
        if (screen != nullptr) {
            EXPECT_EQ(closeWindowsOf(screen->display(), ui), 1);
        } else {
            ::kill(ui, SIGTERM);
        }
        if (answerAfter) {
            std::this_thread::sleep_for(*answerAfter);
            identity.server.openGate();
        }
        exit.ended = waitUntil([&] { return ::waitpid(ui, &exit.status, WNOHANG) == ui; }, 60s);
        exit.took = Clock::now() - told;
        if (!exit.ended) {
            ::kill(ui, SIGKILL);
            ::waitpid(ui, &exit.status, 0);
        }
        if (link >= 0) {
            ::close(link);
        }
        return exit;
    }

    static void expectCleanExit(const Exit& exit) {
        ASSERT_TRUE(exit.ended);
        // Under the sanitizers a fault or a leak at exit would change the code.
        ASSERT_TRUE(WIFEXITED(exit.status));
        EXPECT_EQ(WEXITSTATUS(exit.status), 0);
    }

    // Waiting for the held renewal would add up to its whole time-out to what the same program
    // takes to end with nothing in flight, measured in the same run.
    static void expectNoWaitForTheRenewal(const Exit& exit, const Exit& idle) {
        expectCleanExit(exit);
        EXPECT_LT(exit.took, idle.took + 1s);
    }

    TemporaryFolder runtime_{"whirlen-exit-runtime"};
    TemporaryFolder data_{"whirlen-exit-data"};
    ScopedEnvironment environment_;
    std::unique_ptr<InstanceLock> agentLock_;
    int listener_ = -1;
};

TEST_F(SignInExitTest, ATerminationSignalDoesNotWaitForAHeldRenewal) {
    const Exit idle = run(std::nullopt, nullptr, false);
    expectCleanExit(idle);
    expectNoWaitForTheRenewal(run(std::nullopt), idle);
}

TEST_F(SignInExitTest, ClosingTheWindowDoesNotWaitForAHeldRenewal) {
    const XvfbServer screen("1280x800x24");
    ASSERT_TRUE(screen.running());
    environment_.set("DISPLAY", screen.display());
    environment_.set("QT_QPA_PLATFORM", "xcb");
    // On X the program loads libxkbcommon-x11, which reads atom names past their end as the
    // address sanitizer's strict string checks see it; memory errors still stop it.
    environment_.set("ASAN_OPTIONS", "abort_on_error=1:detect_leaks=0");
    const Exit idle = run(std::nullopt, &screen, false);
    expectCleanExit(idle);
    expectNoWaitForTheRenewal(run(std::nullopt, &screen), idle);
}

// The renewal's answer arrives at every moment of the exit: before the requests are stopped,
// while they are, and after.
TEST_F(SignInExitTest, ARenewalThatEndsDuringTheExitEndsItCleanly) {
    for (const int delay : {0, 1, 2, 5, 10, 20, 40, 80, 150, 300}) {
        SCOPED_TRACE(delay);
        expectCleanExit(run(std::chrono::milliseconds(delay)));
    }
}

}  // namespace
