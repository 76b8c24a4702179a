#include "shared/prefs/PreferencesStore.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <utility>

#include "shared/prefs/AtomicWrite.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/JsonText.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/Paths.h"
#include "shared/prefs/PreferenceJsonKeys.h"

namespace {

constexpr const char* kDefaultProfileName = "default";
constexpr uint32_t kWhirlenDeviceType = 1;
constexpr uint32_t kDeviceModels[] = {1, 2};
constexpr const char* kDamagedSuffix = ".damaged";
// Bounds the search for a free name beside a damaged file.
constexpr int kMaxDamagedCopies = 1000;

LogManager& logger() {
    return LogManager::instance();
}

std::string keyName(PreferenceJsonKey key) {
    return std::string(preferenceJsonKeyName(key));
}

// Calls read(element, index) for each element of the array member. A member
// that is present but not an array is logged and counted as skipped.
template <typename Read>
void forEachElement(const nlohmann::json& document, PreferenceJsonKey key, std::size_t& skipped,
                    Read read) {
    const nlohmann::json* array = preferenceJsonValue(key, document);
    if (array == nullptr) {
        return;
    }
    if (!array->is_array()) {
        logger().log('E', "Ignored %s: not an array", keyName(key).c_str());
        ++skipped;
        return;
    }
    for (std::size_t i = 0; i < array->size(); ++i) {
        read((*array)[i], i);
    }
}

void skipEntry(const char* what, PreferenceJsonKey key, std::size_t index, std::size_t& skipped) {
    logger().log('W', "Ignored %s entry %zu of %s", what, index, keyName(key).c_str());
    ++skipped;
}

// Fewer actions than the file lists: some were invalid or shared a key.
std::size_t droppedActions(const nlohmann::json& element, const ProfilePreference& profile) {
    const nlohmann::json* actions = preferenceJsonValue(PreferenceJsonKey::Actions, element);
    if (actions == nullptr || !actions->is_array() || actions->size() <= profile.actions().size()) {
        return 0;
    }
    return actions->size() - profile.actions().size();
}

// A profile without a device type would be written with the type "all",
// which no reader accepts: it is read as one of the type its model belongs to.
std::shared_ptr<ProfilePreference> readProfile(const nlohmann::json& element) {
    auto profile = std::make_shared<ProfilePreference>();
    if (!profile->fromJson(element)) {
        return nullptr;
    }
    if (profile->deviceType() != 0 ||
        !isModelOfDeviceType(kWhirlenDeviceType, static_cast<int32_t>(profile->deviceModel()))) {
        return profile;
    }
    nlohmann::json typed = element;
    setPreferenceJsonString(typed, PreferenceJsonKey::DeviceType,
                            deviceTypeName(kWhirlenDeviceType));
    profile = std::make_shared<ProfilePreference>();
    profile->fromJson(typed);
    return profile;
}

// Each preference object of a list converts itself; those that fail are left out.
template <typename Item>
bool elementJson(const std::shared_ptr<Item>& item, nlohmann::json& element) {
    return item->toJson(element);
}

bool elementJson(const ApplicationContextConfiguration& item, nlohmann::json& element) {
    return item.toJson(element);
}

// Builds the default-file document.
struct DocumentSink {
    template <typename Value>
    void value(PreferenceJsonKey key, const Value& value) {
        setPreferenceJsonValue(document, key, nlohmann::json(value));
    }

    template <typename Map>
    void array(PreferenceJsonKey key, const Map& items) {
        nlohmann::json elements = nlohmann::json::array();
        for (const auto& [name, item] : items) {
            nlohmann::json element = nlohmann::json::object();
            if (elementJson(item, element)) {
                elements.push_back(std::move(element));
            }
        }
        setPreferenceJsonValue(document, key, std::move(elements));
    }

    nlohmann::json document = nlohmann::json::object();
};

// Writes the text that dumpJsonText(document, 2) would give, one list element
// at a time: building and freeing a whole document of the JSON library costs
// more than writing it. Members are collected first and written in the
// library's order (its objects are maps by name), straight into one text.
class TextSink {
public:
    template <typename Value>
    void value(PreferenceJsonKey key, const Value& value) {
        members_[keyName(key)] = [json = nlohmann::json(value)](std::string& out) {
            appendJsonText(out, json, kMemberDepth);
        };
    }

    // The items must outlive text().
    template <typename Map>
    void array(PreferenceJsonKey key, const Map& items) {
        members_[keyName(key)] = [&items](std::string& out) { appendElements(out, items); };
    }

    // sizeHint: about how long the text will be, so that it grows only once.
    std::string text(std::size_t sizeHint) const {
        std::string out;
        out.reserve(sizeHint);
        out += "{";
        const char* separator = "\n";
        for (const auto& [name, write] : members_) {
            out += separator;
            indent(out, kMemberDepth);
            out += dumpJsonText(nlohmann::json(name), -1);
            out += ": ";
            write(out);
            separator = ",\n";
        }
        out += "\n}";
        return out;
    }

private:
    static constexpr std::size_t kMemberDepth = 1;
    static constexpr std::size_t kElementDepth = 2;

    static void indent(std::string& out, std::size_t depth) { out.append(2 * depth, ' '); }

    template <typename Map>
    static void appendElements(std::string& out, const Map& items) {
        const std::size_t start = out.size();
        out += "[";
        const char* separator = "\n";
        for (const auto& [name, item] : items) {
            nlohmann::json element = nlohmann::json::object();
            if (elementJson(item, element)) {
                out += separator;
                indent(out, kElementDepth);
                appendJsonText(out, element, kElementDepth);
                separator = ",\n";
            }
        }
        if (out.size() == start + 1) {
            out += "]";
            return;
        }
        out += "\n";
        indent(out, kMemberDepth);
        out += "]";
    }

    std::map<std::string, std::function<void(std::string&)>> members_;
};

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
        const bool merged = loadPass({files.defaultFile}, replace);
        // Only a missing file is healed; a damaged one is kept for the user.
        if (!merged && !fileExists(files.defaultFile) && restoreBackup()) {
            loadPass({files.defaultFile}, replace);
        }
        ensureDefaultProfile();
        // Again, for the "default" profiles just added.
        loadProfileBind();
        factoryProfiles_ = loadProfilesFromFile(files.backupFile);
    }
    notifySubscribers();
}

void PreferencesStore::reload(bool restore) {
    {
        std::lock_guard lock(dataLock_);
        replacePending_ = true;
    }
    if (restore) {
        restoreBackup();
        load();
    }
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
            logger().log('W', "Invalid UTF-8 replaced in %s", path.c_str());
            return true;
        case JsonTextStatus::Unreadable:
            logger().log('E', "Error loading file: %s", path.c_str());
            break;
        case JsonTextStatus::TooDeep:
            logger().log('E', "Error parse file: %s", path.c_str());
            logger().log('E', "Nested deeper than %zu levels", kMaxJsonNesting);
            break;
        case JsonTextStatus::SyntaxError:
            logger().log('E', "Error parse file: %s", path.c_str());
            break;
    }
    markDamaged(path, fileExists(path));
    return false;
}

bool PreferencesStore::fromJson(const nlohmann::json& document) {
    return mergeDocument(document, false).accepted;
}

PreferencesStore::MergeResult PreferencesStore::mergeDocument(const nlohmann::json& document,
                                                              bool replace) {
    std::lock_guard lock(dataLock_);
    MergeResult result;
    const std::optional<Version> version = readVersion(document);
    if (!version) {
        return result;
    }
    try {
        if (replace) {
            profiles_.clear();
            contexts_.clear();
            macros_.clear();
        }
        version_ = *version;
        readComment(document);
        // Profiles' actions name contexts and macros, so those come first.
        mergeContexts(document, result.skipped);
        mergeMacros(document, result.skipped);
        for (auto& [key, profile] : readProfiles(document, result.skipped)) {
            profiles_.try_emplace(key, std::move(profile));
        }
        loadProfileBind();
    } catch (const std::exception& error) {
        logger().log('E', "Error merging preferences: %s", error.what());
        return result;
    }
    result.accepted = true;
    return result;
}

std::optional<PreferencesStore::Version> PreferencesStore::readVersion(
    const nlohmann::json& document) const {
    if (!document.is_object()) {
        logger().log('E', "Preference document is not a JSON object");
        return std::nullopt;
    }
    Version version;
    for (const auto& [key, field] : {std::pair{PreferenceJsonKey::MajorVersion, &version.major},
                                     std::pair{PreferenceJsonKey::MinorVersion, &version.minor}}) {
        if (!readPreferenceJsonInt32(document, key, *field)) {
            logger().log('E', "Error finding %s", keyName(key).c_str());
            return std::nullopt;
        }
    }
    if (version.major < 1 || version.minor < 0) {
        logger().log('E', "Unsupported preference file version %d.%d", version.major,
                     version.minor);
        return std::nullopt;
    }
    return version;
}

void PreferencesStore::readComment(const nlohmann::json& document) {
    if (!readPreferenceJsonString(document, PreferenceJsonKey::Comment, comment_)) {
        logger().log('E', "Error finding %s", keyName(PreferenceJsonKey::Comment).c_str());
    }
}

void PreferencesStore::mergeContexts(const nlohmann::json& document, std::size_t& skipped) {
    const auto key = PreferenceJsonKey::AppContextConfigurations;
    std::set<std::string> names;
    forEachElement(document, key, skipped, [&](const nlohmann::json& element, std::size_t index) {
        ApplicationContextConfiguration context;
        if (!element.is_object() || !context.fromJson(element) || context.configName().empty()) {
            skipEntry("invalid", key, index, skipped);
            return;
        }
        if (!names.insert(context.configName()).second) {
            skipEntry("an earlier entry of the name of", key, index, skipped);
        }
        // The last one of a name wins, also over one already stored.
        contexts_.insert_or_assign(context.configName(), context);
    });
}

void PreferencesStore::mergeMacros(const nlohmann::json& document, std::size_t& skipped) {
    const auto key = PreferenceJsonKey::Macros;
    std::set<std::string> keys;
    forEachElement(document, key, skipped, [&](const nlohmann::json& element, std::size_t index) {
        auto macro = std::make_shared<MacroPreference>();
        if (!macro->fromJson(element) || !macro->isValid()) {
            skipEntry("invalid", key, index, skipped);
            return;
        }
        if (!keys.insert(macro->key()).second) {
            skipEntry("duplicate", key, index, skipped);
        }
        // The first one of a key wins, also when it is already stored.
        macros_.try_emplace(macro->key(), std::move(macro));
    });
}

ProfileMap PreferencesStore::readProfiles(const nlohmann::json& document,
                                          std::size_t& skipped) const {
    ProfileMap profiles;
    const auto key = PreferenceJsonKey::ProfilesPreferences;
    forEachElement(document, key, skipped, [&](const nlohmann::json& element, std::size_t index) {
        auto profile = readProfile(element);
        if (!profile || !profile->isValid() ||
            !isModelOfDeviceType(static_cast<int32_t>(profile->deviceType()),
                                 static_cast<int32_t>(profile->deviceModel()))) {
            skipEntry("invalid", key, index, skipped);
            return;
        }
        if (const std::size_t dropped = droppedActions(element, *profile)) {
            logger().log('W', "Ignored %zu actions of entry %zu of %s", dropped, index,
                         keyName(key).c_str());
            skipped += dropped;
        }
        // The file has no member for the flag: the name carries it.
        profile->setDefault(profile->name() == kDefaultProfileName);
        if (!profiles.try_emplace(profile->key(), std::move(profile)).second) {
            skipEntry("duplicate", key, index, skipped);
        }
    });
    return profiles;
}

template <typename Sink>
void PreferencesStore::writeDocument(Sink& sink) const {
    sink.value(PreferenceJsonKey::MajorVersion, 1);
    sink.value(PreferenceJsonKey::MinorVersion, 1);
    sink.value(PreferenceJsonKey::Comment, comment_);
    sink.array(PreferenceJsonKey::ProfilesPreferences, profiles_);
    sink.array(PreferenceJsonKey::Macros, macros_);
    sink.array(PreferenceJsonKey::AppContextConfigurations, contexts_);
}

nlohmann::json PreferencesStore::toJson() const {
    std::lock_guard lock(dataLock_);
    DocumentSink sink;
    writeDocument(sink);
    return std::move(sink.document);
}

std::string PreferencesStore::defaultFileText() const {
    std::lock_guard lock(dataLock_);
    TextSink sink;
    writeDocument(sink);
    // A file changes little between saves: the last one's size plus some.
    std::string text = sink.text(lastTextSize_ + lastTextSize_ / 8);
    lastTextSize_ = text.size();
    return text;
}

bool PreferencesStore::save() {
    const bool saved = writeJsonFile(paths().defaultFile);
    if (!saved) {
        logger().log('E', "Error saving to file action changes");
    }
    return saved;
}

bool PreferencesStore::writeJsonFile(const std::string& path) {
    if (path.empty()) {
        logger().log('E', "Path where to save is empty!");
        return false;
    }
    std::lock_guard lock(dataLock_);
    std::string text = defaultFileText();
    text += '\n';
    if (!replaceFile(path, text)) {
        logger().log('E', "Unable to create file: %s", path.c_str());
        return false;
    }
    return true;
}

void PreferencesStore::loadProfileBind() {
    std::lock_guard lock(dataLock_);
    const std::string path = paths().profileBindFile;
    if (path.empty()) {
        logger().log('E', "Invalid profile bind path");
        return;
    }
    const JsonText text = readJsonFile(path);
    if (text.status == JsonTextStatus::Unreadable) {
        logger().log('E', "Error loading profile bind file: %s", path.c_str());
        markDamaged(path, fileExists(path));
        return;
    }
    if (!text.usable()) {
        logger().log('E', "Error parse profile bind file: %s", path.c_str());
        markDamaged(path, true);
        return;
    }
    std::size_t skipped = 0;
    forEachElement(
        text.value, PreferenceJsonKey::ProfileBind, skipped,
        [&](const nlohmann::json& element, std::size_t) {
            std::string deviceId;
            std::string profileKey;
            if (readPreferenceJsonString(element, PreferenceJsonKey::DeviceID, deviceId) &&
                readPreferenceJsonString(element, PreferenceJsonKey::ProfileID, profileKey) &&
                !deviceId.empty() && profiles_.count(profileKey) != 0) {
                bindings_.insert_or_assign(deviceId, profileKey);
            }
        });
    markDamaged(path, skipped != 0 || text.status != JsonTextStatus::Parsed);
}

bool PreferencesStore::saveProfileBind() {
    std::lock_guard lock(dataLock_);
    const std::string path = paths().profileBindFile;
    if (!replaceFile(path, dumpJsonText(profileBindToJson(), -1) + "\n")) {
        logger().log('E', "Unable to create file: %s", path.c_str());
        return false;
    }
    return true;
}

nlohmann::json PreferencesStore::profileBindToJson() const {
    std::lock_guard lock(dataLock_);
    nlohmann::json array = nlohmann::json::array();
    for (const auto& [deviceId, profileKey] : bindings_) {
        nlohmann::json element = nlohmann::json::object();
        setPreferenceJsonString(element, PreferenceJsonKey::DeviceID, deviceId);
        setPreferenceJsonString(element, PreferenceJsonKey::ProfileID, profileKey);
        array.push_back(std::move(element));
    }
    nlohmann::json document = nlohmann::json::object();
    setPreferenceJsonValue(document, PreferenceJsonKey::ProfileBind, std::move(array));
    return document;
}

bool PreferencesStore::restoreBackup() {
    std::lock_guard lock(dataLock_);
    const PreferencesStorePaths files = paths();
    if (!fileExists(files.backupFile)) {
        logger().log('E', "Pref backup file not found");
        return false;
    }
    std::string contents;
    if (!readWholeFile(files.backupFile, contents)) {
        logger().log('E', "Error loading file: %s", files.backupFile.c_str());
        return false;
    }
    return replaceFile(files.defaultFile, contents);
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
            logger().log('E', "Unable to load JSON from an empty path!");
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
        logger().log('E', "Invalid pref path");
        return false;
    }
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    if (error) {
        return false;
    }
    std::vector<std::string> files;
    for (const auto& entry : entries) {
        if (entry.is_regular_file(error) && hasJsonExtension(entry.path())) {
            files.push_back(entry.path().string());
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
bool PreferencesStore::replaceFile(const std::string& path, const std::string& contents) {
    if (damagedFiles_.count(path) != 0 && !keepDamagedAside(path)) {
        return false;
    }
    return writeFileAtomically(path, contents);
}

bool PreferencesStore::keepDamagedAside(const std::string& path) {
    if (pathIsFree(path)) {
        damagedFiles_.erase(path);
        return true;
    }
    for (int attempt = 0; attempt < kMaxDamagedCopies; ++attempt) {
        const std::string aside = damagedCopyName(path, attempt);
        if (!pathIsFree(aside)) {
            continue;
        }
        if (std::rename(path.c_str(), aside.c_str()) != 0) {
            break;
        }
        logger().log('E', "Kept damaged preference file %s as %s", path.c_str(), aside.c_str());
        damagedFiles_.erase(path);
        return true;
    }
    logger().log('E', "Unable to keep damaged preference file %s; not overwriting it",
                 path.c_str());
    return false;
}

void PreferencesStore::markDamaged(const std::string& path, bool damaged) {
    if (damaged) {
        damagedFiles_.insert(path);
    } else {
        damagedFiles_.erase(path);
    }
}
