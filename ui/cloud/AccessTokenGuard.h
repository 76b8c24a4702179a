#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

// The access token and the signed-in flag, read by HTTP workers while the main thread changes
// them. Its mutex is a leaf: nothing else is called while it is held. An access token about to
// expire is renewed on the first request that needs it; requests that arrive meanwhile wait for
// that renewal and go with what it leaves instead of starting their own. Only the identity
// service's refusal signs out; a renewal that fails for any other reason keeps the sign-in, and
// the next request tries again.
class AccessTokenGuard {
public:
    struct Tokens {
        std::string access;
        std::string refresh;
    };
    enum class RenewalOutcome {
        // New tokens; a refresh token left empty means the service kept the one sent.
        Renewed,
        // The service turned the refresh token down: the sign-in is over.
        Refused,
        // No answer, or none that says anything about the sign-in.
        Failed,
    };
    struct Renewal {
        RenewalOutcome outcome = RenewalOutcome::Failed;
        Tokens tokens;
    };
    // Trades a refresh token for new tokens. Any thread.
    using Refresher = std::function<Renewal(const std::string& refreshToken)>;
    // Told after a renewal that changed the sign-in: renewed (with the refresh token now held)
    // or refused. Not after a failure.
    using Listener = std::function<void(const Renewal& renewal)>;
    // Seconds since 1970.
    using Clock = std::function<int64_t()>;

    // A token within this many seconds of its expiry is refreshed before use.
    static constexpr int64_t kRefreshMargin = 30;

    AccessTokenGuard();

    void set(const std::string& accessToken, const std::string& refreshToken, bool signedIn);
    // Only the refresh token, as the sign-in flow renews it.
    void setRefreshToken(const std::string& refreshToken);
    void setRefresher(Refresher refresher, Listener listener);
    void setClock(Clock clock);

    std::string token() const;
    bool isSignedIn() const;
    // The token for a request, refreshed first when it is about to expire.
    std::string tokenForRequest();

private:
    bool needsRefresh(const std::string& accessToken) const;
    // With the mutex held: takes the renewal in unless a new sign-in overtook it; whether the
    // listener is to be told.
    bool adopt(Renewal& renewal, uint64_t generation);

    mutable std::mutex mutex_;
    std::condition_variable refreshed_;
    std::string access_;
    std::string refresh_;
    bool signedIn_ = false;
    bool refreshing_ = false;
    // Counts ended renewals, so that a request that waited for one does not start another.
    uint64_t renewals_ = 0;
    // An access token is renewed at most once, unless that renewal failed.
    std::string triedFor_;
    // Counts set() calls, so that a refresh overtaken by a new sign-in does not overwrite it.
    uint64_t generation_ = 0;
    Refresher refresher_;
    Listener listener_;
    Clock clock_;
};
