#pragma once

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

// One entry of the version check's "softwareVersions".
struct SoftwareVersion {
    std::string version;
    // The installer's URL.
    std::string fileName;
    std::string platform;
    // MD5 of the installer, hexadecimal; also its file name in the cache folder.
    std::string checksum;
    std::string buildNo;
    // Seconds since 1970; 0 when absent or unreadable.
    int32_t releaseDate = 0;

    // Members that are absent or not strings stay empty.
    static SoftwareVersion fromJson(const nlohmann::json& entry);

    // Three non-empty runs of decimal digits separated by single periods, nothing else.
    bool isValidVersion() const;
    // Exactly 32 hexadecimal digits, so that it names a file inside the cache folder and no
    // other file there.
    bool hasValidChecksum() const;
    // A higher version, or the same version with a higher build number.
    bool isNewerThan(const std::string& currentVersion, const std::string& currentBuildNo) const;

    // (a × 1000 + b) × 1000 + c for "a.b.c" with one to three digits each; -1 otherwise.
    static int64_t versionToNumber(const std::string& text);
    // The decimal number, or 0 when the text is empty, is not all digits or is too large.
    static int64_t buildNumber(const std::string& text);
};
