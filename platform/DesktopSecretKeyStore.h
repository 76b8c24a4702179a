#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/FileSecretKeyStore.h"
#include "platform/SecretKeyStore.h"

class SecretServiceKeyStore;

// The desktop's Secret Service when it answers on the session bus in time, with an unlocked
// keyring; otherwise (no bus, a headless session, a keyring that is locked or not set up, a
// service that does not answer) a key file at fallbackPath. Once the key file is there it
// stays the key, so that what it sealed opens in every later run. No call waits for the
// service longer than answerTime, none prompts the user, and the choice made holds for the
// rest of the run.
class DesktopSecretKeyStore : public SecretKeyStore {
public:
    static constexpr std::chrono::milliseconds kAnswerTime{2000};

    // Starts asking the service for its key at once, unless the key file is there.
    explicit DesktopSecretKeyStore(std::string fallbackPath,
                                   std::chrono::milliseconds answerTime = kAnswerTime);
    ~DesktopSecretKeyStore() override;
    std::optional<Key> key(bool create) override;

private:
    std::optional<Key> serviceKey(bool create);

    FileSecretKeyStore file_;
    std::mutex mutex_;
    // Null once the key file is chosen.
    std::unique_ptr<SecretServiceKeyStore> service_;
    std::optional<Key> serviceKey_;
};
