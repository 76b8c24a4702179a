#include "shared/prefs/ActionPreference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "shared/prefs/ActionPresets.h"
#include "shared/prefs/DefaultActions.h"
#include "shared/prefs/KeyNames.h"
#include "shared/prefs/MacroGroupPreference.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/ProfilePreference.h"
#include "shared/prefs/SettingPreference.h"
#include "tests/shared/prefs/FakePreferencesLookup.h"

using nlohmann::json;

namespace {

constexpr const char* kMacroKey = "Macro##all#all#Grüße";

class ActionPreferenceTest : public testing::Test {
protected:
    ActionPreferenceTest() {
        lookup_.addMacro(kMacroKey, "Grüße");
        lookup_.addConfiguration("Editor", "editor.exe");
        lookup_.addConfiguration("Full", "C:\\Tools\\editor.exe");
    }

    // An action with every field away from its default.
    static ActionPreference fullAction() {
        ActionPreference action(1, 1, 15, ApplicationContextConfiguration("Editor", "editor.exe"));
        action.setComment("Kommentar ✓");
        action.setActionType(kActionTypeRunMacro);
        action.setMacroToRunByName("Grüße");
        action.setKeyCode(keyCodeFromName("KEY_F5"));
        action.setTextToWrite("Ünïcödé text");
        action.setUseCtrl(true);
        action.setUseAlt(true);
        action.setUseShift(true);
        action.setUseSpecial(true);
        action.setCommand("C:\\Programme\\tool.exe");
        action.setCommandArgs("--flag «x»");
        action.setTiming({0, 45, 1000});
        action.setProfile("Profile##whirlen#whirlenmax#default");
        action.setAppWindowName("Fenster");
        action.setToggle(true);
        action.setSwitchToProfile("Profile##whirlen#whirlenmax#zwei");
        return action;
    }

    static ActionPreference read(const json& document) {
        ActionPreference action;
        action.fromJson(document);
        return action;
    }

    FakePreferencesLookup lookup_;
};

TEST_F(ActionPreferenceTest, RoundTripsEveryField) {
    const ActionPreference action = fullAction();
    json document = json::object();
    ASSERT_TRUE(action.toJson(document));
    EXPECT_EQ(document["ActionType"], "run_macro");
    EXPECT_EQ(document["KeyCode"], "KEY_F5");
    EXPECT_EQ(document["MouseButton"], "DeviceDialLeft");
    EXPECT_EQ(document["MacroToRun"], "Grüße");
    EXPECT_EQ(document["AppContextConfig"], "Editor");
    EXPECT_FALSE(document.contains("DeviceType"));
    EXPECT_FALSE(document.contains("DeviceModel"));

    ActionPreference copy(1, 1, kControlNone, ApplicationContextConfiguration());
    ASSERT_TRUE(copy.fromJson(json::parse(document.dump())));
    EXPECT_EQ(copy.profile(), "");  // the owning profile sets it
    copy.setProfile(action.profile());
    EXPECT_EQ(copy, action);
    EXPECT_EQ(copy.macroKey(), kMacroKey);
    EXPECT_EQ(copy.appContextPath(), "editor.exe");
    EXPECT_EQ(copy.key(), action.key());
    EXPECT_EQ(copy.key(), "Action##whirlen#whirlenmax#Editor#Fenster#DeviceDialLeft");
}

TEST_F(ActionPreferenceTest, InvalidUtf8MakesJsonThatTheStoreCanStillDump) {
    ActionPreference action = fullAction();
    action.setTextToWrite("bad \xC3\x28 bytes");
    json document = json::object();
    ASSERT_NO_THROW(action.toJson(document));
    std::string text;
    EXPECT_NO_THROW(text = document.dump(2, ' ', false, json::error_handler_t::replace));
    EXPECT_NE(text.find("\"TextToWrite\""), std::string::npos);
}

TEST_F(ActionPreferenceTest, ActionTypeNamesReadCaseInsensitivelyUnknownAsDisabled) {
    struct Case {
        json value;
        uint32_t type;
    };
    const Case cases[] = {
        {"BRIGHTNESSUP", 16},
        {"brightnessup", 16},
        {"Switch_To_Profile", 28},
        {"disabled", 0},
        {"jump", 0},
        {"", 0},
        {" click", 0},
        {5, 29},
        {nullptr, 29},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read({{"ActionType", c.value}}).actionType(), c.type) << c.value;
    }
}

TEST_F(ActionPreferenceTest, WrittenActionTypeIsLowerCase) {
    ActionPreference action;
    action.setActionType(16);
    EXPECT_EQ(action.actionTypeName(), "brightnessup");
    action.setActionType(kActionTypeUnset);
    EXPECT_EQ(action.actionTypeName(), "");
}

TEST_F(ActionPreferenceTest, MacroToRunNeedsAKnownMacroAndARunMacroType) {
    struct Case {
        json document;
        uint32_t type;
        const char* macroKey;
    };
    const Case cases[] = {
        {{{"ActionType", "Run_Macro"}, {"MacroToRun", "Grüße"}}, 25, kMacroKey},
        {{{"ActionType", "Run_Macro"}, {"MacroToRun", "nothing"}}, 0, ""},
        {{{"ActionType", "Run_Macro"}, {"MacroToRun", ""}}, 0, ""},
        {{{"ActionType", "Run_Macro"}}, 25, ""},
        {{{"ActionType", "Run_Macro"}, {"MacroToRun", 3}}, 25, ""},
        {{{"ActionType", "keypress"}, {"MacroToRun", "Grüße"}}, 12, ""},
    };
    for (const auto& c : cases) {
        const ActionPreference action = read(c.document);
        EXPECT_EQ(action.actionType(), c.type) << c.document;
        EXPECT_EQ(action.macroKey(), c.macroKey) << c.document;
    }
}

TEST_F(ActionPreferenceTest, MacroToRunIsWrittenOnlyForRunMacro) {
    ActionPreference action;
    action.setActionType(12);
    action.setMacroToRunByName("Grüße");
    ASSERT_EQ(action.macroKey(), kMacroKey);
    json document = json::object();
    action.toJson(document);
    EXPECT_EQ(document["MacroToRun"], "");
    EXPECT_EQ(action.macroToRunName(), "Grüße");
}

TEST_F(ActionPreferenceTest, TimingFieldsReadOnlyFromIntegersThatFit) {
    struct Case {
        json value;
        int32_t repeat;
    };
    const Case cases[] = {
        {3, 3},
        {-1, -1},
        {2.5, 1},
        {"3", 1},
        {int64_t{2147483648}, 1},
        {int64_t{-2147483649}, 1},
        {int64_t{-2147483648}, -2147483647 - 1},
        {uint64_t{18446744073709551615U}, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read({{"Repeat", c.value}}).timing().repeat, c.repeat) << c.value;
    }
    const ActionTiming timing =
        read({{"Repeat", 5}, {"DelayRepeat", 20}, {"StartDelay", 0}}).timing();
    EXPECT_EQ(timing, (ActionTiming{0, 5, 20}));
}

TEST_F(ActionPreferenceTest, OtherMembersReadByTheirNames) {
    const ActionPreference action = read({{"MouseButton", "devicejogwheelzone-7"},
                                          {"KeyCode", "KEY_NUMPAD0"},
                                          {"AppContextConfig", "Full"},
                                          {"TextToWrite", 12}});
    EXPECT_EQ(action.control(), 17U);
    EXPECT_EQ(action.keyCode(), 20000096);
    EXPECT_EQ(action.appContextPath(), "C:\\Tools\\editor.exe");
    EXPECT_EQ(action.textToWrite(), "");

    EXPECT_EQ(read({{"MouseButton", "DeviceJogWheelTransition_-1to0"}}).control(), kControlNone);
    EXPECT_EQ(read({{"KeyCode", "key_a"}}).keyCode(), 0);
    EXPECT_EQ(read({{"AppContextConfig", "Unknown"}}).appContextName(), "");
}

TEST_F(ActionPreferenceTest, IdentityKeys) {
    ActionPreference button(1, 1, 0, ApplicationContextConfiguration());
    EXPECT_EQ(button.key(), "Action##whirlen#whirlenmax###DeviceButton_1");

    ActionPreference none(1, 2, kControlNone, ApplicationContextConfiguration());
    EXPECT_EQ(none.key(), "Action##whirlen#whirlenlite###");
    json document = json::object();
    none.toJson(document);
    EXPECT_EQ(document["MouseButton"], "");

    ActionPreference step;
    step.setControl(0);
    MacroGroupPreference group(4000000000U);
    step.setOwnerMacroGroup(&group);
    EXPECT_EQ(step.key(), "Action##all#all###DeviceButton_1#4000000000");
    step.setOwnerMacroGroup(nullptr);
    EXPECT_EQ(step.key(), "Action##all#all###DeviceButton_1");
}

TEST_F(ActionPreferenceTest, CopyOutlivingItsGroupKeepsKeyAndOwner) {
    auto group = std::make_shared<MacroGroupPreference>(77);
    auto step = std::make_shared<ActionPreference>();
    step->setActionType(1);
    step->setControl(3);
    step->setOwnerMacroGroup(group.get());
    group->addAction(step);
    const ActionPreference copy = *group->actions().front();
    group.reset();
    step.reset();
    EXPECT_EQ(copy.key(), "Action##all#all###DeviceButton_4#77");
    EXPECT_TRUE(copy.isValid());
}

TEST_F(ActionPreferenceTest, ValidityNeedsAKnownTypeAndAnOwner) {
    ActionPreference action(1, 1, 0, ApplicationContextConfiguration());
    action.setActionType(0);
    EXPECT_FALSE(action.isValid());
    action.setProfile("Profile##whirlen#whirlenmax#p");
    EXPECT_TRUE(action.isValid());
    action.setActionType(kActionTypeUnset);
    EXPECT_FALSE(action.isValid());
}

TEST_F(ActionPreferenceTest, Specificity) {
    struct Case {
        uint32_t deviceType;
        uint32_t deviceModel;
        const char* context;
        const char* window;
        uint32_t specificity;
    };
    const Case cases[] = {
        {0, 0, "", "", 0},        {1, 0, "", "", 10},          {1, 1, "Editor", "Main", 11110},
        {0, 0, "", "Main", 1000}, {0, 2, "Editor", "", 10100},
    };
    for (const auto& c : cases) {
        ActionPreference action(c.deviceType, c.deviceModel, 0,
                                ApplicationContextConfiguration(c.context, "p"));
        action.setAppWindowName(c.window);
        EXPECT_EQ(action.specificity(), c.specificity) << c.context << "/" << c.window;
    }
}

// StartDelay, Repeat, DelayRepeat of each repeat preset, by index: the editor names them
// and the agent's repeat worker acts on them by the same index.
const ActionTiming kRepeatPresets[] = {
    {0, 1, 0},     {0, -1, 0},    {-2, 1, 0},    {0, 60, 1000}, {0, 45, 1000},
    {0, 30, 1000}, {0, 15, 1000}, {0, 10, 1000}, {0, 5, 1000},  {0, 2, 1000},
    {0, 1, 1000},  {0, 1, 2000},  {0, 1, 3000},  {0, 1, 4000},
};

// The wait after a macro step, in milliseconds, by index.
const int32_t kWaitPresetMilliseconds[] = {0,   1,   2,   5,    10,   20,   50,
                                           100, 200, 500, 1000, 2000, 5000, 10000};

TEST_F(ActionPreferenceTest, EveryPresetHasItsTimingAndIsFoundByIt) {
    ASSERT_EQ(std::size(kRepeatPresets), RepeatTypePresets.size());
    for (uint32_t index = 0; index < std::size(kRepeatPresets); ++index) {
        SCOPED_TRACE("repeat preset " + std::to_string(index));
        EXPECT_EQ(RepeatTypePresets[index], kRepeatPresets[index]);
        ActionPreference action;
        action.setTiming(kRepeatPresets[index]);
        EXPECT_EQ(action.repeatType(), index);
    }
    ASSERT_EQ(std::size(kWaitPresetMilliseconds), MacroWaitTimePresets.size());
    for (uint32_t index = 0; index < std::size(kWaitPresetMilliseconds); ++index) {
        SCOPED_TRACE("wait preset " + std::to_string(index));
        const ActionTiming timing{0, 1, kWaitPresetMilliseconds[index]};
        ActionPreference action;
        action.setWaitTimeType(index);
        EXPECT_EQ(action.timing(), timing);
        EXPECT_EQ(action.waitTimeType(), index);
    }
}

TEST_F(ActionPreferenceTest, PresetIndexesOfTimings) {
    struct Case {
        ActionTiming timing;
        uint32_t repeatType;
        uint32_t waitTimeType;
    };
    const Case cases[] = {
        {{-1, 1, 0}, 0, kMacroWaitTimeNone},
        {{0, 1, 1000}, 10, 10},
        {{0, 45, 1000}, 4, 14},
        {{0, 1, 0}, 0, 0},
        {{-2, 1, 0}, 2, 14},
        {{0, 1, 10000}, 0, 13},
    };
    for (const auto& c : cases) {
        ActionPreference action;
        action.setTiming(c.timing);
        EXPECT_EQ(action.repeatType(), c.repeatType)
            << c.timing.repeat << "/" << c.timing.delayRepeat;
        EXPECT_EQ(action.waitTimeType(), c.waitTimeType)
            << c.timing.repeat << "/" << c.timing.delayRepeat;
    }
}

TEST_F(ActionPreferenceTest, SettingPresetsIgnoresIndexesOutOfRange) {
    ActionPreference action;
    action.setRepeatType(14);
    action.setWaitTimeType(14);
    action.setRepeatType(static_cast<uint32_t>(-1));
    EXPECT_EQ(action.timing(), (ActionTiming{-1, 1, 0}));
    // The defaults' triple already counts as preset 0.
    action.setRepeatType(0);
    EXPECT_EQ(action.timing(), (ActionTiming{-1, 1, 0}));
    action.setRepeatType(3);
    EXPECT_EQ(action.timing(), (ActionTiming{0, 60, 1000}));
    action.setWaitTimeType(13);
    EXPECT_EQ(action.timing(), (ActionTiming{0, 1, 10000}));
    EXPECT_EQ(action.waitTimeType(), 13U);
}

TEST_F(ActionPreferenceTest, ResetClearsTheBindingButKeepsWhereItApplies) {
    ActionPreference action = fullAction();
    action.setTiming(RepeatTypePresets[3]);
    action.reset();
    EXPECT_EQ(action.actionType(), kActionTypeUnset);
    EXPECT_EQ(action.macroKey(), "");
    EXPECT_EQ(action.keyCode(), 0);
    EXPECT_EQ(action.textToWrite(), "");
    EXPECT_EQ(action.command(), "");
    EXPECT_EQ(action.commandArgs(), "");
    EXPECT_FALSE(action.useCtrl() || action.useAlt() || action.useShift() || action.useSpecial());
    EXPECT_EQ(action.timing(), RepeatTypePresets[0]);
    EXPECT_EQ(action.comment(), "Kommentar ✓");
    EXPECT_EQ(action.appContextName(), "Editor");
    EXPECT_EQ(action.appWindowName(), "Fenster");
    EXPECT_TRUE(action.toggle());

    action.setTiming({5, 5, 5});
    action.reset();
    EXPECT_EQ(action.timing(), (ActionTiming{5, 5, 5}));
}

TEST_F(ActionPreferenceTest, ClearMacroIfNamedDisablesOnlyThatMacro) {
    ActionPreference action = fullAction();
    action.clearMacroIfNamed("Macro##all#all#other");
    EXPECT_EQ(action.actionType(), kActionTypeRunMacro);
    action.clearMacroIfNamed(kMacroKey);
    EXPECT_EQ(action.actionType(), kActionTypeDisabled);
    EXPECT_EQ(action.macroKey(), "");
}

TEST_F(ActionPreferenceTest, EqualityComparesEditedFieldsOnly) {
    const ActionPreference action = fullAction();
    ActionPreference other = action;
    other.setDeviceModel(2);
    other.setDefault(true);
    other.setPressModifier(true);
    MacroGroupPreference group(5);
    other.setOwnerMacroGroup(&group);
    EXPECT_EQ(other, action);
    ActionPreference differentPath(1, 1, 15, ApplicationContextConfiguration("Editor", "x.exe"));
    differentPath.copyFrom(&action);
    EXPECT_EQ(differentPath, action);
    other.setComment("changed");
    EXPECT_FALSE(other == action);
}

TEST_F(ActionPreferenceTest, CopyFromTakesEverythingFromAnActionOnlyTheCommonPartOtherwise) {
    const ActionPreference action = fullAction();
    ActionPreference copy;
    copy.copyFrom(&action);
    EXPECT_EQ(copy, action);
    EXPECT_EQ(copy.deviceModel(), 1U);
    EXPECT_EQ(copy.appContextPath(), "editor.exe");

    SettingPreference settings;
    settings.setComment("settings");
    copy.copyFrom(&settings);
    EXPECT_EQ(copy.kind(), PreferenceKind::Setting);
    EXPECT_EQ(copy.comment(), "settings");
    EXPECT_EQ(copy.actionType(), kActionTypeRunMacro);
    copy.copyFrom(nullptr);
    EXPECT_EQ(copy.comment(), "settings");
}

TEST_F(ActionPreferenceTest, ModifiersAndControlKinds) {
    ActionPreference action;
    action.setUseShift(true);
    action.setUseSpecial(true);
    EXPECT_TRUE(action.modifier(0));
    EXPECT_FALSE(action.modifier(1));
    EXPECT_FALSE(action.modifier(2));
    EXPECT_TRUE(action.modifier(3));
    EXPECT_FALSE(action.modifier(4));
    EXPECT_FALSE(action.modifier(-1));

    struct Case {
        uint32_t control;
        bool dial;
        bool jogWheel;
    };
    const Case cases[] = {{14, false, false}, {15, true, false}, {16, true, false},
                          {17, false, true},  {59, false, true}, {60, false, false}};
    for (const auto& c : cases) {
        action.setControl(c.control);
        EXPECT_EQ(action.isDial(), c.dial) << c.control;
        EXPECT_EQ(action.isJogWheelControl(), c.jogWheel) << c.control;
        EXPECT_EQ(action.isDialOrJogWheel(), c.dial || c.jogWheel) << c.control;
    }
}

TEST_F(ActionPreferenceTest, SetModifierWritesTheFlagThatModifierReads) {
    for (int32_t i = 0; i < 4; ++i) {
        ActionPreference action;
        action.setModifier(i, true);
        for (int32_t j = -1; j <= 4; ++j) {
            EXPECT_EQ(action.modifier(j), i == j) << i << " " << j;
        }
        action.setModifier(i, false);
        EXPECT_FALSE(action.modifier(i)) << i;
    }
    ActionPreference action;
    action.setModifier(-1, true);
    action.setModifier(4, true);
    EXPECT_FALSE(action.useShift() || action.useAlt() || action.useCtrl() || action.useSpecial());
}

TEST_F(ActionPreferenceTest, CommandOrTextLandsWhereTheActionTypeUsesIt) {
    struct Case {
        uint32_t type;
        std::string command;
        std::string args;
        std::string text;
    };
    const Case cases[] = {{kActionTypeCommand, "calc", "-x", "old text"},
                          {kActionTypeTypeText, "old", "--old", "calc"},
                          {kActionTypeRunMacro, "old", "--old", "old text"},
                          {kActionTypeDisabled, "old", "--old", "old text"}};
    for (const auto& c : cases) {
        ActionPreference action;
        action.setActionType(c.type);
        action.setCommand("old");
        action.setCommandArgs("--old");
        action.setTextToWrite("old text");
        action.setCommandOrText("calc", "-x");
        EXPECT_EQ(action.command(), c.command) << c.type;
        EXPECT_EQ(action.commandArgs(), c.args) << c.type;
        EXPECT_EQ(action.textToWrite(), c.text) << c.type;
    }
}

TEST_F(ActionPreferenceTest, MakeDefaultTakesTheTableEntryTheProfileAndTheContext) {
    ProfilePreference profile(1, 2);
    profile.setName("default");
    ActionPreference dial(1, 2, 16, ApplicationContextConfiguration("Editor", "editor.exe"));
    dial.setActionType(13);
    dial.setToggle(true);
    dial.setProfile(profile.key());
    profile.setAction(dial);

    const ActionPreference missing =
        ActionPreference::makeDefault(2, 7, profile, "C:\\Tools\\editor.exe");
    EXPECT_EQ(missing.actionType(), kActionTypeUnset);
    EXPECT_EQ(missing.profile(), "");
    EXPECT_FALSE(missing.isValid());
    EXPECT_EQ(missing.appContextName(), "Full");

    const ActionPreference general = ActionPreference::makeDefault(2, 15, profile, "");
    EXPECT_EQ(general.actionType(), kActionTypeDisabled);
    EXPECT_TRUE(general.isDefault());
    EXPECT_EQ(general.timing(), (ActionTiming{-1, 1, 0}));
    EXPECT_EQ(general.profile(), "Profile##whirlen#whirlenlite#default");
    EXPECT_EQ(general.control(), 15U);
    EXPECT_FALSE(general.toggle());
    EXPECT_EQ(general.appContextName(), "");
    EXPECT_TRUE(general.isValid());

    const ActionPreference inEditor = ActionPreference::makeDefault(2, 15, profile, "editor.exe");
    EXPECT_TRUE(inEditor.toggle());
    EXPECT_EQ(inEditor.appContextName(), "Editor");
    EXPECT_EQ(inEditor.key(), "Action##whirlen#whirlenlite#Editor##DeviceDialLeft");
}

TEST(DefaultActionsTest, EveryControlOfEveryModelStartsDisabled) {
    const DefaultActionTable& table = defaultActions();
    size_t entries = 0;
    for (const auto& [model, actions] : table) {
        for (const auto& [control, action] : actions) {
            ++entries;
            EXPECT_TRUE(
                modelHasControl(static_cast<int32_t>(model), static_cast<int32_t>(control)));
            EXPECT_EQ(action.control(), control);
            EXPECT_EQ(action.deviceModel(), model);
            EXPECT_EQ(action.deviceType(), 1U);
            EXPECT_TRUE(action.isDefault());
            EXPECT_EQ(action.actionType(), kActionTypeDisabled);
            EXPECT_EQ(action.timing(), (ActionTiming{-1, 1, 0}));
            EXPECT_EQ(action.appContextName(), "");
            EXPECT_EQ(action.profile(), "");
            EXPECT_FALSE(action.toggle());
        }
    }
    EXPECT_EQ(entries, 110U);
    EXPECT_EQ(findDefaultAction(2, 7), nullptr);
    EXPECT_EQ(findDefaultAction(0, 0), nullptr);
    ASSERT_NE(findDefaultAction(1, 59), nullptr);
    EXPECT_EQ(findDefaultAction(1, 59)->control(), 59U);
}

}  // namespace
