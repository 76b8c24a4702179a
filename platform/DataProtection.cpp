#include "platform/DataProtection.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <memory>

#include "platform/SecretKeyStore.h"

namespace {

constexpr unsigned char kVersion = 1;
constexpr int kNonceSize = 12;
constexpr int kTagSize = 16;
constexpr size_t kOverhead = 1 + kNonceSize + kTagSize;

using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

const unsigned char* bytes(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

unsigned char* bytes(std::string& text) {
    return reinterpret_cast<unsigned char*>(text.data());
}

// Sets up the context for AES-256-GCM with key and nonce, and feeds the entropy as additional
// authenticated data.
bool begin(EVP_CIPHER_CTX* context, bool encrypt, const SecretKeyStore::Key& key,
           const unsigned char* nonce, std::string_view entropy) {
    const int enc = encrypt ? 1 : 0;
    int length = 0;
    return EVP_CipherInit_ex(context, EVP_aes_256_gcm(), nullptr, nullptr, nullptr, enc) == 1 &&
           EVP_CIPHER_CTX_ctrl(context, EVP_CTRL_GCM_SET_IVLEN, kNonceSize, nullptr) == 1 &&
           EVP_CipherInit_ex(context, nullptr, nullptr, key.data(), nonce, enc) == 1 &&
           EVP_CipherUpdate(context, nullptr, &length, bytes(entropy),
                            static_cast<int>(entropy.size())) == 1;
}

}  // namespace

std::optional<std::string> protectData(SecretKeyStore& keys, std::string_view data,
                                       std::string_view entropy) {
    const std::optional<SecretKeyStore::Key> key = keys.key(true);
    if (!key) {
        return std::nullopt;
    }
    std::string blob(kOverhead + data.size(), '\0');
    blob[0] = static_cast<char>(kVersion);
    unsigned char* nonce = bytes(blob) + 1;
    unsigned char* cipher = nonce + kNonceSize;
    CipherContext context(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    int length = 0;
    int finalLength = 0;
    if (!context || RAND_bytes(nonce, kNonceSize) != 1 ||
        !begin(context.get(), true, *key, nonce, entropy) ||
        EVP_CipherUpdate(context.get(), cipher, &length, bytes(data),
                         static_cast<int>(data.size())) != 1 ||
        EVP_CipherFinal_ex(context.get(), cipher + length, &finalLength) != 1 ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, kTagSize, cipher + data.size()) !=
            1) {
        return std::nullopt;
    }
    return blob;
}

std::optional<std::string> unprotectData(SecretKeyStore& keys, std::string_view blob,
                                         std::string_view entropy) {
    if (blob.size() < kOverhead || static_cast<unsigned char>(blob[0]) != kVersion) {
        return std::nullopt;
    }
    const std::optional<SecretKeyStore::Key> key = keys.key(false);
    if (!key) {
        return std::nullopt;
    }
    const unsigned char* nonce = bytes(blob) + 1;
    const unsigned char* cipher = nonce + kNonceSize;
    const size_t cipherSize = blob.size() - kOverhead;
    std::string tag(blob.substr(blob.size() - kTagSize));
    std::string data(cipherSize, '\0');
    CipherContext context(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    int length = 0;
    int finalLength = 0;
    if (!context || !begin(context.get(), false, *key, nonce, entropy) ||
        EVP_CipherUpdate(context.get(), bytes(data), &length, cipher,
                         static_cast<int>(cipherSize)) != 1 ||
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, kTagSize, tag.data()) != 1 ||
        EVP_CipherFinal_ex(context.get(), bytes(data) + length, &finalLength) != 1) {
        return std::nullopt;
    }
    return data;
}
