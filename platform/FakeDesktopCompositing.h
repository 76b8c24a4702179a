#pragma once

#include <cstddef>

#include "platform/DesktopCompositing.h"

// A desktop for tests that composites or not as the test says, and counts the questions.
class FakeDesktopCompositing : public DesktopCompositing {
public:
    explicit FakeDesktopCompositing(bool composites) : composites_(composites) {}

    bool composites() override;

    std::size_t calls() const { return calls_; }

private:
    const bool composites_;
    std::size_t calls_ = 0;
};
