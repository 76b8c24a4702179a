#include "agent/ControllerDevice.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <system_error>

namespace {

// Event codes of the decoder.
constexpr int kDialDown = 0;
constexpr int kDialUp = 1;
constexpr int kZoneBase = 12;      // + zone: the wheel enters (press) or leaves (release) it
constexpr int kStepUpBase = 32;    // + position: the wheel steps up from that position
constexpr int kStepDownBase = 50;  // - position: the wheel steps down from that position
constexpr int kButtonBase = 60;    // + bit: a button bit changed
constexpr int kMappedCodes = 75;   // codes from here on have no control

constexpr int kNoControl = -1;
constexpr uint32_t kModelWhirlenMax = 1;
constexpr uint16_t kNoDialYet = 0xFFFF;
constexpr int kMinPosition = -8;
constexpr int kMaxPosition = 8;

// Bigger than any report the controller sends, so that an unexpected longer report is
// seen as such and dropped instead of being cut down to a report's size.
constexpr size_t kReadCapacity = 64;
constexpr auto kTransientBackoff = std::chrono::milliseconds(10);

struct EventControl {
    int8_t onMax;
    // The Lite's five buttons report on bits 4-8 and are its controls 0-4.
    int8_t onOtherModels;
};

constexpr std::array<EventControl, kMappedCodes> makeEventControls() {
    std::array<EventControl, kMappedCodes> table{};
    table.fill({kNoControl, kNoControl});
    auto both = [&table](int code, int control) {
        table[code] = {static_cast<int8_t>(control), static_cast<int8_t>(control)};
    };
    both(kDialDown, 15);
    both(kDialUp, 16);
    // Zones -8 and 8 and the steps out past them lie beyond the wheel's travel of -7..7.
    for (int zone = -7; zone <= 7; ++zone) {
        both(kZoneBase + zone, 24 + zone);
    }
    for (int position = -7; position <= 6; ++position) {
        both(kStepUpBase + position, 39 + position);
    }
    for (int position = -6; position <= 7; ++position) {
        both(kStepDownBase - position, 53 - position);
    }
    for (int bit = 0; bit <= 14; ++bit) {
        const int other = (bit >= 4 && bit <= 8) ? bit - 4 : bit;
        table[kButtonBase + bit] = {static_cast<int8_t>(bit), static_cast<int8_t>(other)};
    }
    return table;
}

constexpr std::array<EventControl, kMappedCodes> kEventControls = makeEventControls();

constexpr std::array<int16_t, 17> identityZones() {
    std::array<int16_t, 17> zones{};
    for (int position = kMinPosition; position <= kMaxPosition; ++position) {
        zones[position - kMinPosition] = static_cast<int16_t>(position);
    }
    return zones;
}

}  // namespace

ControllerDevice::ControllerDevice(ControllerEventNotifyInterface& notify)
    : notify(notify), zoneTable(identityZones()) {}

ControllerDevice::~ControllerDevice() {
    stop();
}

bool ControllerDevice::startReader(std::unique_ptr<HidDevice> device) {
    std::lock_guard lifecycle(readerLifecycleMutex);
    if (!device || readerStopped || readerThread.joinable()) {
        return false;
    }
    handle = std::move(device);
    readerRunning = true;
    try {
        readerThread = std::thread(&ControllerDevice::readLoop, this);
    } catch (const std::system_error&) {
        readerRunning = false;
        handle.reset();
        return false;
    }
    return true;
}

void ControllerDevice::stop() {
    std::thread reader;
    std::unique_ptr<HidDevice> closing;
    {
        std::lock_guard lifecycle(readerLifecycleMutex);
        readerStopped = true;
        readerRunning = false;
        if (handle) {
            handle->cancel();
        }
        reader = std::move(readerThread);
        // Closed only once the reader is done with it.
        closing = std::move(handle);
    }
    if (reader.joinable()) {
        // Called from onDeviceGone the reader cannot join itself; it returns right after.
        if (reader.get_id() == std::this_thread::get_id()) {
            reader.detach();
        } else {
            reader.join();
        }
    }
}

void ControllerDevice::setBindings(BindingTable table) {
    {
        std::lock_guard lock(bindingMutex);
        bindings.swap(table);
    }
}

std::optional<ActionPreference> ControllerDevice::boundAction(int control) const {
    std::lock_guard lock(bindingMutex);
    const auto it = bindings.find(control);
    if (it == bindings.end()) {
        return std::nullopt;
    }
    return it->second;
}

void ControllerDevice::readLoop() {
    HidDevice* device = nullptr;
    {
        // Until startReader has stored this thread, stop() could not tell it is on it.
        std::lock_guard started(readerLifecycleMutex);
        // A stop that came first has taken the device already.
        device = handle.get();
    }
    std::array<uint8_t, kReadCapacity> buffer;
    while (device != nullptr && readerRunning) {
        const HidDevice::ReadResult result = device->readReport(buffer.data(), buffer.size());
        switch (result.status) {
            case HidDevice::ReadStatus::Report:
                // A short read would leave bytes of an earlier report in the buffer.
                if (result.length == kReportSize) {
                    onInputReport(buffer.data());
                }
                break;
            case HidDevice::ReadStatus::Transient:
                std::this_thread::sleep_for(kTransientBackoff);
                break;
            case HidDevice::ReadStatus::Cancelled:
                return;
            case HidDevice::ReadStatus::Gone:
                readerRunning = false;
                // May destroy this object: nothing of it is touched after the call.
                notify.onDeviceGone(*this);
                return;
        }
    }
}

bool ControllerDevice::onInputReport(const uint8_t* report) {
    decodeButtons(report);
    decodeDial(report);
    decodeJog(report);
    return true;
}

void ControllerDevice::decodeButtons(const uint8_t* report) {
    const uint16_t now = static_cast<uint16_t>(report[4] | (report[5] << 8));
    for (uint16_t changed = now ^ lastButtons; changed != 0;
         changed &= static_cast<uint16_t>(changed - 1)) {
        const int bit = std::countr_zero(changed);
        onInputEvent(static_cast<uint16_t>(kButtonBase + bit), (now >> bit) & 1);
    }
    lastButtons = now;
}

void ControllerDevice::decodeDial(const uint8_t* report) {
    const uint16_t dial = report[2];
    if (dial != lastDial && lastDial != kNoDialYet) {
        // Next to the wrap between 255 and 0 the direction is read from the new half.
        const bool atWrap = lastDial == 0 || lastDial == 255;
        const bool up = atWrap ? dial < 128 : dial > lastDial;
        pressAndRelease(up ? kDialUp : kDialDown);
    }
    lastDial = dial;
}

void ControllerDevice::decodeJog(const uint8_t* report) {
    const int raw = static_cast<int8_t>(report[1]);
    if (raw == lastJogPosition) {
        return;
    }
    const int position = std::clamp(raw, kMinPosition, kMaxPosition);
    const int16_t zone = zoneTable[position - kMinPosition];
    const bool zoneChanged = zone != currentZone;
    if (zoneChanged) {
        onInputEvent(static_cast<uint16_t>(kZoneBase + currentZone), false);
    }
    // One transition per report, out of the previous position, however far the wheel went.
    pressAndRelease(position > lastJogPosition ? kStepUpBase + lastJogPosition
                                               : kStepDownBase - lastJogPosition);
    if (zoneChanged) {
        onInputEvent(static_cast<uint16_t>(kZoneBase + zone), true);
        currentZone = zone;
    }
    lastJogPosition = static_cast<int16_t>(position);
}

void ControllerDevice::pressAndRelease(int code) {
    onInputEvent(static_cast<uint16_t>(code), true);
    onInputEvent(static_cast<uint16_t>(code), false);
}

void ControllerDevice::onInputEvent(uint16_t code, bool pressed) {
    if (code >= kMappedCodes) {
        return;
    }
    const EventControl& entry = kEventControls[code];
    const int control = record.model == kModelWhirlenMax ? entry.onMax : entry.onOtherModels;
    if (control != kNoControl) {
        notify.onControlEvent(control, pressed);
    }
}
