#include "shared/prefs/Paths.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>
#include <system_error>

#include "shared/prefs/LogManager.h"

namespace {

constexpr std::string_view kSettingsFolderName = "PelvaneDesignMediaControllerSoftware";
constexpr std::string_view kCacheFolderName = "PelvaneCache";
constexpr std::size_t kExecutablePathBufferSize = 10240;
// A path this long may have been cut by the buffer, so it is not trusted.
constexpr std::size_t kExecutablePathLimit = 10238;

// Written by initializeGlobals() at start-up and read from any thread after;
// the lock only matters when start-up runs again (as tests do).
struct Globals {
    std::mutex lock;
    std::string settingsDirectory;
    std::string executableDirectory;
};

Globals& globals() {
    static Globals instance;
    return instance;
}

// The log gets a copy of its own: its last flush, at exit, may come after these are gone.
void setGlobals(const std::string& settings, std::string executable) {
    LogManager::instance().setSettingsDirectory(settings);
    Globals& g = globals();
    std::lock_guard guard(g.lock);
    g.settingsDirectory = settings;
    g.executableDirectory = std::move(executable);
}

std::string join(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += '/';
    path += name;
    return path;
}

// Relative values are ignored, as the XDG base-directory rules require.
std::optional<std::string> absoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') {
        return std::nullopt;
    }
    return std::string(value);
}

std::string applicationDataFolder() {
    if (auto xdg = absoluteEnv("XDG_DATA_HOME")) {
        return *xdg;
    }
    if (auto home = absoluteEnv("HOME")) {
        return join(*home, ".local/share");
    }
    return {};
}

// Used only when the environment names no data folder: a per-user folder in
// the temporary directory, so that nothing is ever created at the root.
std::string fallbackDataFolder() {
    std::error_code error;
    std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    if (error) {
        temp = "/tmp";
    }
    return join(temp.string(), "pelvane-" + std::to_string(getuid()));
}

// The executable's folder with its trailing "/", or nullopt when the path is
// too long to trust.
std::optional<std::string> executableDirectoryOfProcess() {
    std::array<char, kExecutablePathBufferSize> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    const std::size_t used = length > 0 ? static_cast<std::size_t>(length) : 0;
    if (used >= kExecutablePathLimit) {
        return std::nullopt;
    }
    std::string path(buffer.data(), used);
    // npos + 1 wraps to 0: a path without any "/" leaves nothing.
    path.erase(path.rfind('/') + 1);
    return path;
}

bool isDirectory(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

// Failures show up in the callers' checks and their own write errors.
void createDirectories(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error) {
        LogManager::instance().log('W', "Cannot create %s: %s", path.c_str(),
                                   error.message().c_str());
    }
}

}  // namespace

void initializeGlobals() {
    std::string dataFolder = applicationDataFolder();
    const std::optional<std::string> executable = executableDirectoryOfProcess();
    if (!executable) {
        setGlobals(dataFolder, {});
        return;
    }
    if (dataFolder.empty()) {
        LogManager::instance().log('W', "Invalid settings path!");
        dataFolder = fallbackDataFolder();
    }
    const std::string settings = join(dataFolder, kSettingsFolderName);
    setGlobals(settings, *executable);
    if (!isDirectory(settings)) {
        createDirectories(settings);
    }
    if (!isDirectory(settings)) {
        LogManager::instance().log('W', "Settings dir does not exists!");
    }
    ensureCacheDir();
}

void ensureCacheDir() {
    const std::string cache = cacheDirectory();
    if (!isDirectory(cache)) {
        createDirectories(cache);
    }
}

std::string settingsDirectory() {
    Globals& g = globals();
    std::lock_guard guard(g.lock);
    return g.settingsDirectory;
}

std::string cacheDirectory() {
    return join(settingsDirectory(), kCacheFolderName);
}

std::string defaultPreferencesFilePath() {
    return join(settingsDirectory(), "pelvane_default.json");
}

std::string profileBindFilePath() {
    return join(settingsDirectory(), "pelvane_profile_bind.json");
}

std::string backupPreferencesFilePath() {
    Globals& g = globals();
    std::lock_guard guard(g.lock);
    return g.executableDirectory + "pelvane_default_backup.json";
}

std::string refreshTokenFilePath() {
    return join(cacheDirectory(), "authr");
}

std::string executableDirectory() {
    return executableDirectoryOfProcess().value_or(std::string());
}
