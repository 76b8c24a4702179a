#include "platform/InputEvent.h"

#include <ios>

namespace {

constexpr int32_t kNotch = 120;

const char* typeName(InputEvent::Type type) {
    switch (type) {
        case InputEvent::Type::KeyDown:
            return "KeyDown";
        case InputEvent::Type::KeyUp:
            return "KeyUp";
        case InputEvent::Type::ButtonDown:
            return "ButtonDown";
        case InputEvent::Type::ButtonUp:
            return "ButtonUp";
        case InputEvent::Type::Wheel:
            return "Wheel";
        case InputEvent::Type::HorizontalWheel:
            return "HorizontalWheel";
        case InputEvent::Type::Character:
            return "Character";
    }
    return "?";
}

}  // namespace

int32_t InputEvent::wheelNotches() const {
    if (value == 0) {
        return 0;
    }
    const int32_t notches = value / kNotch;
    if (notches != 0) {
        return notches;
    }
    return value > 0 ? 1 : -1;
}

bool InputEvent::isValidCodePoint() const {
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value >= 0 && value <= 0x10FFFF && !surrogate;
}

std::ostream& operator<<(std::ostream& out, const InputEvent& event) {
    out << typeName(event.type) << ' ';
    const bool hex = event.type == InputEvent::Type::KeyDown ||
                     event.type == InputEvent::Type::KeyUp ||
                     event.type == InputEvent::Type::Character;
    if (hex) {
        return out << "0x" << std::hex << event.value << std::dec;
    }
    return out << event.value;
}
