#include "ui/cloud/ConfigFileValidation.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "shared/prefs/ActionPreference.h"
#include "shared/prefs/ApplicationContextConfiguration.h"
#include "shared/prefs/JsonText.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/PreferenceJsonKeys.h"
#include "shared/prefs/SettingPreference.h"

namespace {

std::string keyName(PreferenceJsonKey key) {
    return std::string(preferenceJsonKeyName(key));
}

template <typename Element>
bool loads(const nlohmann::json& entry) {
    Element element;
    return element.fromJson(entry);
}

bool loadsValidAction(const nlohmann::json& entry) {
    ActionPreference action;
    return action.fromJson(entry) && action.isValid();
}

// Every element of the array member passes; a missing or non-array member passes.
bool allPass(const nlohmann::json& object, PreferenceJsonKey key,
             bool (*passes)(const nlohmann::json&)) {
    const auto list = object.find(keyName(key));
    if (list == object.end() || !list->is_array()) {
        return true;
    }
    return std::all_of(list->begin(), list->end(), passes);
}

bool hasIntegerVersion(const nlohmann::json& document, PreferenceJsonKey key) {
    const auto member = document.find(keyName(key));
    if (member == document.end() || !member->is_number_integer()) {
        LogManager::instance().log('E', "Error finding %s", keyName(key).c_str());
        return false;
    }
    return true;
}

const nlohmann::json* objectMember(const nlohmann::json& document, PreferenceJsonKey key) {
    const auto member = document.find(keyName(key));
    return member != document.end() && member->is_object() ? &*member : nullptr;
}

bool contentLoads(const nlohmann::json& document) {
    bool ok = document[keyName(PreferenceJsonKey::MajorVersion)].get<int64_t>() >= 1 &&
              document[keyName(PreferenceJsonKey::MinorVersion)].get<int64_t>() >= 0 &&
              allPass(document, PreferenceJsonKey::AppContextConfigurations,
                      loads<ApplicationContextConfiguration>);
    if (const nlohmann::json* global =
            objectMember(document, PreferenceJsonKey::GlobalPreferences)) {
        ok = ok && allPass(*global, PreferenceJsonKey::Settings, loads<SettingPreference>);
    }
    if (const nlohmann::json* custom =
            objectMember(document, PreferenceJsonKey::CustomPreferences)) {
        ok = ok && allPass(*custom, PreferenceJsonKey::Settings, loads<SettingPreference>) &&
             allPass(*custom, PreferenceJsonKey::Actions, loadsValidAction);
    }
    return ok;
}

bool validateConfigDocument(const JsonText& text, const std::string& path) {
    if (!text.usable()) {
        LogManager::instance().log('E',
                                   text.status == JsonTextStatus::Unreadable
                                       ? "Error loading file: %s"
                                       : "Error parse file: %s",
                                   path.c_str());
        return false;
    }
    const nlohmann::json& document = text.value;
    if (!document.is_object() || !hasIntegerVersion(document, PreferenceJsonKey::MajorVersion) ||
        !hasIntegerVersion(document, PreferenceJsonKey::MinorVersion)) {
        return false;
    }
    return contentLoads(document);
}

}  // namespace

bool validateConfigFile(const std::string& path) {
    if (path.empty()) {
        LogManager::instance().log('E', "Unable to load JSON from an empty path!");
        return false;
    }
    return validateConfigDocument(readJsonFile(path), path);
}

bool validateConfigText(std::string text, const std::string& path) {
    return validateConfigDocument(parseJsonText(std::move(text)), path);
}
