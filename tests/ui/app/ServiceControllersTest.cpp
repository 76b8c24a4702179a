// The controllers between the window and the cloud services: a sign-in starts one sync, the
// procedures' reports reach the GUI thread, and a controller that is gone is told nothing. The
// services run for real against a local address where nothing listens, so every request fails
// at once.

#include <QByteArray>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QThread>

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "shared/prefs/ApplicationSettings.h"
#include "shared/prefs/Paths.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/AuthController.h"
#include "ui/app/ConfigSyncController.h"
#include "ui/app/SoftwareUpdateController.h"
#include "ui/cloud/AuthenticationManager.h"
#include "ui/cloud/ConfigSyncManager.h"
#include "ui/cloud/HttpRequestManager.h"
#include "ui/cloud/OAuthFlowSettings.h"
#include "ui/cloud/UpdatesManager.h"

namespace {

// Port 9 (discard) is closed on the test machines: a refused connection, at once.
const CloudEndpoints kNowhere{"http://127.0.0.1:9", "http://127.0.0.1:9/id", ""};

QByteArray base64Url(const QByteArray& bytes) {
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

// An unsigned token with the five account claims.
std::string accountToken() {
    const QByteArray header = base64Url(R"({"alg":"none","typ":"JWT"})");
    const QByteArray claims = base64Url(
        R"({"sub":"id-1","preferred_username":"ann","given_name":"Ann","family_name":"Lee",)"
        R"("email":"ann@example.org","exp":4102444800})");
    return (header + "." + claims + ".c2ln").toStdString();
}

// Counts the syncs that start: each one first asks for the cloud copy's description.
class SyncStarts : public ConfigSyncManagerNotifyInterface {
public:
    void onStateChanged(uint32_t state, int32_t /*value*/) override {
        if (state == ConfigSyncProcedure::kRequestDescription) {
            std::lock_guard guard(lock_);
            ++starts_;
        }
    }
    int starts() const {
        std::lock_guard guard(lock_);
        return starts_;
    }

private:
    mutable std::mutex lock_;
    int starts_ = 0;
};

ConfigSyncProcedure::Environment quietEnvironment() {
    return {"Linux", "1.0.0", [] { return 100; }, [] {}, [] {}};
}

}  // namespace

class ServiceControllersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        initializeGlobals();
        ApplicationSettings::instance().setSoftwareConfigSyncPermission(true);
    }

    void oneSignInStartsExactlyOneSync() {
        HttpRequestManager requests(kNowhere);
        auto authentication = std::make_shared<AuthenticationManager>();
        ConfigSyncManager sync(
            requests, [&] { return authentication->isAuthenticated(); }, quietEnvironment());
        SyncStarts starts;
        sync.subscribe(&starts);
        AuthController controller(authentication, &sync);
        QSignalSpy changed(&controller, &AuthController::authenticationChanged);

        authentication->authAccount()->reset();
        authentication->setToken(accountToken());
        QVERIFY(controller.authenticated());
        QCOMPARE(controller.authAccount()->username(), QString("ann"));
        // A second report of the same state, as account resets give.
        emit authentication->isAuthenticatedChanged();
        QTRY_COMPARE(changed.count(), 2);
        QTRY_COMPARE(starts.starts(), 1);

        authentication->setToken(std::string());
        QTRY_COMPARE(changed.count(), 3);
        QVERIFY(!controller.authenticated());
        authentication->setToken(accountToken());
        QTRY_COMPARE(starts.starts(), 2);

        requests.shutdown();
        sync.unsubscribe(&starts);
    }

    void withoutASignInManagerEverythingIsANoOp() {
        AuthController controller(nullptr, nullptr);
        QVERIFY(!controller.authenticated());
        QVERIFY(controller.authAccount() == nullptr);
        QVERIFY(!controller.login("", "google"));
        controller.logout();
    }

    // Another program holds the port the browser returns the sign-in to.
    void aSignInThatCannotStartSaysSoAndOpensNothing() {
        QTcpServer holder;
        // Held by this test, or already by someone else: held either way.
        holder.listen(QHostAddress::LocalHost, 12346);
        OAuthFlowSettings settings = OAuthFlowSettings::fromEnvironment();
        QCOMPARE(settings.listenPort, uint16_t{12346});
        settings.keys = nullptr;
        int opened = 0;
        settings.openBrowser = [&opened](const QUrl&) { ++opened; };
        auto authentication = std::make_shared<AuthenticationManager>();
        authentication->init(settings);
        AuthController controller(authentication, nullptr);

        QCOMPARE(controller.signInPort(), 12346);
        QVERIFY(!controller.login("ada@example.org", ""));
        QVERIFY(!controller.startRegister("ada@example.org", ""));
        QCOMPARE(opened, 0);
    }

    void aReportFromAWorkerThreadArrivesOnTheGuiThread() {
        HttpRequestManager requests(kNowhere);
        UpdatesManager updates(requests);
        SoftwareUpdateController controller(updates, ApplicationSettings::instance());
        QThread* delivered = nullptr;
        connect(&controller, &SoftwareUpdateController::updateProcessStateUpdated, this,
                [&](int state, int progress) {
                    QCOMPARE(state, 4);
                    QCOMPARE(progress, 500);
                    delivered = QThread::currentThread();
                });
        std::thread worker([&] { controller.onStateChanged(4, 500); });
        worker.join();
        QTRY_VERIFY(delivered != nullptr);
        QCOMPARE(delivered, thread());
    }

    // Under the sanitizers a notification of the destroyed controller is a use after free.
    void aDestroyedUpdateControllerIsNotNotified() {
        HttpRequestManager requests(kNowhere);
        UpdatesManager updates(requests);
        auto gone =
            std::make_unique<SoftwareUpdateController>(updates, ApplicationSettings::instance());
        SoftwareUpdateController staying(updates, ApplicationSettings::instance());
        QSignalSpy reports(&staying, &SoftwareUpdateController::updateProcessStateUpdated);
        gone.reset();

        staying.checkForSoftwareUpdates();
        QTRY_VERIFY(!reports.isEmpty() && reports.last().at(0).toInt() == 10);
        requests.shutdown();
    }

    void syncReportsReachTheGuiThreadAndTheCloudDateReadsAsTheAboutPageShowsIt() {
        HttpRequestManager requests(kNowhere);
        ConfigSyncManager sync(
            requests, [] { return false; }, quietEnvironment());
        ConfigSyncController controller(sync);
        QSignalSpy reports(&controller, &ConfigSyncController::syncProcessStateUpdate);
        std::thread worker([&] { controller.onStateChanged(5, 250); });
        worker.join();
        QTRY_COMPARE(reports.count(), 1);
        QCOMPARE(reports.at(0).at(1).toInt(), 250);
        QCOMPARE(controller.configVersion(), QString("-1"));

        QCOMPARE(ConfigSyncController::displayDate("2024-05-01T12:34:56.789Z"),
                 QString("2024-05-01 12:34:56"));
        QCOMPARE(ConfigSyncController::displayDate("2024-05-01 12:34:56.789"),
                 QString("2024-05-01 12:34:56"));
        QCOMPARE(ConfigSyncController::displayDate(""), QString(""));
    }
};

WHIRLEN_QT_TEST_MAIN(ServiceControllersTest)
#include "ServiceControllersTest.moc"
