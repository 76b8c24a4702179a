#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Keeps the one secret key with which the program protects what it stores on disk (the
// refresh token), where only this user can read it.
class SecretKeyStore {
public:
    using Key = std::array<uint8_t, 32>;

    virtual ~SecretKeyStore() = default;
    // The stored key, created on first use when create is set; nothing when there is none or
    // it cannot be reached (logged).
    virtual std::optional<Key> key(bool create) = 0;
};
