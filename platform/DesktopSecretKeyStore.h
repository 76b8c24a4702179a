#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "platform/SecretKeyStore.h"

// The desktop's Secret Service when one answers on the session bus; otherwise (no bus, a
// headless session) a key file at fallbackPath. The choice is made at the first use.
class DesktopSecretKeyStore : public SecretKeyStore {
public:
    explicit DesktopSecretKeyStore(std::string fallbackPath);
    std::optional<Key> key(bool create) override;

private:
    const std::string fallbackPath_;
    std::mutex mutex_;
    std::unique_ptr<SecretKeyStore> chosen_;
};
