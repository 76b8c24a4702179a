#pragma once

#include <string>

#include "shared/prefs/ApplicationContextConfiguration.h"

// The few store queries that actions make while they read and write
// themselves. The store implements them; the model reaches them only through
// this interface so that it can be used and tested without a store.
class PreferencesLookup {
public:
    virtual ~PreferencesLookup() = default;
    // Identity key of the first macro, in key order, whose Name equals macroName exactly; "" when
    // none.
    virtual std::string macroKey(const std::string& macroName) const = 0;
    // Name of the macro under macroKey; "" when none.
    virtual std::string macroName(const std::string& macroKey) const = 0;
    // The configuration of that ConfigName; the empty configuration when unknown or empty.
    virtual ApplicationContextConfiguration applicationContextConfiguration(
        const std::string& configName) const = 0;
    // First configuration whose ProgramContextPath occurs in programPath (exact match first);
    // empty when none.
    virtual ApplicationContextConfiguration findApplicationContextConfiguration(
        const std::string& programPath) const = 0;
    // The lookup the model uses: the one installed, else one that finds nothing.
    static const PreferencesLookup& current();
    // The store installs itself on construction; tests install fakes. nullptr restores the empty
    // lookup.
    static void install(const PreferencesLookup* lookup);
};
