#pragma once

#include <atomic>
#include <chrono>
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

    // Public so that tests can own a log of their own (with a writer that only
    // flushes when woken); programs use instance().
    explicit LogManager(std::chrono::milliseconds flushInterval = std::chrono::seconds(1));
    virtual ~LogManager();
    LogManager(const LogManager&) = delete;
    LogManager& operator=(const LogManager&) = delete;

    // Levels: 'E' error, 'W' warning. User text only ever goes through "%s".
    void log(char level, const char* format, ...) __attribute__((format(printf, 3, 4)));

    void setEnabled(bool enabled);
    bool isEnabled() const;
    // Takes effect at the first open of the file; the name is fixed after that.
    void setLogDirectory(const std::string& directory);
    // The folder of the file when no log folder is set; start-up hands it over once it has
    // found the settings folder. The log keeps its own copy because its last flush, at exit,
    // may come after the paths' own statics are gone.
    void setSettingsDirectory(const std::string& directory);
    // Full path of the log file, empty until the first open.
    std::string logFilePath() const;

    // Appends the queued lines to the file, opening it first if needed; after
    // more than five failed opens, file logging switches itself off.
    void flushToFile();

private:
    void writerLoop();
    void stopWriter();
    bool openFile();
    void countFailure();

    const std::chrono::milliseconds flushInterval_;
    std::atomic<bool> enabled_{false};
    // Serialises switching on and off with each other and with destruction.
    std::mutex switchLock_;
    std::thread writer_;
    // Guards the queue, the folder and the file name; the writer waits on it.
    mutable std::mutex lock_;
    std::condition_variable wake_;
    std::deque<std::string> queue_;
    std::string fileName_;
    std::string directory_;
    std::string settingsDirectory_;
    // Guards the file and the failure count, so that a flush called from
    // outside never overlaps the writer's.
    std::mutex fileLock_;
    std::ofstream file_;
    int failures_ = 0;
};
