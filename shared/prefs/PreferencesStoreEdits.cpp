// The queries and edits of PreferencesStore; its files and lifecycle are in
// PreferencesStore.cpp.
#include <algorithm>
#include <chrono>

#include "shared/prefs/LogManager.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/PreferencesStore.h"

namespace {

using Refusal = EditResult::Refusal;

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

EditResult PreferencesStore::setProfileBind(const std::string& deviceId,
                                            const std::string& profileKey, bool save) {
    std::optional<SaveResult> saved;
    {
        std::lock_guard lock(dataLock_);
        bindings_.insert_or_assign(deviceId, profileKey);
        if (save) {
            saved = saveFiles(false, true);
        }
    }
    if (saved && !saved->held()) {
        subscribers_.notifyNotSaved(*saved);
    }
    return EditResult::taken(saved);
}

// --- Edits ---

EditResult PreferencesStore::addMacro(const std::string& name, bool save) {
    {
        std::lock_guard lock(dataLock_);
        auto macro = std::make_shared<MacroPreference>();
        macro->setName(name);
        if (!macro->isValid()) {
            return EditResult::refused(Refusal::Invalid);
        }
        // Replacing a macro of the same key would drop its groups.
        if (!macros_.try_emplace(macro->key(), macro).second) {
            return EditResult::refused(Refusal::NameTaken);
        }
    }
    return finishEdit(save);
}

EditResult PreferencesStore::addMacroGroup(const std::shared_ptr<MacroPreference>& macro,
                                           bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (!macro || !macro->isValid()) {
            return EditResult::refused(Refusal::Invalid);
        }
        macro->addGroup(std::make_shared<MacroGroupPreference>(newGroupId(*macro)));
    }
    return finishEdit(save);
}

EditResult PreferencesStore::addApplicationContextConfiguration(
    const std::string& configName, const std::string& programContextPath) {
    if (configName.empty() || programContextPath.empty()) {
        return EditResult::refused(Refusal::Invalid);
    }
    {
        std::lock_guard lock(dataLock_);
        bool nameTaken = false;
        bool pathTaken = false;
        for (const auto& [name, context] : contexts_) {
            nameTaken = nameTaken || name == configName;
            pathTaken = pathTaken || context.programContextPath() == programContextPath;
        }
        if (nameTaken || pathTaken) {
            return EditResult::refused(nameTaken && pathTaken ? Refusal::NameAndPathTaken
                                       : nameTaken            ? Refusal::NameTaken
                                                              : Refusal::PathTaken);
        }
        contexts_.emplace(configName,
                          ApplicationContextConfiguration(configName, programContextPath));
    }
    return finishEdit(true);
}

EditResult PreferencesStore::addProfile(const std::shared_ptr<ProfilePreference>& profile,
                                        bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (!profile || !profile->isValid() ||
            !isModelOfDeviceType(static_cast<int32_t>(profile->deviceType()),
                                 static_cast<int32_t>(profile->deviceModel()))) {
            return EditResult::refused(Refusal::Invalid);
        }
        if (!profiles_.try_emplace(profile->key(), profile).second) {
            return EditResult::refused(Refusal::NameTaken);
        }
    }
    return finishEdit(save);
}

EditResult PreferencesStore::deleteMacroGroup(const std::shared_ptr<MacroPreference>& macro,
                                              const std::shared_ptr<MacroGroupPreference>& group,
                                              bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (!macro || !macro->isValid()) {
            return EditResult::refused(Refusal::Invalid);
        }
        macro->removeGroup(group);
    }
    return finishEdit(save);
}

EditResult PreferencesStore::deleteApplicationContextConfiguration(const std::string& configName) {
    {
        std::lock_guard lock(dataLock_);
        if (contexts_.erase(configName) == 0) {
            return EditResult::refused(Refusal::Missing);
        }
        for (const auto& [key, profile] : profiles_) {
            profile->removeActionsOfContext(configName);
        }
    }
    return finishEdit(true);
}

EditResult PreferencesStore::deleteMacro(const std::string& macroKey, bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (macros_.count(macroKey) == 0) {
            return EditResult::refused(Refusal::Missing);
        }
        for (const auto& [key, profile] : profiles_) {
            profile->clearMacro(macroKey);
        }
        macros_.erase(macroKey);
    }
    return finishEdit(save);
}

EditResult PreferencesStore::deleteProfile(const std::string& profileKey, bool save) {
    size_t unbound = 0;
    {
        std::lock_guard lock(dataLock_);
        if (profiles_.count(profileKey) == 0) {
            return EditResult::refused(Refusal::Missing);
        }
        unbound = redirectBindings(profileKey, std::nullopt);
        profiles_.erase(profileKey);
    }
    return finishEdit(save, unbound != 0);
}

EditResult PreferencesStore::moveMacroGroupAction(
    const std::shared_ptr<MacroGroupPreference>& group, int32_t from, int32_t to, bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (!group || !group->isValid()) {
            return EditResult::refused(Refusal::Invalid);
        }
        group->moveAction(from, to);
    }
    return finishEdit(save);
}

EditResult PreferencesStore::moveMacroGroup(const std::shared_ptr<MacroPreference>& macro,
                                            int32_t from, int32_t to, bool save) {
    {
        std::lock_guard lock(dataLock_);
        if (!macro || !macro->isValid()) {
            return EditResult::refused(Refusal::Invalid);
        }
        macro->moveGroup(from, to);
    }
    return finishEdit(save);
}

EditResult PreferencesStore::renameMacro(const std::string& macroKey, const std::string& newName,
                                         bool save) {
    {
        std::lock_guard lock(dataLock_);
        const auto found = macros_.find(macroKey);
        if (found == macros_.end()) {
            return EditResult::refused(Refusal::Missing);
        }
        if (newName.empty()) {
            return EditResult::refused(Refusal::Invalid);
        }
        if (!this->macroKey(newName).empty()) {
            return EditResult::refused(Refusal::NameTaken);
        }
        found->second->setName(newName);
    }
    return finishEdit(save);
}

EditResult PreferencesStore::renameProfile(const std::string& profileKey,
                                           const std::string& newName, bool save) {
    size_t redirected = 0;
    {
        std::lock_guard lock(dataLock_);
        const auto found = profiles_.find(profileKey);
        if (found == profiles_.end()) {
            return EditResult::refused(Refusal::Missing);
        }
        const std::shared_ptr<ProfilePreference> profile = found->second;
        // The "default" profiles are known by their name; renaming one from
        // or to it would leave a model without one, or with two, on next load.
        if (newName.empty() || newName == profile->name() || newName == kDefaultProfileName ||
            profile->name() == kDefaultProfileName) {
            return EditResult::refused(Refusal::Invalid);
        }
        if (isNameTaken(*profile, newName)) {
            return EditResult::refused(Refusal::NameTaken);
        }
        profiles_.erase(found);
        profile->setName(newName);
        profiles_.insert_or_assign(profile->key(), profile);
        redirected = redirectBindings(profileKey, profile->key());
    }
    return finishEdit(save, redirected != 0);
}

EditResult PreferencesStore::setProfileAction(const ActionPreference& previous,
                                              const ActionPreference& edited, bool save) {
    {
        std::lock_guard lock(dataLock_);
        const auto found = profiles_.find(edited.profile());
        if (found == profiles_.end()) {
            LogManager::instance().log('E', "Error. A profile to set keybind to was not found!");
            return EditResult::refused(Refusal::Missing);
        }
        const Refusal refusal = found->second->replaceAction(previous, edited);
        if (refusal != Refusal::None) {
            return EditResult::refused(refusal);
        }
    }
    return finishEdit(save);
}

EditResult PreferencesStore::commit(bool save) {
    return save ? saveAndNotify() : EditResult::taken();
}

EditResult PreferencesStore::saveAndNotify() {
    return finishEdit(true);
}

EditResult PreferencesStore::finishEdit(bool save, bool bindingsChanged) {
    std::optional<SaveResult> saved;
    if (save) {
        saved = saveFiles(true, bindingsChanged);
    }
    notifySubscribers();
    if (saved && !saved->held()) {
        subscribers_.notifyNotSaved(*saved);
    }
    return EditResult::taken(saved);
}

SaveResult PreferencesStore::saveFiles(bool defaultFile, bool bindFile) {
    std::lock_guard lock(dataLock_);
    SaveResult saved;
    if (defaultFile || defaultFileBehind_) {
        saved = save();
    }
    if (bindFile || bindFileBehind_) {
        const SaveResult bind = saveProfileBind();
        if (saved.held()) {
            saved = bind;
        }
    }
    return saved;
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
