#pragma once

#include <mutex>

#include "platform/SecretKeyStore.h"

// A key held in memory only, for tests: set, replace or drop it at will.
class MemorySecretKeyStore : public SecretKeyStore {
public:
    std::optional<Key> key(bool create) override;
    void setKey(std::optional<Key> key);

private:
    std::mutex mutex_;
    std::optional<Key> key_;
};
