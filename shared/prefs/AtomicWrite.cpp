#include "shared/prefs/AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "shared/prefs/FileUtils.h"
#include "shared/prefs/LogManager.h"

namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

void logFailure(const char* step, const std::string& path) {
    LogManager::instance().log('E', "Unable to %s file %s: %s", step, path.c_str(),
                               std::strerror(errno));
}

// The rename is only durable once the folder entry itself reaches the disk.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view contents, mode_t mode) {
    return writeFileAtomically(path, contents, mode, nullptr);
}

bool writeFileAtomically(const std::string& path, std::string_view contents, mode_t mode,
                         int* error) {
    int ignored = 0;
    int& why = error != nullptr ? *error : ignored;
    why = 0;
    if (path.empty()) {
        LogManager::instance().log('E', "Unable to write a file with an empty path");
        why = ENOENT;
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        why = errno;
        logFailure("create", temporary);
        return false;
    }
    // mkostemp creates 0600; preference and settings files are ordinary user files, secrets
    // stay the user's own.
    ::fchmod(fd, mode);
    const bool written = writeAll(fd, contents.data(), contents.size()) && ::fsync(fd) == 0;
    if (!written) {
        why = errno;
        logFailure("write", temporary);
    }
    const bool closed = ::close(fd) == 0;
    if (written && !closed) {
        why = errno;
        logFailure("close", temporary);
    }
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        if (written && closed) {
            why = errno;
            logFailure("replace", path);
        }
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(path));
    return true;
}
