#pragma once

// What OpenGL draws with on the desktop a window is shown on, asked before the window
// chooses how to draw.
class OpenGlProbe {
public:
    virtual ~OpenGlProbe() = default;

    // True when OpenGL here is only a software rasteriser (Mesa's llvmpipe or softpipe): the
    // processor draws every pixel of every frame, as on a machine or a remote desktop without
    // a graphics driver.
    virtual bool softwareRasteriserOnly() = 0;
};
