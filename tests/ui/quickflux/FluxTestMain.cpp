#include <QObject>
#include <QtQuickTest>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/ui/app/QtWarningWatch.h"

// The module registers itself when the application object is built; the setup only picks
// a display-free platform and renderer, and private folders, before that happens.
class FluxTestSetup : public QObject {
    Q_OBJECT
public:
    FluxTestSetup() {
        environment_.set("QT_QPA_PLATFORM", "offscreen");
        environment_.set("QT_QUICK_BACKEND", "software");
        environment_.set("XDG_RUNTIME_DIR", folder_.path().string());
        environment_.set("XDG_CACHE_HOME", folder_.file("cache"));
        environment_.set("XDG_CONFIG_HOME", folder_.file("config"));
        environment_.set("XDG_DATA_HOME", folder_.file("data"));
    }

private:
    TemporaryFolder folder_{"whirlen-flux-test"};
    ScopedEnvironment environment_;
};

int main(int argc, char** argv) {
    FluxTestSetup setup;
    return QtWarningWatch::runFailed(argc, argv, "flux", nullptr, &setup) ? 1 : 0;
}

#include "FluxTestMain.moc"
