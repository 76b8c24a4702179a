#include "shared/prefs/PreferencesLookup.h"

#include <atomic>

namespace {

// Stands in while no store is installed: no macros, no configurations.
class EmptyLookup : public PreferencesLookup {
public:
    std::string macroKey(const std::string&) const override { return {}; }
    std::string macroName(const std::string&) const override { return {}; }
    ApplicationContextConfiguration applicationContextConfiguration(
        const std::string&) const override {
        return {};
    }
    ApplicationContextConfiguration findApplicationContextConfiguration(
        const std::string&) const override {
        return {};
    }
};

// Constant-initialised, so a lookup installed or read during another
// translation unit's static initialisation is never lost.
std::atomic<const PreferencesLookup*> installedLookup{nullptr};

}  // namespace

const PreferencesLookup& PreferencesLookup::current() {
    static const EmptyLookup empty;
    const PreferencesLookup* lookup = installedLookup.load(std::memory_order_acquire);
    return lookup != nullptr ? *lookup : empty;
}

void PreferencesLookup::install(const PreferencesLookup* lookup) {
    installedLookup.store(lookup, std::memory_order_release);
}
