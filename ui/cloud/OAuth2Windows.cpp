#include "ui/cloud/OAuth2Windows.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QOAuth2AuthorizationCodeFlow>
#include <QOAuthHttpServerReplyHandler>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QUrl>
#include <utility>

#include "platform/SecretKeyStore.h"
#include "shared/prefs/LogManager.h"
#include "ui/cloud/HttpRequestManager.h"
#include "ui/cloud/OidcEndpoints.h"

namespace {

const QString kSignedInPage = QStringLiteral(
    "<span>Authenticated</span><br><span>Switch back to app. This page will close "
    "soon!</span><script>setTimeout(function(){window.close();}, 5000);</script>");
const QString kDeletedPage = QStringLiteral(
    "<span>Account deleted</span><br><span>Switch back to app. This page will close "
    "soon!</span><script>setTimeout(function(){window.close();}, 5000);</script>");

// The flow's own requests check the identity service against the same authorities as the
// program's other requests.
void trustAuthorities(const std::string& caFile) {
    if (caFile.empty()) {
        return;
    }
    const QList<QSslCertificate> authorities =
        QSslCertificate::fromPath(QString::fromStdString(caFile), QSsl::Pem);
    if (authorities.isEmpty()) {
        LogManager::instance().log('E', "No authorities in %s", caFile.c_str());
        return;
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(authorities);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

}  // namespace

OAuth2Windows::OAuth2Windows(OAuthFlowSettings settings, QObject* parent)
    : QObject(parent), settings_(std::move(settings)), network_(new QNetworkAccessManager(this)) {
    trustAuthorities(settings_.caFile);
    // Only this machine's browser may hand the sign-in back.
    replyHandler_ =
        new QOAuthHttpServerReplyHandler(QHostAddress::LocalHost, settings_.listenPort, this);
    if (!replyHandler_->isListening()) {
        LogManager::instance().log('E', "Unable to listen for the sign-in on port %u",
                                   static_cast<unsigned>(settings_.listenPort));
    }
    if (settings_.keys) {
        refreshToken_.load(settings_.refreshTokenPath, *settings_.keys);
    }
    replyHandler_->setCallbackText(kSignedInPage);
    createFlow();
    if (!refreshToken_.isValid()) {
        refreshToken_.clear();
    }
}

OAuth2Windows::~OAuth2Windows() = default;

bool OAuth2Windows::isListening() const {
    return replyHandler_->isListening();
}

QString OAuth2Windows::redirectUri() const {
    return replyHandler_->callback();
}

void OAuth2Windows::createFlow() {
    if (flow_ != nullptr) {
        flow_->disconnect();
        flow_->deleteLater();
    }
    flow_ = new QOAuth2AuthorizationCodeFlow(network_, this);
    connect(flow_, &QAbstractOAuth::authorizeWithBrowser, this, [this](const QUrl& url) {
        if (settings_.openBrowser) {
            settings_.openBrowser(url);
        }
    });
    connect(flow_, &QAbstractOAuth::granted, this, &OAuth2Windows::onGranted);
}

void OAuth2Windows::setUpFlow(const QString& authorizationPath, const QString& scope,
                              const ModifyParameters& modify) {
    const QString base = QString::fromStdString(settings_.identityBaseUrl);
    flow_->setAuthorizationUrl(QUrl(base + authorizationPath));
    flow_->setAccessTokenUrl(QUrl(base + OidcEndpoints::kToken));
    flow_->setClientIdentifier(OidcEndpoints::kClientId);
    flow_->setScope(scope);
    flow_->setModifyParametersFunction(modify);
    flow_->setReplyHandler(replyHandler_);
}

bool OAuth2Windows::listenForSignIn() {
    if (replyHandler_->isListening()) {
        return true;
    }
    if (replyHandler_->listen(QHostAddress::LocalHost, settings_.listenPort)) {
        return true;
    }
    LogManager::instance().log('E', "Unable to listen for the sign-in on port %u",
                               static_cast<unsigned>(settings_.listenPort));
    return false;
}

bool OAuth2Windows::startBrowserFlow() {
    if (!listenForSignIn()) {
        LogManager::instance().log('E', "Sign-in not started: nothing listens for its answer");
        return false;
    }
    renewing_ = false;
    flow_->grant();
    return true;
}

void OAuth2Windows::login(const QString& loginHint, const QString& idpHint, bool refreshOnly) {
    setUpFlow(OidcEndpoints::kAuthorization, QStringLiteral("openid"),
              buildModifyParametersFunction(loginHint, idpHint, false));
    replyHandler_->setCallbackText(kSignedInPage);
    if (!refreshOnly) {
        startBrowserFlow();
        return;
    }
    if (!refreshToken_.isValid()) {
        refreshToken_.clear();
        return;
    }
    renewing_ = true;
    flow_->setRefreshToken(QString::fromStdString(refreshToken_.rawToken()));
    flow_->refreshAccessToken();
}

void OAuth2Windows::registerAccount(const QString& loginHint, const QString& idpHint) {
    setUpFlow(OidcEndpoints::kRegistration, QStringLiteral("email"),
              buildModifyParametersFunction(loginHint, idpHint, false));
    startBrowserFlow();
}

void OAuth2Windows::deleteAccount() {
    setUpFlow(OidcEndpoints::kAuthorization, QStringLiteral("openid"),
              buildModifyParametersFunction({}, {}, true));
    replyHandler_->setCallbackText(kDeletedPage);
    startBrowserFlow();
}

void OAuth2Windows::resetPassword() {
    if (settings_.openBrowser) {
        settings_.openBrowser(QUrl(QString::fromStdString(settings_.identityBaseUrl) +
                                   OidcEndpoints::kResetCredentials));
    }
}

void OAuth2Windows::logout() {
    HttpRequestManager& requests =
        settings_.requests != nullptr ? *settings_.requests : HttpRequestManager::instance();
    const auto request = requests.createRequest(HttpRequestKind::Logout);
    const std::string body = std::string("client_id=") + OidcEndpoints::kClientId +
                             "&refresh_token=" + refreshToken_.rawToken();
    request->setBody(body.data(), static_cast<int64_t>(body.size()), false);
    request->addHeader("Authorization: Bearer " + accessToken_.rawToken());
    requests.enqueue(request);
    createFlow();
    signOutLocally();
}

void OAuth2Windows::signOutLocally() {
    refreshToken_.clear();
    saveRefreshToken();
    accessToken_.clear();
    emit authenticationChanged(QString());
}

void OAuth2Windows::adoptRefreshedTokens(const std::string& accessToken,
                                         const std::string& refreshToken) {
    JWTToken offered;
    offered.setRawToken(refreshToken);
    // The same token again is no rotation: the file stays as it is.
    if (offered.isValid() && refreshToken != refreshToken_.rawToken()) {
        refreshToken_ = offered;
        saveRefreshToken();
    }
    accessToken_.setRawToken(accessToken);
}

void OAuth2Windows::onGranted() {
    const std::string access = flow_->token().toStdString();
    const std::string refresh = flow_->refreshToken().toStdString();
    if (std::exchange(renewing_, false)) {
        adoptRefreshedTokens(access, refresh);
    } else {
        // A sign-in's first grant: what it brings replaces the stored sign-in, none included.
        refreshToken_.setRawToken(refresh);
        if (!refreshToken_.isValid()) {
            refreshToken_.clear();
        }
        saveRefreshToken();
        accessToken_.setRawToken(access);
    }
    if (settings_.bringToFront) {
        settings_.bringToFront();
    }
    emit authenticationChanged(QString::fromStdString(accessToken_.rawToken()));
}

void OAuth2Windows::saveRefreshToken() {
    if (settings_.keys) {
        refreshToken_.save(settings_.refreshTokenPath, *settings_.keys);
    }
}

OAuth2Windows::ModifyParameters OAuth2Windows::buildModifyParametersFunction(
    const QString& loginHint, const QString& idpHint, bool deleting) {
    return [loginHint, idpHint, deleting](QAbstractOAuth::Stage stage,
                                          QMultiMap<QString, QVariant>* parameters) {
        if (stage == QAbstractOAuth::Stage::RefreshingAccessToken &&
            !parameters->contains(QStringLiteral("client_id"))) {
            // A public client names itself on a refresh too.
            parameters->insert(QStringLiteral("client_id"), QString(OidcEndpoints::kClientId));
        }
        if (stage != QAbstractOAuth::Stage::RequestingAuthorization) {
            return;
        }
        if (!loginHint.isEmpty()) {
            parameters->insert(QStringLiteral("login_hint"), loginHint);
        }
        if (!idpHint.isEmpty()) {
            parameters->insert(QStringLiteral("kc_idp_hint"), idpHint);
        }
        if (deleting) {
            parameters->insert(QStringLiteral("kc_action"), QStringLiteral("delete_account"));
        }
    };
}
