#include "platform/X11ForegroundWindowProvider.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <set>
#include <string_view>

#include "shared/prefs/LogManager.h"

namespace {

// A dialog's owner may itself be a dialog. Nothing stops a client from making the chain a
// loop, hence the bound.
constexpr int kMaxOwnerHops = 16;
// The tree can change while it is walked; the bound keeps a pathological one finite.
constexpr int kMaxTreeDepth = 64;
// What the kernel appends to the link of a program replaced on disk while it runs (as a
// package upgrade does); the program is still the one at that path.
constexpr std::string_view kDeletedSuffix = " (deleted)";

// Xlib has one handler for request errors and one for a broken connection for the whole
// process, and the default ones end the process. On our connections a request error is
// expected (a window can be destroyed between two requests) and the failed request reports
// it by its result, and a broken connection is only the end of that connection. Errors on
// other connections go to whichever handlers were there before.
struct ErrorRouting {
    std::mutex lock;
    // A multiset: a closed connection's address can come back for the next one opened
    // before the closed one is forgotten.
    std::multiset<Display*> quietDisplays;
    XErrorHandler previous = nullptr;
    XIOErrorHandler previousIo = nullptr;
};

ErrorRouting& errorRouting() {
    static ErrorRouting routing;
    return routing;
}

// The previous handler of kind `Handler` for a connection that is not ours, or null.
template <typename Handler>
Handler previousHandlerFor(Display* display, Handler ErrorRouting::*which) {
    ErrorRouting& routing = errorRouting();
    std::lock_guard guard(routing.lock);
    return routing.quietDisplays.count(display) != 0 ? nullptr : routing.*which;
}

int onXError(Display* display, XErrorEvent* event) {
    const XErrorHandler previous = previousHandlerFor(display, &ErrorRouting::previous);
    return previous != nullptr ? previous(display, event) : 0;
}

// For our connections Xlib calls markBroken() once this returns.
int onXIOError(Display* display) {
    const XIOErrorHandler previous = previousHandlerFor(display, &ErrorRouting::previousIo);
    return previous != nullptr ? previous(display) : 0;
}

void quietErrorsOf(Display* display) {
    static std::once_flag installed;
    ErrorRouting& routing = errorRouting();
    std::call_once(installed, [&routing] {
        std::lock_guard guard(routing.lock);
        routing.previous = XSetErrorHandler(onXError);
        routing.previousIo = XSetIOErrorHandler(onXIOError);
    });
    std::lock_guard guard(routing.lock);
    routing.quietDisplays.insert(display);
}

void forgetErrorsOf(Display* display) {
    ErrorRouting& routing = errorRouting();
    std::lock_guard guard(routing.lock);
    routing.quietDisplays.erase(routing.quietDisplays.find(display));
}

// Called by Xlib instead of exit() when the connection breaks; the provider drops the
// connection once the current query has unwound.
void markBroken(Display*, void* broken) {
    *static_cast<bool*>(broken) = true;
}

std::string programPathOf(std::optional<unsigned long> pid) {
    if (!pid || *pid == 0) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path link = "/proc/" + std::to_string(*pid) + "/exe";
    std::string path = std::filesystem::read_symlink(link, error).string();
    if (error) {
        return {};
    }
    if (path.ends_with(kDeletedSuffix)) {
        path.resize(path.size() - kDeletedSuffix.size());
    }
    return path;
}

}  // namespace

X11ForegroundWindowProvider::~X11ForegroundWindowProvider() {
    disconnect();
}

std::optional<ForegroundWindow> X11ForegroundWindowProvider::foreground() {
    if (!connect()) {
        return std::nullopt;
    }
    std::optional<ForegroundWindow> found;
    if (const std::optional<Window> window = frontWindow()) {
        const Window owner = ownerOf(*window);
        const std::optional<unsigned long> pid = numberProperty(owner, atoms_.pid, XA_CARDINAL);
        found = ForegroundWindow{owner, programPathOf(pid)};
    }
    if (broken_) {
        LogManager::instance().log('W', "Foreground window: lost the connection to the X display");
        disconnect();
        return std::nullopt;
    }
    return found;
}

bool X11ForegroundWindowProvider::connect() {
    if (display_ != nullptr) {
        return true;
    }
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) {
        if (!reportedNoDisplay_) {
            const char* name = std::getenv("DISPLAY");
            LogManager::instance().log('W',
                                       "Foreground window: cannot open the X display \"%s\"; "
                                       "application-specific bindings are not applied",
                                       name != nullptr ? name : "");
            reportedNoDisplay_ = true;
        }
        return false;
    }
    quietErrorsOf(display_);
    broken_ = false;
    XSetIOErrorExitHandler(display_, markBroken, &broken_);
    atoms_.activeWindow = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    atoms_.pid = XInternAtom(display_, "_NET_WM_PID", False);
    return true;
}

void X11ForegroundWindowProvider::disconnect() {
    if (display_ == nullptr) {
        return;
    }
    // Forgotten only afterwards: closing a broken connection is one more error on it.
    XCloseDisplay(display_);
    forgetErrorsOf(display_);
    display_ = nullptr;
}

std::optional<unsigned long> X11ForegroundWindowProvider::frontWindow() {
    const Window root = DefaultRootWindow(display_);
    const std::optional<unsigned long> active =
        numberProperty(root, atoms_.activeWindow, XA_WINDOW);
    if (active && *active != None) {
        return *active;
    }
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display_, &focus, &revertTo);
    if (focus == None || focus == PointerRoot || focus == root) {
        return std::nullopt;
    }
    return topLevelOf(focus);
}

std::optional<unsigned long> X11ForegroundWindowProvider::topLevelOf(unsigned long window) {
    for (int depth = 0; depth < kMaxTreeDepth; ++depth) {
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int childCount = 0;
        if (XQueryTree(display_, window, &root, &parent, &children, &childCount) == 0) {
            return std::nullopt;
        }
        if (children != nullptr) {
            XFree(children);
        }
        if (parent == root || parent == None) {
            return window;
        }
        window = parent;
    }
    return std::nullopt;
}

unsigned long X11ForegroundWindowProvider::ownerOf(unsigned long window) {
    const Window root = DefaultRootWindow(display_);
    for (int hop = 0; hop < kMaxOwnerHops; ++hop) {
        Window owner = None;
        if (XGetTransientForHint(display_, window, &owner) == 0 || owner == None || owner == root ||
            owner == window) {
            break;
        }
        window = owner;
    }
    return window;
}

std::optional<unsigned long> X11ForegroundWindowProvider::numberProperty(unsigned long window,
                                                                         unsigned long property,
                                                                         unsigned long type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display_, window, property, 0, 1, False, type,
                                          &actualType, &format, &count, &remaining, &data);
    std::optional<unsigned long> value;
    // Xlib hands 32-bit items out as longs.
    if (status == Success && actualType == type && format == 32 && count >= 1 && data != nullptr) {
        value = *reinterpret_cast<unsigned long*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return value;
}
