#include "shared/ipc/IPCSocketPath.h"

#include <cstddef>
#include <cstring>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/ScopedEnvironment.h"

namespace {

class IPCSocketPathTest : public testing::Test {
protected:
    ScopedEnvironment environment;
};

TEST_F(IPCSocketPathTest, PrefersRuntimeFolderThenTmpdirThenTmp) {
    struct Case {
        std::optional<std::string> runtime;
        std::optional<std::string> tmpdir;
        std::string path;
    };
    const Case cases[] = {
        {"/run/user/1000", "/var/tmp", "/run/user/1000/pelwhirlenlisten"},
        {"/run/user/1000/", std::nullopt, "/run/user/1000/pelwhirlenlisten"},
        {"", "/var/tmp", "/var/tmp/pelwhirlenlisten"},
        {std::nullopt, "/var/tmp", "/var/tmp/pelwhirlenlisten"},
        {std::nullopt, "", "/tmp/pelwhirlenlisten"},
        {std::nullopt, std::nullopt, "/tmp/pelwhirlenlisten"},
    };
    for (const Case& c : cases) {
        environment.setOrUnset("XDG_RUNTIME_DIR", c.runtime);
        environment.setOrUnset("TMPDIR", c.tmpdir);
        EXPECT_EQ(ipcSocketPath(), c.path);
    }
}

TEST_F(IPCSocketPathTest, AddressHoldsTheWholePathUpTo107Bytes) {
    const std::string suffix = "/pelwhirlenlisten";
    // 107 bytes of path fit with the NUL; 108 would have to be cut.
    const std::string fits = "/" + std::string(107 - suffix.size() - 1, 'd');
    environment.set("XDG_RUNTIME_DIR", fits);
    sockaddr_un address{};
    socklen_t length = 0;
    ASSERT_TRUE(ipcSocketAddress(address, length));
    EXPECT_EQ(address.sun_family, AF_UNIX);
    EXPECT_EQ(std::strlen(address.sun_path), 107u);
    EXPECT_EQ(std::string(address.sun_path), fits + suffix);
    EXPECT_EQ(length, offsetof(sockaddr_un, sun_path) + 108);

    environment.set("XDG_RUNTIME_DIR", fits + "d");
    EXPECT_FALSE(ipcSocketAddress(address, length));
}

}  // namespace
