#include "ui/cloud/ConfigSyncManager.h"

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "shared/prefs/FileUtils.h"
#include "shared/prefs/Paths.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"
#include "tests/ui/cloud/FakeCloudServer.h"
#include "tests/ui/cloud/HoldRequestThreads.h"
#include "tests/ui/cloud/TestCertificates.h"
#include "ui/cloud/HttpRequestManager.h"

namespace {

using Json = nlohmann::json;
using State = ConfigSyncProcedure::State;
using Trace = std::vector<uint32_t>;

constexpr const char* kInfoPath = "/api/user/config-info-whirlen";
constexpr const char* kUploadPath = "/api/user/sync-config-whirlen";
constexpr const char* kFilePath = "/files/config.json";
constexpr const char* kToken = "access-1";
const std::set<uint32_t> kTerminal = {13, 14, 15, 16, 17, 18, 19};

const std::string kLocalFile = R"({"MajorVersion":1,"MinorVersion":1})";
const std::string kCloudFile =
    R"({"MajorVersion":1,"MinorVersion":2,"AppContextConfigurations":[]})";
const std::string kBrokenFile = R"({"MajorVersion":"one","MinorVersion":0})";

class StateRecorder : public ConfigSyncManagerNotifyInterface {
public:
    void onStateChanged(uint32_t state, int32_t /*value*/) override {
        std::lock_guard guard(mutex_);
        if (states_.empty() || states_.back() != state) {
            states_.push_back(state);
        }
    }
    Trace trace() const {
        std::lock_guard guard(mutex_);
        return states_;
    }
    uint32_t last() const {
        const Trace all = trace();
        return all.empty() ? 0 : all.back();
    }

private:
    mutable std::mutex mutex_;
    Trace states_;
};

class ConfigSyncManagerTest : public ::testing::Test {
protected:
    ConfigSyncManagerTest() {
        environment_.set("XDG_DATA_HOME", folder_.file("data"));
        initializeGlobals();
        writeFileBytes(defaultPreferencesFilePath(), kLocalFile);
        requests_.setAccessTokenSource([this] { return token_; });
        server_.setReply(kFilePath, [this](const ReceivedRequest& request, httplib::Response& r) {
            authorized(request, r, cloudFile_);
        });
        server_.setReply(kUploadPath, [this](const ReceivedRequest& request, httplib::Response& r) {
            authorized(request, r, uploadAnswer_);
        });
        sync_.subscribe(&recorder_);
    }

    ~ConfigSyncManagerTest() override { requests_.shutdown(); }

    void authorized(const ReceivedRequest& request, httplib::Response& response,
                    const std::string& body) {
        if (request.header("Authorization") != std::string("Bearer ") + kToken) {
            response.status = 401;
            return;
        }
        response.set_content(body, "application/json");
    }

    std::string md5Of(const std::string& content) {
        const std::string path = folder_.file("md5-input");
        writeFileBytes(path, content);
        return fileMd5Hex(path);
    }

    Json model(const std::string& checksum) const {
        return {{"id", 7},
                {"fileName", server_.baseUrl() + kFilePath},
                {"checksum", checksum},
                {"creationDate", "2026-12-01T10:00:00.000Z"},
                {"lastUpdateDate", "2026-12-02T10:00:00.000Z"},
                {"subDirName", "u1"},
                {"configVersion", 102},
                {"userId", "user-1"}};
    }

    void describe(const Json& answer) { describeText(answer.dump()); }

    void describeText(const std::string& text) {
        server_.setReply(kInfoPath,
                         [this, text](const ReceivedRequest& request, httplib::Response& response) {
                             authorized(request, response, text);
                         });
    }

    void offerCloudFile(const std::string& content, const std::string& checksum = "") {
        cloudFile_ = content;
        describe({{"result", "success"},
                  {"userConfig", model(checksum.empty() ? md5Of(content) : checksum)}});
    }

    uint32_t settle(const std::set<uint32_t>& states) {
        EXPECT_TRUE(waitUntil([&] {
            const uint32_t last = recorder_.last();
            return states.count(last) > 0 || kTerminal.count(last) > 0;
        }));
        return recorder_.last();
    }

    uint32_t runToEnd() { return settle({}); }

    std::string cached(const std::string& content) {
        return cacheDirectory() + "/" + md5Of(content);
    }

    ScopedEnvironment environment_;
    TemporaryFolder folder_{"whirlen-sync"};
    TestCertificates certificates_{folder_.path().string()};
    FakeCloudServer server_{certificates_.local.certificate, certificates_.local.key};
    std::string token_ = kToken;
    std::string cloudFile_;
    std::string uploadAnswer_ = R"({"result":"success"})";
    std::atomic<bool> signedIn_{true};
    std::atomic<int> installs_{0};
    std::atomic<int> resets_{0};
    StateRecorder recorder_;
    HttpRequestManager requests_{CloudEndpoints{server_.baseUrl(), "", certificates_.caFile}};
    ConfigSyncManager sync_{
        requests_, [this] { return signedIn_.load(); },
        ConfigSyncProcedure::Environment{"Linux", "3.1.0", [] { return 101; },
                                         [this] { ++installs_; }, [this] { ++resets_; }}};
};

TEST_F(ConfigSyncManagerTest, SameChecksumInAnyCaseTransfersNothing) {
    for (const bool skip : {false, true}) {
        SCOPED_TRACE(skip);
        std::string checksum = md5Of(kLocalFile);
        std::transform(checksum.begin(), checksum.end(), checksum.begin(), ::tolower);
        offerCloudFile(kCloudFile, checksum);
        sync_.startSync(skip);
        EXPECT_EQ(runToEnd(), skip ? State::kDone : State::kInStep);
    }
    EXPECT_EQ(server_.count(kFilePath) + server_.count(kUploadPath), 0);
}

TEST_F(ConfigSyncManagerTest, NoCloudCopyUploadsTheLocalFileUnasked) {
    describe(Json{{"result", "success"}, {"userConfig", nullptr}});
    sync_.startSync(false);
    EXPECT_EQ(runToEnd(), State::kDone);
    EXPECT_EQ(recorder_.trace(), (Trace{1, 2, 8, 9, 13}));
    const auto received = server_.received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(
        received[0].body,
        std::string(R"({"configVersion":"101","platform":"Linux","softwareVersion":"3.1.0"})") +
            '\0');
    const auto& parts = received[1].parts;
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0].name, "file");
    EXPECT_EQ(parts[0].content, kLocalFile);
    EXPECT_EQ(parts[1].name, "configVersion");
    EXPECT_EQ(parts[1].content, "101");
    EXPECT_EQ(parts[2].name, "platform");
    EXPECT_EQ(parts[2].content, "Linux");
    EXPECT_EQ(parts[3].name, "softwareVersion");
    EXPECT_EQ(parts[3].content, "3.1.0");
}

TEST_F(ConfigSyncManagerTest, AcceptedDownloadReplacesTheFileOnceAndTidiesTheCache) {
    offerCloudFile(kCloudFile);
    sync_.startSync(false);
    ASSERT_EQ(settle({State::kAskDownload}), State::kAskDownload);
    UserConfigModel seen;
    sync_.userConfig(seen);
    EXPECT_EQ(seen.configVersion, 102);
    sync_.userResponse(true);
    EXPECT_EQ(runToEnd(), State::kDone);
    EXPECT_EQ(recorder_.trace(), (Trace{1, 2, 3, 4, 5, 13}));
    EXPECT_EQ(readFileBytes(defaultPreferencesFilePath()), kCloudFile);
    EXPECT_EQ(installs_, 1);
    EXPECT_FALSE(fileExists(cached(kCloudFile)));
}

TEST_F(ConfigSyncManagerTest, DecliningBothQuestionsEndsDeclined) {
    offerCloudFile(kCloudFile);
    sync_.startSync(false);
    ASSERT_EQ(settle({State::kAskDownload}), State::kAskDownload);
    sync_.userResponse(false);
    ASSERT_EQ(recorder_.last(), State::kAskUpload);
    sync_.userResponse(false);
    EXPECT_EQ(recorder_.trace(), (Trace{1, 2, 3, 7, 17}));
    EXPECT_EQ(readFileBytes(defaultPreferencesFilePath()), kLocalFile);
}

TEST_F(ConfigSyncManagerTest, CachedCopyWithTheRightChecksumIsInstalledWithoutDownload) {
    offerCloudFile(kCloudFile);
    ensureCacheDir();
    writeFileBytes(cached(kCloudFile), kCloudFile);
    sync_.startSync(false);
    ASSERT_EQ(settle({State::kAskDownload}), State::kAskDownload);
    sync_.userResponse(true);
    EXPECT_EQ(runToEnd(), State::kDone);
    EXPECT_EQ(server_.count(kFilePath), 0);
    EXPECT_EQ(readFileBytes(defaultPreferencesFilePath()), kCloudFile);
}

// An answer only moves the run on; a cached copy is hashed on a request thread. While every
// request thread is taken the hash waits, so the answer returns in the state that waits for it.
TEST_F(ConfigSyncManagerTest, AnswersLeaveTheHashToARequestThread) {
    offerCloudFile(kCloudFile);
    ensureCacheDir();
    writeFileBytes(cached(kCloudFile), kCloudFile);
    sync_.startSync(false);
    ASSERT_EQ(settle({State::kAskDownload}), State::kAskDownload);
    FakeCloudServer holder;
    ASSERT_TRUE(holdRequestThreads(requests_, holder));

    sync_.userResponse(true);
    EXPECT_EQ(recorder_.last(), State::kDownload);
    EXPECT_EQ(readFileBytes(defaultPreferencesFilePath()), kLocalFile);
    holder.openGate();
    EXPECT_EQ(runToEnd(), State::kDone);
    EXPECT_EQ(recorder_.trace(), (Trace{1, 2, 3, 4, 5, 13}));
    EXPECT_EQ(server_.count(kFilePath), 0);
    EXPECT_EQ(readFileBytes(defaultPreferencesFilePath()), kCloudFile);
}

TEST_F(ConfigSyncManagerTest, WrongChecksumEndsInDownloadErrorWithoutTheFile) {
    offerCloudFile(kCloudFile, md5Of("something else"));
    sync_.startSync(false);
    ASSERT_EQ(settle({State::kAskDownload}), State::kAskDownload);
    sync_.userResponse(true);
    EXPECT_EQ(runToEnd(), State::kDownloadFailed);
    EXPECT_FALSE(fileExists(cacheDirectory() + "/" + md5Of("something else")));
    EXPECT_EQ(readFileBytes(defaultPreferencesFilePath()), kLocalFile);
}

TEST_F(ConfigSyncManagerTest, BrokenFilesLeadToRepairAndResetQuestions) {
    // Broken cloud copy: offered to repair it by an upload.
    offerCloudFile(kBrokenFile);
    sync_.startSync(false);
    ASSERT_EQ(settle({State::kAskDownload}), State::kAskDownload);
    sync_.userResponse(true);
    EXPECT_EQ(settle({State::kAskRepairByUpload}), State::kAskRepairByUpload);
    sync_.userResponse(false);
    EXPECT_EQ(recorder_.last(), State::kDeclined);

    // Broken local file, no cloud copy: offered to repair it by a download.
    writeFileBytes(defaultPreferencesFilePath(), kBrokenFile);
    describe(Json{{"result", "success"}, {"userConfig", nullptr}});
    sync_.startSync(false);
    EXPECT_EQ(settle({State::kAskRepairByDownload}), State::kAskRepairByDownload);
    sync_.userResponse(false);

    // Both broken: offered a reset, which restores the backup.
    offerCloudFile(kBrokenFile + " ");
    sync_.startSync(false);
    ASSERT_EQ(settle({State::kAskDownload}), State::kAskDownload);
    sync_.userResponse(true);
    ASSERT_EQ(settle({State::kAskRepairByUpload}), State::kAskRepairByUpload);
    sync_.userResponse(true);
    ASSERT_EQ(settle({State::kAskReset}), State::kAskReset);
    sync_.userResponse(true);
    EXPECT_EQ(runToEnd(), State::kResetDone);
    EXPECT_EQ(resets_, 1);
    EXPECT_EQ(installs_, 0);
}

TEST_F(ConfigSyncManagerTest, UnwritablePreferenceFileEndsInDownloadError) {
    // A folder where the file should be: the new file cannot be put in its place.
    std::filesystem::remove(defaultPreferencesFilePath());
    std::filesystem::create_directory(defaultPreferencesFilePath());
    offerCloudFile(kCloudFile);
    sync_.startSync(false);
    ASSERT_EQ(settle({State::kAskDownload}), State::kAskDownload);
    sync_.userResponse(true);
    EXPECT_EQ(runToEnd(), State::kDownloadFailed);
    EXPECT_EQ(installs_, 0);
    // Not running any more: the next sync starts.
    sync_.startSync(false);
    EXPECT_TRUE(waitUntil([&] { return server_.count(kInfoPath) == 2; }));
}

TEST_F(ConfigSyncManagerTest, FaultyAnswersEndInRequestOrUploadErrors) {
    struct Case {
        const char* what;
        std::string token;
        std::string description;
        std::string uploadAnswer;
        uint32_t end;
    };
    const std::string noCopy = Json{{"result", "success"}, {"userConfig", nullptr}}.dump();
    const std::vector<Case> cases = {
        {"no bearer", "", noCopy, uploadAnswer_, State::kRequestFailed},
        {"not an object", kToken, "[1,2]", uploadAnswer_, State::kRequestFailed},
        {"not JSON", kToken, "{", uploadAnswer_, State::kRequestFailed},
        {"result failure", kToken, R"({"result":"failure","userConfig":null})", uploadAnswer_,
         State::kRequestFailed},
        {"upload refused", kToken, noCopy, R"({"result":"failure"})", State::kUploadFailed},
        {"upload answer not JSON", kToken, noCopy, "no", State::kRequestFailed},
        {"escaping checksum", kToken,
         Json{{"result", "success"}, {"userConfig", model("../x")}}.dump(), uploadAnswer_,
         State::kRequestFailed},
        {"sign-in file checksum", kToken,
         Json{{"result", "success"}, {"userConfig", model("authr")}}.dump(), uploadAnswer_,
         State::kRequestFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        token_ = c.token;
        uploadAnswer_ = c.uploadAnswer;
        describeText(c.description);
        sync_.startSync(false);
        EXPECT_EQ(runToEnd(), c.end);
    }
    EXPECT_EQ(readFileBytes(defaultPreferencesFilePath()), kLocalFile);
}

TEST_F(ConfigSyncManagerTest, AbortDuringTheDownloadLeavesNoFile) {
    cloudFile_ = std::string(200000, 'x');
    describe({{"result", "success"}, {"userConfig", model(md5Of(cloudFile_))}});
    server_.setStalledBody(kFilePath, cloudFile_);
    sync_.startSync(false);
    ASSERT_EQ(settle({State::kAskDownload}), State::kAskDownload);
    sync_.userResponse(true);
    ASSERT_TRUE(waitUntil([&] { return server_.waitingAtGate() == 1; }));
    sync_.abort();
    EXPECT_EQ(recorder_.last(), State::kDeclined);
    server_.openGate();
    requests_.shutdown();
    EXPECT_FALSE(fileExists(cached(cloudFile_)));
    EXPECT_EQ(recorder_.last(), State::kDeclined);
}

TEST_F(ConfigSyncManagerTest, SignedOutSyncIsRefused) {
    signedIn_ = false;
    sync_.startSync(false);
    EXPECT_TRUE(recorder_.trace().empty());
    EXPECT_EQ(server_.count(kInfoPath), 0);
    UserConfigModel none;
    sync_.userConfig(none);
    EXPECT_EQ(none.id, -1);
}

}  // namespace
