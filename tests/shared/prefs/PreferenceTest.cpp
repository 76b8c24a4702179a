#include "shared/prefs/Preference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "shared/prefs/ActionPreference.h"
#include "shared/prefs/ApplicationContextConfiguration.h"
#include "shared/prefs/MacroGroupPreference.h"
#include "shared/prefs/MacroPreference.h"
#include "shared/prefs/PreferenceJsonKeys.h"
#include "shared/prefs/ProfilePreference.h"
#include "shared/prefs/SettingPreference.h"
#include "tests/shared/prefs/FakePreferencesLookup.h"

using nlohmann::json;

namespace {

PreferenceJsonKey keyOf(int32_t id) {
    return static_cast<PreferenceJsonKey>(id);
}

// The member names of the preference files, by key number.
const std::pair<int32_t, const char*> kJsonKeys[] = {
    {0, "None"},
    {1, "MajorVersion"},
    {2, "MinorVersion"},
    {3, "Comment"},
    {4, "GlobalPreferences"},
    {5, "CustomPreferences"},
    {6, "ProfilesPreferences"},
    {7, "Settings"},
    {8, "Actions"},
    {9, "Name"},
    {10, "Macros"},
    {11, "ProfileBind"},
    {12, "DeviceID"},
    {13, "ProfileID"},
    {14, "DeviceType"},
    {15, "DeviceModel"},
    {16, "AppContextConfig"},
    {17, "AppWindowName"},
    {18, "AppSpecificActive"},
    {19, "ActionType"},
    {20, "Command"},
    {21, "CommandArgs"},
    {22, "UseCtrl"},
    {23, "UseAlt"},
    {24, "UseShift"},
    {25, "UseSpecial"},
    {26, "KeyCode"},
    {27, "Repeat"},
    {28, "DelayRepeat"},
    {29, "StartDelay"},
    {30, "MouseButton"},
    {31, "TextToWrite"},
    {32, "Profile"},
    {33, "Toggle"},
    {34, "SwitchToProfile"},
    {35, "AppContextConfigurations"},
    {36, "ConfigName"},
    {37, "ProgramContextPath"},
    {38, "MacroGroups"},
    {39, "MacroGroupID"},
    {40, "MacroToRun"},
};

TEST(PreferenceJsonKeysTest, EveryKeyNumberNamesItsMember) {
    for (const auto& [id, name] : kJsonKeys) {
        EXPECT_EQ(preferenceJsonKeyName(keyOf(id)), name) << id;
        EXPECT_EQ(isValidPreferenceKeyId(keyOf(id)), id != 0) << id;
    }
    for (int32_t id : {41, -1, std::numeric_limits<int32_t>::min()}) {
        EXPECT_FALSE(isValidPreferenceKeyId(keyOf(id))) << id;
    }
    EXPECT_EQ(preferenceJsonKeyName(keyOf(41)), "");
}

TEST(PreferenceJsonKeysTest, ValueIsFoundOnlyInAnObject) {
    const json object = {{"Comment", "x"}, {"None", 1}};
    ASSERT_NE(preferenceJsonValue(PreferenceJsonKey::Comment, object), nullptr);
    EXPECT_EQ(*preferenceJsonValue(PreferenceJsonKey::Comment, object), "x");
    EXPECT_EQ(preferenceJsonValue(PreferenceJsonKey::Name, object), nullptr);
    EXPECT_EQ(preferenceJsonValue(PreferenceJsonKey::None, object), nullptr);
    EXPECT_EQ(preferenceJsonValue(keyOf(41), object), nullptr);
    EXPECT_EQ(preferenceJsonValue(PreferenceJsonKey::Comment, json::array({"Comment"})), nullptr);
    EXPECT_EQ(preferenceJsonValue(PreferenceJsonKey::Comment, json("Comment")), nullptr);
}

TEST(PreferenceJsonKeysTest, SettersWriteIntoObjectsAndNullsOnly) {
    json object = {{"Comment", 5}};
    setPreferenceJsonString(object, PreferenceJsonKey::Comment, "text");
    setPreferenceJsonInt(object, PreferenceJsonKey::Repeat, -3);
    setPreferenceJsonBool(object, PreferenceJsonKey::Toggle, true);
    EXPECT_EQ(object, json({{"Comment", "text"}, {"Repeat", -3}, {"Toggle", true}}));

    json null;
    setPreferenceJsonInt(null, PreferenceJsonKey::Repeat, 7);
    EXPECT_EQ(null, json({{"Repeat", 7}}));

    const std::vector<json> untouchable = {json::array({1, 2}), json(3), json("s"), json(true),
                                           json(2.5)};
    for (json value : untouchable) {
        const json before = value;
        EXPECT_NO_THROW(setPreferenceJsonInt(value, PreferenceJsonKey::Repeat, 1));
        EXPECT_NO_THROW(setPreferenceJsonString(value, PreferenceJsonKey::Comment, "c"));
        EXPECT_NO_THROW(setPreferenceJsonBool(value, PreferenceJsonKey::Toggle, true));
        EXPECT_EQ(value, before);
    }
    for (int32_t id : {0, 41}) {
        json value = json::object();
        setPreferenceJsonInt(value, keyOf(id), 1);
        EXPECT_EQ(value, json::object()) << id;
    }
}

TEST(PreferenceJsonKeysTest, IntegerReadersRejectWhatDoesNotFit) {
    struct Case {
        json value;
        bool int32Read;
        int32_t int32Value;
        bool uint32Read;
        uint32_t uint32Value;
    };
    const int64_t big = int64_t{1} << 40;
    const Case cases[] = {
        {json(3), true, 3, true, 3},
        {json(-1), true, -1, false, 0},
        {json(std::numeric_limits<int32_t>::max()), true, std::numeric_limits<int32_t>::max(), true,
         2147483647U},
        {json(std::numeric_limits<int32_t>::min()), true, std::numeric_limits<int32_t>::min(),
         false, 0},
        {json(int64_t{2147483648}), false, 0, true, 2147483648U},
        {json(uint64_t{4294967295}), false, 0, true, 4294967295U},
        {json(uint64_t{4294967296}), false, 0, false, 0},
        {json(big), false, 0, false, 0},
        {json(-big), false, 0, false, 0},
        {json(std::numeric_limits<uint64_t>::max()), false, 0, false, 0},
        {json(2.5), false, 0, false, 0},
        {json(3.0), false, 0, false, 0},
        {json("3"), false, 0, false, 0},
        {json(true), false, 0, false, 0},
    };
    for (const auto& c : cases) {
        const json object = {{"Repeat", c.value}};
        int32_t signedValue = 99;
        uint32_t unsignedValue = 99;
        EXPECT_EQ(readPreferenceJsonInt32(object, PreferenceJsonKey::Repeat, signedValue),
                  c.int32Read)
            << c.value;
        EXPECT_EQ(signedValue, c.int32Read ? c.int32Value : 99) << c.value;
        EXPECT_EQ(readPreferenceJsonUint32(object, PreferenceJsonKey::Repeat, unsignedValue),
                  c.uint32Read)
            << c.value;
        EXPECT_EQ(unsignedValue, c.uint32Read ? c.uint32Value : 99U) << c.value;
    }
}

struct CommonCase {
    json document;
    bool anyType;
    bool result;
    uint32_t deviceType;
    uint32_t deviceModel;
};

TEST(PreferenceTest, ParseCommonResolvesNamesAndRejectsUnknownTypes) {
    const CommonCase cases[] = {
        {{{"DeviceType", "WHIRLEN"}, {"DeviceModel", "WhirlenLite"}}, false, true, 1, 2},
        {{{"DeviceType", "mouse"}, {"DeviceModel", "whirlenlite"}}, false, false, 0, 0},
        {{{"DeviceType", "mouse"}, {"DeviceModel", "whirlenlite"}}, true, true, 0, 2},
        {{{"DeviceType", "all"}}, false, false, 0, 0},
        {{{"DeviceType", "all"}}, true, true, 0, 0},
        {{{"DeviceType", 1}, {"DeviceModel", "whirlenmax"}}, false, true, 0, 1},
        {{{"DeviceType", "whirlen"}, {"DeviceModel", "toaster"}}, false, true, 1, 0},
        {{{"DeviceType", "whirlen"}, {"DeviceModel", 2}}, false, true, 1, 0},
        {json::array({"whirlen"}), false, true, 0, 0},
    };
    for (const auto& c : cases) {
        SettingPreference settings;
        EXPECT_EQ(settings.parseCommon(c.document, c.anyType), c.result) << c.document;
        EXPECT_EQ(settings.deviceType(), c.deviceType) << c.document;
        EXPECT_EQ(settings.deviceModel(), c.deviceModel) << c.document;
    }
}

TEST(PreferenceTest, RejectedTypeIsLoggedAndStopsTheRead) {
    SettingPreference settings;
    testing::internal::CaptureStdout();
    const bool read = settings.parseCommon({{"DeviceType", "mouse"}, {"Comment", "c"}}, false);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(read);
    EXPECT_NE(output.find("Invalid parsed device type"), std::string::npos);
    EXPECT_EQ(settings.comment(), "");
}

TEST(PreferenceTest, CommonPartWritesNamesAndEmptyTextsForUnknownNumbers) {
    ProfilePreference profile(1, 7);
    profile.setComment("Grüße");
    json document = json::object();
    ASSERT_TRUE(profile.Preference::toJson(document));
    EXPECT_EQ(document,
              json({{"DeviceType", "whirlen"}, {"DeviceModel", ""}, {"Comment", "Grüße"}}));

    json array = json::array();
    EXPECT_FALSE(profile.Preference::toJson(array));
    EXPECT_EQ(array, json::array());
}

TEST(PreferenceTest, KeyAndSpecificityFollowTypeAndModel) {
    struct Case {
        uint32_t deviceType;
        uint32_t deviceModel;
        const char* key;
        uint32_t specificity;
    };
    const Case cases[] = {
        {1, 2, "Setting##whirlen#whirlenlite", 110},
        {0, 0, "Setting##all#all", 0},
        {1, 0, "Setting##whirlen#all", 10},
        {0, 2, "Setting##all#whirlenlite", 100},
        {5, 9, "Setting###", 110},
    };
    for (const auto& c : cases) {
        SettingPreference settings;
        settings.setDeviceType(c.deviceType);
        settings.setDeviceModel(c.deviceModel);
        EXPECT_EQ(settings.key(), c.key);
        EXPECT_EQ(settings.specificity(), c.specificity) << c.key;
    }
}

TEST(PreferenceTest, CopyFromTakesTheCommonPartWithBothFlags) {
    ProfilePreference source(1, 2);
    source.setDefault(true);
    source.setSecondFlag(true);
    source.setComment("note");
    SettingPreference copy;
    copy.copyFrom(&source);
    EXPECT_EQ(copy.kind(), PreferenceKind::Profile);
    EXPECT_EQ(copy.deviceType(), 1U);
    EXPECT_EQ(copy.deviceModel(), 2U);
    EXPECT_TRUE(copy.isDefault());
    EXPECT_TRUE(copy.isSecondFlag());
    EXPECT_EQ(copy.comment(), "note");
    copy.copyFrom(nullptr);
    EXPECT_EQ(copy.comment(), "note");
}

TEST(SettingPreferenceTest, RoundTripsAndCopiesItsFlag) {
    SettingPreference settings;
    settings.setAppSpecificActive(false);
    settings.setComment("日本語");
    json document = json::object();
    ASSERT_TRUE(settings.toJson(document));
    EXPECT_EQ(document, json({{"Comment", "日本語"}, {"AppSpecificActive", false}}));

    SettingPreference read;
    EXPECT_TRUE(read.fromJson(json::parse(document.dump())));
    EXPECT_FALSE(read.appSpecificActive());
    EXPECT_EQ(read.comment(), "日本語");

    SettingPreference copy;
    copy.copyFrom(&settings);
    EXPECT_FALSE(copy.appSpecificActive());
}

TEST(ApplicationContextConfigurationTest, RoundTripsAndIgnoresOtherTypes) {
    const ApplicationContextConfiguration configuration("Éditeur", "C:\\Programme\\édit.exe");
    json document = json::object();
    ASSERT_TRUE(configuration.toJson(document));
    ApplicationContextConfiguration read;
    EXPECT_TRUE(read.fromJson(json::parse(document.dump())));
    EXPECT_EQ(read.configName(), "Éditeur");
    EXPECT_EQ(read.programContextPath(), "C:\\Programme\\édit.exe");

    EXPECT_TRUE(read.fromJson({{"ConfigName", 1}, {"ProgramContextPath", nullptr}}));
    EXPECT_EQ(read.configName(), "Éditeur");
    json array = json::array();
    EXPECT_FALSE(configuration.toJson(array));
}

// Every class read from members of every JSON type, and from values that are
// not objects at all: a reader that takes a value before checking its type
// throws here.
class WrongJsonTypesTest : public testing::Test {
protected:
    static std::vector<json> valuesOfEveryType() {
        return {json(nullptr),
                json(true),
                json(0),
                json(-1),
                json(std::numeric_limits<uint64_t>::max()),
                json(std::numeric_limits<int64_t>::min()),
                json(2.5),
                json(""),
                json("\xff\xfe not UTF-8"),
                json("whirlen"),
                json::array(),
                json::array({1, "a", json::object()}),
                json::object(),
                json({{"Name", 1}, {"Actions", "x"}}),
                json::binary({1, 2})};
    }

    static std::vector<std::function<std::unique_ptr<PreferenceJsonInterface>()>> makers() {
        return {
            [] { return std::make_unique<ActionPreference>(); },
            [] { return std::make_unique<SettingPreference>(); },
            [] { return std::make_unique<ProfilePreference>(); },
            [] { return std::make_unique<MacroPreference>(); },
            [] { return std::make_unique<MacroGroupPreference>(1); },
            [] { return std::make_unique<ApplicationContextConfiguration>(); },
        };
    }

    FakePreferencesLookup lookup_;
};

TEST_F(WrongJsonTypesTest, NoReaderThrows) {
    lookup_.addMacro("Macro##all#all#m", "m");
    for (const auto& make : makers()) {
        for (const json& value : valuesOfEveryType()) {
            EXPECT_NO_THROW(make()->fromJson(value)) << value;
            for (int32_t id = 1; id <= 40; ++id) {
                const json document = {
                    {std::string(preferenceJsonKeyName(keyOf(id))), value},
                    {"ActionType", "Run_Macro"},
                    {"DeviceType", "whirlen"},
                };
                EXPECT_NO_THROW(make()->fromJson(document)) << document;
                const json nested = {{"Actions", json::array({document})},
                                     {"MacroGroups", json::array({document})},
                                     {"Settings", document}};
                EXPECT_NO_THROW(make()->fromJson(nested)) << nested;
            }
        }
    }
}

TEST_F(WrongJsonTypesTest, NoWriterThrowsOrWritesIntoANonObject) {
    for (const auto& make : makers()) {
        for (const json& value : valuesOfEveryType()) {
            if (value.is_object()) {
                continue;
            }
            json target = value;
            bool written = true;
            EXPECT_NO_THROW(written = make()->toJson(target)) << value;
            EXPECT_FALSE(written) << value;
            EXPECT_EQ(target, value);
        }
    }
}

}  // namespace
