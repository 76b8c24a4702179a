#pragma once

#include <string>

struct xcb_connection_t;

// Stands in for a compositing manager on an X server: on a connection of its own it holds the
// selection one holds for a screen it composites (_NET_WM_CM_S<n>) until it goes away.
class CompositingManagerStandIn {
public:
    CompositingManagerStandIn(const std::string& displayName, int screen);
    ~CompositingManagerStandIn();
    CompositingManagerStandIn(const CompositingManagerStandIn&) = delete;
    CompositingManagerStandIn& operator=(const CompositingManagerStandIn&) = delete;

    // Whether the server has made it the selection's owner.
    bool holding() const { return holding_; }

private:
    xcb_connection_t* const connection_;
    bool holding_ = false;
};
