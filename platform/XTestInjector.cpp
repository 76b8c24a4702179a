#include "platform/XTestInjector.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <set>
#include <utility>

#include "platform/VirtualKeyMapping.h"
#include "shared/prefs/LogManager.h"

namespace {

// Leaves free keycodes to other tools that borrow them the same way.
constexpr size_t kMaxSpareKeycodes = 10;
constexpr unsigned kWheelUp = 4;
constexpr unsigned kWheelDown = 5;
constexpr unsigned kWheelLeft = 6;
constexpr unsigned kWheelRight = 7;
constexpr uint32_t kUnicodeKeysymBase = 0x01000000;

unsigned buttonNumber(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return 1;
        case MouseButton::Middle:
            return 2;
        case MouseButton::Right:
            return 3;
        case MouseButton::X1:
            return 8;
        case MouseButton::X2:
            return 9;
    }
    return 0;
}

// Latin-1 characters are their own keysyms; others use the Unicode keysym range. The control
// characters that text can carry map to the keys that type them.
uint32_t keysymForCodePoint(const InputEvent& event) {
    const auto codePoint = static_cast<uint32_t>(event.value);
    switch (codePoint) {
        case '\n':
        case '\r':
            return XK_Return;
        case '\t':
            return XK_Tab;
        case '\b':
            return XK_BackSpace;
        default:
            break;
    }
    if (!event.isValidCodePoint() || codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0)) {
        return 0;
    }
    return codePoint <= 0xFF ? codePoint : kUnicodeKeysymBase + codePoint;
}

// Xlib's process-wide I/O error handler ends the process before a display's own exit handler
// is reached, so it is replaced by one that returns for the injectors' displays and leaves
// every other display to the handler it had.
class IoErrorRouting {
public:
    static IoErrorRouting& instance() {
        static IoErrorRouting routing;
        return routing;
    }
    void add(Display* display) {
        std::lock_guard guard(lock_);
        displays_.insert(display);
    }
    void remove(Display* display) {
        std::lock_guard guard(lock_);
        displays_.erase(display);
    }

private:
    IoErrorRouting() : previous_(XSetIOErrorHandler(handle)) {}

    static int handle(Display* display) {
        IoErrorRouting& routing = instance();
        std::unique_lock guard(routing.lock_);
        if (routing.displays_.count(display) != 0 || routing.previous_ == nullptr) {
            return 0;
        }
        guard.unlock();
        return routing.previous_(display);
    }

    std::mutex lock_;
    std::set<Display*> displays_;
    const XIOErrorHandler previous_;
};

}  // namespace

std::unique_ptr<XTestInjector> XTestInjector::open(const char* displayName) {
    const char* shownName = displayName != nullptr ? displayName : std::getenv("DISPLAY");
    Display* display = XOpenDisplay(displayName);
    if (display == nullptr) {
        LogManager::instance().log('W', "Cannot open the X display %s",
                                   shownName != nullptr ? shownName : "(unset)");
        return nullptr;
    }
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        LogManager::instance().log('W', "The X display %s has no XTest extension",
                                   DisplayString(display));
        XCloseDisplay(display);
        return nullptr;
    }
    return std::unique_ptr<XTestInjector>(new XTestInjector(display));
}

XTestInjector::XTestInjector(Display* display) : display_(display) {
    // Fake input must still arrive while another client grabs the server.
    XTestGrabControl(display_, True);
    // A lost server would otherwise end the whole process from inside Xlib.
    IoErrorRouting::instance().add(display_);
    XSetIOErrorExitHandler(display_, connectionLost, this);
    unsigned char map[256];
    buttonCount_ = static_cast<unsigned>(XGetPointerMapping(display_, map, sizeof map));
    findSpareKeycodes();
}

void XTestInjector::findSpareKeycodes() {
    int minKeycode = 0;
    int maxKeycode = 0;
    XDisplayKeycodes(display_, &minKeycode, &maxKeycode);
    int perKeycode = 0;
    KeySym* map =
        XGetKeyboardMapping(display_, minKeycode, maxKeycode - minKeycode + 1, &perKeycode);
    for (int keycode = maxKeycode; map != nullptr && keycode >= minKeycode; --keycode) {
        const KeySym* syms = map + (keycode - minKeycode) * perKeycode;
        const bool empty = std::all_of(syms, syms + perKeycode, [](KeySym s) { return s == 0; });
        if (empty && spares_.size() < kMaxSpareKeycodes) {
            spares_.push_back({static_cast<uint8_t>(keycode)});
        }
    }
    XFree(map);
    if (spares_.empty()) {
        LogManager::instance().log('W',
                                   "The X keymap has no free keycode: keys missing from it and "
                                   "typed characters cannot be sent");
    }
}

void XTestInjector::connectionLost(Display*, void* injector) {
    LogManager::instance().log('E', "Lost the connection to the X display; input is not sent");
    static_cast<XTestInjector*>(injector)->lost_ = true;
}

XTestInjector::~XTestInjector() {
    if (!lost_) {
        for (unsigned button = 0; button < heldButtons_.size(); ++button) {
            if (heldButtons_[button]) {
                XTestFakeButtonEvent(display_, button, False, CurrentTime);
            }
        }
        for (unsigned keycode = 0; keycode < heldKeycodes_.size(); ++keycode) {
            if (heldKeycodes_[keycode]) {
                XTestFakeKeyEvent(display_, keycode, False, CurrentTime);
            }
        }
        for (const SpareKeycode& spare : spares_) {
            if (spare.keysym != 0) {
                KeySym none[] = {NoSymbol, NoSymbol};
                XChangeKeyboardMapping(display_, spare.keycode, 2, none, 1);
            }
        }
        XSync(display_, False);
    }
    XCloseDisplay(display_);
    IoErrorRouting::instance().remove(display_);
}

bool XTestInjector::sendBatch(std::span<const InputEvent> batch) {
    if (lost_) {
        return false;
    }
    bool complete = true;
    for (const InputEvent& event : batch) {
        complete = sendEvent(event) && complete;
    }
    XFlush(display_);
    readPendingEvents();
    return complete && !lost_;
}

bool XTestInjector::sendEvent(const InputEvent& event) {
    switch (event.type) {
        case InputEvent::Type::KeyDown:
        case InputEvent::Type::KeyUp:
            return sendKey(event);
        case InputEvent::Type::ButtonDown:
        case InputEvent::Type::ButtonUp:
            return sendButton(buttonNumber(event.button()),
                              event.type == InputEvent::Type::ButtonDown);
        case InputEvent::Type::Wheel:
            return sendWheel(event, kWheelUp, kWheelDown);
        case InputEvent::Type::HorizontalWheel:
            return sendWheel(event, kWheelRight, kWheelLeft);
        case InputEvent::Type::Character:
            return typeCharacter(event);
    }
    return false;
}

bool XTestInjector::sendKey(const InputEvent& event) {
    const auto virtualKey = static_cast<uint16_t>(event.value);
    const bool down = event.type == InputEvent::Type::KeyDown;
    uint8_t keycode = 0;
    if (!down && virtualKey < keycodeOfVirtualKey_.size()) {
        keycode = std::exchange(keycodeOfVirtualKey_[virtualKey], 0);
    }
    if (keycode == 0) {
        const VirtualKeyMapping* key = VirtualKeyMapping::find(virtualKey);
        keycode = key != nullptr && key->keysym != 0 ? keycodeFor(key->keysym) : 0;
    }
    if (keycode == 0) {
        reportUnmappedKey(virtualKey);
        return false;
    }
    if (down && virtualKey < keycodeOfVirtualKey_.size()) {
        keycodeOfVirtualKey_[virtualKey] = keycode;
    }
    setKeycode(keycode, down);
    return true;
}

bool XTestInjector::sendButton(unsigned button, bool down) {
    if (button > buttonCount_) {
        return false;
    }
    XTestFakeButtonEvent(display_, button, down, CurrentTime);
    heldButtons_[button] = down;
    return true;
}

bool XTestInjector::sendWheel(const InputEvent& event, unsigned forward, unsigned backward) {
    const int32_t notches = event.wheelNotches();
    const unsigned button = notches > 0 ? forward : backward;
    bool complete = true;
    for (int32_t click = 0; click < std::abs(notches); ++click) {
        complete = sendButton(button, true) && sendButton(button, false) && complete;
    }
    return complete;
}

bool XTestInjector::typeCharacter(const InputEvent& event) {
    const uint32_t keysym = keysymForCodePoint(event);
    const uint8_t keycode = keysym != 0 ? keycodeFor(keysym) : 0;
    if (keycode == 0) {
        return false;
    }
    setKeycode(keycode, true);
    setKeycode(keycode, false);
    return true;
}

void XTestInjector::setKeycode(uint8_t keycode, bool down) {
    XTestFakeKeyEvent(display_, keycode, down, CurrentTime);
    heldKeycodes_[keycode] = down;
}

uint8_t XTestInjector::keycodeFor(uint32_t keysym) {
    for (SpareKeycode& spare : spares_) {
        if (spare.keysym == keysym) {
            spare.lastUse = ++uses_;
            return spare.keycode;
        }
    }
    // Borrowed keycodes are skipped: Xlib's copy of the keymap may still show one with a
    // keysym that it no longer has.
    const KeyCode keycode = XKeysymToKeycode(display_, keysym);
    if (keycode != 0 && !isSpare(keycode) &&
        XkbKeycodeToKeysym(display_, keycode, 0, 0) == keysym) {
        return keycode;
    }
    return borrowKeycode(keysym);
}

uint8_t XTestInjector::borrowKeycode(uint32_t keysym) {
    SpareKeycode* chosen = nullptr;
    for (SpareKeycode& spare : spares_) {
        const bool free = !heldKeycodes_[spare.keycode];
        if (free && (chosen == nullptr || spare.lastUse < chosen->lastUse)) {
            chosen = &spare;
        }
    }
    if (chosen == nullptr) {
        return 0;
    }
    // Both levels, so that Shift or Caps Lock held by the user cannot change the character.
    KeySym syms[] = {keysym, keysym};
    XChangeKeyboardMapping(display_, chosen->keycode, 2, syms, 1);
    chosen->keysym = keysym;
    chosen->lastUse = ++uses_;
    return chosen->keycode;
}

bool XTestInjector::isSpare(uint8_t keycode) const {
    return std::any_of(spares_.begin(), spares_.end(),
                       [keycode](const SpareKeycode& spare) { return spare.keycode == keycode; });
}

// Keeps Xlib's copy of the keymap current (borrowing keycodes changes it) and its event queue
// from growing: this connection selects no events, but keymap changes come to every client.
void XTestInjector::readPendingEvents() {
    while (!lost_ && XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
        }
    }
}
