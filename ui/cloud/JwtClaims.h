#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

// The payload claims of a JSON Web Token, without checking its signature. Nothing when the
// text is not three dot-separated base64url parts or does not decode to a header and payload
// object. Never throws.
std::optional<nlohmann::json> decodeJwtClaims(std::string_view token);
