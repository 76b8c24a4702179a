#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "ui/cloud/AuthAccount.h"

class AuthenticationManager;
class ConfigSyncManager;

// The account page's sign-in: sign in, register, sign out, reset the password, delete the
// account, and the signed-in state. Signing in starts a configuration sync.
class AuthController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool authenticated READ authenticated NOTIFY authenticationChanged)
    Q_PROPERTY(AuthAccount* authAccount READ authAccount NOTIFY authAccountChanged)
    // The loopback port the browser hands the sign-in back to.
    Q_PROPERTY(int signInPort READ signInPort CONSTANT)

public:
    // On the application manager's sign-in and sync managers.
    explicit AuthController(QObject* parent = nullptr);
    // Without a sign-in manager every operation does nothing; without a sync manager signing
    // in starts no sync.
    AuthController(std::shared_ptr<AuthenticationManager> authentication, ConfigSyncManager* sync,
                   QObject* parent = nullptr);

    bool authenticated() const;
    AuthAccount* authAccount() const;

    int signInPort() const;

    // Both false when the browser's answer could not be received (the port is taken), so
    // that the window can say so; nothing is started then.
    Q_INVOKABLE bool login(const QString& hint, const QString& authProvider);
    Q_INVOKABLE bool startRegister(const QString& hint, const QString& authProvider);
    Q_INVOKABLE void logout();
    Q_INVOKABLE void resetPass();
    Q_INVOKABLE void deleteAccount();

signals:
    void authenticationChanged();
    void authAccountChanged();

private:
    void onAuthenticatedChanged();

    std::shared_ptr<AuthenticationManager> authentication_;
    ConfigSyncManager* sync_;
    // What was last seen, so that only a sign-in (not a repeated report) starts a sync.
    bool wasAuthenticated_ = false;
};
