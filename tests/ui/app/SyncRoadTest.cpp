// A configuration sync through the program's own wiring: the signed-in token reaches the
// requests, and an accepted cloud copy replaces the preference file, is taken up by the store
// on the main thread, and makes the agent reload once.

#include <httplib.h>
#include <unistd.h>

#include <QTest>

#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>

#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/Paths.h"
#include "shared/prefs/PreferencesStore.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/ui/app/QtTestMain.h"
#include "tests/ui/cloud/FakeCloudServer.h"
#include "tests/ui/cloud/TestCertificates.h"
#include "tests/ui/cloud/TestJwt.h"
#include "ui/app/ApplicationManager.h"
#include "ui/cloud/AuthenticationManager.h"
#include "ui/cloud/ConfigSyncManager.h"

namespace {

constexpr const char* kInfoPath = "/api/user/config-info-whirlen";
constexpr const char* kFilePath = "/files/config";

class LastState : public ConfigSyncManagerNotifyInterface {
public:
    void onStateChanged(uint32_t state, int32_t /*value*/) override { state_ = state; }
    uint32_t state() const { return state_; }

private:
    std::atomic<uint32_t> state_{0};
};

}  // namespace

class SyncRoadTest : public QObject {
    Q_OBJECT

private slots:
    void acceptedCloudCopyReachesTheStoreAndTheAgent() {
        TemporaryFolder folder("sync-road");
        TestCertificates certificates(folder.path().string());
        FakeCloudServer cloud(certificates.local.certificate, certificates.local.key);
        ScopedEnvironment environment;
        environment.set("WHIRLEN_CLOUD_SERVICES_URL", cloud.baseUrl());
        environment.set("WHIRLEN_CLOUD_CA_FILE", certificates.caFile);
        ipctest::TempRuntimeDir runtime;
        const int listener = ipctest::listenRaw();
        QVERIFY(listener >= 0);

        ApplicationManager manager;
        std::filesystem::copy_file(WHIRLEN_BACKUP_PREFERENCES_FILE, defaultPreferencesFilePath(),
                                   std::filesystem::copy_options::overwrite_existing);
        QVERIFY(manager.start());
        const int agent = ipctest::acceptRaw(listener);
        QVERIFY(agent >= 0);
        QCOMPARE(ipctest::readFrames(agent, 2).size(), size_t{2});
        QCOMPARE(manager.preferencesStore().configVersion(), 101);

        nlohmann::json document =
            nlohmann::json::parse(readFileBytes(WHIRLEN_BACKUP_PREFERENCES_FILE));
        document["MinorVersion"] = 7;
        const std::string cloudCopy = document.dump();
        const std::string copyPath = folder.file("copy");
        writeFileBytes(copyPath, cloudCopy);
        const std::string access = makeJwt(accountClaims(secondsNow() + 3600));
        const nlohmann::json model = {{"id", 1},
                                      {"fileName", cloud.baseUrl() + kFilePath},
                                      {"checksum", fileMd5Hex(copyPath)},
                                      {"creationDate", "c"},
                                      {"lastUpdateDate", "l"},
                                      {"subDirName", "s"},
                                      {"configVersion", 107},
                                      {"userId", "user-1"}};
        const auto bearerOnly = [access](const std::string& body) {
            return [access, body](const ReceivedRequest& request, httplib::Response& response) {
                if (request.header("Authorization") != "Bearer " + access) {
                    response.status = 401;
                    return;
                }
                response.set_content(body, "application/json");
            };
        };
        cloud.setReply(
            kInfoPath,
            bearerOnly(nlohmann::json{{"result", "success"}, {"userConfig", model}}.dump()));
        cloud.setReply(kFilePath, bearerOnly(cloudCopy));

        manager.authenticationManager()->setToken(access);
        QVERIFY(manager.authenticationManager()->isAuthenticated());
        LastState last;
        manager.configSyncManager()->subscribe(&last);
        manager.configSyncManager()->startSync(false);
        QTRY_COMPARE(last.state(), uint32_t{ConfigSyncProcedure::kAskDownload});
        manager.configSyncManager()->userResponse(true);
        QTRY_COMPARE(last.state(), uint32_t{ConfigSyncProcedure::kDone});
        QTRY_COMPARE(manager.preferencesStore().configVersion(), 107);
        QCOMPARE(readFileBytes(defaultPreferencesFilePath()), cloudCopy);

        const std::vector<IPCFrame> frames = ipctest::readFrames(agent, 1);
        QCOMPARE(frames.size(), size_t{1});
        IPCPrefsUpdateMessage update;
        update.setText("{}");
        QCOMPARE(frames[0], update.serialize());

        manager.configSyncManager()->unsubscribe(&last);
        manager.authenticationManager()->setToken(std::string());
        manager.stop();
        ::close(agent);
        ::close(listener);
    }
};

WHIRLEN_QT_TEST_MAIN(SyncRoadTest)

#include "SyncRoadTest.moc"
