#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

// The access token and the signed-in flag, read by HTTP workers while the main thread changes
// them. Its mutex is a leaf: nothing else is called while it is held. An access token about to
// expire is refreshed once, on the first request that needs it; other requests wait for that
// refresh instead of starting their own.
class AccessTokenGuard {
public:
    struct Tokens {
        std::string access;
        std::string refresh;
    };
    // Trades a refresh token for new tokens; nothing when the service refuses. Any thread.
    using Refresher = std::function<std::optional<Tokens>(const std::string& refreshToken)>;
    // Told after each refresh: the new tokens, or empty ones after a failure (signed out).
    using Listener = std::function<void(const Tokens& tokens)>;
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

    mutable std::mutex mutex_;
    std::condition_variable refreshed_;
    std::string access_;
    std::string refresh_;
    bool signedIn_ = false;
    bool refreshing_ = false;
    // Each access token is refreshed at most once.
    std::string triedFor_;
    // Counts set() calls, so that a refresh overtaken by a new sign-in does not overwrite it.
    uint64_t generation_ = 0;
    Refresher refresher_;
    Listener listener_;
    Clock clock_;
};
