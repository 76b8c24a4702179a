#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "ui/cloud/AccessTokenGuard.h"
#include "ui/cloud/AuthAccount.h"
#include "ui/cloud/OAuthFlowSettings.h"

class OAuth2Windows;
class TokenRefresher;

// The process-wide sign-in state: the access token, the signed-in account and the sign-in flow
// every operation is forwarded to. Account and flow live on the main thread; the token and the
// signed-in flag are also read by HTTP workers, through the token guard.
class AuthenticationManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY isAuthenticatedChanged)
    Q_PROPERTY(AuthAccount* authAccount READ authAccount NOTIFY authAccountChanged)

public:
    static AuthenticationManager& instance();

    // Public for tests; the program uses instance().
    AuthenticationManager();
    ~AuthenticationManager() override;

    // Creates the sign-in flow, which loads the stored sign-in. Once.
    void init();
    void init(OAuthFlowSettings settings);

    void setToken(const QString& token);
    void setToken(const std::string& token);
    std::string token() const;
    bool isAuthenticated() const;
    AuthAccount* authAccount();
    // For the requests of the signed-in kinds: an access token about to expire is refreshed
    // first; only the identity service's refusal signs out, any other failure keeps the
    // sign-in and the request goes with the token at hand. Any thread.
    std::string tokenForRequest();
    // The program is ending: a renewal under way stops at once, none starts. Any thread.
    void stopRenewals();

    // The silent sign-in from the stored refresh token; never opens the browser.
    void login();
    // Whether a browser sign-in (or registration) can start: something must listen on the
    // loopback port for the browser's answer. Tries to listen again when it could not before.
    bool canStartSignIn();
    // That port; 0 without a flow.
    uint16_t signInPort() const;
    void loginWithHints(const QString& loginHint, const QString& idpHint);
    void registerAccount(const QString& loginHint, const QString& idpHint);
    void deleteAccount();
    void logout();
    void resetPassword();

signals:
    // Only when the signed-in state changes.
    void isAuthenticatedChanged();
    void authAccountChanged();

private:
    void onAccountValidChanged();
    void updateAuthenticated();
    void onRefreshed(const AccessTokenGuard::Renewal& renewal);

    AuthAccount account_;
    std::shared_ptr<OAuth2Windows> flow_;
    std::shared_ptr<TokenRefresher> refresher_;
    AccessTokenGuard guard_;
    // Main thread only: what was last reported, and whether a token change is under way.
    bool reportedAuthenticated_ = false;
    bool settingToken_ = false;
};
