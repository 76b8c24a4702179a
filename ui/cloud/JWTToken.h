#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

class SecretKeyStore;

// One token as received and its decoded claims.
class JWTToken {
public:
    virtual ~JWTToken() = default;

    void setRawToken(const std::string& token);
    const std::string& rawToken() const { return rawToken_; }
    const nlohmann::json& claims() const { return claims_; }
    // Replaces the claims by the raw token's when it decodes; an empty token leaves them.
    void decode();
    void clear();

    // "exp" is an integer later than now (seconds since 1970).
    bool hasNotExpired(int64_t now) const;
    bool hasNotExpired() const;
    // Not expired and carrying "sub".
    bool isValid() const;
    // "exp" as an integer, or nothing.
    std::optional<int64_t> expiry() const;

    // The protected file at path, read back; a missing, empty, oversized or foreign file, and
    // anything but a regular file (never waited for), leaves the token as it was.
    void load(const std::string& path, SecretKeyStore& keys);
    // Protects the raw token into path (0600). False, logged, when it cannot.
    bool save(const std::string& path, SecretKeyStore& keys) const;

    // The clock "exp" is read against.
    static int64_t secondsSinceEpoch();

    // Files of this size or more are not read back.
    static constexpr size_t kMaxFileSize = 1024;

private:
    std::string rawToken_;
    nlohmann::json claims_ = nlohmann::json::object();
};
