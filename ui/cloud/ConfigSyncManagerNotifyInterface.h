#pragma once

#include <cstdint>

// Told of the current sync procedure's states and progress, on whichever thread made the step
// and with the manager's mutex held: implementations hand the call on to their own thread and
// never call the manager back from within it.
class ConfigSyncManagerNotifyInterface {
public:
    virtual ~ConfigSyncManagerNotifyInterface() = default;
    virtual void onStateChanged(uint32_t /*state*/, int32_t /*value*/) {}
};
