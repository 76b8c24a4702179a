#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "agent/ControllerDevice.h"
#include "bench/NullActionServices.h"

namespace {

using ReportBytes = std::array<uint8_t, ControllerDevice::kReportSize>;

constexpr size_t kSessionReports = 100000;
constexpr uint32_t kModelWhirlenMax = 1;
constexpr uint32_t kKeypress = 12;
constexpr uint32_t kScrollUp = 18;
constexpr uint32_t kScrollDown = 19;

ReportBytes reportOf(int jog, uint8_t dial, uint16_t buttons) {
    return {0,
            static_cast<uint8_t>(jog),
            dial,
            0,
            static_cast<uint8_t>(buttons),
            static_cast<uint8_t>(buttons >> 8),
            0,
            0};
}

// A session at the controller, made up the same way on every run, in the gestures of a
// hand: a button pressed and let go, the dial turned some steps one way, the jog wheel
// pushed out some positions and springing back.
std::vector<ReportBytes> makeSession() {
    std::mt19937 random(20240601);
    std::vector<ReportBytes> reports;
    uint8_t dial = 0;
    while (reports.size() < kSessionReports) {
        const uint32_t roll = random();
        const int direction = ((roll >> 8) & 1) != 0 ? 1 : -1;
        const int length = 1 + static_cast<int>((roll >> 9) % 7);
        switch (roll % 3) {
            case 0: {
                const auto button = static_cast<uint16_t>(1u << ((roll >> 12) % 15));
                reports.push_back(reportOf(0, dial, button));
                reports.push_back(reportOf(0, dial, 0));
                break;
            }
            case 1:
                for (int step = 0; step < length; ++step) {
                    dial = static_cast<uint8_t>(dial + direction);
                    reports.push_back(reportOf(0, dial, 0));
                }
                break;
            default:
                for (int position = 1; position <= length; ++position) {
                    reports.push_back(reportOf(direction * position, dial, 0));
                }
                for (int position = length - 1; position >= 0; --position) {
                    reports.push_back(reportOf(direction * position, dial, 0));
                }
                break;
        }
    }
    reports.resize(kSessionReports);
    return reports;
}

const std::vector<ReportBytes>& session() {
    static const std::vector<ReportBytes> reports = makeSession();
    return reports;
}

// A controller that is never read: the benchmark hands it the reports itself.
struct IdleDevice {
    IdleDevice() { device.record.model = kModelWhirlenMax; }

    ControllerEventNotifyInterface nullSink;
    NullActionServices services;
    PreferencesStore store{{"/nonexistent/default.json", "/nonexistent/bind.json", ""}};
    ControllerDevice device{nullSink, services.services(), store};
};

// Decoding alone: with no binding table each event ends at its lookup.
void BM_DecodeReports(benchmark::State& state) {
    const std::vector<ReportBytes>& reports = session();
    IdleDevice idle;
    for (auto _ : state) {
        for (const ReportBytes& report : reports) {
            benchmark::DoNotOptimize(idle.device.onInputReport(report.data()));
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * reports.size()));
}
BENCHMARK(BM_DecodeReports);

ActionPreference boundAction(uint32_t control, uint32_t type) {
    ActionPreference action;
    action.setControl(control);
    action.setActionType(type);
    return action;
}

// The table the engine builds for a profile with a chord on every button: the dial and the
// wheel's steps away from the centre scroll, its zones and steps back do nothing.
ControllerDevice::BindingTable chordsAndScrolling() {
    ControllerDevice::BindingTable table;
    for (uint32_t button = 0; button < 15; ++button) {
        ActionPreference chord = boundAction(button, kKeypress);
        chord.setKeyCode('A' + button);
        chord.setUseCtrl(true);
        table.emplace(button, chord);
    }
    for (uint32_t control = 15; control < 60; ++control) {
        const bool down = control == 15 || (control >= 39 && control <= 45);
        const bool up = control == 16 || control >= 53;
        table.emplace(control, boundAction(control, down ? kScrollDown
                                                    : up ? kScrollUp
                                                         : kActionTypeDisabled));
    }
    return table;
}

// The same session with every event looked up and its action run, into an injector that
// takes nothing: everything the reader thread does for a report but the read itself.
void BM_DecodeAndDispatchReports(benchmark::State& state) {
    const std::vector<ReportBytes>& reports = session();
    IdleDevice idle;
    idle.device.setBindings(chordsAndScrolling());
    for (auto _ : state) {
        for (const ReportBytes& report : reports) {
            benchmark::DoNotOptimize(idle.device.onInputReport(report.data()));
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * reports.size()));
}
BENCHMARK(BM_DecodeAndDispatchReports);

// The floor: only bringing each report into a buffer, as the reader does before decoding.
void BM_CopyReports(benchmark::State& state) {
    const std::vector<ReportBytes>& reports = session();
    ReportBytes buffer{};
    for (auto _ : state) {
        for (const ReportBytes& report : reports) {
            std::memcpy(buffer.data(), report.data(), report.size());
            benchmark::DoNotOptimize(buffer.data());
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * reports.size()));
}
BENCHMARK(BM_CopyReports);

}  // namespace
