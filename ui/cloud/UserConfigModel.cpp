#include "ui/cloud/UserConfigModel.h"

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

namespace {

bool readText(const nlohmann::json& json, const char* name, std::string& out) {
    const auto member = json.find(name);
    if (member == json.end() || !member->is_string()) {
        return false;
    }
    out = member->get<std::string>();
    return true;
}

// Fractions and out-of-range values are clamped into 32 bits before the conversion, which is
// undefined for a value that does not fit.
int32_t clampToInt32(double value) {
    constexpr double low = std::numeric_limits<int32_t>::min();
    constexpr double high = std::numeric_limits<int32_t>::max();
    if (std::isnan(value)) {
        return -1;
    }
    return static_cast<int32_t>(std::fmax(low, std::fmin(high, value)));
}

bool readInteger(const nlohmann::json& json, const char* name, int32_t& out) {
    const auto member = json.find(name);
    if (member == json.end() || !member->is_number()) {
        return false;
    }
    out = clampToInt32(member->get<double>());
    return true;
}

}  // namespace

bool UserConfigModel::isValid() const {
    return id >= 1 && !fileName.empty() && !checksum.empty() && !creationDate.empty() &&
           !lastUpdateDate.empty() && !subDirName.empty();
}

bool UserConfigModel::fromJson(const nlohmann::json& json) {
    if (!json.is_object() || !readText(json, "userId", userId)) {
        return false;
    }
    const auto idMember = json.find("id");
    bool ok = idMember != json.end() && idMember->is_number_integer();
    if (ok) {
        id = clampToInt32(idMember->get<double>());
    }
    ok = readText(json, "fileName", fileName) && ok;
    ok = readText(json, "checksum", checksum) && ok;
    ok = readText(json, "creationDate", creationDate) && ok;
    ok = readText(json, "lastUpdateDate", lastUpdateDate) && ok;
    ok = readText(json, "subDirName", subDirName) && ok;
    ok = readInteger(json, "configVersion", configVersion) && ok;
    return ok;
}
