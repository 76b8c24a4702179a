#include "shared/prefs/JsonText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(JsonTextTest, NestingDepthIgnoresBracketsInStrings) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"1", 0},     {"[[{}]]", 3}, {R"({"a":"[[[[","b":["\"]]"]})", 2}, {R"(["\\", [1]])", 2},
        {"]]]][", 1},
    };
    for (const auto& [text, depth] : cases) {
        EXPECT_EQ(jsonNestingDepth(text, 100), depth) << text;
    }
}

TEST(JsonTextTest, DeepDocumentsAreRefusedAndShallowOnesParse) {
    EXPECT_EQ(parseJsonText(std::string(100000, '[')).status, JsonTextStatus::TooDeep);
    const std::string deepest =
        std::string(kMaxJsonNesting, '[') + std::string(kMaxJsonNesting, ']');
    EXPECT_EQ(parseJsonText(deepest).status, JsonTextStatus::Parsed);
    EXPECT_EQ(parseJsonText("[" + deepest + "]").status, JsonTextStatus::TooDeep);
    EXPECT_EQ(parseJsonText("{\"a\": }").status, JsonTextStatus::SyntaxError);
    EXPECT_EQ(parseJsonText("").status, JsonTextStatus::SyntaxError);
    // Numbers beyond a double make the document unusable, not the reader crash.
    EXPECT_EQ(parseJsonText("[1e400]").status, JsonTextStatus::SyntaxError);
}

TEST(JsonTextTest, Utf8RepairReplacesEveryBadByteOnly) {
    const std::string fffd = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> cases[] = {
        {"plain ascii", "plain ascii"},
        {"\xC3\xA9\xE2\x9C\x93\xF0\x9F\x98\x80", "\xC3\xA9\xE2\x9C\x93\xF0\x9F\x98\x80"},
        {"a\xE9z", "a" + fffd + "z"},                     // a Latin-1 byte
        {"\xC0\xAF", fffd + fffd},                        // overlong "/"
        {"\xED\xA0\x80", fffd + fffd + fffd},             // a surrogate
        {"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},  // beyond U+10FFFF
        {"\xE2\x9C", fffd + fffd},                        // cut short at the end
        {"\xE2(\x93", fffd + "(" + fffd},
    };
    for (const auto& [input, expected] : cases) {
        std::string text = input;
        EXPECT_EQ(repairUtf8(text), input != expected);
        EXPECT_EQ(text, expected);
    }
    const JsonText parsed = parseJsonText("[\"a\xE9\"]");
    EXPECT_EQ(parsed.status, JsonTextStatus::RepairedUtf8);
    EXPECT_EQ(parsed.value[0], "a" + fffd);
}

TEST(JsonTextTest, DumpReplacesInvalidUtf8InsteadOfThrowing) {
    const nlohmann::json value = {{"k\xFF", "v\xC3"}};
    EXPECT_EQ(dumpJsonText(value, -1), "{\"k\xEF\xBF\xBD\":\"v\xEF\xBF\xBD\"}");
    EXPECT_EQ(dumpJsonText(nlohmann::json::array({1}), 2), "[\n  1\n]");
}

TEST(JsonTextTest, AppendedTextReadsAsPartOfTheEnclosingDocument) {
    const nlohmann::json element = {
        {"a", {1, 2}}, {"b", "line\nbreak"}, {"c", nlohmann::json::object()}};
    const nlohmann::json document = {{"list", {element}}};
    std::string text = "{\n  \"list\": [\n    ";
    appendJsonText(text, element, 2);
    text += "\n  ]\n}";
    EXPECT_EQ(text, dumpJsonText(document, 2));
}

TEST(JsonTextTest, UnreadableFiles) {
    EXPECT_EQ(readJsonFile("/nonexistent/x.json").status, JsonTextStatus::Unreadable);
    EXPECT_EQ(readJsonFile("/").status, JsonTextStatus::Unreadable);
}

}  // namespace
