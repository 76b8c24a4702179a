#include "shared/prefs/ApplicationSettings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <istream>
#include <optional>

#include "shared/prefs/AtomicWrite.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/LogManager.h"
#include "shared/prefs/NameTables.h"
#include "shared/prefs/Paths.h"
#include "shared/prefs/TextUtils.h"

namespace {

constexpr std::array<int32_t, 4> kUpdateCheckIntervals = {43200, 86400, 172800, 259200};
// 0 turns the notification check off.
constexpr std::array<int32_t, 5> kNotificationCheckIntervals = {0, 300, 600, 900, 1200};

constexpr std::string_view kVersionStart = "####STAMP_START####";
constexpr std::string_view kVersionEnd = "####STAMP_END####";
constexpr size_t kVersionWidth = 17;
constexpr std::string_view kBuildStart = "####STAMP_B_START####";
constexpr std::string_view kBuildEnd = "####STAMP_B_END####";
constexpr size_t kBuildWidth = 5;

template <size_t N>
bool isAllowed(const std::array<int32_t, N>& allowed, int32_t value) {
    return std::ranges::find(allowed, value) != allowed.end();
}

// Reads like strtol (leading blanks, a sign, digits, anything after them
// ignored), but a text without digits or a number outside 32 bits gives no
// value instead of 0 or a clipped one.
std::optional<int32_t> parseInteger(std::string_view text) {
    const auto start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(start);
    // from_chars takes '-' but not '+'; "+-1" must not slip through as -1.
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-') {
            return std::nullopt;
        }
    }
    int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

std::optional<int32_t> parseDigits(std::string_view text) {
    const bool digitsOnly =
        !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
    return digitsOnly ? parseInteger(text) : std::nullopt;
}

// The field between the markers, when the end marker starts exactly width
// characters behind the start marker.
std::optional<std::string_view> stampField(std::string_view stamp, std::string_view startMarker,
                                           std::string_view endMarker, size_t width) {
    const auto start = stamp.find(startMarker);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    const auto field = start + startMarker.size();
    if (stamp.find(endMarker) != field + width) {
        return std::nullopt;
    }
    return stamp.substr(field, width);
}

// Three runs of digits joined by single dots, nothing else.
std::optional<std::array<int32_t, 3>> parseVersionText(std::string_view text) {
    std::array<int32_t, 3> parts{};
    for (size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const auto end = last ? text.size() : text.find('.');
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        const auto value = parseDigits(text.substr(0, end));
        if (!value) {
            return std::nullopt;
        }
        parts[i] = *value;
        text.remove_prefix(last ? end : end + 1);
    }
    return parts;
}

std::string flag(bool value) {
    return value ? "1" : "0";
}

}  // namespace

ApplicationSettings& ApplicationSettings::instance() {
    static ApplicationSettings settings{std::string()};
    return settings;
}

ApplicationSettings::ApplicationSettings(std::string settingsFilePath)
    : settingsFilePath_(std::move(settingsFilePath)) {}

void ApplicationSettings::setVersionStamps(std::string_view versionStamp,
                                           std::string_view buildStamp) {
    version_ = parseVersionStamp(versionStamp, buildStamp);
}

ApplicationSettings::VersionStamp ApplicationSettings::parseVersionStamp(
    std::string_view versionStamp, std::string_view buildStamp) {
    VersionStamp stamp;
    const auto versionText = stampField(versionStamp, kVersionStart, kVersionEnd, kVersionWidth);
    if (const auto parts = versionText ? parseVersionText(*versionText) : std::nullopt) {
        stamp.majorVersion = (*parts)[0];
        stamp.minorVersion = (*parts)[1];
        stamp.patchVersion = (*parts)[2];
    }
    const auto buildText = stampField(buildStamp, kBuildStart, kBuildEnd, kBuildWidth);
    stamp.buildNumber = buildText ? parseDigits(*buildText).value_or(0) : 0;
    return stamp;
}

std::string ApplicationSettings::settingsFilePath() const {
    return settingsFilePath_.empty() ? settingsDirectory() + "/ApplicationSettings.ini"
                                     : settingsFilePath_;
}

bool ApplicationSettings::load() {
    const auto path = settingsFilePath();
    if (!fileExists(path)) {
        return true;
    }
    std::ifstream in(path);
    if (in) {
        parseLines(in);
    }
    if (!in.is_open() || in.bad()) {
        LogManager::instance().log('E', "Unable to read settings file %s", path.c_str());
        return false;
    }
    return true;
}

void ApplicationSettings::parseLines(std::istream& in) {
    // Whole lines, however long: install and log folders may be long paths.
    for (std::string line; std::getline(in, line);) {
        parseLine(line);
    }
}

void ApplicationSettings::parseLine(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    std::string key(line.substr(0, equals));
    std::string value(line.substr(equals + 1));
    trim(key);
    trim(value);
    applyValue(toLowerAscii(key), value);
}

void ApplicationSettings::applyValue(std::string_view key, const std::string& value) {
    if (key == "language") {
        language_ = languageIndexFromCode(value);
    } else if (key == "installdir") {
        installDir_ = value;
    } else if (key == "enablelogging") {
        enableLogging_ = toLowerAscii(value).starts_with("true");
    } else if (key == "logdir") {
        logDir_ = value;
    } else if (key == "cloudenv") {
        cloudEnv_ = equalsIgnoreCase(value, "TEST") ? 1 : equalsIgnoreCase(value, "LOCAL") ? 2 : 0;
    } else if (const auto number = parseInteger(value)) {
        applyNumber(key, *number);
    }
}

void ApplicationSettings::applyNumber(std::string_view key, int32_t number) {
    if (key == "installpermission") {
        installPermission_ = number != 0;
    } else if (key == "downloadpermission") {
        downloadPermission_ = number != 0;
    } else if (key == "softwarecheckforupdatespermission") {
        softwareCheckForUpdatesPermission_ = number != 0;
    } else if (key == "softwareconfigsyncpermission") {
        softwareConfigSyncPermission_ = number != 0;
    } else if (key == "softwarecheckforupdatesinterval" &&
               isAllowed(kUpdateCheckIntervals, number)) {
        softwareCheckForUpdatesInterval_ = number;
    } else if (key == "softwarecheckfornotificationsinterval" &&
               isAllowed(kNotificationCheckIntervals, number)) {
        softwareCheckForNotificationsInterval_ = number;
    } else if (key == "uitheme" && (number == 0 || number == 1)) {
        uiTheme_ = number;
    }
}

std::string ApplicationSettings::toText() const {
    std::string text = "[ApplicationSettings]\n";
    const auto line = [&text](std::string_view key, std::string_view value) {
        text.append(key).append(value).append("\n");
    };
    line("Language=", languageCodeFromIndex(language_));
    line("InstallDir=", installDir_);
    line("DownloadPermission=", flag(downloadPermission_));
    line("InstallPermission=", flag(installPermission_));
    line("SoftwareCheckForUpdatesPermission=", flag(softwareCheckForUpdatesPermission_));
    line("SoftwareCheckForUpdatesInterval=", std::to_string(softwareCheckForUpdatesInterval_));
    line("SoftwareCheckForNotificationsInterval=",
         std::to_string(softwareCheckForNotificationsInterval_));
    line("SoftwareConfigSyncPermission=", flag(softwareConfigSyncPermission_));
    line("UiTheme=", std::to_string(uiTheme_));
    if (enableLogging_) {
        line("EnableLogging=", "True");
    }
    if (!logDir_.empty()) {
        line("LogDir=", logDir_);
    }
    if (cloudEnv_ == 1 || cloudEnv_ == 2) {
        line("CloudEnv=", cloudEnv_ == 1 ? "TEST" : "LOCAL");
    }
    return text;
}

bool ApplicationSettings::save() const {
    return writeFileAtomically(settingsFilePath(), toText());
}

std::vector<int32_t> ApplicationSettings::softwareCheckForUpdatesIntervals() const {
    return {kUpdateCheckIntervals.begin(), kUpdateCheckIntervals.end()};
}

std::vector<int32_t> ApplicationSettings::softwareCheckForNotificationsIntervals() const {
    return {kNotificationCheckIntervals.begin(), kNotificationCheckIntervals.end()};
}

std::string ApplicationSettings::versionString() const {
    return std::to_string(version_.majorVersion) + "." + std::to_string(version_.minorVersion) +
           "." + std::to_string(version_.patchVersion);
}

std::string ApplicationSettings::buildString() const {
    return std::to_string(version_.buildNumber);
}

template <typename T>
bool ApplicationSettings::update(T& field, T value) {
    if (field == value) {
        return false;
    }
    field = value;
    save();
    return true;
}

void ApplicationSettings::setSoftwareCheckForUpdatesInterval(int32_t seconds) {
    update(softwareCheckForUpdatesInterval_, seconds);
}

void ApplicationSettings::setSoftwareCheckForUpdatesPermission(bool permission) {
    update(softwareCheckForUpdatesPermission_, permission);
}

void ApplicationSettings::setSoftwareConfigSyncPermission(bool permission) {
    update(softwareConfigSyncPermission_, permission);
}

void ApplicationSettings::setDownloadPermission(bool permission) {
    update(downloadPermission_, permission);
}

void ApplicationSettings::setInstallPermission(bool permission) {
    update(installPermission_, permission);
}

bool ApplicationSettings::setUiTheme(int32_t theme) {
    if (static_cast<uint32_t>(theme) > 1) {
        return false;
    }
    return update(uiTheme_, theme);
}

void ApplicationSettings::setLanguage(int32_t language) {
    if (!update(language_, language) && !fileExists(settingsFilePath())) {
        save();
    }
}
