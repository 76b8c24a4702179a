// The agent program itself, run against a made-up device tree, with no session bus and no
// X display, and talked to over its socket as the configuration program would.

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/InstanceNames.h"
#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCResponseConnectedDevices.h"
#include "tests/shared/ipc/IPCTestSupport.h"
#include "tests/support/FakeDeviceTree.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/SessionBusServer.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TrayHost.h"
#include "tests/support/TrayItemClient.h"
#include "tests/support/WaitUntil.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Uuids = std::set<std::string>;

constexpr uint32_t kVendor = 0x0F1E;
// Long enough for a start under a sanitizer on a loaded machine; only a hang runs into it.
constexpr auto kPatience = 30s;

// One run of the agent, its output in a file. Killed, if still running, when the object
// goes, and also when the test's thread ends, so a crashed test leaves no agent behind.
class AgentProcess {
public:
    explicit AgentProcess(std::string logPath, std::string program = WHIRLEN_AGENT_PROGRAM)
        : logPath_(std::move(logPath)), program_(std::move(program)) {}
    ~AgentProcess() {
        if (pid_ > 0 && !exitCode_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    AgentProcess(const AgentProcess&) = delete;
    AgentProcess& operator=(const AgentProcess&) = delete;

    bool start() {
        const pid_t parent = getpid();
        pid_ = fork();
        if (pid_ == 0) {
            becomeAgent(parent);
        }
        return pid_ > 0;
    }

    pid_t pid() const { return pid_; }

    // The code the program returned (-2 for 254, as main returned it); nullopt while it
    // runs on or when a signal ended it.
    std::optional<int> waitForExit() {
        int status = 0;
        const bool ended = waitUntil(
            [&] { return exitCode_ || waitpid(pid_, &status, WNOHANG) == pid_; }, kPatience);
        if (ended && !exitCode_) {
            exitCode_ = WIFEXITED(status) ? static_cast<int8_t>(WEXITSTATUS(status))
                                          : 1000 + WTERMSIG(status);
        }
        return exitCode_ && *exitCode_ < 1000 ? exitCode_ : std::nullopt;
    }

    bool isRunning() { return !exitCode_ && waitpid(pid_, nullptr, WNOHANG) == 0; }

    std::string log() const { return readFileBytes(logPath_); }

private:
    // In the forked child: async-signal-safe calls only.
    [[noreturn]] void becomeAgent(pid_t parent) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        const int log = open(logPath_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        dup2(log, STDOUT_FILENO);
        dup2(log, STDERR_FILENO);
        char* argv[] = {const_cast<char*>(program_.c_str()), nullptr};
        execv(argv[0], argv);
        _exit(127);
    }

    const std::string logPath_;
    const std::string program_;
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

// The UUIDs the agent lists when asked over its socket; nullopt while it does not answer.
std::optional<Uuids> listedUuids() {
    const int socket = ipctest::connectRaw();
    if (socket < 0) {
        return std::nullopt;
    }
    std::vector<IPCFrame> frames;
    if (ipctest::sendRaw(socket, IPCMessage(IPCMessageType::RequestDevices).serialize())) {
        frames = ipctest::readFrames(socket, 1);
    }
    close(socket);
    IPCResponseConnectedDevices list;
    if (frames.empty() || !list.deserialize(frames[0].data(), frames[0].size())) {
        return std::nullopt;
    }
    Uuids uuids;
    for (const ConnectedDevice& device : list.devices()) {
        uuids.insert(device.uuid);
    }
    return uuids;
}

bool listBecomes(const Uuids& expected) {
    return waitUntil([&] { return listedUuids() == expected; }, kPatience);
}

// The files a process holds open, by their full paths.
std::set<std::string> openFilesOf(pid_t pid) {
    std::set<std::string> files;
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        files.insert(fs::read_symlink(entry.path(), error).string());
    }
    return files;
}

class AgentProgramTest : public testing::Test {
protected:
    AgentProgramTest() {
        environment.set("XDG_RUNTIME_DIR", runtime.path().string());
        environment.set("XDG_DATA_HOME", data.path().string());
        environment.set("WHIRLEN_SYSFS_ROOT", tree.sysfsRoot());
        environment.set("WHIRLEN_DEV_ROOT", tree.devRoot());
        // No tray and no X display: the agent must run on without either.
        environment.set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtime.file("no-bus"));
        environment.unset("DISPLAY");
    }

    // As the agent sees it in its /proc entry.
    std::string node(int n) const { return fs::canonical(tree.nodePath(n)).string(); }

    std::string logFile(const std::string& name) const { return runtime.file(name + ".log"); }

    TemporaryFolder runtime{"agent-runtime"};
    TemporaryFolder data{"agent-data"};
    FakeDeviceTree tree;
    ScopedEnvironment environment;
    AgentProcess agent{logFile("agent")};
};

TEST_F(AgentProgramTest, OpensTheSupportedControllersPresentAtStartAndSkipsTheRest) {
    ASSERT_TRUE(tree.addHidraw(0, kVendor, 0x20, 1, "2"));
    ASSERT_TRUE(tree.addHidraw(1, kVendor, 0x21, 1, "3"));
    ASSERT_TRUE(tree.addHidraw(2, kVendor, 0x30, 3, "2.3"));
    ASSERT_TRUE(tree.addHidraw(3, kVendor, 0x30, 1, ""));
    ASSERT_TRUE(tree.addHidraw(4, kVendor, 0x31, 1, "4"));
    ASSERT_TRUE(tree.addHidraw(5, kVendor, 0x10, 1, "5"));
    ASSERT_TRUE(tree.addHidraw(6, 0x046D, 0x30, 1, "6"));

    ASSERT_TRUE(agent.start());

    // The product id, then the bus and the ports of the USB device above; the product id
    // alone without one. 0x21 has no model, so it is read but not listed.
    EXPECT_TRUE(listBecomes({"3200010002", "48000300020003", "48"})) << agent.log();
    const std::set<std::string> opened = {node(0), node(1), node(2), node(3)};
    EXPECT_TRUE(waitUntil([&] {
        const std::set<std::string> files = openFilesOf(agent.pid());
        return std::includes(files.begin(), files.end(), opened.begin(), opened.end());
    }));
    for (const int skipped : {4, 5, 6}) {
        EXPECT_FALSE(openFilesOf(agent.pid()).contains(node(skipped))) << "hidraw" << skipped;
    }
}

TEST_F(AgentProgramTest, ASecondInstanceEndsWithMinusTwoAndLeavesTheFirstRunning) {
    ASSERT_TRUE(agent.start());
    ASSERT_TRUE(listBecomes({})) << agent.log();

    AgentProcess second(logFile("second"));
    ASSERT_TRUE(second.start());

    EXPECT_EQ(second.waitForExit(), -2) << second.log();
    EXPECT_NE(second.log().find("W: Another agent is running already"), std::string::npos)
        << second.log();
    EXPECT_TRUE(agent.isRunning());
    EXPECT_TRUE(listBecomes({}));
}

// Only a lock that another agent holds means another agent; a lock that cannot be made is
// an error that names the folder, though it ends the start with the same code.
TEST_F(AgentProgramTest, AnUnusableRuntimeFolderIsAnErrorThatNamesItAndNoOtherAgent) {
    const std::string missing = runtime.file("missing");
    const std::string notAFolder = runtime.file("not-a-folder");
    writeFileBytes(notAFolder, "");
    const std::string lockTaken = runtime.file("lock-taken");
    fs::create_directories(fs::path(lockTaken) / kAgentInstanceName);
    for (const std::string& folder : {missing, notAFolder, lockTaken}) {
        SCOPED_TRACE(folder);
        environment.set("XDG_RUNTIME_DIR", folder);
        AgentProcess refused(logFile("refused-" + fs::path(folder).filename().string()));
        ASSERT_TRUE(refused.start());

        EXPECT_EQ(refused.waitForExit(), -2) << refused.log();
        EXPECT_NE(refused.log().find("E: Runtime folder is unusable: " + folder), std::string::npos)
            << refused.log();
        EXPECT_EQ(refused.log().find("running already"), std::string::npos) << refused.log();
    }
}

TEST_F(AgentProgramTest, FollowsControllersPluggedInAndOut) {
    ASSERT_TRUE(agent.start());
    ASSERT_TRUE(listBecomes({})) << agent.log();

    ASSERT_TRUE(tree.addHidraw(3, kVendor, 0x30, 1, "2"));
    ASSERT_TRUE(listBecomes({"4800010002"})) << agent.log();
    ASSERT_TRUE(tree.addHidraw(4, kVendor, 0x20, 2, "1.4"));
    ASSERT_TRUE(listBecomes({"4800010002", "32000200010004"})) << agent.log();

    tree.removeHidraw(3);
    ASSERT_TRUE(listBecomes({"32000200010004"})) << agent.log();
    EXPECT_FALSE(openFilesOf(agent.pid()).contains(tree.nodePath(3)));

    // The same node again is a new controller.
    ASSERT_TRUE(tree.addHidraw(3, kVendor, 0x30, 1, "2"));
    EXPECT_TRUE(listBecomes({"4800010002", "32000200010004"})) << agent.log();
}

TEST_F(AgentProgramTest, AHeaderWithACorruptLengthCostsOnlyItselfAndTheNextRequestIsAnswered) {
    ASSERT_TRUE(tree.addHidraw(0, kVendor, 0x30, 1, "2"));
    ASSERT_TRUE(agent.start());
    ASSERT_TRUE(listBecomes({"4800010002"})) << agent.log();

    const int socket = ipctest::connectRaw();
    ASSERT_GE(socket, 0);
    // A known type with a length of 65,536, then a valid request right behind it.
    std::vector<uint8_t> frames = IPCMessage(IPCMessageType::PrefsUpdate).serialize();
    frames[8] = 1;
    const std::vector<uint8_t> request = IPCMessage(IPCMessageType::RequestDevices).serialize();
    frames.insert(frames.end(), request.begin(), request.end());
    ASSERT_TRUE(ipctest::sendRaw(socket, frames));
    const std::vector<IPCFrame> answer = ipctest::readFrames(socket, 1);
    close(socket);

    IPCResponseConnectedDevices list;
    ASSERT_EQ(answer.size(), 1u) << agent.log();
    ASSERT_TRUE(list.deserialize(answer[0].data(), answer[0].size()));
    EXPECT_EQ(list.devices().size(), 1u);
    EXPECT_TRUE(agent.isRunning());
}

TEST_F(AgentProgramTest, TerminationSignalsEndTheAgentWithZero) {
    ASSERT_TRUE(tree.addHidraw(0, kVendor, 0x30, 1, "2"));
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        AgentProcess run(logFile("run" + std::to_string(signal)));
        ASSERT_TRUE(run.start());
        // Running with a controller: its reader, the watcher and the link all have to end.
        ASSERT_TRUE(listBecomes({"4800010002"})) << run.log();

        ASSERT_EQ(kill(run.pid(), signal), 0);

        EXPECT_EQ(run.waitForExit(), 0) << run.log();
    }
}

// Processes whose parent is `pid`, zombies included.
std::vector<pid_t> childrenOf(pid_t pid) {
    std::vector<pid_t> children;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const std::string stat = readFileBytes(entry.path().string() + "/stat");
        const size_t nameEnd = stat.rfind(')');
        std::istringstream fields(nameEnd == std::string::npos ? "" : stat.substr(nameEnd + 2));
        char state = 0;
        pid_t parent = 0;
        if (fields >> state >> parent && parent == pid) {
            children.push_back(std::stoi(name));
        }
    }
    return children;
}

std::vector<std::string> linesOf(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream text(readFileBytes(path));
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The agent installed in a folder of its own, with a configuration program beside it that
// writes each command line it gets, as "word|word|", to "launches" in its working folder.
class InstalledAgentTest : public AgentProgramTest {
protected:
    void SetUp() override {
        fs::copy_file(WHIRLEN_AGENT_PROGRAM, program);
        fs::copy_file(WHIRLEN_BACKUP_PREFERENCES_FILE, install.file("pelvane_default_backup.json"));
        const std::string ui = install.file("whirlenUI");
        writeFileBytes(ui, R"(#!/bin/sh
line=
for word; do line="$line$word|"; done
echo "$line" >> launches
)");
        chmod(ui.c_str(), 0755);
        ASSERT_TRUE(bus.running()) << "cannot start dbus-daemon; scripts/install-deps installs it";
        std::string whyNot;
        ASSERT_TRUE(host.start(whyNot)) << whyNot;
        ASSERT_TRUE(client.connect());
    }

    std::optional<std::vector<TrayMenu::Entry>> entriesOf(const std::string& service) {
        const auto layout = client.layoutOf(service);
        return layout ? std::optional(layout->entries) : std::nullopt;
    }

    bool menuBecomes(const std::string& service, const std::vector<TrayMenu::Entry>& entries) {
        return waitUntil([&] { return entriesOf(service) == entries; }, kPatience);
    }

    // Clicks the entry and waits for the configuration program's command line.
    std::optional<std::string> launchedByClicking(const std::string& service, int entry) {
        const size_t before = linesOf(launches).size();
        if (!client.sendEvent(service, entry, "clicked") ||
            !waitUntil([&] { return linesOf(launches).size() > before; }, kPatience)) {
            return std::nullopt;
        }
        return linesOf(launches).back();
    }

    TemporaryFolder install{"agent-install"};
    const std::string program = install.file("PelvaneMultimediaController");
    const std::string launches = install.file("launches");
    SessionBusServer bus;
    TrayHost host;
    TrayItemClient client;
    AgentProcess installed{logFile("installed"), program};
};

const std::string kTitle = "Pelvane Design Multimedia Control Panel";

TEST_F(InstalledAgentTest, TheMenuListsTheControllersAndItsChoicesReachTheAgent) {
    ASSERT_TRUE(tree.addHidraw(0, kVendor, 0x30, 1, "2"));
    ASSERT_TRUE(tree.addHidraw(1, kVendor, 0x20, 1, "3"));
    ASSERT_TRUE(installed.start());
    const auto registrations = host.waitForRegistrations(1, kPatience);
    ASSERT_TRUE(registrations) << installed.log();
    const std::string service = registrations->front().service;
    EXPECT_EQ(registrations->front().title, kTitle);

    ASSERT_TRUE(menuBecomes(service, {{1, kTitle},
                                      {1000, "Whirlen Max - default"},
                                      {1001, "Whirlen Lite - default"},
                                      {2, "Exit"}}))
        << installed.log();
    EXPECT_EQ(launchedByClicking(service, 1001), "-devModel|2|-devId|3200010003|");
    EXPECT_EQ(launchedByClicking(service, 1000), "-devModel|1|-devId|4800010002|");
    EXPECT_EQ(launchedByClicking(service, 1), "");

    // Entries follow the controllers, and their ids follow the menu on show.
    tree.removeHidraw(0);
    ASSERT_TRUE(menuBecomes(service, {{1, kTitle}, {1000, "Whirlen Lite - default"}, {2, "Exit"}}))
        << installed.log();
    EXPECT_EQ(launchedByClicking(service, 1000), "-devModel|2|-devId|3200010003|");
    // The ended programs do not linger as zombies of the agent.
    EXPECT_TRUE(waitUntil([&] { return childrenOf(installed.pid()).empty(); }, kPatience));

    EXPECT_TRUE(client.sendEvent(service, 2, "clicked"));
    EXPECT_EQ(installed.waitForExit(), 0) << installed.log();
}

}  // namespace
