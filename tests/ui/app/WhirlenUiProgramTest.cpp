// The configuration program itself, copied beside a stand-in agent: its exit codes, its
// single instance, when it starts the agent from its own folder, and the version it reports.

#include <httplib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "platform/InstanceLock.h"
#include "platform/InstanceNames.h"
#include "platform/ProcessLauncher.h"
#include "shared/prefs/Paths.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/CompositingManagerStandIn.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/XvfbServer.h"
#include "tests/ui/app/StoredSignIn.h"
#include "tests/ui/cloud/FakeCloudServer.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class WhirlenUiProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        environment.set("XDG_RUNTIME_DIR", runtime.path().string());
        environment.set("XDG_DATA_HOME", data.path().string());
        environment.set("QT_QPA_PLATFORM", "offscreen");
        environment.set("QT_QUICK_BACKEND", "software");
        environment.unset("DISPLAY");
        fs::copy_file(WHIRLEN_UI_PROGRAM, program());
        writeFileBytes(programs.file("PelvaneMultimediaController"),
                       "#!/bin/sh\npwd -P >> '" + programs.file("agent-starts") + "'\n");
        fs::permissions(programs.file("PelvaneMultimediaController"), fs::perms::owner_all);
    }

    std::string program() const { return programs.file("whirlenUI"); }

    // The folder of each start of the stand-in agent, in order.
    std::vector<std::string> agentStarts() const {
        std::vector<std::string> starts;
        std::string text = readFileBytes(programs.file("agent-starts"));
        for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n')) {
            starts.push_back(text.substr(0, end));
            text.erase(0, end + 1);
        }
        return starts;
    }

    // Runs the program to its end, in the working folder; it must end by itself.
    ProcessLauncher::CommandResult run(const std::string& arguments) {
        return ProcessLauncher::runHiddenCommand(
            "env -C '" + working.path().string() + "' '" + program() + "' " + arguments,
            {std::chrono::minutes(2), 1 << 20});
    }

    std::string settingsFolder() const { return data.file("PelvaneDesignMediaControllerSoftware"); }

    // File logging on, in no folder of its own: the log goes to the settings folder.
    void enableLogging() {
        fs::create_directories(settingsFolder());
        writeFileBytes(settingsFolder() + "/ApplicationSettings.ini",
                       "[ApplicationSettings]\nEnableLogging=True\n");
    }

    // The log files of the settings folder, by name, with their contents.
    std::map<std::string, std::string> logFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(settingsFolder())) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("pelvanelogging_") && name.ends_with(".log")) {
                files[name] = readFileBytes(entry.path().string());
            }
        }
        return files;
    }

    // Runs the program against a local fake cloud, no agent beside it, until its first request
    // for the path: the update check follows the window's completion by itself.
    bool runToTheFirstRequestFor(FakeCloudServer& services, const std::string& path) {
        const auto agent = InstanceLock::acquire(kAgentInstanceName);
        environment.set("WHIRLEN_CLOUD_SERVICES_URL", services.baseUrl());
        environment.set("WHIRLEN_CLOUD_IDENTITY_URL", services.baseUrl());
        ChildProcess ui;
        if (!agent || !ui.start({program()})) {
            return false;
        }
        const bool requested = waitUntil([&] { return services.count(path) > 0; }, 60s);
        ui.stop();
        return requested;
    }

    bool runToTheFirstUpdateCheck(FakeCloudServer& services) {
        return runToTheFirstRequestFor(services, kUpdateCheckPath);
    }

    // The JSON text of the last request for the path, which the service reads up to its
    // terminating zero byte; not an object when there is none.
    static nlohmann::json sentJson(const FakeCloudServer& services, const std::string& path) {
        std::string body;
        for (const ReceivedRequest& request : services.received()) {
            if (request.target == path) {
                body = request.body;
            }
        }
        EXPECT_FALSE(body.empty());
        if (body.empty()) {
            return {};
        }
        EXPECT_EQ(body.back(), '\0');
        body.pop_back();
        const nlohmann::json sent = nlohmann::json::parse(body, nullptr, false);
        EXPECT_TRUE(sent.is_object()) << body;
        return sent;
    }

    // What the build set, which the program must send. A stamp that is not filled in, or not
    // read, gives 0.0.0 and build 0: against a build set to those no test could tell.
    static void expectTheBuildsVersion(const std::string& version) {
        EXPECT_NE(std::string(WHIRLEN_UI_VERSION), "0.0.0") << "the build sets no version";
        EXPECT_EQ(version, WHIRLEN_UI_VERSION);
    }
    static void expectTheBuildsNumber(const std::string& build) {
        EXPECT_NE(std::string(WHIRLEN_UI_BUILD), "0") << "the build sets no build number";
        EXPECT_EQ(build, WHIRLEN_UI_BUILD);
    }

    static constexpr const char* kUpdateCheckPath = "/api/software-version-whirlen";

    std::vector<std::string> filesIn(const TemporaryFolder& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    TemporaryFolder programs{"whirlen-ui-program"};
    TemporaryFolder runtime{"whirlen-ui-runtime"};
    TemporaryFolder data{"whirlen-ui-data"};
    TemporaryFolder working{"whirlen-ui-working"};
    ScopedEnvironment environment;
};

TEST_F(WhirlenUiProgramTest, ASecondInstanceEndsWithZeroAndStartsNoAgent) {
    const auto first = InstanceLock::acquire(kConfigurationUiInstanceName);
    ASSERT_TRUE(first);

    const ProcessLauncher::CommandResult result = run("");

    ASSERT_TRUE(result.finished) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_NE(result.output.find("E: Application already running!"), std::string::npos)
        << result.output;
    EXPECT_TRUE(agentStarts().empty());
}

TEST_F(WhirlenUiProgramTest, InstallerModeEndsWithZeroBeforeLockingOrStartingAnything) {
    const ProcessLauncher::CommandResult result = run("-installerMode");

    ASSERT_TRUE(result.finished) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_FALSE(fs::exists(runtime.file(kConfigurationUiInstanceName)));
    EXPECT_FALSE(fs::exists(runtime.file(kAgentInstanceName)));
    EXPECT_TRUE(agentStarts().empty());
}

TEST_F(WhirlenUiProgramTest, InstallerModeEndsWithZeroAfterAFailedShortcut) {
    const std::string notAFolder = data.file("not-a-folder");
    writeFileBytes(notAFolder, "");
    environment.set("XDG_DATA_HOME", notAFolder);

    const ProcessLauncher::CommandResult result = run("-installerMode -createStartMenuShortcut");

    ASSERT_TRUE(result.finished) << result.output;
    EXPECT_EQ(result.exitStatus, 0) << result.output;
    EXPECT_NE(result.output.find("Executed command: create shortcut"), std::string::npos);
}

// Runs shorter than the log writer's first flush, so only the last flush at exit writes
// their lines: it still finds the settings folder.
TEST_F(WhirlenUiProgramTest, ShortRunsLogIntoTheSettingsFolderAndNotTheWorkingFolder) {
    enableLogging();
    const auto first = InstanceLock::acquire(kConfigurationUiInstanceName);
    ASSERT_TRUE(first);
    // A file where the shortcut's folder would be makes the creation fail, which logs.
    writeFileBytes(data.file("applications"), "");
    const struct {
        const char* arguments;
        const char* line;
    } cases[] = {
        {"", "E: Application already running!"},
        {"-installerMode", ""},
        {"-installerMode -createStartMenuShortcut", "E: Error runing command create shortcut"},
        {"-installerMode -deleteStartMenuShortCut", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        for (const auto& [name, content] : logFiles()) {
            fs::remove(settingsFolder() + "/" + name);
        }

        const ProcessLauncher::CommandResult result = run(c.arguments);

        ASSERT_TRUE(result.finished) << result.output;
        EXPECT_EQ(result.exitStatus, 0) << result.output;
        EXPECT_EQ(filesIn(working), std::vector<std::string>{});
        const std::map<std::string, std::string> logs = logFiles();
        ASSERT_EQ(logs.size(), 1u) << result.output;
        EXPECT_NE(logs.begin()->second.find(c.line), std::string::npos) << logs.begin()->second;
    }
}

// Only a lock that another instance holds means another instance: one that cannot be made
// is a failed start, logged with the folder.
TEST_F(WhirlenUiProgramTest, AnUnusableRuntimeFolderIsAnErrorThatNamesIt) {
    const std::string missing = runtime.file("missing");
    const std::string notAFolder = runtime.file("not-a-folder");
    writeFileBytes(notAFolder, "");
    const std::string lockTaken = runtime.file("lock-taken");
    fs::create_directories(fs::path(lockTaken) / kConfigurationUiInstanceName);
    for (const std::string& folder : {missing, notAFolder, lockTaken}) {
        SCOPED_TRACE(folder);
        environment.set("XDG_RUNTIME_DIR", folder);

        const ProcessLauncher::CommandResult result = run("");

        ASSERT_TRUE(result.finished) << result.output;
        EXPECT_EQ(result.exitStatus, 255) << result.output;
        EXPECT_NE(result.output.find("E: Runtime folder is unusable: " + folder), std::string::npos)
            << result.output;
        EXPECT_EQ(result.output.find("already running"), std::string::npos) << result.output;
        EXPECT_TRUE(agentStarts().empty());
    }
}

TEST_F(WhirlenUiProgramTest, StartsTheAgentBesideItOnceWhileTheAgentsLockIsFree) {
    const int listener = ipctest::listenRaw();
    ASSERT_GE(listener, 0);
    ChildProcess ui;
    ASSERT_TRUE(ui.start({program()}));

    // The agent is started before the window, the window before the link.
    const int link = ipctest::acceptRaw(listener);
    EXPECT_GE(link, 0);
    EXPECT_TRUE(waitUntil([&] { return !agentStarts().empty(); }, 30s));
    ui.stop();
    EXPECT_EQ(agentStarts(), std::vector<std::string>{fs::canonical(programs.path()).string()});
    ::close(link);
    ::close(listener);
}

TEST_F(WhirlenUiProgramTest, NeverStartsTheAgentWhileItsLockIsHeld) {
    const auto agent = InstanceLock::acquire(kAgentInstanceName);
    ASSERT_TRUE(agent);
    const int listener = ipctest::listenRaw();
    ASSERT_GE(listener, 0);
    ChildProcess ui;
    ASSERT_TRUE(ui.start({program()}));

    // Connected and talking, so long past the point where it would have started the agent.
    const int link = ipctest::acceptRaw(listener);
    ASSERT_GE(link, 0);
    EXPECT_FALSE(ipctest::readFrames(link, 1).empty());
    ui.stop();
    EXPECT_TRUE(agentStarts().empty());
    ::close(link);
    ::close(listener);
}

TEST_F(WhirlenUiProgramTest, ATerminationSignalEndsItAsAClosedWindowDoesWithZero) {
    const auto agent = InstanceLock::acquire(kAgentInstanceName);
    ASSERT_TRUE(agent);
    const int listener = ipctest::listenRaw();
    ASSERT_GE(listener, 0);
    const pid_t ui = ProcessLauncher::launch({program()}, ProcessLauncher::Reaping::ByCaller);
    ASSERT_GT(ui, 0);
    // Linked: managers started, event loop running, the link's thread busy.
    const int link = ipctest::acceptRaw(listener);
    EXPECT_GE(link, 0);
    EXPECT_FALSE(ipctest::readFrames(link, 1).empty());

    ASSERT_EQ(::kill(ui, SIGTERM), 0);
    int status = -1;
    const bool ended = waitUntil([&] { return ::waitpid(ui, &status, WNOHANG) == ui; }, 60s);
    if (!ended) {
        ::kill(ui, SIGKILL);
        ::waitpid(ui, &status, 0);
    }
    ASSERT_TRUE(ended);
    // Under the sanitizers a leak or a fault at shutdown would change the code.
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ::close(link);
    ::close(listener);
}

TEST_F(WhirlenUiProgramTest, ItsUpdateCheckSendsTheVersionAndBuildItCarries) {
    FakeCloudServer services;
    ASSERT_TRUE(runToTheFirstUpdateCheck(services));
    const nlohmann::json sent = sentJson(services, kUpdateCheckPath);
    ASSERT_TRUE(sent.is_object());
    expectTheBuildsVersion(sent.value("currentVersion", ""));
    expectTheBuildsNumber(sent.value("currentBuildNo", ""));
}

// Signed in at the start, it syncs at once: the description request names its version.
TEST_F(WhirlenUiProgramTest, ItsSyncSendsTheVersionItCarries) {
    constexpr const char* kSyncInfoPath = "/api/user/config-info-whirlen";
    FakeCloudServer services;
    services.setReply(
        "/realms/pelservices/protocol/openid-connect/token",
        [](const ReceivedRequest&, httplib::Response& response) { answerRenewal(response, 3600); });
    initializeGlobals();
    ASSERT_TRUE(storeSignIn());
    ASSERT_TRUE(runToTheFirstRequestFor(services, kSyncInfoPath));
    const nlohmann::json sent = sentJson(services, kSyncInfoPath);
    ASSERT_TRUE(sent.is_object());
    expectTheBuildsVersion(sent.value("softwareVersion", ""));
}

TEST_F(WhirlenUiProgramTest, ItsDocumentsAreCompiledIntoItAndNotAtTheStart) {
    TemporaryFolder cache{"whirlen-ui-cache"};
    environment.set("XDG_CACHE_HOME", cache.path().string());
    FakeCloudServer services;
    // By the first check every document of the start is in use.
    ASSERT_TRUE(runToTheFirstUpdateCheck(services));
    // A document the engine had to compile would have left its compiled unit in the cache.
    std::vector<std::string> compiled;
    for (const auto& entry : fs::recursive_directory_iterator(cache.path())) {
        if (entry.path().extension() == ".qmlc" || entry.path().extension() == ".jsc") {
            compiled.push_back(entry.path().string());
        }
    }
    EXPECT_TRUE(compiled.empty()) << compiled.size() << " compiled at the start, such as "
                                  << compiled.front();
}

// A client of a private X server that finds the program's window.
class XDesktop {
public:
    explicit XDesktop(const std::string& display)
        : connection_(xcb_connect(display.c_str(), nullptr)),
          root_(xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root) {}
    ~XDesktop() { xcb_disconnect(connection_); }
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    bool connected() const { return xcb_connection_has_error(connection_) == 0; }

    // The colour depth of the top-level window with this title; 0 while there is none.
    int depthOfWindow(const std::string& title) {
        const Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr));
        if (!tree) {
            return 0;
        }
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            if (nameOf(children[i]) == title) {
                const Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(
                    connection_, xcb_get_geometry(connection_, children[i]), nullptr));
                return geometry ? geometry->depth : 0;
            }
        }
        return 0;
    }

private:
    struct FreeReply {
        void operator()(void* reply) const { std::free(reply); }
    };
    template <typename T>
    using Reply = std::unique_ptr<T, FreeReply>;

    xcb_atom_t atom(const std::string& name) {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<uint16_t>(name.size()), name.c_str()),
            nullptr));
        return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    }

    std::string nameOf(xcb_window_t window) {
        const Reply<xcb_get_property_reply_t> name(
            xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, window, atom("_NET_WM_NAME"),
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
                                   nullptr));
        if (!name) {
            return {};
        }
        return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                           xcb_get_property_value_length(name.get()));
    }

    xcb_connection_t* const connection_;
    const xcb_window_t root_;
};

// Transparent outside its rounded corners only where a compositing manager shows what is
// behind it: elsewhere an alpha channel would give black corners and dearer frames.
TEST_F(WhirlenUiProgramTest, ItsWindowHasAnAlphaChannelOnlyWhereTheDesktopComposites) {
    for (const bool compositing : {false, true}) {
        SCOPED_TRACE(compositing ? "with a compositing manager" : "without one");
        XvfbServer server("1280x800x24");
        ASSERT_TRUE(server.running());
        XDesktop desktop(server.display());
        ASSERT_TRUE(desktop.connected());
        std::optional<CompositingManagerStandIn> manager;
        if (compositing) {
            manager.emplace(server.display(), 0);
            ASSERT_TRUE(manager->holding());
        }
        environment.set("DISPLAY", server.display());
        environment.set("QT_QPA_PLATFORM", "xcb");
        // On X the program loads libxkbcommon-x11, which reads atom names past their end as the
        // address sanitizer's strict string checks see it; memory errors still stop it.
        environment.set("ASAN_OPTIONS", "abort_on_error=1:detect_leaks=0");
        const auto agent = InstanceLock::acquire(kAgentInstanceName);
        ChildProcess ui;
        ASSERT_TRUE(agent && ui.start({program()}));
        int depth = 0;
        EXPECT_TRUE(waitUntil(
            [&] {
                depth = desktop.depthOfWindow("Pelvane Multimedia Controller Device Configuration");
                return depth != 0;
            },
            60s));
        EXPECT_EQ(depth, compositing ? 32 : 24);
        ui.stop();
    }
}

// Whether the program, started with the render loop's timing on, reports a frame drawn
// within a minute; its other lines are skipped.
bool drawsAFrame(ChildProcess& ui) {
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (std::chrono::steady_clock::now() < deadline) {
        std::optional<std::string> line = ui.readLine(60s);
        if (!line) {
            return false;
        }
        // "Frame rendered" from one render loop, "frame rendered" from another.
        std::transform(line->begin(), line->end(), line->begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (line->find("frame rendered") != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Where OpenGL is only a software rasteriser (Mesa's llvmpipe under Xvfb) the window draws with
// Qt Quick's software renderer, which repaints only what changes, and never loads OpenGL; a
// back end or graphics API the user named wins.
TEST_F(WhirlenUiProgramTest, ItsWindowDrawsInSoftwareWhereOpenGlIsOnlyASoftwareRasteriser) {
    const struct {
        const char* variable;
        const char* value;
        bool openGl;
    } cases[] = {
        {nullptr, nullptr, false},
        {"QT_QUICK_BACKEND", "rhi", true},
        {"QSG_RHI_BACKEND", "opengl", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variable != nullptr ? c.variable : "nothing set");
        XvfbServer server("1280x800x24");
        ASSERT_TRUE(server.running());
        environment.set("DISPLAY", server.display());
        environment.set("QT_QPA_PLATFORM", "xcb");
        environment.unset("QT_QUICK_BACKEND");
        environment.unset("QSG_RHI_BACKEND");
        if (c.variable != nullptr) {
            environment.set(c.variable, c.value);
        }
        // The render loop reports each frame it draws.
        environment.set("QSG_RENDER_TIMING", "1");
        environment.set("QT_LOGGING_RULES", "qt.scenegraph.time.renderloop=true");
        environment.set("ASAN_OPTIONS", "abort_on_error=1:detect_leaks=0");
        const auto agent = InstanceLock::acquire(kAgentInstanceName);
        ChildProcess ui;
        ASSERT_TRUE(agent && ui.start({"sh", "-c", "exec \"$0\" 2>&1", program()}));
        ASSERT_TRUE(drawsAFrame(ui));
        // Mesa's drivers, llvmpipe's among them, are its dri/*_dri.so.
        const std::string maps = readFileBytes("/proc/" + std::to_string(ui.pid()) + "/maps");
        EXPECT_EQ(maps.find("_dri.so") != std::string::npos, c.openGl);
        ui.stop();
    }
}

// Every library the program links is loaded before its window's first frame; those that only
// a request to the cloud needs are loaded when it is made.
TEST_F(WhirlenUiProgramTest, ItsStartLoadsNoLibraryOnlyTheCloudNeeds) {
    const ProcessLauncher::CommandResult loaded =
        ProcessLauncher::runHiddenCommand("ldd '" + program() + "'");
    ASSERT_TRUE(loaded.finished && loaded.exitStatus == 0) << loaded.output;
    EXPECT_NE(loaded.output.find("libQt6Quick.so"), std::string::npos) << loaded.output;
    EXPECT_EQ(loaded.output.find("libcurl"), std::string::npos) << loaded.output;
}

}  // namespace
