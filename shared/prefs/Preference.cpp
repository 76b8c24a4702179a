#include "shared/prefs/Preference.h"

#include <utility>

#include "shared/prefs/LogManager.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/PreferenceJsonKeys.h"

namespace {

// Macro groups (kind 5) have no kind name, so their keys start with "##".
std::string kindName(PreferenceKind kind) {
    switch (kind) {
        case PreferenceKind::Setting:
            return "Setting";
        case PreferenceKind::Action:
            return "Action";
        case PreferenceKind::Profile:
            return "Profile";
        case PreferenceKind::Macro:
            return "Macro";
        default:
            return "";
    }
}

}  // namespace

Preference::Preference(PreferenceKind kind) : kind_(kind) {}

Preference::Preference(PreferenceKind kind, uint32_t deviceType, uint32_t deviceModel,
                       bool isDefault, std::string comment)
    : kind_(kind),
      deviceType_(deviceType),
      deviceModel_(deviceModel),
      isDefault_(isDefault),
      comment_(std::move(comment)) {}

bool Preference::toJson(nlohmann::json& json) const {
    if (!json.is_object()) {
        return false;
    }
    setPreferenceJsonString(json, PreferenceJsonKey::DeviceType,
                            deviceTypeName(static_cast<int32_t>(deviceType_)));
    setPreferenceJsonString(json, PreferenceJsonKey::DeviceModel,
                            deviceModelName(static_cast<int32_t>(deviceModel_)));
    setPreferenceJsonString(json, PreferenceJsonKey::Comment, comment_);
    return true;
}

bool Preference::parseCommon(const nlohmann::json& json, bool anyType) {
    std::string name;
    if (readPreferenceJsonString(json, PreferenceJsonKey::DeviceType, name)) {
        deviceType_ = static_cast<uint32_t>(deviceTypeFromName(name));
        if (!anyType && deviceType_ == 0) {
            LogManager::instance().log('E', "Invalid parsed device type");
            return false;
        }
    }
    if (readPreferenceJsonString(json, PreferenceJsonKey::DeviceModel, name)) {
        deviceModel_ = static_cast<uint32_t>(deviceModelFromName(name));
    }
    readPreferenceJsonString(json, PreferenceJsonKey::Comment, comment_);
    return true;
}

bool Preference::isValid() const {
    const auto kind = static_cast<uint32_t>(kind_);
    return kind >= 1 && kind <= 5;
}

std::string Preference::key() const {
    return kindName(kind_) + "##" + deviceTypeName(static_cast<int32_t>(deviceType_)) + "#" +
           deviceModelName(static_cast<int32_t>(deviceModel_));
}

uint32_t Preference::specificity() const {
    return (deviceType_ != 0 ? 10U : 0U) + (deviceModel_ != 0 ? 100U : 0U);
}

void Preference::copyFrom(const Preference* other) {
    if (other == nullptr) {
        return;
    }
    kind_ = other->kind_;
    deviceType_ = other->deviceType_;
    deviceModel_ = other->deviceModel_;
    isDefault_ = other->isDefault_;
    secondFlag_ = other->secondFlag_;
    comment_ = other->comment_;
}
