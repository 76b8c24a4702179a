#include "shared/prefs/NameTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "shared/prefs/TextUtils.h"

namespace {

struct Row {
    int32_t number;
    const char* name;
};

// The tables as the settings file, the command line, the preference files and the agent
// link carry them, row by row. Action-type names are written as their table spells them;
// the files hold them in lower case.
const Row kLanguageCodes[] = {
    {0, "en"}, {1, "fr"}, {2, "de"}, {3, "it"}, {4, "ja"},  {5, "nl"},
    {6, "pt"}, {7, "es"}, {8, "no"}, {9, "se"}, {10, "fi"}, {11, "da"},
};

const Row kControlNames[] = {
    {0, "DeviceButton_1"},
    {1, "DeviceButton_2"},
    {2, "DeviceButton_3"},
    {3, "DeviceButton_4"},
    {4, "DeviceButton_5"},
    {5, "DeviceButton_6"},
    {6, "DeviceButton_7"},
    {7, "DeviceButton_8"},
    {8, "DeviceButton_9"},
    {9, "DeviceButton_10"},
    {10, "DeviceButton_11"},
    {11, "DeviceButton_12"},
    {12, "DeviceButton_13"},
    {13, "DeviceButton_14"},
    {14, "DeviceButton_15"},
    {15, "DeviceDialLeft"},
    {16, "DeviceDialRight"},
    {17, "DeviceJogWheelZone-7"},
    {18, "DeviceJogWheelZone-6"},
    {19, "DeviceJogWheelZone-5"},
    {20, "DeviceJogWheelZone-4"},
    {21, "DeviceJogWheelZone-3"},
    {22, "DeviceJogWheelZone-2"},
    {23, "DeviceJogWheelZone-1"},
    {24, "DeviceJogWheelZone0"},
    {25, "DeviceJogWheelZone1"},
    {26, "DeviceJogWheelZone2"},
    {27, "DeviceJogWheelZone3"},
    {28, "DeviceJogWheelZone4"},
    {29, "DeviceJogWheelZone5"},
    {30, "DeviceJogWheelZone6"},
    {31, "DeviceJogWheelZone7"},
    {32, "DeviceJogWheelTransition_-7to-6"},
    {33, "DeviceJogWheelTransition_-6to-5"},
    {34, "DeviceJogWheelTransition_-5to-4"},
    {35, "DeviceJogWheelTransition_-4to-3"},
    {36, "DeviceJogWheelTransition_-3to-2"},
    {37, "DeviceJogWheelTransition_-2to-1"},
    {38, "DeviceJogWheelTransition_-1to-0"},
    {39, "DeviceJogWheelTransition_0to1"},
    {40, "DeviceJogWheelTransition_1to2"},
    {41, "DeviceJogWheelTransition_2to3"},
    {42, "DeviceJogWheelTransition_3to4"},
    {43, "DeviceJogWheelTransition_4to5"},
    {44, "DeviceJogWheelTransition_5to6"},
    {45, "DeviceJogWheelTransition_6to7"},
    {46, "DeviceJogWheelTransition_7to6"},
    {47, "DeviceJogWheelTransition_6to5"},
    {48, "DeviceJogWheelTransition_5to4"},
    {49, "DeviceJogWheelTransition_4to3"},
    {50, "DeviceJogWheelTransition_3to2"},
    {51, "DeviceJogWheelTransition_2to1"},
    {52, "DeviceJogWheelTransition_1to0"},
    {53, "DeviceJogWheelTransition_0to-1"},
    {54, "DeviceJogWheelTransition_-1to-2"},
    {55, "DeviceJogWheelTransition_-2to-3"},
    {56, "DeviceJogWheelTransition_-3to-4"},
    {57, "DeviceJogWheelTransition_-4to-5"},
    {58, "DeviceJogWheelTransition_-5to-6"},
    {59, "DeviceJogWheelTransition_-6to-7"},
};

const Row kDeviceModelNames[] = {{0, "all"}, {1, "whirlenmax"}, {2, "whirlenlite"}};

const Row kDeviceTypeNames[] = {{0, "all"}, {1, "whirlen"}};

const Row kActionTypeNames[] = {
    {0, "disabled"},
    {1, "click"},
    {2, "right_click"},
    {3, "middle_click"},
    {4, "fourth_click"},
    {5, "fifth_click"},
    {6, "double_click"},
    {7, "triple_click"},
    {8, "click_lock"},
    {9, "right_double_click"},
    {10, "right_click_lock"},
    {11, "command"},
    {12, "keypress"},
    {13, "volume_up"},
    {14, "volume_down"},
    {15, "mute"},
    {16, "BrightnessUp"},
    {17, "BrightnessDown"},
    {18, "scroll_up"},
    {19, "scroll_down"},
    {20, "ScrollLeft"},
    {21, "ScrollRight"},
    {22, "Use_Default_Setting"},
    {23, "Same_As_Lower_Value"},
    {24, "Open_File"},
    {25, "Run_Macro"},
    {26, "Mouse_And_System_Controls"},
    {27, "TypeText"},
    {28, "Switch_To_Profile"},
};

struct NameTable {
    const char* label;
    std::span<const Row> rows;
    std::string (*nameOf)(int32_t);
    int32_t (*numberOf)(std::string_view);
};

const NameTable kTables[] = {
    {"language", kLanguageCodes, languageCodeFromIndex, languageIndexFromCode},
    {"control", kControlNames, controlNameFromIndex, controlIndexFromName},
    {"model", kDeviceModelNames, deviceModelName, deviceModelFromName},
    {"type", kDeviceTypeNames, deviceTypeName, deviceTypeFromName},
    {"action type", kActionTypeNames, actionTypeNameFromType, actionTypeFromName},
};

std::string upperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// Each row read both ways: its number gives its name, and its name in any case gives its
// number. The lookups' answers outside the tables are checked below.
TEST(NameTablesTest, EveryRowReadsBothWays) {
    for (const auto& table : kTables) {
        for (const Row& row : table.rows) {
            SCOPED_TRACE(std::string(table.label) + " " + std::to_string(row.number));
            const std::string written =
                table.nameOf == actionTypeNameFromType ? toLowerAscii(row.name) : row.name;
            EXPECT_EQ(table.nameOf(row.number), written);
            EXPECT_EQ(table.numberOf(row.name), row.number);
            EXPECT_EQ(table.numberOf(upperAscii(row.name)), row.number);
            EXPECT_EQ(table.numberOf(toLowerAscii(row.name)), row.number);
        }
    }
}

struct ByNameCase {
    int32_t (*lookup)(std::string_view);
    std::string_view name;
    int32_t expected;
};

TEST(NameTablesTest, NameLookupsFoldCaseButNeverTrimOrGuess) {
    const ByNameCase cases[] = {
        {controlIndexFromName, "devicejogwheelzone-7", 17},
        {controlIndexFromName, "", 60},
        {controlIndexFromName, "DeviceJogWheelTransition_-1to0", 60},
        {controlIndexFromName, "DeviceJogWheelTransition_0to-1", 53},
        {controlIndexFromName, "DeviceButton_1 ", 60},
        {controlIndexFromName, "DeviceButton_16", 60},
        {deviceModelFromName, "WhirlenMax", 1},
        {deviceModelFromName, " whirlenmax", 0},
        {deviceModelFromName, "all", 0},
        {deviceModelFromName, "", 0},
        {deviceModelFromName, "MXV2", 0},
        {deviceTypeFromName, "WHIRLEN", 1},
        {deviceTypeFromName, "", 0},
        {deviceTypeFromName, "whirlenmax", 0},
        {languageIndexFromCode, "SE", 9},
        {languageIndexFromCode, "sv", 0},
        {languageIndexFromCode, "", 0},
        {languageIndexFromCode, "DA", 11},
        {actionTypeFromName, "brightnessup", 16},
        {actionTypeFromName, "SWITCH_TO_PROFILE", 28},
        {actionTypeFromName, "", 29},
        {actionTypeFromName, "brightness_up", 29},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.lookup(c.name), c.expected) << '"' << c.name << '"';
    }
}

struct ByNumberCase {
    std::string (*lookup)(int32_t);
    int32_t number;
    std::string expected;
};

TEST(NameTablesTest, NumberLookupsFallBackOutsideTheirTables) {
    const ByNumberCase cases[] = {
        {controlNameFromIndex, 38, "DeviceJogWheelTransition_-1to-0"},
        {controlNameFromIndex, 60, ""},
        {controlNameFromIndex, -1, ""},
        {controlNameFromIndex, INT32_MIN, ""},
        {languageCodeFromIndex, 8, "no"},
        {languageCodeFromIndex, 12, "en"},
        {languageCodeFromIndex, -1, "en"},
        {deviceModelName, 0, "all"},
        {deviceModelName, 3, ""},
        {deviceModelName, -1, ""},
        {deviceTypeName, 2, ""},
        {deviceTypeName, -1, ""},
        {deviceModelCode, 1, "MXV2"},
        {deviceModelCode, 2, "LYTE"},
        {deviceModelCode, 0, ""},
        {deviceModelCode, 3, ""},
        {actionTypeNameFromType, 16, "brightnessup"},
        {actionTypeNameFromType, 22, "use_default_setting"},
        {actionTypeNameFromType, 28, "switch_to_profile"},
        {actionTypeNameFromType, 29, ""},
        {actionTypeNameFromType, -1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.lookup(c.number), c.expected) << c.number;
    }
}

TEST(NameTablesTest, DriverDeviceIdsWithoutValueGiveZero) {
    const std::pair<int32_t, int32_t> cases[] = {
        {5, 48}, {6, 32}, {0, 0}, {4, 0}, {7, 0}, {-1, 0}, {48, 0},
    };
    for (const auto& [id, value] : cases) {
        EXPECT_EQ(lookupStaticIntMap(id), value) << id;
    }
}

TEST(NameTablesTest, RangeChecksRejectNegatives) {
    EXPECT_TRUE(isValidControlIndex(0));
    EXPECT_TRUE(isValidControlIndex(59));
    EXPECT_FALSE(isValidControlIndex(60));
    EXPECT_FALSE(isValidControlIndex(-1));
    EXPECT_FALSE(isValidControlIndex(INT32_MIN));
    EXPECT_TRUE(isValidDeviceModel(2));
    EXPECT_FALSE(isValidDeviceModel(3));
    EXPECT_FALSE(isValidDeviceModel(-1));
    EXPECT_TRUE(isValidDeviceType(1));
    EXPECT_FALSE(isValidDeviceType(2));
    EXPECT_FALSE(isValidDeviceType(-1));
}

std::vector<int32_t> range(int32_t first, int32_t last) {
    std::vector<int32_t> list;
    for (int32_t i = first; i <= last; ++i) {
        list.push_back(i);
    }
    return list;
}

TEST(NameTablesTest, ModelControlListsMatchTheHardware) {
    EXPECT_EQ(modelControlList(1), range(0, 59));
    std::vector<int32_t> lite = range(0, 4);
    const std::vector<int32_t> dialAndWheel = range(15, 59);
    lite.insert(lite.end(), dialAndWheel.begin(), dialAndWheel.end());
    EXPECT_EQ(modelControlList(2), lite);
    EXPECT_TRUE(modelControlList(0).empty());
    EXPECT_TRUE(modelControlList(3).empty());
    EXPECT_TRUE(modelControlList(-1).empty());
}

TEST(NameTablesTest, ModelHasOnlyItsOwnControls) {
    struct Case {
        int32_t model, index;
        bool has;
    };
    const Case cases[] = {
        {1, 0, true},   {1, 14, true},  {1, 59, true}, {1, 60, false},
        {1, -1, false}, {2, 4, true},   {2, 5, false}, {2, 7, false},
        {2, 14, false}, {2, 15, true},  {2, 59, true}, {2, 60, false},
        {0, 0, false},  {0, 15, false}, {3, 0, false}, {-1, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(modelHasControl(c.model, c.index), c.has) << c.model << "/" << c.index;
    }
}

TEST(NameTablesTest, OnlyRealModelsBelongToADeviceType) {
    struct Case {
        int32_t type, model;
        bool belongs;
    };
    const Case cases[] = {
        {1, 1, true},  {1, 2, true},  {0, 1, false}, {1, 0, false},
        {0, 0, false}, {2, 1, false}, {1, 3, false}, {-1, 1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isModelOfDeviceType(c.type, c.model), c.belongs) << c.type << "/" << c.model;
    }
}

}  // namespace
