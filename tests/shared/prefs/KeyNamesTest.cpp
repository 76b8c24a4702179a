#include "shared/prefs/KeyNames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

namespace {

// A lost or doubled entry, or two names sharing a code, breaks the way back
// from a code to the name that the preference file writes.
TEST(KeyNamesTest, EveryNameRoundTripsThroughItsCode) {
    const KeyNameTable& table = keyNameTable();
    EXPECT_EQ(table.size(), 193U);
    std::set<int32_t> codes;
    for (const auto& [name, code] : table) {
        EXPECT_EQ(keyNameFromCode(keyCodeFromName(name)), name);
        EXPECT_NE(code, 0) << name;
        EXPECT_TRUE(codes.insert(code).second) << name;
    }
}

struct NameCase {
    const char* name;
    int32_t code;
};

TEST(KeyNamesTest, NamesMapToTheirCodes) {
    const NameCase cases[] = {
        {"KEY_A", 65},
        {"KEY_a", 97},
        {"KEY_!", 33},
        {"KEY_~", 126},
        {"key_a", 0},
        {" KEY_A", 0},
        {"KEY_A ", 0},
        {"", 0},
        {"KEY_=", 20000187},
        {"KEY_PLUS", 187},
        {"KEY_F1", 10000112},
        {"KEY_F24", 10000135},
        {"KEY_F25", 0},
        {"KEY_NUMPAD0", 20000096},
        {"KEY_NUMPAD9", 20000105},
        {"KEY_MULTIPLY", 10000106},
        {"KEY_SUBSTRACT", 10000109},
        {"KEY_NUMPADENTER", 10000010},
        {"KEY_ENTER", 10000013},
        {"KEY_NUMLOCK", 10000144},
        {"KEY_QUOTELEFT", 192},
        {"KEY_APOSTROPHE", 222},
        {"KEY_BACK", 10000008},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keyCodeFromName(c.name), c.code) << "'" << c.name << "'";
    }
}

TEST(KeyNamesTest, CodesWithoutANameGiveTheEmptyName) {
    EXPECT_EQ(keyNameFromCode(0), "");
    EXPECT_EQ(keyNameFromCode(61), "");  // "=" moved to the keypad range
    EXPECT_EQ(keyNameFromCode(10000000), "");
    EXPECT_EQ(keyNameFromCode(-1), "");
    EXPECT_EQ(keyNameFromCode(10000144), "KEY_NUMLOCK");
    EXPECT_EQ(keyNameFromCode(20000187), "KEY_=");
}

TEST(KeyNamesTest, ModelScopedNameDropsUnderscoresBehindTheModelCode) {
    struct Case {
        const char* base;
        int32_t model;
        const char* expected;
    };
    const Case cases[] = {
        {"DeviceButton_1", 1, "MXV2DeviceButton1"},
        {"usb_1_2__3", 2, "LYTEusb123"},
        {"plain", 0, "plain"},
        {"a_b", 7, "ab"},
        {"", 1, ""},
        {"_", 1, "MXV2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(modelScopedName(c.base, c.model), c.expected) << c.base << " " << c.model;
    }
}

}  // namespace
