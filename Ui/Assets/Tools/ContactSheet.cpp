// Developer tool: draws every image of the resources on the backgrounds of both
// themes (the window's page colour and the product bar's colour of Monochrome,
// then of Miracle Mist) into one PNG, to judge the drawings by eye.
//   whirlen_assets_contact_sheet OUTPUT.png [SWATCH_PX [COLUMNS [NAME_FILTER]]]
#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const imagesRoot = ":/Ui/Assets/Images/";
const QColor backgrounds[] = {QColor("#efefef"), QColor("#131C25"), QColor("#ffffff"),
                              QColor("#232b45")};
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
    for (int i = 0; i < 4; ++i) {
        const QRect area(cell.left() + (i % 2) * swatch,
                         cell.top() + labelHeight + (i / 2) * swatch, swatch, swatch);
        painter.fillRect(area, backgrounds[i]);
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
    const int columns = argc > 3 ? std::atoi(argv[3]) : 7;
    const QStringList names = imageNames(argc > 4 ? QString(argv[4]) : QString());
    const QSize cell(2 * swatch + 10, 2 * swatch + labelHeight + 10);
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
