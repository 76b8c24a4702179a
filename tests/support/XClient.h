#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

struct _XDisplay;

// What an application sees of one key or button event. Types and details are Xlib's
// (KeyPress, ButtonRelease, XK_a, button 4...).
struct SeenInput {
    int type;
    unsigned long detail;  // the keysym of a key event, the button of a button event
    unsigned state;        // the modifier mask of a key event; 0 for a button event
    bool operator==(const SeenInput&) const = default;
};

void PrintTo(const SeenInput& seen, std::ostream* out);

// An application window that has the keyboard focus and the pointer, on its own connection
// to the X server, for tests of the input that reaches applications.
class XClient {
public:
    // Only a broken path to the server waits this long for events.
    static constexpr std::chrono::seconds kPatience{10};

    explicit XClient(const std::string& displayName);
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    bool ready() const { return display_ != nullptr; }
    // Takes the keyboard focus and the pointer back from other windows on the server.
    void takeFocus();
    // The window that has the keyboard focus now, and a way to hand it back there once the
    // test's input has arrived.
    unsigned long focusedWindow();
    void giveFocusTo(unsigned long window);

    // The next `count` key or button events, fewer when they do not come in time.
    std::vector<SeenInput> take(size_t count, bool pressesOnly = false);
    bool keyIsDown(unsigned long keysym);
    // The pointer's button and modifier mask.
    unsigned pointerState();

private:
    bool waitForEvent(std::chrono::steady_clock::time_point deadline);

    _XDisplay* display_ = nullptr;
    unsigned long window_ = 0;
};
