#pragma once

#include <QAbstractOAuth>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "ui/cloud/JWTToken.h"
#include "ui/cloud/OAuthFlowSettings.h"

class QNetworkAccessManager;
class QOAuth2AuthorizationCodeFlow;
class QOAuthHttpServerReplyHandler;

// Every exchange with the identity service: sign-in in the user's browser (OpenID Connect
// authorization code with a loopback listener on 127.0.0.1), the silent refresh, registration,
// account deletion, password reset and sign-out. Keeps the refresh token in the protected file
// and reports each new access token (empty after sign-out). Main thread only.
class OAuth2Windows : public QObject {
    Q_OBJECT

public:
    explicit OAuth2Windows(OAuthFlowSettings settings, QObject* parent = nullptr);
    ~OAuth2Windows() override;

    // Whether the loopback listener could be opened; without it no browser sign-in starts.
    bool isListening() const;
    // Listens again when the port was taken before (its holder may have gone); whether a
    // browser sign-in can start now.
    bool listenForSignIn();
    // The loopback port the browser comes back to.
    uint16_t listenPort() const { return settings_.listenPort; }
    // Where the browser comes back to.
    QString redirectUri() const;

    void login(const QString& loginHint, const QString& idpHint, bool refreshOnly);
    void registerAccount(const QString& loginHint, const QString& idpHint);
    void deleteAccount();
    void resetPassword();
    void logout();

    std::string refreshToken() const { return refreshToken_.rawToken(); }
    std::string accessToken() const { return accessToken_.rawToken(); }
    // Tokens renewed outside the flow (before a request). A refresh token that is not valid
    // (none, when the service did not rotate it) leaves the one held, and its file, as they are.
    void adoptRefreshedTokens(const std::string& accessToken, const std::string& refreshToken);
    // Forgets the tokens here and in the file, and reports the sign-out.
    void signOutLocally();

    using ModifyParameters = QAbstractOAuth::ModifyParametersFunction;
    static ModifyParameters buildModifyParametersFunction(const QString& loginHint,
                                                          const QString& idpHint, bool deleting);

signals:
    void authenticationChanged(const QString& accessToken);

private:
    void createFlow();
    void setUpFlow(const QString& authorizationPath, const QString& scope,
                   const ModifyParameters& modify);
    bool startBrowserFlow();
    void onGranted();
    void saveRefreshToken();

    OAuthFlowSettings settings_;
    QNetworkAccessManager* network_ = nullptr;
    QOAuth2AuthorizationCodeFlow* flow_ = nullptr;
    QOAuthHttpServerReplyHandler* replyHandler_ = nullptr;
    JWTToken refreshToken_;
    JWTToken accessToken_;
    // The flow's next grant answers the silent refresh, not a sign-in in the browser.
    bool renewing_ = false;
};
