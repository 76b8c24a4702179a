#include "shared/prefs/PreferencesStore.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "shared/prefs/AtomicWrite.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/JsonText.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/Paths.h"

namespace {

constexpr uint32_t kDeviceModels[] = {1, 2};
// Preference files are ordinary user files.
constexpr mode_t kPreferenceFileMode = 0644;
constexpr const char* kDamagedSuffix = ".damaged";
// Bounds the search for a free name beside a damaged file.
constexpr int kMaxDamagedCopies = 1000;

std::string damagedCopyName(const std::string& path, int attempt) {
    std::string name = path + kDamagedSuffix;
    if (attempt > 0) {
        name += "." + std::to_string(attempt);
    }
    return name;
}

// Nothing at all under the name, not even a dangling link.
bool pathIsFree(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) != 0 && errno == ENOENT;
}

// The first free name beside a damaged file; empty when there is none.
std::string freeDamagedCopyName(const std::string& path) {
    for (int attempt = 0; attempt < kMaxDamagedCopies; ++attempt) {
        std::string aside = damagedCopyName(path, attempt);
        if (pathIsFree(aside)) {
            return aside;
        }
    }
    return {};
}

bool hasJsonExtension(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".json" || extension == ".JSON";
}

// The stores that are alive, newest last. The newest one is the model's
// lookup, and when it goes the one before it takes over, so the model never
// asks a store that no longer exists.
struct LiveStores {
    std::mutex lock;
    std::vector<const PreferencesLookup*> stores;
};

LiveStores& liveStores() {
    static LiveStores live;
    return live;
}

void registerLookup(const PreferencesLookup* store) {
    LiveStores& live = liveStores();
    std::lock_guard lock(live.lock);
    live.stores.push_back(store);
    PreferencesLookup::install(store);
}

void unregisterLookup(const PreferencesLookup* store) {
    LiveStores& live = liveStores();
    std::lock_guard lock(live.lock);
    std::erase(live.stores, store);
    PreferencesLookup::install(live.stores.empty() ? nullptr : live.stores.back());
}

}  // namespace

PreferencesStore& PreferencesStore::instance() {
    static PreferencesStore store;
    return store;
}

PreferencesStore::PreferencesStore() {
    registerLookup(this);
}

PreferencesStore::PreferencesStore(PreferencesStorePaths paths) : fixedPaths_(std::move(paths)) {
    registerLookup(this);
}

PreferencesStore::~PreferencesStore() {
    unregisterLookup(this);
}

PreferencesStorePaths PreferencesStore::paths() const {
    if (fixedPaths_) {
        return *fixedPaths_;
    }
    return {defaultPreferencesFilePath(), profileBindFilePath(), backupPreferencesFilePath()};
}

void PreferencesStore::load() {
    {
        std::lock_guard lock(dataLock_);
        const PreferencesStorePaths files = paths();
        const bool replace = std::exchange(replacePending_, false);
        if (!keepsUnsavedEdits(files.defaultFile)) {
            bool merged = loadPass({files.defaultFile}, replace);
            // Only a missing file is healed; a damaged one is kept for the user.
            if (!merged && !fileExists(files.defaultFile) && restoreBackup().isSaved()) {
                merged = loadPass({files.defaultFile}, replace);
            }
            if (merged) {
                // What was not saved gives way to the file's content.
                defaultFileBehind_ = false;
                defaultFileStamp_ = fileStamp(files.defaultFile);
            }
        }
        completeLoad(files);
    }
    notifySubscribers();
}

void PreferencesStore::completeLoad(const PreferencesStorePaths& files) {
    ensureDefaultProfile();
    // Again, for the "default" profiles just added.
    loadProfileBind();
    factoryProfiles_ = loadProfilesFromFile(files.backupFile);
}

// Edits that could not be saved are newer than the file they were made over, unless
// another program has written the file since.
bool PreferencesStore::keepsUnsavedEdits(const std::string& path) {
    if (!defaultFileBehind_) {
        return false;
    }
    if (fileStamp(path) == defaultFileStamp_) {
        LogManager::instance().log('W', "Keeping the changes that could not be saved to %s",
                                   path.c_str());
        return true;
    }
    LogManager::instance().log('W', "%s has changed since changes could not be saved to it",
                               path.c_str());
    return false;
}

void PreferencesStore::noteDefaultFileSaved(const std::string& path, const SaveResult& saved) {
    if (saved.held()) {
        defaultFileBehind_ = false;
        defaultFileStamp_ = fileStamp(path);
    } else {
        defaultFileBehind_ = true;
    }
}

EditResult PreferencesStore::reload(bool restore) {
    {
        std::lock_guard lock(dataLock_);
        replacePending_ = true;
    }
    if (!restore) {
        return EditResult::taken();
    }
    const EditResult reset = restoreBackup();
    if (!reset.saveFailed()) {
        // Without a backup the user's file stays, and is loaded again.
        load();
        return reset;
    }
    {
        // The reset is held as an edit whose save failed: in the store, and in the next
        // save that holds.
        std::lock_guard lock(dataLock_);
        const PreferencesStorePaths files = paths();
        loadPass({files.backupFile}, std::exchange(replacePending_, false));
        defaultFileBehind_ = true;
        completeLoad(files);
    }
    notifySubscribers();
    subscribers_.notifyNotSaved(*reset.save());
    return reset;
}

bool PreferencesStore::loadPass(const std::vector<std::string>& files, bool replace) {
    bool merged = false;
    for (const std::string& path : files) {
        const JsonText text = readJsonFile(path);
        if (!readable(path, text) || merged) {
            continue;
        }
        const MergeResult result = mergeDocument(text.value, replace);
        merged = result.accepted;
        // What a save drops or changes of the file is kept aside before it.
        markDamaged(path, !merged || result.skipped != 0 || text.status != JsonTextStatus::Parsed);
    }
    return merged;
}

// Logs why a file cannot be used and remembers an existing one as damaged.
bool PreferencesStore::readable(const std::string& path, const JsonText& text) {
    switch (text.status) {
        case JsonTextStatus::Parsed:
            return true;
        case JsonTextStatus::RepairedUtf8:
            LogManager::instance().log('W', "Invalid UTF-8 replaced in %s", path.c_str());
            return true;
        case JsonTextStatus::Unreadable:
            LogManager::instance().log('E', "Error loading file: %s", path.c_str());
            break;
        case JsonTextStatus::TooDeep:
            LogManager::instance().log('E', "Error parse file: %s", path.c_str());
            LogManager::instance().log('E', "Nested deeper than %zu levels", kMaxJsonNesting);
            break;
        case JsonTextStatus::SyntaxError:
            LogManager::instance().log('E', "Error parse file: %s", path.c_str());
            break;
    }
    markDamaged(path, fileExists(path));
    return false;
}

SaveResult PreferencesStore::save() {
    std::lock_guard lock(dataLock_);
    const std::string path = paths().defaultFile;
    const SaveResult saved = writeJsonFile(path);
    if (!saved.held()) {
        LogManager::instance().log('E', "Error saving to file action changes");
    }
    noteDefaultFileSaved(path, saved);
    return saved;
}

SaveResult PreferencesStore::writeJsonFile(const std::string& path) {
    if (path.empty()) {
        LogManager::instance().log('E', "Path where to save is empty!");
        return SaveResult::failed(path, ENOENT);
    }
    std::lock_guard lock(dataLock_);
    std::string text = defaultFileText();
    text += '\n';
    return replaceFile(path, text);
}

SaveResult PreferencesStore::saveProfileBind() {
    std::lock_guard lock(dataLock_);
    const SaveResult saved =
        replaceFile(paths().profileBindFile, dumpJsonText(profileBindToJson(), -1) + "\n");
    bindFileBehind_ = !saved.held();
    return saved;
}

EditResult PreferencesStore::restoreBackup() {
    std::lock_guard lock(dataLock_);
    const PreferencesStorePaths files = paths();
    if (!fileExists(files.backupFile)) {
        LogManager::instance().log('E', "Pref backup file not found");
        return EditResult::refused(EditResult::Refusal::Missing);
    }
    std::string contents;
    if (!readWholeFile(files.backupFile, contents)) {
        LogManager::instance().log('E', "Error loading file: %s", files.backupFile.c_str());
        return EditResult::refused(EditResult::Refusal::Missing);
    }
    const SaveResult restored = replaceFile(files.defaultFile, contents);
    if (restored.held()) {
        // The load that follows reads it.
        noteDefaultFileSaved(files.defaultFile, restored);
    }
    return EditResult::taken(restored);
}

ProfileMap PreferencesStore::loadProfilesFromFile(const std::string& path) {
    std::lock_guard lock(dataLock_);
    const JsonText text = readJsonFile(path);
    if (!readable(path, text)) {
        return {};
    }
    std::size_t skipped = 0;
    return readProfiles(text.value, skipped);
}

bool PreferencesStore::loadFiles(const std::vector<std::string>& files, bool notify) {
    bool merged = false;
    {
        std::lock_guard lock(dataLock_);
        if (files.empty()) {
            LogManager::instance().log('E', "Unable to load JSON from an empty path!");
            return false;
        }
        merged = loadPass(files, false);
    }
    if (notify) {
        notifySubscribers();
    }
    return merged;
}

bool PreferencesStore::loadDirectory(const std::string& directory, bool notify) {
    if (directory.empty()) {
        LogManager::instance().log('E', "Invalid pref path");
        return false;
    }
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    if (error) {
        return false;
    }
    std::vector<std::string> files;
    // Stepping with an error code: the plain increment throws.
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        std::error_code typeError;
        if (entries->is_regular_file(typeError) && hasJsonExtension(entries->path())) {
            files.push_back(entries->path().string());
        }
    }
    return loadFiles(files, notify);
}

void PreferencesStore::notifySubscribers() {
    subscribers_.notifyAll();
}

void PreferencesStore::subscribe(PreferencesUpdateSubscriber* subscriber) {
    subscribers_.add(subscriber);
}

void PreferencesStore::unsubscribe(PreferencesUpdateSubscriber* subscriber) {
    subscribers_.remove(subscriber);
}

void PreferencesStore::ensureDefaultProfile() {
    std::lock_guard lock(dataLock_);
    for (const uint32_t model : kDeviceModels) {
        auto profile = std::make_shared<ProfilePreference>(kWhirlenDeviceType, model);
        profile->setName(kDefaultProfileName);
        if (isNameTaken(*profile, kDefaultProfileName)) {
            continue;
        }
        profile->setDefault(true);
        profiles_.insert_or_assign(profile->key(), std::move(profile));
    }
}

// A write over a file that could not be used moves that file aside first, so
// that what the user had there survives for a repair.
SaveResult PreferencesStore::replaceFile(const std::string& path, const std::string& contents) {
    int error = damagedFiles_.count(path) != 0 ? keepDamagedAside(path) : 0;
    if (error == 0 && writeFileAtomically(path, contents, kPreferenceFileMode, &error)) {
        return {};
    }
    const SaveResult failed = SaveResult::failed(path, error);
    LogManager::instance().log('E', "Unable to create file: %s: %s", path.c_str(),
                               failed.reason().c_str());
    return failed;
}

std::string PreferencesStore::damagedDefaultFileCopy() const {
    std::lock_guard lock(dataLock_);
    const std::string path = paths().defaultFile;
    if (damagedFiles_.count(path) == 0 || pathIsFree(path)) {
        return {};
    }
    // The name that keepDamagedAside will take.
    return freeDamagedCopyName(path);
}

int PreferencesStore::keepDamagedAside(const std::string& path) {
    if (pathIsFree(path)) {
        damagedFiles_.erase(path);
        return 0;
    }
    const std::string aside = freeDamagedCopyName(path);
    const int error = aside.empty()                                   ? EEXIST
                      : std::rename(path.c_str(), aside.c_str()) == 0 ? 0
                                                                      : errno;
    if (error == 0) {
        LogManager::instance().log('E', "Kept damaged preference file %s as %s", path.c_str(),
                                   aside.c_str());
        damagedFiles_.erase(path);
        return 0;
    }
    LogManager::instance().log('E', "Unable to keep damaged preference file %s; not overwriting it",
                               path.c_str());
    return error;
}

void PreferencesStore::markDamaged(const std::string& path, bool damaged) {
    if (damaged) {
        damagedFiles_.insert(path);
    } else {
        damagedFiles_.erase(path);
    }
}
