#include "ui/app/AgentProcess.h"

#include <string>

#include "platform/InstanceLock.h"
#include "platform/InstanceNames.h"
#include "platform/ProcessLauncher.h"
#include "shared/prefs/Paths.h"

namespace {

constexpr const char* kAgentProgramFile = "PelvaneMultimediaController";

}  // namespace

void startAgentProcess() {
    const std::string folder = executableDirectory();
    if (folder.empty() || InstanceLock::isHeld(kAgentInstanceName)) {
        return;
    }
    ProcessLauncher::launch({folder + kAgentProgramFile}, ProcessLauncher::Reaping::ByLauncher);
}
