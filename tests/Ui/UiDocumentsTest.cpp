// What the documents name must be there: every Strings and PelvaneThemesManager role they
// read, every resource they load and every image of the themes; and every catalogue must be
// finished and keep each message's placeholders and markup.

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QMetaObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "tests/ui/app/QtTestMain.h"
#include "ui/app/QmlTypeRegistration.h"

namespace {

// The text of every document of the window, by file name.
QMap<QString, QString> documents() {
    QMap<QString, QString> texts;
    QDirIterator files(WHIRLEN_UI_SOURCES, {"*.qml"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly)) {
            texts.insert(file.fileName(), QString::fromUtf8(file.readAll()));
        }
    }
    return texts;
}

QSet<QString> matches(const QString& pattern, const QString& text) {
    QSet<QString> found;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext()) {
        found.insert(it.next().captured(1));
    }
    return found;
}

bool hasMember(const QObject* object, const QString& name) {
    const QMetaObject* meta = object->metaObject();
    if (meta->indexOfProperty(name.toUtf8().constData()) >= 0) {
        return true;
    }
    for (int i = 0; i < meta->methodCount(); ++i) {
        if (QString::fromLatin1(meta->method(i).name()) == name) {
            return true;
        }
    }
    return false;
}

QStringList placeholdersAndTags(const QString& text) {
    QStringList found;
    auto it = QRegularExpression(R"(%\d|<[^>]+>)").globalMatch(text);
    while (it.hasNext()) {
        found << it.next().captured(0);
    }
    found.sort();
    return found;
}

// The blanks a text starts and ends with: prefixes keep the one before the name they lead.
QPair<QString, QString> edgeBlanks(const QString& text) {
    const auto match =
        QRegularExpression(R"(^(\s*).*?(\s*)$)", QRegularExpression::DotMatchesEverythingOption)
            .match(text);
    return {match.captured(1), match.captured(2)};
}

}  // namespace

class UiDocumentsTest : public QObject {
    Q_OBJECT

private:
    QQmlEngine engine_;

    QObject* create(const QString& document) {
        QQmlComponent component(&engine_);
        component.setData(document.toUtf8(), QUrl("qrc:/Ui/StaticTest.qml"));
        QObject* object = component.create();
        if (!object) {
            qWarning() << component.errorString();
        }
        return object;
    }

private slots:
    void initTestCase() { registerQmlTypes(); }

    // Each folder of documents names its own types in its qmldir: every document but the
    // window's root document, and the root's script; the build writes nothing among them.
    void eachFolderNamesItsTypesAndHoldsNothingBuilt() {
        QDirIterator folders(WHIRLEN_UI_SOURCES, QDir::Dirs | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
        QStringList paths{WHIRLEN_UI_SOURCES};
        while (folders.hasNext()) {
            paths << folders.next();
        }
        int checked = 0;
        for (const QString& path : paths) {
            const QDir folder(path);
            QVERIFY2(folder.entryList({"*.qm", "*.qmlc", "*.jsc"}, QDir::Files).isEmpty(),
                     qPrintable(path));
            QStringList types = folder.entryList({"*.qml"}, QDir::Files);
            types.removeAll("main.qml");
            if (folder == QDir(WHIRLEN_UI_SOURCES)) {
                types << folder.entryList({"*.js"}, QDir::Files);
            }
            if (types.isEmpty()) {
                continue;
            }
            QFile qmldir(folder.filePath("qmldir"));
            QVERIFY2(qmldir.open(QIODevice::ReadOnly), qPrintable(path));
            const QString listing = QString::fromUtf8(qmldir.readAll());
            for (const QString& type : types) {
                const QString name = type.section('.', 0, 0);
                QVERIFY2(
                    listing.contains(QRegularExpression("(^|\\n)(singleton )?" + name + " 1\\.0 " +
                                                        QRegularExpression::escape(type) + "\\n")),
                    qPrintable(folder.filePath(type)));
            }
            ++checked;
        }
        QVERIFY(checked > 10);
    }

    void everyRoleTheDocumentsReadExists_data() {
        QTest::addColumn<QString>("singletonName");
        QTest::newRow("Strings") << "Strings";
        QTest::newRow("PelvaneThemesManager") << "PelvaneThemesManager";
    }

    void everyRoleTheDocumentsReadExists() {
        QFETCH(QString, singletonName);
        std::unique_ptr<QObject> holder(
            create(QString("import QtQuick\nimport PelvaneApp 1.0\nQtObject { property var s: %1 }")
                       .arg(singletonName)));
        QVERIFY(holder);
        auto* object = holder->property("s").value<QObject*>();
        QVERIFY(object);
        const auto texts = documents();
        QVERIFY(!texts.isEmpty());
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            for (const QString& role : matches(singletonName + R"(\.(\w+))", it.value())) {
                QVERIFY2(hasMember(object, role),
                         qPrintable(it.key() + " reads " + singletonName + "." + role));
            }
        }
    }

    void everyResourceTheDocumentsNameLoads() {
        const auto texts = documents();
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            for (const QString& path : matches("\"qrc(:/Ui/[^\"]+)\"", it.value())) {
                QVERIFY2(QFile::exists(path), qPrintable(it.key() + " names " + path));
            }
        }
    }

    void everyThemeImageLoads() {
        std::unique_ptr<QObject> holder(
            create("import QtQuick\nimport PelvaneApp 1.0\nQtObject { property var s: "
                   "PelvaneThemesManager }"));
        QVERIFY(holder);
        auto* themes = holder->property("s").value<QObject*>();
        QStringList images;
        for (int flavour = 0; flavour < 2; ++flavour) {
            themes->setProperty("currentThemeIndex", flavour);
            const QMetaObject* meta = themes->metaObject();
            for (int i = 0; i < meta->propertyCount(); ++i) {
                const QVariant value = meta->property(i).read(themes);
                QStringList values = value.toStringList();
                if (value.typeId() == QMetaType::QString) {
                    values = {value.toString()};
                }
                for (const QString& url : values) {
                    if (url.startsWith("qrc:/Ui/Assets/Images/") && !url.endsWith('/')) {
                        images << url;
                    }
                }
            }
        }
        images.removeDuplicates();
        QCOMPARE(images.size(), 46);
        for (const QString& url : images) {
            QImageReader reader(url.mid(3));
            QVERIFY2(!reader.read().isNull(), qPrintable(url));
        }
    }

    // Every catalogue: its language, every message finished, each translation keeping the
    // placeholders, markup and edge blanks of its source, none left in English but the names
    // that keyboards and the language itself spell so, and the compiled catalogue in the
    // resources holding each of them.
    void eachCatalogueIsFinishedAndFaithful_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("spelledAlike");
        QTest::newRow("French") << "fr"
                                << "fr" << QStringList{"Arguments", "Cloud",       "Configuration",
                                                       "Contact",   "Description", "Double",
                                                       "Triple",    "Volume",      "Zone %1"};
        QTest::newRow("German") << "de"
                                << "de" << QStringList{"Cloud", "JOG WHEEL", "Support", "Zone %1"};
        QTest::newRow("Italian") << "it"
                                 << "it"
                                 << QStringList{"Cloud", "Driver v. %1", "No", "Password",
                                                "Volume"};
        QTest::newRow("Japanese") << "ja"
                                  << "ja" << QStringList{};
        QTest::newRow("Dutch") << "nl"
                               << "nl" << QStringList{"Cloud",   "Contact", "Help",
                                                      "Support", "Volume",  "Zone %1"};
        QTest::newRow("Portuguese")
            << "pt"
            << "pt_BR" << QStringList{"DIAL", "Decimal", "Driver v. %1", "Local", "Volume"};
        QTest::newRow("Spanish") << "es"
                                 << "es" << QStringList{"DIAL", "Decimal", "Local", "No", "Triple"};
        QTest::newRow("Norwegian") << "no"
                                   << "nb" << QStringList{"Program"};
        QTest::newRow("Swedish") << "se"
                                 << "sv" << QStringList{"Program", "Support"};
        QTest::newRow("Finnish") << "fi"
                                 << "fi" << QStringList{};
        QTest::newRow("Danish") << "da"
                                << "da" << QStringList{"Program", "Stop", "Support", "Zone %1"};
    }

    void eachCatalogueIsFinishedAndFaithful() {
        QFETCH(QString, code);
        QFETCH(QString, language);
        QFETCH(QStringList, spelledAlike);
        // Names printed on keyboards or owned by others, kept in English everywhere they are.
        static const QSet<QString> names = {
            "Microsoft", "Google",    "Shift", "Alt",       "Ctrl",      "Win",          "Option",
            "Cmd",       "Tab",       "Enter", "Caps Lock", "Num Lock",  "Scroll Lock",  "Page Up",
            "Page Down", "Home",      "End",   "Insert",    "Backspace", "Print Screen", "Pause",
            "Zoom",      "Erase EOF", "Attn",  "CrSel",     "ExSel",     "PA1"};
        QTranslator compiled;
        QVERIFY(compiled.load(":/Ui/Localization/Translations/translation_" + code + ".qm"));
        QFile catalogue(QString(WHIRLEN_UI_SOURCES) + "/Localization/Translations/translation_" +
                        code + ".ts");
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&catalogue);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == QLatin1String("TS")) {
                QCOMPARE(xml.attributes().value("language").toString(), language);
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                QVERIFY2(xml.attributes().value("type").isEmpty(), qPrintable(source));
                const QString translation = xml.readElementText();
                QVERIFY2(!translation.isEmpty(), qPrintable(source));
                QCOMPARE(placeholdersAndTags(translation), placeholdersAndTags(source));
                QCOMPARE(edgeBlanks(translation), edgeBlanks(source));
                QVERIFY2(translation != source || names.contains(source) ||
                             spelledAlike.contains(source),
                         qPrintable(source));
                QCOMPARE(compiled.translate("Strings", source.toUtf8().constData()), translation);
                ++messages;
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 300);
    }
};

WHIRLEN_QT_TEST_MAIN(UiDocumentsTest)

#include "UiDocumentsTest.moc"
