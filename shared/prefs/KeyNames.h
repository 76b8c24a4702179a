#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

// The preference files name keys ("KEY_A", "KEY_F5", "KEY_NUMPAD3"); actions
// hold the system's own key codes. The table behind these lookups is built on
// first use, so a lookup can never see it empty or half built.
using KeyNameTable = std::map<std::string, int32_t, std::less<>>;

// All 193 names with their codes, in byte-wise name order.
const KeyNameTable& keyNameTable();

// 0 for an empty or unknown name; the name is matched exactly (case counts).
int32_t keyCodeFromName(std::string_view name);

// The name of the code; empty for 0 and every code without a name.
std::string keyNameFromCode(int32_t code);

// The device binding identifier: the model's four-letter code followed by the
// base text with every "_" removed; empty for an empty base text.
std::string modelScopedName(std::string_view baseText, int32_t deviceModel);
