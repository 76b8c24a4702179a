#include "tests/Ui/FontFixture.h"

#include <QFont>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

QStringList FontFixture::familiesDrawing(const QString& text, const QString& family) const {
    QTextLayout layout(text, QFont(family, 12));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        families << (run.glyphIndexes().contains(0) ? QStringLiteral("missing")
                                                    : run.rawFont().familyName());
    }
    return families;
}

QString FontFixture::resolvedFamily(const QString& family) const {
    return QFontInfo(QFont(family)).family();
}
