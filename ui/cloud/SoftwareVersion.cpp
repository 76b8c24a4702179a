#include "ui/cloud/SoftwareVersion.h"

#include <cctype>
#include <charconv>
#include <vector>

#include "shared/prefs/FileUtils.h"

namespace {

constexpr size_t kMaxVersionPartDigits = 3;

std::string stringMember(const nlohmann::json& entry, const char* name) {
    const auto found = entry.find(name);
    return found != entry.end() && found->is_string() ? found->get<std::string>() : std::string();
}

bool allDigits(const std::string& text) {
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return false;
        }
    }
    return true;
}

// The runs between single periods; empty when there are not exactly three, or one is empty
// or holds anything but digits.
std::vector<std::string> versionParts(const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == '.') {
            parts.emplace_back();
        } else {
            parts.back().push_back(c);
        }
    }
    if (parts.size() != 3) {
        return {};
    }
    for (const std::string& part : parts) {
        if (part.empty() || !allDigits(part)) {
            return {};
        }
    }
    return parts;
}

}  // namespace

SoftwareVersion SoftwareVersion::fromJson(const nlohmann::json& entry) {
    SoftwareVersion record;
    if (!entry.is_object()) {
        return record;
    }
    record.version = stringMember(entry, "version");
    record.fileName = stringMember(entry, "fileName");
    record.platform = stringMember(entry, "platform");
    record.checksum = stringMember(entry, "checksum");
    record.buildNo = stringMember(entry, "buildNo");
    record.releaseDate = parseTime(stringMember(entry, "releaseDate"), "%d-%m-%Y %H:%M:%S");
    return record;
}

bool SoftwareVersion::isValidVersion() const {
    return !versionParts(version).empty();
}

bool SoftwareVersion::hasValidChecksum() const {
    return isMd5Hex(checksum);
}

bool SoftwareVersion::isNewerThan(const std::string& currentVersion,
                                  const std::string& currentBuildNo) const {
    const int64_t offered = versionToNumber(version);
    const int64_t current = versionToNumber(currentVersion);
    return offered > current ||
           (offered == current && buildNumber(buildNo) > buildNumber(currentBuildNo));
}

int64_t SoftwareVersion::versionToNumber(const std::string& text) {
    const std::vector<std::string> parts = versionParts(text);
    if (parts.empty()) {
        return -1;
    }
    int64_t number = 0;
    for (const std::string& part : parts) {
        if (part.size() > kMaxVersionPartDigits) {
            return -1;
        }
        number = number * 1000 + std::stoll(part);
    }
    return number;
}

int64_t SoftwareVersion::buildNumber(const std::string& text) {
    int64_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    return error == std::errc() && stop == end && allDigits(text) ? number : 0;
}
