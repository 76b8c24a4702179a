// Build-time tool: renders one SVG drawing into a PNG of a given size.
//   whirlen_svg_to_png INPUT.svg OUTPUT.png WIDTH [HEIGHT]
//   whirlen_svg_to_png INPUT.svg OUTPUT.png WIDTH --element ID X Y TINT
// The drawing keeps its aspect and is centred in the picture; without HEIGHT the
// picture takes the drawing's own aspect. With --element only the element ID is drawn,
// at the scale the whole drawing would have at WIDTH, into the smallest square centred
// on the point (X, Y) of the drawing that holds it, and washed with the colour TINT
// (with its alpha): a highlight that lies over the picture when centred on that point.
// Any warning of the SVG renderer (an
// element or attribute it does not draw) fails the build, so every drawing stays
// within what the program's renderer shows.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int warnings = 0;

void countWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg) {
        ++warnings;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

QRectF fittedRect(const QSizeF& drawing, const QSize& picture) {
    const QSizeF scaled = drawing.scaled(picture, Qt::KeepAspectRatio);
    return {(picture.width() - scaled.width()) / 2.0, (picture.height() - scaled.height()) / 2.0,
            scaled.width(), scaled.height()};
}

QImage render(QSvgRenderer& renderer, int width, int height) {
    const QSizeF drawing = renderer.viewBoxF().size();
    if (height <= 0) {
        height = qRound(width * drawing.height() / drawing.width());
    }
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, fittedRect(drawing, picture.size()));
    painter.end();
    return picture;
}

// The square around anchor, in drawing units, that holds the element's bounds.
QRectF squareAround(const QRectF& bounds, const QPointF& anchor) {
    const qreal half = std::max({anchor.x() - bounds.left(), bounds.right() - anchor.x(),
                                 anchor.y() - bounds.top(), bounds.bottom() - anchor.y()});
    return {anchor.x() - half, anchor.y() - half, 2 * half, 2 * half};
}

QImage renderElement(QSvgRenderer& renderer, int width, const QString& id, const QPointF& anchor,
                     const QColor& tint) {
    const qreal scale = width / renderer.viewBoxF().width();
    const QRectF square = squareAround(renderer.boundsOnElement(id), anchor);
    const int side = qCeil(square.width() * scale);
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF bounds = renderer.boundsOnElement(id);
    renderer.render(&painter, id,
                    QRectF((bounds.topLeft() - square.topLeft()) * scale, bounds.size() * scale));
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(picture.rect(), tint);
    painter.end();
    return picture;
}

QImage renderFromArguments(QSvgRenderer& renderer, int argc, char* argv[]) {
    const int width = std::atoi(argv[3]);
    if (argc == 9 && std::strcmp(argv[4], "--element") == 0) {
        const QString id = QString::fromLocal8Bit(argv[5]);
        const QColor tint = QColor::fromString(QLatin1String(argv[8]));
        if (!renderer.elementExists(id) || !tint.isValid()) {
            return {};
        }
        return renderElement(renderer, width, id, QPointF(std::atof(argv[6]), std::atof(argv[7])),
                             tint);
    }
    return render(renderer, width, argc == 5 ? std::atoi(argv[4]) : 0);
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(countWarnings);
    if (argc != 4 && argc != 5 && argc != 9) {
        std::fprintf(stderr,
                     "usage: %s INPUT.svg OUTPUT.png WIDTH [HEIGHT | --element ID X Y TINT]\n",
                     argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const QImage picture = renderer.isValid() && std::atoi(argv[3]) > 0
                               ? renderFromArguments(renderer, argc, argv)
                               : QImage();
    if (picture.isNull()) {
        std::fprintf(stderr, "%s: cannot render %s at width %s\n", argv[0], argv[1], argv[3]);
        return 1;
    }
    if (warnings > 0 || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: %s not written\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
