#include "shared/prefs/PreferencesStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "shared/prefs/JsonText.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/Paths.h"
#include "tests/shared/prefs/StoreTestSupport.h"
#include "tests/support/ScopedEnvironment.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

const std::string kMax = "whirlenmax";
const std::string kLite = "whirlenlite";
const std::string kWorkKey = profileKey(kMax, "Arbeit – Größe");
const std::string kLightKey = profileKey(kLite, "Léger ✓");

// Every member of every kind of preference set to something other than its
// default, with non-ASCII text wherever the user can type.
nlohmann::json fullDocument() {
    nlohmann::json work =
        profileJson(kMax, "Arbeit – Größe",
                    // In identity-key order, as the store writes them.
                    {actionJson({{"ActionType", "typetext"},
                                 {"TextToWrite", "héllo ✓ 日本語"},
                                 {"MouseButton", "DeviceButton_3"},
                                 {"Profile", kWorkKey}}),
                     actionJson({{"ActionType", "run_macro"},
                                 {"MacroToRun", "Makro Ü"},
                                 {"MouseButton", "DeviceDialLeft"},
                                 {"Toggle", true},
                                 {"StartDelay", 0},
                                 {"Repeat", 60},
                                 {"DelayRepeat", 1000},
                                 {"Profile", kWorkKey}}),
                     actionJson({{"ActionType", "switch_to_profile"},
                                 {"SwitchToProfile", kLightKey},
                                 {"MouseButton", "DeviceJogWheelTransition_-1to-0"},
                                 {"Profile", kWorkKey}}),
                     actionJson({{"ActionType", "keypress"},
                                 {"KeyCode", "KEY_A"},
                                 {"UseCtrl", true},
                                 {"UseAlt", true},
                                 {"UseShift", true},
                                 {"UseSpecial", true},
                                 {"MouseButton", "DeviceButton_1"},
                                 {"AppWindowName", "Fenster ☃"},
                                 {"Comment", "Notiz – ü"},
                                 {"Profile", kWorkKey}}),
                     actionJson({{"ActionType", "command"},
                                 {"Command", "C:\\Programme\\Öffner.exe"},
                                 {"CommandArgs", "--datei \"ä b\""},
                                 {"MouseButton", "DeviceButton_15"},
                                 {"AppContextConfig", "Éditeur"},
                                 {"Profile", kWorkKey}})});
    work["Comment"] = "Profil für Größe";
    work["Settings"] = {{"Comment", "Einstellung ✓"}, {"AppSpecificActive", false}};
    nlohmann::json light = profileJson(kLite, "Léger ✓",
                                       {actionJson({{"ActionType", "volume_up"},
                                                    {"MouseButton", "DeviceJogWheelZone7"},
                                                    {"Profile", kLightKey}})});
    nlohmann::json step = actionJson({{"ActionType", "keypress"},
                                      {"KeyCode", "KEY_NUMPAD3"},
                                      {"StartDelay", 0},
                                      {"DelayRepeat", 500}});
    nlohmann::json macro = {{"DeviceType", "all"},
                            {"DeviceModel", "all"},
                            {"Comment", "Makro-Notiz"},
                            {"Name", "Makro Ü"},
                            {"MacroGroups",
                             {{{"DeviceType", "all"},
                               {"DeviceModel", "all"},
                               {"Comment", ""},
                               {"MacroGroupID", 7},
                               {"Actions", {step, actionJson({{"ActionType", "mute"}})}}},
                              {{"DeviceType", "all"},
                               {"DeviceModel", "all"},
                               {"Comment", "zwei"},
                               {"MacroGroupID", 4000000000U},
                               {"Actions", {step}}}}}};
    nlohmann::json document = documentJson(
        {light, profileJson(kLite, "default"), work, profileJson(kMax, "default")}, {macro},
        {{{"ConfigName", "Browser"}, {"ProgramContextPath", "browser.exe"}},
         {{"ConfigName", "Éditeur"},
          {"ProgramContextPath", "C:\\Programme\\Éditeur\\editor.exe"}}});
    document["Comment"] = "Sauvegarde ✓ – 日本";
    return document;
}

TEST_F(StoreTest, WholeStoreSurvivesSaveAndLoad) {
    const nlohmann::json document = fullDocument();
    write(paths_.defaultFile, document.dump());
    write(paths_.profileBindFile, R"({"ProfileBind":[{"DeviceID":"MXV2usb1","ProfileID":")" +
                                      kWorkKey + R"("},{"DeviceID":"LYTEusb2","ProfileID":")" +
                                      kLightKey + R"("}]})");
    store().load();
    ASSERT_TRUE(store().save().held());
    ASSERT_TRUE(store().saveProfileBind().held());

    const std::string saved = read(paths_.defaultFile);
    EXPECT_EQ(nlohmann::json::parse(saved), document);
    // The file is written element by element, yet reads as the library writes it.
    EXPECT_EQ(saved, dumpJsonText(document, 2) + "\n");
    EXPECT_THAT(saved, HasSubstr("héllo ✓ 日本語"));  // UTF-8 bytes, not escapes
    EXPECT_EQ(saved.back(), '\n');

    PreferencesStore& second = freshStore();
    second.load();
    EXPECT_EQ(second.toJson(), document);
    EXPECT_EQ(second.configVersion(), 101);
    EXPECT_EQ(second.boundProfile("MXV2usb1")->key(), kWorkKey);
    EXPECT_EQ(second.boundProfile("LYTEusb2")->key(), kLightKey);
    const std::string bind = read(paths_.profileBindFile);
    EXPECT_EQ(bind, nlohmann::json::parse(bind).dump(-1, ' ', false) + "\n");  // compact
}

struct VersionCase {
    const char* name;
    const char* versions;
    bool accepted;
    const char* log;
};

TEST_F(StoreTest, VersionRules) {
    const VersionCase cases[] = {
        {"current", R"("MajorVersion":1,"MinorVersion":1)", true, ""},
        {"newer", R"("MajorVersion":2,"MinorVersion":3)", true, ""},
        {"zero minor", R"("MajorVersion":1,"MinorVersion":0)", true, ""},
        {"major zero", R"("MajorVersion":0,"MinorVersion":1)", false, "Unsupported"},
        {"minor negative", R"("MajorVersion":1,"MinorVersion":-1)", false, "Unsupported"},
        {"fraction", R"("MajorVersion":1,"MinorVersion":1.5)", false, "Error finding MinorVersion"},
        {"string", R"("MajorVersion":"1","MinorVersion":1)", false, "Error finding MajorVersion"},
        {"missing", R"("MinorVersion":1)", false, "Error finding MajorVersion"},
        {"beyond 32 bits", R"("MajorVersion":4294967297,"MinorVersion":1)", false,
         "Error finding MajorVersion"},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.name);
        PreferencesStore& s = freshStore();
        const nlohmann::json document = nlohmann::json::parse(
            std::string("{") + c.versions +
            R"(,"Comment":"c","ProfilesPreferences":[{"DeviceType":"whirlen","DeviceModel":"whirlenmax","Name":"P"}]})");
        bool accepted = false;
        const std::string log = logOf([&] { accepted = s.fromJson(document); });
        EXPECT_EQ(accepted, c.accepted);
        EXPECT_THAT(log, HasSubstr(c.log));
        EXPECT_EQ(s.profiles().size(), c.accepted ? 1U : 0U);
        EXPECT_EQ(s.configVersion(), c.accepted ? document["MajorVersion"].get<int>() * 100 +
                                                      document["MinorVersion"].get<int>()
                                                : -101);
        // Whatever was read, the store writes the version it knows.
        EXPECT_EQ(s.toJson()["MajorVersion"], 1);
        EXPECT_EQ(s.toJson()["MinorVersion"], 1);
    }
}

TEST_F(StoreTest, DuplicateRules) {
    const nlohmann::json macroA = {{"Name", "M"}, {"Comment", "first"}};
    const nlohmann::json macroB = {{"Name", "M"}, {"Comment", "second"}};
    nlohmann::json first = profileJson(kMax, "P");
    first["Comment"] = "first";
    nlohmann::json second = profileJson(kMax, "P");
    second["Comment"] = "second";
    nlohmann::json document =
        documentJson({first, second}, {macroA, macroB},
                     {{{"ConfigName", "C"}, {"ProgramContextPath", "first.exe"}},
                      {{"ConfigName", "C"}, {"ProgramContextPath", "second.exe"}}});
    document["Comment"] = 5;

    const std::string log = logOf([&] { EXPECT_TRUE(store().fromJson(document)); });
    EXPECT_THAT(log, HasSubstr("Error finding Comment"));
    EXPECT_EQ(store().profiles().at(profileKey(kMax, "P"))->comment(), "first");
    EXPECT_EQ(store().macros().at("Macro##all#all#M")->comment(), "first");
    EXPECT_EQ(store().applicationContextConfiguration("C").programContextPath(), "second.exe");

    // A later document adds only what is new: the store's own entries stay,
    // except contexts, where the last one of a name wins.
    second["Name"] = "Q";
    nlohmann::json later = documentJson(
        {first, second}, {macroB}, {{{"ConfigName", "C"}, {"ProgramContextPath", "third.exe"}}});
    later["ProfilesPreferences"][0]["Comment"] = "changed";
    EXPECT_TRUE(store().fromJson(later));
    EXPECT_EQ(store().profiles().at(profileKey(kMax, "P"))->comment(), "first");
    EXPECT_EQ(store().profiles().count(profileKey(kMax, "Q")), 1U);
    EXPECT_EQ(store().macros().at("Macro##all#all#M")->comment(), "first");
    EXPECT_EQ(store().applicationContextConfiguration("C").programContextPath(), "third.exe");
}

TEST_F(StoreTest, BadInputLoadsWhatIsValidAndLogsTheRest) {
    const std::string text = R"({
        "MajorVersion": 1, "MinorVersion": 1, "Unknown": {"x": [1, 2]},
        "Macros": {"not": "an array"},
        "AppContextConfigurations": [7, {"ProgramContextPath": "nameless.exe"},
                                     {"ConfigName": "Ok", "ProgramContextPath": "ok.exe"}],
        "ProfilesPreferences": [
            5, "text", null, [],
            {"DeviceType": "mouse", "DeviceModel": "whirlenmax", "Name": "Mouse"},
            {"DeviceType": "whirlen", "DeviceModel": "whirlenmax"},
            {"DeviceType": "whirlen", "DeviceModel": "whirlenmax", "Name": "Good",
             "Name": "Good",
             "Settings": "wrong", "Extra": true,
             "Actions": [1, {"MouseButton": "DeviceButton_2", "ActionType": "click",
                             "Repeat": 1e300, "DelayRepeat": 99999999999999999999,
                             "StartDelay": "x", "UseCtrl": "yes", "KeyCode": 65}]}
        ]})";
    write(paths_.defaultFile, text);
    const std::string log = logOf([&] { store().load(); });

    EXPECT_THAT(log, HasSubstr("Ignored Macros: not an array"));
    EXPECT_THAT(log, HasSubstr("Invalid parsed device type"));
    EXPECT_THAT(log, HasSubstr("Ignored invalid entry 0 of AppContextConfigurations"));
    EXPECT_THAT(log, HasSubstr("Ignored invalid entry 5 of ProfilesPreferences"));
    const ProfileMap profiles = store().profiles();
    ASSERT_EQ(profiles.count(profileKey(kMax, "Good")), 1U);
    const ActionMap& actions = profiles.at(profileKey(kMax, "Good"))->actions();
    ASSERT_EQ(actions.size(), 1U);
    const ActionPreference& click = actions.begin()->second;
    EXPECT_EQ(click.control(), 1U);
    EXPECT_EQ(click.timing(), ActionTiming{});
    EXPECT_FALSE(click.useCtrl());
    EXPECT_EQ(profiles.size(), 3U);  // and the two "default" profiles
    EXPECT_THAT(store().applicationContextConfigurations(),
                UnorderedElementsAre(::testing::Key("Ok")));

    // What the store could not take is not lost with the next save.
    ASSERT_TRUE(store().save().held());
    EXPECT_EQ(read(paths_.defaultFile + ".damaged"), text);
}

TEST_F(StoreTest, ProfileWithoutDeviceTypeTakesTheTypeOfItsModel) {
    nlohmann::json untyped =
        profileJson(kLite, "Untyped",
                    {actionJson({{"ActionType", "mute"}, {"MouseButton", "DeviceButton_2"}})});
    untyped.erase("DeviceType");
    nlohmann::json nowhere = profileJson(kLite, "Nowhere");
    nowhere.erase("DeviceType");
    nowhere.erase("DeviceModel");
    write(paths_.defaultFile, documentJson({untyped, nowhere}).dump());
    store().load();
    ASSERT_TRUE(store().save().held());

    // Written with the type "all", it would be refused by every later load.
    PreferencesStore& later = freshStore();
    later.load();
    const auto profile = later.profiles().at(profileKey(kLite, "Untyped"));
    EXPECT_EQ(profile->deviceType(), 1U);
    ASSERT_EQ(profile->actions().size(), 1U);
    EXPECT_EQ(profile->actions().begin()->first, "Action##whirlen#whirlenlite###DeviceButton_2");
    EXPECT_EQ(later.profiles().size(), 3U);  // "Nowhere", of no model, is not taken
}

TEST_F(StoreTest, InvalidUtf8IsReplacedAndTheOriginalKept) {
    nlohmann::json document = documentJson({profileJson(kMax, "NAME")});
    std::string text = document.dump();
    text.replace(text.find("NAME"), 4, "N\xC3\x28\xFF");  // a cut sequence and a stray byte
    write(paths_.defaultFile, text);

    const std::string log = logOf([&] { store().load(); });
    EXPECT_THAT(log, HasSubstr("Invalid UTF-8 replaced in " + paths_.defaultFile));
    EXPECT_EQ(store().profiles().count(profileKey(kMax, "N\xEF\xBF\xBD(\xEF\xBF\xBD")), 1U);

    ASSERT_TRUE(store().save().held());
    EXPECT_EQ(read(paths_.defaultFile + ".damaged"), text);
    EXPECT_TRUE(readJson(paths_.defaultFile).is_object());
}

TEST_F(StoreTest, EmptyStoreWritesEmptyLists) {
    EXPECT_EQ(store().defaultFileText(), dumpJsonText(store().toJson(), 2));
    EXPECT_EQ(store().toJson(), documentJson(nlohmann::json::array()));
}

TEST_F(StoreTest, InvalidUtf8InMemoryIsWrittenReplaced) {
    store().load();
    auto profile = std::make_shared<ProfilePreference>(1, 1);
    profile->setName("bad \xE9 byte");
    ASSERT_TRUE(store().addProfile(profile, false).isTaken());
    EXPECT_TRUE(store().save().held());
    EXPECT_THAT(read(paths_.defaultFile), HasSubstr("bad \xEF\xBF\xBD byte"));
}

TEST_F(StoreTest, DeepNestingIsRefusedAsParseError) {
    write(paths_.defaultFile, std::string(100000, '['));
    const std::string log = logOf([&] { store().load(); });
    EXPECT_THAT(log, HasSubstr("Error parse file: " + paths_.defaultFile));
    EXPECT_EQ(store().profiles().size(), 2U);
}

TEST_F(StoreTest, MissingDefaultFileIsRestoredFromBackup) {
    CountingSubscriber subscriber;
    store().subscribe(&subscriber);
    store().load();
    store().unsubscribe(&subscriber);

    EXPECT_EQ(read(paths_.defaultFile), read(paths_.backupFile));
    EXPECT_EQ(subscriber.count, 1);
    EXPECT_EQ(store().configVersion(), 101);
    const auto max = store().defaultProfileForModel(1);
    const auto lite = store().defaultProfileForModel(2);
    ASSERT_TRUE(max && lite);
    EXPECT_EQ(max->actions().size(), 60U);
    EXPECT_EQ(lite->actions().size(), 50U);
}

TEST_F(StoreTest, BothFilesMissingLeaveTheTwoDefaultProfiles) {
    fs::remove(paths_.backupFile);
    const std::string log = logOf([&] { store().load(); });

    EXPECT_THAT(log, HasSubstr("Error loading file: " + paths_.defaultFile));
    EXPECT_THAT(log, HasSubstr("Pref backup file not found"));
    EXPECT_FALSE(fs::exists(paths_.defaultFile));
    const ProfileMap profiles = store().profiles();
    ASSERT_EQ(profiles.size(), 2U);
    for (const uint32_t model : {1U, 2U}) {
        const auto profile = store().defaultProfileForModel(model);
        ASSERT_TRUE(profile);
        EXPECT_EQ(profile->name(), "default");
        EXPECT_EQ(profile->deviceType(), 1U);
        EXPECT_TRUE(profile->actions().empty());
    }
}

TEST_F(StoreTest, ShippedBackupHoldsEveryDefaultActionOfBothModels) {
    PreferencesStore& s = store();
    const ProfileMap factory = s.loadProfilesFromFile(paths_.backupFile);
    ASSERT_EQ(factory.size(), 2U);
    for (const uint32_t model : {1U, 2U}) {
        const auto profile = factory.at(profileKey(model == 1 ? kMax : kLite, "default"));
        EXPECT_TRUE(profile->isDefault());
        const auto controls = modelControlList(static_cast<int32_t>(model));
        ASSERT_EQ(profile->actions().size(), controls.size());
        for (const int32_t control : controls) {
            const auto action = profile->findAction("", static_cast<uint32_t>(control));
            ASSERT_TRUE(action) << control;
            EXPECT_EQ(action->actionType(), kActionTypeDisabled);
            EXPECT_EQ(action->profile(), profile->key());
        }
    }
}

TEST_F(StoreTest, DamagedFilesAreKeptAsideBeforeTheFirstSave) {
    const std::string damaged = R"({"MajorVersion": 1, "MinorVersion": 1, "Profiles)";
    write(paths_.defaultFile, damaged);
    write(paths_.profileBindFile, "{\"ProfileBind\": [");
    const std::string log = logOf([&] { store().load(); });
    EXPECT_THAT(log, HasSubstr("Error parse file: " + paths_.defaultFile));
    EXPECT_THAT(log, HasSubstr("Error parse profile bind file: " + paths_.profileBindFile));
    EXPECT_EQ(read(paths_.defaultFile), damaged);  // neither healed from the backup nor touched

    const std::string saveLog = logOf([&] {
        EXPECT_TRUE(store().save().held());
        EXPECT_TRUE(store().setProfileBind("MXV2x", profileKey(kMax, "default"), true).isSaved());
    });
    EXPECT_THAT(saveLog, HasSubstr("as " + paths_.defaultFile + ".damaged"));
    EXPECT_EQ(read(paths_.defaultFile + ".damaged"), damaged);
    EXPECT_EQ(read(paths_.profileBindFile + ".damaged"), "{\"ProfileBind\": [");
    EXPECT_TRUE(readJson(paths_.defaultFile).is_object());
    EXPECT_TRUE(readJson(paths_.profileBindFile).is_object());

    // Only the first save moves the file; a second damage keeps both copies.
    EXPECT_TRUE(store().save().held());
    EXPECT_EQ(read(paths_.defaultFile + ".damaged"), damaged);
    write(paths_.defaultFile, "{\"MajorVersion\": 0, \"MinorVersion\": 0}");
    store().load();
    EXPECT_TRUE(store().save().held());
    EXPECT_EQ(read(paths_.defaultFile + ".damaged.1"),
              "{\"MajorVersion\": 0, \"MinorVersion\": 0}");
    EXPECT_EQ(read(paths_.defaultFile + ".damaged"), damaged);
}

TEST_F(StoreTest, ReloadReplacesOnlyWithAnAcceptedDocument) {
    write(paths_.defaultFile, documentJson({profileJson(kMax, "Old")}).dump());
    store().load();
    const std::string oldKey = profileKey(kMax, "Old");

    // A damaged file: the store keeps what it had, and so does the next save.
    write(paths_.defaultFile, "{\"MajorVersion\": 1, ");
    store().reload(false);
    store().load();
    EXPECT_EQ(store().profiles().count(oldKey), 1U);
    EXPECT_TRUE(store().save().held());
    PreferencesStore reader(paths_);
    EXPECT_EQ(reader.loadProfilesFromFile(paths_.defaultFile).count(oldKey), 1U);

    // A refused one too.
    write(paths_.defaultFile,
          R"({"MajorVersion": 0, "MinorVersion": 1, "ProfilesPreferences": []})");
    store().reload(false);
    store().load();
    EXPECT_EQ(store().profiles().count(oldKey), 1U);

    // An accepted one replaces the content, "default" profiles added again.
    write(paths_.defaultFile, documentJson({profileJson(kMax, "New")}).dump());
    store().reload(false);
    store().load();
    EXPECT_EQ(store().profiles().count(oldKey), 0U);
    EXPECT_EQ(store().profiles().count(profileKey(kMax, "New")), 1U);
    EXPECT_EQ(store().profiles().size(), 3U);
}

TEST_F(StoreTest, ReloadWithRestoreResetsToTheBackup) {
    write(paths_.defaultFile, documentJson({profileJson(kMax, "Mine")}).dump());
    store().load();
    store().reload(true);
    EXPECT_EQ(read(paths_.defaultFile), read(paths_.backupFile));
    EXPECT_EQ(store().profiles().count(profileKey(kMax, "Mine")), 0U);
    EXPECT_EQ(store().defaultProfileForModel(1)->actions().size(), 60U);
}

TEST_F(StoreTest, ReloadWithRestoreWithoutBackupKeepsTheUsersFile) {
    const std::string mine = documentJson({profileJson(kMax, "Mine")}).dump();
    write(paths_.defaultFile, mine);
    fs::remove(paths_.backupFile);
    store().load();
    store().reload(true);
    EXPECT_EQ(read(paths_.defaultFile), mine);
    EXPECT_EQ(store().profiles().count(profileKey(kMax, "Mine")), 1U);
}

TEST_F(StoreTest, FailedWritesReportFalseAndLeaveTheOldFiles) {
    store().load();
    const std::string before = read(paths_.defaultFile);
    // Both files grow past the limit below, the captured log stays under it.
    for (int i = 0; i < 100; ++i) {
        store().setProfileBind("MXV2device" + std::to_string(i), profileKey(kMax, "default"),
                               false);
    }
    ASSERT_TRUE(store().setProfileBind("MXV2a", profileKey(kMax, "default"), true).isSaved());
    const std::string bindBefore = read(paths_.profileBindFile);
    {
        const FileSizeLimit full(4096);
        const std::string log = logOf([&] {
            const SaveResult saved = store().save();
            EXPECT_FALSE(saved.held());
            EXPECT_EQ(saved.file(), paths_.defaultFile);
            EXPECT_EQ(saved.cause(), SaveResult::Cause::NoRoom);
            EXPECT_TRUE(
                store().setProfileBind("MXV2b", profileKey(kMax, "default"), true).saveFailed());
            EXPECT_TRUE(store().commit(true).saveFailed());
        });
        EXPECT_THAT(log, HasSubstr("Error saving to file action changes"));
        EXPECT_THAT(log, HasSubstr("Unable to create file: " + paths_.defaultFile + ": " +
                                   std::strerror(EFBIG)));
        EXPECT_THAT(log, HasSubstr("Unable to create file: " + paths_.profileBindFile));
    }
    EXPECT_EQ(read(paths_.defaultFile), before);
    EXPECT_EQ(read(paths_.profileBindFile), bindBefore);

    fs::remove(paths_.defaultFile);
    if (geteuid() != 0) {
        fs::permissions(root_, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(store().save().held());
        fs::permissions(root_, fs::perms::owner_all);
        EXPECT_FALSE(fs::exists(paths_.defaultFile));
    }
    EXPECT_EQ(store().writeJsonFile(file("missing-folder/pelvane_default.json")).cause(),
              SaveResult::Cause::FolderMissing);
    EXPECT_FALSE(store().writeJsonFile("").held());
}

TEST_F(StoreTest, BindFileRules) {
    store().load();
    store().setProfileBind("MXV2kept", profileKey(kMax, "default"), false);
    write(paths_.profileBindFile, R"({"ProfileBind": [
        {"DeviceID": "MXV2a", "ProfileID": ")" +
                                      profileKey(kMax, "default") + R"("},
        {"DeviceID": "MXV2gone", "ProfileID": "Profile##whirlen#whirlenmax#Gone"},
        {"DeviceID": "", "ProfileID": ")" +
                                      profileKey(kMax, "default") + R"("},
        {"DeviceID": 5, "ProfileID": ")" +
                                      profileKey(kMax, "default") + R"("},
        {"DeviceID": "LYTEb"}]})");
    store().load();
    EXPECT_TRUE(store().boundProfile("MXV2a"));
    EXPECT_FALSE(store().boundProfile("MXV2gone"));
    EXPECT_FALSE(store().boundProfile(""));
    EXPECT_TRUE(store().boundProfile("MXV2kept"));  // loading never unbinds
    EXPECT_EQ(store().profileBindToJson()["ProfileBind"].size(), 2U);
}

TEST_F(StoreTest, LoadFilesMergesTheFirstAcceptedFile) {
    const std::string broken = file("a.json");
    const std::string refused = file("b.json");
    const std::string first = file("c.json");
    const std::string second = file("d.json");
    write(broken, "{");
    write(refused, R"({"MinorVersion": 1})");
    write(first, documentJson({profileJson(kMax, "First")}).dump());
    write(second, documentJson({profileJson(kMax, "Second")}).dump());
    CountingSubscriber subscriber;
    store().subscribe(&subscriber);

    EXPECT_TRUE(store().loadFiles({broken, refused, first, second}, false));
    EXPECT_EQ(store().profiles().count(profileKey(kMax, "First")), 1U);
    EXPECT_EQ(store().profiles().count(profileKey(kMax, "Second")), 0U);
    EXPECT_EQ(subscriber.count, 0);

    fs::create_directory(file("sync"));
    fs::create_directory(file("sync/folder.json"));
    write(file("sync/x.JSON"), documentJson({profileJson(kLite, "Synced")}).dump());
    write(file("sync/y.txt"), documentJson({profileJson(kLite, "Text")}).dump());
    EXPECT_TRUE(store().loadDirectory(file("sync"), true));
    EXPECT_EQ(store().profiles().count(profileKey(kLite, "Synced")), 1U);
    EXPECT_EQ(store().profiles().count(profileKey(kLite, "Text")), 0U);
    EXPECT_EQ(subscriber.count, 1);
    store().unsubscribe(&subscriber);

    EXPECT_THAT(logOf([&] { EXPECT_FALSE(store().loadFiles({}, true)); }),
                HasSubstr("Unable to load JSON from an empty path!"));
    EXPECT_THAT(logOf([&] { EXPECT_FALSE(store().loadDirectory("", true)); }),
                HasSubstr("Invalid pref path"));
    EXPECT_FALSE(store().loadDirectory(first, true));
}

TEST_F(StoreTest, ProcessStoreUsesTheSettingsAndProgramFolders) {
    ScopedEnvironment environment;
    environment.set("XDG_DATA_HOME", root_.string());
    initializeGlobals();
    const PreferencesStorePaths paths = PreferencesStore::instance().paths();
    EXPECT_EQ(paths.defaultFile, defaultPreferencesFilePath());
    EXPECT_EQ(paths.profileBindFile, profileBindFilePath());
    EXPECT_EQ(paths.backupFile, executableDirectory() + "pelvane_default_backup.json");
    // The build puts the shipped backup beside the programs that read it.
    EXPECT_EQ(read(paths.backupFile), read(WHIRLEN_BACKUP_PREFERENCES_FILE));
}

TEST_F(StoreTest, NewestStoreIsTheModelsLookup) {
    PreferencesStore& outer = store();
    outer.addMacro("Outer", false);
    {
        PreferencesStore inner(paths_);
        EXPECT_EQ(&PreferencesLookup::current(), &inner);
    }
    EXPECT_EQ(&PreferencesLookup::current(), &outer);
    EXPECT_EQ(PreferencesLookup::current().macroKey("Outer"), "Macro##all#all#Outer");
}

}  // namespace
