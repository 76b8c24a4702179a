// Developer tool: draws every image of the resources on the backgrounds of both
// themes into one PNG, to judge the drawings by eye: the first row of each cell
// shows Monochrome's page, product bar and tab bar, the second Miracle Mist's.
//   whirlen_assets_contact_sheet OUTPUT.png [SWATCH_PX [COLUMNS [NAME_FILTER]]]
#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const imagesRoot = ":/Ui/Assets/Images/";
constexpr int swatchesPerRow = 3;

QBrush mistGradient(const QRect& area) {
    QLinearGradient gradient(area.topLeft(), area.bottomRight());
    gradient.setColorAt(0, QColor("#2442B2"));
    gradient.setColorAt(0.4, QColor("#88BEE9"));
    gradient.setColorAt(1, QColor("#FFB199"));
    return gradient;
}

QBrush background(int swatch, const QRect& area) {
    static const QColor colours[] = {QColor("#efefef"), QColor("#131C25"), QColor("#ffffff"),
                                     QColor("#ffffff"), QColor("#232b45")};
    return swatch < 5 ? QBrush(colours[swatch]) : mistGradient(area);
}
constexpr int labelHeight = 18;

QStringList imageNames(const QString& filter) {
    QStringList names;
    QDirIterator it(imagesRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.next().mid(int(qstrlen(imagesRoot)));
        if (name.contains(filter)) {
            names << name;
        }
    }
    names.sort();
    return names;
}

QImage loadFitted(const QString& name, int side) {
    QImageReader reader(imagesRoot + name);
    const QSize size = reader.size().scaled(side, side, Qt::KeepAspectRatio);
    reader.setScaledSize(size);
    return reader.read();
}

void drawCell(QPainter& painter, const QString& name, const QRect& cell, int swatch) {
    painter.setPen(Qt::black);
    painter.drawText(cell.left(), cell.top(), cell.width(), labelHeight, Qt::AlignLeft, name);
    const QImage image = loadFitted(name, swatch * 4 / 5);
    for (int i = 0; i < 2 * swatchesPerRow; ++i) {
        const QRect area(cell.left() + (i % swatchesPerRow) * swatch,
                         cell.top() + labelHeight + (i / swatchesPerRow) * swatch, swatch, swatch);
        painter.fillRect(area, background(i, area));
        const QPoint corner = area.center() - QPoint(image.width() / 2, image.height() / 2);
        painter.drawImage(corner, image);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [SWATCH_PX [COLUMNS [NAME_FILTER]]]\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const int swatch = argc > 2 ? std::atoi(argv[2]) : 90;
    const int columns = argc > 3 ? std::atoi(argv[3]) : 6;
    const QStringList names = imageNames(argc > 4 ? QString(argv[4]) : QString());
    const QSize cell(swatchesPerRow * swatch + 10, 2 * swatch + labelHeight + 10);
    const int rows = (int(names.size()) + columns - 1) / columns;
    QImage sheet(cell.width() * columns, cell.height() * rows, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor("#bfc5cc"));
    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    for (int i = 0; i < names.size(); ++i) {
        const QPoint origin((i % columns) * cell.width(), (i / columns) * cell.height());
        drawCell(painter, names[i], QRect(origin, cell), swatch);
    }
    painter.end();
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
