#include "ui/cloud/JwtClaims.h"

#include <algorithm>
#include <jwt/jwt.hpp>
#include <system_error>

namespace {

bool isBase64UrlCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

// The decoder indexes its alphabet table with a signed char, so anything but the base64url
// alphabet must be turned away before it gets there.
bool hasJwtShape(std::string_view token) {
    if (std::count(token.begin(), token.end(), '.') != 2) {
        return false;
    }
    return std::all_of(token.begin(), token.end(),
                       [](char c) { return c == '.' || isBase64UrlCharacter(c); });
}

}  // namespace

std::optional<nlohmann::json> decodeJwtClaims(std::string_view token) {
    if (!hasJwtShape(token)) {
        return std::nullopt;
    }
    try {
        std::error_code error;
        const jwt::jwt_object decoded =
            jwt::decode(jwt::string_view(token.data(), token.size()),
                        jwt::params::algorithms({"RS256"}), error, jwt::params::verify(false));
        if (error) {
            return std::nullopt;
        }
        nlohmann::json claims = decoded.payload().create_json_obj();
        if (!claims.is_object()) {
            return std::nullopt;
        }
        return claims;
    } catch (...) {
        // The decoder throws for headers it does not expect ("alg" not a text and the like).
        return std::nullopt;
    }
}
