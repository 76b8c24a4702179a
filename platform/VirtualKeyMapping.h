#pragma once

#include <cstdint>
#include <span>

// What a Windows virtual key is on the two Linux backends: the evdev key code that uinput
// sends and the X keysym that XTest looks up in the server's keymap. Zero where a backend has
// no such key.
struct VirtualKeyMapping {
    uint16_t virtualKey;
    uint16_t evdevCode;
    uint32_t keysym;

    // Null when the virtual key has no entry.
    static const VirtualKeyMapping* find(uint16_t virtualKey);
    // Every entry, in ascending virtual-key order.
    static std::span<const VirtualKeyMapping> all();
};
