#pragma once

#include "platform/DesktopCompositing.h"

struct xcb_connection_t;

// On X a window's transparent parts show through only while a compositing manager runs: one
// holds the selection _NET_WM_CM_S<n> of a screen it composites, and this asks whether any
// screen's selection has an owner. It asks over the connection it is given (the toolkit's own,
// so that no second one is opened), which must outlive it. Without a connection the window
// system is not X (Wayland, or an off-screen one), and those always composite.
class X11DesktopCompositing : public DesktopCompositing {
public:
    explicit X11DesktopCompositing(xcb_connection_t* connection) : connection_(connection) {}

    bool composites() override;

private:
    bool selectionHasOwner(int screen);

    xcb_connection_t* const connection_;
};
