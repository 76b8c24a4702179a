// The time from a preferences-update frame (type 3) to new binding tables in
// place, for the large preference file, with controllers of both models bound
// to profiles of that file: the frame handed to the engine as the server
// thread hands it, and the same frame sent by a client over the socket file.
// The rebuild alone shows how much of that is the store's reload.

#include <stdlib.h>

#include <condition_variable>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "agent/WhirlenEngine.h"
#include "bench/LargePreferenceFiles.h"
#include "bench/NullActionServices.h"
#include "platform/SocketPairHidDevice.h"
#include "shared/ipc/IPCPrefsUpdateMessage.h"
#include "shared/ipc/IPCSocketPath.h"
#include "shared/prefs/KeyNames.h"

namespace {

constexpr uint16_t kMaxProduct = 0x30;
constexpr uint16_t kLiteProduct = 0x20;

LargePreferenceFiles& files() {
    static LargePreferenceFiles instance;
    return instance;
}

std::vector<uint8_t> prefsFrame() {
    IPCPrefsUpdateMessage message;
    message.setText("{}");
    return message.serialize();
}

// Subscribed after the engine, so it is told once the engine's rebuild is done.
class TablesInPlace : public PreferencesUpdateSubscriber {
public:
    void onPreferencesUpdated() override {
        std::lock_guard lock(mutex_);
        ++count_;
        changed_.notify_all();
    }
    int count() {
        std::lock_guard lock(mutex_);
        return count_;
    }
    void waitBeyond(int count) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return count_ > count; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int count_ = 0;
};

// Device i is a Max for even i and a Lite for odd i, bound to profile i.
uint16_t productOf(int device) {
    return device % 2 == 0 ? kMaxProduct : kLiteProduct;
}
std::string locationOf(int device) {
    return "00010002000" + std::to_string(device);
}

void writeBindFile(int devices) {
    nlohmann::json bindings = nlohmann::json::array();
    for (int i = 0; i < devices; ++i) {
        const uint16_t product = productOf(i);
        bindings.push_back(
            {{"DeviceID", modelScopedName(WhirlenEngine::deviceUuid(product, locationOf(i)),
                                          WhirlenEngine::modelForProductId(product))},
             {"ProfileID", LargePreferenceFiles::profileKey(i)}});
    }
    std::ofstream(files().paths().profileBindFile) << nlohmann::json{{"ProfileBind", bindings}};
}

// A loaded store on the large file and an engine with `devices` controllers.
struct Rig {
    explicit Rig(int devices) {
        setenv("XDG_RUNTIME_DIR", files().folder().c_str(), 1);
        writeBindFile(devices);
        store.load();
        engine = std::make_unique<WhirlenEngine>(store, services.services());
        store.subscribe(&tablesInPlace);
        for (int i = 0; i < devices; ++i) {
            pairs.push_back(std::make_unique<SocketPairHidDevice>(true));
            engine->addDevice("/dev/hidraw" + std::to_string(i), pairs.back()->takeDevice(),
                              productOf(i), locationOf(i));
        }
    }
    ~Rig() {
        store.unsubscribe(&tablesInPlace);
        engine.reset();
    }
    // The tables came from the file's profiles, not from the "default" ones.
    bool boundToTheFile() const {
        for (size_t i = 0; i < pairs.size(); ++i) {
            const auto device = engine->findDevice("/dev/hidraw" + std::to_string(i));
            const auto action = device ? device->boundAction(0) : std::nullopt;
            if (!action || action->comment().rfind("binding ", 0) != 0) {
                return false;
            }
        }
        return true;
    }

    NullActionServices services;
    PreferencesStore store{files().paths()};
    TablesInPlace tablesInPlace;
    std::vector<std::unique_ptr<SocketPairHidDevice>> pairs;
    std::unique_ptr<WhirlenEngine> engine;
};

int connectToEngine() {
    sockaddr_un address{};
    socklen_t length = 0;
    if (!ipcSocketAddress(address, length)) {
        return -1;
    }
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

void BM_UpdateFrameToTables(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)));
    if (!rig.boundToTheFile()) {
        state.SkipWithError("devices are not bound to the file's profiles");
        return;
    }
    const std::vector<uint8_t> frame = prefsFrame();
    for (auto _ : state) {
        rig.engine->onMessage(frame.data(), frame.size());
    }
    state.counters["profiles"] = static_cast<double>(rig.store.profiles().size());
}

void BM_UpdateOverLinkToTables(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)));
    const int client = rig.engine->start() ? connectToEngine() : -1;
    if (client < 0 || !rig.boundToTheFile()) {
        state.SkipWithError("no link to the engine, or devices not bound to the file");
        return;
    }
    const std::vector<uint8_t> frame = prefsFrame();
    for (auto _ : state) {
        const int before = rig.tablesInPlace.count();
        if (::send(client, frame.data(), frame.size(), MSG_NOSIGNAL) !=
            static_cast<ssize_t>(frame.size())) {
            state.SkipWithError("send failed");
            break;
        }
        rig.tablesInPlace.waitBeyond(before);
    }
    ::close(client);
}

void BM_RebuildTables(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        rig.engine->onPreferencesUpdated();
    }
}

BENCHMARK(BM_UpdateFrameToTables)->Arg(1)->Arg(4)->MinTime(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateOverLinkToTables)
    ->Arg(4)
    ->MinTime(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_RebuildTables)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace
