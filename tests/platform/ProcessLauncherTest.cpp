#include "platform/ProcessLauncher.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"

namespace {

using namespace std::chrono_literals;
using Words = std::vector<std::string>;

// A zombie still answers kill(0); only a reaped process is gone.
bool isGone(pid_t pid) {
    return kill(pid, 0) != 0 && errno == ESRCH;
}

// A program left to the caller ends for good once the launcher has collected it.
bool endsAndIsReaped(pid_t pid) {
    return waitUntil([pid] {
        ProcessLauncher::reapExited();
        return isGone(pid);
    });
}

// Processes, zombies aside, whose command line names something in `folder`.
std::vector<pid_t> runningFrom(const std::string& folder) {
    std::vector<pid_t> found;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") == std::string::npos &&
            readFileBytes(entry.path().string() + "/cmdline").find(folder) != std::string::npos) {
            found.push_back(std::stoi(name));
        }
    }
    return found;
}

std::string makeScript(const TemporaryFolder& folder, const std::string& name,
                       const std::string& body) {
    const std::string path = folder.file(name);
    writeFileBytes(path, "#!/bin/sh\n" + body);
    chmod(path.c_str(), 0755);
    return path;
}

TEST(ProcessLauncherTest, SplitsWordsLikeAShellWithoutExpanding) {
    const struct {
        std::string text;
        Words words;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"a b  c", {"a", "b", "c"}},
        {"  lead\tand\ntrail  ", {"lead", "and", "trail"}},
        {"'single quoted' \"double quoted\"", {"single quoted", "double quoted"}},
        {"\"\"", {""}},
        {"a '' \"\" b", {"a", "", "", "b"}},
        {"pre\"mid\"'end'", {"premidend"}},
        {"a\\ b", {"a b"}},
        {"\\\"x\\'", {"\"x'"}},
        {"\"a\\\"b\\\\c\\$d\"", {"a\"b\\c$d"}},
        {"\"a\\b\"", {"a\\b"}},
        {"'a\\b'", {"a\\b"}},
        {"'it'\\''s'", {"it's"}},
        {"one\\\ntwo", {"onetwo"}},
        {"a \\\n b", {"a", "b"}},
        {"$HOME *.txt ~ `id` $(id) ; | & # >x",
         {"$HOME", "*.txt", "~", "`id`", "$(id)", ";", "|", "&", "#", ">x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ProcessLauncher::splitWords(c.text), c.words);
    }
}

TEST(ProcessLauncherTest, AnUnfinishedQuoteOrEscapeIsAnError) {
    for (const std::string text : {"'abc", "\"abc", "a 'b' \"c", "abc\\", "\"abc\\\""}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ProcessLauncher::splitWords(text), std::nullopt);
    }
}

TEST(ProcessLauncherTest, TheProgramRunsInItsOwnFolderWithItsArguments) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / "bin");
    const std::string script =
        makeScript(folder, "bin/show", "pwd -P > \"$1\"\nprintf '%s|' \"$@\" >> \"$1\"\n");
    const std::string canonicalBin = std::filesystem::canonical(folder.path() / "bin").string();
    const std::string out = folder.file("out");
    // The text form splits its words; the word form passes quotes on as they are.
    const struct {
        std::function<pid_t()> launch;
        std::string arguments;
    } cases[] = {
        {[&] {
             return ProcessLauncher::launch(script, "'" + out + "' 'two words' \"\"",
                                            ProcessLauncher::Reaping::ByCaller);
         },
         out + "|two words||"},
        {[&] {
             return ProcessLauncher::launch({script, out, "-devId", "\"48\"", ""},
                                            ProcessLauncher::Reaping::ByCaller);
         },
         out + "|-devId|\"48\"||"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const pid_t pid = c.launch();

        ASSERT_GT(pid, 0);
        EXPECT_TRUE(endsAndIsReaped(pid));
        EXPECT_EQ(readFileBytes(out), canonicalBin + "\n" + c.arguments);
    }
}

TEST(ProcessLauncherTest, AProgramNamedWithoutAFolderIsFoundOnThePath) {
    TemporaryFolder folder;
    const std::string out = folder.file("out");

    const pid_t pid =
        ProcessLauncher::launch("touch", "'" + out + "'", ProcessLauncher::Reaping::ByCaller);

    ASSERT_GT(pid, 0);
    EXPECT_TRUE(endsAndIsReaped(pid));
    EXPECT_TRUE(std::filesystem::exists(out));
}

TEST(ProcessLauncherTest, TheLauncherReapsWhenAsked) {
    const pid_t pid =
        ProcessLauncher::launch("/bin/true", "", ProcessLauncher::Reaping::ByLauncher);

    ASSERT_GT(pid, 0);
    EXPECT_TRUE(waitUntil([pid] { return isGone(pid); }));
}

TEST(ProcessLauncherTest, NothingStartsWhenTheCommandIsWrong) {
    TemporaryFolder folder;
    const std::string notExecutable = folder.file("plain");
    writeFileBytes(notExecutable, "#!/bin/sh\ntouch \"$0.ran\"\n");
    const struct {
        std::string program;
        std::string arguments;
    } cases[] = {
        {folder.file("missing"), ""},
        {"no-such-program-anywhere", ""},
        {"", ""},
        {notExecutable, ""},
        {"/bin/touch", "'" + folder.file("unterminated")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program + " " + c.arguments);
        EXPECT_EQ(
            ProcessLauncher::launch(c.program, c.arguments, ProcessLauncher::Reaping::ByCaller),
            -1);
        EXPECT_FALSE(
            ProcessLauncher::runHiddenCommand("'" + c.program + "' " + c.arguments).finished);
    }
    EXPECT_EQ(ProcessLauncher::launch(Words{}, ProcessLauncher::Reaping::ByCaller), -1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("unterminated")));
    EXPECT_FALSE(std::filesystem::exists(notExecutable + ".ran"));
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child was left behind";
}

TEST(ProcessLauncherTest, ShellSyntaxInArgumentsRunsNothing) {
    TemporaryFolder folder;
    const std::string x = folder.file("x");
    const std::string text = "hello; touch " + x + " && touch " + x + " | touch " + x +
                             " $(touch " + x + ") `touch " + x + "`";

    const ProcessLauncher::CommandResult result = ProcessLauncher::runHiddenCommand("echo " + text);

    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.output, text + "\n");
    EXPECT_FALSE(std::filesystem::exists(x));
}

TEST(ProcessLauncherTest, TheHiddenCommandGivesItsOutputAndExitStatus) {
    const ProcessLauncher::CommandResult result =
        ProcessLauncher::runHiddenCommand("/bin/sh -c 'echo out; echo err >&2; exit 3'");

    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.exitStatus, 3);
    EXPECT_EQ(result.output, "out\nerr\n");
    EXPECT_FALSE(result.truncated);
}

TEST(ProcessLauncherTest, CommandsOfAnyLengthRunWhole) {
    const std::string word(100000, 'w');

    const ProcessLauncher::CommandResult result =
        ProcessLauncher::runHiddenCommand("printf %s " + word, {10s, 200000});

    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.output, word);
}

TEST(ProcessLauncherTest, OutputPastTheCapIsDrainedAndDropped) {
    const ProcessLauncher::CommandResult result =
        ProcessLauncher::runHiddenCommand("head -c 1000000 /dev/zero", {30s, 1000});

    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output, std::string(1000, '\0'));
    EXPECT_TRUE(result.truncated);
}

TEST(ProcessLauncherTest, ACommandPastTheTimeLimitIsKilledWithItsGroupAndReaped) {
    // Both the shell and the sleeper it starts run from the temporary folder, which tells
    // them apart from every other process.
    TemporaryFolder folder;
    const std::string sleeper = folder.file("sleeper");
    std::filesystem::copy_file("/bin/sleep", sleeper);
    const std::string script = makeScript(folder, "hang", "'" + sleeper + "' 60 &\nwait\n");

    const ProcessLauncher::CommandResult result =
        ProcessLauncher::runHiddenCommand("'" + script + "'", {200ms, 1000});

    EXPECT_FALSE(result.finished);
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "the shell was not reaped";
    EXPECT_TRUE(waitUntil([&] { return runningFrom(folder.path().string()).empty(); }));
}

TEST(ProcessLauncherTest, AChildKeepingTheOutputOpenDoesNotHoldTheCommand) {
    const ProcessLauncher::CommandResult result =
        ProcessLauncher::runHiddenCommand("/bin/sh -c 'sleep 60 & echo $!'", {60s, 1000});

    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.exitStatus, 0);
    const pid_t sleeper = std::stoi(result.output);
    kill(sleeper, SIGKILL);
}

}  // namespace
