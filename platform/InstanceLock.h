#pragma once

#include <memory>
#include <string>

// A named single-instance lock: an exclusive flock() on the file `name` in the runtime
// folder. The lock goes with the open file, so it ends with the holder's process however
// that ends, and the file is never removed (removing it would let a second holder lock a
// fresh file while the first still holds the old one).
class InstanceLock {
public:
    enum class Refusal {
        None,
        // Another process holds the lock: that instance runs.
        HeldElsewhere,
        // The lock cannot be made (the runtime folder is missing, not a folder or not
        // writable); logged with the folder's name.
        Unusable,
    };

    // Takes the lock; null when someone else holds it or the lock file cannot be made, and
    // then `refusal`, when given, tells which. Hold the object for as long as the instance
    // should count as running.
    static std::unique_ptr<InstanceLock> acquire(const std::string& name,
                                                 Refusal* refusal = nullptr);
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
