#include "platform/NullInputInjector.h"

bool NullInputInjector::sendBatch(std::span<const InputEvent>) {
    return false;
}
