#include <csignal>

#include "agent/AgentShell.h"
#include "platform/EventLoop.h"
#include "shared/prefs/ApplicationSettings.h"
#include "shared/version/VersionStamp.h"

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
