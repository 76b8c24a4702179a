#include "ui/cloud/UpdatesManager.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
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
#include "ui/cloud/HttpRequestManager.h"

namespace {

using State = UpdateProcedure::State;
using Json = nlohmann::json;

constexpr const char* kCheckPath = "/api/software-version-whirlen";
constexpr const char* kInstallerPath = "/files/setup.bin";
const std::set<uint32_t> kTerminal = {9, 10, 11, 12, 13, 14};

// What the manager relays: (state, value) in order.
class StateRecorder : public UpdateManagerNotifyInterface {
public:
    void onStateChanged(uint32_t state, int32_t value) override {
        std::lock_guard guard(mutex_);
        events_.emplace_back(state, value);
    }

    std::vector<std::pair<uint32_t, int32_t>> events() const {
        std::lock_guard guard(mutex_);
        return events_;
    }

    // The states entered, each once in a row (progress repeats the state it is in).
    std::vector<uint32_t> trace() const {
        std::vector<uint32_t> states;
        for (const auto& [state, value] : events()) {
            if (states.empty() || states.back() != state) {
                states.push_back(state);
            }
        }
        return states;
    }

    uint32_t last() const {
        const auto all = events();
        return all.empty() ? 0 : all.back().first;
    }

    size_t count(const std::set<uint32_t>& states) const {
        const auto all = trace();
        return std::count_if(all.begin(), all.end(),
                             [&](uint32_t state) { return states.count(state) > 0; });
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::pair<uint32_t, int32_t>> events_;
};

class UpdatesManagerTest : public ::testing::Test {
protected:
    UpdatesManagerTest() {
        // A blank in the path: the installer's path must reach the installer as one argument.
        const std::filesystem::path dataHome = folder_.path() / "data home";
        std::filesystem::create_directories(dataHome);
        environment_.set("XDG_DATA_HOME", dataHome.string());
        const std::string script = folder_.file("record-installer.sh");
        writeFileBytes(script, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                                   argumentsFile_ + ".tmp\"\nmv \"" + argumentsFile_ + ".tmp\" \"" +
                                   argumentsFile_ + "\"\n");
        chmod(script.c_str(), 0755);
        environment_.set("WHIRLEN_INSTALLER_COMMAND", script);
        initializeGlobals();

        payload_.assign(300000, '\0');
        for (size_t i = 0; i < payload_.size(); ++i) {
            payload_[i] = static_cast<char>(i * 7 % 251);
        }
        checksum_ = md5Of(payload_);
        updates_.subscribe(&recorder_);
    }

    ~UpdatesManagerTest() override {
        // The workers call into the procedures: they stop before the manager goes.
        requests_.shutdown();
    }

    std::string md5Of(const std::string& content) {
        const std::string path = folder_.file("md5-input");
        writeFileBytes(path, content);
        return fileMd5Hex(path);
    }

    Json entry(const std::string& version, const std::string& build,
               const std::string& platform = "Linux") const {
        return {{"version", version},
                {"buildNo", build},
                {"platform", platform},
                {"checksum", checksum_},
                {"fileName", server_.baseUrl() + kInstallerPath},
                {"releaseDate", "10-12-2026 12:00:00"}};
    }

    static std::string answer(const Json& versions) {
        return Json{{"result", "success"}, {"softwareVersions", versions}}.dump();
    }

    void offer(const Json& versions) { server_.setText(kCheckPath, 200, answer(versions)); }

    std::string installer() const { return cacheDirectory() + "/" + checksum_; }

    void check(const std::string& version = "3.1.0", const std::string& build = "31",
               bool force = false) {
        terminalsAtCheck_ = recorder_.count(kTerminal);
        updates_.checkForUpdates(version, "Linux", build, force);
    }

    // Waits for the run to come to rest: in one of the states, or the next terminal one.
    uint32_t settle(const std::set<uint32_t>& states, size_t terminalsBefore) {
        EXPECT_TRUE(waitUntil([&] {
            return states.count(recorder_.last()) > 0 ||
                   recorder_.count(kTerminal) > terminalsBefore;
        }));
        return recorder_.last();
    }

    // Counted from the last check, which may have ended before this is called.
    uint32_t runToEnd() { return settle({}, terminalsAtCheck_); }

    std::vector<std::string> installerArguments() const {
        if (!waitUntil([&] { return fileExists(argumentsFile_); })) {
            return {};
        }
        std::vector<std::string> lines;
        std::string text = readFileBytes(argumentsFile_);
        size_t start = 0;
        for (size_t end = text.find('\n'); end != std::string::npos;
             start = end + 1, end = text.find('\n', start)) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    ScopedEnvironment environment_;
    TemporaryFolder folder_{"whirlen-update"};
    const std::string argumentsFile_ = folder_.file("installer-arguments");
    FakeCloudServer server_;
    std::string payload_;
    std::string checksum_;
    StateRecorder recorder_;
    size_t terminalsAtCheck_ = 0;
    HttpRequestManager requests_{CloudEndpoints{server_.baseUrl(), "", ""}};
    UpdatesManager updates_{requests_};
};

TEST_F(UpdatesManagerTest, WithBothPermissionsDownloadsChecksAndStartsTheInstaller) {
    offer(Json::array({entry("3.2.0", "1")}));
    server_.setText(kInstallerPath, 200, payload_);
    updates_.setDownloadPermission(true);
    updates_.setInstallPermission(true);
    check();

    EXPECT_EQ(runToEnd(), State::kInstallerStarted);
    EXPECT_EQ(recorder_.trace(), (std::vector<uint32_t>{1, 2, 4, 5, 7, 8, 14}));
    std::vector<int32_t> progress;
    for (const auto& [state, value] : recorder_.events()) {
        if (state == State::kWaitForDownload && value > 0) {
            progress.push_back(value);
        }
    }
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 1000);
    EXPECT_LE(*std::max_element(progress.begin(), progress.end()), 1000);
    EXPECT_EQ(readFileBytes(installer()), payload_);
    EXPECT_EQ(installerArguments(), std::vector<std::string>{installer()});

    const auto received = server_.received();
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received[0].target, kCheckPath);
    EXPECT_EQ(received[0].body,
              std::string(R"({"currentBuildNo":"31","currentPlatform":"Linux",)"
                          R"("currentVersion":"3.1.0","platformFilter":["Linux"]})") +
                  '\0');
}

TEST_F(UpdatesManagerTest, AsksBeforeDownloadAndInstallAndIgnoresAnswersOutOfTurn) {
    server_.setHeldText(kCheckPath, answer(Json::array({entry("3.2.0", "1")})));
    server_.setText(kInstallerPath, 200, payload_);
    check();
    ASSERT_TRUE(waitUntil([&] { return server_.waitingAtGate() == 1; }));
    updates_.userResponse(true);
    EXPECT_EQ(recorder_.last(), State::kWaitForCheck);

    server_.openGate();
    ASSERT_EQ(settle({State::kAskDownload}, 0), State::kAskDownload);
    updates_.userResponse(true);
    ASSERT_EQ(settle({State::kAskInstall}, 0), State::kAskInstall);
    updates_.userResponse(false);
    EXPECT_EQ(recorder_.last(), State::kDeclined);
    updates_.userResponse(true);
    updates_.abort();

    EXPECT_EQ(recorder_.trace(), (std::vector<uint32_t>{1, 2, 3, 4, 5, 6, 12}));
    // The download stays for a later run.
    EXPECT_EQ(readFileBytes(installer()), payload_);
    EXPECT_FALSE(fileExists(argumentsFile_));
}

TEST_F(UpdatesManagerTest, WrongChecksumFailsTheDownloadAndRemovesTheFile) {
    offer(Json::array({entry("3.2.0", "1")}));
    server_.setText(kInstallerPath, 200, payload_ + "tampered");
    updates_.setDownloadPermission(true);
    updates_.setInstallPermission(true);
    check();

    EXPECT_EQ(runToEnd(), State::kDownloadFailed);
    EXPECT_FALSE(fileExists(installer()));
    EXPECT_FALSE(fileExists(argumentsFile_));
}

TEST_F(UpdatesManagerTest, CachedInstallerIsUsedWithoutARequest) {
    offer(Json::array({entry("3.2.0", "1")}));
    ensureCacheDir();
    writeFileBytes(installer(), payload_);
    updates_.setDownloadPermission(true);
    updates_.setInstallPermission(true);
    check();

    EXPECT_EQ(runToEnd(), State::kInstallerStarted);
    EXPECT_EQ(recorder_.trace(), (std::vector<uint32_t>{1, 2, 4, 7, 8, 14}));
    EXPECT_EQ(server_.count(kInstallerPath), 0);
    EXPECT_EQ(installerArguments(), std::vector<std::string>{installer()});
}

// An answer only moves the run on; the installer is hashed on a request thread. While every
// request thread is taken the hash waits, so the answer returns in the state that waits for it.
TEST_F(UpdatesManagerTest, AnswersLeaveTheHashToARequestThread) {
    offer(Json::array({entry("3.2.0", "1")}));
    ensureCacheDir();
    writeFileBytes(installer(), payload_);
    check();
    ASSERT_EQ(settle({State::kAskDownload}, 0), State::kAskDownload);

    FakeCloudServer first;
    ASSERT_TRUE(holdRequestThreads(requests_, first));
    updates_.userResponse(true);
    EXPECT_EQ(recorder_.last(), State::kDownload);
    first.openGate();
    ASSERT_EQ(settle({State::kAskInstall}, 0), State::kAskInstall);

    FakeCloudServer second;
    ASSERT_TRUE(holdRequestThreads(requests_, second));
    updates_.userResponse(true);
    EXPECT_EQ(recorder_.last(), State::kInstall);
    second.openGate();
    EXPECT_EQ(runToEnd(), State::kInstallerStarted);
    EXPECT_EQ(recorder_.trace(), (std::vector<uint32_t>{1, 2, 3, 4, 6, 7, 8, 14}));
    EXPECT_EQ(server_.count(kInstallerPath), 0);
    EXPECT_EQ(installerArguments(), std::vector<std::string>{installer()});
}

TEST_F(UpdatesManagerTest, NothingNewIsAnErrorLine) {
    for (const Json& versions : {Json::array(), Json::array({entry("3.1.0", "31")})}) {
        offer(versions);
        ::testing::internal::CaptureStdout();
        check();
        EXPECT_EQ(runToEnd(), State::kUpToDate);
        const std::string log = ::testing::internal::GetCapturedStdout();
        EXPECT_NE(log.find(versions.empty() ? "E: No updates found!"
                                            : "E: Already to the latest version!"),
                  std::string::npos)
            << log;
    }
}

TEST_F(UpdatesManagerTest, FailedInstallerStartEndsInDownloadFailed) {
    environment_.set("WHIRLEN_INSTALLER_COMMAND", folder_.file("no-such-installer"));
    offer(Json::array({entry("3.2.0", "1")}));
    server_.setText(kInstallerPath, 200, payload_);
    updates_.setDownloadPermission(true);
    updates_.setInstallPermission(true);
    check();

    EXPECT_EQ(runToEnd(), State::kDownloadFailed);
    EXPECT_EQ(recorder_.trace(), (std::vector<uint32_t>{1, 2, 4, 5, 7, 8, 11}));
}

TEST_F(UpdatesManagerTest, AbortMidDownloadRemovesThePartAndANewCheckRetiresTheOldRun) {
    offer(Json::array({entry("3.2.0", "1")}));
    server_.setStalledBody(kInstallerPath, payload_);
    updates_.setDownloadPermission(true);
    check();
    ASSERT_TRUE(waitUntil([&] { return server_.waitingAtGate() == 1; }));

    updates_.abort();
    EXPECT_EQ(recorder_.last(), State::kDeclined);
    // The cancelled transfer may still be running; the next check replaces the aborted run.
    offer(Json::array({entry("3.1.0", "31")}));
    check();
    EXPECT_EQ(runToEnd(), State::kUpToDate);
    EXPECT_TRUE(waitUntil([&] { return !fileExists(installer()); }));

    const auto trace = recorder_.trace();
    ASSERT_GE(trace.size(), 4u);
    EXPECT_EQ(std::vector<uint32_t>(trace.end() - 4, trace.end()),
              (std::vector<uint32_t>{12, 1, 2, 13}));
    EXPECT_EQ(recorder_.count({State::kDeclined}), 1u);
}

TEST_F(UpdatesManagerTest, SecondCheckWaitsForTheFirst) {
    server_.setHeldText(kCheckPath, answer(Json::array()));
    check();
    check();
    ASSERT_TRUE(waitUntil([&] { return server_.waitingAtGate() == 1; }));
    EXPECT_EQ(server_.count(kCheckPath), 1);

    server_.openGate();
    ASSERT_TRUE(waitUntil([&] { return recorder_.count(kTerminal) == 2; }));
    EXPECT_EQ(recorder_.trace(), (std::vector<uint32_t>{1, 2, 13, 1, 2, 13}));
    EXPECT_EQ(server_.count(kCheckPath), 2);
}

TEST_F(UpdatesManagerTest, UnsubscribedSubscriberIsNotCalledAgain) {
    struct Counting : UpdateManagerNotifyInterface {
        explicit Counting(std::atomic<int>& calls) : calls(calls) {}
        void onStateChanged(uint32_t, int32_t) override { ++calls; }
        std::atomic<int>& calls;
    };
    std::atomic<int> calls{0};
    auto leaving = std::make_unique<Counting>(calls);
    updates_.subscribe(leaving.get());
    server_.setHeldText(kCheckPath, answer(Json::array()));
    check();
    ASSERT_TRUE(waitUntil([&] { return server_.waitingAtGate() == 1; }));

    updates_.unsubscribe(leaving.get());
    leaving.reset();
    const int before = calls.load();
    server_.openGate();
    EXPECT_EQ(runToEnd(), State::kUpToDate);
    EXPECT_EQ(calls.load(), before);
}

TEST_F(UpdatesManagerTest, ChecksumsThatNameOtherFilesAreRefused) {
    ensureCacheDir();
    const std::string signIn = refreshTokenFilePath();
    writeFileBytes(signIn, "stored sign-in");
    server_.setText(kInstallerPath, 200, payload_);
    updates_.setDownloadPermission(true);
    for (const std::string checksum : {"../x", "authr", "../../../../../../tmp/x"}) {
        Json offered = entry("3.2.0", "1");
        offered["checksum"] = checksum;
        offer(Json::array({offered}));
        check();
        EXPECT_EQ(runToEnd(), State::kCheckFailed) << checksum;
    }
    EXPECT_EQ(readFileBytes(signIn), "stored sign-in");
    EXPECT_FALSE(fileExists(settingsDirectory() + "/x"));
    EXPECT_EQ(server_.count(kInstallerPath), 0);
}

TEST_F(UpdatesManagerTest, AnswersAndVersionsDecideTheRun) {
    struct Case {
        const char* what;
        std::string answer;
        std::string version;
        std::string build;
        bool force;
        uint32_t state;
    };
    const auto offered = [&](std::vector<Json> entries) { return answer(Json(entries)); };
    const std::vector<Case> cases = {
        {"no versions", offered({}), "3.1.0", "31", false, State::kUpToDate},
        {"no versions, forced", offered({}), "3.1.0", "31", true, State::kUpToDateForced},
        {"same build", offered({entry("3.1.0", "31")}), "3.1.0", "31", false, State::kUpToDate},
        {"same build, forced", offered({entry("3.1.0", "31")}), "3.1.0", "31", true,
         State::kUpToDateForced},
        {"higher build", offered({entry("3.1.0", "32")}), "3.1.0", "31", false,
         State::kAskDownload},
        {"numbers, not text", offered({entry("1.10.0", "")}), "1.9.9", "", false,
         State::kAskDownload},
        {"offered build not a number", offered({entry("3.1.0", "x")}), "3.1.0", "31", false,
         State::kUpToDate},
        {"own build not a number", offered({entry("3.1.0", "1")}), "3.1.0", "x", false,
         State::kAskDownload},
        {"four digits", offered({entry("1.0.1000", "")}), "1.0.999", "", false, State::kUpToDate},
        {"two numbers only", offered({entry("1.2", "")}), "1.1.0", "", false, State::kCheckFailed},
        {"first usable is another platform",
         offered({entry("1.2", ""), entry("3.2.0", "1", "Win"), entry("3.2.0", "1")}), "3.1.0",
         "31", false, State::kCheckFailed},
        {"entries that are not objects", offered({1, "x", nullptr, entry("3.2.0", "1")}), "3.1.0",
         "31", false, State::kAskDownload},
        {"not JSON", "{oops", "3.1.0", "31", false, State::kCheckFailed},
        {"failure", R"({"result":"failure","softwareVersions":[]})", "3.1.0", "31", false,
         State::kCheckFailed},
        {"versions not a list", R"({"result":"success","softwareVersions":{}})", "3.1.0", "31",
         false, State::kCheckFailed},
        {"empty answer", "", "3.1.0", "31", false, State::kCheckFailed},
    };
    for (const Case& c : cases) {
        server_.setText(kCheckPath, 200, c.answer);
        const size_t before = recorder_.count(kTerminal);
        check(c.version, c.build, c.force);
        EXPECT_EQ(settle({State::kAskDownload}, before), c.state) << c.what;
        updates_.abort();
    }
    server_.setText(kCheckPath, 500, answer(Json::array({entry("3.2.0", "1")})));
    check();
    EXPECT_EQ(runToEnd(), State::kCheckFailed);
}

}  // namespace
