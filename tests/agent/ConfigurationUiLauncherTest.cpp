#include "agent/ConfigurationUiLauncher.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/ProcessLauncher.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"

namespace {

using Words = std::vector<std::string>;

ConnectedDevice device(uint32_t model, const std::string& uuid) {
    return ConnectedDevice(1, model, true, uuid, "/dev/hidraw0", "/dev/hidraw0");
}

TEST(ConfigurationUiLauncherTest, TheCommandNamesTheDeviceInWordsOfTheirOwn) {
    const ConnectedDevice max = device(1, "4800010002");
    const ConnectedDevice lite = device(2, "32");
    const struct {
        std::string folder;
        const ConnectedDevice* device;
        Words command;
    } cases[] = {
        {"/opt/pelvane/", nullptr, {"/opt/pelvane/whirlenUI"}},
        {"/opt/pelvane/",
         &max,
         {"/opt/pelvane/whirlenUI", "-devModel", "1", "-devId", "4800010002"}},
        {"/home/a b/\"x\"/",
         &lite,
         {"/home/a b/\"x\"/whirlenUI", "-devModel", "2", "-devId", "32"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(ConfigurationUiLauncher::commandFor(c.folder, c.device), c.command);
    }
}

// No child of this process has ended without being collected, and none runs.
bool noChildLeft() {
    ProcessLauncher::reapExited();
    siginfo_t info{};
    return waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) != 0 && errno == ECHILD;
}

TEST(ConfigurationUiLauncherTest, TheProgramStartsInItsFolderAndIsReaped) {
    TemporaryFolder folder{"agent folder"};
    const std::string out = folder.file("out");
    const std::string program = folder.file("whirlenUI");
    writeFileBytes(program, "#!/bin/sh\npwd -P > '" + out + ".part'\nprintf '%s|' \"$@\" >> '" +
                                out + ".part'\nmv '" + out + ".part' '" + out + "'\n");
    chmod(program.c_str(), 0755);
    const ConnectedDevice max = device(1, "4800010002");

    ASSERT_TRUE(ConfigurationUiLauncher::launchConfigurationUi(folder.path().string() + "/", &max));

    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(out); }));
    EXPECT_EQ(readFileBytes(out), std::filesystem::canonical(folder.path()).string() +
                                      "\n-devModel|1|-devId|4800010002|");
    EXPECT_TRUE(waitUntil(noChildLeft));
}

TEST(ConfigurationUiLauncherTest, AMissingProgramStartsNothing) {
    TemporaryFolder folder;

    EXPECT_FALSE(
        ConfigurationUiLauncher::launchConfigurationUi(folder.path().string() + "/", nullptr));
    EXPECT_TRUE(noChildLeft());
}

}  // namespace
