#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include <nlohmann/json.hpp>

#include "shared/prefs/ActionPreference.h"
#include "shared/prefs/ApplicationContextConfiguration.h"
#include "shared/prefs/MacroGroupPreference.h"
#include "shared/prefs/MacroPreference.h"
#include "shared/prefs/PreferencesLookup.h"
#include "shared/prefs/PreferencesSubscriberList.h"
#include "shared/prefs/ProfilePreference.h"

struct JsonText;

// Profile identity key -> profile.
using ProfileMap = std::map<std::string, std::shared_ptr<ProfilePreference>>;
// Macro identity key -> macro.
using MacroMap = std::map<std::string, std::shared_ptr<MacroPreference>>;
// ConfigName -> configuration.
using ApplicationContextMap = std::map<std::string, ApplicationContextConfiguration>;
// Device binding identifier -> profile identity key.
using ProfileBindings = std::unordered_map<std::string, std::string>;
// ProgramContextPath ("" outside every configured application) -> control -> action.
using DeviceConfiguration = std::map<std::string, ControlActionMap>;

// The three files of a store.
struct PreferencesStorePaths {
    // "pelvane_default.json": profiles, macros and application contexts.
    std::string defaultFile;
    // "pelvane_profile_bind.json": which profile each device uses.
    std::string profileBindFile;
    // "pelvane_default_backup.json" beside the programs: never written.
    std::string backupFile;
};

// Each model's default profile has this name; the files carry no other mark.
inline constexpr const char* kDefaultProfileName = "default";
// The device type of both models, and of every profile the store holds.
inline constexpr uint32_t kWhirlenDeviceType = 1;

// Result codes of addApplicationContextConfiguration; a refusal adds up the
// names and paths already taken.
inline constexpr int32_t kContextAdded = 0;
inline constexpr int32_t kContextNameTaken = 2;
inline constexpr int32_t kContextPathTaken = 4;
inline constexpr int32_t kContextFieldEmpty = 8;

// The holder of all preferences of a process: profiles, macros, application
// contexts and the binding of each device to a profile, with their files.
//
// Every operation takes the store's data lock, so any thread may query while
// another loads or edits. Subscribers are notified after that lock is
// released. Queries hand out the shared profile and macro objects themselves;
// a caller that changes one in place commits the change with commit() or
// saveAndNotify().
//
// User data is never dropped silently: files are replaced atomically, and a
// file that could not be read, parsed or taken whole (an entry refused, bad
// UTF-8 replaced) is moved aside (".damaged", ".damaged.1", ...) before
// anything is written over it.
class PreferencesStore : public PreferencesLookup {
public:
    // The process's store, on the files of the settings and program folders.
    static PreferencesStore& instance();

    // A store on other files (tests, tools). The newest store alive is the
    // lookup through which the model names macros and contexts; when it is
    // destroyed, the one before it is. So only the newest store reads and
    // writes actions that name macros or contexts correctly.
    explicit PreferencesStore(PreferencesStorePaths paths);
    ~PreferencesStore() override;
    PreferencesStore(const PreferencesStore&) = delete;
    PreferencesStore& operator=(const PreferencesStore&) = delete;

    PreferencesStorePaths paths() const;

    // --- Files and lifecycle ---

    // Reads the default file (restoring it from the backup when it is
    // missing), adds the "default" profiles that are missing, reads the bind
    // file and the factory profiles, then notifies once.
    void load();
    // With restore false, the next load() replaces profiles, macros and
    // contexts, but only with a document that it accepts: until then, and
    // when the file turns out damaged, the store keeps what it holds. With
    // restore true, the default file is reset from the backup and loaded.
    void reload(bool restore);
    // Merges one default-file document; false when it is refused (not an
    // object, no integral versions, a version below 1.0).
    bool fromJson(const nlohmann::json& document);
    nlohmann::json toJson() const;
    // The default file's text: dumpJsonText(toJson(), 2), made without
    // holding the whole document at once.
    std::string defaultFileText() const;
    // Where the default file, when the last load found it damaged, is set aside before the
    // next save writes over it; empty when it is not damaged.
    std::string damagedDefaultFileCopy() const;
    // Writes the default file; logs and returns false when that fails.
    bool save();
    // Writes the default-file document to path, atomically.
    bool writeJsonFile(const std::string& path);
    void loadProfileBind();
    bool saveProfileBind();
    nlohmann::json profileBindToJson() const;
    // Replaces the default file by the backup; false, with the default file
    // left alone, when the backup is missing or unreadable.
    bool restoreBackup();
    // The valid profiles of one file of the default file's form; empty when
    // it cannot be read or parsed.
    ProfileMap loadProfilesFromFile(const std::string& path);
    // Merges the first of the ".json" files of the folder that is accepted.
    bool loadDirectory(const std::string& directory, bool notify);
    // Merges the first of the files that is accepted; the rest are only parsed.
    bool loadFiles(const std::vector<std::string>& paths, bool notify);
    void notifySubscribers();
    void subscribe(PreferencesUpdateSubscriber* subscriber);
    // Returns once no other thread is inside the subscriber's notification.
    void unsubscribe(PreferencesUpdateSubscriber* subscriber);
    // Adds an empty "default" profile for each model that has none.
    void ensureDefaultProfile();

    // --- Queries ---

    ProfileMap profiles() const;
    MacroMap macros() const;
    ApplicationContextMap applicationContextConfigurations() const;
    ApplicationContextConfiguration applicationContextConfiguration(
        const std::string& configName) const override;
    // The configuration whose ProgramContextPath equals the text, else the
    // first (by ConfigName) whose path occurs in it; empty when none.
    ApplicationContextConfiguration findApplicationContextConfiguration(
        const std::string& programPath) const override;
    std::shared_ptr<ProfilePreference> defaultProfileForModel(uint32_t deviceModel) const;
    std::shared_ptr<ProfilePreference> boundProfile(const std::string& deviceId) const;
    // The bound profile, else the model's default profile.
    std::shared_ptr<ProfilePreference> profileForDevice(const std::string& deviceId,
                                                        uint32_t deviceModel) const;
    // The factory action of the control in the context's application, else
    // the default that the model's default profile gives it.
    ActionPreference defaultAction(const ApplicationContextConfiguration& context, uint32_t control,
                                   uint32_t deviceModel) const;
    std::string macroName(const std::string& macroKey) const override;
    std::string macroKey(const std::string& macroName) const override;
    // The macro that macroKey(name) names; nullptr when none.
    std::shared_ptr<MacroPreference> macroByName(const std::string& macroName) const;
    // Major * 100 + minor of the file last accepted; -101 before any.
    int32_t configVersion() const;
    // For every configured program path and for "" (no configured program),
    // an action for every control of the profile's model.
    DeviceConfiguration buildDeviceConfiguration(
        const std::shared_ptr<ProfilePreference>& profile) const;

    // --- Binding ---

    // Binds the device; with save, writes the bind file. True when the bind
    // file was written.
    bool setProfileBind(const std::string& deviceId, const std::string& profileKey, bool save);

    // --- Edits ---
    // "save" writes the default file after the change; every change notifies.
    // Those that return bool tell whether they changed anything.

    // Refused for an empty name and for a key that a macro already has.
    bool addMacro(const std::string& name, bool save);
    // The new group, with an id that no group of the macro has; nullptr for a
    // null or invalid macro.
    std::shared_ptr<MacroGroupPreference> addMacroGroup(
        const std::shared_ptr<MacroPreference>& macro, bool save);
    // kContextAdded, or the sum of the reasons for refusing it.
    int32_t addApplicationContextConfiguration(const std::string& configName,
                                               const std::string& programContextPath);
    // Refused for a null or invalid profile, one that is not of a real model
    // of its device type, and one whose key is taken.
    bool addProfile(const std::shared_ptr<ProfilePreference>& profile, bool save);
    void deleteMacroGroup(const std::shared_ptr<MacroPreference>& macro,
                          const std::shared_ptr<MacroGroupPreference>& group, bool save);
    // Also removes every profile's actions of that configuration; saves.
    bool deleteApplicationContextConfiguration(const std::string& configName);
    // Also clears every profile's references to the macro.
    bool deleteMacro(const std::string& macroKey, bool save);
    // Also drops the device bindings to the profile.
    bool deleteProfile(const std::string& profileKey, bool save);
    void moveMacroGroupAction(const std::shared_ptr<MacroGroupPreference>& group, int32_t from,
                              int32_t to, bool save);
    void moveMacroGroup(const std::shared_ptr<MacroPreference>& macro, int32_t from, int32_t to,
                        bool save);
    // Refused for an empty name and a name that a macro already has; the
    // macro keeps its key.
    bool renameMacro(const std::string& macroKey, const std::string& newName, bool save);
    // Re-files the profile under its new key and moves its bindings along.
    // Refused for an empty or unchanged name, a name that another profile of
    // the model has, and for the "default" profiles (neither from nor to).
    bool renameProfile(const std::string& profileKey, const std::string& newName, bool save);
    // The edited action's profile (its Profile field) replaces previous by
    // edited; false when nothing changed or there is no such profile.
    bool setProfileAction(const ActionPreference& previous, const ActionPreference& edited,
                          bool save);
    // With save: saves, notifies and returns whether the save worked;
    // otherwise does nothing.
    bool commit(bool save);
    bool saveAndNotify();

private:
    struct Version {
        int32_t major = -1;
        int32_t minor = -1;
    };
    struct MergeResult {
        bool accepted = false;
        // Entries of the document that the store did not take.
        std::size_t skipped = 0;
    };

    // The process's store, which finds its files anew on each use: the
    // settings folder may be set up after the store came into being.
    PreferencesStore();

    // Hands the default-file document's members to the sink.
    template <typename Sink>
    void writeDocument(Sink& sink) const;

    // Lifecycle internals; each expects the data lock to be held.
    bool loadPass(const std::vector<std::string>& files, bool replace);
    bool readable(const std::string& path, const JsonText& text);
    MergeResult mergeDocument(const nlohmann::json& document, bool replace);
    std::optional<Version> readVersion(const nlohmann::json& document) const;
    void readComment(const nlohmann::json& document);
    void mergeContexts(const nlohmann::json& document, std::size_t& skipped);
    void mergeMacros(const nlohmann::json& document, std::size_t& skipped);
    ProfileMap readProfiles(const nlohmann::json& document, std::size_t& skipped) const;
    bool replaceFile(const std::string& path, const std::string& contents);
    bool keepDamagedAside(const std::string& path);
    void markDamaged(const std::string& path, bool damaged);

    // Edit internals.
    void finishEdit(bool changed, bool save, bool bindingsChanged = false);
    bool isNameTaken(const ProfilePreference& profile, const std::string& name) const;
    size_t redirectBindings(const std::string& fromKey, const std::optional<std::string>& toKey);

    std::optional<PreferencesStorePaths> fixedPaths_;

    mutable std::recursive_mutex dataLock_;
    ProfileMap profiles_;
    ApplicationContextMap contexts_;
    MacroMap macros_;
    ProfileBindings bindings_;
    std::string comment_;
    Version version_;
    ProfileMap factoryProfiles_;
    // Set by reload(false): the next accepted document replaces the content.
    bool replacePending_ = false;
    // The length of the last default-file text, to size the next one.
    mutable std::size_t lastTextSize_ = 0;
    // Files that must be kept aside before they are next written.
    std::set<std::string> damagedFiles_;

    PreferencesSubscriberList subscribers_;
};
