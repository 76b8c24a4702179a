#pragma once

#include <QImage>
#include <QQuickImageProvider>
#include <QSize>
#include <QString>

// The pictures of the window's soft shadows ("image://shadow/NAME"): what casts the shadow,
// blurred by a Gaussian of the given deviation reaching RADIUS pixels either side and tinted
// in the shadow's colour, drawn on the processor once per shape and shared by every item of
// that shape. Drawing them takes plain textures only, no shader of their own and no offscreen
// pass. A picture is the shape's size rounded up plus RADIUS pixels on every side, with the
// shape at (RADIUS, RADIUS).
// Names are fields separated by "/":
//   rect/WIDTH/HEIGHT/CORNER/BORDER/FILL_ALPHA/BORDER_ALPHA/RADIUS/DEVIATION/AARRGGBB
//     a rounded rectangle as Qt Quick draws it: the fill inside a border of BORDER pixels;
//   text/WIDTH/HEIGHT/PIXEL_SIZE/BOLD/RADIUS/DEVIATION/AARRGGBB/FAMILY/TEXT
//     one line of text in its box (TEXT percent-encoded).
class ShadowImageProvider : public QQuickImageProvider {
public:
    ShadowImageProvider();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};
