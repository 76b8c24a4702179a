#pragma once

#include <memory>
#include <string>

// A named single-instance lock: an exclusive flock() on the file `name` in the runtime
// folder. The lock goes with the open file, so it ends with the holder's process however
// that ends, and the file is never removed (removing it would let a second holder lock a
// fresh file while the first still holds the old one).
class InstanceLock {
public:
    // Takes the lock; null when someone else holds it or the lock file cannot be opened
    // (the latter is logged). Hold the object for as long as the instance should count as
    // running.
    static std::unique_ptr<InstanceLock> acquire(const std::string& name);
    // Whether someone holds the lock now. Takes it and lets it go at once, so it never
    // keeps a holder out for longer than the call.
    static bool isHeld(const std::string& name);

    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    const std::string& path() const { return path_; }

private:
    InstanceLock(int fd, std::string path);

    int fd_;
    std::string path_;
};
