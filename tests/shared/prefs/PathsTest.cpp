#include "shared/prefs/Paths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kSettingsFolder = "PelvaneDesignMediaControllerSoftware";

// Each test gets its own folder, and the variables that steer the paths are
// put back as they were.
class PathsTest : public ::testing::Test {
protected:
    std::string under(const std::string& relative) const { return (root_ / relative).string(); }

    TemporaryFolder folder_{"paths"};
    const fs::path& root_ = folder_.path();
    ScopedEnvironment env_;
};

TEST_F(PathsTest, CreatesSettingsAndCacheFoldersWithMissingParents) {
    const std::string data = under("not/yet/there");
    env_.set("XDG_DATA_HOME", data);
    initializeGlobals();

    const std::string settings = data + "/" + kSettingsFolder;
    const std::string cache = settings + "/PelvaneCache";
    EXPECT_TRUE(fs::is_directory(settings));
    EXPECT_TRUE(fs::is_directory(cache));
    const std::pair<std::string, std::string> cases[] = {
        {settingsDirectory(), settings},
        {cacheDirectory(), cache},
        {defaultPreferencesFilePath(), settings + "/pelvane_default.json"},
        {profileBindFilePath(), settings + "/pelvane_profile_bind.json"},
        {refreshTokenFilePath(), cache + "/authr"},
        {backupPreferencesFilePath(), executableDirectory() + "pelvane_default_backup.json"},
    };
    for (const auto& [actual, expected] : cases) {
        EXPECT_EQ(actual, expected);
    }
}

TEST_F(PathsTest, DataFolderComesFromXdgElseHome) {
    const std::string home = under("home");
    struct Case {
        std::optional<std::string> xdg;
        std::string expectedData;
    };
    const Case cases[] = {
        {under("xdg"), under("xdg")},
        {std::nullopt, home + "/.local/share"},
        {"", home + "/.local/share"},
        // Relative values are not trusted.
        {"relative/data", home + "/.local/share"},
    };
    env_.set("HOME", home);
    for (const Case& c : cases) {
        env_.setOrUnset("XDG_DATA_HOME", c.xdg);
        initializeGlobals();
        EXPECT_EQ(settingsDirectory(), c.expectedData + "/" + kSettingsFolder)
            << c.xdg.value_or("(unset)");
        EXPECT_TRUE(fs::is_directory(cacheDirectory()));
    }
}

TEST_F(PathsTest, WithoutAnyDataFolderFallsBackUnderTemp) {
    env_.unset("XDG_DATA_HOME");
    env_.unset("HOME");
    fs::create_directory(under("tmp"));
    env_.set("TMPDIR", under("tmp"));

    ::testing::internal::CaptureStdout();
    initializeGlobals();
    const std::string output = ::testing::internal::GetCapturedStdout();

    EXPECT_THAT(output, ::testing::HasSubstr("W: Invalid settings path!\n"));
    const std::string expected =
        under("tmp") + "/pelvane-" + std::to_string(getuid()) + "/" + kSettingsFolder;
    EXPECT_EQ(settingsDirectory(), expected);
    EXPECT_TRUE(fs::is_directory(cacheDirectory()));
}

TEST_F(PathsTest, SettingsPathTakenByAFileIsReportedAndSurvived) {
    fs::create_directory(under("data"));
    std::ofstream(under("data/") + kSettingsFolder) << "not a folder";
    env_.set("XDG_DATA_HOME", under("data"));

    ::testing::internal::CaptureStdout();
    initializeGlobals();
    const std::string output = ::testing::internal::GetCapturedStdout();

    EXPECT_THAT(output, ::testing::HasSubstr("W: Settings dir does not exists!\n"));
    EXPECT_EQ(settingsDirectory(), under("data/") + kSettingsFolder);
    EXPECT_FALSE(fs::exists(cacheDirectory()));
}

TEST_F(PathsTest, EnsureCacheDirRecreatesTheCache) {
    env_.set("XDG_DATA_HOME", under("data"));
    initializeGlobals();
    fs::remove_all(cacheDirectory());
    ensureCacheDir();
    EXPECT_TRUE(fs::is_directory(cacheDirectory()));
}

TEST(ExecutableDirectoryTest, IsTheFolderOfThisTestProgram) {
    const std::string folder = executableDirectory();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(fs::is_regular_file(folder + "prefs_tests"));
}

}  // namespace
