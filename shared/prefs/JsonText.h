#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

// Reading and writing JSON text without exceptions, for files that users and
// other programs may have damaged. The JSON library's serialiser and
// comparisons recurse once per nesting level, so documents nested deeper than
// this are refused before they are parsed.
inline constexpr std::size_t kMaxJsonNesting = 512;

enum class JsonTextStatus {
    Parsed,
    // Parsed after every byte that was not valid UTF-8 became U+FFFD: the
    // document is usable, but the original bytes differ from what a save writes.
    RepairedUtf8,
    Unreadable,
    TooDeep,
    SyntaxError,
};

struct JsonText {
    JsonTextStatus status = JsonTextStatus::SyntaxError;
    nlohmann::json value;

    bool usable() const {
        return status == JsonTextStatus::Parsed || status == JsonTextStatus::RepairedUtf8;
    }
};

JsonText parseJsonText(std::string text);

// The whole file parsed as by parseJsonText; Unreadable when it cannot be read.
JsonText readJsonFile(const std::string& path);

// indent < 0 writes compact text. Strings that hold invalid UTF-8 are written
// with U+FFFD in place of the bad bytes instead of failing the whole document.
std::string dumpJsonText(const nlohmann::json& value, int indent);

// Appends dumpJsonText(value, 2) as it reads at that depth of a larger
// document written with indent 2: every line after the first indented by
// another 2 * depth blanks.
void appendJsonText(std::string& out, const nlohmann::json& value, std::size_t depth);

// The deepest nesting of arrays and objects, brackets inside strings skipped.
// Stops counting once the depth passes limit.
std::size_t jsonNestingDepth(std::string_view text, std::size_t limit);

// Replaces every byte that does not belong to a well-formed UTF-8 sequence by
// U+FFFD; returns whether anything was replaced.
bool repairUtf8(std::string& text);
