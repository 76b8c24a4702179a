#include "platform/MemorySecretKeyStore.h"

std::optional<SecretKeyStore::Key> MemorySecretKeyStore::key(bool /*create*/) {
    std::lock_guard guard(mutex_);
    return key_;
}

void MemorySecretKeyStore::setKey(std::optional<Key> key) {
    std::lock_guard guard(mutex_);
    key_ = key;
}
