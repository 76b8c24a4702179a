// Feeds arbitrary bytes to the preference-file loader as a default-file
// document, then checks what a save would do to them: everything the store
// took must come back from the file it writes (no profile, macro, context or
// action lost), and a second save must not change the file again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "shared/prefs/JsonText.h"
#include "shared/prefs/PreferencesStore.h"

namespace {

// The stores here never read or write a file of their own.
PreferencesStorePaths nowhere() {
    return {"/nonexistent/pelvane_default.json", "/nonexistent/pelvane_profile_bind.json",
            "/nonexistent/pelvane_default_backup.json"};
}

// Every entry of the store with the number of its parts. Field values may be
// normalised by one save (a Run_Macro step that names no macro reads back
// disabled), entries must not vanish.
std::map<std::string, std::size_t> entries(const PreferencesStore& store) {
    std::map<std::string, std::size_t> result;
    for (const auto& [key, profile] : store.profiles()) {
        result[key] = profile->actions().size();
    }
    for (const auto& [key, macro] : store.macros()) {
        for (const auto& group : macro->groups()) {
            result[key] += 1 + group->actions().size();
        }
    }
    for (const auto& [name, context] : store.applicationContextConfigurations()) {
        result["context " + name] = 1;
    }
    return result;
}

void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// The text that the store saves, checked against its document.
std::string savedText(const PreferencesStore& store) {
    std::string text = store.defaultFileText();
    require(text == dumpJsonText(store.toJson(), 2));
    return text;
}

// Reads saved text into the store as a later load would.
void reread(PreferencesStore& store, const std::string& saved) {
    const JsonText text = parseJsonText(saved);
    require(text.status == JsonTextStatus::Parsed && store.fromJson(text.value));
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
    PreferencesStore store(nowhere());
    if (!store.fromJson(text.value)) {
        return 0;
    }
    for (const auto& [key, profile] : store.profiles()) {
        store.buildDeviceConfiguration(profile);
    }
    // The model asks the newest store for macro names, so each store is made
    // only once the one before it has written its text.
    const std::string first = savedText(store);
    PreferencesStore once(nowhere());
    reread(once, first);
    require(entries(once) == entries(store));
    const std::string second = savedText(once);
    PreferencesStore twice(nowhere());
    reread(twice, second);
    require(savedText(twice) == second);
    return 0;
}
