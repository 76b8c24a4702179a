#include "platform/FakeDesktopCompositing.h"

bool FakeDesktopCompositing::composites() {
    ++calls_;
    return composites_;
}
