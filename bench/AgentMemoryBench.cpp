// The agent program's resident memory after a preferences update (type 3) of the large
// preference file, beside the file's size: what the parse freed should go back to the
// system, not stay with an agent that runs all session. The agent runs as itself, with no
// controllers, no session bus and no X display, and is told over its socket as the
// configuration program tells it. The figure should stay within 3x the file; above that the
// benchmark reports an error. Each iteration times one reload, answered by a device list.

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/LargePreferenceFiles.h"
#include "platform/ProcessLauncher.h"
#include "shared/ipc/IPCMessage.h"
#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCSocketPath.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr double kMiB = 1024.0 * 1024.0;
constexpr double kLimitPerFileByte = 3.0;
constexpr size_t kFrameHeaderSize = 10;
// Profiles for a preference file of about 48 MiB, as large as any seen in the field.
constexpr int kProfilesOf48MiB = 1125;
constexpr uint32_t kDeviceListType = 2;

uint32_t readLittleEndian32(const uint8_t* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

bool readExactly(int socket, uint8_t* into, size_t count) {
    while (count > 0) {
        const ssize_t got = ::recv(socket, into, count, 0);
        if (got <= 0) {
            return false;
        }
        into += got;
        count -= static_cast<size_t>(got);
    }
    return true;
}

bool sendAll(int socket, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t sent = ::send(socket, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        done += static_cast<size_t>(sent);
    }
    return true;
}

// One agent in folders of its own, its settings folder holding the large file. The
// environment it gets is this process's, changed for the run.
class AgentRun {
public:
    explicit AgentRun(const std::string& preferences) {
        std::string pattern = (fs::temp_directory_path() / "agent-memory-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        const fs::path settings = root_ / "data" / "PelvaneDesignMediaControllerSoftware";
        fs::create_directories(settings);
        fs::create_directories(root_ / "runtime");
        fs::create_directories(root_ / "sys");
        fs::create_directories(root_ / "dev");
        std::ofstream(settings / "pelvane_default.json", std::ios::binary) << preferences;
        std::ofstream(settings / "pelvane_profile_bind.json") << R"({"ProfileBind":[]})";
        setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root_ / "runtime").c_str(), 1);
        setenv("WHIRLEN_SYSFS_ROOT", (root_ / "sys").c_str(), 1);
        setenv("WHIRLEN_DEV_ROOT", (root_ / "dev").c_str(), 1);
        setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + (root_ / "no-bus").string()).c_str(), 1);
        unsetenv("DISPLAY");
        pid_ = ProcessLauncher::launch({WHIRLEN_AGENT_PROGRAM}, ProcessLauncher::Reaping::ByCaller);
        socket_ = connectWithPatience();
    }
    ~AgentRun() {
        if (socket_ >= 0) {
            ::close(socket_);
        }
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
        std::error_code error;
        fs::remove_all(root_, error);
    }
    AgentRun(const AgentRun&) = delete;
    AgentRun& operator=(const AgentRun&) = delete;

    bool linked() const { return socket_ >= 0; }

    // A preferences update, then a device request: the agent answers the request on the
    // thread that reloaded, so the answer comes once the reload is done.
    bool reload() {
        IPCPrefsUpdateMessage update;
        update.setText("{}");
        return sendAll(socket_, update.serialize()) &&
               sendAll(socket_, IPCMessage(IPCMessageType::RequestDevices).serialize()) &&
               awaitDeviceList();
    }

    // VmRSS of the agent, in bytes; nullopt when it cannot be read.
    std::optional<double> residentBytes() const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string key;
        while (status >> key) {
            if (key == "VmRSS:") {
                double kilobytes = 0;
                status >> kilobytes;
                return kilobytes * 1024.0;
            }
            status.ignore(4096, '\n');
        }
        return std::nullopt;
    }

private:
    int connectWithPatience() const {
        sockaddr_un address{};
        socklen_t length = 0;
        if (pid_ <= 0 || !ipcSocketAddress(address, length)) {
            return -1;
        }
        for (auto waited = 0ms; waited < 60s; waited += 50ms) {
            const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
                return socket;
            }
            ::close(socket);
            std::this_thread::sleep_for(50ms);
        }
        return -1;
    }

    bool awaitDeviceList() const {
        for (;;) {
            uint8_t header[kFrameHeaderSize];
            if (!readExactly(socket_, header, sizeof header) || header[0] != '#' ||
                header[1] != '_') {
                return false;
            }
            std::vector<uint8_t> payload(readLittleEndian32(header + 6));
            if (!readExactly(socket_, payload.data(), payload.size())) {
                return false;
            }
            if (readLittleEndian32(header + 2) == kDeviceListType) {
                return true;
            }
        }
    }

    fs::path root_;
    pid_t pid_ = -1;
    int socket_ = -1;
};

void BM_AgentResidentMemoryAfterReload(benchmark::State& state) {
    const LargePreferenceFiles files(kProfilesOf48MiB);
    AgentRun agent(files.text());
    // The agent loads the file at start too, perhaps after a first reload has begun; once a
    // reload has been answered after that one, both are over.
    if (!agent.linked() || !agent.reload()) {
        state.SkipWithError("the agent did not start or did not answer");
        return;
    }
    std::optional<double> resident;
    for (auto _ : state) {
        if (!agent.reload()) {
            state.SkipWithError("the agent did not answer a reload");
            return;
        }
        state.PauseTiming();
        resident = agent.residentBytes();
        state.ResumeTiming();
    }
    if (!resident) {
        state.SkipWithError("the agent's resident memory cannot be read");
        return;
    }
    const double fileBytes = static_cast<double>(files.text().size());
    state.counters["file_MiB"] = fileBytes / kMiB;
    state.counters["resident_MiB"] = *resident / kMiB;
    state.counters["resident_per_file"] = *resident / fileBytes;
    if (*resident > kLimitPerFileByte * fileBytes) {
        // Kept past the call: the library may hold on to the text.
        static std::string message;
        message = "resident memory after the reload is " + std::to_string(*resident / kMiB) +
                  " MiB, above 3x the file's " + std::to_string(fileBytes / kMiB) + " MiB";
        state.SkipWithError(message.c_str());
    }
}
BENCHMARK(BM_AgentResidentMemoryAfterReload)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
