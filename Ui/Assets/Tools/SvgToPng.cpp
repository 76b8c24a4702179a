// Build-time tool: renders one SVG drawing into a PNG of a given size.
//   whirlen_svg_to_png INPUT.svg OUTPUT.png WIDTH [HEIGHT]
// The drawing keeps its aspect and is centred in the picture; without HEIGHT the
// picture takes the drawing's own aspect. Any warning of the SVG renderer (an
// element or attribute it does not draw) fails the build, so every drawing stays
// within what the program's renderer shows.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

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

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(countWarnings);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s INPUT.svg OUTPUT.png WIDTH [HEIGHT]\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int width = std::atoi(argv[3]);
    const int height = argc == 5 ? std::atoi(argv[4]) : 0;
    if (!renderer.isValid() || width <= 0) {
        std::fprintf(stderr, "%s: cannot render %s at width %s\n", argv[0], argv[1], argv[3]);
        return 1;
    }
    const QImage picture = render(renderer, width, height);
    if (warnings > 0 || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: %s not written\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
