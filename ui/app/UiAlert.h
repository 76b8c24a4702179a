#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>

#include <cstdint>
#include <memory>
#include <vector>

#include "ui/app/UiAlertButton.h"

class AlertNotifyInterface;

// An alert that program code shows in the alert box: identified by its hash, with its
// texts, buttons and who is told when it closes.
class UiAlert : public QObject {
    Q_OBJECT

public:
    using Buttons = std::vector<std::shared_ptr<UiAlertButton>>;

    // The alert box's types.
    static constexpr int32_t kNormal = 1;
    static constexpr int32_t kTextInput = 2;
    static constexpr int32_t kButtonList = 3;
    static constexpr int32_t kProgress = 4;

    UiAlert(QString hash, QString title, AlertNotifyInterface* receiver = nullptr,
            QObject* parent = nullptr);

    // A title, and a way to close it: a button or the close icon.
    virtual bool isValid() const;

    int32_t type() const { return type_; }
    void setType(int32_t type) { type_ = type; }
    QString hash() const { return hash_; }
    QString title() const { return title_; }
    QString description() const { return description_; }
    void setDescription(QString description) { description_ = std::move(description); }
    QString detail() const { return detail_; }
    void setDetail(QString detail) { detail_ = std::move(detail); }
    bool showClose() const { return showClose_; }
    void setShowClose(bool showClose) { showClose_ = showClose; }
    const Buttons& buttons() const { return buttons_; }
    void addButton(std::shared_ptr<UiAlertButton> button);
    AlertNotifyInterface* receiver() const { return receiver_; }

    // The button records of the alert box.
    QVariantList buttonRecords() const;

private:
    int32_t type_ = kNormal;
    QString hash_;
    QString title_;
    QString description_;
    QString detail_;
    bool showClose_ = true;
    Buttons buttons_;
    AlertNotifyInterface* receiver_;
};
