#include "platform/DesktopSecretKeyStore.h"

#include <fcntl.h>
#include <gio/gio.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "platform/DataProtection.h"
#include "platform/FileSecretKeyStore.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/SessionBusServer.h"
#include "tests/support/SilentSecretService.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/WaitUntil.h"

namespace {

using namespace std::chrono_literals;

// Whether a program owns the name on the session bus, asked without starting anything.
bool nameHasOwner(const char* name) {
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (bus == nullptr) {
        return false;
    }
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", name), G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE,
        -1, nullptr, nullptr);
    gboolean owned = FALSE;
    if (reply != nullptr) {
        g_variant_get(reply, "(b)", &owned);
        g_variant_unref(reply);
    }
    g_object_unref(bus);
    return owned == TRUE;
}

// gnome-keyring-daemon serving the Secret Service on the test's bus, with a login keyring
// that it creates and unlocks with the password the test hands it, as a logon would.
class KeyringDaemon {
public:
    KeyringDaemon() {
        int input[2];
        if (pipe(input) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(input[0], STDIN_FILENO);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            close(input[1]);
            execlp("gnome-keyring-daemon", "gnome-keyring-daemon", "--foreground", "--unlock",
                   "--components=secrets", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(input[0]);
        const std::string password = "logon password";
        const bool sent = write(input[1], password.data(), password.size()) ==
                          static_cast<ssize_t>(password.size());
        close(input[1]);
        running_ =
            sent && pid_ > 0 && waitUntil([] { return nameHasOwner("org.freedesktop.secrets"); });
    }

    ~KeyringDaemon() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

    bool running() const { return running_; }

private:
    pid_t pid_ = -1;
    bool running_ = false;
};

class DesktopSecretKeyStoreTest : public ::testing::Test {
protected:
    DesktopSecretKeyStoreTest() {
        for (const char* name : {"data", "runtime", "home"}) {
            std::filesystem::create_directories(folder_.path() / name);
        }
        std::filesystem::permissions(folder_.path() / "runtime", std::filesystem::perms::owner_all);
        environment_.set("XDG_DATA_HOME", folder_.file("data"));
        environment_.set("XDG_RUNTIME_DIR", folder_.file("runtime"));
        environment_.set("HOME", folder_.file("home"));
        environment_.unset("DISPLAY");
    }

    TemporaryFolder folder_{"whirlen-secrets"};
    ScopedEnvironment environment_;
    const std::string fallback_ = folder_.file("authk");
};

// First in the file: the process keeps its first session bus connection.
TEST_F(DesktopSecretKeyStoreTest, WithoutASessionBusTheKeyIsAPrivateFile) {
    environment_.unset("DBUS_SESSION_BUS_ADDRESS");
    DesktopSecretKeyStore store(fallback_);
    const auto key = store.key(true);
    ASSERT_TRUE(key);
    struct stat status {};
    ASSERT_EQ(stat(fallback_.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(DesktopSecretKeyStore(fallback_).key(false), key);
}

TEST_F(DesktopSecretKeyStoreTest, TheUnlockedLoginKeyringKeepsTheKey) {
    SessionBusServer bus;
    if (!bus.running()) {
        GTEST_SKIP() << "no dbus-daemon";
    }
    KeyringDaemon keyring;
    ASSERT_TRUE(keyring.running()) << "gnome-keyring-daemon did not come up";
    DesktopSecretKeyStore store(fallback_);
    EXPECT_EQ(store.key(false), std::nullopt);
    const auto key = store.key(true);
    ASSERT_TRUE(key);
    DesktopSecretKeyStore again(fallback_);
    EXPECT_EQ(again.key(false), key);
    const auto sealed = protectData(store, "refresh token", "entropy-1234");
    ASSERT_TRUE(sealed);
    EXPECT_EQ(unprotectData(again, *sealed, "entropy-1234"), "refresh token");
    EXPECT_FALSE(std::filesystem::exists(fallback_));
}

// A desktop whose Secret Service waits on a prompt nobody answers: one wait of the answer
// time at most, then the key file, for this run and the next, without asking again.
TEST_F(DesktopSecretKeyStoreTest, AServiceThatNeverAnswersCostsOneWaitThenTheKeyFile) {
    SessionBusServer bus;
    if (!bus.running()) {
        GTEST_SKIP() << "no dbus-daemon";
    }
    SilentSecretService silent(bus.address());
    ASSERT_TRUE(silent.owned());
    constexpr auto kAnswerTime = 300ms;
    DesktopSecretKeyStore store(fallback_, kAnswerTime);

    const auto started = std::chrono::steady_clock::now();
    const auto key = store.key(true);
    const auto waited = std::chrono::steady_clock::now() - started;
    ASSERT_TRUE(key);
    // Far below the bus's own time-out of 25 s.
    EXPECT_LT(waited, kAnswerTime + 2s);
    EXPECT_EQ(FileSecretKeyStore(fallback_).key(false), key);
    const int asked = silent.calls();
    EXPECT_GE(asked, 1);

    EXPECT_EQ(store.key(false), key);
    EXPECT_EQ(store.key(true), key);
    DesktopSecretKeyStore nextRun(fallback_, kAnswerTime);
    EXPECT_EQ(nextRun.key(false), key);
    EXPECT_EQ(silent.calls(), asked);
}

// The service is asked from the start, in the background: by the time a key is needed, a
// silent one costs no wait at all.
TEST_F(DesktopSecretKeyStoreTest, AKeyNeededLaterWaitsForNoSilentService) {
    SessionBusServer bus;
    if (!bus.running()) {
        GTEST_SKIP() << "no dbus-daemon";
    }
    SilentSecretService silent(bus.address());
    ASSERT_TRUE(silent.owned());
    constexpr std::chrono::milliseconds kAnswerTime = 1s;
    DesktopSecretKeyStore store(fallback_, kAnswerTime);
    EXPECT_TRUE(waitUntil([&] { return silent.calls() > 0; }));
    std::this_thread::sleep_for(kAnswerTime);

    const auto started = std::chrono::steady_clock::now();
    const auto sealed = protectData(store, "refresh token", "entropy-1234");
    const auto waited = std::chrono::steady_clock::now() - started;
    ASSERT_TRUE(sealed);
    // A wait begun by the call would last the whole answer time.
    EXPECT_LT(waited, kAnswerTime / 2);
    FileSecretKeyStore file(fallback_);
    EXPECT_EQ(unprotectData(file, *sealed, "entropy-1234"), "refresh token");
}

}  // namespace
