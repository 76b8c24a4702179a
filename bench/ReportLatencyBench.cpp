// The time from an input report written into the controller's node to its action reaching
// the injector: one report after the other, each written once the one before has arrived,
// over a sequenced-packet socket pair read by the engine's own device reader. Every report
// presses or releases button 1, which is bound to a key that follows it, so each report is
// one batch at the injector. The floor is the same pair read by a bare thread that only
// timestamps what it reads: the kernel's hand-over and the thread wake-up that any reader
// pays, which the engine's part comes on top of. Binding rebuilds may run at the same time,
// as when the foreground application keeps changing.
//
// Latencies go out as counters: p50, p99 and max in microseconds over kReports reports.

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

// Keeps the time at which each batch arrives; nothing is synthesised.
class TimestampingInjector : public InputInjector {
public:
    TimestampingInjector() : stamps_(kReports) {}

    size_t count() const { return count_.load(std::memory_order_acquire); }
    Clock::time_point stamp(size_t index) const { return stamps_[index]; }

protected:
    bool sendBatch(std::span<const InputEvent>) override {
        const size_t index = count_.load(std::memory_order_relaxed);
        if (index < stamps_.size()) {
            stamps_[index] = Clock::now();
        }
        count_.store(index + 1, std::memory_order_release);
        return true;
    }

private:
    std::vector<Clock::time_point> stamps_;
    std::atomic<size_t> count_{0};
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

// Writes each report once the one before has been seen, and returns the latencies; fewer
// than kReports when a report could not be written or never arrived.
template <typename Seen>
std::vector<Clock::duration> measure(SocketPairHidDevice& pair, Seen seen) {
    std::vector<Clock::duration> latencies;
    latencies.reserve(kReports);
    for (size_t i = 0; i < kReports; ++i) {
        const Clock::time_point written = Clock::now();
        if (!pair.write(buttonReport(i % 2 == 0))) {
            break;
        }
        Clock::time_point arrived;
        // Spinning, so that the writer's own wake-up is not part of the figure.
        while (!seen(i, arrived)) {
            if (Clock::now() - written > kLost) {
                return latencies;
            }
        }
        latencies.push_back(arrived - written);
    }
    return latencies;
}

void report(benchmark::State& state, std::vector<Clock::duration> latencies) {
    if (latencies.size() != kReports) {
        state.SkipWithError("a report could not be written or never arrived");
        return;
    }
    std::sort(latencies.begin(), latencies.end());
    const auto micros = [](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count();
    };
    state.counters["p50_us"] = micros(latencies[kReports / 2]);
    state.counters["p99_us"] = micros(latencies[kReports * 99 / 100]);
    state.counters["max_us"] = micros(latencies.back());
}

// The floor: a thread that reads the pair and notes the time, nothing more.
void BM_ReportToReaderFloor(benchmark::State& state) {
    for (auto _ : state) {
        SocketPairHidDevice pair(true);
        std::unique_ptr<HidDevice> device = pair.takeDevice();
        std::vector<Clock::time_point> stamps(kReports);
        std::atomic<size_t> count{0};
        std::thread reader([&] {
            std::array<uint8_t, 64> buffer{};
            while (count.load(std::memory_order_relaxed) < kReports &&
                   device->readReport(buffer.data(), buffer.size()).status ==
                       HidDevice::ReadStatus::Report) {
                const size_t index = count.load(std::memory_order_relaxed);
                stamps[index] = Clock::now();
                count.store(index + 1, std::memory_order_release);
            }
        });
        report(state, measure(pair, [&](size_t i, Clock::time_point& arrived) {
                   if (count.load(std::memory_order_acquire) <= i) {
                       return false;
                   }
                   arrived = stamps[i];
                   return true;
               }));
        device->cancel();
        reader.join();
    }
}
BENCHMARK(BM_ReportToReaderFloor)->Iterations(1)->Unit(benchmark::kMillisecond);

// Through the engine: reader, decoder, binding lookup, dispatch and the executor. With
// range(0) set, another thread rebuilds the binding tables over and over meanwhile.
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
        if (!engine.addDevice("/dev/hidraw0", pair.takeDevice(), kMaxProduct, "0001")) {
            state.SkipWithError("the device could not be added");
            return;
        }
        std::atomic<bool> measuring{true};
        std::atomic<size_t> rebuilds{0};
        std::thread rebuilder([&] {
            while (rebuilding && measuring) {
                engine.onPreferencesUpdated();
                rebuilds.fetch_add(1, std::memory_order_relaxed);
            }
        });
        report(state, measure(pair, [&](size_t i, Clock::time_point& arrived) {
                   if (injector.count() <= i) {
                       return false;
                   }
                   arrived = injector.stamp(i);
                   return true;
               }));
        measuring = false;
        rebuilder.join();
        state.counters["rebuilds"] = static_cast<double>(rebuilds.load());
        engine.shutdown();
    }
}
BENCHMARK(BM_ReportToInjector)
    ->ArgName("rebuilding")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
