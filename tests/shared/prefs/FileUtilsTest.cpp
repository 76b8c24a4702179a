#include "shared/prefs/FileUtils.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;

class FileUtilsTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder_.file(name); }

    std::string write(const std::string& name, const std::string& content) const {
        writeFileBytes(path(name), content);
        return path(name);
    }

    static std::string read(const std::string& file) { return readFileBytes(file); }

    TemporaryFolder folder_{"fileutils"};
    const fs::path& root_ = folder_.path();
};

TEST_F(FileUtilsTest, FileExistsOnlyForRegularFiles) {
    const std::string file = write("file.txt", "x");
    fs::create_directory(path("dir"));
    fs::create_symlink(file, path("link"));
    fs::create_symlink(path("missing"), path("dangling"));
    const std::pair<std::string, bool> cases[] = {
        {file, true},         {path("dir"), false},      {path("missing"), false}, {"", false},
        {path("link"), true}, {path("dangling"), false}, {file + "/x", false},
    };
    for (const auto& [p, expected] : cases) {
        EXPECT_EQ(fileExists(p), expected) << p;
    }
}

TEST_F(FileUtilsTest, CopyFileIfMissingNeverOverwrites) {
    const std::string source = write("source", "new");
    const std::string target = write("target", "old");
    copyFileIfMissing(source, target);
    EXPECT_EQ(read(target), "old");

    copyFileIfMissing(source, path("copy"));
    EXPECT_EQ(read(path("copy")), "new");

    copyFileIfMissing(path("missing"), path("none"));
    EXPECT_FALSE(fs::exists(path("none")));

    // A target that cannot be created is logged and skipped.
    copyFileIfMissing(source, source + "/below");
    EXPECT_EQ(read(source), "new");
}

TEST_F(FileUtilsTest, RemoveIfExistsRemovesFilesOnly) {
    const std::string file = write("file", "x");
    fs::create_directory(path("dir"));
    removeIfExists(file);
    removeIfExists(path("dir"));
    removeIfExists(path("missing"));
    removeIfExists("");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::is_directory(path("dir")));
}

// TZ for the life of the object; tzset() so that the C library takes up each change.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        environment_->set("TZ", zone);
        tzset();
    }
    ~TimeZone() {
        environment_.reset();
        tzset();
    }

private:
    std::optional<ScopedEnvironment> environment_{std::in_place};
};

constexpr const char* kUpdateFormat = "%d-%m-%Y %H:%M:%S";

TEST(ParseTimeTest, RejectedTextsGiveZero) {
    const std::pair<std::string, std::string> cases[] = {
        {"", kUpdateFormat},
        {"", ""},
        {"garbage", kUpdateFormat},
        {"32-01-2025 00:00:00", kUpdateFormat},
    };
    for (const auto& [text, format] : cases) {
        EXPECT_EQ(parseTime(text, format), 0) << text;
    }
}

TEST(ParseTimeTest, ReadsLocalStandardTime) {
    {
        const TimeZone utc("UTC0");
        EXPECT_EQ(parseTime("31-01-2025 23:59:59", kUpdateFormat), 1738367999);
    }
    // In summer the fields still count as standard time (UTC+1), not daylight time.
    const TimeZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    std::tm fields{};
    fields.tm_year = 2024 - 1900;
    fields.tm_mon = 6;
    fields.tm_mday = 15;
    fields.tm_hour = 12;
    EXPECT_EQ(parseTime("15-07-2024 12:00:00", kUpdateFormat), std::mktime(&fields));
    EXPECT_EQ(parseTime("15-07-2024 12:00:00", kUpdateFormat), 1721041200);
}

TEST(ParseTimeTest, TimesBeyond32BitsAreUnrepresentable) {
    const TimeZone utc("UTC0");
    EXPECT_EQ(parseTime("01-01-2100 00:00:00", kUpdateFormat), -1);
    EXPECT_EQ(parseTime("19-01-2038 03:14:07", kUpdateFormat), 2147483647);
}

TEST(IsValidUrlTest, RequiresAPathAfterTheHost) {
    const std::pair<std::string, bool> cases[] = {
        {"https://example.com/dir/file.html", true},
        {"example.com/ab", true},
        {"http://example.com:8080/dir/file.zip", true},
        {"ftp://host/ab", true},
        {"example.com", false},
        {"https://example.com/a", false},
        {"https://example.com/", false},
        {"https://example.com/ file.html", false},
        {"https://exa mple.com/ab", false},
        {"", false},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(isValidUrl(text), expected) << text;
    }
}

TEST(IsValidUrlTest, LongTextsAreRefusedWithoutMatching) {
    const std::string prefix = "https://example.com/";
    EXPECT_TRUE(isValidUrl(prefix + std::string(2048 - prefix.size(), 'a')));
    EXPECT_FALSE(isValidUrl(prefix + std::string(2049 - prefix.size(), 'a')));
    EXPECT_FALSE(isValidUrl(prefix + std::string(4000, 'a')));
}

TEST_F(FileUtilsTest, FileMd5HexOfContents) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        // Spans many read chunks, the last one partial.
        {std::string(1000000, 'a'), "7707D6AE4E027C70EEA2A935C2296F21"},
    };
    for (const auto& [content, digest] : cases) {
        EXPECT_EQ(fileMd5Hex(write("data", content)), digest) << content.size();
    }
}

TEST(Md5HexTest, DigestOfBytesAsOfAFileHoldingThem) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {std::string("a\0b", 3), "70350F6027BCE3713F6B76473084309B"},
        {std::string(1000000, 'a'), "7707D6AE4E027C70EEA2A935C2296F21"},
    };
    for (const auto& [content, digest] : cases) {
        EXPECT_EQ(md5Hex(content), digest) << content.size();
    }
}

TEST_F(FileUtilsTest, FileMd5HexIsEmptyForWhatCannotBeRead) {
    fs::create_directory(path("dir"));
    EXPECT_EQ(fileMd5Hex(""), "");
    EXPECT_EQ(fileMd5Hex(path("dir")), "");
    EXPECT_EQ(fileMd5Hex(path("missing")), "");
}

// The process's own memory file opens as a regular file, but reading from
// offset 0 fails: that must not pass for the digest of an empty file.
TEST_F(FileUtilsTest, WriteAllWritesEveryByteOrFails) {
    const std::string content(1024 * 1024 + 7, 'w');
    const std::string file = path("all.bin");
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(writeAll(fd, content.data(), content.size()));
    ::close(fd);
    EXPECT_EQ(read(file), content);

    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    EXPECT_FALSE(writeAll(full, content.data(), content.size()));
    EXPECT_EQ(errno, ENOSPC);
    ::close(full);
}

// The stored sign-in's reader takes 1 to maxSize bytes by the size the file reports: not an
// empty file, nor one that reports no size but has bytes to read (as /proc's do), nor a part of
// a longer one.
TEST_F(FileUtilsTest, ReadSmallRegularFileTakesOneToMaxSizeBytes) {
    constexpr std::size_t kMaxSize = 1023;
    const struct {
        const char* name;
        std::string path;
        bool read;
    } cases[] = {
        {"empty", write("empty", ""), false},
        {"one byte", write("one", "a"), true},
        {"max size", write("max", std::string(kMaxSize, 'm')), true},
        {"one byte more", write("more", std::string(kMaxSize + 1, 'm')), false},
        {"no size reported", "/proc/self/comm", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = "left over";
        EXPECT_EQ(readSmallRegularFile(c.path, kMaxSize, bytes), c.read);
        EXPECT_EQ(bytes, c.read ? read(c.path) : std::string());
    }
}

TEST(FileMd5HexTest, ReadErrorGivesEmptyResult) {
    if (!fileExists("/proc/self/mem")) {
        GTEST_SKIP() << "no /proc/self/mem";
    }
    EXPECT_EQ(fileMd5Hex("/proc/self/mem"), "");
}

}  // namespace
