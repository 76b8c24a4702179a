// Feeds arbitrary bytes to the preference-file loader as a default-file
// document, then checks that what the store would save reads back into the
// very same document: a loss there would drop user data on the next save.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "shared/prefs/JsonText.h"
#include "shared/prefs/PreferencesStore.h"

namespace {

// The stores here never read or write a file of their own.
PreferencesStorePaths nowhere() {
    return {"/nonexistent/pelvane_default.json", "/nonexistent/pelvane_profile_bind.json",
            "/nonexistent/pelvane_default_backup.json"};
}

std::string savedText(const PreferencesStore& store) {
    return dumpJsonText(store.toJson(), 2);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Every refused entry is logged to standard output; the log is not under test.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        return 1;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const JsonText text = parseJsonText(std::string(reinterpret_cast<const char*>(data), size));
    if (!text.usable()) {
        return 0;
    }
    PreferencesStore first(nowhere());
    if (!first.fromJson(text.value)) {
        return 0;
    }
    const std::string saved = savedText(first);
    for (const auto& [key, profile] : first.profiles()) {
        first.buildDeviceConfiguration(profile);
    }

    PreferencesStore second(nowhere());
    const JsonText reread = parseJsonText(saved);
    if (reread.status != JsonTextStatus::Parsed || !second.fromJson(reread.value) ||
        savedText(second) != saved) {
        __builtin_trap();
    }
    return 0;
}
