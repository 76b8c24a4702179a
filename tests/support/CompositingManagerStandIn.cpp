#include "tests/support/CompositingManagerStandIn.h"

#include <xcb/xcb.h>

#include <cstdint>

#include "platform/XcbReply.h"

CompositingManagerStandIn::CompositingManagerStandIn(const std::string& displayName, int screen)
    : connection_(xcb_connect(displayName.c_str(), nullptr)) {
    if (xcb_connection_has_error(connection_) != 0) {
        return;
    }
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    const XcbReply<xcb_intern_atom_reply_t> selection(xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<uint16_t>(name.size()), name.c_str()),
        nullptr));
    if (!selection) {
        return;
    }
    const xcb_window_t window = xcb_generate_id(connection_);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_set_selection_owner(connection_, window, selection->atom, XCB_CURRENT_TIME);
    // The answer comes once the server has carried the request out, so other clients see it.
    const XcbReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, selection->atom), nullptr));
    holding_ = owner && owner->owner == window;
}

CompositingManagerStandIn::~CompositingManagerStandIn() {
    xcb_disconnect(connection_);
}
