#pragma once

#include <atomic>
#include <string>

struct _GDBusConnection;
struct _GDBusMessage;

// Owns the Secret Service's name on a test's bus and never answers: each method call that
// reaches it is counted and dropped, as a desktop whose keyring waits on a prompt that nobody
// sees. The name is given up when the object goes away.
class SilentSecretService {
public:
    explicit SilentSecretService(const std::string& busAddress);
    ~SilentSecretService();
    SilentSecretService(const SilentSecretService&) = delete;
    SilentSecretService& operator=(const SilentSecretService&) = delete;

    bool owned() const { return owned_; }
    // Method calls received so far.
    int calls() const { return calls_.load(); }

private:
    static _GDBusMessage* drop(_GDBusConnection* connection, _GDBusMessage* message, int incoming,
                               void* self);

    _GDBusConnection* connection_ = nullptr;
    unsigned filter_ = 0;
    bool owned_ = false;
    std::atomic<int> calls_{0};
};
