#pragma once

#include <string>
#include <vector>

#include "shared/ipc/ConnectedDevice.h"

// Starts the configuration program from the agent's own folder, for one controller or for
// none. The agent does not wait for it; its main loop reaps it when it ends.
class ConfigurationUiLauncher {
public:
    static constexpr const char* kAgentUiProgramFile = "whirlenUI";

    // The program and its arguments: the program in `programFolder` (which ends with "/"),
    // then "-devModel" and the model, "-devId" and the UUID, or nothing more without a
    // device. Each value is a word of its own, so nothing in it needs quoting.
    static std::vector<std::string> commandFor(const std::string& programFolder,
                                               const ConnectedDevice* device);

    // Starts the program in its own folder; false when it cannot (logged: a missing
    // program is no more than a log line).
    static bool launchConfigurationUi(const std::string& programFolder,
                                      const ConnectedDevice* device);
};
