#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <optional>
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
using Refusal = EditResult::Refusal;

const std::string kMax = "whirlenmax";
const std::string kLite = "whirlenlite";
const std::string kMaxDefault = profileKey(kMax, "default");

// A loaded store with a profile "Work" (Whirlen Max) holding one keypress on
// button 1, a macro "M" and a context "Editor" for "editor.exe".
class StoreEditTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        placeFiles();
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

    // Where the default and bind files are, before anything is written.
    virtual void placeFiles() {}

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
    ASSERT_TRUE(store().addProfile(other, false).isTaken());
    auto lite = std::make_shared<ProfilePreference>(1, 2);
    lite->setName("LiteName");
    ASSERT_TRUE(store().addProfile(lite, false).isTaken());

    const std::tuple<const char*, std::string, Refusal> refused[] = {
        {"same name", "Work", Refusal::Invalid},
        {"empty", "", Refusal::Invalid},
        {"taken in the model", "Taken", Refusal::NameTaken},
        {"to default", "default", Refusal::Invalid},
    };
    for (const auto& [why, name, refusal] : refused) {
        SCOPED_TRACE(why);
        std::optional<EditResult> renamed;
        EXPECT_EQ(
            effectOf([&, name = name] { renamed = store().renameProfile(workKey, name, true); }),
            std::make_pair(false, 0));
        EXPECT_EQ(renamed->refusal(), refusal);
        EXPECT_FALSE(renamed->save());
        EXPECT_EQ(store().profiles().count(workKey), 1U);
    }
    EXPECT_EQ(store().renameProfile(kMaxDefault, "Other", true).refusal(), Refusal::Invalid);
    EXPECT_EQ(store().renameProfile("Profile##whirlen#whirlenmax#None", "X", true).refusal(),
              Refusal::Missing);
}

TEST_F(StoreEditTest, RenameProfileMovesActionsAndBindings) {
    auto lite = std::make_shared<ProfilePreference>(1, 2);
    lite->setName("LiteName");
    ASSERT_TRUE(store().addProfile(lite, false).isTaken());
    ASSERT_TRUE(store().setProfileBind("MXV2dev", workKey, true).isSaved());
    // A name of the other model is free.
    EXPECT_EQ(
        effectOf([&] { EXPECT_TRUE(store().renameProfile(workKey, "LiteName", true).isSaved()); }),
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
    EXPECT_TRUE(agent.setProfileAction(*action, *action, false).isTaken());
}

TEST_F(StoreEditTest, AddMacroRefusesATakenKeyAndKeepsItsGroups) {
    const auto macro = store().macros().at("Macro##all#all#M");
    ASSERT_TRUE(store().addMacroGroup(macro, false).isTaken());
    EXPECT_EQ(
        effectOf([&] { EXPECT_EQ(store().addMacro("M", true).refusal(), Refusal::NameTaken); }),
        std::make_pair(false, 0));
    EXPECT_EQ(store().macros().at("Macro##all#all#M"), macro);
    EXPECT_EQ(macro->groups().size(), 1U);
    EXPECT_EQ(store().addMacro("", true).refusal(), Refusal::Invalid);
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().addMacro("N", true).isSaved()); }),
              std::make_pair(true, 1));
    EXPECT_EQ(store().macroByName("N")->key(), "Macro##all#all#N");
}

TEST_F(StoreEditTest, AddProfileRefusesInvalidProfiles) {
    const auto make = [](uint32_t type, uint32_t model, const std::string& name) {
        auto profile = std::make_shared<ProfilePreference>(type, model);
        profile->setName(name);
        return profile;
    };
    const std::tuple<const char*, std::shared_ptr<ProfilePreference>, Refusal> refused[] = {
        {"null", nullptr, Refusal::Invalid},
        {"no name", make(1, 1, ""), Refusal::Invalid},
        {"any type", make(0, 1, "A"), Refusal::Invalid},
        {"any model", make(1, 0, "A"), Refusal::Invalid},
        {"unknown model", make(1, 3, "A"), Refusal::Invalid},
        {"unknown type", make(2, 1, "A"), Refusal::Invalid},
        {"key taken", make(1, 1, "Work"), Refusal::NameTaken},
    };
    for (const auto& [why, profile, refusal] : refused) {
        SCOPED_TRACE(why);
        EXPECT_EQ(effectOf([&, profile = profile, refusal = refusal] {
                      EXPECT_EQ(store().addProfile(profile, true).refusal(), refusal);
                  }),
                  std::make_pair(false, 0));
    }
    EXPECT_EQ(store().profiles().at(workKey)->actions().size(), 1U);
    EXPECT_EQ(effectOf([&] {
                  const EditResult added = store().addProfile(make(1, 2, "A"), false);
                  EXPECT_TRUE(added.isTaken());
                  EXPECT_FALSE(added.save());
              }),
              std::make_pair(false, 1));
}

TEST_F(StoreEditTest, MacroGroupIdsAreNonZeroAndUniqueWithinTheMacro) {
    const auto macro = store().macros().at("Macro##all#all#M");
    std::set<uint32_t> ids;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(store().addMacroGroup(macro, false).isTaken());
        const auto group = macro->groups().back();
        EXPECT_NE(group->macroGroupID(), 0U);
        ids.insert(group->macroGroupID());
    }
    EXPECT_EQ(ids.size(), 200U);
    EXPECT_EQ(macro->groups().size(), 200U);
    EXPECT_EQ(store().addMacroGroup(nullptr, false).refusal(), Refusal::Invalid);
    EXPECT_EQ(store().addMacroGroup(std::make_shared<MacroPreference>(), false).refusal(),
              Refusal::Invalid);
}

TEST_F(StoreEditTest, AddApplicationContextConfigurationCodes) {
    const std::tuple<const char*, std::string, std::string, Refusal> cases[] = {
        {"empty path", "New", "", Refusal::Invalid},
        {"empty name", "", "new.exe", Refusal::Invalid},
        {"name taken", "Editor", "new.exe", Refusal::NameTaken},
        {"path taken", "New", "editor.exe", Refusal::PathTaken},
        {"both taken", "Editor", "editor.exe", Refusal::NameAndPathTaken},
    };
    for (const auto& [why, name, path, refusal] : cases) {
        SCOPED_TRACE(why);
        EXPECT_EQ(effectOf([&, name = name, path = path, refusal = refusal] {
                      EXPECT_EQ(store().addApplicationContextConfiguration(name, path).refusal(),
                                refusal);
                  }),
                  std::make_pair(false, 0));
    }
    EXPECT_EQ(
        effectOf([&] {
            EXPECT_TRUE(store().addApplicationContextConfiguration("New", "new.exe").isSaved());
        }),
        std::make_pair(true, 1));
    EXPECT_EQ(store().applicationContextConfiguration("New").programContextPath(), "new.exe");
}

TEST_F(StoreEditTest, FindApplicationContextPrefersExactOverSubstring) {
    // "Alpha" sorts first and matches as a substring; "Zulu" matches exactly.
    ASSERT_TRUE(store().addApplicationContextConfiguration("Alpha", "tool.exe").isSaved());
    ASSERT_TRUE(store().addApplicationContextConfiguration("Zulu", "C:\\bin\\tool.exe").isSaved());
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
    EXPECT_EQ(effectOf([&] { EXPECT_FALSE(store().commit(false).save()); }),
              std::make_pair(false, 0));
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().commit(true).isSaved()); }),
              std::make_pair(true, 1));
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().saveAndNotify().isSaved()); }),
              std::make_pair(true, 1));
}

TEST_F(StoreEditTest, DeleteProfileFallsBackToTheDefaultProfile) {
    ASSERT_TRUE(store().setProfileBind("MXV2dev", workKey, true).isSaved());
    EXPECT_EQ(effectOf([&] { EXPECT_TRUE(store().deleteProfile(workKey, true).isSaved()); }),
              std::make_pair(true, 1));
    EXPECT_FALSE(store().boundProfile("MXV2dev"));
    EXPECT_EQ(store().profileForDevice("MXV2dev", 1)->key(), kMaxDefault);
    EXPECT_THAT(read(paths_.profileBindFile), ::testing::Not(HasSubstr(workKey)));
    EXPECT_EQ(effectOf([&] {
                  EXPECT_EQ(store().deleteProfile(workKey, true).refusal(), Refusal::Missing);
              }),
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

    EXPECT_EQ(
        effectOf([&] { EXPECT_TRUE(store().deleteMacro("Macro##all#all#M", false).isTaken()); }),
        std::make_pair(false, 1));
    EXPECT_TRUE(store().macros().empty());
    const auto cleared = work->findAction("", 2);
    ASSERT_TRUE(cleared);
    EXPECT_EQ(cleared->actionType(), kActionTypeDisabled);
    EXPECT_TRUE(cleared->macroKey().empty());

    EXPECT_EQ(effectOf([&] {
                  EXPECT_TRUE(store().deleteApplicationContextConfiguration("Editor").isSaved());
              }),
              std::make_pair(true, 1));
    EXPECT_FALSE(work->findAction("editor.exe", 3));
    EXPECT_EQ(store().deleteApplicationContextConfiguration("Editor").refusal(), Refusal::Missing);
}

TEST_F(StoreEditTest, SetProfileAction) {
    const ActionPreference previous = work()->actions().begin()->second;
    ActionPreference edited = previous;
    edited.setKeyCode('B');
    EXPECT_EQ(
        effectOf([&] { EXPECT_TRUE(store().setProfileAction(previous, edited, true).isSaved()); }),
        std::make_pair(true, 1));
    EXPECT_EQ(work()->findAction("", 0)->keyCode(), 'B');

    ActionPreference orphan = edited;
    orphan.setProfile("Profile##whirlen#whirlenmax#Nobody");
    std::string log;
    EXPECT_EQ(effectOf([&] {
                  log = logOf([&] {
                      EXPECT_EQ(store().setProfileAction(previous, orphan, true).refusal(),
                                Refusal::Missing);
                  });
              }),
              std::make_pair(false, 0));
    EXPECT_THAT(log, HasSubstr("Error. A profile to set keybind to was not found!"));
}

TEST_F(StoreEditTest, RenameAndMoveMacroParts) {
    ASSERT_TRUE(store().addMacro("Other", false).isTaken());
    EXPECT_EQ(store().renameMacro("Macro##all#all#M", "Other", true).refusal(), Refusal::NameTaken);
    EXPECT_EQ(store().renameMacro("Macro##all#all#M", "", true).refusal(), Refusal::Invalid);
    EXPECT_EQ(store().renameMacro("Macro##all#all#Gone", "Neu", true).refusal(), Refusal::Missing);
    EXPECT_EQ(effectOf([&] {
                  EXPECT_TRUE(store().renameMacro("Macro##all#all#M", "Neu", true).isSaved());
              }),
              std::make_pair(true, 1));
    const auto macro = store().macroByName("Neu");
    ASSERT_TRUE(macro);
    EXPECT_EQ(macro->key(), "Macro##all#all#M");

    ASSERT_TRUE(store().addMacroGroup(macro, false).isTaken());
    const auto first = macro->groups().back();
    ASSERT_TRUE(store().addMacroGroup(macro, false).isTaken());
    const auto second = macro->groups().back();
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
    ASSERT_TRUE(store().addApplicationContextConfiguration("Browser", "browser.exe").isSaved());
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

// The store's files in a settings folder of their own, which a test blocks as a full disk, a
// missing folder, a file in the folder's place or a folder in the file's place would: root is
// not held back by permissions, but by these.
class SettingsFolderTest : public StoreEditTest {
public:
    enum class Blocker { FullDisk, FolderGone, FileInPlaceOfFolder, FolderInPlaceOfFile };

protected:
    void placeFiles() override {
        settings_ = root_ / "settings";
        fs::create_directory(settings_);
        paths_.defaultFile = (settings_ / "pelvane_default.json").string();
        paths_.profileBindFile = (settings_ / "pelvane_profile_bind.json").string();
    }

    // Runs fn while saves into the settings folder fail; returns what the log printed.
    std::string whileBlocked(Blocker blocker, const std::function<void()>& fn) {
        const fs::path kept = root_ / "kept";
        std::string log;
        switch (blocker) {
            case Blocker::FullDisk: {
                const std::size_t size = read(paths_.defaultFile).size();
                const FileSizeLimit full(size / 2);
                log = logOf(fn);
                break;
            }
            case Blocker::FolderGone:
            case Blocker::FileInPlaceOfFolder:
                fs::rename(settings_, kept);
                if (blocker == Blocker::FileInPlaceOfFolder) {
                    write(settings_.string(), "not a folder");
                }
                log = logOf(fn);
                fs::remove(settings_);
                fs::rename(kept, settings_);
                break;
            case Blocker::FolderInPlaceOfFile:
                fs::rename(paths_.defaultFile, kept);
                fs::create_directories(fs::path(paths_.defaultFile) / "inside");
                log = logOf(fn);
                fs::remove_all(paths_.defaultFile);
                fs::rename(kept, paths_.defaultFile);
                break;
        }
        return log;
    }

    // What another process reads from the files.
    std::shared_ptr<ProfilePreference> savedWork() {
        PreferencesStore reader(paths_);
        reader.load();
        const auto profiles = reader.profiles();
        const auto found = profiles.find(workKey);
        return found != profiles.end() ? found->second : nullptr;
    }

    std::vector<std::string> settingsEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(settings_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    // Button 1 of "Work" edited to type key.
    EditResult typeOnButtonOne(char key) {
        const ActionPreference previous = *work()->findAction("", 0);
        ActionPreference edited = previous;
        edited.setKeyCode(key);
        return store().setProfileAction(previous, edited, true);
    }

    fs::path settings_;
};

struct BlockedSave {
    const char* name;
    SettingsFolderTest::Blocker blocker;
    SaveResult::Cause cause;
};

void PrintTo(const BlockedSave& save, std::ostream* out) {
    *out << save.name;
}

class BlockedSaveTest : public SettingsFolderTest,
                        public ::testing::WithParamInterface<BlockedSave> {};

// An edit whose save fails is taken and held, says why it was not saved, tells the
// subscribers, and leaves the file whole; once the folder is free, the next save writes it
// with the edit of its own.
TEST_P(BlockedSaveTest, TheEditIsHeldToldAndSavedWithTheNext) {
    const std::string before = read(paths_.defaultFile);
    std::optional<EditResult> edit;
    const std::string log = whileBlocked(GetParam().blocker, [&] { edit = typeOnButtonOne('B'); });

    EXPECT_TRUE(edit->isTaken());
    EXPECT_TRUE(edit->saveFailed());
    ASSERT_TRUE(edit->save());
    EXPECT_EQ(edit->save()->file(), paths_.defaultFile);
    EXPECT_EQ(edit->save()->cause(), GetParam().cause);
    EXPECT_THAT(log, HasSubstr("Unable to create file: " + paths_.defaultFile + ": " +
                               edit->save()->reason()));
    EXPECT_EQ(subscriber.count, 1);
    ASSERT_EQ(subscriber.notSaved.size(), 1U);
    EXPECT_EQ(subscriber.notSaved[0].file(), paths_.defaultFile);
    EXPECT_EQ(subscriber.notSaved[0].error(), edit->save()->error());
    EXPECT_EQ(work()->findAction("", 0)->keyCode(), 'B');
    EXPECT_TRUE(read(paths_.defaultFile) == before);
    EXPECT_EQ(settingsEntries(), std::vector<std::string>{"pelvane_default.json"});

    EXPECT_TRUE(store().addMacro("Next", true).isSaved());
    EXPECT_EQ(savedWork()->findAction("", 0)->keyCode(), 'B');
    EXPECT_THAT(read(paths_.defaultFile), HasSubstr("\"Next\""));
    EXPECT_EQ(subscriber.notSaved.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Blockers, BlockedSaveTest,
    ::testing::Values(
        BlockedSave{"FullDisk", SettingsFolderTest::Blocker::FullDisk, SaveResult::Cause::NoRoom},
        BlockedSave{"FolderGone", SettingsFolderTest::Blocker::FolderGone,
                    SaveResult::Cause::FolderMissing},
        BlockedSave{"FileInPlaceOfFolder", SettingsFolderTest::Blocker::FileInPlaceOfFolder,
                    SaveResult::Cause::InTheWay},
        BlockedSave{"FolderInPlaceOfFile", SettingsFolderTest::Blocker::FolderInPlaceOfFile,
                    SaveResult::Cause::InTheWay}),
    [](const auto& info) { return std::string(info.param.name); });

// The agent's announcements make the window load again: that keeps what could not be saved,
// unless another program has written the file since, whose content then counts.
TEST_F(SettingsFolderTest, UnsavedEditsOutlastLoadsUntilTheFileChanges) {
    const std::string before = read(paths_.defaultFile);
    whileBlocked(Blocker::FolderGone, [&] { typeOnButtonOne('B'); });
    store().reload(false);
    store().load();
    EXPECT_EQ(work()->findAction("", 0)->keyCode(), 'B');
    EXPECT_EQ(read(paths_.defaultFile), before);

    write(paths_.defaultFile, documentJson({profileJson(kMax, "Theirs")}).dump());
    store().reload(false);
    store().load();
    EXPECT_EQ(store().profiles().count(workKey), 0U);
    EXPECT_EQ(store().profiles().count(profileKey(kMax, "Theirs")), 1U);
}

// A binding that could not be saved is written with the next save, whatever it saves.
TEST_F(SettingsFolderTest, ABindingNotSavedIsWrittenByTheNextSave) {
    std::optional<EditResult> bound;
    whileBlocked(Blocker::FolderGone,
                 [&] { bound = store().setProfileBind("MXV2dev", workKey, true); });
    EXPECT_TRUE(bound->saveFailed());
    EXPECT_EQ(bound->save()->file(), paths_.profileBindFile);
    ASSERT_EQ(subscriber.notSaved.size(), 1U);
    EXPECT_EQ(subscriber.count, 0);
    EXPECT_FALSE(fs::exists(paths_.profileBindFile));

    EXPECT_TRUE(store().addMacro("Next", true).isSaved());
    EXPECT_THAT(read(paths_.profileBindFile), HasSubstr("\"MXV2dev\""));
}

// A reset to the factory settings that cannot be written is shown and held as any edit whose
// save failed.
TEST_F(SettingsFolderTest, AResetThatCannotBeWrittenIsHeldUntilASaveHolds) {
    const std::string before = read(paths_.defaultFile);
    std::optional<EditResult> reset;
    whileBlocked(Blocker::FolderGone, [&] { reset = store().reload(true); });
    EXPECT_TRUE(reset->saveFailed());
    EXPECT_EQ(reset->save()->file(), paths_.defaultFile);
    ASSERT_EQ(subscriber.notSaved.size(), 1U);
    EXPECT_EQ(store().profiles().count(workKey), 0U);
    EXPECT_EQ(read(paths_.defaultFile), before);

    store().reload(false);
    store().load();
    EXPECT_EQ(store().profiles().count(workKey), 0U);
    EXPECT_TRUE(store().commit(true).isSaved());
    EXPECT_EQ(savedWork(), nullptr);
    EXPECT_TRUE(read(paths_.defaultFile) == read(paths_.backupFile));
}

}  // namespace
