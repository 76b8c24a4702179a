#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "ui/cloud/FileChecksumNotifyInterface.h"
#include "ui/cloud/NotifierList.h"
#include "ui/cloud/WorkerTask.h"

// The MD5 of a local file, worked out on a thread of the request manager: so that a large file
// (an installer) is never hashed on the thread that asked, and so that the hash is cancelled and
// waited for like any request. It needs nothing of HTTP: no libcurl is loaded for it.
class FileChecksum : public WorkerTask {
public:
    explicit FileChecksum(std::string path);

    // Null and already listed observers are ignored. After unsubscribe() returns the observer
    // is not called again; it may be called from within the notification.
    void subscribe(FileChecksumNotifyInterface* observer);
    void unsubscribe(FileChecksumNotifyInterface* observer);

    // Hashes the file, then tells the subscribers, also when the hash could not be worked out.
    void perform() override;
    void cancel(bool cancelled) override;

    // Upper-case hex; "" until worked out, and when the file could not be read to its end or the
    // hash was cancelled. Read within the notification or after it.
    std::string digest() const;
    // Whether the digest is known and equals checksum, in either case.
    bool matches(const std::string& checksum) const;

private:
    const std::string path_;
    std::atomic<bool> cancelled_{false};
    mutable std::mutex digestMutex_;
    std::string digest_;
    NotifierList<FileChecksumNotifyInterface> subscribers_;
};
