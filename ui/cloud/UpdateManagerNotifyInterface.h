#pragma once

#include <cstdint>

// Told of the current update procedure's states and progress, on whichever thread made the
// step and with the manager's mutex held: implementations hand the call on to their own thread
// and never call the manager back from within it.
class UpdateManagerNotifyInterface {
public:
    virtual ~UpdateManagerNotifyInterface() = default;
    virtual void onStateChanged(uint32_t /*state*/, int32_t /*value*/) {}
};
