// The version stamps as the build wrote them into the programs themselves.

#include <ostream>
#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "shared/prefs/ApplicationSettings.h"
#include "tests/support/TestFiles.h"

namespace {

// The stamp in the program file, markers included: the start marker with the end marker
// right after a field of that width (the parser's own copies of the markers stand alone);
// empty unless there is exactly one.
std::string stampIn(const std::string& program, const std::string& start, size_t width,
                    const std::string& end) {
    const std::string bytes = readFileBytes(program);
    std::string found;
    int count = 0;
    for (size_t at = bytes.find(start); at != std::string::npos; at = bytes.find(start, at + 1)) {
        if (bytes.compare(at + start.size() + width, end.size(), end) == 0) {
            found = bytes.substr(at, start.size() + width + end.size());
            ++count;
        }
    }
    return count == 1 ? found : std::string();
}

struct ProgramCase {
    const char* name;
    const char* program;
    const char* version;
    const char* build;
};

void PrintTo(const ProgramCase& c, std::ostream* out) {
    *out << c.name;
}

class ProgramStampTest : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramStampTest, TheProgramCarriesTheBuildsVersionAndBuildNumber) {
    const ProgramCase& c = GetParam();
    // Markers and fields of their fixed widths, as the release process finds them.
    const std::string version = stampIn(c.program, "####STAMP_START####", 17, "####STAMP_END####");
    const std::string build = stampIn(c.program, "####STAMP_B_START####", 5, "####STAMP_B_END####");
    ASSERT_FALSE(version.empty()) << c.program;
    ASSERT_FALSE(build.empty()) << c.program;
    EXPECT_TRUE(std::regex_match(version.substr(19, 17), std::regex(R"(\d{5}\.\d{5}\.\d{5})")))
        << version;
    EXPECT_TRUE(std::regex_match(build.substr(21, 5), std::regex(R"(\d{5})"))) << build;

    const ApplicationSettings::VersionStamp stamp =
        ApplicationSettings::parseVersionStamp(version, build);
    const std::string parsed = std::to_string(stamp.majorVersion) + "." +
                               std::to_string(stamp.minorVersion) + "." +
                               std::to_string(stamp.patchVersion);
    EXPECT_EQ(parsed, c.version) << version;
    EXPECT_EQ(std::to_string(stamp.buildNumber), c.build) << build;
}

INSTANTIATE_TEST_SUITE_P(
    BothPrograms, ProgramStampTest,
    ::testing::Values(ProgramCase{"whirlenUI", WHIRLEN_UI_PROGRAM, WHIRLEN_UI_VERSION,
                                  WHIRLEN_UI_BUILD},
                      ProgramCase{"PelvaneMultimediaController", WHIRLEN_AGENT_PROGRAM,
                                  WHIRLEN_AGENT_VERSION, WHIRLEN_AGENT_BUILD}),
    [](const ::testing::TestParamInfo<ProgramCase>& info) { return info.param.name; });

}  // namespace
