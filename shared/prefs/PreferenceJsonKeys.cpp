#include "shared/prefs/PreferenceJsonKeys.h"

#include <array>
#include <limits>

namespace {

constexpr std::array<std::string_view, 41> kKeyNames = {
    "None",
    "MajorVersion",
    "MinorVersion",
    "Comment",
    "GlobalPreferences",
    "CustomPreferences",
    "ProfilesPreferences",
    "Settings",
    "Actions",
    "Name",
    "Macros",
    "ProfileBind",
    "DeviceID",
    "ProfileID",
    "DeviceType",
    "DeviceModel",
    "AppContextConfig",
    "AppWindowName",
    "AppSpecificActive",
    "ActionType",
    "Command",
    "CommandArgs",
    "UseCtrl",
    "UseAlt",
    "UseShift",
    "UseSpecial",
    "KeyCode",
    "Repeat",
    "DelayRepeat",
    "StartDelay",
    "MouseButton",
    "TextToWrite",
    "Profile",
    "Toggle",
    "SwitchToProfile",
    "AppContextConfigurations",
    "ConfigName",
    "ProgramContextPath",
    "MacroGroups",
    "MacroGroupID",
    "MacroToRun",
};

// Reads an integer member only when it fits [low, high]; both signed and
// unsigned JSON integers qualify, floating-point numbers never do.
bool readIntegerInRange(const nlohmann::json& json, PreferenceJsonKey id, int64_t low, int64_t high,
                        int64_t& out) {
    const nlohmann::json* value = preferenceJsonValue(id, json);
    if (value == nullptr || !value->is_number_integer()) {
        return false;
    }
    if (value->is_number_unsigned()) {
        const auto number = value->get<uint64_t>();
        if (high < 0 || number > static_cast<uint64_t>(high)) {
            return false;
        }
        out = static_cast<int64_t>(number);
        return true;
    }
    const auto number = value->get<int64_t>();
    if (number < low || number > high) {
        return false;
    }
    out = number;
    return true;
}

}  // namespace

bool isValidPreferenceKeyId(PreferenceJsonKey id) {
    const auto number = static_cast<int32_t>(id);
    return number >= 1 && number < static_cast<int32_t>(kKeyNames.size());
}

std::string_view preferenceJsonKeyName(PreferenceJsonKey id) {
    if (id == PreferenceJsonKey::None) {
        return kKeyNames[0];
    }
    return isValidPreferenceKeyId(id) ? kKeyNames[static_cast<size_t>(id)] : std::string_view();
}

const nlohmann::json* preferenceJsonValue(PreferenceJsonKey id, const nlohmann::json& json) {
    if (!isValidPreferenceKeyId(id) || !json.is_object()) {
        return nullptr;
    }
    const auto found = json.find(preferenceJsonKeyName(id));
    return found == json.end() ? nullptr : &*found;
}

bool readPreferenceJsonString(const nlohmann::json& json, PreferenceJsonKey id, std::string& out) {
    const nlohmann::json* value = preferenceJsonValue(id, json);
    if (value == nullptr || !value->is_string()) {
        return false;
    }
    out = value->get<std::string>();
    return true;
}

bool readPreferenceJsonBool(const nlohmann::json& json, PreferenceJsonKey id, bool& out) {
    const nlohmann::json* value = preferenceJsonValue(id, json);
    if (value == nullptr || !value->is_boolean()) {
        return false;
    }
    out = value->get<bool>();
    return true;
}

bool readPreferenceJsonInt32(const nlohmann::json& json, PreferenceJsonKey id, int32_t& out) {
    int64_t number = 0;
    if (!readIntegerInRange(json, id, std::numeric_limits<int32_t>::min(),
                            std::numeric_limits<int32_t>::max(), number)) {
        return false;
    }
    out = static_cast<int32_t>(number);
    return true;
}

bool readPreferenceJsonUint32(const nlohmann::json& json, PreferenceJsonKey id, uint32_t& out) {
    int64_t number = 0;
    if (!readIntegerInRange(json, id, 0, std::numeric_limits<uint32_t>::max(), number)) {
        return false;
    }
    out = static_cast<uint32_t>(number);
    return true;
}

void setPreferenceJsonValue(nlohmann::json& json, PreferenceJsonKey id, nlohmann::json value) {
    // Member access on an array or a scalar would throw; only an object (or a
    // null that becomes one) can take a member.
    if (!isValidPreferenceKeyId(id) || !(json.is_object() || json.is_null())) {
        return;
    }
    json[std::string(preferenceJsonKeyName(id))] = std::move(value);
}

void setPreferenceJsonInt(nlohmann::json& json, PreferenceJsonKey id, int32_t value) {
    setPreferenceJsonValue(json, id, nlohmann::json(value));
}

void setPreferenceJsonString(nlohmann::json& json, PreferenceJsonKey id, const std::string& value) {
    setPreferenceJsonValue(json, id, nlohmann::json(value));
}

void setPreferenceJsonBool(nlohmann::json& json, PreferenceJsonKey id, bool value) {
    setPreferenceJsonValue(json, id, nlohmann::json(value));
}
