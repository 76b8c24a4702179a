#pragma once

#include "platform/OpenGlProbe.h"

struct xcb_connection_t;

// Tells from the X server, without loading OpenGL, whether OpenGL on it would be Mesa's
// software rasteriser. Mesa reaches the graphics card only through a device the X server
// hands it (its DRI3 extension, or the older DRI2), and NVIDIA's driver brings its own GLX
// (the server's NV-GLX extension); a server with none of them (Xvfb, Xvnc, xrdp, a virtual
// machine's display without 3D) leaves Mesa's llvmpipe or softpipe. Mesa's
// LIBGL_ALWAYS_SOFTWARE asks for them anywhere.
// Creating a context to read its renderer instead would cost the start some 50 ms and the
// process some 60 MiB of Mesa and LLVM, which the software renderer then never uses.
class X11OpenGlProbe : public OpenGlProbe {
public:
    // The connection is borrowed (the toolkit's own) and must outlive the probe.
    explicit X11OpenGlProbe(xcb_connection_t* connection) : connection_(connection) {}

    bool softwareRasteriserOnly() override;

private:
    xcb_connection_t* const connection_;
};
