#include "platform/InputInjector.h"

#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/NullInputInjector.h"
#include "platform/XTestInjector.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/XvfbServer.h"

namespace {

enum class Backend { XTest, None };

Backend backendOf(const InputInjector& injector) {
    if (dynamic_cast<const XTestInjector*>(&injector) != nullptr) {
        return Backend::XTest;
    }
    EXPECT_NE(dynamic_cast<const NullInputInjector*>(&injector), nullptr);
    return Backend::None;
}

// This machine has no uinput; an empty device folder makes sure of it wherever the test runs.
TEST(InputInjectorTest, TheFactoryChoosesTheBackend) {
    XvfbServer server;
    ASSERT_TRUE(server.running()) << "Xvfb is needed for this test";
    TemporaryFolder devices;

    struct Case {
        std::optional<std::string> forced;
        bool display;
        Backend expected;
    };
    const Case cases[] = {
        {std::nullopt, true, Backend::XTest}, {std::nullopt, false, Backend::None},
        {"xtest", true, Backend::XTest},      {"xtest", false, Backend::None},
        {"none", true, Backend::None},        {"uinput", true, Backend::None},
        {"bogus", true, Backend::XTest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.forced.value_or("(unset)") + (c.display ? " with" : " without") +
                     " a display");
        ScopedEnvironment environment;
        environment.set("WHIRLEN_DEV_ROOT", devices.path().string());
        environment.setOrUnset("WHIRLEN_INPUT", c.forced);
        environment.setOrUnset("DISPLAY",
                               c.display ? std::optional(server.display()) : std::nullopt);

        const std::unique_ptr<InputInjector> injector = createInputInjector();

        ASSERT_NE(injector, nullptr);
        EXPECT_EQ(backendOf(*injector), c.expected);
    }
}

TEST(InputInjectorTest, TheNullInjectorSendsNothing) {
    NullInputInjector injector;
    const InputEvent key[] = {InputEvent::keyDown(0x41)};
    EXPECT_FALSE(injector.send(key));
}

}  // namespace
