#pragma once

class OpenGlProbe;

// Chooses how the window draws; call once the application object exists and before the
// first window is made. Where OpenGL is only a software rasteriser, the window draws with
// Qt Quick's software renderer: Qt's OpenGL renderer has no partial updates, so there the
// processor would redraw the whole window for each frame of the smallest animation (a third
// of a core while the account popup's badge rocks), where the software renderer repaints
// only what changed, and the window's picture is the same. A back end or graphics API that
// the user named for Qt Quick (QT_QUICK_BACKEND, QSG_RHI_BACKEND) wins. This asks the X server
// the application is connected to; other window systems keep Qt's choice.
void chooseWindowRenderer();
// The same with what OpenGL is told by probe, which is not asked when the user named one.
void chooseWindowRenderer(OpenGlProbe& probe);
