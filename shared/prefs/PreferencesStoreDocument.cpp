// The JSON form of PreferencesStore's two files: merging a default-file
// document, writing one, and reading the profile-bind document. The files
// themselves and the store's lifecycle are in PreferencesStore.cpp.
#include <exception>
#include <functional>
#include <set>
#include <utility>

#include "shared/prefs/FileUtils.h"
#include "shared/prefs/JsonText.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/PreferenceJsonKeys.h"
#include "shared/prefs/PreferencesStore.h"

namespace {

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

}  // namespace

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
