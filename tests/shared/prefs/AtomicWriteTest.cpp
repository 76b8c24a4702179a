#include "shared/prefs/AtomicWrite.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {

class AtomicWriteTest : public ::testing::Test {
protected:
    static std::string read(const fs::path& path) { return readFileBytes(path.string()); }
    size_t entries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    TemporaryFolder temporary_{"atomic-write"};
    const fs::path& folder_ = temporary_.path();
};

TEST_F(AtomicWriteTest, CreatesAndReplacesWithoutLeavingTemporaries) {
    const auto path = (folder_ / "pelvane_default.json").string();
    ASSERT_TRUE(writeFileAtomically(path, "first\n"));
    EXPECT_EQ(read(path), "first\n");
    ASSERT_TRUE(writeFileAtomically(path, std::string("se\0cond", 7)));
    EXPECT_EQ(read(path), std::string("se\0cond", 7));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicWriteTest, FailsWhenTheFolderCannotHoldTheFile) {
    std::ofstream(folder_ / "plain") << "x";
    EXPECT_FALSE(writeFileAtomically((folder_ / "plain" / "f.json").string(), "x"));
    EXPECT_FALSE(writeFileAtomically((folder_ / "missing" / "f.json").string(), "x"));
    EXPECT_FALSE(writeFileAtomically("", "x"));
}

// A disk that fills up halfway through the write must leave the old file whole
// and no temporary behind. The file-size limit makes write() fail like a full disk.
TEST_F(AtomicWriteTest, FullDiskLeavesOldFileWhole) {
    const auto path = (folder_ / "ApplicationSettings.ini").string();
    ASSERT_TRUE(writeFileAtomically(path, "old contents\n"));

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool ok = writeFileAtomically(path, std::string(64 * 1024, 'n'));
        ::_exit(ok ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write reported success";
    EXPECT_EQ(read(path), "old contents\n");
    EXPECT_EQ(entries(), 1u);
}

}  // namespace
