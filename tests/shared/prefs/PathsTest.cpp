#include "shared/prefs/Paths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr const char* kSettingsFolder = "PelvaneDesignMediaControllerSoftware";

// Each test gets its own folder and the variables that steer the paths back
// as they were.
class PathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "paths-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        for (const char* name : {"XDG_DATA_HOME", "HOME", "TMPDIR"}) {
            const char* value = std::getenv(name);
            saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
        }
    }

    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            setEnv(name.c_str(), value);
        }
        fs::remove_all(root_);
    }

    static void setEnv(const char* name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

    std::string under(const std::string& relative) const { return (root_ / relative).string(); }

    fs::path root_;
    std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(PathsTest, CreatesSettingsAndCacheFoldersWithMissingParents) {
    const std::string data = under("not/yet/there");
    setenv("XDG_DATA_HOME", data.c_str(), 1);
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
    setenv("HOME", home.c_str(), 1);
    for (const Case& c : cases) {
        setEnv("XDG_DATA_HOME", c.xdg);
        initializeGlobals();
        EXPECT_EQ(settingsDirectory(), c.expectedData + "/" + kSettingsFolder)
            << c.xdg.value_or("(unset)");
        EXPECT_TRUE(fs::is_directory(cacheDirectory()));
    }
}

TEST_F(PathsTest, WithoutAnyDataFolderFallsBackUnderTemp) {
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    fs::create_directory(under("tmp"));
    setenv("TMPDIR", under("tmp").c_str(), 1);

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
    setenv("XDG_DATA_HOME", under("data").c_str(), 1);

    ::testing::internal::CaptureStdout();
    initializeGlobals();
    const std::string output = ::testing::internal::GetCapturedStdout();

    EXPECT_THAT(output, ::testing::HasSubstr("W: Settings dir does not exists!\n"));
    EXPECT_EQ(settingsDirectory(), under("data/") + kSettingsFolder);
    EXPECT_FALSE(fs::exists(cacheDirectory()));
}

TEST_F(PathsTest, EnsureCacheDirRecreatesTheCache) {
    setenv("XDG_DATA_HOME", under("data").c_str(), 1);
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
