#include "tests/support/XClient.h"

#include <poll.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

void PrintTo(const SeenInput& seen, std::ostream* out) {
    *out << "{type " << seen.type << ", detail 0x" << std::hex << seen.detail << ", state 0x"
         << seen.state << std::dec << "}";
}

XClient::XClient(const std::string& displayName) {
    display_ = XOpenDisplay(displayName.c_str());
    if (display_ == nullptr) {
        return;
    }
    const Window root = DefaultRootWindow(display_);
    window_ = XCreateSimpleWindow(display_, root, 0, 0, 640, 480, 0, 0, 0);
    XSelectInput(
        display_, window_,
        KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);
    XMapWindow(display_, window_);
    XEvent event;
    do {
        XNextEvent(display_, &event);
    } while (event.type != MapNotify);
    takeFocus();
    // Xlib loads its keymap and starts following its changes at the first lookup; changes
    // made between those two steps would never reach it, so that happens before any input.
    XKeysymToKeycode(display_, XK_a);
    // The server has focused and placed the pointer before any test input comes.
    XSync(display_, False);
}

void XClient::takeFocus() {
    XRaiseWindow(display_, window_);
    XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
    XWarpPointer(display_, None, window_, 0, 0, 0, 0, 320, 240);
    XSync(display_, False);
}

unsigned long XClient::focusedWindow() {
    Window focused = None;
    int revertTo = RevertToParent;
    XGetInputFocus(display_, &focused, &revertTo);
    return focused;
}

void XClient::giveFocusTo(unsigned long window) {
    if (window == None || window == PointerRoot) {
        return;
    }
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XSync(display_, False);
}

XClient::~XClient() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

std::vector<SeenInput> XClient::take(size_t count, bool pressesOnly) {
    std::vector<SeenInput> seen;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (seen.size() < count && waitForEvent(deadline)) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
        } else if (event.type == KeyPress || (event.type == KeyRelease && !pressesOnly)) {
            seen.push_back({event.type, XLookupKeysym(&event.xkey, 0), event.xkey.state});
        } else if (event.type == ButtonPress || (event.type == ButtonRelease && !pressesOnly)) {
            seen.push_back({event.type, event.xbutton.button, 0});
        }
    }
    return seen;
}

bool XClient::keyIsDown(unsigned long keysym) {
    char keys[32];
    XQueryKeymap(display_, keys);
    const KeyCode keycode = XKeysymToKeycode(display_, keysym);
    return (keys[keycode / 8] & (1 << (keycode % 8))) != 0;
}

unsigned XClient::pointerState() {
    Window rootReturn;
    Window childReturn;
    int rootX, rootY, x, y;
    unsigned mask = 0;
    XQueryPointer(display_, window_, &rootReturn, &childReturn, &rootX, &rootY, &x, &y, &mask);
    return mask;
}

bool XClient::waitForEvent(std::chrono::steady_clock::time_point deadline) {
    while (XPending(display_) == 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd = {ConnectionNumber(display_), POLLIN, 0};
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
            return false;
        }
    }
    return true;
}
