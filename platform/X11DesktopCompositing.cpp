#include "platform/X11DesktopCompositing.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <string>

#include "platform/XcbReply.h"

bool X11DesktopCompositing::composites() {
    if (connection_ == nullptr) {
        return true;
    }
    const int screens = xcb_setup_roots_length(xcb_get_setup(connection_));
    for (int screen = 0; screen < screens; ++screen) {
        if (selectionHasOwner(screen)) {
            return true;
        }
    }
    return false;
}

bool X11DesktopCompositing::selectionHasOwner(int screen) {
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<uint16_t>(name.size()), name.c_str()),
        nullptr));
    if (!atom) {
        return false;
    }
    const XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}
