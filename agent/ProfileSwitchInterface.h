#pragma once

#include <string>

// Moves one device to another profile for the action that switches profiles. The agent's
// engine does it with the store, its own binding tables and the link to the configuration
// program; the executor only names the device and the profile, so that it can be tested
// without the engine.
class ProfileSwitchInterface {
public:
    virtual ~ProfileSwitchInterface() = default;

    // Binds the device (its binding identifier, never empty) to the profile (its identity key,
    // never empty) and saves the binding, reloads the preferences so that every device's
    // bindings are rebuilt, and tells the configuration program to reload its own. Called on
    // any thread of any device, with no lock of the device held; false (logged) when the
    // binding could not be saved.
    virtual bool switchProfile(const std::string& deviceBindingId,
                               const std::string& profileKey) = 0;
};
