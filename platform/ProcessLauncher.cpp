#include "platform/ProcessLauncher.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>

#include "shared/prefs/LogManager.h"

extern char** environ;

namespace {

constexpr size_t kReadChunk = 4096;
constexpr char kDefaultPath[] = "/usr/local/bin:/usr/bin:/bin";

class WordSplitter {
public:
    explicit WordSplitter(const std::string& text) : text_(text) {}

    std::optional<std::vector<std::string>> split() {
        while (at_ < text_.size()) {
            if (!step()) {
                return std::nullopt;
            }
        }
        if (quote_ != '\0') {
            return std::nullopt;
        }
        endWord();
        return std::move(words_);
    }

private:
    bool step() {
        const char c = text_[at_++];
        if (quote_ == '\'') {
            inSingleQuotes(c);
        } else if (quote_ == '"') {
            inDoubleQuotes(c);
        } else if (c == ' ' || c == '\t' || c == '\n') {
            endWord();
        } else if (c == '\\') {
            return escape();
        } else if (c == '\'' || c == '"') {
            inWord_ = true;
            quote_ = c;
        } else {
            inWord_ = true;
            word_.push_back(c);
        }
        return true;
    }

    void inSingleQuotes(char c) {
        if (c == '\'') {
            quote_ = '\0';
        } else {
            word_.push_back(c);
        }
    }

    void inDoubleQuotes(char c) {
        const bool escapes =
            c == '\\' && at_ < text_.size() && std::strchr("$`\"\\\n", text_[at_]) != nullptr;
        if (c == '"') {
            quote_ = '\0';
        } else if (!escapes) {
            word_.push_back(c);
        } else if (text_[at_++] != '\n') {
            word_.push_back(text_[at_ - 1]);
        }
    }

    // A backslash before a line end joins the lines; before anything else it keeps that
    // character as it is.
    bool escape() {
        if (at_ >= text_.size()) {
            return false;
        }
        const char next = text_[at_++];
        if (next != '\n') {
            inWord_ = true;
            word_.push_back(next);
        }
        return true;
    }

    void endWord() {
        if (inWord_) {
            words_.push_back(std::move(word_));
            word_.clear();
            inWord_ = false;
        }
    }

    const std::string& text_;
    size_t at_ = 0;
    char quote_ = '\0';
    bool inWord_ = false;
    std::string word_;
    std::vector<std::string> words_;
};

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::string findProgram(const std::string& program) {
    if (program.find('/') != std::string::npos) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(program, error);
        return error ? program : absolute.lexically_normal().string();
    }
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : kDefaultPath;
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + program;
        if (isExecutableFile(candidate)) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

// A program named without a folder is looked up on $PATH, as a shell would. Empty (logged) when
// there is no such program.
std::string resolveProgram(const std::string& program) {
    std::string path = findProgram(program);
    if (path.empty()) {
        LogManager::instance().log('E', "Cannot find the program \"%s\"", program.c_str());
    }
    return path;
}

class SpawnSettings {
public:
    SpawnSettings() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attributes_);
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        // The child must not inherit what this process blocks or ignores, nor its group, so
        // that a Ctrl+C meant for this process does not reach it.
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setsigdefault(&attributes_, &all);
        posix_spawnattr_setpgroup(&attributes_, 0);
        posix_spawnattr_setflags(
            &attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    void setFolder(const std::string& folder) {
        posix_spawn_file_actions_addchdir_np(&actions_, folder.c_str());
    }
    void setOutput(int fd) {
        posix_spawn_file_actions_adddup2(&actions_, fd, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions_, fd, STDERR_FILENO);
    }

    // The process id, or -1 (logged).
    pid_t spawn(const std::string& path, const std::vector<std::string>& words) {
        std::vector<char*> argv;
        for (const std::string& word : words) {
            argv.push_back(const_cast<char*>(word.c_str()));
        }
        argv.push_back(nullptr);
        pid_t pid = -1;
        const int error =
            posix_spawn(&pid, path.c_str(), &actions_, &attributes_, argv.data(), environ);
        if (error != 0) {
            LogManager::instance().log('E', "Cannot start %s: %s", path.c_str(),
                                       std::strerror(error));
            return -1;
        }
        return pid;
    }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

std::optional<std::vector<std::string>> splitLogged(const std::string& text) {
    std::optional<std::vector<std::string>> words = ProcessLauncher::splitWords(text);
    if (!words) {
        LogManager::instance().log('E', "Unterminated quote or escape in the command \"%s\"",
                                   text.c_str());
    }
    return words;
}

int waitFor(pid_t pid) {
    int status = 0;
    pid_t got = 0;
    while ((got = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    if (got != pid) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// The programs left to reapExited(). The lock is held from the spawn until the id is in
// the set, so a reap that runs as soon as the program has ended still finds it.
struct CallerReapedPrograms {
    std::mutex lock;
    std::set<pid_t> pids;
};

CallerReapedPrograms& callerReapedPrograms() {
    static CallerReapedPrograms programs;
    return programs;
}

// True once the program is collected (or is no child of this process any more).
bool reapIfEnded(pid_t pid) {
    pid_t got = 0;
    while ((got = waitpid(pid, nullptr, WNOHANG)) < 0 && errno == EINTR) {
    }
    return got != 0;
}

void reapInBackground(pid_t pid) {
    try {
        std::thread([pid] { waitFor(pid); }).detach();
    } catch (const std::system_error& error) {
        LogManager::instance().log('E', "Cannot wait for process %d: %s", static_cast<int>(pid),
                                   error.what());
    }
}

// Reads a command's output until it has ended and its output is drained, or time runs out.
class OutputCollector {
public:
    OutputCollector(int readFd, int pidFd, const ProcessLauncher::Limits& limits)
        : readFd_(readFd),
          pidFd_(pidFd),
          limits_(limits),
          deadline_(std::chrono::steady_clock::now() + limits.time) {}

    // False when the time limit came first.
    bool collect(ProcessLauncher::CommandResult& result) {
        while (!exited_ || open_) {
            if (exited_) {
                // What the command wrote is in the pipe now; a child of it that keeps the
                // pipe open is not waited for.
                drain(result);
                return true;
            }
            if (!waitForActivity(result)) {
                return false;
            }
        }
        return true;
    }

private:
    bool waitForActivity(ProcessLauncher::CommandResult& result) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline_ - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd fds[2] = {{pidFd_, POLLIN, 0}, {open_ ? readFd_ : -1, POLLIN, 0}};
        const int ready = poll(fds, 2, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        exited_ = exited_ || (fds[0].revents != 0);
        if (fds[1].revents != 0) {
            drain(result);
        }
        return true;
    }

    // Reads what the pipe holds now; the end of the output closes it.
    void drain(ProcessLauncher::CommandResult& result) {
        char chunk[kReadChunk];
        while (open_) {
            const ssize_t got = read(readFd_, chunk, sizeof chunk);
            if (got > 0) {
                keep(result, chunk, static_cast<size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                open_ = got != 0 && errno == EAGAIN;
                return;
            }
        }
    }

    void keep(ProcessLauncher::CommandResult& result, const char* data, size_t size) {
        const size_t room = limits_.outputBytes - result.output.size();
        result.output.append(data, std::min(room, size));
        result.truncated = result.truncated || size > room;
    }

    const int readFd_;
    const int pidFd_;
    const ProcessLauncher::Limits& limits_;
    const std::chrono::steady_clock::time_point deadline_;
    bool exited_ = false;
    bool open_ = true;
};

ProcessLauncher::CommandResult collectAndReap(pid_t pid, int readFd,
                                              const ProcessLauncher::Limits& limits) {
    ProcessLauncher::CommandResult result;
    // Through syscall(): this C library's header declares pidfd_open without C linkage.
    const int pidFd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidFd < 0) {
        LogManager::instance().log('E', "Cannot follow process %d: %s", static_cast<int>(pid),
                                   std::strerror(errno));
    }
    result.finished = pidFd >= 0 && OutputCollector(readFd, pidFd, limits).collect(result);
    if (!result.finished) {
        kill(-pid, SIGKILL);
    }
    result.exitStatus = waitFor(pid);
    if (pidFd >= 0) {
        close(pidFd);
    }
    return result;
}

}  // namespace

std::optional<std::vector<std::string>> ProcessLauncher::splitWords(const std::string& text) {
    return WordSplitter(text).split();
}

pid_t ProcessLauncher::launch(const std::string& program, const std::string& arguments,
                              Reaping reaping) {
    std::optional<std::vector<std::string>> words = splitLogged(arguments);
    if (!words) {
        return -1;
    }
    words->insert(words->begin(), program);
    return launch(*words, reaping);
}

pid_t ProcessLauncher::launch(const std::vector<std::string>& command, Reaping reaping) {
    const std::string path = command.empty() ? std::string() : resolveProgram(command.front());
    if (path.empty()) {
        return -1;
    }
    SpawnSettings settings;
    settings.setFolder(std::filesystem::path(path).parent_path().string());
    CallerReapedPrograms& programs = callerReapedPrograms();
    std::unique_lock registering(programs.lock, std::defer_lock);
    if (reaping == Reaping::ByCaller) {
        registering.lock();
    }
    const pid_t pid = settings.spawn(path, command);
    if (pid > 0 && reaping == Reaping::ByCaller) {
        programs.pids.insert(pid);
    } else if (pid > 0) {
        reapInBackground(pid);
    }
    return pid;
}

void ProcessLauncher::reapExited() {
    CallerReapedPrograms& programs = callerReapedPrograms();
    std::lock_guard guard(programs.lock);
    std::erase_if(programs.pids, reapIfEnded);
}

ProcessLauncher::CommandResult ProcessLauncher::runHiddenCommand(const std::string& commandLine,
                                                                 const Limits& limits) {
    const std::optional<std::vector<std::string>> words = splitLogged(commandLine);
    const std::string path = words && !words->empty() ? resolveProgram(words->front()) : "";
    int fds[2];
    if (path.empty() || pipe2(fds, O_CLOEXEC) != 0) {
        return {};
    }
    // Only this end: the command's output must block when the pipe is full, not fail.
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    SpawnSettings settings;
    settings.setOutput(fds[1]);
    const pid_t pid = settings.spawn(path, *words);
    close(fds[1]);
    CommandResult result = pid > 0 ? collectAndReap(pid, fds[0], limits) : CommandResult{};
    close(fds[0]);
    if (pid > 0 && !result.finished) {
        LogManager::instance().log('W', "Stopped the command \"%s\": it ran past %lld ms",
                                   commandLine.c_str(),
                                   static_cast<long long>(limits.time.count()));
    }
    return result;
}
