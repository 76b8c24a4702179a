#include "shared/prefs/NameTables.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <span>

#include "shared/prefs/TextUtils.h"

namespace {

// Every table is constant-initialised: no static constructor runs, so no
// initialisation order between translation units can expose a table half built.

constexpr int32_t kNoControl = 60;
constexpr int32_t kUnsetActionType = 29;

// Row i holds the text of number i; iteration order is ascending number order.
using NameTable = std::span<const std::string_view>;

constexpr std::array<std::string_view, 12> kLanguageCodes{
    "en", "fr", "de", "it", "ja", "nl", "pt", "es", "no", "se", "fi", "da",
};

// Written out in full rather than generated: these texts are part of the
// preference file format, including the odd "-1to-0" of index 38.
constexpr std::array<std::string_view, kNoControl> kControlNames{
    "DeviceButton_1",
    "DeviceButton_2",
    "DeviceButton_3",
    "DeviceButton_4",
    "DeviceButton_5",
    "DeviceButton_6",
    "DeviceButton_7",
    "DeviceButton_8",
    "DeviceButton_9",
    "DeviceButton_10",
    "DeviceButton_11",
    "DeviceButton_12",
    "DeviceButton_13",
    "DeviceButton_14",
    "DeviceButton_15",
    "DeviceDialLeft",
    "DeviceDialRight",
    "DeviceJogWheelZone-7",
    "DeviceJogWheelZone-6",
    "DeviceJogWheelZone-5",
    "DeviceJogWheelZone-4",
    "DeviceJogWheelZone-3",
    "DeviceJogWheelZone-2",
    "DeviceJogWheelZone-1",
    "DeviceJogWheelZone0",
    "DeviceJogWheelZone1",
    "DeviceJogWheelZone2",
    "DeviceJogWheelZone3",
    "DeviceJogWheelZone4",
    "DeviceJogWheelZone5",
    "DeviceJogWheelZone6",
    "DeviceJogWheelZone7",
    "DeviceJogWheelTransition_-7to-6",
    "DeviceJogWheelTransition_-6to-5",
    "DeviceJogWheelTransition_-5to-4",
    "DeviceJogWheelTransition_-4to-3",
    "DeviceJogWheelTransition_-3to-2",
    "DeviceJogWheelTransition_-2to-1",
    "DeviceJogWheelTransition_-1to-0",
    "DeviceJogWheelTransition_0to1",
    "DeviceJogWheelTransition_1to2",
    "DeviceJogWheelTransition_2to3",
    "DeviceJogWheelTransition_3to4",
    "DeviceJogWheelTransition_4to5",
    "DeviceJogWheelTransition_5to6",
    "DeviceJogWheelTransition_6to7",
    "DeviceJogWheelTransition_7to6",
    "DeviceJogWheelTransition_6to5",
    "DeviceJogWheelTransition_5to4",
    "DeviceJogWheelTransition_4to3",
    "DeviceJogWheelTransition_3to2",
    "DeviceJogWheelTransition_2to1",
    "DeviceJogWheelTransition_1to0",
    "DeviceJogWheelTransition_0to-1",
    "DeviceJogWheelTransition_-1to-2",
    "DeviceJogWheelTransition_-2to-3",
    "DeviceJogWheelTransition_-3to-4",
    "DeviceJogWheelTransition_-4to-5",
    "DeviceJogWheelTransition_-5to-6",
    "DeviceJogWheelTransition_-6to-7",
};

constexpr std::array<std::string_view, 3> kDeviceModelNames{"all", "whirlenmax", "whirlenlite"};

constexpr std::array<std::string_view, 2> kDeviceTypeNames{"all", "whirlen"};

// Model 0 stands for any model and has no code of its own.
constexpr std::array<std::string_view, 3> kDeviceModelCodes{"", "MXV2", "LYTE"};

constexpr std::array<std::string_view, kUnsetActionType> kActionTypeNames{
    "disabled",
    "click",
    "right_click",
    "middle_click",
    "fourth_click",
    "fifth_click",
    "double_click",
    "triple_click",
    "click_lock",
    "right_double_click",
    "right_click_lock",
    "command",
    "keypress",
    "volume_up",
    "volume_down",
    "mute",
    "BrightnessUp",
    "BrightnessDown",
    "scroll_up",
    "scroll_down",
    "ScrollLeft",
    "ScrollRight",
    "Use_Default_Setting",
    "Same_As_Lower_Value",
    "Open_File",
    "Run_Macro",
    "Mouse_And_System_Controls",
    "TypeText",
    "Switch_To_Profile",
};

struct IntRow {
    int32_t key;
    int32_t value;
};

constexpr std::array<IntRow, 2> kModelDeviceTypes{{{1, 1}, {2, 1}}};

constexpr std::array<IntRow, 2> kDriverDeviceIdValues{{{5, 48}, {6, 32}}};

// The dial and the jog wheel follow the buttons; the Lite has only the first
// five buttons but the same dial and wheel.
constexpr int32_t kFirstDialControl = 15;
constexpr int32_t kLiteButtonCount = 5;
constexpr std::size_t kLiteControlCount = kLiteButtonCount + (kNoControl - kFirstDialControl);

constexpr std::array<int32_t, kNoControl> kMaxControls = [] {
    std::array<int32_t, kNoControl> list{};
    std::iota(list.begin(), list.end(), 0);
    return list;
}();

constexpr std::array<int32_t, kLiteControlCount> kLiteControls = [] {
    std::array<int32_t, kLiteControlCount> list{};
    std::iota(list.begin(), list.begin() + kLiteButtonCount, 0);
    std::iota(list.begin() + kLiteButtonCount, list.end(), kFirstDialControl);
    return list;
}();

std::span<const int32_t> controlsOfModel(int32_t model) {
    switch (model) {
        case 1:
            return kMaxControls;
        case 2:
            return kLiteControls;
        default:
            return {};
    }
}

bool isBelow(int32_t number, std::size_t limit) {
    return static_cast<uint32_t>(number) < limit;
}

std::optional<std::string_view> nameOf(NameTable table, int32_t number) {
    if (!isBelow(number, table.size())) {
        return std::nullopt;
    }
    return table[static_cast<std::size_t>(number)];
}

std::optional<int32_t> numberOf(NameTable table, std::string_view name) {
    const auto row = std::find_if(table.begin(), table.end(), [name](std::string_view entry) {
        return equalsIgnoreCase(entry, name);
    });
    if (row == table.end()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(row - table.begin());
}

std::optional<int32_t> valueOf(std::span<const IntRow> table, int32_t key) {
    const auto row =
        std::find_if(table.begin(), table.end(), [key](const IntRow& r) { return r.key == key; });
    if (row == table.end()) {
        return std::nullopt;
    }
    return row->value;
}

std::string nameOrEmpty(NameTable table, int32_t number) {
    return std::string(nameOf(table, number).value_or(std::string_view{}));
}

}  // namespace

std::string languageCodeFromIndex(int32_t index) {
    return std::string(nameOf(kLanguageCodes, index).value_or(kLanguageCodes.front()));
}

int32_t languageIndexFromCode(std::string_view code) {
    return numberOf(kLanguageCodes, code).value_or(0);
}

std::string controlNameFromIndex(int32_t index) {
    return nameOrEmpty(kControlNames, index);
}

int32_t controlIndexFromName(std::string_view name) {
    return numberOf(kControlNames, name).value_or(kNoControl);
}

std::string deviceModelName(int32_t model) {
    return nameOrEmpty(kDeviceModelNames, model);
}

int32_t deviceModelFromName(std::string_view name) {
    return numberOf(kDeviceModelNames, name).value_or(0);
}

std::string deviceTypeName(int32_t type) {
    return nameOrEmpty(kDeviceTypeNames, type);
}

int32_t deviceTypeFromName(std::string_view name) {
    return numberOf(kDeviceTypeNames, name).value_or(0);
}

std::string deviceModelCode(int32_t model) {
    return nameOrEmpty(kDeviceModelCodes, model);
}

std::vector<int32_t> modelControlList(int32_t model) {
    const auto controls = controlsOfModel(model);
    return {controls.begin(), controls.end()};
}

int32_t lookupStaticIntMap(int32_t driverDeviceId) {
    return valueOf(kDriverDeviceIdValues, driverDeviceId).value_or(0);
}

std::string actionTypeNameFromType(int32_t type) {
    return toLowerAscii(nameOf(kActionTypeNames, type).value_or(std::string_view{}));
}

int32_t actionTypeFromName(std::string_view name) {
    return numberOf(kActionTypeNames, name).value_or(kUnsetActionType);
}

bool isValidControlIndex(int32_t index) {
    return isBelow(index, kControlNames.size());
}

bool isValidDeviceModel(int32_t model) {
    return isBelow(model, kDeviceModelNames.size());
}

bool isValidDeviceType(int32_t type) {
    return isBelow(type, kDeviceTypeNames.size());
}

bool modelHasControl(int32_t model, int32_t index) {
    const auto controls = controlsOfModel(model);
    return std::find(controls.begin(), controls.end(), index) != controls.end();
}

bool isModelOfDeviceType(int32_t type, int32_t model) {
    return valueOf(kModelDeviceTypes, model) == type;
}
