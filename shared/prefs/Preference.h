#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

#include "shared/prefs/PreferenceJsonInterface.h"

enum class PreferenceKind : uint32_t {
    Setting = 1,
    Action = 2,
    Profile = 3,
    Macro = 4,
    MacroGroup = 5,
};

// The part that every preference object shares: kind, device type and model,
// the default flag and the comment. Its identity key is the text under which
// the store files the object and which the preference files quote, so the
// key's form is part of the file format.
class Preference : public PreferenceJsonInterface {
public:
    explicit Preference(PreferenceKind kind);
    Preference(PreferenceKind kind, uint32_t deviceType, uint32_t deviceModel, bool isDefault,
               std::string comment);

    // Writes "DeviceType", "DeviceModel" and "Comment".
    bool toJson(nlohmann::json& json) const override;

    // Reads "DeviceType", "DeviceModel" and "Comment". A "DeviceType" string
    // that names no real type fails (logged) unless anyType is set. A json that
    // is not an object changes nothing and succeeds.
    virtual bool parseCommon(const nlohmann::json& json, bool anyType);
    virtual bool isValid() const;
    // "<kind name>##<device type name>#<device model name>".
    virtual std::string key() const;
    // 10 for a device type, plus 100 for a device model.
    virtual uint32_t specificity() const;
    // Copies the common part; nothing for nullptr.
    virtual void copyFrom(const Preference* other);

    PreferenceKind kind() const { return kind_; }
    uint32_t deviceType() const { return deviceType_; }
    uint32_t deviceModel() const { return deviceModel_; }
    std::string comment() const { return comment_; }
    bool isDefault() const { return isDefault_; }
    bool isSecondFlag() const { return secondFlag_; }

    void setDeviceType(uint32_t deviceType) { deviceType_ = deviceType; }
    void setDeviceModel(uint32_t deviceModel) { deviceModel_ = deviceModel; }
    void setComment(std::string comment) { comment_ = std::move(comment); }
    void setDefault(bool isDefault) { isDefault_ = isDefault; }
    void setSecondFlag(bool secondFlag) { secondFlag_ = secondFlag; }

private:
    PreferenceKind kind_;
    uint32_t deviceType_ = 0;
    uint32_t deviceModel_ = 0;
    bool isDefault_ = false;
    bool secondFlag_ = false;
    std::string comment_;
};
