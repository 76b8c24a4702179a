#include "shared/prefs/JsonText.h"

#include "shared/prefs/FileUtils.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool inRange(std::string_view text, std::size_t index, unsigned char low, unsigned char high) {
    if (index >= text.size()) {
        return false;
    }
    const auto byte = static_cast<unsigned char>(text[index]);
    return byte >= low && byte <= high;
}

// Length of the well-formed sequence that starts at index, 0 when there is
// none (the table of well-formed byte sequences of the Unicode standard).
std::size_t wellFormedLength(std::string_view text, std::size_t index) {
    const auto lead = static_cast<unsigned char>(text[index]);
    if (lead < 0x80) {
        return 1;
    }
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (!inRange(text, index + 1, secondLow, secondHigh)) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (!inRange(text, index + k, 0x80, 0xBF)) {
            return 0;
        }
    }
    return length;
}

std::size_t firstInvalidUtf8(std::string_view text) {
    std::size_t index = 0;
    while (index < text.size()) {
        const std::size_t length = wellFormedLength(text, index);
        if (length == 0) {
            return index;
        }
        index += length;
    }
    return text.size();
}

}  // namespace

bool repairUtf8(std::string& text) {
    std::size_t index = firstInvalidUtf8(text);
    if (index == text.size()) {
        return false;
    }
    // Only damaged text pays for the copy.
    std::string repaired(text, 0, index);
    while (index < text.size()) {
        const std::size_t length = wellFormedLength(text, index);
        if (length == 0) {
            repaired += kReplacementCharacter;
            ++index;
        } else {
            repaired.append(text, index, length);
            index += length;
        }
    }
    text = std::move(repaired);
    return true;
}

std::size_t jsonNestingDepth(std::string_view text, std::size_t limit) {
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size() && deepest <= limit; ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

JsonText parseJsonText(std::string text) {
    JsonText result;
    if (jsonNestingDepth(text, kMaxJsonNesting) > kMaxJsonNesting) {
        result.status = JsonTextStatus::TooDeep;
        return result;
    }
    const bool repaired = repairUtf8(text);
    result.value = nlohmann::json::parse(text, nullptr, false);
    if (result.value.is_discarded()) {
        result.status = JsonTextStatus::SyntaxError;
        result.value = nullptr;
    } else {
        result.status = repaired ? JsonTextStatus::RepairedUtf8 : JsonTextStatus::Parsed;
    }
    return result;
}

JsonText readJsonFile(const std::string& path) {
    std::string text;
    if (!readWholeFile(path, text)) {
        return JsonText{JsonTextStatus::Unreadable, nullptr};
    }
    return parseJsonText(std::move(text));
}

std::string dumpJsonText(const nlohmann::json& value, int indent) {
    return value.dump(indent, ' ', false, nlohmann::json::error_handler_t::replace);
}

void appendJsonText(std::string& out, const nlohmann::json& value, std::size_t depth) {
    // Strings hold their line breaks escaped, so every raw one starts a line.
    const std::string text = dumpJsonText(value, 2);
    const std::string lineStart = "\n" + std::string(2 * depth, ' ');
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start)) {
        out.append(text, start, end - start);
        out += lineStart;
    }
    out.append(text, start, std::string::npos);
}
