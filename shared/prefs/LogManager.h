#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

// The process-wide log. Every line goes to standard output; while file logging
// is enabled it is also queued (at most 1,000 lines) for a writer thread that
// appends the queue to a dated file once a second.
class LogManager {
public:
    static LogManager& instance();

    // Public so that tests can own a log of their own; programs use instance().
    LogManager();
    virtual ~LogManager();
    LogManager(const LogManager&) = delete;
    LogManager& operator=(const LogManager&) = delete;

    // Levels: 'E' error, 'W' warning. User text only ever goes through "%s".
    void log(char level, const char* format, ...) __attribute__((format(printf, 3, 4)));

    void setEnabled(bool enabled);
    bool isEnabled() const;
    // Takes effect at the first open of the file; the name is fixed after that.
    void setLogDirectory(const std::string& directory);
    // Full path of the log file, empty until the first open.
    std::string logFilePath() const;

    void flushToFile();

private:
    void writerLoop();
    // ... implementation members
};
