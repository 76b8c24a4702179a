#include "shared/prefs/NameTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "shared/prefs/TextUtils.h"

namespace {

struct NameTable {
    const char* label;
    int32_t rows;
    std::string (*nameOf)(int32_t);
    int32_t (*numberOf)(std::string_view);
};

const NameTable kTables[] = {
    {"language", 12, languageCodeFromIndex, languageIndexFromCode},
    {"control", 60, controlNameFromIndex, controlIndexFromName},
    {"model", 3, deviceModelName, deviceModelFromName},
    {"type", 2, deviceTypeName, deviceTypeFromName},
    {"action type", 29, actionTypeNameFromType, actionTypeFromName},
};

std::string upperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// A duplicate or a misplaced row shows up as a name that maps back to another
// number; any case must find the row.
TEST(NameTablesTest, EveryNameMapsBackToItsNumber) {
    for (const auto& table : kTables) {
        for (int32_t number = 0; number < table.rows; ++number) {
            const std::string name = table.nameOf(number);
            EXPECT_FALSE(name.empty()) << table.label << " " << number;
            EXPECT_EQ(table.numberOf(name), number) << table.label << " " << name;
            EXPECT_EQ(table.numberOf(upperAscii(name)), number) << table.label << " " << name;
            EXPECT_EQ(table.numberOf(toLowerAscii(name)), number) << table.label << " " << name;
        }
    }
}

std::string zoneText(int zone) {
    return std::to_string(zone);
}

std::string transitionName(int from, int to) {
    return "DeviceJogWheelTransition_" + zoneText(from) + "to" + zoneText(to);
}

TEST(NameTablesTest, ControlNamesFollowTheControllerLayout) {
    for (int button = 1; button <= 15; ++button) {
        EXPECT_EQ(controlNameFromIndex(button - 1), "DeviceButton_" + std::to_string(button));
    }
    EXPECT_EQ(controlNameFromIndex(15), "DeviceDialLeft");
    EXPECT_EQ(controlNameFromIndex(16), "DeviceDialRight");
    for (int zone = -7; zone <= 7; ++zone) {
        EXPECT_EQ(controlNameFromIndex(24 + zone), "DeviceJogWheelZone" + zoneText(zone));
    }
    for (int k = 0; k < 14; ++k) {
        std::string outward = transitionName(k - 7, k - 6);
        // Files in the field spell the step from -1 to 0 with a signed zero.
        if (k == 6) {
            outward = "DeviceJogWheelTransition_-1to-0";
        }
        EXPECT_EQ(controlNameFromIndex(32 + k), outward) << k;
        EXPECT_EQ(controlNameFromIndex(46 + k), transitionName(7 - k, 6 - k)) << k;
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
