#include "shared/prefs/LogManager.h"

#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <system_error>

namespace {

constexpr std::size_t kMessageBufferSize = 2048;
constexpr std::size_t kMaxQueuedLines = 1000;
constexpr int kMaxOpenFailures = 5;

// The log whose writer runs on this thread, so that the writer never joins itself.
thread_local const LogManager* writerOfThisThread = nullptr;

std::string now(const char* format) {
    const std::time_t when = std::time(nullptr);
    std::tm fields{};
    localtime_r(&when, &fields);
    char text[64] = {};
    const std::size_t length = std::strftime(text, sizeof text, format, &fields);
    return std::string(text, length);
}

// The file adds its own line end, so a message's own ones would double it.
void dropLineEnds(std::string& message) {
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
}

}  // namespace

LogManager& LogManager::instance() {
    static LogManager log;
    return log;
}

LogManager::LogManager(std::chrono::milliseconds flushInterval) : flushInterval_(flushInterval) {}

LogManager::~LogManager() {
    std::lock_guard guard(switchLock_);
    stopWriter();
    std::lock_guard fileGuard(fileLock_);
    file_.close();
}

void LogManager::log(char level, const char* format, ...) {
    char buffer[kMessageBufferSize] = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::string message(buffer);
    dropLineEnds(message);

    std::string line = now("%Y-%m-%d %H:%M:%S");
    line += "  " + std::to_string(getpid()) + " " + std::to_string(gettid()) + " ";
    line += level;
    line += ": " + message;

    // One call per line keeps lines of different threads from interleaving.
    std::fprintf(stdout, "%s\n", line.c_str());
    std::fflush(stdout);

    if (!enabled_) {
        return;
    }
    std::lock_guard guard(lock_);
    if (queue_.size() < kMaxQueuedLines) {
        queue_.push_back(std::move(line));
    }
}

void LogManager::setEnabled(bool enabled) {
    if (writerOfThisThread == this) {
        // The writer cannot join (or restart) itself: a switch off only makes
        // it leave its loop, and the next switch on or destruction joins it.
        if (!enabled) {
            std::lock_guard guard(lock_);
            enabled_ = false;
        }
        return;
    }
    std::lock_guard guard(switchLock_);
    if (enabled_ == enabled) {
        return;
    }
    // Also joins a writer that gave up on its own.
    stopWriter();
    if (!enabled) {
        return;
    }
    {
        std::lock_guard fileGuard(fileLock_);
        failures_ = 0;
    }
    enabled_ = true;
    try {
        writer_ = std::thread(&LogManager::writerLoop, this);
    } catch (const std::system_error& error) {
        enabled_ = false;
        log('E', "Cannot start the log writer: %s", error.what());
    }
}

bool LogManager::isEnabled() const {
    return enabled_;
}

void LogManager::setLogDirectory(const std::string& directory) {
    std::lock_guard guard(lock_);
    directory_ = directory;
}

void LogManager::setSettingsDirectory(const std::string& directory) {
    std::lock_guard guard(lock_);
    settingsDirectory_ = directory;
}

std::string LogManager::logFilePath() const {
    std::lock_guard guard(lock_);
    return fileName_;
}

void LogManager::flushToFile() {
    std::lock_guard fileGuard(fileLock_);
    std::deque<std::string> lines;
    {
        std::lock_guard guard(lock_);
        lines.swap(queue_);
    }
    if (!openFile()) {
        countFailure();
        return;
    }
    for (const std::string& line : lines) {
        file_ << line << '\n';
    }
    file_.flush();
}

void LogManager::writerLoop() {
    writerOfThisThread = this;
    std::unique_lock guard(lock_);
    bool stopping = false;
    // Always flushes once after the switch off, even when that came before
    // this thread got going, so no line queued while enabled is left behind.
    while (!stopping) {
        wake_.wait_for(guard, flushInterval_, [this] { return !enabled_; });
        stopping = !enabled_;
        guard.unlock();
        flushToFile();
        guard.lock();
    }
}

// Callers hold switchLock_.
void LogManager::stopWriter() {
    {
        std::lock_guard guard(lock_);
        enabled_ = false;
    }
    wake_.notify_all();
    if (writer_.joinable()) {
        writer_.join();
    }
}

// Callers hold fileLock_. A stream broken by a failed write is reopened.
bool LogManager::openFile() {
    if (file_.is_open() && file_.good()) {
        return true;
    }
    file_.close();
    file_.clear();
    std::string name;
    {
        std::lock_guard guard(lock_);
        if (fileName_.empty()) {
            const std::string folder = directory_.empty() ? settingsDirectory_ : directory_;
            // Before start-up has found the settings folder there is nowhere to write.
            if (folder.empty()) {
                return false;
            }
            fileName_ = folder + "/pelvanelogging" + now("_%Y%m%d%H%M%S.log");
        }
        name = fileName_;
    }
    file_.open(name, std::ios::out | std::ios::app);
    return file_.is_open() && file_.good();
}

// Callers hold fileLock_.
void LogManager::countFailure() {
    if (++failures_ <= kMaxOpenFailures) {
        return;
    }
    bool wasEnabled = false;
    {
        std::lock_guard guard(lock_);
        wasEnabled = enabled_.exchange(false);
    }
    wake_.notify_all();
    if (wasEnabled) {
        log('W', "Cannot open log file %s, file logging off", logFilePath().c_str());
    }
}
