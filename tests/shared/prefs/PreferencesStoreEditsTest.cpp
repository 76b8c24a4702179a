#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "shared/prefs/NameTables.h"
#include "shared/prefs/PreferencesStore.h"
#include "tests/shared/prefs/StoreTestSupport.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

const std::string kMax = "whirlenmax";
const std::string kLite = "whirlenlite";
const std::string kMaxDefault = profileKey(kMax, "default");

// A loaded store with a profile "Work" (Whirlen Max) holding one keypress on
// button 1, a macro "M" and a context "Editor" for "editor.exe".
class StoreEditTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        const nlohmann::json keypress = actionJson({{"ActionType", "keypress"},
                                                    {"KeyCode", "KEY_A"},
                                                    {"MouseButton", "DeviceButton_1"},
                                                    {"Profile", workKey}});
        write(paths_.defaultFile,
              documentJson({profileJson(kMax, "Work", {keypress})}, {{{"Name", "M"}}},
                           {{{"ConfigName", "Editor"}, {"ProgramContextPath", "editor.exe"}}})
                  .dump());
        store().load();
        store().subscribe(&subscriber);
    }

    void TearDown() override {
        store().unsubscribe(&subscriber);
        StoreTest::TearDown();
    }

    std::shared_ptr<ProfilePreference> work() { return store().profiles().at(workKey); }

    // Whether fn saved the default file and how often it notified.
    std::pair<bool, int> effectOf(const std::function<void()>& fn) {
        fs::remove(paths_.defaultFile);
        const int before = subscriber.count;
        fn();
        return {fs::exists(paths_.defaultFile), subscriber.count - before};
    }

    const std::string workKey = profileKey(kMax, "Work");
    CountingSubscriber subscriber;
};

TEST_F(StoreEditTest, RenameProfileRules) {
    auto other = std::make_shared<ProfilePreference>(1, 1);
    other->setName("Taken");
    ASSERT_TRUE(store().addProfile(other, false));
    auto lite = std::make_shared<ProfilePreference>(1, 2);
    lite->setName("LiteName");
    ASSERT_TRUE(store().addProfile(lite, false));

    const std::pair<const char*, std::string> refused[] = {
        {"same name", "Work"},
        {"empty", ""},
        {"taken in the model", "Taken"},
        {"to default", "default"},
    };
    for (const auto& [why, name] : refused) {
        SCOPED_TRACE(why);
        bool renamed = true;
        EXPECT_EQ(effectOf([&] { renamed = store().renameProfile(workKey, name, true); }),
                  std::make_pair(false, 0));
        EXPECT_FALSE(renamed);
        EXPECT_EQ(store().profiles().count(workKey), 1U);
    }
    EXPECT_FALSE(store().renameProfile(kMaxDefault, "Other", true));
    EXPECT_FALSE(store().renameProfile("Profile##whirlen#whirlenmax#None", "X", true));
}

TEST_F(StoreEditTest, RenameProfileMovesActionsAndBindings) {
    auto lite = std::make_shared<ProfilePreference>(1, 2);
    lite->setName("LiteName");
    ASSERT_TRUE(store().addProfile(lite, false));
    ASSERT_TRUE(store().setProfileBind("MXV2dev", workKey, true));
    // A name of the other model is free.
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().renameProfile(workKey, "LiteName", true)); }),
              std::make_pair(true, 1));

    const std::string newKey = profileKey(kMax, "LiteName");
    EXPECT_EQ(store().profiles().count(workKey), 0U);
    ASSERT_EQ(store().profiles().count(newKey), 1U);
    for (const auto& [key, action] : store().profiles().at(newKey)->actions()) {
        EXPECT_EQ(action.profile(), newKey);
    }
    EXPECT_EQ(store().boundProfile("MXV2dev")->key(), newKey);

    // Another process sees the rename and the binding that follows it.
    PreferencesStore& agent = freshStore();
    agent.load();
    ASSERT_TRUE(agent.boundProfile("MXV2dev"));
    EXPECT_EQ(agent.boundProfile("MXV2dev")->key(), newKey);
    const auto action = agent.profiles().at(newKey)->findAction("", 0);
    ASSERT_TRUE(action);
    EXPECT_TRUE(agent.setProfileAction(*action, *action, false));
}

TEST_F(StoreEditTest, AddMacroRefusesATakenKeyAndKeepsItsGroups) {
    const auto macro = store().macros().at("Macro##all#all#M");
    ASSERT_TRUE(store().addMacroGroup(macro, false));
    EXPECT_EQ(effectOf([&] { EXPECT_FALSE(store().addMacro("M", true)); }),
              std::make_pair(false, 0));
    EXPECT_EQ(store().macros().at("Macro##all#all#M"), macro);
    EXPECT_EQ(macro->groups().size(), 1U);
    EXPECT_FALSE(store().addMacro("", true));
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().addMacro("N", true)); }), std::make_pair(true, 1));
    EXPECT_EQ(store().macroByName("N")->key(), "Macro##all#all#N");
}

TEST_F(StoreEditTest, AddProfileRefusesInvalidProfiles) {
    const auto make = [](uint32_t type, uint32_t model, const std::string& name) {
        auto profile = std::make_shared<ProfilePreference>(type, model);
        profile->setName(name);
        return profile;
    };
    const std::pair<const char*, std::shared_ptr<ProfilePreference>> refused[] = {
        {"null", nullptr},
        {"no name", make(1, 1, "")},
        {"any type", make(0, 1, "A")},
        {"any model", make(1, 0, "A")},
        {"unknown model", make(1, 3, "A")},
        {"unknown type", make(2, 1, "A")},
        {"key taken", make(1, 1, "Work")},
    };
    for (const auto& [why, profile] : refused) {
        SCOPED_TRACE(why);
        EXPECT_EQ(effectOf([&] { EXPECT_FALSE(store().addProfile(profile, true)); }),
                  std::make_pair(false, 0));
    }
    EXPECT_EQ(store().profiles().at(workKey)->actions().size(), 1U);
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().addProfile(make(1, 2, "A"), false)); }),
              std::make_pair(false, 1));
}

TEST_F(StoreEditTest, MacroGroupIdsAreNonZeroAndUniqueWithinTheMacro) {
    const auto macro = store().macros().at("Macro##all#all#M");
    std::set<uint32_t> ids;
    for (int i = 0; i < 200; ++i) {
        const auto group = store().addMacroGroup(macro, false);
        ASSERT_TRUE(group);
        EXPECT_NE(group->macroGroupID(), 0U);
        ids.insert(group->macroGroupID());
    }
    EXPECT_EQ(ids.size(), 200U);
    EXPECT_EQ(macro->groups().size(), 200U);
    EXPECT_FALSE(store().addMacroGroup(nullptr, false));
    EXPECT_FALSE(store().addMacroGroup(std::make_shared<MacroPreference>(), false));
}

TEST_F(StoreEditTest, AddApplicationContextConfigurationCodes) {
    const std::tuple<const char*, std::string, std::string, int32_t> cases[] = {
        {"empty path", "New", "", 8},
        {"empty name", "", "new.exe", 8},
        {"name taken", "Editor", "new.exe", 2},
        {"path taken", "New", "editor.exe", 4},
        {"both taken", "Editor", "editor.exe", 6},
    };
    for (const auto& [why, name, path, code] : cases) {
        SCOPED_TRACE(why);
        EXPECT_EQ(effectOf([&, name = name, path = path, code = code] {
                      EXPECT_EQ(store().addApplicationContextConfiguration(name, path), code);
                  }),
                  std::make_pair(false, 0));
    }
    EXPECT_EQ(effectOf([&] {
                  EXPECT_EQ(store().addApplicationContextConfiguration("New", "new.exe"), 0);
              }),
              std::make_pair(true, 1));
    EXPECT_EQ(store().applicationContextConfiguration("New").programContextPath(), "new.exe");
}

TEST_F(StoreEditTest, FindApplicationContextPrefersExactOverSubstring) {
    // "Alpha" sorts first and matches as a substring; "Zulu" matches exactly.
    ASSERT_EQ(store().addApplicationContextConfiguration("Alpha", "tool.exe"), 0);
    ASSERT_EQ(store().addApplicationContextConfiguration("Zulu", "C:\\bin\\tool.exe"), 0);
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\bin\\tool.exe", "Zulu"},
        {"D:\\other\\tool.exe", "Alpha"},
        {"C:\\Apps\\editor.exe", "Editor"},
        {"C:\\Apps\\EDITOR.EXE", ""},
        {"", ""},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(store().findApplicationContextConfiguration(path).configName(), name) << path;
    }
}

TEST_F(StoreEditTest, DefaultActionUsesTheContextsProgramPath) {
    // The default profile's dial toggles only inside the editor.
    const auto defaults = store().defaultProfileForModel(1);
    ActionPreference toggling(1, 1, 15, store().applicationContextConfiguration("Editor"));
    toggling.setActionType(kActionTypeDisabled);
    toggling.setToggle(true);
    toggling.setProfile(defaults->key());
    defaults->setAction(toggling);
    // The factory profiles have no action for the editor.
    const ActionPreference action =
        store().defaultAction(store().applicationContextConfiguration("Editor"), 16, 1);
    EXPECT_TRUE(action.toggle());
    EXPECT_EQ(action.appContextName(), "Editor");
    EXPECT_EQ(action.profile(), defaults->key());

    // Outside any application the factory action comes first.
    const ActionPreference factory = store().defaultAction({}, 16, 1);
    EXPECT_EQ(factory.actionType(), kActionTypeDisabled);
    EXPECT_FALSE(factory.toggle());
    EXPECT_EQ(factory.profile(), kMaxDefault);
}

TEST_F(StoreEditTest, CommitFalseNeitherSavesNorNotifies) {
    EXPECT_EQ(effectOf([&] { EXPECT_FALSE(store().commit(false)); }), std::make_pair(false, 0));
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().commit(true)); }), std::make_pair(true, 1));
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().saveAndNotify()); }), std::make_pair(true, 1));
}

TEST_F(StoreEditTest, DeleteProfileFallsBackToTheDefaultProfile) {
    ASSERT_TRUE(store().setProfileBind("MXV2dev", workKey, true));
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().deleteProfile(workKey, true)); }),
              std::make_pair(true, 1));
    EXPECT_FALSE(store().boundProfile("MXV2dev"));
    EXPECT_EQ(store().profileForDevice("MXV2dev", 1)->key(), kMaxDefault);
    EXPECT_THAT(read(paths_.profileBindFile), ::testing::Not(HasSubstr(workKey)));
    EXPECT_EQ(effectOf([&] { EXPECT_FALSE(store().deleteProfile(workKey, true)); }),
              std::make_pair(false, 0));
}

TEST_F(StoreEditTest, DeleteMacroAndContextClearTheirUses) {
    auto work = this->work();
    ActionPreference runMacro(1, 1, 2, {});
    runMacro.setActionType(kActionTypeRunMacro);
    runMacro.setMacroToRunByName("M");
    runMacro.setProfile(workKey);
    work->setAction(runMacro);
    ActionPreference inEditor(1, 1, 3, store().applicationContextConfiguration("Editor"));
    inEditor.setActionType(1);
    inEditor.setProfile(workKey);
    work->setAction(inEditor);

    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().deleteMacro("Macro##all#all#M", false)); }),
              std::make_pair(false, 1));
    EXPECT_TRUE(store().macros().empty());
    const auto cleared = work->findAction("", 2);
    ASSERT_TRUE(cleared);
    EXPECT_EQ(cleared->actionType(), kActionTypeDisabled);
    EXPECT_TRUE(cleared->macroKey().empty());

    EXPECT_EQ(
        effectOf([&] { EXPECT_TRUE(store().deleteApplicationContextConfiguration("Editor")); }),
        std::make_pair(true, 1));
    EXPECT_FALSE(work->findAction("editor.exe", 3));
    EXPECT_FALSE(store().deleteApplicationContextConfiguration("Editor"));
}

TEST_F(StoreEditTest, SetProfileAction) {
    const ActionPreference previous = work()->actions().begin()->second;
    ActionPreference edited = previous;
    edited.setKeyCode('B');
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().setProfileAction(previous, edited, true)); }),
              std::make_pair(true, 1));
    EXPECT_EQ(work()->findAction("", 0)->keyCode(), 'B');

    ActionPreference orphan = edited;
    orphan.setProfile("Profile##whirlen#whirlenmax#Nobody");
    std::string log;
    EXPECT_EQ(
        effectOf([&] {
            log = logOf([&] { EXPECT_FALSE(store().setProfileAction(previous, orphan, true)); });
        }),
        std::make_pair(false, 0));
    EXPECT_THAT(log, HasSubstr("Error. A profile to set keybind to was not found!"));
}

TEST_F(StoreEditTest, RenameAndMoveMacroParts) {
    ASSERT_TRUE(store().addMacro("Other", false));
    EXPECT_FALSE(store().renameMacro("Macro##all#all#M", "Other", true));
    EXPECT_FALSE(store().renameMacro("Macro##all#all#M", "", true));
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().renameMacro("Macro##all#all#M", "Neu", true)); }),
              std::make_pair(true, 1));
    const auto macro = store().macroByName("Neu");
    ASSERT_TRUE(macro);
    EXPECT_EQ(macro->key(), "Macro##all#all#M");

    const auto first = store().addMacroGroup(macro, false);
    const auto second = store().addMacroGroup(macro, false);
    store().moveMacroGroup(macro, 1, 0, false);
    EXPECT_EQ(macro->groups().front(), second);
    auto step = std::make_shared<ActionPreference>();
    step->setOwnerMacroGroup(first.get());
    first->addAction(step);
    first->addAction(std::make_shared<ActionPreference>());
    store().moveMacroGroupAction(first, 0, 1, false);
    EXPECT_EQ(first->actions().back(), step);
    EXPECT_EQ(effectOf([&] { store().deleteMacroGroup(macro, first, true); }),
              std::make_pair(true, 1));
    EXPECT_EQ(macro->groups().size(), 1U);
}

TEST_F(StoreEditTest, MacroKeyOfASharedNameIsTheFirstKey) {
    write(paths_.defaultFile,
          documentJson(nlohmann::json::array(), {{{"Name", "Same"}, {"DeviceType", "whirlen"}},
                                                 {{"Name", "Same"}, {"DeviceType", "all"}}})
              .dump());
    PreferencesStore& s = freshStore();
    s.load();
    EXPECT_EQ(s.macroKey("Same"), "Macro##all#all#Same");
    EXPECT_EQ(s.macroName("Macro##whirlen#all#Same"), "Same");
    EXPECT_EQ(s.macroKey(""), "");
    EXPECT_EQ(s.macroName(""), "");
}

TEST_F(StoreEditTest, DeviceConfigurationCoversEveryControlOfBothModels) {
    ASSERT_EQ(store().addApplicationContextConfiguration("Browser", "browser.exe"), 0);
    auto work = this->work();
    ActionPreference inBrowser(1, 1, 5, store().applicationContextConfiguration("Browser"));
    inBrowser.setActionType(1);
    inBrowser.setProfile(workKey);
    work->setAction(inBrowser);
    // A control that the smaller model lacks is kept, not filled in.
    const auto lite = store().defaultProfileForModel(2);
    ActionPreference foreign(1, 2, 7, {});
    foreign.setActionType(1);
    foreign.setProfile(lite->key());
    lite->setAction(foreign);

    for (const auto& profile : {work, lite}) {
        const uint32_t model = profile->deviceModel();
        const auto controls = modelControlList(static_cast<int32_t>(model));
        const DeviceConfiguration configuration = store().buildDeviceConfiguration(profile);
        ASSERT_EQ(configuration.size(), 3U) << model;
        for (const auto& [path, actions] : configuration) {
            SCOPED_TRACE(path);
            for (const int32_t control : controls) {
                const auto found = actions.find(static_cast<uint32_t>(control));
                ASSERT_NE(found, actions.end()) << control;
                EXPECT_TRUE(found->second.isValid()) << control;
                EXPECT_EQ(found->second.appContextPath(), path) << control;
            }
        }
    }
    EXPECT_EQ(store().buildDeviceConfiguration(lite).at("").size(), 51U);
    const DeviceConfiguration configuration = store().buildDeviceConfiguration(work);
    EXPECT_EQ(configuration.at("browser.exe").at(5).actionType(), 1U);
    EXPECT_EQ(configuration.at("").at(5).actionType(), kActionTypeDisabled);
    // The general binding stays under ""; an application's entry holds its own.
    EXPECT_EQ(configuration.at("").at(0).keyCode(), 'A');
    EXPECT_EQ(configuration.at("editor.exe").at(0).actionType(), kActionTypeDisabled);
    EXPECT_TRUE(store().buildDeviceConfiguration(nullptr).empty());
}

// From inside its notification, asks the store from another thread and waits
// for the answer. Were the store's data lock still held, the answer would
// never come; the wait is bounded so that such a fault fails instead of hangs.
class QueryingSubscriber : public PreferencesUpdateSubscriber {
public:
    explicit QueryingSubscriber(PreferencesStore& store) : store_(store) {}

    void onPreferencesUpdated() override {
        auto answer = std::make_shared<std::promise<size_t>>();
        std::thread([this, answer] { answer->set_value(store_.profiles().size()); }).detach();
        if (answer->get_future().wait_for(std::chrono::seconds(20)) == std::future_status::ready) {
            ++answered;
        } else {
            ++blocked;
        }
    }

    int answered = 0;
    int blocked = 0;

private:
    PreferencesStore& store_;
};

TEST_F(StoreEditTest, SubscribersCanWaitForOtherThreadsThatQuery) {
    QueryingSubscriber querying(store());
    store().subscribe(&querying);
    const std::function<void()> notifying[] = {
        [&] { store().load(); },
        [&] { store().loadFiles({paths_.defaultFile}, true); },
        [&] { store().addMacro("X", false); },
        [&] { store().addMacroGroup(store().macroByName("X"), false); },
        [&] { store().addApplicationContextConfiguration("C", "c.exe"); },
        [&] { store().deleteApplicationContextConfiguration("C"); },
        [&] {
            const ActionPreference previous = work()->actions().begin()->second;
            ActionPreference edited = previous;
            edited.setKeyCode('C');
            store().setProfileAction(previous, edited, false);
        },
        [&] { store().renameProfile(workKey, "Renamed", false); },
        [&] { store().deleteMacro(store().macroKey("X"), false); },
        [&] { store().commit(true); },
    };
    for (const auto& fn : notifying) {
        fn();
    }
    store().unsubscribe(&querying);
    EXPECT_EQ(querying.blocked, 0);
    EXPECT_EQ(querying.answered, static_cast<int>(std::size(notifying)));
}

}  // namespace
