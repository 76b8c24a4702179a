// The configuration program's fonts and images, loaded from the resources as the
// interface loads them.
#include <QDirIterator>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImageReader>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtTest>
#include <span>

namespace {

struct NamedImage {
    const char* role;  // the theme manager's name for the image
    const char* path;
};

// Every image the theme manager names: its fixed roles, the roles each flavour
// fills, and the per-model product pictures and set-up guides.
const NamedImage themeImages[] = {
    {"pelvaneLogoWhite", "pelvane_logo_white.png"},
    {"justLogoWithBlue", "just_logo_withblue.svg"},
    {"justLogoPWhite", "just_logo_P_white.png"},
    {"powerButton", "power_btn.svg"},
    {"powerButtonActive", "power_btn_active.svg"},
    {"checkMarkIcon", "check_mark.png"},
    {"checkMarkNoBorderIcon", "checkmark_noborder.svg"},
    {"backgroundRedBand", "backlogo_back.svg"},
    {"closeIcon", "close.svg"},
    {"closeIconBlack", "close_black.svg"},
    {"undoIcon", "undo.svg"},
    {"undoIconBlack", "undo-black.svg"},
    {"minimizeIcon", "minimize.svg"},
    {"minimizeIconBlack", "minimize_black.svg"},
    {"localizationIcon", "localization_button.png"},
    {"localizationIconBlack", "localization_button_pressed.png"},
    {"settingsIcon", "settings_icon.png"},
    {"settingsPressedIcon", "settings_icon_pressed.png"},
    {"accountIcon", "account_icon.png"},
    {"accountPressedIcon", "account_pressed_icon.png"},
    {"deleteIcon", "delete_icon.png"},
    {"dropDownArrow", "icon_arrow_down.svg"},
    {"dropDownArrowGrey", "icon_arrow_down_grey.svg"},
    {"dropDownArrowLightBlue", "icon_arrow_down_light_blue.svg"},
    {"dropDownArrowBlue", "icon_arrow_down_blue.svg"},
    {"downIconSolid", "icon_arrow_down_solid.png"},
    {"rightIconSolid", "icon_arrow_right_solid.png"},
    {"chevronRightArrow", "chevron_right.svg"},
    {"macAllowApplication", "mac_allow_application.png"},
    {"notificationBell", "notifications/bell.png"},
    {"notificationBellHover", "notifications/bell_pressed.png"},
    {"whirlenMaxStraighImg", "products/whirlenmax/whirlenmax.png"},
    {"whirlenLiteImg", "products/whirlenlite/lite.png"},
    {"circularArrowLeft", "products/dialRotateLeft.png"},
    {"circularArrowRight", "products/dialRotateRight.png"},
    {"themeChangeIcon", "theme_change.png"},
    {"themeChangePressedIcon", "theme_change_pressed.png"},
    {"feedbackIcon (blue)", "survey_blue.png"},
    {"feedbackIcon (black)", "survey_black.png"},
    {"profileIcon (Monochrome)", "profile.png"},
    {"profileIcon (Miracle Mist)", "profile_white.png"},
    {"leftArrowIcon", "sageata_stanga.png"},
    {"productsImages[1]", "products/whirlenmax.png"},
    {"productsImages[2]", "products/whirlenlite.png"},
    {"userGuideImage[1]", "whirlen_max_user_guide.png"},
    {"userGuideImage[2]", "whirlen_lite_user_guide.png"},
};

// Images the documents name by their path alone.
const NamedImage documentImages[] = {
    {"account popup logo", "pelvane_logo_black.png"},
};

struct Anchor {
    const char* drawing;
    const char* element;
    double x;
    double y;
};

// Where the button layouts put each control's number, in the drawing's units.
const Anchor anchors[] = {
    {"whirlen_max.svg", "button1", 81, 78},    {"whirlen_max.svg", "button2", 127, 65},
    {"whirlen_max.svg", "button3", 174, 63},   {"whirlen_max.svg", "button4", 220, 76},
    {"whirlen_max.svg", "button5", 64, 132},   {"whirlen_max.svg", "button6", 106, 108},
    {"whirlen_max.svg", "button7", 151, 100},  {"whirlen_max.svg", "button8", 197, 107},
    {"whirlen_max.svg", "button9", 239, 132},  {"whirlen_max.svg", "button10", 89, 269},
    {"whirlen_max.svg", "button11", 218, 267}, {"whirlen_max.svg", "button12", 80, 300},
    {"whirlen_max.svg", "button13", 228, 298}, {"whirlen_max.svg", "button14", 42, 205},
    {"whirlen_max.svg", "button15", 262, 203}, {"whirlen_max.svg", "dial", 154, 197},
    {"whirlen_max.svg", "jogWheel", 153, 204}, {"whirlen_lite.svg", "button1", 37, 140},
    {"whirlen_lite.svg", "button2", 76, 58},   {"whirlen_lite.svg", "button3", 154, 30},
    {"whirlen_lite.svg", "button4", 232, 59},  {"whirlen_lite.svg", "button5", 269, 142},
    {"whirlen_lite.svg", "dial", 155, 145},    {"whirlen_lite.svg", "jogWheel", 155, 148},
};

QString drawingPath(const QString& name) {
    return QStringLiteral(WHIRLEN_ASSET_DRAWINGS "/") + name;
}

bool hasVisiblePixel(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void everyNamedImageLoads_data();
    void everyNamedImageLoads();
    void fontsRegisterOneFamilyInTwoWeights();
    void japaneseTextFindsItsGlyphs();
    void controlsStandOnTheirAnchors_data();
    void controlsStandOnTheirAnchors();
    void drawingsStandAtTheirReferenceHeights();
    void drawingsKeepToWhatTheRendererDraws();

private:
    QList<int> fontIds_;
};

void AssetsTest::initTestCase() {
    // As the program does before it loads its window.
    for (const char* file : {"Poppins-Regular.ttf", "Poppins-Bold.ttf"}) {
        fontIds_ << QFontDatabase::addApplicationFont(QStringLiteral(":/Ui/Assets/Fonts/") + file);
    }
}

void AssetsTest::everyNamedImageLoads_data() {
    QTest::addColumn<QString>("path");
    for (const std::span<const NamedImage> table :
         {std::span<const NamedImage>(themeImages), std::span<const NamedImage>(documentImages)}) {
        for (const NamedImage& image : table) {
            QTest::newRow(image.role) << QString::fromLatin1(image.path);
        }
    }
}

void AssetsTest::everyNamedImageLoads() {
    QFETCH(QString, path);
    QImageReader reader(QStringLiteral(":/Ui/Assets/Images/") + path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    // Two pixels is the minimise bar's thickness; nothing the window shows is larger
    // than a screen.
    QVERIFY(image.width() >= 2 && image.height() >= 2);
    QVERIFY(image.width() <= 2048 && image.height() <= 2048);
    QVERIFY(hasVisiblePixel(image));
}

void AssetsTest::fontsRegisterOneFamilyInTwoWeights() {
    QCOMPARE(fontIds_.size(), 2);
    for (const int id : fontIds_) {
        QVERIFY(id >= 0);
        QCOMPARE(QFontDatabase::applicationFontFamilies(id), QStringList{"Poppins"});
    }
    QVERIFY(!QFontDatabase::families().contains(QStringLiteral("Poppins-Bold")));

    QFont bold(QStringLiteral("Poppins"));
    bold.setBold(true);
    const QFontInfo boldInfo(bold);
    QCOMPARE(boldInfo.family(), QStringLiteral("Poppins"));
    QCOMPARE(boldInfo.style(), QFont::StyleNormal);
    QCOMPARE(boldInfo.weight(), int(QFont::Bold));

    const QFontInfo regularInfo{QFont(QStringLiteral("Poppins"))};
    QCOMPARE(regularInfo.family(), QStringLiteral("Poppins"));
    QCOMPARE(regularInfo.weight(), int(QFont::Normal));
}

// Poppins has no Japanese letters: the system's CJK font must stand in for them, or
// the Japanese interface shows empty boxes.
void AssetsTest::japaneseTextFindsItsGlyphs() {
    QTextLayout layout(QStringLiteral(u"\u8a2d\u5b9a\u3092\u4fdd\u5b58"), QFont("Poppins"));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QVERIFY(!runs.isEmpty());
    for (const QGlyphRun& run : runs) {
        QVERIFY(!run.glyphIndexes().contains(0));
    }
}

void AssetsTest::controlsStandOnTheirAnchors_data() {
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QPointF>("anchor");
    for (const Anchor& a : anchors) {
        QTest::addRow("%s %s", a.drawing, a.element)
            << QString::fromLatin1(a.drawing) << QString::fromLatin1(a.element)
            << QPointF(a.x, a.y);
    }
}

void AssetsTest::controlsStandOnTheirAnchors() {
    QFETCH(QString, drawing);
    QFETCH(QString, element);
    QFETCH(QPointF, anchor);
    QSvgRenderer renderer(drawingPath(drawing));
    QVERIFY(renderer.isValid());
    QVERIFY(renderer.elementExists(element));
    // A control's outline is centred on its anchor; the raised dial's top face is,
    // while its base sits on the jog wheel's centre a few units lower.
    const QRectF bounds = renderer.boundsOnElement(element);
    const QPointF offset = bounds.center() - anchor;
    QVERIFY2(bounds.contains(anchor), qPrintable(element));
    QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 6,
             qPrintable(QStringLiteral("%1 centred at %2,%3")
                            .arg(element)
                            .arg(bounds.center().x())
                            .arg(bounds.center().y())));
}

void AssetsTest::drawingsStandAtTheirReferenceHeights() {
    QCOMPARE(QSvgRenderer(drawingPath("whirlen_max.svg")).viewBoxF().height(), 533.7);
    QCOMPARE(QSvgRenderer(drawingPath("whirlen_lite.svg")).viewBoxF().height(), 299.4);
}

// Qt's renderer passes over filters, style sheets and the like without a word, so a
// drawing that used them would look other than drawn; words have no place in the
// images (they are not translated) and every picture is drawn, never embedded.
void AssetsTest::drawingsKeepToWhatTheRendererDraws() {
    static const QStringList banned = {"<text",          "<filter",     "filter=",
                                       "<style",         "style=",      "<image",
                                       "<foreignObject", "href=\"http", "href=\"data:"};
    QDirIterator it(QStringLiteral(WHIRLEN_ASSET_DRAWINGS), {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int drawings = 0;
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString& word : banned) {
            QVERIFY2(!text.contains(word), qPrintable(file.fileName() + ": " + word));
        }
        const bool fragment = it.fileInfo().dir().dirName() == QStringLiteral("Parts");
        QVERIFY2(fragment || text.contains(QStringLiteral("baseProfile=\"tiny\"")),
                 qPrintable(file.fileName()));
        ++drawings;
    }
    QVERIFY(drawings > 0);
}

int main(int argc, char* argv[]) {
    // Font caches and the runtime folder go to a folder of this run alone.
    QTemporaryDir scratch;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(scratch.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("cache"))));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication application(argc, argv);
    AssetsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AssetsTest.moc"
