#include "platform/FileSecretKeyStore.h"

#include <fcntl.h>
#include <openssl/rand.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "shared/prefs/FileUtils.h"
#include "shared/prefs/LogManager.h"

namespace {

// Reads all `size` bytes, going on after interruptions and short reads; false at an error or
// the end of the file.
bool readExactly(int fd, unsigned char* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

FileSecretKeyStore::FileSecretKeyStore(std::string path) : path_(std::move(path)) {}

std::optional<SecretKeyStore::Key> FileSecretKeyStore::key(bool create) {
    std::lock_guard guard(mutex_);
    if (std::optional<Key> stored = read()) {
        return stored;
    }
    return create ? this->create() : std::nullopt;
}

std::optional<SecretKeyStore::Key> FileSecretKeyStore::read() const {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return std::nullopt;
    }
    Key key{};
    struct stat status {};
    const bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                    status.st_size == static_cast<off_t>(key.size()) &&
                    readExactly(fd, key.data(), key.size());
    ::close(fd);
    if (!ok) {
        LogManager::instance().log('E', "Unusable key file %s", path_.c_str());
        return std::nullopt;
    }
    return key;
}

std::optional<SecretKeyStore::Key> FileSecretKeyStore::create() {
    Key key{};
    if (RAND_bytes(key.data(), static_cast<int>(key.size())) != 1) {
        LogManager::instance().log('E', "No random key for %s", path_.c_str());
        return std::nullopt;
    }
    // O_EXCL: a file that appeared meanwhile, or a link planted there, is never written through.
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        LogManager::instance().log('E', "Unable to create key file %s: %s", path_.c_str(),
                                   std::strerror(errno));
        return std::nullopt;
    }
    const bool written = writeAll(fd, key.data(), key.size()) && ::fsync(fd) == 0;
    ::close(fd);
    if (!written) {
        ::unlink(path_.c_str());
        LogManager::instance().log('E', "Unable to write key file %s", path_.c_str());
        return std::nullopt;
    }
    LogManager::instance().log('W', "No desktop secret service: the sign-in key is kept in %s",
                               path_.c_str());
    return key;
}
