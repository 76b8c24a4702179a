#pragma once

#include <QString>

// Told of what the user does with an alert that program code showed. Called on the GUI
// thread, with no lock of the alerts controller held, so it may close or show alerts.
class AlertNotifyInterface {
public:
    virtual ~AlertNotifyInterface() = default;
    virtual void onAlertButtonPressed(const QString& /*alertHash*/, const QString& /*buttonText*/) {
    }
    virtual void onAlertClosed(const QString& /*alertHash*/) {}
};
