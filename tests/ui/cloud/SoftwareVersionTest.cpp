#include "ui/cloud/SoftwareVersion.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(SoftwareVersionTest, ComparesNumbersThenBuilds) {
    struct Case {
        std::string offered;
        std::string offeredBuild;
        std::string current;
        std::string currentBuild;
        bool newer;
    };
    const std::vector<Case> cases = {
        {"1.10.0", "", "1.9.9", "", true},  // numbers, not text
        {"1.2.3", "11", "1.2.3", "10", true},
        {"1.2.3", "10", "1.2.3", "10", false},
        {"1.2.3", "", "1.2.3", "", false},
        {"1.2.3", "1", "1.2.3", "", true},    // an empty build counts as 0
        {"1.2.3", "x", "1.2.3", "0", false},  // so does one that is not a number
        {"1.2.3", "5", "1.2.3", "x", true},
        {"1.2.3", "99999999999999999999", "1.2.3", "1", false},
        {"1.2.2", "99", "1.2.3", "1", false},
        {"1.0.1000", "", "1.0.999", "", false},  // four digits do not make a number
    };
    for (const Case& c : cases) {
        SoftwareVersion record;
        record.version = c.offered;
        record.buildNo = c.offeredBuild;
        EXPECT_EQ(record.isNewerThan(c.current, c.currentBuild), c.newer)
            << c.offered << "+" << c.offeredBuild << " vs " << c.current << "+" << c.currentBuild;
    }
}

TEST(SoftwareVersionTest, VersionNumbersAndUsableVersions) {
    struct Case {
        std::string text;
        int64_t number;
        bool usable;
    };
    const std::vector<Case> cases = {
        {"3.1.0", 3001000, true}, {"1.10.0", 1010000, true}, {"001.002.003", 1002003, true},
        {"1.0.1000", -1, true},   {"1.2", -1, false},        {"1.2.3.4", -1, false},
        {"1..3", -1, false},      {"1.2.3 ", -1, false},     {"v1.2.3", -1, false},
        {"", -1, false},          {"1.2.-3", -1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SoftwareVersion::versionToNumber(c.text), c.number) << c.text;
        SoftwareVersion record;
        record.version = c.text;
        EXPECT_EQ(record.isValidVersion(), c.usable) << c.text;
    }
}

TEST(SoftwareVersionTest, OnlyAnMd5InHexIsAChecksum) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"0123456789abcdefABCDEF0123456789", true},
        {"../x", false},
        {"authr", false},
        {"../../../../../../../etc/passwd0", false},
        {"0123456789abcdef0123456789abcdeg", false},
        {"", false},
    };
    for (const auto& [checksum, valid] : cases) {
        SoftwareVersion record;
        record.checksum = checksum;
        EXPECT_EQ(record.hasValidChecksum(), valid) << checksum;
    }
}

TEST(SoftwareVersionTest, ReadsStringMembersOnly) {
    const auto entry = nlohmann::json::parse(R"({"version": "1.2.3", "buildNo": 12,
        "fileName": "http://h/a/setup.bin", "platform": "Linux", "checksum": null,
        "releaseDate": "31-01-2025 23:59:59"})");
    const SoftwareVersion record = SoftwareVersion::fromJson(entry);
    EXPECT_EQ(record.version, "1.2.3");
    EXPECT_EQ(record.buildNo, "");
    EXPECT_EQ(record.fileName, "http://h/a/setup.bin");
    EXPECT_EQ(record.platform, "Linux");
    EXPECT_EQ(record.checksum, "");
    EXPECT_NE(record.releaseDate, 0);
    EXPECT_EQ(SoftwareVersion::fromJson(nlohmann::json::array()).version, "");
}

}  // namespace
