#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <utility>

class AlertNotifyInterface;

// One button of an alert: its label, the alert box's colours and predefined action, and
// who is told when it is pressed.
class UiAlertButton : public QObject {
    Q_OBJECT

public:
    explicit UiAlertButton(QString text = QString(), AlertNotifyInterface* receiver = nullptr,
                           QObject* parent = nullptr);

    virtual bool isEmpty() const { return text_.isEmpty(); }

    QString text() const { return text_; }
    AlertNotifyInterface* receiver() const { return receiver_; }
    void setColors(QString textColor, QString backgroundColor, QString clickColor);
    void setPredefinedAction(QString action) { predefinedAction_ = std::move(action); }
    // Marks the button that the Escape key presses.
    void setOnCancel(bool onCancel) { onCancel_ = onCancel; }

    // The alert box's button record.
    QVariantMap toRecord() const;

private:
    QString text_;
    QString textColor_;
    QString backgroundColor_;
    QString clickColor_;
    QString predefinedAction_;
    bool onCancel_ = false;
    AlertNotifyInterface* receiver_;
};
