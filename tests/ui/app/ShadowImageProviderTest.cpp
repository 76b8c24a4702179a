// The pictures of the soft shadows: a see-through pill casts only its border's shadow and a
// filled one a full shadow, the short picture that the window stretches stands for any
// longer side, and a name that makes no sense draws nothing.

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTest>

#include "tests/ui/app/QtTestMain.h"
#include "ui/app/ShadowImageProvider.h"

class ShadowImageProviderTest : public QObject {
    Q_OBJECT

private:
    ShadowImageProvider provider_;

    QImage picture(const QString& name) {
        QSize size;
        const QImage image = provider_.requestImage(name, &size, QSize());
        if (size != image.size()) {
            qWarning("the reported size is not the picture's");
            return {};
        }
        return image;
    }

private slots:
    void aSeeThroughPillCastsItsBordersShadowOnly() {
        // A 100 x 24 pill with a 1 px border, blurred over 5 px, in opaque black.
        const QImage filled = picture("rect/100/24/12/1/1/1/5/1.8/ff000000");
        const QImage seeThrough = picture("rect/100/24/12/1/0/1/5/1.8/ff000000");
        QCOMPARE(filled.size(), QSize(110, 34));
        QCOMPARE(seeThrough.size(), QSize(110, 34));
        // The middle: full under the filled pill, clear under the see-through one.
        QCOMPARE(qAlpha(filled.pixel(55, 17)), 255);
        QCOMPARE(qAlpha(seeThrough.pixel(55, 17)), 0);
        // Under the border the see-through pill casts a faint edge.
        QVERIFY(qAlpha(seeThrough.pixel(55, 5)) > 30);
        QVERIFY(qAlpha(seeThrough.pixel(55, 5)) < 128);
        // It fades out over the radius: the picture's corners are clear.
        QCOMPARE(qAlpha(filled.pixel(0, 0)), 0);
        QVERIFY(qAlpha(filled.pixel(55, 1)) < qAlpha(filled.pixel(55, 3)));
    }

    // The window draws a long side from a picture with a straight part of one blur's width
    // either side of its middle (2 * corner + 2 * radius + 1 wide): that middle column is the
    // middle of any longer side.
    void theStretchedMiddleIsAnyLongerSidesMiddle() {
        const QImage pattern = picture("rect/35/24/12/1/0/1/5/2.5/77c0c0c0");
        const QImage longer = picture("rect/300/24/12/1/0/1/5/2.5/77c0c0c0");
        QCOMPARE(pattern.height(), longer.height());
        for (int y = 0; y < pattern.height(); ++y) {
            QCOMPARE(pattern.pixel(pattern.width() / 2, y), longer.pixel(longer.width() / 2, y));
        }
    }

    void aNameThatMakesNoSenseDrawsNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("unknown shape") << "circle/10/10/5/0/1/1/5/1.8/ff000000";
        QTest::newRow("fields missing") << "rect/100/24/12/1/1/1/5/ff000000";
        QTest::newRow("not a number") << "rect/wide/24/12/1/1/1/5/1.8/ff000000";
        QTest::newRow("opacity above one") << "rect/100/24/12/1/2/1/5/1.8/ff000000";
        QTest::newRow("larger than a screen") << "rect/100000/24/12/1/1/1/5/1.8/ff000000";
        QTest::newRow("not a colour") << "rect/100/24/12/1/1/1/5/1.8/grey";
        QTest::newRow("text without its text") << "text/10/20/16/false/5/1.8/ff000000";
    }

    void aNameThatMakesNoSenseDrawsNothing() {
        QFETCH(QString, name);
        QSize size(1, 1);
        QVERIFY(provider_.requestImage(name, &size, QSize()).isNull());
        QCOMPARE(size, QSize(0, 0));
    }
};

WHIRLEN_QT_TEST_MAIN(ShadowImageProviderTest)

#include "ShadowImageProviderTest.moc"
