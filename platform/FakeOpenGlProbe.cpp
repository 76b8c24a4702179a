#include "platform/FakeOpenGlProbe.h"

bool FakeOpenGlProbe::softwareRasteriserOnly() {
    ++calls_;
    return softwareRasteriserOnly_;
}
