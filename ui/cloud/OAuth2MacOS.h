#pragma once

#include <QObject>
#include <QString>

#include "ui/cloud/OAuth2Windows.h"

// The flow of the desktop whose sign-in the system hands back itself: it loads the stored
// sign-in and reports grants, but starts no sign-in of its own. Registered with the type
// system; nothing here creates one.
class OAuth2MacOS : public QObject {
    Q_OBJECT

public:
    explicit OAuth2MacOS(QObject* parent = nullptr);
    OAuth2MacOS(OAuthFlowSettings settings, QObject* parent);

signals:
    void authenticationChanged(const QString& accessToken);

private:
    OAuth2Windows flow_;
};
