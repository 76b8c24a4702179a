#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Starts programs for the actions, never through a shell: the arguments are split into words
// the way a shell splits them, but nothing in them is expanded, so no text can run a command of
// its own. Programs start in a process group of their own, with default signal handling and
// standard input from /dev/null.
class ProcessLauncher {
public:
    enum class Reaping {
        // A thread of the launcher waits for the program, so it never lingers as a zombie.
        ByLauncher,
        // The launcher keeps the id, and reapExited() collects the program once it has ended:
        // for a main loop that reaps on SIGCHLD rather than keep a thread per program. Nobody
        // else waits for such a program.
        ByCaller,
    };

    struct Limits {
        std::chrono::milliseconds time{5000};
        size_t outputBytes = 64 * 1024;
    };

    struct CommandResult {
        // Started and ended by itself within the time limit.
        bool finished = false;
        // The exit code, or 128 plus the signal that ended it; -1 when unknown.
        int exitStatus = -1;
        // Standard output and standard error together, at most Limits::outputBytes of it.
        std::string output;
        // More output came than was kept; the rest was read and thrown away.
        bool truncated = false;
    };

    // The words of a text as a POSIX shell splits them: blanks separate words; single quotes
    // keep everything up to the next one; double quotes keep everything but a backslash before
    // $ ` " \ or a line end; an unquoted backslash keeps the character after it; "" is an empty
    // word. No expansion, globbing or comments. Empty (logged) for an unterminated quote or a
    // trailing backslash.
    static std::optional<std::vector<std::string>> splitWords(const std::string& text);

    // Starts `program` (a path, or a name looked up on $PATH) with the words of `arguments`,
    // in the program's own folder. Returns the process id, or -1 (logged) when nothing started.
    static pid_t launch(const std::string& program, const std::string& arguments, Reaping reaping);
    // The same with the words given: `command` is the program and then its arguments, passed
    // on as they are.
    static pid_t launch(const std::vector<std::string>& command, Reaping reaping);

    // Collects every program launched with Reaping::ByCaller that has ended, and only those:
    // the children of runHiddenCommand and of Reaping::ByLauncher are waited for by their own
    // waiters, which a wait for any child would rob of their exit. Never blocks.
    static void reapExited();

    // Runs a command line (the program and its arguments, split as above) in this process's
    // folder and collects its output. A command still running when the time limit ends is
    // killed with its whole process group; either way it is reaped before this returns. Output
    // beyond the limit is drained and discarded, so that the command can still end by itself.
    static CommandResult runHiddenCommand(const std::string& commandLine, const Limits& limits);
    static CommandResult runHiddenCommand(const std::string& commandLine) {
        return runHiddenCommand(commandLine, Limits{});
    }
};
