#pragma once

#include <atomic>
#include <cstdint>

// A multi-step cloud operation that walks numbered states, one step per call of its run
// function. Its manager deletes it only while no call is inside it: every call in holds a
// guard.
class UpProcedure {
public:
    static constexpr uint32_t kUpdateType = 0;

    explicit UpProcedure(uint32_t typeId) : typeId_(typeId) {}
    virtual ~UpProcedure() = default;
    UpProcedure(const UpProcedure&) = delete;
    UpProcedure& operator=(const UpProcedure&) = delete;

    uint32_t typeId() const { return typeId_; }
    virtual void start() {}
    // Both read without taking the procedure's lock, so that the manager may ask under its own
    // lock, also from within the procedure's own notification.
    virtual bool isRunning() const { return false; }
    // Created but never started.
    virtual bool isIdle() const { return false; }

    bool isUnguarded() const { return guards_.load() < 1; }
    void addGuard() { guards_.fetch_add(1); }
    // Never below 0.
    void releaseGuard();

private:
    const uint32_t typeId_;
    std::atomic<int32_t> guards_{0};
};
