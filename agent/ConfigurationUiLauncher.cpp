#include "agent/ConfigurationUiLauncher.h"

#include "platform/ProcessLauncher.h"

std::vector<std::string> ConfigurationUiLauncher::commandFor(const std::string& programFolder,
                                                             const ConnectedDevice* device) {
    std::vector<std::string> command{programFolder + kAgentUiProgramFile};
    if (device != nullptr) {
        command.insert(command.end(), {"-devModel", std::to_string(static_cast<int>(device->model)),
                                       "-devId", device->uuid});
    }
    return command;
}

bool ConfigurationUiLauncher::launchConfigurationUi(const std::string& programFolder,
                                                    const ConnectedDevice* device) {
    return ProcessLauncher::launch(commandFor(programFolder, device),
                                   ProcessLauncher::Reaping::ByCaller) > 0;
}
