// The configuration program as a user first sees it, on a private X server: the connect
// screen, and the window with a Whirlen Max attached (the real agent on a made-up device
// tree), in both themes, in English and German. Each screen is saved as a PNG in
// WHIRLEN_SCREENSHOTS_DIR and checked: the window is drawn, in its theme's colours.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "tests/support/ChildProcess.h"
#include "tests/support/FakeDeviceTree.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/XvfbServer.h"

namespace {

constexpr uint32_t kVendor = 0x0F1E;
constexpr uint32_t kMaxProduct = 0x30;

QImage grabScreen() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// The window on the black root: the bounding box of everything not black.
QRect windowRect(const QImage& screen) {
    QRect box;
    for (int y = 0; y < screen.height(); y += 2) {
        for (int x = 0; x < screen.width(); x += 2) {
            if (screen.pixelColor(x, y) != Qt::black) {
                box |= QRect(x, y, 2, 2);
            }
        }
    }
    return box;
}

bool near(const QColor& seen, const QColor& expected) {
    return std::abs(seen.red() - expected.red()) < 24 &&
           std::abs(seen.green() - expected.green()) < 24 &&
           std::abs(seen.blue() - expected.blue()) < 24;
}

}  // namespace

class ScreenshotsTest : public QObject {
    Q_OBJECT

private slots:
    void screens_data() {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("maxAttached");
        // A point of the window (fractions of its size) and the colour it shows.
        QTest::addColumn<QPointF>("sample");
        QTest::addColumn<QColor>("colour");
        const QPointF connectScreen(0.1, 0.9);
        const QPointF tabArea(0.6, 0.85);
        QTest::newRow("connect-monochrome-en")
            << 0 << "en" << false << connectScreen << QColor("#131C25");
        QTest::newRow("connect-monochrome-de")
            << 0 << "de" << false << connectScreen << QColor("#131C25");
        QTest::newRow("connect-miraclemist-en")
            << 1 << "en" << false << QPointF(0.03, 0.06) << QColor("#2442B2");
        QTest::newRow("connect-miraclemist-de")
            << 1 << "de" << false << QPointF(0.03, 0.06) << QColor("#2442B2");
        QTest::newRow("max-monochrome-en") << 0 << "en" << true << tabArea << QColor("#efefef");
        QTest::newRow("max-monochrome-de") << 0 << "de" << true << tabArea << QColor("#efefef");
        QTest::newRow("max-miraclemist-en") << 1 << "en" << true << tabArea << QColor("#ffffff");
        QTest::newRow("max-miraclemist-de") << 1 << "de" << true << tabArea << QColor("#ffffff");
        // The window with the controller in each further language, for its texts' lengths.
        for (const char* code : {"fr", "it", "ja", "nl", "pt", "es", "no", "se", "fi", "da"}) {
            QTest::newRow(qPrintable(QString("max-monochrome-") + code))
                << 0 << code << true << tabArea << QColor("#efefef");
        }
    }

    void screens() {
        QFETCH(int, theme);
        QFETCH(QString, language);
        QFETCH(bool, maxAttached);
        QFETCH(QPointF, sample);
        QFETCH(QColor, colour);

        TemporaryFolder data("screens-data");
        TemporaryFolder runtime("screens-runtime");
        FakeDeviceTree tree;
        if (maxAttached) {
            QVERIFY(tree.addHidraw(0, kVendor, kMaxProduct, 1, "2"));
        }
        const std::string settings = data.file("PelvaneDesignMediaControllerSoftware");
        std::filesystem::create_directories(settings);
        // No update check at start: its failure, without a cloud, would cover the window with
        // an alert.
        writeFileBytes(settings + "/ApplicationSettings.ini",
                       "[ApplicationSettings]\nLanguage=" + language.toStdString() + "\nUiTheme=" +
                           std::to_string(theme) + "\nSoftwareCheckForUpdatesPermission=0\n");
        ScopedEnvironment environment;
        environment.set("XDG_DATA_HOME", data.path().string());
        environment.set("XDG_CONFIG_HOME", data.path().string());
        environment.set("XDG_CACHE_HOME", data.path().string());
        environment.set("XDG_RUNTIME_DIR", runtime.path().string());
        environment.set("WHIRLEN_SYSFS_ROOT", tree.sysfsRoot());
        environment.set("WHIRLEN_DEV_ROOT", tree.devRoot());
        environment.set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtime.file("no-bus"));

        // The agent runs first, so the program finds it and starts none of its own.
        ChildProcess agent;
        QVERIFY(agent.start({WHIRLEN_AGENT_PROGRAM}));
        ChildProcess program;
        QVERIFY(program.start({WHIRLEN_UI_PROGRAM}));

        QImage screen;
        QRect window;
        const auto shown = [&] {
            screen = grabScreen();
            window = windowRect(screen);
            if (window.width() < 1200 || window.height() < 700) {
                return false;
            }
            const QPoint point(window.x() + int(sample.x() * window.width()),
                               window.y() + int(sample.y() * window.height()));
            return near(screen.pixelColor(point), colour);
        };
        const bool drawn = waitUntil(shown, std::chrono::seconds(30));
        // The window at rest: pictures decoded off the main thread arrive a frame or two later.
        QImage previous;
        waitUntil(
            [&] {
                previous = screen;
                QTest::qWait(200);
                screen = grabScreen();
                return screen == previous;
            },
            std::chrono::seconds(5));
        QDir().mkpath(WHIRLEN_SCREENSHOTS_DIR);
        const QString file =
            QString(WHIRLEN_SCREENSHOTS_DIR) + "/" + QTest::currentDataTag() + ".png";
        QVERIFY(screen.copy(window.isEmpty() ? screen.rect() : window).save(file));
        std::printf("screenshot: %s\n", qPrintable(file));
        program.stop();
        agent.stop();
        QVERIFY2(drawn, qPrintable(QString("window %1x%2 at %3,%4")
                                       .arg(window.width())
                                       .arg(window.height())
                                       .arg(window.x())
                                       .arg(window.y())));
    }
};

int main(int argc, char** argv) {
    XvfbServer xvfb("1920x1080x24");
    if (!xvfb.running()) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    ScopedEnvironment display;
    display.set("DISPLAY", xvfb.display());
    display.set("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    ScreenshotsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScreenshotsTest.moc"
