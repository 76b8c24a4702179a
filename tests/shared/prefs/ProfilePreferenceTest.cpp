#include "shared/prefs/ProfilePreference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/shared/prefs/FakePreferencesLookup.h"

using nlohmann::json;

namespace {

class ProfilePreferenceTest : public testing::Test {
protected:
    ProfilePreferenceTest() {
        lookup_.addConfiguration("Editor", "editor.exe");
        lookup_.addConfiguration("Full", "C:\\Tools\\editor.exe");
        lookup_.addConfiguration("Other", "other.exe");
        lookup_.addMacro("Macro##all#all#m", "m");
    }

    // An action of this profile's model on control, in the named context.
    ActionPreference action(uint32_t control, uint32_t type, const std::string& context = "") {
        ActionPreference result(1, 1, control, lookup_.applicationContextConfiguration(context));
        result.setActionType(type);
        result.setProfile(profile_.key());
        return result;
    }

    static json actionJson(const char* control, const char* type, const char* comment = "") {
        return {{"MouseButton", control}, {"ActionType", type}, {"Comment", comment}};
    }

    FakePreferencesLookup lookup_;
    ProfilePreference profile_{1, 1};
};

TEST_F(ProfilePreferenceTest, RoundTripsEveryField) {
    profile_.setName("Über ✓");
    profile_.setComment("Kommentar");
    profile_.setAppSpecificActive(false);
    ActionPreference macro = action(3, 25, "Editor");
    macro.setMacroToRunByName("m");
    macro.setAppWindowName("Fenster");
    profile_.setAction(macro);
    profile_.setAction(action(0, 12));
    ActionPreference dial = action(16, 13);
    dial.setToggle(true);
    profile_.setAction(dial);

    json document = json::object();
    ASSERT_TRUE(profile_.toJson(document));
    EXPECT_EQ(document["DeviceType"], "whirlen");
    EXPECT_EQ(document["DeviceModel"], "whirlenmax");
    EXPECT_EQ(document["Actions"].size(), 3U);
    EXPECT_EQ(document["Settings"]["AppSpecificActive"], false);

    ProfilePreference read;
    ASSERT_TRUE(read.fromJson(json::parse(document.dump())));
    EXPECT_EQ(read.key(), "Profile##whirlen#whirlenmax#Über ✓");
    EXPECT_EQ(read.comment(), "Kommentar");
    EXPECT_FALSE(read.appSpecificActive());
    ASSERT_EQ(read.actions().size(), profile_.actions().size());
    for (const auto& [key, original] : profile_.actions()) {
        ASSERT_TRUE(read.actions().contains(key)) << key;
        EXPECT_EQ(read.actions().at(key), original) << key;
        EXPECT_EQ(read.actions().at(key).deviceModel(), 1U) << key;
    }
}

TEST_F(ProfilePreferenceTest, AnEmptyProfileWritesAnEmptyActionList) {
    json document = json::object();
    profile_.toJson(document);
    EXPECT_EQ(document["Actions"], json::array());
}

TEST_F(ProfilePreferenceTest, DeviceTypeMustNameARealType) {
    struct Case {
        json document;
        bool accepted;
        uint32_t deviceType;
    };
    const Case cases[] = {
        {{{"DeviceType", "all"}, {"Name", "p"}}, false, 0},
        {{{"DeviceType", "mouse"}, {"Name", "p"}}, false, 0},
        {{{"Name", "p"}}, true, 0},
        {{{"DeviceType", 1}, {"Name", "p"}}, true, 0},
        {{{"DeviceType", "Whirlen"}, {"Name", "p"}}, true, 1},
    };
    for (const auto& c : cases) {
        ProfilePreference profile;
        testing::internal::CaptureStdout();
        EXPECT_EQ(profile.fromJson(c.document), c.accepted) << c.document;
        const std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(output.find("Invalid parsed device type") != std::string::npos, !c.accepted);
        EXPECT_EQ(profile.deviceType(), c.deviceType) << c.document;
        EXPECT_EQ(profile.name(), c.accepted ? "p" : "") << c.document;
    }
}

TEST_F(ProfilePreferenceTest, ReadingKeepsTheLastOfEqualKeysAndDropsInvalidActions) {
    const json document = {
        {"DeviceType", "whirlen"},
        {"DeviceModel", "whirlenmax"},
        {"Name", "p"},
        {"Actions", json::array({actionJson("DeviceButton_1", "click", "first"),
                                 actionJson("DeviceButton_1", "right_click", "second"),
                                 {{"MouseButton", "DeviceButton_2"}},
                                 "not an object",
                                 json::array(),
                                 actionJson("DeviceButton_3", "jump")})},
    };
    ProfilePreference profile;
    ASSERT_TRUE(profile.fromJson(document));
    ASSERT_EQ(profile.actions().size(), 2U);
    const ActionPreference& button =
        profile.actions().at("Action##whirlen#whirlenmax###DeviceButton_1");
    EXPECT_EQ(button.comment(), "second");
    EXPECT_EQ(button.actionType(), 2U);
    EXPECT_EQ(button.profile(), "Profile##whirlen#whirlenmax#p");
    EXPECT_EQ(profile.actions().at("Action##whirlen#whirlenmax###DeviceButton_3").actionType(), 0U);
}

TEST_F(ProfilePreferenceTest, MembersOfOtherTypesAreIgnored) {
    ProfilePreference profile;
    ASSERT_TRUE(
        profile.fromJson({{"Name", "p"}, {"Settings", json::array()}, {"Actions", {{"a", 1}}}}));
    EXPECT_TRUE(profile.appSpecificActive());
    EXPECT_TRUE(profile.actions().empty());
    EXPECT_TRUE(profile.isValid());
    EXPECT_FALSE(ProfilePreference().isValid());
}

TEST_F(ProfilePreferenceTest, RenamingMovesTheActionsToTheNewKey) {
    profile_.setName("old");
    profile_.setAction(action(0, 1));
    profile_.setName("new");
    EXPECT_EQ(profile_.key(), "Profile##whirlen#whirlenmax#new");
    for (const auto& [key, action] : profile_.actions()) {
        EXPECT_EQ(action.profile(), profile_.key()) << key;
    }
}

TEST_F(ProfilePreferenceTest, ActionsForApplicationLayersExactAndSubstringPaths) {
    profile_.setAction(action(0, 1));            // general
    profile_.setAction(action(1, 1));            // general, overridden below
    profile_.setAction(action(1, 2, "Editor"));  // "editor.exe"
    profile_.setAction(action(2, 3, "Full"));    // the whole path
    profile_.setAction(action(4, 4, "Other"));

    const ControlActionMap general = profile_.actionsForApplication("");
    ASSERT_EQ(general.size(), 2U);
    EXPECT_EQ(general.at(1).actionType(), 1U);

    const ControlActionMap full = profile_.actionsForApplication("C:\\Tools\\editor.exe");
    ASSERT_EQ(full.size(), 2U);
    EXPECT_EQ(full.at(1).appContextName(), "Editor");
    EXPECT_EQ(full.at(2).appContextName(), "Full");
    EXPECT_FALSE(full.contains(0));

    EXPECT_TRUE(profile_.actionsForApplication("C:\\Tools\\EDITOR.EXE").empty());
    const ControlActionMap exact = profile_.actionsForApplication("editor.exe");
    ASSERT_EQ(exact.size(), 1U);
    EXPECT_EQ(exact.at(1).appContextName(), "Editor");
}

TEST_F(ProfilePreferenceTest, FindActionAndTogglesMatchThePathExactly) {
    ActionPreference dial = action(15, 13, "Editor");
    dial.setToggle(true);
    profile_.setAction(dial);
    ActionPreference zone = action(30, 13);
    zone.setToggle(true);
    profile_.setAction(zone);

    EXPECT_TRUE(profile_.dialToggle("editor.exe"));
    EXPECT_FALSE(profile_.dialToggle(""));
    EXPECT_FALSE(profile_.dialToggle("C:\\Tools\\editor.exe"));
    EXPECT_TRUE(profile_.jogWheelToggle(""));
    EXPECT_FALSE(profile_.jogWheelToggle("editor.exe"));

    ASSERT_TRUE(profile_.findAction("editor.exe", 15).has_value());
    EXPECT_EQ(profile_.findAction("editor.exe", 15)->appContextName(), "Editor");
    EXPECT_FALSE(profile_.findAction("", 15).has_value());
    EXPECT_FALSE(profile_.findAction("editor.exe", 16).has_value());
}

TEST_F(ProfilePreferenceTest, ReplaceActionRules) {
    struct Case {
        const char* label;
        ActionPreference previous;
        ActionPreference next;
        EditResult::Refusal refusal;
        std::vector<std::string> keys;
    };
    const std::string button1 = "Action##whirlen#whirlenmax###DeviceButton_1";
    const std::string button2 = "Action##whirlen#whirlenmax###DeviceButton_2";
    const std::string dial = "Action##whirlen#whirlenmax###DeviceDialLeft";
    const std::string editorButton2 = "Action##whirlen#whirlenmax#Editor##DeviceButton_2";
    ActionPreference defaultPrevious = action(1, 0);
    defaultPrevious.setDefault(true);
    ActionPreference defaultNext = action(0, 5);
    defaultNext.setDefault(true);
    ActionPreference commentedEmpty = action(0, 0);
    commentedEmpty.setComment("keep");

    using Refusal = EditResult::Refusal;
    const Case cases[] = {
        {"default next", action(0, 1), defaultNext, Refusal::Invalid, {button1}},
        {"new key over a binding", action(1, 1), action(0, 4), Refusal::BindingExists, {button1}},
        {"new key disabled",
         action(1, 1),
         action(1, 0, "Editor"),
         Refusal::DisabledBesideBinding,
         {button1}},
        {"new key stored beside",
         action(1, 1),
         action(1, 3, "Editor"),
         Refusal::None,
         {button1, editorButton2}},
        {"same key replaced", action(0, 1), action(0, 6), Refusal::None, {button1}},
        {"empty button removed", action(0, 1), action(0, 0), Refusal::None, {}},
        {"commented empty kept", action(0, 1), commentedEmpty, Refusal::None, {button1}},
        {"empty dial stored", action(15, 1), action(15, 0), Refusal::None, {button1, dial}},
        {"default previous", defaultPrevious, action(1, 4), Refusal::None, {button1, button2}},
        {"default previous empty", defaultPrevious, action(1, 0), Refusal::None, {button1}},
    };
    for (const auto& c : cases) {
        ProfilePreference profile(1, 1);
        profile.setAction(action(0, 1));
        EXPECT_EQ(profile.replaceAction(c.previous, c.next), c.refusal) << c.label;
        std::vector<std::string> keys;
        for (const auto& [key, stored] : profile.actions()) {
            keys.push_back(key);
        }
        EXPECT_EQ(keys, c.keys) << c.label;
    }
}

TEST_F(ProfilePreferenceTest, ReplacingAnActionStoresTheNewOne) {
    profile_.setAction(action(0, 1));
    ActionPreference next = action(0, 12);
    next.setKeyCode(65);
    ASSERT_EQ(profile_.replaceAction(action(0, 1), next), EditResult::Refusal::None);
    EXPECT_EQ(profile_.actions().begin()->second.keyCode(), 65);
}

TEST_F(ProfilePreferenceTest, RemovingAContextAndClearingAMacro) {
    ActionPreference macro = action(0, 25);
    macro.setMacroToRunByName("m");
    profile_.setAction(macro);
    profile_.setAction(action(1, 1, "Editor"));
    profile_.setAction(action(2, 1, "Editor"));
    profile_.setAction(action(2, 1, "Other"));

    profile_.removeActionsOfContext("Editor");
    EXPECT_EQ(profile_.actions().size(), 2U);
    profile_.clearMacro("Macro##all#all#m");
    const ActionPreference& cleared =
        profile_.actions().at("Action##whirlen#whirlenmax###DeviceButton_1");
    EXPECT_EQ(cleared.actionType(), 0U);
    EXPECT_EQ(cleared.macroKey(), "");
}

TEST_F(ProfilePreferenceTest, SetAppSpecificActiveReportsAChange) {
    EXPECT_TRUE(profile_.appSpecificActive());
    EXPECT_FALSE(profile_.setAppSpecificActive(true));
    EXPECT_TRUE(profile_.setAppSpecificActive(false));
    EXPECT_FALSE(profile_.appSpecificActive());
}

}  // namespace
