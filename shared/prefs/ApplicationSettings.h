#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// The program-wide settings that belong to no controller (language, install
// folder, update and sync permissions, file logging, cloud environment,
// theme), kept in the INI file "ApplicationSettings.ini", plus the build's
// version read from the program's stamp strings.
//
// Both programs read the file, only the configuration program writes it. No
// lock: setters run on one thread, the others only read.
class ApplicationSettings {
public:
    // The release process writes the digits into each program's stamp strings,
    // so the shared code only knows how to read them.
    struct VersionStamp {
        int32_t majorVersion = 0;
        int32_t minorVersion = 0;
        int32_t patchVersion = 0;
        int32_t buildNumber = 0;
        bool operator==(const VersionStamp&) const = default;
    };

    // The settings of "ApplicationSettings.ini" in the settings folder. The
    // version stays 0.0.0 until the program hands over its stamps.
    static ApplicationSettings& instance();

    // A settings object bound to the file at settingsFilePath; an empty path
    // stands for the file in the settings folder, looked up at each use so
    // that the folder may be set up after the object exists.
    explicit ApplicationSettings(std::string settingsFilePath);
    ApplicationSettings(const ApplicationSettings&) = delete;
    ApplicationSettings& operator=(const ApplicationSettings&) = delete;

    // Each program calls this once at start with its own stamp strings.
    void setVersionStamps(std::string_view versionStamp, std::string_view buildStamp);
    // A field that does not parse reads as 0 (0.0.0 for the version).
    static VersionStamp parseVersionStamp(std::string_view versionStamp,
                                          std::string_view buildStamp);

    std::string settingsFilePath() const;

    // A missing file leaves every value as it is and is no failure; false
    // (logged) only when an existing file cannot be read.
    bool load();
    // Applies every line of in, as load() does with the file's lines.
    void parseLines(std::istream& in);
    // Applies one "key=value" line; unknown keys and bad values change nothing.
    void parseLine(std::string_view line);
    // Replaces the file atomically with toText(); false (logged) on failure.
    bool save() const;
    // The file's contents as save() writes them.
    std::string toText() const;

    int32_t language() const { return language_; }
    std::string installDir() const { return installDir_; }
    bool downloadPermission() const { return downloadPermission_; }
    bool installPermission() const { return installPermission_; }
    bool softwareCheckForUpdatesPermission() const { return softwareCheckForUpdatesPermission_; }
    int32_t softwareCheckForUpdatesInterval() const { return softwareCheckForUpdatesInterval_; }
    std::vector<int32_t> softwareCheckForUpdatesIntervals() const;
    int32_t softwareCheckForNotificationsInterval() const {
        return softwareCheckForNotificationsInterval_;
    }
    std::vector<int32_t> softwareCheckForNotificationsIntervals() const;
    bool softwareConfigSyncPermission() const { return softwareConfigSyncPermission_; }
    bool enableLogging() const { return enableLogging_; }
    std::string logDir() const { return logDir_; }
    // 0 production, 1 test, 2 local.
    int32_t cloudEnv() const { return cloudEnv_; }
    int32_t uiTheme() const { return uiTheme_; }

    // "3.1.0" and "31" for stamps "00003.00001.00000" and "00031".
    std::string versionString() const;
    std::string buildString() const;

    // Each setter saves the file at once when it changes the value and does
    // nothing otherwise. A failed save is logged; the new value stays in memory.
    // The interval is deliberately not checked against the allowed list.
    void setSoftwareCheckForUpdatesInterval(int32_t seconds);
    void setSoftwareCheckForUpdatesPermission(bool permission);
    void setSoftwareConfigSyncPermission(bool permission);
    void setDownloadPermission(bool permission);
    void setInstallPermission(bool permission);
    // Refuses themes other than 0 and 1; returns whether the theme changed.
    bool setUiTheme(int32_t theme);
    // Also saves an unchanged language when the file does not exist yet, so
    // that the first language choice always leaves a settings file behind.
    void setLanguage(int32_t language);

private:
    template <typename T>
    bool update(T& field, T value);
    void applyValue(std::string_view key, const std::string& value);
    void applyNumber(std::string_view key, int32_t number);

    std::string settingsFilePath_;
    int32_t language_ = 0;
    std::string installDir_;
    VersionStamp version_;
    bool downloadPermission_ = false;
    bool installPermission_ = false;
    bool softwareCheckForUpdatesPermission_ = true;
    int32_t softwareCheckForUpdatesInterval_ = 86400;
    int32_t softwareCheckForNotificationsInterval_ = 300;
    bool softwareConfigSyncPermission_ = true;
    bool enableLogging_ = false;
    std::string logDir_;
    int32_t cloudEnv_ = 0;
    int32_t uiTheme_ = 0;
};
