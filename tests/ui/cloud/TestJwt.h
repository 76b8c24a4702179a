#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

// Tokens as the identity service issues them, with a signature nobody checks.
std::string base64Url(const std::string& bytes);
std::string makeJwt(const nlohmann::json& payload,
                    const nlohmann::json& header = {{"alg", "RS256"}, {"typ", "JWT"}});
// The five account claims and "exp".
nlohmann::json accountClaims(int64_t exp, const std::string& sub = "user-1");
int64_t secondsNow();
