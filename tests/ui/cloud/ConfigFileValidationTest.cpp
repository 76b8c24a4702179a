#include "ui/cloud/ConfigFileValidation.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "ui/cloud/UserConfigModel.h"

namespace {

TEST(ConfigFileValidationTest, UsablePreferenceFilesOnly) {
    struct Case {
        const char* what;
        std::string content;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"smallest", R"({"MajorVersion":1,"MinorVersion":0})", true},
        {"empty lists",
         R"({"MajorVersion":2,"MinorVersion":3,"AppContextConfigurations":[],)"
         R"("GlobalPreferences":{"Settings":[]},"CustomPreferences":{"Settings":[],"Actions":[]}})",
         true},
        {"lists that are not arrays pass",
         R"({"MajorVersion":1,"MinorVersion":0,"AppContextConfigurations":{}})", true},
        {"major 0", R"({"MajorVersion":0,"MinorVersion":0})", false},
        {"minor negative", R"({"MajorVersion":1,"MinorVersion":-1})", false},
        {"major a text", R"({"MajorVersion":"1","MinorVersion":0})", false},
        {"major a fraction", R"({"MajorVersion":1.5,"MinorVersion":0})", false},
        {"no minor", R"({"MajorVersion":1})", false},
        {"not an object", R"([1])", false},
        {"not JSON", R"({"MajorVersion":1,)", false},
        {"broken action",
         R"({"MajorVersion":1,"MinorVersion":0,"CustomPreferences":{"Actions":[{}]}})", false},
    };
    TemporaryFolder folder("whirlen-validate");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = folder.file("prefs.json");
        writeFileBytes(path, c.content);
        EXPECT_EQ(validateConfigFile(path), c.valid);
    }
    EXPECT_FALSE(validateConfigFile(""));
    EXPECT_FALSE(validateConfigFile(folder.file("missing.json")));
}

TEST(UserConfigModelTest, ReadsWhatItCanAndClampsHugeVersions) {
    nlohmann::json json = {{"id", 3},
                           {"fileName", "https://x/f"},
                           {"checksum", "ab"},
                           {"creationDate", "c"},
                           {"lastUpdateDate", "l"},
                           {"subDirName", "s"},
                           {"configVersion", 1e300},
                           {"userId", "u"}};
    UserConfigModel model;
    EXPECT_TRUE(model.fromJson(json));
    EXPECT_EQ(model.configVersion, INT32_MAX);
    EXPECT_TRUE(model.isValid());
    json["configVersion"] = -1e300;
    EXPECT_TRUE(model.fromJson(json));
    EXPECT_EQ(model.configVersion, INT32_MIN);
    json["configVersion"] = 101.7;
    EXPECT_TRUE(model.fromJson(json));
    EXPECT_EQ(model.configVersion, 101);

    json.erase("userId");
    UserConfigModel noUser;
    EXPECT_FALSE(noUser.fromJson(json));
    EXPECT_EQ(noUser.id, -1);
    EXPECT_FALSE(UserConfigModel().fromJson(nullptr));
}

}  // namespace
