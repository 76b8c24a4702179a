// The platform singleton as the program and its documents see it: one object, never
// handed to the engine to delete, which asks the desktop whether windows may be translucent.

#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>
#include <utility>

#include "platform/FakeDesktopCompositing.h"
#include "tests/ui/app/QmlWarnings.h"
#include "tests/ui/app/QtTestMain.h"
#include "ui/app/PlatformInfo.h"
#include "ui/app/QmlTypeRegistration.h"

class PlatformInfoTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerQmlTypes(); }
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void documentsSeeTheSameObjectWhichOutlivesTheirEngine() {
        for (int round = 0; round < 2; ++round) {
            auto engine = std::make_unique<QQmlEngine>();
            failOnQmlWarnings(*engine);
            QQmlComponent component(engine.get());
            component.setData(
                "import QtQml\nimport PlatformInfo 1.0\n"
                "QtObject { property var info: PlatformInfo\n"
                "           property bool windows: PlatformInfo.platformType === "
                "PlatformInfo.Windows }",
                QUrl("qrc:/PlatformProbe.qml"));
            std::unique_ptr<QObject> probe(component.create());
            QVERIFY2(probe, qPrintable(component.errorString()));
            QCOMPARE(probe->property("info").value<QObject*>(), &PlatformInfo::instance());
            QVERIFY(probe->property("windows").toBool());
            probe.reset();
            engine.reset();
            // Still whole: a second engine gets the same, living object.
            QCOMPARE(PlatformInfo::instance().platformType(), PlatformInfo::Windows);
        }
    }

    void bringToFrontShowsTheWindowWithTheMainTitleOnly() {
        QWindow other;
        other.setTitle("Another window");
        QWindow main;
        main.setTitle("Pelvane Multimedia Controller Device Configuration");
        // The tests' off-screen window system has no stacking order to raise a window in.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
        PlatformInfo::instance().bringToFront();
        QVERIFY(main.isVisible());
        QVERIFY(!other.isVisible());
    }

    // The property is constant to the documents, so the desktop is asked once.
    void translucentWindowsAreTheDesktopsAnswerAskedOnce() {
        for (const bool composites : {false, true}) {
            auto compositing = std::make_unique<FakeDesktopCompositing>(composites);
            const FakeDesktopCompositing& desktop = *compositing;
            PlatformInfo info(std::move(compositing));
            QCOMPARE(info.property("translucentWindows").toBool(), composites);
            QCOMPARE(info.property("translucentWindows").toBool(), composites);
            QCOMPARE(desktop.calls(), 1u);
        }
    }

    // The tests' window system is not X (the off-screen one answers as X without a
    // connection), and every other one composites.
    void documentsSeeTranslucentWindowsWhereTheWindowSystemIsNotX() {
        QQmlEngine engine;
        failOnQmlWarnings(engine);
        QQmlComponent component(&engine);
        component.setData(
            "import QtQml\nimport PlatformInfo 1.0\n"
            "QtObject { property bool translucent: PlatformInfo.translucentWindows }",
            QUrl("qrc:/TranslucencyProbe.qml"));
        std::unique_ptr<QObject> probe(component.create());
        QVERIFY2(probe, qPrintable(component.errorString()));
        QVERIFY(probe->property("translucent").toBool());
    }

    void platformNameIsLinux() { QCOMPARE(PlatformInfo::platformName(), std::string("Linux")); }
};

WHIRLEN_QT_TEST_MAIN(PlatformInfoTest)
#include "PlatformInfoTest.moc"
