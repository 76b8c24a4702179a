#include "shared/prefs/KeyNames.h"

#include <array>

#include "shared/prefs/NameTables.h"

namespace {

constexpr int32_t kVirtualKeyBase = 10000000;
constexpr int32_t kKeypadKeyBase = 20000000;

struct NamedKey {
    const char* name;
    int32_t code;
};

// Keys with names of their own; the keypad operators stay in the virtual-key
// range, the punctuation keys keep their bare virtual-key codes.
constexpr std::array<NamedKey, 65> kNamedKeys = {{
    {"MULTIPLY", 10000106},
    {"ADD", 10000107},
    {"SEPARATOR", 10000108},
    {"SUBSTRACT", 10000109},
    {"DECIMAL", 10000110},
    {"DIVIDE", 10000111},
    {"NUMLOCK", 10000144},
    {"NUMPADENTER", 10000010},
    {"APPS", 10000093},
    {"TAB", 10000009},
    {"ENTER", 10000013},
    {"SCROLLLOCK", 10000145},
    {"ESCAPE", 10000027},
    {"SNAPSHOT", 10000044},
    {"PAUSE", 10000019},
    {"HELP", 10000047},
    {"EXECUTE", 10000043},
    {"SELECT", 10000041},
    {"CLEAR", 10000012},
    {"PLAY", 10000250},
    {"VOLUMEUP", 10000175},
    {"VOLUMEDOWN", 10000174},
    {"MUTE", 10000173},
    {"ZOOM", 10000251},
    {"ERASEEOF", 10000249},
    {"ATTN", 10000246},
    {"CRSEL", 10000247},
    {"EXSEL", 10000248},
    {"PA1", 10000253},
    {"LAUNCHMAIL", 10000180},
    {"BROWSERBACK", 10000166},
    {"BROWSERFORWARD", 10000167},
    {"BROWSERREFRESH", 10000168},
    {"BROWSERSTOP", 10000169},
    {"BROWSERSEARCH", 10000170},
    {"BROWSERFAVORITES", 10000171},
    {"BROWSERHOME", 10000172},
    {"MEDIAPLAYPAUSE", 10000179},
    {"MEDIASTOP", 10000178},
    {"MEDIANEXT", 10000176},
    {"MEDIAPREV", 10000177},
    {"CAPSLOCK", 10000020},
    {"SPACE", 10000032},
    {"UP", 10000038},
    {"DOWN", 10000040},
    {"LEFT", 10000037},
    {"RIGHT", 10000039},
    {"PAGEUP", 10000033},
    {"PAGEDOWN", 10000034},
    {"HOME", 10000036},
    {"END", 10000035},
    {"INSERT", 10000045},
    {"DELETE", 10000046},
    {"BACK", 10000008},
    {"QUOTELEFT", 192},
    {"SEMICOLON", 186},
    {"SLASH", 191},
    {"COMMA", 188},
    {"MINUS", 189},
    {"PERIOD", 190},
    {"PLUS", 187},
    {"BRACKETLEFT", 219},
    {"BACKSLASH", 220},
    {"BRACKETRIGHT", 221},
    {"APOSTROPHE", 222},
}};

KeyNameTable buildKeyNameTable() {
    KeyNameTable table;
    for (int32_t c = 33; c <= 126; ++c) {
        table.emplace(std::string("KEY_") + static_cast<char>(c), c);
    }
    // "=" shares its virtual key with the keypad's, so it lives in that range.
    table["KEY_="] = kKeypadKeyBase + 187;
    for (int32_t n = 1; n <= 24; ++n) {
        table["KEY_F" + std::to_string(n)] = kVirtualKeyBase + 111 + n;
    }
    for (char digit = '0'; digit <= '9'; ++digit) {
        table[std::string("KEY_NUMPAD") + digit] = kKeypadKeyBase + 48 + digit;
    }
    for (const NamedKey& key : kNamedKeys) {
        table[std::string("KEY_") + key.name] = key.code;
    }
    return table;
}

}  // namespace

const KeyNameTable& keyNameTable() {
    static const KeyNameTable table = buildKeyNameTable();
    return table;
}

int32_t keyCodeFromName(std::string_view name) {
    const KeyNameTable& table = keyNameTable();
    const auto found = table.find(name);
    return found == table.end() ? 0 : found->second;
}

std::string keyNameFromCode(int32_t code) {
    if (code == 0) {
        return {};
    }
    for (const auto& [name, value] : keyNameTable()) {
        if (value == code) {
            return name;
        }
    }
    return {};
}

std::string modelScopedName(std::string_view baseText, int32_t deviceModel) {
    if (baseText.empty()) {
        return {};
    }
    std::string scoped = deviceModelCode(deviceModel);
    for (char c : baseText) {
        if (c != '_') {
            scoped += c;
        }
    }
    return scoped;
}
