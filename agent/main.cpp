#include <csignal>

#include "agent/AgentShell.h"
#include "platform/EventLoop.h"
#include "shared/prefs/ApplicationSettings.h"

namespace {

// The release process writes the version and the build number between the markers in the
// built program, so both stay in its data exactly as they are here.
[[gnu::used]] const char kVersionStamp[] = "####STAMP_START####00000.00000.00000####STAMP_END####";
[[gnu::used]] const char kBuildStamp[] = "####STAMP_B_START####00000####STAMP_B_END####";

}  // namespace

int main() {
    // Before any thread starts, since every thread takes the mask of the one starting it.
    if (!EventLoop::blockTerminationSignals()) {
        return AgentShell::kStartFailedExitCode;
    }
    // A closed standard output or a vanished X server must cost a failed write, not the
    // agent; started programs get default signal handling back.
    std::signal(SIGPIPE, SIG_IGN);
    ApplicationSettings::instance().setVersionStamps(kVersionStamp, kBuildStamp);
    AgentShell shell;
    return shell.run();
}
