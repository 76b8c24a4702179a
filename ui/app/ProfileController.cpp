#include "ui/app/ProfileController.h"

#include <QQmlEngine>

#include <utility>
#include <vector>

#include "shared/prefs/PreferencesStore.h"
#include "ui/app/ApplicationController.h"
#include "ui/app/ApplicationManager.h"
#include "ui/app/IPCManager.h"

namespace {

constexpr uint32_t kDialFirst = ButtonController::Button_DialLeft;
constexpr uint32_t kDialLast = ButtonController::Button_DialRight;
constexpr uint32_t kJogWheelFirst = ButtonController::Button_JogWheelZone0;
constexpr uint32_t kJogWheelLast = ButtonController::Button_JogWheelTransition1to0;
constexpr qsizetype kDialButtons = kDialLast - kDialFirst + 1;
constexpr qsizetype kJogWheelButtons = kJogWheelLast - kJogWheelFirst + 1;

}  // namespace

int ProfileController::mainButtonCount(uint32_t deviceModel) {
    static const std::map<uint32_t, int> counts = {{1, 15}, {2, 5}};
    const auto found = counts.find(deviceModel);
    return found == counts.end() ? 0 : found->second;
}

ProfileController::ProfileController(QObject* parent)
    : ProfileController(ApplicationManager::instance(), parent) {}

ProfileController::ProfileController(ApplicationManager& manager, QObject* parent)
    : QObject(parent), manager_(manager) {}

int ProfileController::productType() const {
    return profile_ ? static_cast<int>(profile_->deviceType()) : 2;
}

int ProfileController::modelType() const {
    return profile_ ? static_cast<int>(profile_->deviceModel()) : 3;
}

QString ProfileController::name() const {
    return profile_ ? QString::fromStdString(profile_->name()) : QString();
}

bool ProfileController::isDefault() const {
    return profile_ && profile_->isDefault();
}

QString ProfileController::profileKey() const {
    return profile_ ? QString::fromStdString(profile_->key()) : QString();
}

QQmlListProperty<ButtonController> ProfileController::listMainButtons() {
    static const ButtonList list{
        0, [](const ProfileController& owner) -> qsizetype {
            return owner.profile_ ? mainButtonCount(owner.profile_->deviceModel()) : 0;
        }};
    return buttonList(list);
}

QQmlListProperty<ButtonController> ProfileController::listDialButtons() {
    static const ButtonList list{kDialFirst, [](const ProfileController&) { return kDialButtons; }};
    return buttonList(list);
}

QQmlListProperty<ButtonController> ProfileController::listJogWheelButtons() {
    static const ButtonList list{kJogWheelFirst,
                                 [](const ProfileController&) { return kJogWheelButtons; }};
    return buttonList(list);
}

QQmlListProperty<ButtonController> ProfileController::buttonList(const ButtonList& list) {
    return QQmlListProperty<ButtonController>(this, const_cast<ButtonList*>(&list), nullptr,
                                              &listCount, &listAt, &listClear, nullptr, nullptr);
}

qsizetype ProfileController::listCount(QQmlListProperty<ButtonController>* list) {
    const auto* owner = qobject_cast<ProfileController*>(list->object);
    return owner ? static_cast<const ButtonList*>(list->data)->count(*owner) : 0;
}

ButtonController* ProfileController::listAt(QQmlListProperty<ButtonController>* list,
                                            qsizetype index) {
    const auto* owner = qobject_cast<ProfileController*>(list->object);
    if (!owner || index < 0 || index >= listCount(list)) {
        return nullptr;
    }
    const uint32_t first = static_cast<const ButtonList*>(list->data)->first;
    return owner->button(first + static_cast<uint32_t>(index));
}

void ProfileController::listClear(QQmlListProperty<ButtonController>* list) {
    auto* owner = qobject_cast<ProfileController*>(list->object);
    if (!owner) {
        return;
    }
    for (auto& [control, button] : owner->buttons_) {
        button->deleteLater();
    }
    owner->buttons_.clear();
    emit owner->listButtonsUpdated();
}

ButtonController* ProfileController::button(uint32_t control) const {
    const auto found = buttons_.find(control);
    if (control >= ButtonController::Button_Count || found == buttons_.end()) {
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(found->second, QQmlEngine::CppOwnership);
    return found->second;
}

bool ProfileController::appSpecificActive() const {
    return profile_ && profile_->appSpecificActive();
}

void ProfileController::setAppSpecificActive(bool active) {
    if (!profile_ || !profile_->setAppSpecificActive(active)) {
        return;
    }
    announceEdit(manager_.ipcManager(), manager_.preferencesStore().commit(true));
    emit appSpecificActiveChanged();
}

void ProfileController::toggleDial(const QString& appContext) {
    if (const auto toggled = toggleRange({kDialFirst, kDialLast}, appContext)) {
        isDialToggled_ = *toggled;
        emit isDialToggledUpdated();
    }
}

void ProfileController::toggleJogWheel(const QString& appContext) {
    if (const auto toggled = toggleRange({kJogWheelFirst, kJogWheelLast}, appContext)) {
        isJogWheelToggled_ = *toggled;
        emit isJogWheelToggledUpdated();
    }
}

std::optional<bool> ProfileController::toggleRange(ControlRange range, const QString& appContext) {
    ButtonController* const first = button(range.first);
    if (!first) {
        return std::nullopt;
    }
    std::vector<ButtonController*> bound;
    for (uint32_t control = range.first; control <= range.last; ++control) {
        ButtonController* controller = button(control);
        if (controller && !controller->isDefault()) {
            bound.push_back(controller);
        }
    }
    if (bound.empty()) {
        // Nothing bound yet: the first control becomes a disabled action that carries the flag.
        const bool toggled = !first->toggle();
        first->prepareForButtonEdit();
        first->setEditActionType(ButtonController::Action_Disabled);
        first->setEditToggle(toggled);
        first->applyEditSettings(appContext, true);
        return toggled;
    }
    const bool toggled = !bound.front()->toggle();
    // One file write and one message to the agent for the whole range.
    for (ButtonController* controller : bound) {
        controller->prepareForButtonEdit();
        controller->setEditToggle(toggled);
        controller->applyEditSettings(appContext, false);
    }
    announceEdit(manager_.ipcManager(), manager_.preferencesStore().saveAndNotify());
    return toggled;
}

ButtonController* ProfileController::getActionDefaultProfileSetting(int btn) const {
    const auto found = globalButtons_.find(static_cast<uint32_t>(btn));
    if (btn < 0 || found == globalButtons_.end()) {
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(found->second, QQmlEngine::CppOwnership);
    return found->second;
}

void ProfileController::setProfile(std::shared_ptr<ProfilePreference> profile, bool emitChange) {
    profile_ = std::move(profile);
    if (emitChange) {
        emit profilePreferenceChange();
    }
}

void ProfileController::setSelected(bool selected) {
    isSelected_ = selected;
    emit isSelectedChanged();
}

void ProfileController::connectOwner(ApplicationController* owner) {
    connect(owner, &ApplicationController::prefsUpdated, this,
            &ProfileController::profilePreferenceChange, Qt::QueuedConnection);
    connect(owner, &ApplicationController::prefsUpdated, this,
            &ProfileController::appSpecificActiveChanged, Qt::QueuedConnection);
}

void ProfileController::rebuild(const ControlActionMap& actions, const std::string& contextPath) {
    updateButtons(buttons_, actions);
    if (contextPath.empty()) {
        updateButtons(globalButtons_, actions);
    }
    readToggle({kDialFirst, kDialLast}, isDialToggled_, &ProfileController::isDialToggledUpdated);
    readToggle({kJogWheelFirst, kJogWheelLast}, isJogWheelToggled_,
               &ProfileController::isJogWheelToggledUpdated);
    emit listButtonsUpdated();
}

void ProfileController::updateButtons(ButtonMap& buttons, const ControlActionMap& actions) {
    for (const auto& [control, action] : actions) {
        auto found = buttons.find(control);
        if (found == buttons.end()) {
            found = buttons
                        .emplace(control, new ButtonController(manager_.preferencesStore(),
                                                               manager_.ipcManager(), this))
                        .first;
        }
        found->second->setAction(action);
    }
}

void ProfileController::readToggle(ControlRange range, bool& toggled,
                                   void (ProfileController::*notify)()) {
    for (uint32_t control = range.first; control <= range.last; ++control) {
        const ButtonController* controller = button(control);
        if (controller && !controller->isDefault()) {
            toggled = controller->toggle();
            emit(this->*notify)();
            return;
        }
    }
}

void ProfileController::clearMacroIfNamed(const std::string& macroKey) {
    for (auto& [control, button] : buttons_) {
        button->clearMacroIfNamed(macroKey);
    }
}
