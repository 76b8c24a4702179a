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
#include "shared/prefs/EditResult.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/MacroGroupPreference.h"
#include "shared/prefs/MacroPreference.h"
#include "shared/prefs/PreferencesLookup.h"
#include "shared/prefs/PreferencesSubscriberList.h"
#include "shared/prefs/ProfilePreference.h"
#include "shared/prefs/SaveResult.h"

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
// anything is written over it. An edit whose save fails stays in the store,
// which tells its subscribers so; every later save writes it too, and until
// one holds, a load keeps it over the file unless another program has written
// the file since.
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
    // restore true, the default file is reset from the backup and loaded; when
    // the reset cannot be written, the backup's content is held as an edit
    // whose save failed. Refused (Missing) without a backup to reset from.
    EditResult reload(bool restore);
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
    // Writes the default file; logs the file and the reason when that fails.
    SaveResult save();
    // Writes the default-file document to path, atomically.
    SaveResult writeJsonFile(const std::string& path);
    void loadProfileBind();
    SaveResult saveProfileBind();
    nlohmann::json profileBindToJson() const;
    // Replaces the default file by the backup; refused (Missing), with the
    // default file left alone, when the backup is missing or unreadable.
    EditResult restoreBackup();
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

    // Binds the device; with save, writes the bind file. Never refused.
    EditResult setProfileBind(const std::string& deviceId, const std::string& profileKey,
                              bool save);

    // --- Edits ---
    // Each tells whether it was taken, and why not; "save" writes the default
    // file after the change (and the bind file, when the bindings changed) and
    // the result tells whether that held. Every change notifies.

    // Refused for an empty name (Invalid) and for a key that a macro already
    // has (NameTaken).
    EditResult addMacro(const std::string& name, bool save);
    // Appends a group with an id that no group of the macro has; refused
    // (Invalid) for a null or invalid macro.
    EditResult addMacroGroup(const std::shared_ptr<MacroPreference>& macro, bool save);
    // Refused for an empty name or path (Invalid), and for a name or path that
    // another configuration has; saves.
    EditResult addApplicationContextConfiguration(const std::string& configName,
                                                  const std::string& programContextPath);
    // Refused for a null or invalid profile, one that is not of a real model
    // of its device type (Invalid), and one whose key is taken (NameTaken).
    EditResult addProfile(const std::shared_ptr<ProfilePreference>& profile, bool save);
    EditResult deleteMacroGroup(const std::shared_ptr<MacroPreference>& macro,
                                const std::shared_ptr<MacroGroupPreference>& group, bool save);
    // Also removes every profile's actions of that configuration; saves.
    EditResult deleteApplicationContextConfiguration(const std::string& configName);
    // Also clears every profile's references to the macro.
    EditResult deleteMacro(const std::string& macroKey, bool save);
    // Also drops the device bindings to the profile.
    EditResult deleteProfile(const std::string& profileKey, bool save);
    EditResult moveMacroGroupAction(const std::shared_ptr<MacroGroupPreference>& group,
                                    int32_t from, int32_t to, bool save);
    EditResult moveMacroGroup(const std::shared_ptr<MacroPreference>& macro, int32_t from,
                              int32_t to, bool save);
    // Refused for an empty name and a name that a macro already has; the
    // macro keeps its key.
    EditResult renameMacro(const std::string& macroKey, const std::string& newName, bool save);
    // Re-files the profile under its new key and moves its bindings along.
    // Refused for an empty or unchanged name, a name that another profile of
    // the model has, and for the "default" profiles (neither from nor to).
    EditResult renameProfile(const std::string& profileKey, const std::string& newName, bool save);
    // The edited action's profile (its Profile field) replaces previous by
    // edited; refused when there is no such profile (Missing) or the profile's
    // rule does not take the edit.
    EditResult setProfileAction(const ActionPreference& previous, const ActionPreference& edited,
                                bool save);
    // With save: saves and notifies (for changes made in place); otherwise
    // does nothing.
    EditResult commit(bool save);
    EditResult saveAndNotify();

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
    // The steps of a load after the default file's content is read.
    void completeLoad(const PreferencesStorePaths& files);
    // Whether a load keeps the edits that the default file lacks.
    bool keepsUnsavedEdits(const std::string& path);
    // The default file holds what the store holds, or lacks edits from now on.
    void noteDefaultFileSaved(const std::string& path, const SaveResult& saved);
    bool loadPass(const std::vector<std::string>& files, bool replace);
    bool readable(const std::string& path, const JsonText& text);
    MergeResult mergeDocument(const nlohmann::json& document, bool replace);
    std::optional<Version> readVersion(const nlohmann::json& document) const;
    void readComment(const nlohmann::json& document);
    void mergeContexts(const nlohmann::json& document, std::size_t& skipped);
    void mergeMacros(const nlohmann::json& document, std::size_t& skipped);
    ProfileMap readProfiles(const nlohmann::json& document, std::size_t& skipped) const;
    SaveResult replaceFile(const std::string& path, const std::string& contents);
    // 0 when the damaged file at path is out of the way, else the errno why not.
    int keepDamagedAside(const std::string& path);
    void markDamaged(const std::string& path, bool damaged);

    // Edit internals.
    // Saves when asked, notifies, and tells the subscribers of a failed save.
    EditResult finishEdit(bool save, bool bindingsChanged = false);
    // Writes the default file and the bind file when asked or when they lack
    // edits; the first failure, or a save that held.
    SaveResult saveFiles(bool defaultFile, bool bindFile);
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
    // The files lack edits whose save failed.
    bool defaultFileBehind_ = false;
    bool bindFileBehind_ = false;
    // The default file as last read or written (none when there was none).
    std::optional<FileStamp> defaultFileStamp_;

    PreferencesSubscriberList subscribers_;
};
