#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/InputInjector.h"

// Kept out of this header so that Xlib's macros (Status, None, Bool...) reach no includer.
struct _XDisplay;

// Synthesises input on an X display through the XTest extension, on a connection of its own.
// Virtual keys become keysyms and then the keycodes of the server's keymap. A keysym that the
// keymap lacks at its unshifted level, and every typed character that needs one, is bound to
// one of a few keycodes that the keymap leaves free. A binding stays until its keycode is needed
// for another keysym (the least recently used one goes) or the injector closes: applications
// look a keycode up only when they read the event, so a binding undone right after the key
// would often be gone by then. Wheels become button clicks: 4 and 5 vertical, 6 and 7
// horizontal, one per whole 120 of delta (at least one); X1 and X2 are buttons 8 and 9.
class XTestInjector : public InputInjector {
public:
    // Null displayName means $DISPLAY. Null (logged) when the display does not open or has no
    // XTest.
    static std::unique_ptr<XTestInjector> open(const char* displayName);

    // Releases what this injector still holds down and gives the borrowed keycodes back.
    ~XTestInjector() override;

protected:
    bool sendBatch(std::span<const InputEvent> batch) override;

private:
    struct SpareKeycode {
        uint8_t keycode;
        uint32_t keysym = 0;
        uint64_t lastUse = 0;
    };

    explicit XTestInjector(_XDisplay* display);
    void findSpareKeycodes();
    static void connectionLost(_XDisplay* display, void* injector);

    bool sendEvent(const InputEvent& event);
    bool sendKey(const InputEvent& event);
    bool sendButton(unsigned button, bool down);
    bool sendWheel(const InputEvent& event, unsigned forward, unsigned backward);
    bool typeCharacter(const InputEvent& event);
    void setKeycode(uint8_t keycode, bool down);

    // 0 when the keysym has no keycode and none can be borrowed for it.
    uint8_t keycodeFor(uint32_t keysym);
    uint8_t borrowKeycode(uint32_t keysym);
    bool isSpare(uint8_t keycode) const;
    void readPendingEvents();

    _XDisplay* display_;
    bool lost_ = false;
    unsigned buttonCount_ = 0;
    std::vector<SpareKeycode> spares_;
    uint64_t uses_ = 0;
    std::bitset<256> heldKeycodes_;
    std::bitset<16> heldButtons_;
    // The keycode that each virtual key went down on, so that its release lifts that key even
    // when the keymap changed meanwhile.
    std::array<uint8_t, 256> keycodeOfVirtualKey_{};
};
