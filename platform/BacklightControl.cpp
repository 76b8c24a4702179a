#include "platform/BacklightControl.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>
#include <vector>

#include "shared/prefs/FileUtils.h"
#include "shared/prefs/LogManager.h"

namespace {

std::string sysfsRootFromEnvironment() {
    const char* root = std::getenv("WHIRLEN_SYSFS_ROOT");
    return root != nullptr && *root != '\0' ? root : "/sys";
}

// The first device folder by name; empty when there is none.
std::string firstBacklight(const std::string& sysfsRoot) {
    std::error_code error;
    std::vector<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(sysfsRoot + "/class/backlight", error)) {
        names.push_back(entry.path().filename().string());
    }
    if (names.empty()) {
        return {};
    }
    return sysfsRoot + "/class/backlight/" + *std::min_element(names.begin(), names.end());
}

// The whole file must be one non-negative decimal number, a line end allowed after it.
std::optional<long> readNumber(const std::string& path) {
    std::string text;
    const bool read = readWholeFile(path, text);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (!read || text.empty() || error != std::errc() || stop != end || value < 0) {
        LogManager::instance().log('E', "Unreadable backlight value in %s", path.c_str());
        return std::nullopt;
    }
    return value;
}

long percentToRaw(int percent, long maxBrightness) {
    return std::lround(static_cast<double>(percent) * static_cast<double>(maxBrightness) / 100.0);
}

int rawToPercent(long raw, long maxBrightness) {
    return static_cast<int>(
        std::lround(100.0 * static_cast<double>(raw) / static_cast<double>(maxBrightness)));
}

bool writeBrightness(const std::string& folder, long value) {
    const std::string path = folder + "/brightness";
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    file << value << '\n';
    file.close();
    if (!file) {
        LogManager::instance().log('E', "Cannot write the backlight brightness %s", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

BacklightControl::BacklightControl() : BacklightControl(sysfsRootFromEnvironment()) {}

BacklightControl::BacklightControl(std::string sysfsRoot) : sysfsRoot_(std::move(sysfsRoot)) {}

std::optional<int> BacklightControl::readPercent() const {
    const std::optional<Device> device = readDevice();
    if (!device) {
        return std::nullopt;
    }
    return rawToPercent(device->brightness, device->maxBrightness);
}

bool BacklightControl::setPercent(int percent) const {
    const std::optional<Device> device = readDevice();
    return device && writeBrightness(device->folder, percentToRaw(std::clamp(percent, 0, 100),
                                                                  device->maxBrightness));
}

bool BacklightControl::step(int percentStep) const {
    const std::optional<Device> device = readDevice();
    if (!device) {
        return false;
    }
    const int percent = rawToPercent(device->brightness, device->maxBrightness);
    long target = percentToRaw(std::clamp(percent + percentStep, 0, 100), device->maxBrightness);
    if (target == device->brightness && percentStep != 0) {
        target += percentStep > 0 ? 1 : -1;
    }
    return writeBrightness(device->folder, std::clamp(target, 0L, device->maxBrightness));
}

std::optional<BacklightControl::Device> BacklightControl::readDevice() const {
    const std::string folder = firstBacklight(sysfsRoot_);
    if (folder.empty()) {
        LogManager::instance().log('E', "No backlight under %s/class/backlight",
                                   sysfsRoot_.c_str());
        return std::nullopt;
    }
    const std::optional<long> brightness = readNumber(folder + "/brightness");
    const std::optional<long> maxBrightness = readNumber(folder + "/max_brightness");
    if (!brightness || !maxBrightness) {
        return std::nullopt;
    }
    if (*maxBrightness == 0 || *brightness > *maxBrightness) {
        LogManager::instance().log('E', "Backlight %s reports %ld of at most %ld", folder.c_str(),
                                   *brightness, *maxBrightness);
        return std::nullopt;
    }
    return Device{folder, *brightness, *maxBrightness};
}
