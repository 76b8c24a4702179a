#include "shared/prefs/ApplicationSettings.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "shared/prefs/Paths.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;
using ::testing::AllOf;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Matcher;
using ::testing::Property;
using ::testing::StartsWith;

namespace {

const std::string kDefaults =
    "[ApplicationSettings]\n"
    "Language=en\n"
    "InstallDir=\n"
    "DownloadPermission=0\n"
    "InstallPermission=0\n"
    "SoftwareCheckForUpdatesPermission=1\n"
    "SoftwareCheckForUpdatesInterval=86400\n"
    "SoftwareCheckForNotificationsInterval=300\n"
    "SoftwareConfigSyncPermission=1\n"
    "UiTheme=0\n";

class ApplicationSettingsTest : public ::testing::Test {
protected:
    TemporaryFolder folder_{"application-settings"};
    std::string path_ = folder_.file("ApplicationSettings.ini");
};

TEST_F(ApplicationSettingsTest, DefaultsAreWrittenByteForByte) {
    ApplicationSettings settings(path_);
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(readFileBytes(path_), kDefaults);
    EXPECT_THAT(ApplicationSettings::instance().settingsFilePath(),
                AllOf(StartsWith(settingsDirectory()), EndsWith("/ApplicationSettings.ini")));
}

// Keys in any case and order, blanks, CRLF ends, blank and unknown lines all
// read; the save writes the canonical order, and a second reader agrees.
TEST_F(ApplicationSettingsTest, NonDefaultValuesSurviveARoundTrip) {
    writeFileBytes(path_,
                   "[ApplicationSettings]\r\n"
                   "cloudenv = local\r\n"
                   "\r\n"
                   "LogDir=/var/log/whirlen\r\n"
                   "UITHEME=1\r\n"
                   "EnableLogging=TRUE\r\n"
                   "Unknown=7\r\n"
                   "SoftwareConfigSyncPermission=0\r\n"
                   "SoftwareCheckForNotificationsInterval=0\r\n"
                   "SoftwareCheckForUpdatesInterval=259200\r\n"
                   "SoftwareCheckForUpdatesPermission=0\r\n"
                   "InstallPermission=1\r\n"
                   "DownloadPermission=1\r\n"
                   "InstallDir= /opt/whirlen \r\n"
                   "Language=FR\r\n");
    const std::string canonical =
        "[ApplicationSettings]\n"
        "Language=fr\n"
        "InstallDir=/opt/whirlen\n"
        "DownloadPermission=1\n"
        "InstallPermission=1\n"
        "SoftwareCheckForUpdatesPermission=0\n"
        "SoftwareCheckForUpdatesInterval=259200\n"
        "SoftwareCheckForNotificationsInterval=0\n"
        "SoftwareConfigSyncPermission=0\n"
        "UiTheme=1\n"
        "EnableLogging=True\n"
        "LogDir=/var/log/whirlen\n"
        "CloudEnv=LOCAL\n";
    ApplicationSettings settings(path_);
    ASSERT_TRUE(settings.load());
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(readFileBytes(path_), canonical);

    ApplicationSettings again(path_);
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.toText(), canonical);
    EXPECT_TRUE(again.enableLogging());
    EXPECT_EQ(again.logDir(), "/var/log/whirlen");
    EXPECT_EQ(again.cloudEnv(), 2);

    again.parseLine("CloudEnv=test");
    EXPECT_THAT(again.toText(), EndsWith("\nCloudEnv=TEST\n"));
}

struct LineCase {
    std::vector<std::string> lines;
    Matcher<const ApplicationSettings&> expected;
};

Matcher<const ApplicationSettings&> unchanged() {
    return Property("toText", &ApplicationSettings::toText, kDefaults);
}

TEST_F(ApplicationSettingsTest, ParseLineTakesOnlyValidValues) {
    using S = ApplicationSettings;
    const auto interval = [](int32_t v) {
        return Property("interval", &S::softwareCheckForUpdatesInterval, v);
    };
    const auto notifications = [](int32_t v) {
        return Property("notifications", &S::softwareCheckForNotificationsInterval, v);
    };
    const auto theme = [](int32_t v) { return Property("theme", &S::uiTheme, v); };
    const auto language = [](int32_t v) { return Property("language", &S::language, v); };
    const auto cloud = [](int32_t v) { return Property("cloud", &S::cloudEnv, v); };
    const auto logging = [](bool v) { return Property("logging", &S::enableLogging, v); };
    const auto install = [](bool v) { return Property("install", &S::installPermission, v); };
    const auto sync = [](bool v) { return Property("sync", &S::softwareConfigSyncPermission, v); };
    const LineCase cases[] = {
        {{"SoftwareCheckForUpdatesInterval=3600"}, interval(86400)},
        {{"SoftwareCheckForUpdatesInterval=172800"}, interval(172800)},
        {{"SoftwareCheckForUpdatesInterval=172800seconds"}, interval(172800)},
        {{"SoftwareCheckForNotificationsInterval=0"}, notifications(0)},
        {{"SoftwareCheckForNotificationsInterval=301"}, notifications(300)},
        {{"UiTheme=1", "UiTheme=2"}, theme(1)},
        {{"UiTheme=1", "UiTheme=-1"}, theme(1)},
        {{"  LANGUAGE = fr "}, language(1)},
        {{"Language=SE"}, language(9)},
        {{"Language=fr", "Language=xx"}, language(0)},
        {{"CloudEnv=local"}, cloud(2)},
        {{"CloudEnv=TEST", "CloudEnv=PROD"}, cloud(0)},
        {{"EnableLogging=True"}, logging(true)},
        {{"enablelogging=true1"}, logging(true)},
        {{"EnableLogging=True", "EnableLogging=yes"}, logging(false)},
        {{"EnableLogging=True", "EnableLogging=1"}, logging(false)},
        {{"EnableLogging=True", "EnableLogging="}, logging(false)},
        {{"InstallPermission=1abc"}, install(true)},
        {{"InstallPermission= +2"}, install(true)},
        {{"InstallPermission=1", "InstallPermission=abc"}, install(true)},
        {{"InstallPermission=1", "InstallPermission=+-1"}, install(true)},
        {{"InstallPermission=1", "InstallPermission="}, install(true)},
        // 2^32 would read as 0 if it were clipped or wrapped to 32 bits.
        {{"SoftwareConfigSyncPermission=4294967296"}, sync(true)},
        {{"SoftwareConfigSyncPermission=-0"}, sync(false)},
        {{"LogDir = /var/log/a=b "}, Property("logDir", &S::logDir, "/var/log/a=b")},
        {{"Install Dir=/opt"}, unchanged()},
        {{"[ApplicationSettings]", "UiTheme 1", "=1", ""}, unchanged()},
    };
    for (const auto& c : cases) {
        ApplicationSettings settings(path_);
        for (const auto& line : c.lines) {
            settings.parseLine(line);
        }
        EXPECT_THAT(settings, c.expected) << ::testing::PrintToString(c.lines);
    }
    EXPECT_FALSE(fs::exists(path_)) << "parsing must never write the file";
}

// The intervals that the file may choose, in seconds: 12, 24, 48 and 72 hours between update
// checks; notification checks off or every 5, 10, 15 or 20 minutes.
const std::vector<int32_t> kUpdateCheckIntervals = {43200, 86400, 172800, 259200};
const std::vector<int32_t> kNotificationCheckIntervals = {0, 300, 600, 900, 1200};

TEST_F(ApplicationSettingsTest, EveryAllowedIntervalIsOfferedAndRead) {
    ApplicationSettings offered(path_);
    EXPECT_EQ(offered.softwareCheckForUpdatesIntervals(), kUpdateCheckIntervals);
    EXPECT_EQ(offered.softwareCheckForNotificationsIntervals(), kNotificationCheckIntervals);
    for (const int32_t seconds : kUpdateCheckIntervals) {
        ApplicationSettings settings(path_);
        settings.parseLine("SoftwareCheckForUpdatesInterval=" + std::to_string(seconds));
        EXPECT_EQ(settings.softwareCheckForUpdatesInterval(), seconds);
    }
    for (const int32_t seconds : kNotificationCheckIntervals) {
        ApplicationSettings settings(path_);
        settings.parseLine("SoftwareCheckForNotificationsInterval=" + std::to_string(seconds));
        EXPECT_EQ(settings.softwareCheckForNotificationsInterval(), seconds);
    }
}

TEST_F(ApplicationSettingsTest, LoadReadsLinesOfAnyLengthWhole) {
    const std::string longDir = "/" + std::string(4999, 'd');
    writeFileBytes(path_, "InstallDir=" + longDir + "\r\nUiTheme=1\r\nLanguage=fr");
    ApplicationSettings settings(path_);
    ASSERT_TRUE(settings.load());
    EXPECT_EQ(settings.installDir(), longDir);
    EXPECT_EQ(settings.uiTheme(), 1);
    EXPECT_EQ(settings.language(), 1);
}

TEST_F(ApplicationSettingsTest, LoadWithoutAFileKeepsTheValues) {
    ApplicationSettings settings(path_);
    settings.parseLine("UiTheme=1");
    EXPECT_TRUE(settings.load());
    fs::create_directory(path_);
    EXPECT_TRUE(settings.load());
    EXPECT_EQ(settings.uiTheme(), 1);
}

struct SetterCase {
    const char* name;
    std::function<void(ApplicationSettings&)> keep;
    std::function<void(ApplicationSettings&)> change;
    std::string line;
};

TEST_F(ApplicationSettingsTest, SettersSaveOnlyWhenTheValueChanges) {
    using S = ApplicationSettings;
    const SetterCase cases[] = {
        {"interval", [](S& s) { s.setSoftwareCheckForUpdatesInterval(86400); },
         // Not checked against the allowed list, unlike the file's value.
         [](S& s) { s.setSoftwareCheckForUpdatesInterval(3600); },
         "SoftwareCheckForUpdatesInterval=3600\n"},
        {"check", [](S& s) { s.setSoftwareCheckForUpdatesPermission(true); },
         [](S& s) { s.setSoftwareCheckForUpdatesPermission(false); },
         "SoftwareCheckForUpdatesPermission=0\n"},
        {"sync", [](S& s) { s.setSoftwareConfigSyncPermission(true); },
         [](S& s) { s.setSoftwareConfigSyncPermission(false); },
         "SoftwareConfigSyncPermission=0\n"},
        {"download", [](S& s) { s.setDownloadPermission(false); },
         [](S& s) { s.setDownloadPermission(true); }, "DownloadPermission=1\n"},
        {"install", [](S& s) { s.setInstallPermission(false); },
         [](S& s) { s.setInstallPermission(true); }, "InstallPermission=1\n"},
        {"theme", [](S& s) { s.setUiTheme(0); }, [](S& s) { s.setUiTheme(1); }, "UiTheme=1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFileBytes(path_, "kept\n");
        ApplicationSettings settings(path_);
        c.keep(settings);
        EXPECT_EQ(readFileBytes(path_), "kept\n");
        c.change(settings);
        EXPECT_THAT(readFileBytes(path_), HasSubstr(c.line));
        fs::remove(path_);
        c.change(settings);
        EXPECT_FALSE(fs::exists(path_)) << "an unchanged value wrote the file";
    }
}

TEST_F(ApplicationSettingsTest, SetUiThemeRefusesThemesOtherThanZeroAndOne) {
    ApplicationSettings settings(path_);
    EXPECT_FALSE(settings.setUiTheme(2));
    EXPECT_FALSE(settings.setUiTheme(-1));
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_TRUE(settings.setUiTheme(1));
    fs::remove(path_);
    EXPECT_FALSE(settings.setUiTheme(1));
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_EQ(settings.uiTheme(), 1);
}

// The first language choice must leave a settings file even when it picks the
// default language.
TEST_F(ApplicationSettingsTest, SetLanguageCreatesAMissingFile) {
    ApplicationSettings settings(path_);
    settings.setLanguage(0);
    EXPECT_EQ(readFileBytes(path_), kDefaults);
    writeFileBytes(path_, "kept\n");
    settings.setLanguage(0);
    EXPECT_EQ(readFileBytes(path_), "kept\n");
    settings.setLanguage(1);
    EXPECT_THAT(readFileBytes(path_), HasSubstr("\nLanguage=fr\n"));
}

TEST_F(ApplicationSettingsTest, FailedSaveIsReportedAndKeepsTheNewValue) {
    writeFileBytes(folder_.file("plain"), "x");
    ApplicationSettings settings((folder_.path() / "plain" / "ApplicationSettings.ini").string());
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(settings.save());
    EXPECT_TRUE(settings.setUiTheme(1));
    EXPECT_THAT(::testing::internal::GetCapturedStdout(), HasSubstr(" E: "));
    EXPECT_EQ(settings.uiTheme(), 1);
    EXPECT_EQ(readFileBytes(folder_.file("plain")), "x");
}

// Running as root no folder is unwritable; a name with no room for the
// temporary file's suffix makes the write fail with the old file in place.
TEST_F(ApplicationSettingsTest, FailedSaveLeavesTheOldFile) {
    const auto path = folder_.file(std::string(250, 's') + ".ini");
    writeFileBytes(path, kDefaults);
    ApplicationSettings settings(path);
    EXPECT_TRUE(settings.setUiTheme(1));
    EXPECT_FALSE(settings.save());
    EXPECT_EQ(readFileBytes(path), kDefaults);
    EXPECT_EQ(settings.uiTheme(), 1);
}

struct StampCase {
    std::string version;
    std::string build;
    ApplicationSettings::VersionStamp expected;
};

TEST(ApplicationSettingsStampTest, ParsesOnlyWellFormedStamps) {
    const std::string good = "####STAMP_START####00003.00001.00000####STAMP_END####";
    const std::string build = "####STAMP_B_START####00031####STAMP_B_END####";
    const StampCase cases[] = {
        {good, build, {3, 1, 0, 31}},
        // The stamps sit amid other constant data of the program.
        {std::string("\0x", 2) + good + "y", "z" + build, {3, 1, 0, 31}},
        {"####STAMP_START####0000000000012.3.4####STAMP_END####", build, {12, 3, 4, 31}},
        {"####STAMP_START####0003.00001.00000####STAMP_END####", build, {0, 0, 0, 31}},
        {"####STAMP_START####000003.00001.00000####STAMP_END####", build, {0, 0, 0, 31}},
        {"####STAMP_START####0000a.00001.00000####STAMP_END####", build, {0, 0, 0, 31}},
        {"####STAMP_START####00003.00001.0000.####STAMP_END####", build, {0, 0, 0, 31}},
        {"####STAMP_START####0000300001..00000####STAMP_END####", build, {0, 0, 0, 31}},
        {"####STAMP_START####00003.00001+00000####STAMP_END####", build, {0, 0, 0, 31}},
        // Too many digits for 32 bits.
        {"####STAMP_START####1.2.9999999999999####STAMP_END####", build, {0, 0, 0, 31}},
        {"####STAMP_START####00003.00001.00000", build, {0, 0, 0, 31}},
        {good, "####STAMP_B_START####0031####STAMP_B_END####", {3, 1, 0, 0}},
        {good, "####STAMP_B_START####0003x####STAMP_B_END####", {3, 1, 0, 0}},
        {good, "####STAMP_B_START#### +031####STAMP_B_END####", {3, 1, 0, 0}},
        {good, "####STAMP_START####00031####STAMP_END####", {3, 1, 0, 0}},
        {"", "", {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const auto stamp = ApplicationSettings::parseVersionStamp(c.version, c.build);
        EXPECT_EQ(stamp, c.expected)
            << c.version << " / " << c.build << " gave " << stamp.majorVersion << "."
            << stamp.minorVersion << "." << stamp.patchVersion << " build " << stamp.buildNumber;
    }
}

TEST(ApplicationSettingsStampTest, VersionTextsComeFromTheProgramsStamps) {
    ApplicationSettings settings("");
    EXPECT_EQ(settings.versionString(), "0.0.0");
    EXPECT_EQ(settings.buildString(), "0");
    settings.setVersionStamps("####STAMP_START####00003.00001.00000####STAMP_END####",
                              "####STAMP_B_START####00031####STAMP_B_END####");
    EXPECT_EQ(settings.versionString(), "3.1.0");
    EXPECT_EQ(settings.buildString(), "31");
}

}  // namespace
