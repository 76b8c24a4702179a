#pragma once

// Tells whether the desktop shows what is behind a window's transparent parts. Where nothing
// composites, the window system fills those parts black and a window with an alpha channel
// only costs more to draw.
class DesktopCompositing {
public:
    virtual ~DesktopCompositing() = default;

    virtual bool composites() = 0;
};
