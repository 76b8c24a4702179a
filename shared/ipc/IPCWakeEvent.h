#pragma once

#include <chrono>

// An event that cuts short the poll of a link's thread: stop() (and on the
// server, a broadcast that leaves work for the thread) signals it, the thread
// drains it. Without the event (its creation failed and was logged) the
// thread only notices at the end of its current wait.
class IPCWakeEvent {
public:
    IPCWakeEvent();
    ~IPCWakeEvent();
    IPCWakeEvent(const IPCWakeEvent&) = delete;
    IPCWakeEvent& operator=(const IPCWakeEvent&) = delete;

    // For a poll set; -1, which poll skips, when there is no event.
    int fd() const { return fd_; }
    void signal();
    void drain();
    // True when signalled before the timeout ran out.
    bool waitFor(std::chrono::milliseconds timeout);

    // The timeout argument of poll for a duration.
    static int pollTimeout(std::chrono::milliseconds duration);

private:
    int fd_;
};
