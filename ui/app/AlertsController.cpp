#include "ui/app/AlertsController.h"

#include <algorithm>
#include <utility>

#include "ui/app/AlertNotifyInterface.h"

AlertsController::AlertsController(QObject* parent) : QObject(parent) {
    connect(this, &AlertsController::anyThreadShowAlertToUi, this, &AlertsController::showAlertToUi,
            Qt::QueuedConnection);
}

bool AlertsController::showAlert(std::shared_ptr<UiAlert> alert) {
    if (!alert || !alert->isValid()) {
        return false;
    }
    {
        std::lock_guard guard(lock_);
        alerts_.push_back(alert);
    }
    emit anyThreadShowAlertToUi(alert->hash(), alert->type(), alert->title(), alert->description(),
                                alert->showClose(), alert->buttonRecords());
    return true;
}

void AlertsController::callbackAlertButton(const QString& alertHashParam,
                                           const QString& btnTextPressed) {
    if (alertHashParam.isEmpty() || btnTextPressed.isEmpty()) {
        return;
    }
    std::shared_ptr<UiAlertButton> pressed;
    {
        std::lock_guard guard(lock_);
        const auto alert = std::find_if(alerts_.begin(), alerts_.end(), [&](const auto& entry) {
            return entry->hash() == alertHashParam;
        });
        if (alert == alerts_.end()) {
            return;
        }
        const auto& buttons = (*alert)->buttons();
        const auto button = std::find_if(buttons.begin(), buttons.end(), [&](const auto& entry) {
            return entry->text() == btnTextPressed;
        });
        if (button == buttons.end()) {
            return;
        }
        pressed = *button;
    }
    // Told with the lock released: a receiver commonly closes its alert from here.
    if (pressed->receiver() != nullptr) {
        pressed->receiver()->onAlertButtonPressed(alertHashParam, btnTextPressed);
    }
}

void AlertsController::callbackAlertClose(const QString& alertHashParam) {
    std::vector<std::shared_ptr<UiAlert>> closed;
    {
        std::lock_guard guard(lock_);
        const auto firstClosed = std::stable_partition(
            alerts_.begin(), alerts_.end(),
            [&](const auto& entry) { return entry->hash() != alertHashParam; });
        closed.assign(firstClosed, alerts_.end());
        alerts_.erase(firstClosed, alerts_.end());
    }
    for (const auto& alert : closed) {
        if (alert->receiver() != nullptr && !alert->hash().isEmpty()) {
            alert->receiver()->onAlertClosed(alert->hash());
        }
    }
}
