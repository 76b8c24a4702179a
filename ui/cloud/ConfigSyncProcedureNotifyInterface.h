#pragma once

#include <cstdint>

class UpProcedure;

// Told of each state a sync procedure enters (value 0) and of its download's progress in
// thousandths (state unchanged), on the thread that made the step, with the procedure's mutex
// held.
class ConfigSyncProcedureNotifyInterface {
public:
    virtual ~ConfigSyncProcedureNotifyInterface() = default;
    virtual void onProcedureStateChanged(UpProcedure& /*procedure*/, uint32_t /*state*/,
                                         int32_t /*value*/) {}
};
