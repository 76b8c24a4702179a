#pragma once

#include <nlohmann/json.hpp>

// Everything that the preference files hold converts itself to and from one
// JSON object through this interface. Neither direction throws: readers check
// each member's JSON type before they take its value.
class PreferenceJsonInterface {
public:
    virtual ~PreferenceJsonInterface() = default;

    // Writes the object's members into json; false (and nothing written) when
    // json is not an object.
    virtual bool toJson(nlohmann::json& json) const = 0;
    // Reads the object's members from json; missing members and members of
    // another JSON type leave their fields as they were.
    virtual bool fromJson(const nlohmann::json& json) = 0;

protected:
    PreferenceJsonInterface() = default;
    PreferenceJsonInterface(const PreferenceJsonInterface&) = default;
    PreferenceJsonInterface& operator=(const PreferenceJsonInterface&) = default;
    PreferenceJsonInterface(PreferenceJsonInterface&&) = default;
    PreferenceJsonInterface& operator=(PreferenceJsonInterface&&) = default;
};
