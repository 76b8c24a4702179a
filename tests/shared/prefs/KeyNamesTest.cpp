#include "shared/prefs/KeyNames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

namespace {

// The named keys, with the system's key codes.
const std::pair<const char*, int32_t> kNamedKeys[] = {
    {"KEY_MULTIPLY", 10000106},
    {"KEY_ADD", 10000107},
    {"KEY_SEPARATOR", 10000108},
    {"KEY_SUBSTRACT", 10000109},
    {"KEY_DECIMAL", 10000110},
    {"KEY_DIVIDE", 10000111},
    {"KEY_NUMLOCK", 10000144},
    {"KEY_NUMPADENTER", 10000010},
    {"KEY_APPS", 10000093},
    {"KEY_TAB", 10000009},
    {"KEY_ENTER", 10000013},
    {"KEY_SCROLLLOCK", 10000145},
    {"KEY_ESCAPE", 10000027},
    {"KEY_SNAPSHOT", 10000044},
    {"KEY_PAUSE", 10000019},
    {"KEY_HELP", 10000047},
    {"KEY_EXECUTE", 10000043},
    {"KEY_SELECT", 10000041},
    {"KEY_CLEAR", 10000012},
    {"KEY_PLAY", 10000250},
    {"KEY_VOLUMEUP", 10000175},
    {"KEY_VOLUMEDOWN", 10000174},
    {"KEY_MUTE", 10000173},
    {"KEY_ZOOM", 10000251},
    {"KEY_ERASEEOF", 10000249},
    {"KEY_ATTN", 10000246},
    {"KEY_CRSEL", 10000247},
    {"KEY_EXSEL", 10000248},
    {"KEY_PA1", 10000253},
    {"KEY_LAUNCHMAIL", 10000180},
    {"KEY_BROWSERBACK", 10000166},
    {"KEY_BROWSERFORWARD", 10000167},
    {"KEY_BROWSERREFRESH", 10000168},
    {"KEY_BROWSERSTOP", 10000169},
    {"KEY_BROWSERSEARCH", 10000170},
    {"KEY_BROWSERFAVORITES", 10000171},
    {"KEY_BROWSERHOME", 10000172},
    {"KEY_MEDIAPLAYPAUSE", 10000179},
    {"KEY_MEDIASTOP", 10000178},
    {"KEY_MEDIANEXT", 10000176},
    {"KEY_MEDIAPREV", 10000177},
    {"KEY_CAPSLOCK", 10000020},
    {"KEY_SPACE", 10000032},
    {"KEY_UP", 10000038},
    {"KEY_DOWN", 10000040},
    {"KEY_LEFT", 10000037},
    {"KEY_RIGHT", 10000039},
    {"KEY_PAGEUP", 10000033},
    {"KEY_PAGEDOWN", 10000034},
    {"KEY_HOME", 10000036},
    {"KEY_END", 10000035},
    {"KEY_INSERT", 10000045},
    {"KEY_DELETE", 10000046},
    {"KEY_BACK", 10000008},
    {"KEY_QUOTELEFT", 192},
    {"KEY_SEMICOLON", 186},
    {"KEY_SLASH", 191},
    {"KEY_COMMA", 188},
    {"KEY_MINUS", 189},
    {"KEY_PERIOD", 190},
    {"KEY_PLUS", 187},
    {"KEY_BRACKETLEFT", 219},
    {"KEY_BACKSLASH", 220},
    {"KEY_BRACKETRIGHT", 221},
    {"KEY_APOSTROPHE", 222},
};

// The whole table as it is made: every printable character as itself, "=" moved to the
// keypad range, the function keys, the keypad digits, then the named keys.
KeyNameTable expectedTable() {
    KeyNameTable table;
    for (int32_t c = 33; c <= 126; ++c) {
        table["KEY_" + std::string(1, static_cast<char>(c))] = c;
    }
    table["KEY_="] = 20000187;
    for (int32_t n = 1; n <= 24; ++n) {
        table["KEY_F" + std::to_string(n)] = 10000111 + n;
    }
    for (char digit = '0'; digit <= '9'; ++digit) {
        table["KEY_NUMPAD" + std::string(1, digit)] = 20000048 + digit;
    }
    for (const auto& [name, code] : kNamedKeys) {
        table[name] = code;
    }
    return table;
}

// Entry by entry, both ways: a name with another code, a missing or an extra name, or a code
// that reads back as another name all show.
TEST(KeyNamesTest, TheTableHoldsEveryKeyWithItsCode) {
    const KeyNameTable expected = expectedTable();
    ASSERT_EQ(expected.size(), 193U);
    for (const auto& [name, code] : expected) {
        EXPECT_EQ(keyCodeFromName(name), code) << name;
        EXPECT_EQ(keyNameFromCode(code), name) << code;
    }
    for (const auto& [name, code] : keyNameTable()) {
        EXPECT_TRUE(expected.contains(name)) << name << " is no key";
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
