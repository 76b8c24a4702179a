#include "platform/DeviceDiscovery.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/RuntimeFolder.h"
#include "shared/prefs/FileUtils.h"
#include "shared/prefs/TextUtils.h"

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kVendorId = 0x0F1E;
constexpr std::array<uint32_t, 3> kProductIds = {0x20, 0x21, 0x30};
constexpr std::string_view kHidrawPrefix = "hidraw";
constexpr std::string_view kHidIdKey = "HID_ID=";
// Each location part is printed with four digits; a larger number would shift the rest.
constexpr unsigned kLargestLocationPart = 9999;

// Empty when the file cannot be read, which every caller treats as absent.
std::string readSmallFile(const fs::path& path) {
    std::string text;
    return readWholeFile(path.string(), text) ? text : std::string();
}

template <typename Number>
std::optional<Number> parseWhole(std::string_view text, int base) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || at != end) {
        return std::nullopt;
    }
    return value;
}

struct HidId {
    uint32_t vendorId;
    uint32_t productId;
};

// The kernel writes "HID_ID=%04X:%08X:%08X" (bus, vendor, product).
std::optional<HidId> parseHidId(std::string_view value) {
    const size_t first = value.find(':');
    const size_t second = first == std::string_view::npos ? first : value.find(':', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view vendor = value.substr(first + 1, second - first - 1);
    const std::string_view product = value.substr(second + 1);
    const auto bus = parseWhole<uint32_t>(value.substr(0, first), 16);
    const auto vendorId = parseWhole<uint32_t>(vendor, 16);
    const auto productId = parseWhole<uint32_t>(product, 16);
    if (!bus || !vendorId || !productId || vendor.size() > 8 || product.size() > 8) {
        return std::nullopt;
    }
    return HidId{*vendorId, *productId};
}

std::optional<HidId> readHidId(const fs::path& ueventPath) {
    const std::string text = readSmallFile(ueventPath);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string_view line = std::string_view(text).substr(start, end - start);
        if (line.starts_with(kHidIdKey)) {
            return parseHidId(line.substr(kHidIdKey.size()));
        }
        start = end + 1;
    }
    return std::nullopt;
}

bool isWithin(const fs::path& path, const fs::path& root) {
    const auto [rootAt, pathAt] = std::mismatch(root.begin(), root.end(), path.begin(), path.end());
    return rootAt == root.end();
}

std::optional<unsigned> readLocationPart(std::string text) {
    trim(text);
    const auto value = parseWhole<unsigned>(text, 10);
    if (!value || *value > kLargestLocationPart) {
        return std::nullopt;
    }
    return value;
}

void appendLocationPart(std::string& location, unsigned part) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04u", part);
    location += digits;
}

// busnum, then each port of devpath ("2.3"), all four digits wide.
std::string usbLocation(const fs::path& usbDevice) {
    const auto bus = readLocationPart(readSmallFile(usbDevice / "busnum"));
    std::string ports = readSmallFile(usbDevice / "devpath");
    trim(ports);
    if (!bus || ports.empty()) {
        return {};
    }
    std::string location;
    appendLocationPart(location, *bus);
    size_t start = 0;
    while (start <= ports.size()) {
        const size_t end = std::min(ports.find('.', start), ports.size());
        const auto port = readLocationPart(ports.substr(start, end - start));
        if (!port) {
            return {};
        }
        appendLocationPart(location, *port);
        start = end + 1;
    }
    return location;
}

// The USB device is the nearest folder above the HID device that has both busnum and
// devpath (the interface in between has neither). The walk stays inside sysfs, so a
// made-up tree never picks up a folder that merely lies above it.
std::string locationOf(const fs::path& hidrawEntry) {
    std::error_code error;
    const fs::path root = fs::canonical(DeviceDiscovery::sysfsRoot(), error);
    const fs::path device = error ? fs::path() : fs::canonical(hidrawEntry / "device", error);
    if (error) {
        return {};
    }
    for (fs::path at = device; isWithin(at, root); at = at.parent_path()) {
        if (fs::exists(at / "busnum", error) && fs::exists(at / "devpath", error)) {
            return usbLocation(at);
        }
        if (at == root) {
            break;
        }
    }
    return {};
}

std::optional<DeviceDiscovery::Device> inspectEntry(const std::string& name, std::string nodePath) {
    const fs::path entry = fs::path(DeviceDiscovery::sysfsRoot()) / "class/hidraw" / name;
    const std::optional<HidId> id = readHidId(entry / "device/uevent");
    if (!id || !DeviceDiscovery::isSupported(id->vendorId, id->productId)) {
        return std::nullopt;
    }
    return DeviceDiscovery::Device{std::move(nodePath), static_cast<uint16_t>(id->vendorId),
                                   static_cast<uint16_t>(id->productId), locationOf(entry)};
}

unsigned nodeNumber(std::string_view name) {
    return parseWhole<unsigned>(name.substr(kHidrawPrefix.size()), 10).value_or(0);
}

}  // namespace

std::string DeviceDiscovery::sysfsRoot() {
    return folderFromEnvironment({"WHIRLEN_SYSFS_ROOT"}, "/sys");
}

std::string DeviceDiscovery::devRoot() {
    return folderFromEnvironment({"WHIRLEN_DEV_ROOT"}, "/dev");
}

std::vector<DeviceDiscovery::Device> DeviceDiscovery::scan() {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(sysfsRoot()) / "class/hidraw", error)) {
        std::string name = entry.path().filename().string();
        if (isHidrawName(name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return nodeNumber(a) < nodeNumber(b);
    });
    const std::string dev = devRoot();
    std::vector<Device> devices;
    for (const std::string& name : names) {
        if (std::optional<Device> device = inspectEntry(name, dev + "/" + name)) {
            devices.push_back(std::move(*device));
        }
    }
    return devices;
}

std::optional<DeviceDiscovery::Device> DeviceDiscovery::inspect(const std::string& nodePath) {
    const std::string name = fs::path(nodePath).filename().string();
    if (!isHidrawName(name)) {
        return std::nullopt;
    }
    return inspectEntry(name, nodePath);
}

bool DeviceDiscovery::isSupported(uint32_t vendorId, uint32_t productId) {
    return vendorId == kVendorId &&
           std::find(kProductIds.begin(), kProductIds.end(), productId) != kProductIds.end();
}

bool DeviceDiscovery::isHidrawName(std::string_view name) {
    if (!name.starts_with(kHidrawPrefix) || name.size() == kHidrawPrefix.size()) {
        return false;
    }
    const std::string_view digits = name.substr(kHidrawPrefix.size());
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}
