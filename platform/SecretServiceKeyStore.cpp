#include "platform/SecretServiceKeyStore.h"

#include <libsecret/secret.h>

#include <memory>
#include <string>

#include "shared/prefs/LogManager.h"

namespace {

const SecretSchema* schema() {
    static const SecretSchema kSchema = {
        "org.pelvane.Whirlen.SignInKey",
        SECRET_SCHEMA_NONE,
        {{"purpose", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
        0,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr};
    return &kSchema;
}

constexpr const char* kPurpose = "sign-in key";

struct GObjectDeleter {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;

struct ErrorDeleter {
    void operator()(GError* error) const { g_error_free(error); }
};
using Error = std::unique_ptr<GError, ErrorDeleter>;

std::string toHex(const SecretKeyStore::Key& key) {
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : key) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0f];
    }
    return text;
}

std::optional<SecretKeyStore::Key> fromHex(const std::string& text) {
    SecretKeyStore::Key key{};
    if (text.size() != key.size() * 2) {
        return std::nullopt;
    }
    for (size_t i = 0; i < key.size(); ++i) {
        const std::string pair = text.substr(i * 2, 2);
        if (pair.find_first_not_of("0123456789abcdef") != std::string::npos) {
            return std::nullopt;
        }
        key[i] = static_cast<uint8_t>(std::stoul(pair, nullptr, 16));
    }
    return key;
}

// Calls given up (at a time-out or at exit) were logged by whoever gave them up.
void logFailure(const char* what, const GError* error, GCancellable* cancellable) {
    if (g_cancellable_is_cancelled(cancellable)) {
        return;
    }
    if (error != nullptr) {
        LogManager::instance().log('E', "%s: %s", what, error->message);
    } else {
        LogManager::instance().log('E', "%s", what);
    }
}

GObjectPtr<SecretService> connect(GCancellable* cancellable) {
    GError* raw = nullptr;
    GObjectPtr<SecretService> service(
        secret_service_get_sync(SECRET_SERVICE_OPEN_SESSION, cancellable, &raw));
    const Error error(raw);
    if (!service) {
        logFailure("The Secret Service does not answer", error.get(), cancellable);
    }
    return service;
}

// Searches without unlocking: a locked item has no secret loaded and counts as unavailable.
SecretServiceKeyStore::Answer lookupKey(GCancellable* cancellable) {
    using Outcome = SecretServiceKeyStore::Outcome;
    const GObjectPtr<SecretService> service = connect(cancellable);
    if (!service) {
        return {};
    }
    GHashTable* attributes = secret_attributes_build(schema(), "purpose", kPurpose, nullptr);
    GError* raw = nullptr;
    GList* items = secret_service_search_sync(service.get(), schema(), attributes,
                                              SECRET_SEARCH_LOAD_SECRETS, cancellable, &raw);
    g_hash_table_unref(attributes);
    const Error error(raw);
    SecretServiceKeyStore::Answer answer;
    if (error) {
        logFailure("The Secret Service does not answer", error.get(), cancellable);
    } else if (items == nullptr) {
        answer.outcome = Outcome::Absent;
    } else if (SecretValue* value = secret_item_get_secret(SECRET_ITEM(items->data))) {
        const std::optional<SecretKeyStore::Key> key = fromHex(secret_value_get_text(value));
        secret_value_unref(value);
        if (key) {
            answer = {Outcome::Found, *key};
        }
    } else {
        logFailure("The sign-in key is in a locked keyring", nullptr, cancellable);
    }
    g_list_free_full(items, g_object_unref);
    return answer;
}

bool storeKey(const SecretKeyStore::Key& key, GCancellable* cancellable) {
    const GObjectPtr<SecretService> service = connect(cancellable);
    if (!service) {
        return false;
    }
    GError* raw = nullptr;
    const GObjectPtr<SecretCollection> keyring(secret_collection_for_alias_sync(
        service.get(), SECRET_COLLECTION_DEFAULT, SECRET_COLLECTION_NONE, cancellable, &raw));
    const Error lookupError(raw);
    if (!keyring || secret_collection_get_locked(keyring.get())) {
        // Creating or unlocking one would prompt the user.
        logFailure("No unlocked keyring to keep the sign-in key in", lookupError.get(),
                   cancellable);
        return false;
    }
    raw = nullptr;
    const gboolean saved = secret_password_store_sync(
        schema(), SECRET_COLLECTION_DEFAULT, "Whirlen sign-in key", toHex(key).c_str(), cancellable,
        &raw, "purpose", kPurpose, nullptr);
    const Error error(raw);
    if (!saved) {
        logFailure("Unable to keep the sign-in key in the Secret Service", error.get(),
                   cancellable);
    }
    return saved == TRUE;
}

}  // namespace

template <typename Result>
SecretServiceKeyStore::Slot<Result> SecretServiceKeyStore::submit(
    std::function<Result(GCancellable*)> work) {
    auto slot = std::make_shared<std::optional<Result>>();
    std::lock_guard guard(mutex_);
    jobs_.push_back([this, work = std::move(work), slot] {
        Result result = work(cancellable_);
        std::lock_guard done(mutex_);
        *slot = std::move(result);
        changed_.notify_all();
    });
    changed_.notify_all();
    return slot;
}

template <typename Result>
std::optional<Result> SecretServiceKeyStore::await(const Slot<Result>& slot,
                                                   std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_until(lock, deadline, [&] { return slot->has_value() || givenUp_; }) ||
        !slot->has_value()) {
        if (!givenUp_) {
            // Every call still waiting ends at once; the service is not asked again.
            givenUp_ = true;
            g_cancellable_cancel(cancellable_);
            LogManager::instance().log('E', "The Secret Service did not answer in time");
        }
        return std::nullopt;
    }
    return *slot;
}

SecretServiceKeyStore::SecretServiceKeyStore(std::chrono::milliseconds answerTime)
    : answerTime_(answerTime), cancellable_(g_cancellable_new()) {
    lookupDeadline_ = std::chrono::steady_clock::now() + answerTime_;
    lookup_ = submit<Answer>(lookupKey);
    thread_ = std::thread([this] { run(); });
}

SecretServiceKeyStore::~SecretServiceKeyStore() {
    {
        std::lock_guard guard(mutex_);
        running_ = false;
        g_cancellable_cancel(cancellable_);
    }
    changed_.notify_all();
    thread_.join();
    g_object_unref(cancellable_);
}

SecretServiceKeyStore::Answer SecretServiceKeyStore::lookup() {
    return await(lookup_, lookupDeadline_).value_or(Answer{});
}

bool SecretServiceKeyStore::store(const SecretKeyStore::Key& key) {
    const auto slot =
        submit<bool>([key](GCancellable* cancellable) { return storeKey(key, cancellable); });
    return await(slot, std::chrono::steady_clock::now() + answerTime_).value_or(false);
}

void SecretServiceKeyStore::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !running_ || !jobs_.empty(); });
        if (!running_) {
            return;
        }
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
}
