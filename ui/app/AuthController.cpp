#include "ui/app/AuthController.h"

#include <QQmlEngine>

#include <utility>

#include "ui/app/ApplicationManager.h"
#include "ui/cloud/AuthenticationManager.h"
#include "ui/cloud/ConfigSyncManager.h"

AuthController::AuthController(QObject* parent)
    : AuthController(ApplicationManager::instance().authenticationManager(),
                     ApplicationManager::instance().configSyncManager(), parent) {}

AuthController::AuthController(std::shared_ptr<AuthenticationManager> authentication,
                               ConfigSyncManager* sync, QObject* parent)
    : QObject(parent), authentication_(std::move(authentication)), sync_(sync) {
    if (!authentication_) {
        return;
    }
    wasAuthenticated_ = authentication_->isAuthenticated();
    connect(authentication_.get(), &AuthenticationManager::isAuthenticatedChanged, this,
            &AuthController::onAuthenticatedChanged, Qt::QueuedConnection);
}

bool AuthController::authenticated() const {
    return authentication_ && authentication_->isAuthenticated();
}

AuthAccount* AuthController::authAccount() const {
    if (!authentication_) {
        return nullptr;
    }
    AuthAccount* account = authentication_->authAccount();
    QQmlEngine::setObjectOwnership(account, QQmlEngine::CppOwnership);
    return account;
}

int AuthController::signInPort() const {
    return authentication_ ? authentication_->signInPort() : 0;
}

bool AuthController::login(const QString& hint, const QString& authProvider) {
    if (!authentication_ || !authentication_->canStartSignIn()) {
        return false;
    }
    authentication_->loginWithHints(hint, authProvider);
    return true;
}

bool AuthController::startRegister(const QString& hint, const QString& authProvider) {
    if (!authentication_ || !authentication_->canStartSignIn()) {
        return false;
    }
    authentication_->registerAccount(hint, authProvider);
    return true;
}

void AuthController::logout() {
    if (authentication_) {
        authentication_->logout();
    }
}

void AuthController::resetPass() {
    if (authentication_) {
        authentication_->resetPassword();
    }
}

void AuthController::deleteAccount() {
    if (authentication_) {
        authentication_->deleteAccount();
    }
}

void AuthController::onAuthenticatedChanged() {
    emit authenticationChanged();
    emit authAccountChanged();
    const bool signedIn = authenticated();
    const bool signedInNow = signedIn && !wasAuthenticated_;
    wasAuthenticated_ = signedIn;
    if (signedInNow && sync_ != nullptr) {
        sync_->startSync(false);
    }
}
