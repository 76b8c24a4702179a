#include <QGuiApplication>
#include <QObject>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QUrl>

#include <memory>

#include "platform/InstanceLock.h"
#include "platform/InstanceNames.h"
#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/LogManager.h"
#include "shared/version/VersionStamp.h"
#include "ui/app/AgentProcess.h"
#include "ui/app/ApplicationFont.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/CommandLineManager.h"
#include "ui/app/LocalizationManager.h"
#include "ui/app/QmlTypeRegistration.h"
#include "ui/app/TerminationWatcher.h"
#include "ui/app/WindowRenderer.h"
#include "ui/cloud/HttpRequestManager.h"

namespace {

// The code of a start that cannot go on, as when the main document yields no window.
constexpr int kStartFailedExitCode = -1;

// The Qt side: application, fonts, engine and types, the main document, the managers' start
// and the event loop; ends with the loop's result, -1 when the document yields no window.
int runConfigurationWindow(ApplicationManager& manager, int& argc, char** argv) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    // The scene graph sizes its texture atlas to the window (2048 x 1024, 8 MiB, held in
    // process memory by a software renderer); the window's small images fill a fraction of
    // 512 x 512, and larger ones get textures of their own either way.
    if (!qEnvironmentVariableIsSet("QSG_ATLAS_WIDTH") &&
        !qEnvironmentVariableIsSet("QSG_ATLAS_HEIGHT")) {
        qputenv("QSG_ATLAS_WIDTH", "512");
        qputenv("QSG_ATLAS_HEIGHT", "512");
    }
    QGuiApplication app(argc, argv);
    chooseWindowRenderer();
    const TerminationWatcher terminationWatcher;
    QGuiApplication::setOrganizationName("Pelvane-Design");
    QGuiApplication::setOrganizationDomain("pelvane-design.com");
    // The documents are drawn for the Basic style; Qt would pick another one here.
    QQuickStyle::setStyle("Basic");
    applyApplicationFont(":/Ui/Assets/Fonts/Poppins-Bold.ttf",
                         ":/Ui/Assets/Fonts/Poppins-Regular.ttf");

    QQmlApplicationEngine engine;
    manager.localizationManager()->setEngine(&engine);
    registerQmlTypes();
    addImageProviders(engine);
    const QUrl mainDocument("qrc:/Ui/main.qml");
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, &app,
        [mainDocument](QObject* object, const QUrl& url) {
            if (object == nullptr && url == mainDocument) {
                QCoreApplication::exit(kStartFailedExitCode);
            }
        },
        Qt::QueuedConnection);
    engine.load(mainDocument);
    manager.start();
    const int result = QGuiApplication::exec();
    // The agent link's thread goes before the engine does.
    manager.stop();
    // Every transfer, a renewal's included, is cancelled and its thread joined while everything
    // the threads use (the window's objects, the statics that die with main) is still there.
    HttpRequestManager::instance().shutdown();
    return result;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!TerminationWatcher::blockTerminationSignals()) {
        return -1;
    }
    ApplicationManager& manager = ApplicationManager::instance();
    manager.settings().setVersionStamps(kVersionStamp, kBuildStamp);
    manager.commandLineManager()->parse(argc, argv);
    if (manager.commandLineManager()->installerMode()) {
        return 0;
    }
    InstanceLock::Refusal refusal = InstanceLock::Refusal::None;
    const std::unique_ptr<InstanceLock> instanceLock =
        InstanceLock::acquire(kConfigurationUiInstanceName, &refusal);
    // Only a lock that another process holds means another instance; one that cannot be
    // made has been logged with its folder and ends the program as a failed start.
    if (!instanceLock) {
        if (refusal != InstanceLock::Refusal::HeldElsewhere) {
            return kStartFailedExitCode;
        }
        LogManager::instance().log('E', "Application already running!");
        return 0;
    }
    startAgentProcess();
    return runConfigurationWindow(manager, argc, argv);
}
