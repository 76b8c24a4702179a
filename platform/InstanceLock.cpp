#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/RuntimeFolder.h"
#include "shared/prefs/LogManager.h"

namespace {

// The folder is checked first so that a missing or mistyped runtime folder is reported
// as what it is, not as a failed open of some file in it.
bool usableFolder(const std::string& folder) {
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        LogManager::instance().log('E', "Runtime folder is unusable: %s\n", folder.c_str());
        return false;
    }
    return true;
}

// Close-on-exec, because a program the holder starts would otherwise inherit the open file
// and with it the lock, keeping it past the holder's end.
int openLockFile(const std::string& folder, const std::string& path, int flags) {
    const int fd = open(path.c_str(), flags | O_CLOEXEC, 0600);
    if (fd < 0 && errno != ENOENT) {
        LogManager::instance().log('E', "Runtime folder is unusable: %s: cannot open %s: %s\n",
                                   folder.c_str(), path.c_str(), std::strerror(errno));
    }
    return fd;
}

// A lock someone else holds is the expected refusal; anything else is worth a line. Returns
// 0 when locked, else the error.
int tryLock(int fd, const std::string& path) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return 0;
    }
    const int error = errno;
    if (error != EWOULDBLOCK) {
        LogManager::instance().log('E', "Cannot lock %s: %s\n", path.c_str(), std::strerror(error));
    }
    return error;
}

}  // namespace

std::unique_ptr<InstanceLock> InstanceLock::acquire(const std::string& name, Refusal* refusal) {
    Refusal ignored = Refusal::None;
    Refusal& why = refusal != nullptr ? *refusal : ignored;
    why = Refusal::Unusable;
    const std::string folder = runtimeFolder();
    if (!usableFolder(folder)) {
        return nullptr;
    }
    std::string path = folder + "/" + name;
    // Creating and locking are separate steps, yet no race between instances: whoever
    // creates the file, all of them lock the same one.
    const int fd = openLockFile(folder, path, O_RDWR | O_CREAT);
    if (fd < 0) {
        return nullptr;
    }
    if (const int error = tryLock(fd, path); error != 0) {
        why = error == EWOULDBLOCK ? Refusal::HeldElsewhere : Refusal::Unusable;
        close(fd);
        return nullptr;
    }
    why = Refusal::None;
    return std::unique_ptr<InstanceLock>(new InstanceLock(fd, std::move(path)));
}

bool InstanceLock::isHeld(const std::string& name) {
    const std::string folder = runtimeFolder();
    if (!usableFolder(folder)) {
        return false;
    }
    // Nobody can hold a lock whose file was never made, and a probe should not make it.
    const std::string path = folder + "/" + name;
    const int fd = openLockFile(folder, path, O_RDONLY);
    if (fd < 0) {
        return false;
    }
    const bool held = tryLock(fd, path) != 0;
    close(fd);
    return held;
}

InstanceLock::InstanceLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}

InstanceLock::~InstanceLock() {
    close(fd_);
}
