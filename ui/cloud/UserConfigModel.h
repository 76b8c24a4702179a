#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <string>

// The cloud service's description of the user's stored configuration file.
class UserConfigModel {
public:
    virtual ~UserConfigModel() = default;

    int32_t id = -1;
    // Where to download the file from.
    std::string fileName;
    // The file's MD5 in hexadecimal.
    std::string checksum;
    std::string creationDate;
    std::string lastUpdateDate;
    std::string subDirName;
    int32_t configVersion = -1;
    std::string userId;

    bool isValid() const;
    // Reads every member it can; false when json is not an object or any member is missing or
    // of the wrong type ("userId" first: without it nothing else is read).
    bool fromJson(const nlohmann::json& json);
};
