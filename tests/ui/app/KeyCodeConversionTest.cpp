#include "ui/app/KeyCodeConversion.h"

#include <gtest/gtest.h>

#include <Qt>
#include <set>
#include <string>
#include <vector>

#include "shared/prefs/KeyNames.h"

namespace {

struct KeyCase {
    const char* what;
    int32_t uiKey;
    int32_t keyCode;
    // The window code that the stored code reads back as.
    int32_t readBack;
};

// Keys as the capture field and the key list yield them.
const KeyCase kKeyCases[] = {
    {"letter", 'Q', 'Q', 'Q'},
    {"digit", '7', '7', '7'},
    {"equals", 61, 20000187, 61},
    {"semicolon", 59, 186, 59},
    {"grave accent", 96, 192, 96},
    {"keypad 0", 134, 20000096, 134},
    {"keypad 9", 143, 20000105, 143},
    {"keypad asterisk", 128, 10000106, 128},
    {"keypad plus", 129, 10000107, 129},
    {"keypad minus", 131, 10000109, 131},
    {"keypad full stop", 132, 10000110, 132},
    {"keypad slash", 133, 10000111, 133},
    {"keypad Enter", Qt::Key_Enter, 10000010, Qt::Key_Enter},
    {"F5", Qt::Key_F5, 10000116, Qt::Key_F5},
    {"F24", Qt::Key_F24, 10000135, Qt::Key_F24},
    {"space", Qt::Key_Space, 10000032, Qt::Key_Space},
    {"Backspace", Qt::Key_Backspace, 10000008, Qt::Key_Backspace},
    {"Print Screen", Qt::Key_Print, 10000044, Qt::Key_Print},
    {"Clear", Qt::Key_Clear, 10000012, Qt::Key_Clear},
    {"Applications", Qt::Key_Menu, 10000093, Qt::Key_Menu},
    {"browser Favorites", Qt::Key_Favorites, 10000171, Qt::Key_Favorites},
    {"media Play", Qt::Key_MediaPlay, 10000179, Qt::Key_MediaPlay},
    {"Play", Qt::Key_Play, 10000250, Qt::Key_Play},
    {"mail", Qt::Key_LaunchMail, 10000180, Qt::Key_LaunchMail},
    {"Num Lock", Qt::Key_NumLock, 10000144, Qt::Key_NumLock},
    {"exclamation mark", '!', '!', '!'},
    {"asterisk", '*', '*', '*'},
    {"tilde", '~', '~', '~'},
    // "KEY_;" beside "KEY_SEMICOLON": the bare character has a window code of its own.
    {"bare semicolon", 30000059, ';', 30000059},
    // The key list names keypad keys and keys without a Qt key by
    // 20000000 plus the virtual key.
    {"key list keypad 0", 20000096, 20000096, 134},
    {"key list keypad 9", 20000105, 20000105, 143},
    {"key list decimal", 20000110, 10000110, 132},
    {"key list multiply", 20000106, 10000106, 128},
    {"key list separator", 20000108, 10000108, 20000108},
    {"key list keypad Enter", 20000010, 10000010, Qt::Key_Enter},
    {"key list Erase EOF", 20000249, 10000249, 20000249},
    {"key list PA1", 20000253, 10000253, 20000253},
    // Keys that the key names cannot hold are stored as no key.
    {"unknown", Qt::Key_unknown, 0, 0},
    {"keypad comma", 130, 0, 0},
    {"Windows key", Qt::Key_Meta, 0, 0},
    {"virtual key without a name", 20000200, 0, 0},
};

TEST(KeyCodeConversionTest, KeysOfTheWindowSaveUnderTheirNamesAndReadBack) {
    for (const KeyCase& key : kKeyCases) {
        SCOPED_TRACE(key.what);
        const int32_t keyCode = KeyCodeConversion::keyCodeFromUiKey(key.uiKey);
        EXPECT_EQ(keyCode, key.keyCode);
        EXPECT_EQ(KeyCodeConversion::uiKeyFromKeyCode(keyCode), key.readBack);
        if (keyCode != 0) {
            EXPECT_FALSE(keyNameFromCode(keyCode).empty());
        }
    }
}

TEST(KeyCodeConversionTest, EveryKeyNameReadsAsItsOwnWindowCodeAndSavesAsItself) {
    std::set<int32_t> uiKeys;
    for (const auto& [name, keyCode] : keyNameTable()) {
        SCOPED_TRACE(name);
        const int32_t uiKey = KeyCodeConversion::uiKeyFromKeyCode(keyCode);
        EXPECT_NE(uiKey, 0);
        EXPECT_TRUE(uiKeys.insert(uiKey).second) << "window code " << uiKey << " taken twice";
        EXPECT_EQ(keyNameFromCode(KeyCodeConversion::keyCodeFromUiKey(uiKey)), name);
    }
    EXPECT_EQ(uiKeys.size(), 193u);
}

TEST(KeyCodeConversionTest, CodesWithoutAKeyReadAsNoKey) {
    for (int64_t keyCode :
         {int64_t{0}, int64_t{20000108}, int64_t{10000256}, int64_t{-5}, int64_t{1} << 40}) {
        SCOPED_TRACE(keyCode);
        EXPECT_EQ(KeyCodeConversion::uiKeyFromKeyCode(keyCode), 0);
    }
    // Virtual keys that the table names by their character have no window code.
    EXPECT_EQ(KeyCodeConversion::uiKeyFromKeyCode(10000186), 0);
}

TEST(KeyCodeConversionTest, VirtualKeyTableNamesKeysOfEachKind) {
    const KeyCodeConversion::VirtualKeyTable& table = KeyCodeConversion::virtualKeyToQtKey();
    const std::vector<std::pair<size_t, int32_t>> entries = {
        {3, Qt::Key_Cancel},
        {13, Qt::Key_Return},
        {31, Qt::Key_Mode_switch},
        {47, Qt::Key_Help},
        {48, 0},
        {90, 0},
        {92, Qt::Key_Meta},
        {96, Qt::Key_0},
        {110, Qt::Key_unknown},
        {111, Qt::Key_Slash},
        {135, Qt::Key_F24},
        {146, 0},
        {148, Qt::Key_Touroku},
        {160, Qt::Key_Shift},
        {183, Qt::Key_Launch1},
        {184, Qt::Key_unknown},
        {192, 0},
        {223, 0},
        {251, Qt::Key_Zoom},
        {254, Qt::Key_Clear},
        {255, 0},
    };
    for (const auto& [virtualKey, qtKey] : entries) {
        SCOPED_TRACE(virtualKey);
        EXPECT_EQ(table[virtualKey], qtKey);
    }
}

}  // namespace
