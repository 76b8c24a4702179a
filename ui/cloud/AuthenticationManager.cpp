#include "ui/cloud/AuthenticationManager.h"

#include "shared/prefs/LogManager.h"
#include "ui/cloud/OAuth2Windows.h"
#include "ui/cloud/TokenRefresher.h"

AuthenticationManager& AuthenticationManager::instance() {
    static AuthenticationManager manager;
    return manager;
}

AuthenticationManager::AuthenticationManager() {
    connect(&account_, &AuthAccount::isValidChanged, this,
            &AuthenticationManager::onAccountValidChanged);
}

AuthenticationManager::~AuthenticationManager() {
    // Workers may still ask for a token; they must not call back into a manager going away.
    guard_.setRefresher({}, {});
}

void AuthenticationManager::init() {
    init(OAuthFlowSettings::fromEnvironment());
}

void AuthenticationManager::init(OAuthFlowSettings settings) {
    if (flow_) {
        return;
    }
    const auto refresher = std::make_shared<TokenRefresher>(
        settings.identityBaseUrl, settings.caFile, settings.renewalTimeout);
    refresher_ = refresher;
    flow_ = std::make_shared<OAuth2Windows>(std::move(settings));
    connect(flow_.get(), &OAuth2Windows::authenticationChanged, this,
            qOverload<const QString&>(&AuthenticationManager::setToken), Qt::QueuedConnection);
    guard_.setRefresher(
        [refresher](const std::string& refreshToken) { return refresher->refresh(refreshToken); },
        [this](const AccessTokenGuard::Renewal& renewal) {
            // From a request's thread: the account and the flow belong to the main thread.
            QMetaObject::invokeMethod(
                this, [this, renewal] { onRefreshed(renewal); }, Qt::QueuedConnection);
        });
}

void AuthenticationManager::stopRenewals() {
    if (refresher_) {
        refresher_->stop();
    }
}

void AuthenticationManager::onRefreshed(const AccessTokenGuard::Renewal& renewal) {
    if (!flow_) {
        return;
    }
    if (renewal.outcome == AccessTokenGuard::RenewalOutcome::Refused) {
        flow_->signOutLocally();
        return;
    }
    flow_->adoptRefreshedTokens(renewal.tokens.access, renewal.tokens.refresh);
    setToken(renewal.tokens.access);
}

void AuthenticationManager::setToken(const QString& token) {
    setToken(token.toStdString());
}

void AuthenticationManager::setToken(const std::string& token) {
    // The account signals several times on its way; the signed-in state is judged once, after.
    settingToken_ = true;
    if (token.empty()) {
        account_.reset();
    } else {
        account_.setFromToken(token);
    }
    settingToken_ = false;
    guard_.set(token, flow_ ? flow_->refreshToken() : std::string(),
               !token.empty() && account_.valid());
    updateAuthenticated();
}

std::string AuthenticationManager::token() const {
    return guard_.token();
}

bool AuthenticationManager::isAuthenticated() const {
    return guard_.isSignedIn();
}

AuthAccount* AuthenticationManager::authAccount() {
    return &account_;
}

std::string AuthenticationManager::tokenForRequest() {
    return guard_.tokenForRequest();
}

void AuthenticationManager::onAccountValidChanged() {
    if (settingToken_) {
        return;
    }
    // The account was edited on its own: the token stays, the signed-in state follows it.
    const std::string token = guard_.token();
    guard_.set(token, flow_ ? flow_->refreshToken() : std::string(),
               !token.empty() && account_.valid());
    updateAuthenticated();
}

void AuthenticationManager::updateAuthenticated() {
    const bool authenticated = isAuthenticated();
    if (authenticated != reportedAuthenticated_) {
        reportedAuthenticated_ = authenticated;
        emit isAuthenticatedChanged();
    }
}

void AuthenticationManager::login() {
    if (flow_) {
        flow_->login({}, {}, true);
    }
}

bool AuthenticationManager::canStartSignIn() {
    return flow_ && flow_->listenForSignIn();
}

uint16_t AuthenticationManager::signInPort() const {
    return flow_ ? flow_->listenPort() : 0;
}

void AuthenticationManager::loginWithHints(const QString& loginHint, const QString& idpHint) {
    if (flow_) {
        flow_->login(loginHint, idpHint, false);
    }
}

void AuthenticationManager::registerAccount(const QString& loginHint, const QString& idpHint) {
    if (flow_) {
        flow_->registerAccount(loginHint, idpHint);
    }
}

void AuthenticationManager::deleteAccount() {
    if (flow_) {
        flow_->deleteAccount();
    }
}

void AuthenticationManager::logout() {
    if (flow_) {
        flow_->logout();
    }
}

void AuthenticationManager::resetPassword() {
    if (flow_) {
        flow_->resetPassword();
    }
}
