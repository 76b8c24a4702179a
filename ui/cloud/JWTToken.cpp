#include "ui/cloud/JWTToken.h"

#include <array>
#include <chrono>
#include <cstdint>

#include "platform/DataProtection.h"
#include "shared/prefs/AtomicWrite.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/LogManager.h"
#include "ui/cloud/JwtClaims.h"

namespace {

using Piece = std::array<uint8_t, 12>;

// The token file's entropy is kept in two pieces so that it never stands whole in the binary.
constexpr Piece kEntropyFirst = {0x5a, 0x13, 0xc7, 0x88, 0x21, 0x9e,
                                 0x47, 0x0b, 0xd4, 0x6f, 0x32, 0xa1};
constexpr Piece kEntropySecond = {0x0f, 0x7c, 0xa2, 0xe9, 0x54, 0x11,
                                  0xb8, 0x6d, 0x93, 0x2a, 0xc5, 0x7e};

std::string xorBytes(const Piece& first, const Piece& second) {
    std::string result(first.size(), '\0');
    for (size_t i = 0; i < first.size(); ++i) {
        result[i] = static_cast<char>(first[i] ^ second[i]);
    }
    return result;
}

std::string entropy() {
    return xorBytes(kEntropyFirst, kEntropySecond);
}

}  // namespace

int64_t JWTToken::secondsSinceEpoch() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void JWTToken::setRawToken(const std::string& token) {
    rawToken_ = token;
    decode();
}

void JWTToken::decode() {
    if (rawToken_.empty()) {
        return;
    }
    if (std::optional<nlohmann::json> claims = decodeJwtClaims(rawToken_)) {
        claims_ = std::move(*claims);
    }
}

void JWTToken::clear() {
    rawToken_.clear();
    decode();
}

std::optional<int64_t> JWTToken::expiry() const {
    const auto exp = claims_.find("exp");
    if (exp == claims_.end()) {
        return std::nullopt;
    }
    if (exp->is_number_unsigned()) {
        const uint64_t value = exp->get<uint64_t>();
        return value > static_cast<uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<int64_t>(value);
    }
    if (exp->is_number_integer()) {
        return exp->get<int64_t>();
    }
    return std::nullopt;
}

bool JWTToken::hasNotExpired(int64_t now) const {
    const std::optional<int64_t> exp = expiry();
    return !rawToken_.empty() && exp && *exp > now;
}

bool JWTToken::hasNotExpired() const {
    return hasNotExpired(secondsSinceEpoch());
}

bool JWTToken::isValid() const {
    return hasNotExpired() && claims_.contains("sub");
}

void JWTToken::load(const std::string& path, SecretKeyStore& keys) {
    std::string blob;
    if (path.empty() || !readSmallRegularFile(path, kMaxFileSize - 1, blob)) {
        return;
    }
    const std::optional<std::string> token = unprotectData(keys, blob, entropy());
    if (token && !token->empty()) {
        setRawToken(*token);
    }
}

bool JWTToken::save(const std::string& path, SecretKeyStore& keys) const {
    if (path.empty()) {
        return false;
    }
    const std::optional<std::string> blob = protectData(keys, rawToken_, entropy());
    if (!blob) {
        LogManager::instance().log('E', "Unable to protect the sign-in for %s", path.c_str());
        return false;
    }
    if (blob->size() >= kMaxFileSize) {
        // The reader skips such a file, so the sign-in will not survive a restart.
        LogManager::instance().log('E', "Sign-in too large to be kept: %zu bytes", blob->size());
    }
    return writeFileAtomically(path, *blob, 0600);
}
