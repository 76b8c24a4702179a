// The window's editor and the real agent under Qt Quick Test, on a private X server: what a
// user binds in the window is saved, the agent reloads, and the made-up controller's next
// press types it into an application; the TestCase documents are in road/.

#include <QtQuickTest>

#include <cstdio>

#include "tests/Ui/AgentRoadFixture.h"
#include "tests/Ui/KeyListFixture.h"
#include "tests/Ui/QmlUiTestSetup.h"
#include "tests/Ui/WindowFixture.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/XvfbServer.h"
#include "tests/ui/app/QtTestMain.h"
#include "tests/ui/app/QtWarningWatch.h"

int main(int argc, char** argv) {
    QtTestSession session;
    XvfbServer xvfb("1920x1080x24");
    if (!xvfb.running()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    ScopedEnvironment environment;
    environment.set("DISPLAY", xvfb.display());
    environment.set("QT_QPA_PLATFORM", "xcb");
    environment.unset("QT_QUICK_BACKEND");
    // The agent's desktop notices have no bus to go to.
    environment.set("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    AgentRoadFixture agent(xvfb.display());
    if (!agent.ready()) {
        std::fprintf(stderr, "The made-up controller or the application window is missing\n");
        return 1;
    }
    KeyListFixture keyList;
    WindowFixture window;
    QmlUiTestSetup setup(keyList, window);
    setup.expose("agentFixture", &agent);
    const bool failed =
        QtWarningWatch::runFailed(argc, argv, "qml_agent_road", WHIRLEN_QML_ROAD_TESTS, &setup);
    return failed || setup.warned() ? 1 : 0;
}
