#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Fixed tables that tie the small numbers of the preference model (languages,
// controls, device models and types, action types) to the texts that the
// settings file, the preference files and the agent link carry. The tables are
// compile-time constants, so any thread may read them at any time, even from
// another translation unit's static initialiser.
//
// Name lookups compare with equalsIgnoreCase (A-Z folded, nothing trimmed) and
// return the smallest number whose text matches. No function throws.

// "en" for an index without a code.
std::string languageCodeFromIndex(int32_t index);
// 0 ("en") for an unknown code.
int32_t languageIndexFromCode(std::string_view code);

// Empty for 60 (no control) and every other index without a name.
std::string controlNameFromIndex(int32_t index);
// 60 (no control) for an empty or unknown name.
int32_t controlIndexFromName(std::string_view name);

// Model 0 is "all"; empty for models above 2 and negatives.
std::string deviceModelName(int32_t model);
// 0 for "all", an empty or an unknown name.
int32_t deviceModelFromName(std::string_view name);

// Type 0 is "all"; empty for types above 1 and negatives.
std::string deviceTypeName(int32_t type);
// 0 for "all", an empty or an unknown name.
int32_t deviceTypeFromName(std::string_view name);

// The four-letter code that scopes device bindings; empty for model 0 too.
std::string deviceModelCode(int32_t model);

// The model's control indexes in ascending order; empty for model 0 and
// unknown models.
std::vector<int32_t> modelControlList(int32_t model);

// The value kept with a connected device for its driver device id; 0 for ids
// without one.
int32_t lookupStaticIntMap(int32_t driverDeviceId);

// The action-type name as preference files write it (lower case); empty for
// 29 (unset) and every other type without a name.
std::string actionTypeNameFromType(int32_t type);
// 29 (unset) for an empty or unknown name.
int32_t actionTypeFromName(std::string_view name);

// The range checks compare unsigned, so every negative number fails.
bool isValidControlIndex(int32_t index);
bool isValidDeviceModel(int32_t model);
bool isValidDeviceType(int32_t type);

// False for model 0, which stands for any model and so owns no controls.
bool modelHasControl(int32_t model, int32_t index);
// Only real models (1 and 2) belong to a type; "all" matches nothing here.
bool isModelOfDeviceType(int32_t type, int32_t model);
