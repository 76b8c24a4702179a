#include "ui/app/MacroGroupController.h"

#include <QQmlEngine>

#include <algorithm>
#include <utility>

#include "shared/prefs/PreferencesStore.h"
#include "ui/app/ApplicationController.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/IPCManager.h"

namespace {

MacroGroupActionController* forQml(const std::shared_ptr<MacroGroupActionController>& step) {
    if (step) {
        QQmlEngine::setObjectOwnership(step.get(), QQmlEngine::CppOwnership);
    }
    return step.get();
}

}  // namespace

MacroGroupController::MacroGroupController(QObject* parent)
    : MacroGroupController(ApplicationManager::instance(), parent) {}

MacroGroupController::MacroGroupController(ApplicationManager& manager, QObject* parent)
    : QObject(parent), manager_(manager) {}

QQmlListProperty<MacroGroupActionController>
MacroGroupController::listMacroGroupActionControllers() {
    return QQmlListProperty<MacroGroupActionController>(this, nullptr, &actionCount, &actionAt);
}

qsizetype MacroGroupController::actionCount(QQmlListProperty<MacroGroupActionController>* list) {
    const auto* owner = qobject_cast<MacroGroupController*>(list->object);
    return owner ? static_cast<qsizetype>(owner->actions_.size()) : 0;
}

MacroGroupActionController* MacroGroupController::actionAt(
    QQmlListProperty<MacroGroupActionController>* list, qsizetype index) {
    const auto* owner = qobject_cast<MacroGroupController*>(list->object);
    if (!owner || index < 0 || index >= actionCount(list)) {
        return nullptr;
    }
    return forQml(owner->actions_[static_cast<size_t>(index)]);
}

MacroGroupActionController* MacroGroupController::editMacroAction() const {
    return forQml(editAction_);
}

MacroGroupActionController* MacroGroupController::editMacroFinalAction() const {
    return forQml(finalAction_);
}

void MacroGroupController::setExtended(bool extended) {
    if (extended == extended_) {
        return;
    }
    extended_ = extended;
    emit macroGroupChanged();
}

void MacroGroupController::generateNewMacroActionInEdit() {
    editAction_ = std::make_shared<MacroGroupActionController>(manager_);
    auto action = std::make_shared<ActionPreference>();
    action->setActionType(1);
    action->setWaitTimeType(0);
    action->setOwnerMacroGroup(group_.get());
    editAction_->setAction(std::move(action));
    emit macroActionEditChanged();
}

void MacroGroupController::applyEditSettings() {
    if (editAction_ && group_ && editAction_->action() && editAction_->action()->isValid()) {
        actions_.push_back(editAction_);
        group_->addAction(editAction_->action());
        announceEdit(manager_.ipcManager(), manager_.preferencesStore().saveAndNotify());
    }
    editAction_.reset();
    finalAction_.reset();
}

void MacroGroupController::moveActionFromToIndex(int fromIndex, int toIndex) {
    announceEdit(manager_.ipcManager(), manager_.preferencesStore().moveMacroGroupAction(
                                            group_, fromIndex, toIndex, true));
}

void MacroGroupController::deleteActionController(
    MacroGroupActionController* actionControllerToDelete) {
    const auto found = std::find_if(actions_.begin(), actions_.end(), [&](const auto& step) {
        return step.get() == actionControllerToDelete;
    });
    if (actionControllerToDelete == nullptr || found == actions_.end() || !group_) {
        return;
    }
    group_->removeAction((*found)->action());
    announceEdit(manager_.ipcManager(), manager_.preferencesStore().saveAndNotify());
}

void MacroGroupController::setGroup(std::shared_ptr<MacroGroupPreference> group, bool emitChange) {
    if (group != group_) {
        group_ = std::move(group);
        actions_.clear();
    }
    ActionControllers rebuilt;
    for (const auto& action : group_ ? group_->actions() : ActionList{}) {
        const auto kept = std::find_if(actions_.begin(), actions_.end(),
                                       [&](const auto& step) { return step->action() == action; });
        if (kept != actions_.end()) {
            rebuilt.push_back(*kept);
            continue;
        }
        auto step = std::make_shared<MacroGroupActionController>(manager_);
        step->setAction(action);
        rebuilt.push_back(std::move(step));
    }
    actions_ = std::move(rebuilt);
    if (emitChange) {
        emit macroGroupChanged();
    }
}

void MacroGroupController::connectOwner(ApplicationController* owner) {
    connect(owner, &ApplicationController::prefsUpdated, this,
            &MacroGroupController::rebuildAndNotify);
}

void MacroGroupController::rebuildAndNotify() {
    setGroup(group_, true);
}
