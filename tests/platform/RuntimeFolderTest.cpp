#include "platform/RuntimeFolder.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/ScopedEnvironment.h"

namespace {

TEST(RuntimeFolderTest, PrefersRuntimeDirThenTmpdirThenTmp) {
    struct Case {
        std::optional<std::string> runtime;
        std::optional<std::string> tmpdir;
        std::string folder;
    };
    const Case cases[] = {
        {"/run/user/1000", "/var/tmp", "/run/user/1000"},
        {"/run/user/1000//", std::nullopt, "/run/user/1000"},
        {"", "/var/tmp", "/var/tmp"},
        {"relative/dir", "/var/tmp/", "/var/tmp"},
        {std::nullopt, "/var/tmp", "/var/tmp"},
        {std::nullopt, "", "/tmp"},
        {std::nullopt, std::nullopt, "/tmp"},
        {"/", std::nullopt, "/"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment environment;
        environment.setOrUnset("XDG_RUNTIME_DIR", c.runtime);
        environment.setOrUnset("TMPDIR", c.tmpdir);
        EXPECT_EQ(runtimeFolder(), c.folder) << "XDG_RUNTIME_DIR=" << c.runtime.value_or("(unset)")
                                             << " TMPDIR=" << c.tmpdir.value_or("(unset)");
    }
}

}  // namespace
