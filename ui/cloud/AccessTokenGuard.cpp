#include "ui/cloud/AccessTokenGuard.h"

#include "ui/cloud/JWTToken.h"

AccessTokenGuard::AccessTokenGuard() : clock_(&JWTToken::secondsSinceEpoch) {}

void AccessTokenGuard::set(const std::string& accessToken, const std::string& refreshToken,
                           bool signedIn) {
    std::lock_guard guard(mutex_);
    access_ = accessToken;
    refresh_ = refreshToken;
    signedIn_ = signedIn;
    ++generation_;
}

void AccessTokenGuard::setRefreshToken(const std::string& refreshToken) {
    std::lock_guard guard(mutex_);
    refresh_ = refreshToken;
}

void AccessTokenGuard::setRefresher(Refresher refresher, Listener listener) {
    std::lock_guard guard(mutex_);
    refresher_ = std::move(refresher);
    listener_ = std::move(listener);
}

void AccessTokenGuard::setClock(Clock clock) {
    std::lock_guard guard(mutex_);
    clock_ = std::move(clock);
}

std::string AccessTokenGuard::token() const {
    std::lock_guard guard(mutex_);
    return access_;
}

bool AccessTokenGuard::isSignedIn() const {
    std::lock_guard guard(mutex_);
    return signedIn_;
}

bool AccessTokenGuard::needsRefresh(const std::string& accessToken) const {
    JWTToken token;
    token.setRawToken(accessToken);
    const std::optional<int64_t> exp = token.expiry();
    return !exp || *exp <= clock_() + kRefreshMargin;
}

std::string AccessTokenGuard::tokenForRequest() {
    std::unique_lock lock(mutex_);
    const uint64_t renewalsBefore = renewals_;
    refreshed_.wait(lock, [this] { return !refreshing_; });
    if (renewals_ != renewalsBefore || !signedIn_ || access_.empty() || refresh_.empty() ||
        !refresher_ || triedFor_ == access_ || !needsRefresh(access_)) {
        return access_;
    }
    triedFor_ = access_;
    refreshing_ = true;
    const uint64_t generation = generation_;
    const std::string refreshToken = refresh_;
    const Refresher refresher = refresher_;
    lock.unlock();
    Renewal renewal = refresher(refreshToken);
    lock.lock();
    refreshing_ = false;
    ++renewals_;
    const bool tell = adopt(renewal, generation);
    const std::string result = access_;
    const Listener listener = listener_;
    lock.unlock();
    refreshed_.notify_all();
    if (tell && listener) {
        listener(renewal);
    }
    return result;
}

bool AccessTokenGuard::adopt(Renewal& renewal, uint64_t generation) {
    if (generation != generation_) {
        return false;
    }
    switch (renewal.outcome) {
        case RenewalOutcome::Renewed:
            access_ = renewal.tokens.access;
            // Without a new one the service did not rotate it: the one held stays good.
            if (renewal.tokens.refresh.empty()) {
                renewal.tokens.refresh = refresh_;
            }
            refresh_ = renewal.tokens.refresh;
            return true;
        case RenewalOutcome::Refused:
            access_.clear();
            refresh_.clear();
            signedIn_ = false;
            return true;
        case RenewalOutcome::Failed:
            triedFor_.clear();
            return false;
    }
    return false;
}
