// The queries and edits of PreferencesStore; its files and lifecycle are in
// PreferencesStore.cpp.
#include <algorithm>
#include <chrono>

#include "shared/prefs/LogManager.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/PreferencesStore.h"

namespace {

bool hasGroupId(const MacroPreference& macro, uint32_t id) {
    const MacroGroupList groups = macro.groups();
    return std::any_of(groups.begin(), groups.end(),
                       [&](const auto& group) { return group->macroGroupID() == id; });
}

// Time-based like the ids that files already hold, but never 0 (invalid) and
// never one that the macro already has: milliseconds cut to 32 bits collide.
uint32_t newGroupId(const MacroPreference& macro) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    auto id =
        static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    while (id == 0 || hasGroupId(macro, id)) {
        ++id;
    }
    return id;
}

}  // namespace

// --- Queries ---

ProfileMap PreferencesStore::profiles() const {
    std::lock_guard lock(dataLock_);
    return profiles_;
}

MacroMap PreferencesStore::macros() const {
    std::lock_guard lock(dataLock_);
    return macros_;
}

ApplicationContextMap PreferencesStore::applicationContextConfigurations() const {
    std::lock_guard lock(dataLock_);
    return contexts_;
}

ApplicationContextConfiguration PreferencesStore::applicationContextConfiguration(
    const std::string& configName) const {
    std::lock_guard lock(dataLock_);
    const auto found = contexts_.find(configName);
    return found != contexts_.end() ? found->second : ApplicationContextConfiguration();
}

ApplicationContextConfiguration PreferencesStore::findApplicationContextConfiguration(
    const std::string& programPath) const {
    std::lock_guard lock(dataLock_);
    for (const auto& [name, context] : contexts_) {
        if (context.programContextPath() == programPath) {
            return context;
        }
    }
    for (const auto& [name, context] : contexts_) {
        if (programPath.find(context.programContextPath()) != std::string::npos) {
            return context;
        }
    }
    return {};
}

std::shared_ptr<ProfilePreference> PreferencesStore::defaultProfileForModel(
    uint32_t deviceModel) const {
    std::lock_guard lock(dataLock_);
    for (const auto& [key, profile] : profiles_) {
        if (profile->deviceModel() == deviceModel && profile->isDefault()) {
            return profile;
        }
    }
    return nullptr;
}

std::shared_ptr<ProfilePreference> PreferencesStore::boundProfile(
    const std::string& deviceId) const {
    std::lock_guard lock(dataLock_);
    const auto binding = bindings_.find(deviceId);
    if (binding == bindings_.end()) {
        return nullptr;
    }
    const auto profile = profiles_.find(binding->second);
    return profile != profiles_.end() ? profile->second : nullptr;
}

std::shared_ptr<ProfilePreference> PreferencesStore::profileForDevice(const std::string& deviceId,
                                                                      uint32_t deviceModel) const {
    std::lock_guard lock(dataLock_);
    auto profile = boundProfile(deviceId);
    return profile ? profile : defaultProfileForModel(deviceModel);
}

ActionPreference PreferencesStore::defaultAction(const ApplicationContextConfiguration& context,
                                                 uint32_t control, uint32_t deviceModel) const {
    std::lock_guard lock(dataLock_);
    const std::string programPath = context.programContextPath();
    for (const auto& [key, profile] : factoryProfiles_) {
        if (profile->deviceModel() != deviceModel) {
            continue;
        }
        if (auto action = profile->findAction(programPath, control)) {
            return *action;
        }
    }
    const auto profile = defaultProfileForModel(deviceModel);
    if (!profile) {
        return ActionPreference(kWhirlenDeviceType, deviceModel, control, context);
    }
    return ActionPreference::makeDefault(deviceModel, control, *profile, programPath);
}

std::string PreferencesStore::macroName(const std::string& macroKey) const {
    std::lock_guard lock(dataLock_);
    const auto found = macros_.find(macroKey);
    return found != macros_.end() ? found->second->name() : std::string();
}

std::string PreferencesStore::macroKey(const std::string& macroName) const {
    std::lock_guard lock(dataLock_);
    if (macroName.empty()) {
        return {};
    }
    for (const auto& [key, macro] : macros_) {
        if (macro->name() == macroName) {
            return key;
        }
    }
    return {};
}

std::shared_ptr<MacroPreference> PreferencesStore::macroByName(const std::string& macroName) const {
    std::lock_guard lock(dataLock_);
    const auto found = macros_.find(macroKey(macroName));
    return found != macros_.end() ? found->second : nullptr;
}

int32_t PreferencesStore::configVersion() const {
    std::lock_guard lock(dataLock_);
    return version_.major * 100 + version_.minor;
}

DeviceConfiguration PreferencesStore::buildDeviceConfiguration(
    const std::shared_ptr<ProfilePreference>& profile) const {
    std::lock_guard lock(dataLock_);
    DeviceConfiguration configuration;
    if (!profile) {
        return configuration;
    }
    for (const auto& [name, context] : contexts_) {
        const std::string path = context.programContextPath();
        configuration[path] = profile->actionsForApplication(path);
    }
    configuration[std::string()] = profile->actionsForApplication(std::string());
    const uint32_t model = profile->deviceModel();
    const std::vector<int32_t> controls = modelControlList(static_cast<int32_t>(model));
    for (auto& [path, actions] : configuration) {
        for (const int32_t control : controls) {
            const auto index = static_cast<uint32_t>(control);
            if (actions.count(index) == 0) {
                actions.emplace(index, ActionPreference::makeDefault(model, index, *profile, path));
            }
        }
    }
    return configuration;
}

// --- Binding ---

bool PreferencesStore::setProfileBind(const std::string& deviceId, const std::string& profileKey,
                                      bool save) {
    std::lock_guard lock(dataLock_);
    bindings_.insert_or_assign(deviceId, profileKey);
    return save && saveProfileBind();
}

// --- Edits ---

bool PreferencesStore::addMacro(const std::string& name, bool save) {
    {
        std::lock_guard lock(dataLock_);
        auto macro = std::make_shared<MacroPreference>();
        macro->setName(name);
        // Replacing a macro of the same key would drop its groups.
        if (!macro->isValid() || !macros_.try_emplace(macro->key(), macro).second) {
            return false;
        }
    }
    finishEdit(true, save);
    return true;
}

std::shared_ptr<MacroGroupPreference> PreferencesStore::addMacroGroup(
    const std::shared_ptr<MacroPreference>& macro, bool save) {
    std::shared_ptr<MacroGroupPreference> group;
    {
        std::lock_guard lock(dataLock_);
        if (!macro || !macro->isValid()) {
            return nullptr;
        }
        group = std::make_shared<MacroGroupPreference>(newGroupId(*macro));
        macro->addGroup(group);
    }
    finishEdit(true, save);
    return group;
}

int32_t PreferencesStore::addApplicationContextConfiguration(
    const std::string& configName, const std::string& programContextPath) {
    if (configName.empty() || programContextPath.empty()) {
        return kContextFieldEmpty;
    }
    {
        std::lock_guard lock(dataLock_);
        int32_t code = kContextAdded;
        for (const auto& [name, context] : contexts_) {
            if (name == configName) {
                code |= kContextNameTaken;
            }
            if (context.programContextPath() == programContextPath) {
                code |= kContextPathTaken;
            }
        }
        if (code != kContextAdded) {
            return code;
        }
        contexts_.emplace(configName,
                          ApplicationContextConfiguration(configName, programContextPath));
    }
    finishEdit(true, true);
    return kContextAdded;
}

bool PreferencesStore::addProfile(const std::shared_ptr<ProfilePreference>& profile, bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (!profile || !profile->isValid() ||
            !isModelOfDeviceType(static_cast<int32_t>(profile->deviceType()),
                                 static_cast<int32_t>(profile->deviceModel())) ||
            !profiles_.try_emplace(profile->key(), profile).second) {
            return false;
        }
    }
    finishEdit(true, save);
    return true;
}

void PreferencesStore::deleteMacroGroup(const std::shared_ptr<MacroPreference>& macro,
                                        const std::shared_ptr<MacroGroupPreference>& group,
                                        bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (!macro || !macro->isValid()) {
            return;
        }
        macro->removeGroup(group);
    }
    finishEdit(true, save);
}

bool PreferencesStore::deleteApplicationContextConfiguration(const std::string& configName) {
    {
        std::lock_guard lock(dataLock_);
        if (contexts_.erase(configName) == 0) {
            return false;
        }
        for (const auto& [key, profile] : profiles_) {
            profile->removeActionsOfContext(configName);
        }
    }
    finishEdit(true, true);
    return true;
}

bool PreferencesStore::deleteMacro(const std::string& macroKey, bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (macros_.count(macroKey) == 0) {
            return false;
        }
        for (const auto& [key, profile] : profiles_) {
            profile->clearMacro(macroKey);
        }
        macros_.erase(macroKey);
    }
    finishEdit(true, save);
    return true;
}

bool PreferencesStore::deleteProfile(const std::string& profileKey, bool save) {
    size_t unbound = 0;
    {
        std::lock_guard lock(dataLock_);
        if (profiles_.count(profileKey) == 0) {
            return false;
        }
        unbound = redirectBindings(profileKey, std::nullopt);
        profiles_.erase(profileKey);
    }
    finishEdit(true, save, unbound != 0);
    return true;
}

void PreferencesStore::moveMacroGroupAction(const std::shared_ptr<MacroGroupPreference>& group,
                                            int32_t from, int32_t to, bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (!group || !group->isValid()) {
            return;
        }
        group->moveAction(from, to);
    }
    finishEdit(true, save);
}

void PreferencesStore::moveMacroGroup(const std::shared_ptr<MacroPreference>& macro, int32_t from,
                                      int32_t to, bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (!macro || !macro->isValid()) {
            return;
        }
        macro->moveGroup(from, to);
    }
    finishEdit(true, save);
}

bool PreferencesStore::renameMacro(const std::string& macroKey, const std::string& newName,
                                   bool save) {
    {
        std::lock_guard lock(dataLock_);
        const auto found = macros_.find(macroKey);
        if (newName.empty() || !this->macroKey(newName).empty() || found == macros_.end()) {
            return false;
        }
        found->second->setName(newName);
    }
    finishEdit(true, save);
    return true;
}

bool PreferencesStore::renameProfile(const std::string& profileKey, const std::string& newName,
                                     bool save) {
    size_t redirected = 0;
    {
        std::lock_guard lock(dataLock_);
        const auto found = profiles_.find(profileKey);
        if (found == profiles_.end()) {
            return false;
        }
        const std::shared_ptr<ProfilePreference> profile = found->second;
        // The "default" profiles are known by their name; renaming one from
        // or to it would leave a model without one, or with two, on next load.
        if (newName.empty() || newName == profile->name() || newName == kDefaultProfileName ||
            profile->name() == kDefaultProfileName || isNameTaken(*profile, newName)) {
            return false;
        }
        profiles_.erase(found);
        profile->setName(newName);
        profiles_.insert_or_assign(profile->key(), profile);
        redirected = redirectBindings(profileKey, profile->key());
    }
    finishEdit(true, save, redirected != 0);
    return true;
}

bool PreferencesStore::setProfileAction(const ActionPreference& previous,
                                        const ActionPreference& edited, bool save) {
    bool changed = false;
    {
        std::lock_guard lock(dataLock_);
        const auto found = profiles_.find(edited.profile());
        if (found == profiles_.end()) {
            LogManager::instance().log('E', "Error. A profile to set keybind to was not found!");
            return false;
        }
        changed = found->second->replaceAction(previous, edited);
    }
    finishEdit(changed, save);
    return changed;
}

bool PreferencesStore::commit(bool save) {
    return save && saveAndNotify();
}

bool PreferencesStore::saveAndNotify() {
    const bool saved = this->save();
    notifySubscribers();
    return saved;
}

void PreferencesStore::finishEdit(bool changed, bool save, bool bindingsChanged) {
    if (!changed) {
        return;
    }
    if (save) {
        this->save();
        if (bindingsChanged) {
            saveProfileBind();
        }
    }
    notifySubscribers();
}

bool PreferencesStore::isNameTaken(const ProfilePreference& profile,
                                   const std::string& name) const {
    return std::any_of(profiles_.begin(), profiles_.end(), [&](const auto& entry) {
        const auto& other = entry.second;
        return other.get() != &profile && other->deviceModel() == profile.deviceModel() &&
               other->name() == name;
    });
}

// Moves every binding to fromKey over to toKey, or drops it without one.
size_t PreferencesStore::redirectBindings(const std::string& fromKey,
                                          const std::optional<std::string>& toKey) {
    size_t count = 0;
    for (auto binding = bindings_.begin(); binding != bindings_.end();) {
        if (binding->second != fromKey) {
            ++binding;
            continue;
        }
        ++count;
        if (toKey) {
            binding->second = *toKey;
            ++binding;
        } else {
            binding = bindings_.erase(binding);
        }
    }
    return count;
}
