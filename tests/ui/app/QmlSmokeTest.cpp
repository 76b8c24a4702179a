// The documents' view of the program's QML types: each module imports, each registered type
// is created, and any warning on the way, of the documents or of Qt, fails the run.

#include <QList>
#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlError>
#include <QtQuickTest>

#include <cstdio>

#include "shared/prefs/PreferencesStore.h"
#include "tests/ui/app/QtTestMain.h"
#include "tests/ui/app/QtWarningWatch.h"
#include "ui/app/ButtonController.h"
#include "ui/app/QmlTypeRegistration.h"

class QmlSmokeSetup : public QObject {
    Q_OBJECT

public:
    bool warned = false;

public slots:
    void qmlEngineAvailable(QQmlEngine* engine) {
        // Documents never create button controllers: one is handed in, as its profile would.
        engine->rootContext()->setContextProperty("smokeButton", &button_);
        connect(engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError>& warnings) {
            for (const QQmlError& warning : warnings) {
                std::fprintf(stderr, "QML warning: %s\n", qPrintable(warning.toString()));
            }
            warned = true;
        });
    }

private:
    ButtonController button_{PreferencesStore::instance(), {}};
};

int main(int argc, char** argv) {
    QtTestSession session;
    registerQmlTypes();
    QmlSmokeSetup setup;
    const bool failed =
        QtWarningWatch::runFailed(argc, argv, "qml_smoke", WHIRLEN_QML_TESTS, &setup);
    return failed || setup.warned ? 1 : 0;
}

#include "QmlSmokeTest.moc"
