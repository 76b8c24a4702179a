#include "shared/prefs/TextUtils.h"

#include <gtest/gtest.h>

namespace {

struct ReplaceCase {
    std::string text, pattern, replacement, expected;
};

TEST(TextUtilsTest, ReplaceAllNeverSearchesInsertedText) {
    const ReplaceCase cases[] = {
        {"a_b_c", "_", "", "abc"}, {"aa", "a", "aa", "aaaa"}, {"abc", "", "x", "abc"},
        {"", "a", "b", ""},        {"xyxy", "xy", "y", "yy"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        replaceAll(text, c.pattern, c.replacement);
        EXPECT_EQ(text, c.expected) << c.text << " / " << c.pattern;
    }
}

TEST(TextUtilsTest, EqualsIgnoreCaseFoldsAsciiLettersOnly) {
    EXPECT_TRUE(equalsIgnoreCase("ABC", "abc"));
    EXPECT_FALSE(equalsIgnoreCase("abc", "abcd"));
    EXPECT_FALSE(equalsIgnoreCase(" abc", "abc"));
    EXPECT_TRUE(equalsIgnoreCase("", ""));
    // Bytes of UTF-8 text (>= 0x80) compare as themselves.
    EXPECT_TRUE(equalsIgnoreCase("\xC3\x89t\xC3\xA9", "\xC3\x89T\xC3\xA9"));
    EXPECT_FALSE(equalsIgnoreCase("\xC3\x89", "\xC3\xA9"));
}

TEST(TextUtilsTest, TrimRemovesSpaceAtBothEnds) {
    const std::pair<std::string, std::string> cases[] = {
        {"  x y\t\n", "x y"}, {"   ", ""}, {"", ""}, {"\v\f\rz\r", "z"}, {"\xA0x\xA0", "\xA0x\xA0"},
    };
    for (const auto& [in, out] : cases) {
        std::string text = in;
        trim(text);
        EXPECT_EQ(text, out);
    }
}

}  // namespace
