#pragma once

#include <optional>
#include <string>
#include <string_view>

class SecretKeyStore;

// Seals data for this user with the store's key (AES-256-GCM): a version byte, a fresh 12-byte
// nonce, the ciphertext and its 16-byte tag. entropy must be given again to open it. Nothing
// when no key can be had.
std::optional<std::string> protectData(SecretKeyStore& keys, std::string_view data,
                                       std::string_view entropy);
// The data sealed by protectData; nothing for another key, other entropy or any change.
std::optional<std::string> unprotectData(SecretKeyStore& keys, std::string_view blob,
                                         std::string_view entropy);
