#include "tests/Ui/QmlUiTestSetup.h"

#include <QDir>
#include <QList>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlError>

#include <cstdio>

#include "tests/Ui/KeyListFixture.h"
#include "tests/Ui/WindowFixture.h"
#include "ui/app/ApplicationFont.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/LocalizationManager.h"
#include "ui/app/QmlTypeRegistration.h"

QmlUiTestSetup::QmlUiTestSetup(KeyListFixture& keyList, WindowFixture& window)
    : keyList_(keyList), window_(window) {}

bool QmlUiTestSetup::warned() const {
    return warned_;
}

void QmlUiTestSetup::expose(const QString& name, QObject* fixture) {
    exposed_.append({name, fixture});
}

void QmlUiTestSetup::applicationAvailable() {
    QDir().mkpath(QStringLiteral(WHIRLEN_SCREENSHOTS_DIR));
    applyApplicationFont(":/Ui/Assets/Fonts/Poppins-Bold.ttf",
                         ":/Ui/Assets/Fonts/Poppins-Regular.ttf");
    registerQmlTypes();
    WindowFixture::writeFactoryPreferences();
}

void QmlUiTestSetup::qmlEngineAvailable(QQmlEngine* engine) {
    engine->rootContext()->setContextProperty("keyList", &keyList_);
    engine->rootContext()->setContextProperty("windowFixture", &window_);
    for (const auto& [name, fixture] : exposed_) {
        engine->rootContext()->setContextProperty(name, fixture);
    }
    // Where the screens test saves its pictures.
    engine->rootContext()->setContextProperty("screenshotsFolder",
                                              QStringLiteral(WHIRLEN_SCREENSHOTS_DIR));
    addImageProviders(*engine);
    ApplicationManager::instance().localizationManager()->setEngine(engine);
    ApplicationManager::instance().start();
    connect(engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError>& warnings) {
        for (const QQmlError& warning : warnings) {
            std::fprintf(stderr, "QML warning: %s\n", qPrintable(warning.toString()));
        }
        warned_ = true;
    });
}

void QmlUiTestSetup::cleanupTestCase() {
    ApplicationManager::instance().stop();
}
