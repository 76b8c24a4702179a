#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

// The number of every JSON member name of the preference files. Readers and
// writers name members only through these numbers, so a misspelt member name
// cannot creep into one of them.
enum class PreferenceJsonKey : int32_t {
    None = 0,
    MajorVersion = 1,
    MinorVersion = 2,
    Comment = 3,
    GlobalPreferences = 4,
    CustomPreferences = 5,
    ProfilesPreferences = 6,
    Settings = 7,
    Actions = 8,
    Name = 9,
    Macros = 10,
    ProfileBind = 11,
    DeviceID = 12,
    ProfileID = 13,
    DeviceType = 14,
    DeviceModel = 15,
    AppContextConfig = 16,
    AppWindowName = 17,
    AppSpecificActive = 18,
    ActionType = 19,
    Command = 20,
    CommandArgs = 21,
    UseCtrl = 22,
    UseAlt = 23,
    UseShift = 24,
    UseSpecial = 25,
    KeyCode = 26,
    Repeat = 27,
    DelayRepeat = 28,
    StartDelay = 29,
    MouseButton = 30,
    TextToWrite = 31,
    Profile = 32,
    Toggle = 33,
    SwitchToProfile = 34,
    AppContextConfigurations = 35,
    ConfigName = 36,
    ProgramContextPath = 37,
    MacroGroups = 38,
    MacroGroupID = 39,
    MacroToRun = 40,
};

// 1 to 40; "None" (0) names no member and is never read or written.
bool isValidPreferenceKeyId(PreferenceJsonKey id);

// The member name of a key; "None" for 0, empty outside 0 to 40.
std::string_view preferenceJsonKeyName(PreferenceJsonKey id);

// The member of that name when json is an object that has it; nullptr for an
// invalid id, a missing member or a json that is not an object.
const nlohmann::json* preferenceJsonValue(PreferenceJsonKey id, const nlohmann::json& json);

// Each reader stores the member into out and returns true only when the member
// is present and of the named JSON type (and, for numbers, an integer that fits
// the target); otherwise out keeps its value and the result is false.
bool readPreferenceJsonString(const nlohmann::json& json, PreferenceJsonKey id, std::string& out);
bool readPreferenceJsonBool(const nlohmann::json& json, PreferenceJsonKey id, bool& out);
bool readPreferenceJsonInt32(const nlohmann::json& json, PreferenceJsonKey id, int32_t& out);
bool readPreferenceJsonUint32(const nlohmann::json& json, PreferenceJsonKey id, uint32_t& out);

// Set the member, replacing an earlier value and adding it when absent. They
// do nothing for an invalid id or when json is neither an object nor null (a
// null value becomes an object first).
void setPreferenceJsonValue(nlohmann::json& json, PreferenceJsonKey id, nlohmann::json value);
void setPreferenceJsonInt(nlohmann::json& json, PreferenceJsonKey id, int32_t value);
void setPreferenceJsonString(nlohmann::json& json, PreferenceJsonKey id, const std::string& value);
void setPreferenceJsonBool(nlohmann::json& json, PreferenceJsonKey id, bool value);
