#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

#include "ui/cloud/AccessTokenGuard.h"

class BaseHttpRequest;

// Trades a refresh token for new tokens at the identity service's token endpoint, on the
// calling thread, and tells a refusal by the service from a failure to get an answer.
class TokenRefresher {
public:
    TokenRefresher(std::string identityBaseUrl, std::string caFile,
                   std::chrono::milliseconds timeout = std::chrono::seconds(20));

    AccessTokenGuard::Renewal refresh(const std::string& refreshToken);
    // The program is ending: the renewal under way stops at once and later ones fail without
    // a request. Any thread.
    void stop();

    // What an answer of the token endpoint means: only a 400 or 401 that carries an OAuth
    // error refuses the sign-in.
    static AccessTokenGuard::Renewal readAnswer(int32_t result, const std::string& body);

private:
    const std::string identityBaseUrl_;
    const std::string caFile_;
    const std::chrono::milliseconds timeout_;
    std::mutex mutex_;
    bool stopped_ = false;
    BaseHttpRequest* running_ = nullptr;
};
