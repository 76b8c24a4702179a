#include "platform/SecretServiceKeyStore.h"

#include <libsecret/secret.h>
#include <openssl/rand.h>

#include <memory>
#include <string>

#include "shared/prefs/LogManager.h"

namespace {

const SecretSchema* schema() {
    static const SecretSchema kSchema = {
        "org.pelvane.Whirlen.SignInKey",
        SECRET_SCHEMA_NONE,
        {{"purpose", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
        0,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr};
    return &kSchema;
}

constexpr const char* kPurpose = "sign-in key";

struct ErrorDeleter {
    void operator()(GError* error) const { g_error_free(error); }
};
using Error = std::unique_ptr<GError, ErrorDeleter>;

std::string toHex(const SecretKeyStore::Key& key) {
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : key) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0f];
    }
    return text;
}

std::optional<SecretKeyStore::Key> fromHex(const std::string& text) {
    SecretKeyStore::Key key{};
    if (text.size() != key.size() * 2) {
        return std::nullopt;
    }
    for (size_t i = 0; i < key.size(); ++i) {
        const std::string pair = text.substr(i * 2, 2);
        if (pair.find_first_not_of("0123456789abcdef") != std::string::npos) {
            return std::nullopt;
        }
        key[i] = static_cast<uint8_t>(std::stoul(pair, nullptr, 16));
    }
    return key;
}

// The stored text; nothing when absent. Sets failed when the service cannot be asked.
std::optional<std::string> lookup(bool& failed) {
    GError* raw = nullptr;
    gchar* found =
        secret_password_lookup_sync(schema(), nullptr, &raw, "purpose", kPurpose, nullptr);
    const Error error(raw);
    failed = error != nullptr;
    if (found == nullptr) {
        return std::nullopt;
    }
    std::string text(found);
    secret_password_free(found);
    return text;
}

}  // namespace

bool SecretServiceKeyStore::isAvailable() {
    bool failed = false;
    lookup(failed);
    return !failed;
}

std::optional<SecretKeyStore::Key> SecretServiceKeyStore::key(bool create) {
    std::lock_guard guard(mutex_);
    bool failed = false;
    const std::optional<std::string> stored = lookup(failed);
    if (failed) {
        LogManager::instance().log('E', "The Secret Service does not answer");
        return std::nullopt;
    }
    if (stored) {
        return fromHex(*stored);
    }
    if (!create) {
        return std::nullopt;
    }
    Key key{};
    if (RAND_bytes(key.data(), static_cast<int>(key.size())) != 1) {
        return std::nullopt;
    }
    GError* raw = nullptr;
    const gboolean saved =
        secret_password_store_sync(schema(), SECRET_COLLECTION_DEFAULT, "Whirlen sign-in key",
                                   toHex(key).c_str(), nullptr, &raw, "purpose", kPurpose, nullptr);
    const Error error(raw);
    if (!saved) {
        LogManager::instance().log('E', "Unable to keep the sign-in key in the Secret Service: %s",
                                   error ? error->message : "refused");
        return std::nullopt;
    }
    return key;
}
