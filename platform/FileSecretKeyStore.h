#pragma once

#include <mutex>
#include <string>

#include "platform/SecretKeyStore.h"

// The key in a file only the user may read (0600), created once with a random key. Used when
// no desktop secret service is at hand: it keeps the token from other users and from copies of
// the token file alone, not from programs running as this user.
class FileSecretKeyStore : public SecretKeyStore {
public:
    explicit FileSecretKeyStore(std::string path);
    std::optional<Key> key(bool create) override;

private:
    std::optional<Key> read() const;
    std::optional<Key> create();

    const std::string path_;
    std::mutex mutex_;
};
