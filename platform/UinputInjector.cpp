#include "platform/UinputInjector.h"

#include <fcntl.h>
#include <linux/input.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/VirtualKeyMapping.h"
#include "shared/prefs/LogManager.h"

namespace {

constexpr char kDeviceName[] = "Whirlen virtual input";

constexpr uint16_t kButtonCodes[] = {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE, BTN_EXTRA};

// REL_X and REL_Y are never sent, but without them the desktop does not take the device for a
// mouse and ignores its buttons and wheels.
constexpr uint16_t kRelativeAxes[] = {
    REL_X, REL_Y, REL_WHEEL, REL_WHEEL_HI_RES, REL_HWHEEL, REL_HWHEEL_HI_RES};

bool enable(int fd, unsigned long request, int code) {
    return ioctl(fd, request, code) >= 0;
}

bool declareCapabilities(int fd) {
    bool ok = enable(fd, UI_SET_EVBIT, EV_KEY) && enable(fd, UI_SET_EVBIT, EV_REL) &&
              enable(fd, UI_SET_EVBIT, EV_SYN);
    for (const VirtualKeyMapping& key : VirtualKeyMapping::all()) {
        ok = ok && (key.evdevCode == 0 || enable(fd, UI_SET_KEYBIT, key.evdevCode));
    }
    for (const uint16_t button : kButtonCodes) {
        ok = ok && enable(fd, UI_SET_KEYBIT, button);
    }
    for (const uint16_t axis : kRelativeAxes) {
        ok = ok && enable(fd, UI_SET_RELBIT, axis);
    }
    return ok;
}

bool createDevice(int fd) {
    uinput_setup setup{};
    setup.id.bustype = BUS_VIRTUAL;
    std::strncpy(setup.name, kDeviceName, UINPUT_MAX_NAME_SIZE - 1);
    return declareCapabilities(fd) && ioctl(fd, UI_DEV_SETUP, &setup) >= 0 &&
           ioctl(fd, UI_DEV_CREATE) >= 0;
}

class Encoder {
public:
    void add(uint16_t type, uint16_t code, int32_t value) {
        input_event record{};
        record.type = type;
        record.code = code;
        record.value = value;
        records_.push_back(record);
    }
    void endReport() { add(EV_SYN, SYN_REPORT, 0); }
    bool empty() const { return records_.empty(); }

    bool writeTo(int fd) const {
        const char* data = reinterpret_cast<const char*>(records_.data());
        size_t left = records_.size() * sizeof(input_event);
        while (left > 0) {
            const ssize_t written = write(fd, data, left);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            data += written;
            left -= static_cast<size_t>(written);
        }
        return true;
    }

private:
    std::vector<input_event> records_;
};

uint16_t buttonCode(MouseButton button) {
    return kButtonCodes[static_cast<size_t>(button)];
}

enum class Outcome { Encoded, UnmappedKey, Character };

// Adds the event's report to the encoder, ended by its sync; a zero wheel delta adds nothing.
Outcome encode(const InputEvent& event, Encoder& encoder) {
    const bool down =
        event.type == InputEvent::Type::KeyDown || event.type == InputEvent::Type::ButtonDown;
    switch (event.type) {
        case InputEvent::Type::KeyDown:
        case InputEvent::Type::KeyUp: {
            const VirtualKeyMapping* key =
                VirtualKeyMapping::find(static_cast<uint16_t>(event.value));
            if (key == nullptr || key->evdevCode == 0) {
                return Outcome::UnmappedKey;
            }
            encoder.add(EV_KEY, key->evdevCode, down);
            break;
        }
        case InputEvent::Type::ButtonDown:
        case InputEvent::Type::ButtonUp:
            encoder.add(EV_KEY, buttonCode(event.button()), down);
            break;
        case InputEvent::Type::Wheel:
        case InputEvent::Type::HorizontalWheel: {
            if (event.value == 0) {
                return Outcome::Encoded;
            }
            const bool vertical = event.type == InputEvent::Type::Wheel;
            encoder.add(EV_REL, vertical ? REL_WHEEL_HI_RES : REL_HWHEEL_HI_RES, event.value);
            encoder.add(EV_REL, vertical ? REL_WHEEL : REL_HWHEEL, event.wheelNotches());
            break;
        }
        case InputEvent::Type::Character:
            return Outcome::Character;
    }
    encoder.endReport();
    return Outcome::Encoded;
}

}  // namespace

std::unique_ptr<UinputInjector> UinputInjector::open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        LogManager::instance().log('W', "Cannot open %s: %s", path.c_str(), std::strerror(errno));
        return nullptr;
    }
    if (!createDevice(fd)) {
        LogManager::instance().log('W', "Cannot create the virtual input device on %s: %s",
                                   path.c_str(), std::strerror(errno));
        close(fd);
        return nullptr;
    }
    return std::unique_ptr<UinputInjector>(new UinputInjector(fd, true));
}

std::unique_ptr<UinputInjector> UinputInjector::adopt(int fd) {
    return std::unique_ptr<UinputInjector>(new UinputInjector(fd, false));
}

UinputInjector::UinputInjector(int fd, bool ownsDevice) : fd_(fd), ownsDevice_(ownsDevice) {}

UinputInjector::~UinputInjector() {
    // Destroying the device makes the kernel release whatever it still holds down.
    if (ownsDevice_) {
        ioctl(fd_, UI_DEV_DESTROY);
    }
    close(fd_);
}

bool UinputInjector::sendBatch(std::span<const InputEvent> batch) {
    Encoder encoder;
    bool complete = true;
    for (const InputEvent& event : batch) {
        const Outcome outcome = encode(event, encoder);
        if (outcome == Outcome::UnmappedKey) {
            reportUnmappedKey(static_cast<uint16_t>(event.value));
        } else if (outcome == Outcome::Character && !reportedCharacters_) {
            LogManager::instance().log(
                'W', "Text cannot be typed through uinput; typed characters are left out");
            reportedCharacters_ = true;
        }
        complete = complete && outcome == Outcome::Encoded;
    }
    if (encoder.empty()) {
        return false;
    }
    return encoder.writeTo(fd_) && complete;
}
