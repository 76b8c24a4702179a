// The window's documents under Qt Quick Test, on a private X server with OpenGL (Mesa), as
// a user's desktop would show them; the TestCase documents are in qml/.

#include <QQmlPropertyMap>
#include <QtQuickTest>

#include <cstdio>

#include "shared/prefs/ApplicationSettings.h"
#include "shared/version/VersionStamp.h"
#include "tests/Ui/CloudFixture.h"
#include "tests/Ui/FontFixture.h"
#include "tests/Ui/KeyListFixture.h"
#include "tests/Ui/QmlUiTestSetup.h"
#include "tests/Ui/RecordingAgentFixture.h"
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
    ScopedEnvironment display;
    display.set("DISPLAY", xvfb.display());
    display.set("QT_QPA_PLATFORM", "xcb");
    display.unset("QT_QUICK_BACKEND");
    // Before the program's managers, which take the services' addresses when first used.
    CloudFixture cloud;
    KeyListFixture keyList;
    WindowFixture window;
    RecordingAgentFixture recordingAgent;
    FontFixture fonts;
    // The program's own stamps, as its start reads them, and the build's setting of its version.
    ApplicationSettings::instance().setVersionStamps(kVersionStamp, kBuildStamp);
    QQmlPropertyMap buildSetting;
    buildSetting.insert("version", QStringLiteral(WHIRLEN_UI_VERSION));
    QmlUiTestSetup setup(keyList, window);
    setup.expose("recordingAgent", &recordingAgent);
    setup.expose("fonts", &fonts);
    setup.expose("cloud", &cloud);
    setup.expose("buildSetting", &buildSetting);
    const bool failed = QtWarningWatch::runFailed(argc, argv, "qml_ui", WHIRLEN_QML_TESTS, &setup);
    return failed || setup.warned() ? 1 : 0;
}
