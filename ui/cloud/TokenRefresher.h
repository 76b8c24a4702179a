#pragma once

#include <optional>
#include <string>

#include "ui/cloud/AccessTokenGuard.h"

// Trades a refresh token for new tokens at the identity service's token endpoint, on the
// calling thread.
class TokenRefresher {
public:
    TokenRefresher(std::string identityBaseUrl, std::string caFile);

    std::optional<AccessTokenGuard::Tokens> refresh(const std::string& refreshToken) const;

private:
    const std::string identityBaseUrl_;
    const std::string caFile_;
};
