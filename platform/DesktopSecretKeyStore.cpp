#include "platform/DesktopSecretKeyStore.h"

#include <openssl/rand.h>

#include "platform/SecretServiceKeyStore.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/LogManager.h"

DesktopSecretKeyStore::DesktopSecretKeyStore(std::string fallbackPath,
                                             std::chrono::milliseconds answerTime)
    : file_(fallbackPath) {
    if (!fileExists(fallbackPath)) {
        service_ = std::make_unique<SecretServiceKeyStore>(answerTime);
    }
}

DesktopSecretKeyStore::~DesktopSecretKeyStore() = default;

std::optional<SecretKeyStore::Key> DesktopSecretKeyStore::key(bool create) {
    {
        std::lock_guard guard(mutex_);
        if (service_) {
            return serviceKey(create);
        }
    }
    // The key file says so in the log when it is created.
    return file_.key(create);
}

std::optional<SecretKeyStore::Key> DesktopSecretKeyStore::serviceKey(bool create) {
    if (serviceKey_) {
        return serviceKey_;
    }
    const SecretServiceKeyStore::Answer answer = service_->lookup();
    if (answer.outcome == SecretServiceKeyStore::Outcome::Found) {
        serviceKey_ = answer.key;
        return serviceKey_;
    }
    if (answer.outcome == SecretServiceKeyStore::Outcome::Absent) {
        if (!create) {
            return std::nullopt;
        }
        Key fresh{};
        if (RAND_bytes(fresh.data(), static_cast<int>(fresh.size())) != 1) {
            return std::nullopt;
        }
        if (service_->store(fresh)) {
            serviceKey_ = fresh;
            return serviceKey_;
        }
    }
    LogManager::instance().log('E', "The sign-in key is kept in a file instead");
    service_.reset();
    return file_.key(create);
}
