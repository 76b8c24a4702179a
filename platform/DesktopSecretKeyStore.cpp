#include "platform/DesktopSecretKeyStore.h"

#include "platform/FileSecretKeyStore.h"
#include "platform/SecretServiceKeyStore.h"

DesktopSecretKeyStore::DesktopSecretKeyStore(std::string fallbackPath)
    : fallbackPath_(std::move(fallbackPath)) {}

std::optional<SecretKeyStore::Key> DesktopSecretKeyStore::key(bool create) {
    SecretKeyStore* chosen = nullptr;
    {
        std::lock_guard guard(mutex_);
        if (!chosen_) {
            if (SecretServiceKeyStore::isAvailable()) {
                chosen_ = std::make_unique<SecretServiceKeyStore>();
            } else {
                // The key file says so in the log when it is created.
                chosen_ = std::make_unique<FileSecretKeyStore>(fallbackPath_);
            }
        }
        chosen = chosen_.get();
    }
    return chosen->key(create);
}
