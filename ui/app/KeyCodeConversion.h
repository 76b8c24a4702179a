#pragma once

#include <array>
#include <cstdint>
#include <map>

// The window names keys by Qt key codes, with a few conventions of its own:
// keypad keys are their Qt key plus 86 (128-143), and a key that Qt has no
// name for is 20000000 plus its Windows virtual-key code. The preference model
// names keys by the key-name table's codes (shared/prefs/KeyNames). This class
// converts between the two.
//
// Every code of the key-name table reads as exactly one window code and is
// written back as itself, so an edit never renames a key it did not change.
// Where the key names hold a character twice ("KEY_;" beside "KEY_SEMICOLON",
// which is the key the window's ";" saves as), the bare character reads as
// 30000000 plus its code.
class KeyCodeConversion {
public:
    // Window code -> model code of the keys whose window code is not the
    // virtual key's Qt key: punctuation, "=" and the keypad.
    using QtKeyTable = std::map<int32_t, int32_t>;
    // Windows virtual-key code -> Qt key; 0 where the key is named by its
    // character, Qt::Key_unknown where Qt has no such key.
    using VirtualKeyTable = std::array<int32_t, 256>;

    static const QtKeyTable& qtKeyToKeyCode();
    static const VirtualKeyTable& virtualKeyToQtKey();

    // The window code of a model key code; 0 for a code that names no key.
    static int32_t uiKeyFromKeyCode(int64_t keyCode);
    // The model key code of a window code: the key-name table's code of that
    // key, 0 when the key has no name there.
    static int32_t keyCodeFromUiKey(int32_t uiKey);
};
