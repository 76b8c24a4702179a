#include "platform/X11ForegroundWindowProvider.h"

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

// Before Xlib, whose macros (None, Bool, Status) would otherwise rewrite GoogleTest's names.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "tests/support/Occurrences.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/XvfbServer.h"

namespace {

constexpr const char* kNoDisplayLog = "cannot open the X display";

std::string thisProgram() {
    return std::filesystem::read_symlink("/proc/self/exe").string();
}

// Each test runs its own X server, where the test plays both the applications (it makes
// their windows) and the window manager (it sets the active window on the root).
class X11ForegroundWindowProviderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.running()) << "Xvfb is needed; scripts/install-deps installs it";
        environment_.set("DISPLAY", server_.display());
        display_ = XOpenDisplay(server_.display().c_str());
        ASSERT_NE(display_, nullptr);
        root_ = DefaultRootWindow(display_);
        activeAtom_ = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
        pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
    }

    void TearDown() override {
        provider_.reset();
        stopServer();
    }

    // The test's own connection goes first: Xlib ends a process whose connection breaks.
    void stopServer() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
            display_ = nullptr;
        }
        server_.stop();
    }

    Window makeWindow(Window parent) {
        const Window window = XCreateSimpleWindow(display_, parent, 0, 0, 100, 100, 0, 0, 0);
        XMapWindow(display_, window);
        return window;
    }

    Window makeApplicationWindow() {
        const Window window = makeWindow(root_);
        unsigned long pid = static_cast<unsigned long>(getpid());
        XChangeProperty(display_, window, pidAtom_, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&pid), 1);
        return window;
    }

    Window makeDialogOf(Window owner) {
        const Window dialog = makeWindow(root_);
        XSetTransientForHint(display_, dialog, owner);
        return dialog;
    }

    void setActive(Window window) {
        XChangeProperty(display_, root_, activeAtom_, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&window), 1);
    }

    // The provider has a connection of its own: what this one asked for must have been
    // carried out by the server before the provider looks.
    std::optional<ForegroundWindow> askProvider() {
        XSync(display_, False);
        return provider_->foreground();
    }

    XvfbServer server_;
    ScopedEnvironment environment_;
    Display* display_ = nullptr;
    Window root_ = None;
    Atom activeAtom_ = None;
    Atom pidAtom_ = None;
    // Made afresh per test, and gone before its server.
    std::optional<X11ForegroundWindowProvider> provider_{std::in_place};
};

TEST_F(X11ForegroundWindowProviderTest, ActiveWindowStandsForItsOwnersProgram) {
    const Window application = makeApplicationWindow();
    const Window dialog = makeDialogOf(application);
    const Window dialogOfDialog = makeDialogOf(dialog);
    const Window withoutPid = makeWindow(root_);
    const Window destroyed = makeWindow(root_);
    XDestroyWindow(display_, destroyed);
    struct Case {
        const char* name;
        Window active;
        ForegroundWindow expected;
    };
    const Case cases[] = {
        {"application window", application, {application, thisProgram()}},
        {"its dialog", dialog, {application, thisProgram()}},
        {"a dialog of that dialog", dialogOfDialog, {application, thisProgram()}},
        {"a window without a process id", withoutPid, {withoutPid, ""}},
        {"a window destroyed before the query", destroyed, {destroyed, ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setActive(c.active);

        EXPECT_EQ(askProvider(), c.expected);
    }
}

TEST_F(X11ForegroundWindowProviderTest, DialogsOwningEachOtherDoNotHangTheQuery) {
    const Window first = makeApplicationWindow();
    const Window second = makeDialogOf(first);
    XSetTransientForHint(display_, first, second);
    setActive(second);

    const std::optional<ForegroundWindow> found = askProvider();

    ASSERT_TRUE(found);
    EXPECT_TRUE(found->rootWindow == first || found->rootWindow == second);
}

TEST_F(X11ForegroundWindowProviderTest, WithoutActiveWindowTheFocusIsWalkedUpToItsTopLevel) {
    const Window application = makeApplicationWindow();
    const Window panel = makeWindow(application);
    const Window field = makeWindow(panel);
    XSync(display_, False);
    XSetInputFocus(display_, field, RevertToParent, CurrentTime);

    EXPECT_EQ(askProvider(), (ForegroundWindow{application, thisProgram()}))
        << "no _NET_ACTIVE_WINDOW";

    setActive(None);
    EXPECT_EQ(askProvider(), (ForegroundWindow{application, thisProgram()}))
        << "_NET_ACTIVE_WINDOW is None";
}

TEST_F(X11ForegroundWindowProviderTest, NothingInFrontIsNoWindow) {
    // A fresh server's focus follows the pointer over the bare root window.
    EXPECT_EQ(askProvider(), std::nullopt);

    XSetInputFocus(display_, None, RevertToNone, CurrentTime);
    EXPECT_EQ(askProvider(), std::nullopt);
}

TEST_F(X11ForegroundWindowProviderTest, ServerGoingAwayCostsTheConnectionNotTheProcess) {
    setActive(makeApplicationWindow());
    ASSERT_TRUE(askProvider());

    stopServer();

    EXPECT_EQ(provider_->foreground(), std::nullopt);
}

TEST(X11ForegroundWindowProviderNoDisplayTest, NoDisplayIsNoWindowAndLoggedOnce) {
    struct Case {
        const char* name;
        std::optional<std::string> display;
    };
    const Case cases[] = {
        {"DISPLAY unset", std::nullopt},
        {"no server at DISPLAY", ":65000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedEnvironment environment;
        environment.setOrUnset("DISPLAY", c.display);
        X11ForegroundWindowProvider provider;

        ::testing::internal::CaptureStdout();
        const std::optional<ForegroundWindow> first = provider.foreground();
        const std::optional<ForegroundWindow> second = provider.foreground();
        const std::string logged = ::testing::internal::GetCapturedStdout();

        EXPECT_EQ(first, std::nullopt);
        EXPECT_EQ(second, std::nullopt);
        EXPECT_EQ(occurrences(logged, kNoDisplayLog), 1u) << logged;
    }
}

}  // namespace
