#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>

#include <memory>
#include <mutex>
#include <vector>

#include "ui/app/UiAlert.h"

// The alerts that program code shows in the user interface's alert box, from any thread,
// and the way back to their receivers when a button is pressed or an alert closes.
class AlertsController : public QObject {
    Q_OBJECT

public:
    explicit AlertsController(QObject* parent = nullptr);

    // Keeps a valid alert until it closes and hands it to the alert box; false for an
    // alert that is not valid. Any thread.
    bool showAlert(std::shared_ptr<UiAlert> alert);

    Q_INVOKABLE void callbackAlertButton(const QString& alertHashParam,
                                         const QString& btnTextPressed);
    Q_INVOKABLE void callbackAlertClose(const QString& alertHashParam);

signals:
    void anyThreadShowAlertToUi(QString alertHashParam, int alertTypeParam, QString alertTitleParam,
                                QString alertDescriptionParam, bool showClose,
                                QVariantList alertButtonsParam);
    void showAlertToUi(QString alertHashParam, int alertTypeParam, QString alertTitleParam,
                       QString alertDescriptionParam, bool showClose,
                       QVariantList alertButtonsParam);
    void notifyButtonPressed(void* whoNeedsToReceiveEvent, QString alertHashParam,
                             QString btnTextPressed);
    void notifyAlertClose(void* whoNeedToReceiveEvent, QString alertHashParam);

private:
    std::mutex lock_;
    std::vector<std::shared_ptr<UiAlert>> alerts_;
};
