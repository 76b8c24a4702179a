// The application-menu entry: its Exec line keeps any program path one word, read back
// exactly, and the file's creation and removal report errno values.

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/DesktopShortcut.h"
#include "shared/prefs/FileUtils.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"

namespace {

// Hand-written from the Desktop Entry rules: string escapes over Exec quoting, '%' doubled.
TEST(DesktopShortcutExecTest, QuotesThePathAsOneArgument) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/opt/whirlen/whirlenUI", R"("/opt/whirlen/whirlenUI")"},
        {"/home/a b/whirlenUI", R"("/home/a b/whirlenUI")"},
        {"/home/50%/whirlenUI", R"("/home/50%%/whirlenUI")"},
        {"/home/%f/whirlenUI", R"("/home/%%f/whirlenUI")"},
        {R"(/home/say "hi"/whirlenUI)", R"("/home/say \\"hi\\"/whirlenUI")"},
        {"/home/$HOME/whirlenUI", R"("/home/\\$HOME/whirlenUI")"},
        {"/home/`reboot`/whirlenUI", R"("/home/\\`reboot\\`/whirlenUI")"},
        {R"(/home/back\slash/whirlenUI)", R"("/home/back\\\\slash/whirlenUI")"},
        {"/home/it's/whirlenUI", R"("/home/it's/whirlenUI")"},
        {"/home/a;b&c|d/whirlenUI", R"("/home/a;b&c|d/whirlenUI")"},
        {"/home/line\nend/whirlenUI", R"("/home/line\nend/whirlenUI")"},
    };
    for (const auto& [path, exec] : cases) {
        EXPECT_EQ(DesktopShortcut::execValue(path), exec) << path;
    }
}

class DesktopShortcutFileTest : public ::testing::Test {
protected:
    void SetUp() override { environment.set("XDG_DATA_HOME", data.path().string()); }

    TemporaryFolder data{"desktop-shortcut"};
    ScopedEnvironment environment;
};

TEST_F(DesktopShortcutFileTest, CreatesTheFolderAndTheEntryThenRemovesIt) {
    EXPECT_EQ(DesktopShortcut::path(),
              data.file("applications/Pelvane Multimedia Controller Configurations.desktop"));
    ASSERT_EQ(DesktopShortcut::create("/opt/a b/whirlenUI", "/opt/a b/pelvane.png"), 0);
    const std::string text = readFileBytes(DesktopShortcut::path());
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nExec=\"/opt/a b/whirlenUI\"\n"), std::string::npos);
    EXPECT_NE(text.find("\nIcon=/opt/a b/pelvane.png\n"), std::string::npos);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);

    EXPECT_EQ(DesktopShortcut::remove(), 0);
    EXPECT_FALSE(fileExists(DesktopShortcut::path()));
    EXPECT_EQ(DesktopShortcut::remove(), 0);
}

TEST_F(DesktopShortcutFileTest, ADataFolderThatIsAFileGivesItsErrno) {
    const std::string notAFolder = data.file("file");
    writeFileBytes(notAFolder, "");
    environment.set("XDG_DATA_HOME", notAFolder);
    EXPECT_EQ(DesktopShortcut::create("/opt/whirlenUI", "/opt/pelvane.png"), ENOTDIR);
    EXPECT_EQ(DesktopShortcut::remove(), 0);
}

}  // namespace
