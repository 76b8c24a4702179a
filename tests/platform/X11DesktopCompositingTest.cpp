#include "platform/X11DesktopCompositing.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <optional>
#include <string>

#include "tests/support/CompositingManagerStandIn.h"
#include "tests/support/XvfbServer.h"

namespace {

// A private X server with the test's own connection, which the desktop is asked over.
struct XServer {
    explicit XServer(int screens)
        : server("640x480x24", screens),
          connection(xcb_connect(server.display().c_str(), nullptr)) {}
    ~XServer() { xcb_disconnect(connection); }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool ready() const { return server.running() && xcb_connection_has_error(connection) == 0; }

    XvfbServer server;
    xcb_connection_t* const connection;
};

TEST(X11DesktopCompositingTest, CompositesWhileAnyScreensCompositingManagerRuns) {
    struct Case {
        const char* name;
        int screens;
        // The screen whose compositing manager runs; none when unset.
        std::optional<int> compositedScreen;
        bool expected;
    };
    const Case cases[] = {
        {"no compositing manager", 1, std::nullopt, false},
        {"one for the only screen", 1, 0, true},
        {"none on either of two screens", 2, std::nullopt, false},
        {"one for the second of two screens", 2, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        XServer x(c.screens);
        ASSERT_TRUE(x.ready()) << "Xvfb is needed; scripts/install-deps installs it";
        std::optional<CompositingManagerStandIn> manager;
        if (c.compositedScreen) {
            manager.emplace(x.server.display(), *c.compositedScreen);
            ASSERT_TRUE(manager->holding());
        }

        EXPECT_EQ(X11DesktopCompositing(x.connection).composites(), c.expected);
    }
}

TEST(X11DesktopCompositingTest, WindowSystemsOtherThanXComposite) {
    EXPECT_TRUE(X11DesktopCompositing(nullptr).composites());
}

}  // namespace
