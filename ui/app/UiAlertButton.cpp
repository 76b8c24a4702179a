#include "ui/app/UiAlertButton.h"

#include <utility>

UiAlertButton::UiAlertButton(QString text, AlertNotifyInterface* receiver, QObject* parent)
    : QObject(parent), text_(std::move(text)), receiver_(receiver) {}

void UiAlertButton::setColors(QString textColor, QString backgroundColor, QString clickColor) {
    textColor_ = std::move(textColor);
    backgroundColor_ = std::move(backgroundColor);
    clickColor_ = std::move(clickColor);
}

QVariantMap UiAlertButton::toRecord() const {
    return {{"txt", text_},
            {"txtColor", textColor_},
            {"bckColor", backgroundColor_},
            {"clkColor", clickColor_},
            {"onCancel", onCancel_},
            {"predefinedAction", predefinedAction_}};
}
