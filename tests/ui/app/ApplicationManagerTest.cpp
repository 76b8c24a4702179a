// The configuration program's shell around its managers: uptime on a clock that never
// steps, what start() sets up, and the application font's fallback.

#include <QFont>
#include <QGuiApplication>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/Paths.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/ApplicationFont.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/DevicesManager.h"
#include "ui/app/LocalizationManager.h"
#include "ui/cloud/CloudEndpoints.h"
#include "ui/cloud/HttpRequestManager.h"

class ApplicationManagerTest : public QObject {
    Q_OBJECT

private slots:
    // The first manager of the process takes the cloud services: they follow the cloud
    // environment of the settings file, read before they are taken.
    void initTestCase() {
        initializeGlobals();
        std::filesystem::create_directories(settingsDirectory());
        std::ofstream(settingsDirectory() + "/ApplicationSettings.ini")
            << "[ApplicationSettings]\nCloudEnv=LOCAL\n";
        ScopedEnvironment environment;
        environment.unset("WHIRLEN_CLOUD_IDENTITY_URL");
        ApplicationManager manager;
        QCOMPARE(manager.settings().cloudEnv(), 2);
        QCOMPARE(HttpRequestManager::instance().identityBaseUrl(),
                 CloudEndpoints::identityBaseUrlFor(2));
    }

    void uptimeCountsWholeSecondsOfTheInjectedClock() {
        auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(5);
        ApplicationManager manager([&now] { return now; });
        QCOMPARE(manager.uptime(), int64_t{0});
        now += std::chrono::milliseconds(6999);
        QCOMPARE(manager.uptime(), int64_t{6});
        now += std::chrono::hours(1);
        QCOMPARE(manager.uptime(), int64_t{3606});
    }

    void startPublishesThePlaceholdersAndAppliesTheSavedLanguage() {
        ApplicationManager manager;
        manager.settings().setLanguage(9);
        QVERIFY(manager.devicesManager()->configurationDevices().empty());

        QVERIFY(manager.start());

        QCOMPARE(manager.devicesManager()->configurationDevices().size(), size_t{2});
        QCOMPARE(manager.localizationManager()->currentLanguage(), 9);
        manager.stop();
        manager.settings().setLanguage(0);
    }

    void aRegularFontThatDoesNotLoadKeepsTheDefaultFont() {
        const QFont before = QGuiApplication::font();
        QVERIFY(!applyApplicationFont(":/missing/Bold.ttf", ":/missing/Regular.ttf"));
        QCOMPARE(QGuiApplication::font(), before);
    }

    void aLoadedRegularFontBecomesTheApplicationFontAtSevenPoints() {
        const char* regular = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
        if (!std::filesystem::exists(regular)) {
            QSKIP("no DejaVu font on this machine");
        }
        const QFont before = QGuiApplication::font();
        QVERIFY(applyApplicationFont(":/missing/Bold.ttf", regular));
        QCOMPARE(QGuiApplication::font().family(), QString("DejaVu Sans"));
        QCOMPARE(QGuiApplication::font().pointSize(), 7);
        QGuiApplication::setFont(before);
    }
};

WHIRLEN_QT_TEST_MAIN(ApplicationManagerTest)
#include "ApplicationManagerTest.moc"
