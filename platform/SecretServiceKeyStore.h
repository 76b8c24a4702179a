#pragma once

#include <mutex>

#include "platform/SecretKeyStore.h"

// The key in the desktop's Secret Service (the login keyring, which the user's logon
// unlocks), reached over the session bus.
class SecretServiceKeyStore : public SecretKeyStore {
public:
    std::optional<Key> key(bool create) override;
    // Whether a Secret Service answers on the session bus.
    static bool isAvailable();

private:
    std::mutex mutex_;
};
