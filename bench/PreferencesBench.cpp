// Load and save of a large preference file through the store, beside a plain
// parse and dump of the same bytes: the store's own work (validation, the
// model objects, the atomic write) should stay within twice the plain cost.
#include <benchmark/benchmark.h>

#include <string>

#include <nlohmann/json.hpp>

#include "bench/LargePreferenceFiles.h"
#include "shared/prefs/PreferencesStore.h"

namespace {

LargePreferenceFiles& setup() {
    static LargePreferenceFiles files;
    return files;
}

PreferencesStore& loadedStore() {
    static PreferencesStore store(setup().paths());
    static const bool loaded = (store.load(), true);
    benchmark::DoNotOptimize(loaded);
    return store;
}

void BM_PlainParse(benchmark::State& state) {
    const std::string& text = setup().text();
    for (auto _ : state) {
        benchmark::DoNotOptimize(nlohmann::json::parse(text));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_PlainDump(benchmark::State& state) {
    const nlohmann::json document = nlohmann::json::parse(setup().text());
    for (auto _ : state) {
        benchmark::DoNotOptimize(document.dump(2));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * setup().text().size()));
}

void BM_StoreLoad(benchmark::State& state) {
    PreferencesStore& store = loadedStore();
    for (auto _ : state) {
        store.reload(false);
        store.load();
    }
    state.counters["profiles"] = static_cast<double>(store.profiles().size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * setup().text().size()));
}

void BM_StoreSave(benchmark::State& state) {
    PreferencesStore& store = loadedStore();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.save());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * setup().text().size()));
}

// The save without the file: the text that it writes.
void BM_StoreText(benchmark::State& state) {
    PreferencesStore& store = loadedStore();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.defaultFileText());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * setup().text().size()));
}

void BM_BuildDeviceConfiguration(benchmark::State& state) {
    PreferencesStore& store = loadedStore();
    const auto profile = store.profiles().at(LargePreferenceFiles::profileKey(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.buildDeviceConfiguration(profile));
    }
}

BENCHMARK(BM_PlainParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainDump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildDeviceConfiguration)->Unit(benchmark::kMicrosecond);

}  // namespace
