#include "ui/app/UiAlert.h"

#include <utility>

UiAlert::UiAlert(QString hash, QString title, AlertNotifyInterface* receiver, QObject* parent)
    : QObject(parent), hash_(std::move(hash)), title_(std::move(title)), receiver_(receiver) {}

bool UiAlert::isValid() const {
    return !title_.isEmpty() && (!buttons_.empty() || showClose_);
}

void UiAlert::addButton(std::shared_ptr<UiAlertButton> button) {
    if (button) {
        buttons_.push_back(std::move(button));
    }
}

QVariantList UiAlert::buttonRecords() const {
    QVariantList records;
    for (const auto& button : buttons_) {
        records.append(button->toRecord());
    }
    return records;
}
