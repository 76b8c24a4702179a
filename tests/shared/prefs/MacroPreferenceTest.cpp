#include "shared/prefs/MacroPreference.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "shared/prefs/MacroGroupPreference.h"
#include "tests/shared/prefs/FakePreferencesLookup.h"

using nlohmann::json;

namespace {

std::shared_ptr<ActionPreference> step(uint32_t control, uint32_t type) {
    auto action = std::make_shared<ActionPreference>();
    action->setControl(control);
    action->setActionType(type);
    return action;
}

class MacroPreferenceTest : public testing::Test {
protected:
    FakePreferencesLookup lookup_;
};

TEST_F(MacroPreferenceTest, RoundTripsGroupsAndSteps) {
    lookup_.addConfiguration("Editor", "editor.exe");
    MacroPreference macro;
    macro.setDeviceType(1);
    macro.setDeviceModel(2);
    macro.setComment("Makro ✓");
    macro.setName("Grüße");
    for (uint32_t id : {4000000000U, 7U}) {
        auto group = std::make_shared<MacroGroupPreference>(id);
        group->setComment("Gruppe " + std::to_string(id));
        for (uint32_t control : {0U, 1U}) {
            auto action = step(control, 27);
            action->setTextToWrite("Ünïcödé " + std::to_string(control));
            action->setWaitTimeType(9);
            action->setAppContextByName("Editor");
            action->setOwnerMacroGroup(group.get());
            group->addAction(action);
        }
        macro.addGroup(group);
    }

    json document = json::object();
    ASSERT_TRUE(macro.toJson(document));
    EXPECT_EQ(document["MacroGroups"][0]["MacroGroupID"], 4000000000U);
    EXPECT_TRUE(document["MacroGroups"][0]["MacroGroupID"].is_number_unsigned());

    MacroPreference read;
    ASSERT_TRUE(read.fromJson(json::parse(document.dump())));
    EXPECT_EQ(read.key(), "Macro##whirlen#whirlenlite#Grüße");
    EXPECT_EQ(read.name(), "Grüße");
    EXPECT_EQ(read.comment(), "Makro ✓");
    const MacroGroupList groups = read.groups();
    const MacroGroupList originals = macro.groups();
    ASSERT_EQ(groups.size(), 2U);
    for (size_t g = 0; g < groups.size(); ++g) {
        EXPECT_EQ(groups[g]->key(), originals[g]->key());
        EXPECT_EQ(groups[g]->comment(), originals[g]->comment());
        const ActionList actions = groups[g]->actions();
        ASSERT_EQ(actions.size(), 2U);
        for (size_t a = 0; a < actions.size(); ++a) {
            const ActionPreference& original = *originals[g]->actions()[a];
            EXPECT_EQ(*actions[a], original);
            EXPECT_EQ(actions[a]->key(), original.key());
            EXPECT_EQ(actions[a]->waitTimeType(), 9U);
            EXPECT_EQ(actions[a]->deviceModel(), 0U);
        }
    }
}

TEST_F(MacroPreferenceTest, AnyDeviceTypeIsAcceptedAndTheKeyIsFixedByTheFirstName) {
    MacroPreference macro;
    ASSERT_TRUE(macro.fromJson({{"DeviceType", "all"}, {"Name", "A"}}));
    EXPECT_EQ(macro.key(), "Macro##all#all#A");
    auto group = std::make_shared<MacroGroupPreference>(9);
    macro.addGroup(group);
    EXPECT_EQ(group->key(), "##all#all#A#9");
    macro.setName("B");
    EXPECT_EQ(macro.key(), "Macro##all#all#A");
    EXPECT_EQ(group->key(), "##all#all#B#9");

    MacroPreference unnamed;
    unnamed.setName("");
    EXPECT_EQ(unnamed.key(), "");
    EXPECT_FALSE(unnamed.isValid());
    unnamed.setName("later");
    EXPECT_EQ(unnamed.key(), "Macro##all#all#later");
}

TEST_F(MacroPreferenceTest, ReadingStartsFromAnEmptyMacroAndDropsInvalidGroups) {
    MacroPreference macro;
    macro.setName("old");
    macro.addGroup(std::make_shared<MacroGroupPreference>(1));
    const json document = {
        {"DeviceType", "mouse"},
        {"Name", "new"},
        {"MacroGroups", json::array({{{"MacroGroupID", 0}},
                                     {{"MacroGroupID", 5}},
                                     {{"MacroGroupID", -5}},
                                     {{"MacroGroupID", 6}, {"Actions", json::array({"x"})}},
                                     "group"})},
    };
    ASSERT_TRUE(macro.fromJson(document));
    EXPECT_EQ(macro.key(), "Macro##all#all#new");
    ASSERT_EQ(macro.groups().size(), 2U);
    EXPECT_EQ(macro.groups()[0]->macroGroupID(), 5U);
    EXPECT_TRUE(macro.groups()[1]->actions().empty());
}

TEST_F(MacroPreferenceTest, GroupKeysAndValidity) {
    MacroPreference macro;
    macro.setName("M");
    MacroGroupPreference group(4000000000U);
    EXPECT_EQ(group.key(), "##all#all#none_macro#4000000000");
    EXPECT_FALSE(group.isValid());
    group.setOwnerMacro(&macro);
    EXPECT_EQ(group.key(), "##all#all#M#4000000000");
    EXPECT_TRUE(group.isValid());

    MacroGroupPreference unnumbered(0);
    unnumbered.setOwnerMacro(&macro);
    EXPECT_FALSE(unnumbered.isValid());
}

TEST_F(MacroPreferenceTest, GroupKeepsItsKeyAfterItsMacroIsGone) {
    auto macro = std::make_shared<MacroPreference>();
    macro->setName("M");
    auto group = std::make_shared<MacroGroupPreference>(3);
    macro->addGroup(group);
    macro.reset();
    EXPECT_EQ(group->key(), "##all#all#M#3");
    EXPECT_TRUE(group->isValid());
}

TEST_F(MacroPreferenceTest, GroupIdMustBeAnUnsigned32BitInteger) {
    struct Case {
        json id;
        uint32_t expected;
    };
    const Case cases[] = {
        {4000000000U, 4000000000U},
        {int64_t{4294967296}, 11},
        {-1, 11},
        {2.0, 11},
        {"12", 11},
        {12, 12},
    };
    for (const auto& c : cases) {
        MacroGroupPreference group(11);
        EXPECT_TRUE(group.fromJson({{"MacroGroupID", c.id}})) << c.id;
        EXPECT_EQ(group.macroGroupID(), c.expected) << c.id;
    }
}

TEST_F(MacroPreferenceTest, GroupReadingKeepsOnlyStepsOfAKnownType) {
    MacroGroupPreference group(8);
    const json document = {
        {"DeviceType", "whirlen"},
        {"Actions", json::array({{{"MouseButton", "DeviceButton_1"}, {"ActionType", "click"}},
                                 {{"MouseButton", "DeviceButton_2"}},
                                 {{"ActionType", "nonsense"}}})},
    };
    ASSERT_TRUE(group.fromJson(document));
    EXPECT_EQ(group.deviceType(), 1U);
    const ActionList actions = group.actions();
    ASSERT_EQ(actions.size(), 2U);
    EXPECT_EQ(actions[0]->key(), "Action##all#all###DeviceButton_1#8");
    EXPECT_EQ(actions[1]->actionType(), 0U);
    EXPECT_TRUE(actions[1]->isValid());
}

TEST_F(MacroPreferenceTest, MoveActionTable) {
    struct Case {
        int32_t from;
        int32_t to;
        std::vector<uint32_t> order;
    };
    const Case cases[] = {
        {0, 2, {1, 2, 0}}, {2, 0, {2, 0, 1}},  {0, 1, {1, 0, 2}}, {2, 1, {0, 2, 1}},
        {1, 3, {0, 1, 2}}, {-1, 0, {0, 1, 2}}, {1, 1, {0, 1, 2}}, {3, 0, {0, 1, 2}},
    };
    for (const auto& c : cases) {
        MacroGroupPreference group(1);
        for (uint32_t control : {0U, 1U, 2U}) {
            group.addAction(step(control, 1));
        }
        group.moveAction(c.from, c.to);
        std::vector<uint32_t> order;
        for (const auto& action : group.actions()) {
            order.push_back(action->control());
        }
        EXPECT_EQ(order, c.order) << c.from << " -> " << c.to;
    }
}

TEST_F(MacroPreferenceTest, GroupsMoveAndRemoveByIdentity) {
    MacroPreference macro;
    macro.setName("M");
    auto a = std::make_shared<MacroGroupPreference>(1);
    auto b = std::make_shared<MacroGroupPreference>(2);
    macro.addGroup(a);
    macro.addGroup(b);
    macro.addGroup(a);
    macro.addGroup(nullptr);
    macro.moveGroup(0, 1);
    EXPECT_EQ(macro.groups(), (MacroGroupList{b, a, a}));
    macro.removeGroup(a);
    EXPECT_EQ(macro.groups(), (MacroGroupList{b, a}));
    macro.removeGroup(std::make_shared<MacroGroupPreference>(2));
    EXPECT_EQ(macro.groups().size(), 2U);

    auto action = step(0, 1);
    MacroGroupPreference group(1);
    group.addAction(action);
    group.addAction(nullptr);
    group.removeAction(step(0, 1));
    EXPECT_EQ(group.actions().size(), 1U);
    group.removeAction(action);
    EXPECT_TRUE(group.actions().empty());
}

}  // namespace
