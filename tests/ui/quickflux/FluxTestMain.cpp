#include <QObject>
#include <QtQuickTest>

// The module registers itself when the application object is built; the setup only picks
// a display-free platform and renderer before that happens.
class FluxTestSetup : public QObject {
    Q_OBJECT
public:
    FluxTestSetup() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_QUICK_BACKEND", "software");
    }
};

QUICK_TEST_MAIN_WITH_SETUP(flux, FluxTestSetup)

#include "FluxTestMain.moc"
