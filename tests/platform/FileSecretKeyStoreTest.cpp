#include "platform/FileSecretKeyStore.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

namespace {

TEST(FileSecretKeyStoreTest, CreatesOnePrivateKeyAndKeepsIt) {
    TemporaryFolder folder("whirlen-keys");
    const std::string path = folder.file("authk");
    FileSecretKeyStore store(path);
    EXPECT_EQ(store.key(false), std::nullopt);
    const auto created = store.key(true);
    ASSERT_TRUE(created);
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(FileSecretKeyStore(path).key(false), created);
    EXPECT_EQ(store.key(true), created);
}

TEST(FileSecretKeyStoreTest, AFileOfTheWrongSizeIsNeitherUsedNorReplaced) {
    TemporaryFolder folder("whirlen-keys");
    const std::string path = folder.file("authk");
    writeFileBytes(path, "short");
    FileSecretKeyStore store(path);
    EXPECT_EQ(store.key(true), std::nullopt);
    EXPECT_EQ(readFileBytes(path), "short");
}

}  // namespace
