// The time from an input report written into the controller's node to its action reaching
// the injector: one report after the other, each written once the one before has arrived,
// over a sequenced-packet socket pair read by the engine's own device reader. Every report
// presses or releases button 1, which is bound to a key that follows it, so each report is
// one batch at the injector. Two more figures tell the parts apart: the engine's own, from
// the moment the device reader's read returns the report to the batch at the injector
// (decoding, binding lookup, dispatch and the executor, on the reader's thread); and the
// floor, another pair read by a bare thread that only notes when each report arrives (the
// kernel's hand-over and the thread wake-up that any reader pays). Binding rebuilds may run
// at the same time, as when the foreground application keeps changing.
//
// Latencies go out as counters, p50, p99 and max in microseconds over kReports reports:
// written to injector (no prefix), read to injector (engine_) and written to a bare
// reader (floor_).

#include <stdlib.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include "agent/WhirlenEngine.h"
#include "bench/NullActionServices.h"
#include "platform/SocketPairHidDevice.h"

namespace {

using Clock = std::chrono::steady_clock;
using ReportBytes = std::array<uint8_t, ControllerDevice::kReportSize>;

constexpr size_t kReports = 10000;
constexpr uint16_t kMaxProduct = 0x30;
// Far beyond any latency: only a report that never arrives runs into it.
constexpr auto kLost = std::chrono::seconds(2);

// When each of the first kReports arrivals came, noted by one thread and read by another.
class Arrivals {
public:
    Arrivals() : stamps_(kReports) {}

    void note() {
        const size_t index = count_.load(std::memory_order_relaxed);
        if (index < stamps_.size()) {
            stamps_[index] = Clock::now();
        }
        count_.store(index + 1, std::memory_order_release);
    }
    size_t count() const { return count_.load(std::memory_order_acquire); }
    Clock::time_point stamp(size_t index) const { return stamps_[index]; }

private:
    std::vector<Clock::time_point> stamps_;
    std::atomic<size_t> count_{0};
};

// Notes each batch; nothing is synthesised.
class TimestampingInjector : public InputInjector {
public:
    Arrivals batches;

protected:
    bool sendBatch(std::span<const InputEvent>) override {
        batches.note();
        return true;
    }
};

// Notes each report as the read returns it, before the reader decodes it.
class TimestampingHidDevice : public HidDevice {
public:
    TimestampingHidDevice(std::unique_ptr<HidDevice> inner, Arrivals& reads)
        : inner_(std::move(inner)), reads_(reads) {}

    ReadResult readReport(uint8_t* buffer, size_t capacity) override {
        const ReadResult result = inner_->readReport(buffer, capacity);
        if (result.status == ReadStatus::Report) {
            reads_.note();
        }
        return result;
    }
    void cancel() override { inner_->cancel(); }

private:
    std::unique_ptr<HidDevice> inner_;
    Arrivals& reads_;
};

// Preference files with a Whirlen Max "default" profile whose button 1 holds a key while
// it is held.
class FollowedKeyFiles {
public:
    FollowedKeyFiles() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "latency-bench-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        paths_ = {folder_ + "/pelvane_default.json", folder_ + "/pelvane_profile_bind.json",
                  folder_ + "/pelvane_default_backup.json"};
        const nlohmann::json key = {
            {"ActionType", "keypress"}, {"KeyCode", "KEY_A"}, {"MouseButton", "DeviceButton_1"},
            {"StartDelay", 0},          {"Repeat", -1},       {"DelayRepeat", 0}};
        const nlohmann::json profile = {
            {"DeviceType", "whirlen"},
            {"DeviceModel", "whirlenmax"},
            {"Comment", ""},
            {"Name", "default"},
            {"Settings", {{"Comment", ""}, {"AppSpecificActive", true}}},
            {"Actions", {key}}};
        std::ofstream(paths_.defaultFile) << nlohmann::json{{"MajorVersion", 1},
                                                            {"MinorVersion", 1},
                                                            {"Comment", ""},
                                                            {"ProfilesPreferences", {profile}}};
        std::ofstream(paths_.profileBindFile) << R"({"ProfileBind":[]})";
        std::ofstream(paths_.backupFile) << R"({"MajorVersion":1,"MinorVersion":1,"Comment":""})";
    }
    ~FollowedKeyFiles() { std::filesystem::remove_all(folder_); }
    FollowedKeyFiles(const FollowedKeyFiles&) = delete;
    FollowedKeyFiles& operator=(const FollowedKeyFiles&) = delete;

    const PreferencesStorePaths& paths() const { return paths_; }

private:
    std::string folder_;
    PreferencesStorePaths paths_;
};

ReportBytes buttonReport(bool pressed) {
    return {0, 0, 0, 0, static_cast<uint8_t>(pressed ? 1 : 0), 0, 0, 0};
}

// The floor: a thread that reads its pair and notes each report, nothing more.
class BareReader {
public:
    BareReader() : device_(pair_.takeDevice()) {
        thread_ = std::thread([this] {
            std::array<uint8_t, 64> buffer{};
            while (device_->readReport(buffer.data(), buffer.size()).status ==
                   HidDevice::ReadStatus::Report) {
                reads.note();
            }
        });
    }
    ~BareReader() {
        device_->cancel();
        thread_.join();
    }
    BareReader(const BareReader&) = delete;
    BareReader& operator=(const BareReader&) = delete;

    SocketPairHidDevice& pair() { return pair_; }

    Arrivals reads;

private:
    SocketPairHidDevice pair_{true};
    std::unique_ptr<HidDevice> device_;
    std::thread thread_;
};

// Report `index` written into the pair and, spinning so that the writer's own wake-up is
// not part of the figure, seen among `arrivals`; the time of the write, nullopt when it
// could not be written or never arrived.
std::optional<Clock::time_point> roundTrip(SocketPairHidDevice& pair, size_t index,
                                           const Arrivals& arrivals) {
    const Clock::time_point written = Clock::now();
    if (!pair.write(buttonReport(index % 2 == 0))) {
        return std::nullopt;
    }
    while (arrivals.count() <= index) {
        if (Clock::now() - written > kLost) {
            return std::nullopt;
        }
    }
    return written;
}

void addCounters(benchmark::State& state, const std::string& prefix,
                 std::vector<Clock::duration>& latencies) {
    std::sort(latencies.begin(), latencies.end());
    const auto micros = [](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count();
    };
    state.counters[prefix + "p50_us"] = micros(latencies[kReports / 2]);
    state.counters[prefix + "p99_us"] = micros(latencies[kReports * 99 / 100]);
    state.counters[prefix + "max_us"] = micros(latencies.back());
}

// Reports go to the engine's device and to the bare reader in turn, so that both figures
// come from the same moments of a machine whose wake-up times drift. With range(0) set,
// another thread rebuilds the binding tables over and over meanwhile.
void BM_ReportToInjector(benchmark::State& state) {
    const bool rebuilding = state.range(0) != 0;
    for (auto _ : state) {
        FollowedKeyFiles files;
        PreferencesStore store(files.paths());
        store.load();
        NullActionServices services;
        TimestampingInjector injector;
        WhirlenEngine engine(store, services.services(&injector));
        SocketPairHidDevice pair(true);
        Arrivals reads;
        if (!engine.addDevice("/dev/hidraw0",
                              std::make_unique<TimestampingHidDevice>(pair.takeDevice(), reads),
                              kMaxProduct, "0001")) {
            state.SkipWithError("the device could not be added");
            return;
        }
        BareReader floor;
        std::atomic<bool> measuring{true};
        std::atomic<size_t> rebuilds{0};
        std::thread rebuilder([&] {
            while (rebuilding && measuring) {
                engine.onPreferencesUpdated();
                rebuilds.fetch_add(1, std::memory_order_relaxed);
            }
        });
        std::vector<Clock::duration> total;
        std::vector<Clock::duration> own;
        std::vector<Clock::duration> bare;
        for (size_t i = 0; i < kReports; ++i) {
            const auto toEngine = roundTrip(pair, i, injector.batches);
            const auto toFloor = roundTrip(floor.pair(), i, floor.reads);
            if (!toEngine || !toFloor) {
                break;
            }
            total.push_back(injector.batches.stamp(i) - *toEngine);
            own.push_back(injector.batches.stamp(i) - reads.stamp(i));
            bare.push_back(floor.reads.stamp(i) - *toFloor);
        }
        measuring = false;
        rebuilder.join();
        engine.shutdown();
        if (total.size() != kReports) {
            state.SkipWithError("a report could not be written or never arrived");
            return;
        }
        addCounters(state, "", total);
        addCounters(state, "engine_", own);
        addCounters(state, "floor_", bare);
        state.counters["rebuilds"] = static_cast<double>(rebuilds.load());
    }
}
BENCHMARK(BM_ReportToInjector)
    ->ArgName("rebuilding")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
