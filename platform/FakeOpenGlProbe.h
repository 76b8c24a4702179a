#pragma once

#include <cstddef>

#include "platform/OpenGlProbe.h"

// OpenGL for tests that is only a software rasteriser or not, as the test says, and counts the
// questions.
class FakeOpenGlProbe : public OpenGlProbe {
public:
    explicit FakeOpenGlProbe(bool softwareRasteriserOnly)
        : softwareRasteriserOnly_(softwareRasteriserOnly) {}

    bool softwareRasteriserOnly() override;

    std::size_t calls() const { return calls_; }

private:
    const bool softwareRasteriserOnly_;
    std::size_t calls_ = 0;
};
