#include "ui/cloud/UpProcedure.h"

void UpProcedure::releaseGuard() {
    int32_t guards = guards_.load();
    while (guards > 0 && !guards_.compare_exchange_weak(guards, guards - 1)) {
    }
}
