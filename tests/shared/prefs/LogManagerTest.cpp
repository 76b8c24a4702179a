#include "shared/prefs/LogManager.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "shared/prefs/Paths.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::SizeIs;

// The writer of these logs only flushes when woken by a switch off, so what
// reaches the file never depends on timing.
constexpr std::chrono::hours kNeverOnItsOwn{1};

std::string localStamp(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm fields{};
    localtime_r(&now, &fields);
    char text[32] = {};
    return std::string(text, std::strftime(text, sizeof text, format, &fields));
}

std::vector<std::string> readLines(const std::string& file) {
    const std::string content = readFileBytes(file);
    EXPECT_TRUE(content.empty() || content.back() == '\n');
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (auto end = content.find('\n'); end != std::string::npos;
         start = end + 1, end = content.find('\n', start)) {
        lines.push_back(content.substr(start, end - start));
    }
    return lines;
}

// The message part of a well-formed line of this process, or "<malformed>".
std::string messageOf(const std::string& line, char level = 'W') {
    static const std::regex format(
        R"(^\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}  (\d+) \d+ (.): ([^\n]*)$)");
    std::smatch match;
    if (!std::regex_match(line, match, format) || match[1] != std::to_string(getpid()) ||
        match[2] != std::string(1, level)) {
        return "<malformed>";
    }
    return match[3];
}

class LogManagerTest : public ::testing::Test {
protected:
    void SetUp() override { log_.setLogDirectory(root_); }

    std::vector<fs::path> filesInRoot() const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(root_)) {
            files.push_back(entry.path());
        }
        return files;
    }

    TemporaryFolder folder_{"log"};
    const std::string root_ = folder_.path().string();
    LogManager log_{kNeverOnItsOwn};
};

TEST_F(LogManagerTest, EnabledLinesGoToOneDatedFileOneLineEach) {
    const std::string before = localStamp("%Y%m%d%H%M%S");
    log_.setEnabled(true);
    log_.log('W', "one");
    log_.log('W', "two %d", 2);
    log_.log('W', "%s", "three\n");
    log_.setEnabled(false);
    const std::string after = localStamp("%Y%m%d%H%M%S");

    const auto files = filesInRoot();
    ASSERT_THAT(files, SizeIs(1));
    const std::string name = files[0].filename().string();
    std::smatch match;
    ASSERT_TRUE(std::regex_match(name, match, std::regex(R"(pelvanelogging_(\d{14})\.log)")))
        << name;
    EXPECT_GE(match[1].str(), before);
    EXPECT_LE(match[1].str(), after);
    EXPECT_EQ(log_.logFilePath(), root_ + "/" + name);

    std::vector<std::string> messages;
    for (const auto& line : readLines(files[0].string())) {
        messages.push_back(messageOf(line));
    }
    EXPECT_THAT(messages, ElementsAre("one", "two 2", "three"));

    // A second session appends to the same file.
    log_.setEnabled(true);
    log_.log('E', "four");
    log_.setEnabled(false);
    EXPECT_THAT(filesInRoot(), SizeIs(1));
    const auto lines = readLines(files[0].string());
    ASSERT_THAT(lines, SizeIs(4));
    EXPECT_EQ(messageOf(lines[3], 'E'), "four");
}

TEST_F(LogManagerTest, DisabledLinesGoToStandardOutputOnly) {
    ::testing::internal::CaptureStdout();
    log_.log('E', "%s", "hidden");
    const std::string output = ::testing::internal::GetCapturedStdout();
    ASSERT_THAT(output, EndsWith("\n"));
    EXPECT_EQ(messageOf(output.substr(0, output.size() - 1), 'E'), "hidden");

    log_.setEnabled(true);
    log_.log('W', "shown");
    log_.setEnabled(false);
    const auto lines = readLines(log_.logFilePath());
    ASSERT_THAT(lines, SizeIs(1));
    EXPECT_EQ(messageOf(lines[0]), "shown");
}

TEST_F(LogManagerTest, QueueKeepsTheFirstThousandLines) {
    log_.setEnabled(true);
    for (int i = 0; i < 1200; ++i) {
        log_.log('W', "line %d", i);
    }
    log_.setEnabled(false);
    const auto lines = readLines(log_.logFilePath());
    ASSERT_THAT(lines, SizeIs(1000));
    EXPECT_EQ(messageOf(lines.front()), "line 0");
    EXPECT_EQ(messageOf(lines.back()), "line 999");
}

TEST_F(LogManagerTest, LongMessagesAreCut) {
    const std::string text(3000, 'x');
    ::testing::internal::CaptureStdout();
    log_.log('W', "%s", text.c_str());
    std::string output = ::testing::internal::GetCapturedStdout();
    ASSERT_THAT(output, EndsWith("\n"));
    output.pop_back();
    EXPECT_EQ(messageOf(output), std::string(2047, 'x'));
}

// Permission bits do not stop root, so the folder lies below a regular file.
TEST_F(LogManagerTest, SixthFailedOpenSwitchesFileLoggingOff) {
    std::ofstream(root_ + "/file") << "x";
    log_.setLogDirectory(root_ + "/file/logs");
    log_.setEnabled(true);
    for (int attempt = 1; attempt <= 5; ++attempt) {
        log_.log('W', "lost %d", attempt);
        log_.flushToFile();
        EXPECT_TRUE(log_.isEnabled()) << attempt;
    }
    log_.flushToFile();
    EXPECT_FALSE(log_.isEnabled());

    // Switching on again joins the writer that gave up and counts afresh.
    log_.setEnabled(true);
    for (int attempt = 1; attempt <= 5; ++attempt) {
        log_.flushToFile();
    }
    EXPECT_TRUE(log_.isEnabled());
    log_.setEnabled(false);
    EXPECT_FALSE(fs::exists(root_ + "/file/logs"));
}

TEST_F(LogManagerTest, LinesOfManyThreadsStayWhole) {
    LogManager busy{std::chrono::milliseconds(1)};
    busy.setLogDirectory(root_);
    busy.setEnabled(true);
    constexpr int kThreads = 4;
    constexpr int kLinesEach = 200;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&busy, t] {
            for (int i = 0; i < kLinesEach; ++i) {
                busy.log('W', "thread %d line %d", t, i);
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    busy.setEnabled(false);

    std::set<std::string> messages;
    for (const auto& line : readLines(busy.logFilePath())) {
        messages.insert(messageOf(line));
    }
    EXPECT_THAT(messages, SizeIs(kThreads * kLinesEach));
    EXPECT_EQ(messages.count("<malformed>"), 0u);
}

// The program's own log learns the settings folder from start-up and keeps a copy of it,
// so that its last flush at exit needs nothing that may be gone by then.
TEST(LogManagerFolderTest, WithoutAFolderWritesIntoTheSettingsFolder) {
    const TemporaryFolder data{"logsettings"};
    ScopedEnvironment env;
    env.set("XDG_DATA_HOME", data.path().string());
    initializeGlobals();
    LogManager& log = LogManager::instance();
    log.setEnabled(true);
    log.log('W', "settled");
    log.setEnabled(false);
    EXPECT_EQ(fs::path(log.logFilePath()).parent_path(), fs::path(settingsDirectory()));
    EXPECT_THAT(readLines(log.logFilePath()), SizeIs(1));
}

}  // namespace
