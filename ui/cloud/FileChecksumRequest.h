#pragma once

#include <string>

#include "ui/cloud/BaseHttpRequest.h"

// The MD5 of a local file, worked out on a request thread of the request manager instead of
// a transfer: so that a large file (an installer) is never hashed on the thread that asked,
// and so that the hash is cancelled and waited for like any request. result() is 0 once the
// digest is known, 102 when the file could not be read to its end or the work was cancelled.
class FileChecksumRequest : public BaseHttpRequest {
public:
    explicit FileChecksumRequest(std::string path);

    // Upper-case hex; "" until worked out. Read within the finish notification or after it.
    std::string digest() const;
    // Whether the digest equals checksum, in either case.
    bool matches(const std::string& checksum) const;

protected:
    Response exchange(const Settings& settings) override;

private:
    const std::string path_;
    mutable std::mutex digestMutex_;
    std::string digest_;
};
