#include "ui/cloud/FileChecksumRequest.h"

#include "shared/prefs/FileUtils.h"
#include "shared/prefs/TextUtils.h"

namespace {

constexpr int32_t kHttpOk = 200;

}  // namespace

FileChecksumRequest::FileChecksumRequest(std::string path)
    : BaseHttpRequest("", HttpMethod::Get), path_(std::move(path)) {}

std::string FileChecksumRequest::digest() const {
    std::lock_guard guard(digestMutex_);
    return digest_;
}

bool FileChecksumRequest::matches(const std::string& checksum) const {
    const std::string known = digest();
    return !known.empty() && equalsIgnoreCase(known, checksum);
}

BaseHttpRequest::Response FileChecksumRequest::exchange(const Settings& /*settings*/) {
    std::string digest = fileMd5Hex(path_, [this] { return isCancelled(); });
    Response response;
    if (!digest.empty()) {
        response.curlCode = 0;
        response.httpCode = kHttpOk;
    }
    std::lock_guard guard(digestMutex_);
    digest_ = std::move(digest);
    return response;
}
