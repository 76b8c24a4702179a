#include "ui/app/ShadowImageProvider.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <QUrl>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "shared/prefs/LogManager.h"

namespace {

// Bounds of a name that makes sense: a shape no larger than a screen, a blur a few times the
// window's largest. Beyond them a name is a mistake and draws nothing.
constexpr double kLargestSide = 4096;
constexpr double kLargestRadius = 64;

// A plane of opacities, row after row.
struct Plane {
    int width = 0;
    int height = 0;
    std::vector<float> values;
};

std::optional<double> numberIn(const QString& field, double lowest, double highest) {
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !(value >= lowest && value <= highest)) {
        return std::nullopt;
    }
    return value;
}

// A colour as #AARRGGBB or #RRGGBB without its "#", which a URL would take for its fragment.
std::optional<QColor> colourOf(const QString& field) {
    const QColor colour = QColor::fromString(QString(QLatin1Char('#') + field));
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

// A clear picture with room for the blur around a shape of the given size.
QImage clearPicture(const QSizeF& shape, int radius) {
    QImage picture(qCeil(shape.width()) + 2 * radius, qCeil(shape.height()) + 2 * radius,
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

// Qt Quick draws a rectangle's fill inside its border, not under it: the two opacities
// never add up.
QImage rectangleShape(const QSizeF& size, double corner, double border, double fillAlpha,
                      double borderAlpha, int radius) {
    QImage picture = clearPicture(size, radius);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double shortSide = std::min(size.width(), size.height()) / 2;
    corner = std::min(corner, shortSide);
    border = std::min(border, shortSide);
    const QRectF outer(radius, radius, size.width(), size.height());
    const QRectF inner = outer.adjusted(border, border, -border, -border);
    const double innerCorner = std::max(0.0, corner - border);
    QPainterPath fill;
    fill.addRoundedRect(inner, innerCorner, innerCorner);
    painter.fillPath(fill, QColor::fromRgbF(0, 0, 0, static_cast<float>(fillAlpha)));
    if (border > 0) {
        QPainterPath ring;
        ring.setFillRule(Qt::OddEvenFill);
        ring.addRoundedRect(outer, corner, corner);
        ring.addRoundedRect(inner, innerCorner, innerCorner);
        painter.fillPath(ring, QColor::fromRgbF(0, 0, 0, static_cast<float>(borderAlpha)));
    }
    return picture;
}

QImage textShape(const QSizeF& box, int pixelSize, bool bold, const QString& family,
                 const QString& text, int radius) {
    QImage picture = clearPicture(box, radius);
    QPainter painter(&picture);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(radius, radius, box.width(), box.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return picture;
}

Plane opacitiesOf(const QImage& picture) {
    Plane plane{picture.width(), picture.height(), {}};
    plane.values.reserve(static_cast<size_t>(plane.width) * plane.height);
    for (int y = 0; y < plane.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < plane.width; ++x) {
            plane.values.push_back(static_cast<float>(qAlpha(line[x])) / 255.0F);
        }
    }
    return plane;
}

// The weights of a Gaussian blur of the given deviation, cut off `radius` pixels either side.
std::vector<float> blurWeights(int radius, double deviation) {
    std::vector<float> weights;
    double sum = 0;
    for (int offset = -radius; offset <= radius; ++offset) {
        // No deviation: no blur.
        const double weight = deviation > 0
                                  ? std::exp(-offset * offset / (2 * deviation * deviation))
                                  : (offset == 0 ? 1.0 : 0.0);
        weights.push_back(static_cast<float>(weight));
        sum += weight;
    }
    for (float& weight : weights) {
        weight = static_cast<float>(weight / sum);
    }
    return weights;
}

// One pass of the blur, along the rows or along the columns; outside the plane is clear.
Plane blurredAlong(const Plane& plane, bool alongRows, const std::vector<float>& weights) {
    const int reach = static_cast<int>(weights.size() / 2);
    Plane blurred{plane.width, plane.height, std::vector<float>(plane.values.size(), 0.0F)};
    for (int y = 0; y < plane.height; ++y) {
        for (int x = 0; x < plane.width; ++x) {
            float sum = 0;
            for (int offset = -reach; offset <= reach; ++offset) {
                const int sx = alongRows ? x + offset : x;
                const int sy = alongRows ? y : y + offset;
                if (sx >= 0 && sx < plane.width && sy >= 0 && sy < plane.height) {
                    sum += weights[offset + reach] * plane.values[sy * plane.width + sx];
                }
            }
            blurred.values[y * plane.width + x] = sum;
        }
    }
    return blurred;
}

QImage tinted(const Plane& plane, const QColor& colour) {
    QImage picture(plane.width, plane.height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < plane.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < plane.width; ++x) {
            const double alpha = plane.values[y * plane.width + x] * colour.alphaF();
            line[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(),
                                         std::clamp(qRound(alpha * 255), 0, 255)));
        }
    }
    return picture;
}

QImage shadowOf(const QImage& shape, int radius, double deviation, const QColor& colour) {
    const std::vector<float> weights = blurWeights(radius, deviation);
    return tinted(blurredAlong(blurredAlong(opacitiesOf(shape), true, weights), false, weights),
                  colour);
}

// rect/WIDTH/HEIGHT/CORNER/BORDER/FILL_ALPHA/BORDER_ALPHA/RADIUS/DEVIATION/AARRGGBB
std::optional<QImage> rectangleShadow(const QStringList& fields) {
    if (fields.size() != 10) {
        return std::nullopt;
    }
    const auto width = numberIn(fields[1], 0, kLargestSide);
    const auto height = numberIn(fields[2], 0, kLargestSide);
    const auto corner = numberIn(fields[3], 0, kLargestSide);
    const auto border = numberIn(fields[4], 0, kLargestSide);
    const auto fillAlpha = numberIn(fields[5], 0, 1);
    const auto borderAlpha = numberIn(fields[6], 0, 1);
    const auto radius = numberIn(fields[7], 0, kLargestRadius);
    const auto deviation = numberIn(fields[8], 0, kLargestRadius);
    const auto colour = colourOf(fields[9]);
    if (!width || !height || !corner || !border || !fillAlpha || !borderAlpha || !radius ||
        !deviation || !colour) {
        return std::nullopt;
    }
    const int reach = qCeil(*radius);
    return shadowOf(
        rectangleShape(QSizeF(*width, *height), *corner, *border, *fillAlpha, *borderAlpha, reach),
        reach, *deviation, *colour);
}

// text/WIDTH/HEIGHT/PIXEL_SIZE/BOLD/RADIUS/DEVIATION/AARRGGBB/FAMILY/TEXT
std::optional<QImage> textShadow(const QString& id) {
    const QStringList fields = id.split(QLatin1Char('/'));
    if (fields.size() < 10) {
        return std::nullopt;
    }
    const auto width = numberIn(fields[1], 0, kLargestSide);
    const auto height = numberIn(fields[2], 0, kLargestSide);
    const auto pixelSize = numberIn(fields[3], 1, kLargestSide);
    const auto radius = numberIn(fields[5], 0, kLargestRadius);
    const auto deviation = numberIn(fields[6], 0, kLargestRadius);
    const auto colour = colourOf(fields[7]);
    if (!width || !height || !pixelSize || !radius || !deviation || !colour) {
        return std::nullopt;
    }
    const int reach = qCeil(*radius);
    const QString text = QUrl::fromPercentEncoding(id.section(QLatin1Char('/'), 9).toUtf8());
    return shadowOf(textShape(QSizeF(*width, *height), qRound(*pixelSize),
                              fields[4] == QLatin1String("true"), fields[8], text, reach),
                    reach, *deviation, *colour);
}

}  // namespace

ShadowImageProvider::ShadowImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QImage ShadowImageProvider::requestImage(const QString& id, QSize* size,
                                         const QSize& /*requestedSize*/) {
    const QString kind = id.section(QLatin1Char('/'), 0, 0);
    std::optional<QImage> picture;
    if (kind == QLatin1String("rect")) {
        picture = rectangleShadow(id.split(QLatin1Char('/')));
    } else if (kind == QLatin1String("text")) {
        picture = textShadow(id);
    }
    if (!picture) {
        LogManager::instance().log('W', "No shadow of the shape %s", id.toUtf8().constData());
        picture = QImage();
    }
    if (size != nullptr) {
        *size = picture->size();
    }
    return *picture;
}
