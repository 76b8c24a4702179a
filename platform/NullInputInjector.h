#pragma once

#include "platform/InputInjector.h"

// Stands in when no backend can synthesise input (and in benchmarks, where the cost of the
// road to the injector is measured without the injector's own): accepts nothing.
class NullInputInjector : public InputInjector {
protected:
    bool sendBatch(std::span<const InputEvent> batch) override;
};
