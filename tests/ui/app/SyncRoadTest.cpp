// A configuration sync through the program's own wiring: the signed-in token reaches the
// requests, and an accepted cloud copy replaces the preference file, is taken up by the store
// on the main thread, and makes the agent reload once, with no edit of the window in between.

#include <httplib.h>
#include <unistd.h>

#include <QTest>

#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>

#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/Paths.h"
#include "shared/prefs/PreferencesStore.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"
#include "tests/ui/app/QtTestMain.h"
#include "tests/ui/cloud/FakeCloudServer.h"
#include "tests/ui/cloud/TestCertificates.h"
#include "tests/ui/cloud/TestJwt.h"
#include "ui/app/ApplicationManager.h"
#include "ui/cloud/AuthenticationManager.h"
#include "ui/cloud/ConfigSyncManager.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kInfoPath = "/api/user/config-info-whirlen";
constexpr const char* kFilePath = "/files/config";

class LastState : public ConfigSyncManagerNotifyInterface {
public:
    void onStateChanged(uint32_t state, int32_t /*value*/) override { state_ = state; }
    uint32_t state() const { return state_; }

private:
    std::atomic<uint32_t> state_{0};
};

std::vector<uint8_t> preferencesUpdate() {
    IPCPrefsUpdateMessage update;
    update.setText("{}");
    return update.serialize();
}

// The program's frames as the agent reads them, device-list requests left out: the devices
// manager may ask once more than the link's announcement does, before or after it.
class ProgramFrames {
public:
    explicit ProgramFrames(int agent) : agent_(agent) {}

    // Empty when nothing more comes.
    IPCFrame next() {
        for (;;) {
            while (!pending_.empty()) {
                IPCFrame frame = std::move(pending_.front());
                pending_.erase(pending_.begin());
                if (frame != IPCMessage(IPCMessageType::RequestDevices).serialize()) {
                    return frame;
                }
            }
            pending_ = ipctest::readFrames(agent_, 1);
            if (pending_.empty()) {
                return {};
            }
        }
    }

private:
    int agent_;
    std::vector<IPCFrame> pending_;
};

}  // namespace

class SyncRoadTest : public QObject {
    Q_OBJECT

    // The program's managers linked to a recording agent, a fake cloud service that holds a
    // copy newer than the local file (MinorVersion 7), and a signed-in user.
    struct Road {
        explicit Road(SyncRoadTest& test)
            : folder(test.folder_), certificates(test.certificates_), cloud(test.cloud_) {}

        TemporaryFolder& folder;
        TestCertificates& certificates;
        FakeCloudServer& cloud;
        ScopedEnvironment environment;
        ipctest::TempRuntimeDir runtime;
        int listener = -1;
        int agent = -1;
        std::unique_ptr<ApplicationManager> manager;
        std::unique_ptr<ProgramFrames> frames;
        std::string cloudCopy;
        LastState last;

        ~Road() {
            if (manager) {
                manager->configSyncManager()->unsubscribe(&last);
                manager->authenticationManager()->setToken(std::string());
                manager->stop();
            }
            ::close(agent);
            ::close(listener);
        }

        // Up to the question whether to download the cloud copy.
        bool startSync() {
            environment.set("WHIRLEN_CLOUD_SERVICES_URL", cloud.baseUrl());
            environment.set("WHIRLEN_CLOUD_CA_FILE", certificates.caFile);
            listener = ipctest::listenRaw();
            manager = std::make_unique<ApplicationManager>();
            std::filesystem::copy_file(WHIRLEN_BACKUP_PREFERENCES_FILE,
                                       defaultPreferencesFilePath(),
                                       std::filesystem::copy_options::overwrite_existing);
            if (listener < 0 || !manager->start()) {
                return false;
            }
            agent = ipctest::acceptRaw(listener);
            frames = std::make_unique<ProgramFrames>(agent);
            // The link's announcement ends with a preferences update.
            if (agent < 0 || frames->next() != preferencesUpdate() ||
                manager->preferencesStore().configVersion() != 101) {
                return false;
            }
            nlohmann::json document =
                nlohmann::json::parse(readFileBytes(WHIRLEN_BACKUP_PREFERENCES_FILE));
            document["MinorVersion"] = 7;
            cloudCopy = document.dump();
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

            manager->authenticationManager()->setToken(access);
            if (!manager->authenticationManager()->isAuthenticated()) {
                return false;
            }
            manager->configSyncManager()->subscribe(&last);
            manager->configSyncManager()->startSync(false);
            return QTest::qWaitFor(
                [&] { return last.state() == ConfigSyncProcedure::kAskDownload; });
        }
    };

    // One service for the process: the program's request manager keeps the first address.
    TemporaryFolder folder_{"sync-road"};
    TestCertificates certificates_{folder_.path().string()};
    FakeCloudServer cloud_{certificates_.local.certificate, certificates_.local.key};

private slots:
    void acceptedCloudCopyReachesTheStoreAndTheAgent() {
        Road road(*this);
        QVERIFY(road.startSync());
        road.manager->configSyncManager()->userResponse(true);
        QTRY_COMPARE(road.last.state(), uint32_t{ConfigSyncProcedure::kDone});
        // Done means taken up.
        QCOMPARE(road.manager->preferencesStore().configVersion(), 107);
        QCOMPARE(readFileBytes(defaultPreferencesFilePath()), road.cloudCopy);

        QCOMPARE(road.frames->next(), preferencesUpdate());
    }

    // The window saves an edit while the download is being installed: the installed copy
    // stays, in the file and in the store.
    void anEditRacingTheInstallNeverOverwritesTheCloudCopy() {
        Road road(*this);
        QVERIFY(road.startSync());
        // The main thread stays busy while the copy comes in and is checked: the edit is the
        // next thing it does.
        const int downloads = road.cloud.count(kFilePath);
        road.manager->configSyncManager()->userResponse(true);
        QVERIFY(waitUntil([&] { return road.cloud.count(kFilePath) == downloads + 1; }, 30s));
        // Time for a worker to install the copy by itself, as it once did.
        static_cast<void>(waitUntil(
            [&] { return readFileBytes(defaultPreferencesFilePath()) == road.cloudCopy; }, 1s));
        QVERIFY(road.manager->preferencesStore().addMacro("Racing edit", true).isSaved());

        QTRY_COMPARE(road.last.state(), uint32_t{ConfigSyncProcedure::kDone});
        QCOMPARE(road.manager->preferencesStore().configVersion(), 107);
        QCOMPARE(readFileBytes(defaultPreferencesFilePath()), road.cloudCopy);
        QCOMPARE(road.frames->next(), preferencesUpdate());
    }
};

WHIRLEN_QT_TEST_MAIN(SyncRoadTest)

#include "SyncRoadTest.moc"
