#include "shared/prefs/SaveResult.h"

#include <cerrno>
#include <cstring>
#include <utility>

SaveResult SaveResult::failed(std::string file, int error) {
    SaveResult result;
    result.file_ = std::move(file);
    // A failure that set no errno is still a failure.
    result.error_ = error != 0 ? error : EIO;
    return result;
}

std::string SaveResult::reason() const {
    return held() ? std::string() : std::string(std::strerror(error_));
}

SaveResult::Cause SaveResult::cause() const {
    switch (error_) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return Cause::NoRoom;
        case EROFS:
            return Cause::ReadOnly;
        case EACCES:
        case EPERM:
            return Cause::NotPermitted;
        case EISDIR:
        case ENOTDIR:
        case ENOTEMPTY:
        case EEXIST:
            return Cause::InTheWay;
        case ENOENT:
            return Cause::FolderMissing;
        default:
            return Cause::Other;
    }
}
