#pragma once

#include <cstdint>
#include <ostream>

enum class MouseButton : uint8_t { Left, Right, Middle, X1, X2 };

// One synthesised input event. Keys are named by their Windows virtual-key code because that is
// the numbering the preference files' key codes carry.
struct InputEvent {
    enum class Type : uint8_t {
        KeyDown,
        KeyUp,
        ButtonDown,
        ButtonUp,
        // Deltas in 120ths of a notch: positive turns the wheel away from the user, or to the
        // right for the horizontal wheel.
        Wheel,
        HorizontalWheel,
        // A Unicode code point, typed: pressed and released.
        Character,
    };

    Type type;
    // The virtual-key code, the MouseButton, the wheel delta or the code point, by type.
    int32_t value;

    static constexpr InputEvent keyDown(uint16_t virtualKey) { return {Type::KeyDown, virtualKey}; }
    static constexpr InputEvent keyUp(uint16_t virtualKey) { return {Type::KeyUp, virtualKey}; }
    static constexpr InputEvent buttonDown(MouseButton button) {
        return {Type::ButtonDown, static_cast<int32_t>(button)};
    }
    static constexpr InputEvent buttonUp(MouseButton button) {
        return {Type::ButtonUp, static_cast<int32_t>(button)};
    }
    static constexpr InputEvent wheel(int32_t delta) { return {Type::Wheel, delta}; }
    static constexpr InputEvent horizontalWheel(int32_t delta) {
        return {Type::HorizontalWheel, delta};
    }
    static constexpr InputEvent character(char32_t codePoint) {
        return {Type::Character, static_cast<int32_t>(codePoint)};
    }

    MouseButton button() const { return static_cast<MouseButton>(value); }
    // Whole notches for a wheel delta: rounded toward zero, but at least one in the delta's
    // direction, so that every step the user makes scrolls where wheels only know notches.
    int32_t wheelNotches() const;
    // Whether a Character event holds a Unicode scalar value (no surrogate, at most U+10FFFF).
    bool isValidCodePoint() const;

    bool operator==(const InputEvent&) const = default;
};

// Readable test failures, e.g. "KeyDown 0x41".
std::ostream& operator<<(std::ostream& out, const InputEvent& event);
