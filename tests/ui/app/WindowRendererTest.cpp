// How the window draws: with Qt's choice wherever OpenGL has a graphics driver behind it, with
// Qt Quick's software renderer where it is only a software rasteriser, and always as the user
// named it.

#include <QQuickWindow>
#include <QRegularExpression>
#include <QTest>

#include "platform/FakeOpenGlProbe.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/WindowRenderer.h"

class WindowRendererTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void chooses_data() {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("softwareOnly");
        QTest::addColumn<bool>("software");
        QTest::addColumn<bool>("asked");
        QTest::newRow("a graphics driver") << QString() << false << false << true;
        QTest::newRow("a software rasteriser") << QString() << true << true << true;
        QTest::newRow("QT_QUICK_BACKEND named")
            << QStringLiteral("QT_QUICK_BACKEND") << true << false << false;
        QTest::newRow("QSG_RHI_BACKEND named")
            << QStringLiteral("QSG_RHI_BACKEND") << true << false << false;
    }

    void chooses() {
        QFETCH(QString, variable);
        QFETCH(bool, softwareOnly);
        QFETCH(bool, software);
        QFETCH(bool, asked);
        ScopedEnvironment environment;
        environment.unset("QT_QUICK_BACKEND");
        environment.unset("QSG_RHI_BACKEND");
        if (!variable.isEmpty()) {
            environment.set(variable.toStdString(), "opengl");
        }
        // Qt's own choice: no back end named.
        QQuickWindow::setSceneGraphBackend(QString());
        FakeOpenGlProbe probe(softwareOnly);
        chooseWindowRenderer(probe);
        QCOMPARE(QQuickWindow::sceneGraphBackend(),
                 software ? QStringLiteral("software") : QString());
        QCOMPARE(probe.calls(), asked ? 1U : 0U);
    }
};

WHIRLEN_QT_TEST_MAIN(WindowRendererTest)
#include "WindowRendererTest.moc"
