#include "platform/InstallerLauncher.h"

#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "shared/prefs/FileUtils.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"

namespace {

class InstallerLauncherTest : public ::testing::Test {
protected:
    InstallerLauncherTest() {
        writeFileBytes(script_, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > \"" +
                                    record_ + ".tmp\"\nmv \"" + record_ + ".tmp\" \"" + record_ +
                                    "\"\n");
        chmod(script_.c_str(), 0755);
    }

    std::string recorded() const {
        return waitUntil([&] { return fileExists(record_); }) ? readFileBytes(record_) : "";
    }

    ScopedEnvironment environment_;
    TemporaryFolder folder_{"whirlen-installer"};
    const std::string script_ = folder_.file("installer.sh");
    const std::string record_ = folder_.file("arguments");
};

TEST_F(InstallerLauncherTest, PathFollowsTheCommandsWordsAsOneArgument) {
    environment_.set("WHIRLEN_INSTALLER_COMMAND", script_ + " --install 'two words'");
    const std::string installer = folder_.file("Pelvane Cache/0123456789ABCDEF0123456789ABCDEF");

    EXPECT_TRUE(InstallerLauncher::launchInstaller(installer));
    EXPECT_EQ(recorded(), "[--install][two words][" + installer + "]");
}

TEST_F(InstallerLauncherTest, CommandThatCannotStartIsReported) {
    for (const std::string& command : {folder_.file("missing-installer"), script_ + " 'open"}) {
        environment_.set("WHIRLEN_INSTALLER_COMMAND", command);
        EXPECT_FALSE(InstallerLauncher::launchInstaller(folder_.file("setup"))) << command;
    }
    EXPECT_FALSE(fileExists(record_));
}

}  // namespace
