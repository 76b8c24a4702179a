#include "ui/app/MacroController.h"

#include <QQmlEngine>

#include <algorithm>
#include <utility>

#include "shared/prefs/PreferencesStore.h"
#include "ui/app/ApplicationController.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/IPCManager.h"

MacroController::MacroController(QObject* parent)
    : MacroController(ApplicationManager::instance(), parent) {}

MacroController::MacroController(ApplicationManager& manager, QObject* parent)
    : QObject(parent), manager_(manager) {}

QString MacroController::name() const {
    return macro_ ? QString::fromStdString(macro_->name()) : QString();
}

QQmlListProperty<MacroGroupController> MacroController::listMacroGroupControllers() {
    return QQmlListProperty<MacroGroupController>(this, nullptr, &groupCount, &groupAt);
}

qsizetype MacroController::groupCount(QQmlListProperty<MacroGroupController>* list) {
    const auto* owner = qobject_cast<MacroController*>(list->object);
    return owner ? static_cast<qsizetype>(owner->groups_.size()) : 0;
}

MacroGroupController* MacroController::groupAt(QQmlListProperty<MacroGroupController>* list,
                                               qsizetype index) {
    const auto* owner = qobject_cast<MacroController*>(list->object);
    if (!owner || index < 0 || index >= groupCount(list)) {
        return nullptr;
    }
    MacroGroupController* group = owner->groups_[static_cast<size_t>(index)].get();
    QQmlEngine::setObjectOwnership(group, QQmlEngine::CppOwnership);
    return group;
}

void MacroController::addNewMacroGroup() {
    announceEdit(manager_.ipcManager(), manager_.preferencesStore().addMacroGroup(macro_, true));
}

void MacroController::deleteMacroGroup(int index) {
    if (index < 0 || index >= static_cast<int>(groups_.size())) {
        return;
    }
    announceEdit(manager_.ipcManager(),
                 manager_.preferencesStore().deleteMacroGroup(
                     macro_, groups_[static_cast<size_t>(index)]->group(), true));
}

void MacroController::moveGroupFromToIndex(int fromIndex, int toIndex) {
    announceEdit(manager_.ipcManager(),
                 manager_.preferencesStore().moveMacroGroup(macro_, fromIndex, toIndex, true));
}

void MacroController::setMacro(std::shared_ptr<MacroPreference> macro, bool emitChange) {
    if (macro != macro_) {
        macro_ = std::move(macro);
        groups_.clear();
    }
    rebuild();
    if (emitChange) {
        emit macroChanged();
    }
}

void MacroController::connectOwner(ApplicationController* owner) {
    owner_ = owner;
    connect(owner, &ApplicationController::prefsUpdated, this, &MacroController::rebuildAndNotify);
    for (const auto& group : groups_) {
        group->connectOwner(owner);
    }
}

std::string MacroController::macroKey() const {
    return macro_ ? macro_->key() : std::string();
}

void MacroController::rebuild() {
    GroupControllers rebuilt;
    for (const auto& group : macro_ ? macro_->groups() : MacroGroupList{}) {
        const auto kept = std::find_if(groups_.begin(), groups_.end(),
                                       [&](const auto& entry) { return entry->group() == group; });
        if (kept != groups_.end()) {
            (*kept)->setGroup(group, false);
            rebuilt.push_back(*kept);
            continue;
        }
        auto controller = std::make_shared<MacroGroupController>(manager_);
        controller->setGroup(group, false);
        // Every group follows the store's notifications, however late it was added.
        if (owner_) {
            controller->connectOwner(owner_);
        }
        rebuilt.push_back(std::move(controller));
    }
    groups_ = std::move(rebuilt);
}

void MacroController::rebuildAndNotify() {
    rebuild();
    emit macroChanged();
}
