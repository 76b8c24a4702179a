#include "ui/cloud/FileChecksum.h"

#include <utility>

#include "shared/prefs/FileUtils.h"
#include "shared/prefs/TextUtils.h"

FileChecksum::FileChecksum(std::string path) : path_(std::move(path)) {}

void FileChecksum::subscribe(FileChecksumNotifyInterface* observer) {
    subscribers_.add(observer);
}

void FileChecksum::unsubscribe(FileChecksumNotifyInterface* observer) {
    subscribers_.remove(observer);
}

void FileChecksum::perform() {
    std::string digest = fileMd5Hex(path_, [this] { return cancelled_.load(); });
    {
        std::lock_guard guard(digestMutex_);
        digest_ = std::move(digest);
    }
    subscribers_.notify(
        [this](FileChecksumNotifyInterface& observer) { observer.onChecksumDone(*this); });
}

void FileChecksum::cancel(bool cancelled) {
    cancelled_.store(cancelled);
}

std::string FileChecksum::digest() const {
    std::lock_guard guard(digestMutex_);
    return digest_;
}

bool FileChecksum::matches(const std::string& checksum) const {
    const std::string known = digest();
    return !known.empty() && equalsIgnoreCase(known, checksum);
}
