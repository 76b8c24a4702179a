// The configuration program's command line: values, their edge cases, and the installer's
// menu-entry commands with their event-log reports.

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/DesktopShortcut.h"
#include "platform/RecordingEventLog.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/Paths.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "ui/app/CommandLineManager.h"

namespace {

struct ParseCase {
    std::vector<std::string> arguments;
    int32_t devModel;
    std::string devId;
    int32_t language;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    for (const std::string& argument : c.arguments) {
        *out << '[' << argument << ']';
    }
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override { environment.set("XDG_DATA_HOME", data.path().string()); }

    void parse(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "whirlenUI");
        std::vector<const char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(argument.c_str());
        }
        manager.parse(static_cast<int>(argv.size()), argv.data());
    }

    TemporaryFolder data{"command-line"};
    ScopedEnvironment environment;
    std::shared_ptr<RecordingEventLog> eventLog = std::make_shared<RecordingEventLog>();
    CommandLineManager manager{eventLog};
};

class CommandLineValuesTest : public ::testing::WithParamInterface<ParseCase>,
                              public CommandLineTest {};

TEST_P(CommandLineValuesTest, TakesTheValuesItKnows) {
    parse(GetParam().arguments);
    EXPECT_EQ(manager.devModel(), GetParam().devModel);
    EXPECT_EQ(manager.devId(), GetParam().devId);
    EXPECT_EQ(manager.language(), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineValuesTest,
    ::testing::Values(ParseCase{{}, 3, "", 12}, ParseCase{{"-devModel", "2"}, 2, "", 12},
                      ParseCase{{"-devModel", "1"}, 1, "", 12},
                      ParseCase{{"-devModel", "3"}, 3, "", 12},
                      ParseCase{{"-devModel", "0"}, 3, "", 12},
                      ParseCase{{"-devModel", "word"}, 3, "", 12},
                      ParseCase{{"-devModel", "2x"}, 2, "", 12},
                      ParseCase{{"-devModel", "99999999999"}, 3, "", 12},
                      ParseCase{{"-devModel", "4294967297"}, 3, "", 12},
                      // Standing last, an option that takes a value does nothing.
                      ParseCase{{"-devModel"}, 3, "", 12}, ParseCase{{"-devId"}, 3, "", 12},
                      ParseCase{{"-lang"}, 3, "", 12},
                      ParseCase{{"-devId", "abc", "-devModel", "1"}, 1, "abc", 12},
                      ParseCase{{"-devId", "abc", "-devId", ""}, 3, "abc", 12},
                      ParseCase{{"-lang", "de"}, 3, "", 2}, ParseCase{{"-lang", "DE"}, 3, "", 2},
                      ParseCase{{"-lang", "xx"}, 3, "", 0},
                      // A value is taken whatever it looks like.
                      ParseCase{{"-devModel", "-lang", "de"}, 3, "", 12},
                      // Options are case-sensitive.
                      ParseCase{{"-DEVMODEL", "2", "-devid", "x", "-Lang", "de"}, 3, "", 12},
                      ParseCase{{"unknown", "-devModel", "2"}, 2, "", 12}));

TEST_F(CommandLineTest, FlagsAreSetOnlyBySpellingThemExactly) {
    parse({"-updatecomplete", "-installermode"});
    EXPECT_FALSE(manager.updateComplete());
    EXPECT_FALSE(manager.installerMode());
    parse({"-updateComplete", "-updateDriver", "-installerMode"});
    EXPECT_TRUE(manager.updateComplete());
    EXPECT_TRUE(manager.installerMode());
    EXPECT_EQ(eventLog->source(), "Pelvane Design Setup Worker");
}

TEST_F(CommandLineTest, ShortcutOptionsCreateAndDeleteTheMenuEntry) {
    const std::string entry = data.file("applications/") + DesktopShortcut::kFileName;
    parse({"-createstartmenushortcut"});
    EXPECT_FALSE(fileExists(entry));

    parse({"-createStartMenuShortcut"});
    ASSERT_TRUE(fileExists(entry));
    EXPECT_NE(
        readFileBytes(entry).find(
            "\nExec=" + DesktopShortcut::execValue(executableDirectory() + "whirlenUI") + "\n"),
        std::string::npos);

    // The deletion option has an upper-case C in its last word.
    parse({"-deleteStartMenuShortcut"});
    EXPECT_TRUE(fileExists(entry));
    parse({"-deleteStartMenuShortCut"});
    EXPECT_FALSE(fileExists(entry));
    // Already gone: still a success.
    EXPECT_EQ(manager.runCommand(CommandLineManager::Command::DeleteShortcut), 0);
    EXPECT_TRUE(eventLog->errors().empty());
}

TEST_F(CommandLineTest, AFailedCommandAfterInstallerModeReportsOneErrorEvent) {
    const std::string notAFolder = data.file("not-a-folder");
    writeFileBytes(notAFolder, "");
    environment.set("XDG_DATA_HOME", notAFolder);

    parse({"-installerMode", "-createStartMenuShortcut"});

    ASSERT_EQ(eventLog->errors().size(), 1u);
    const std::vector<std::string>& event = eventLog->errors()[0];
    ASSERT_EQ(event.size(), 3u);
    EXPECT_EQ(event[0], "Error runing command create shortcut " + DesktopShortcut::path() + ": " +
                            std::to_string(ENOTDIR));
    EXPECT_EQ(event[1], "Error number " + std::to_string(ENOTDIR) + "\n");
    EXPECT_EQ(event[2], std::strerror(ENOTDIR));
    EXPECT_EQ(manager.runCommand(CommandLineManager::Command::CreateShortcut), ENOTDIR);
}

TEST_F(CommandLineTest, AFailureBeforeInstallerModeReachesNoEventLog) {
    const std::string notAFolder = data.file("not-a-folder");
    writeFileBytes(notAFolder, "");
    environment.set("XDG_DATA_HOME", notAFolder);

    parse({"-createStartMenuShortcut", "-installerMode"});

    EXPECT_TRUE(manager.installerMode());
    EXPECT_TRUE(eventLog->errors().empty());
}

TEST_F(CommandLineTest, InstallerModeAgainReopensTheSource) {
    parse({"-installerMode", "-installerMode"});
    EXPECT_EQ(eventLog->openings(), (std::vector<std::string>{"Pelvane Design Setup Worker",
                                                              "Pelvane Design Setup Worker"}));
}

}  // namespace
