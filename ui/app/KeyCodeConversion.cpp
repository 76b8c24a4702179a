#include "ui/app/KeyCodeConversion.h"

#include <Qt>
#include <initializer_list>
#include <utility>

#include "shared/prefs/KeyNames.h"

namespace {

constexpr int32_t kVirtualKeyBase = 10000000;
constexpr int32_t kKeypadKeyBase = 20000000;
// The window's own name for a virtual key that Qt cannot name.
constexpr int32_t kUiVirtualKeyBase = 20000000;
// A character that the key names also hold under its punctuation key's name
// ("KEY_;" beside "KEY_SEMICOLON"): the window code of the character itself
// is the punctuation key's, so the character gets a code of its own here.
constexpr int32_t kUiCharacterBase = 30000000;
constexpr int32_t kFirstPrintable = 33;
constexpr int32_t kLastPrintable = 126;

bool isLetterOrDigit(int64_t code) {
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z');
}

bool isPrintable(int64_t code) {
    return code >= kFirstPrintable && code <= kLastPrintable;
}

bool isNamed(int32_t keyCode) {
    return !keyNameFromCode(keyCode).empty();
}

KeyCodeConversion::QtKeyTable buildQtKeyTable() {
    static constexpr std::pair<int32_t, int32_t> kPairs[] = {
        {96, 192},       // grave accent
        {59, 186},       // semicolon
        {47, 191},       // slash
        {44, 188},       // comma
        {45, 189},       // minus
        {46, 190},       // full stop
        {43, 187},       // plus
        {91, 219},       // left bracket
        {92, 220},       // backslash
        {93, 221},       // right bracket
        {39, 222},       // apostrophe
        {61, 20000187},  // equals
        // The keypad operators are in the key names' virtual-key range, the
        // digits in their keypad range.
        {128, 10000106},            // keypad asterisk
        {129, 10000107},            // keypad plus
        {131, 10000109},            // keypad minus
        {133, 10000111},            // keypad slash
        {132, 10000110},            // keypad full stop
        {134, 20000096},            // keypad 0
        {135, 20000097},            // keypad 1
        {136, 20000098},            // keypad 2
        {137, 20000099},            // keypad 3
        {138, 20000100},            // keypad 4
        {139, 20000101},            // keypad 5
        {140, 20000102},            // keypad 6
        {141, 20000103},            // keypad 7
        {142, 20000104},            // keypad 8
        {143, 20000105},            // keypad 9
        {Qt::Key_Enter, 10000010},  // the capture field's keypad Enter
    };
    KeyCodeConversion::QtKeyTable table;
    for (const auto& [uiKey, keyCode] : kPairs) {
        table.emplace(uiKey, keyCode);
    }
    return table;
}

KeyCodeConversion::VirtualKeyTable buildVirtualKeyTable() {
    KeyCodeConversion::VirtualKeyTable table;
    table.fill(Qt::Key_unknown);
    const auto set = [&table](int32_t first, std::initializer_list<int32_t> keys) {
        for (int32_t key : keys) {
            table[static_cast<size_t>(first++)] = key;
        }
    };
    // Consecutive keys; a step of 0 names a whole range by character.
    const auto setRange = [&table](int32_t first, int32_t last, int32_t firstKey, int32_t step) {
        for (int32_t vk = first; vk <= last; ++vk) {
            table[static_cast<size_t>(vk)] = firstKey + step * (vk - first);
        }
    };
    set(3, {Qt::Key_Cancel});
    set(8, {Qt::Key_Backspace, Qt::Key_Tab});
    set(12, {Qt::Key_Clear, Qt::Key_Return});
    set(16, {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Pause, Qt::Key_CapsLock});
    set(27, {Qt::Key_Escape});
    set(31, {Qt::Key_Mode_switch, Qt::Key_Space, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End,
             Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Select,
             Qt::Key_Printer, Qt::Key_Execute, Qt::Key_Print, Qt::Key_Insert, Qt::Key_Delete,
             Qt::Key_Help});
    setRange(48, 57, 0, 0);
    setRange(65, 90, 0, 0);
    set(91, {Qt::Key_Meta, Qt::Key_Meta, Qt::Key_Menu});
    set(95, {Qt::Key_Sleep});
    setRange(96, 105, Qt::Key_0, 1);
    set(106, {Qt::Key_Asterisk, Qt::Key_Plus});
    set(109, {Qt::Key_Minus});
    set(111, {Qt::Key_Slash});
    setRange(112, 135, Qt::Key_F1, 1);
    set(144, {Qt::Key_NumLock, Qt::Key_ScrollLock, 0, Qt::Key_Massyo, Qt::Key_Touroku, 0, 0});
    set(160, {Qt::Key_Shift,      Qt::Key_Shift,         Qt::Key_Control,    Qt::Key_Control,
              Qt::Key_Alt,        Qt::Key_Alt,           Qt::Key_Back,       Qt::Key_Forward,
              Qt::Key_Refresh,    Qt::Key_Stop,          Qt::Key_Search,     Qt::Key_Favorites,
              Qt::Key_HomePage,   Qt::Key_VolumeMute,    Qt::Key_VolumeDown, Qt::Key_VolumeUp,
              Qt::Key_MediaNext,  Qt::Key_MediaPrevious, Qt::Key_MediaStop,  Qt::Key_MediaPlay,
              Qt::Key_LaunchMail, Qt::Key_LaunchMedia,   Qt::Key_Launch0,    Qt::Key_Launch1});
    setRange(186, 192, 0, 0);
    setRange(219, 223, 0, 0);
    set(250, {Qt::Key_Play, Qt::Key_Zoom});
    set(254, {Qt::Key_Clear, 0});
    return table;
}

// The window code of a key-name table code that no earlier rule names.
int32_t uiKeyFromVirtualKey(int64_t keyCode) {
    const int64_t virtualKey = keyCode >= kVirtualKeyBase && keyCode < kKeypadKeyBase
                                   ? keyCode - kVirtualKeyBase
                                   : keyCode;
    if (virtualKey < 1 || virtualKey > 255) {
        return 0;
    }
    const int32_t qtKey = KeyCodeConversion::virtualKeyToQtKey()[static_cast<size_t>(virtualKey)];
    return qtKey != Qt::Key_unknown ? qtKey : kUiVirtualKeyBase + static_cast<int32_t>(virtualKey);
}

// Window code -> model code for every key of the key-name table, the read
// step turned round.
std::map<int32_t, int32_t> buildNamedUiKeys() {
    std::map<int32_t, int32_t> keys;
    for (const auto& [name, keyCode] : keyNameTable()) {
        keys.emplace(KeyCodeConversion::uiKeyFromKeyCode(keyCode), keyCode);
    }
    return keys;
}

// The model code of the window's name for a virtual key: the keypad range
// first (digits), then the virtual-key range (operators, Enter, Erase EOF...).
int32_t keyCodeFromUiVirtualKey(int32_t uiKey) {
    const int32_t virtualKey = uiKey - kUiVirtualKeyBase;
    if (virtualKey < 1 || virtualKey > 255) {
        return 0;
    }
    for (int32_t base : {kKeypadKeyBase, kVirtualKeyBase}) {
        if (isNamed(base + virtualKey)) {
            return base + virtualKey;
        }
    }
    return 0;
}

}  // namespace

const KeyCodeConversion::QtKeyTable& KeyCodeConversion::qtKeyToKeyCode() {
    static const QtKeyTable table = buildQtKeyTable();
    return table;
}

const KeyCodeConversion::VirtualKeyTable& KeyCodeConversion::virtualKeyToQtKey() {
    static const VirtualKeyTable table = buildVirtualKeyTable();
    return table;
}

int32_t KeyCodeConversion::uiKeyFromKeyCode(int64_t keyCode) {
    if (isLetterOrDigit(keyCode)) {
        return static_cast<int32_t>(keyCode);
    }
    for (const auto& [uiKey, modelCode] : qtKeyToKeyCode()) {
        if (modelCode == keyCode) {
            return uiKey;
        }
    }
    if (isPrintable(keyCode)) {
        const auto character = static_cast<int32_t>(keyCode);
        return qtKeyToKeyCode().contains(character) ? kUiCharacterBase + character : character;
    }
    return uiKeyFromVirtualKey(keyCode);
}

int32_t KeyCodeConversion::keyCodeFromUiKey(int32_t uiKey) {
    if (isLetterOrDigit(uiKey)) {
        return uiKey;
    }
    const auto fixed = qtKeyToKeyCode().find(uiKey);
    if (fixed != qtKeyToKeyCode().end()) {
        return fixed->second;
    }
    static const std::map<int32_t, int32_t> namedUiKeys = buildNamedUiKeys();
    const auto named = namedUiKeys.find(uiKey);
    if (named != namedUiKeys.end()) {
        return named->second;
    }
    return keyCodeFromUiVirtualKey(uiKey);
}
